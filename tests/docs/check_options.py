#!/usr/bin/env python3
"""Checks that every option of ours in a command block of the README and the
guides is one the program itself knows: each `--option` (and, for the show, a
one-dash host option) given to amber-bell, config, pak or amber-snapshot must
appear in that program's --help (for pak, in the help of the subcommand used).

Usage: check_options.py TOP_OF_CHECKOUT BUILD_FOLDER
Prints one line per unknown option and exits 1 when there is any.
"""
import pathlib
import re
import shlex
import subprocess
import sys

FENCE = re.compile(r"^```[^\n]*\n(.*?)^```", re.M | re.S)
OPTION = re.compile(r"^--?[a-z][a-z0-9-]*")


def program_of(word):
    """Which of our programs a command's first word names, or None."""
    name = word.rsplit("/", 1)[-1]
    if name in ("amber-bell", "Amber Bell"):
        return "amber-bell"
    if name in ("config", "$config"):
        return "config"
    if name in ("pak", "$pak", "amber-bell-pak"):
        return "pak"
    if name == "amber-snapshot":
        return "amber-snapshot"
    return None


def commands(markdown):
    """The lines of every fenced block, continuation lines joined."""
    for block in FENCE.findall(markdown):
        for line in block.replace("\\\n", " ").splitlines():
            line = line.split(" #", 1)[0].strip()
            if line:
                yield line


def help_text(build, program, words):
    paths = {"amber-bell": "saver/amber-bell", "config": "saver/config",
             "pak": "tools/pak/pak", "amber-snapshot": "amber-snapshot"}
    command = [str(build / paths[program])]
    # pak's options belong to its subcommands.
    if program == "pak" and words and not words[0].startswith("-"):
        command.append(words[0])
    result = subprocess.run(command + ["--help"], capture_output=True, text=True,
                            env={"PATH": "/usr/bin:/bin"}, timeout=60)
    return result.stdout + result.stderr


def unknown_options(top, build):
    pages = [top / "README.md", top / "CONTRIBUTING.md"] + sorted((top / "docs").glob("*.md"))
    for page in pages:
        for line in commands(page.read_text(encoding="utf-8")):
            try:
                words = shlex.split(line)
            except ValueError:
                words = line.split()
            while words and (words[0] == "sudo" or re.match(r"^[A-Z_]+=", words[0])):
                words = words[1:]
            program = program_of(words[0]) if words else None
            if not program:
                continue
            text = help_text(build, program, words[1:])
            for word in words[1:]:
                match = OPTION.match(word)
                if not match or word in ("-s", "-c", "-h", "-S", "-C"):
                    continue
                option = match.group(0)
                # The show takes its host options with one dash or two.
                spelled = "-" + option.lstrip("-") if program == "amber-bell" else option
                if not re.search(r"(?<![\w-])-?" + re.escape(spelled) + r"(?![\w-])", text):
                    yield f"{page.relative_to(top)}: {program} does not know {option}: {line}"


def main():
    top, build = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    problems = list(unknown_options(top, build))
    for problem in problems:
        print(problem)
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
