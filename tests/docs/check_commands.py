#!/usr/bin/env python3
"""Checks every command in a command block of the README and the guides that
names one of our programs, scripts, packages or manual pages, so that a
guide never shows one that cannot work as written:
- a program (by its build path, its installed name, or a shell variable the
  block sets to either): the build has it, an installed name is one the
  Debian package installs, a subcommand is one its --help lists, and every
  option is one its --help (for pak, the subcommand's) lists;
- scripts/NAME: the script exists and runs, and each plain argument is a word
  its text names (a release, say);
- apt on our packages: each is one debian/control makes, and a .deb's file
  name carries the version of debian/changelog;
- man NAME: the page is in docs/ and the Debian package installs it;
- the installer: each of its options is one it reads;
- build/ and docs/ paths: the build or the checkout has them.

Usage: check_commands.py TOP_OF_CHECKOUT BUILD_FOLDER
Prints one line per fault and exits 1 when there is any.
"""
import glob
import pathlib
import re
import shlex
import subprocess
import sys

FENCE = re.compile(r"^```[^\n]*\n(.*?)^```", re.M | re.S)
OPTION = re.compile(r"^--?[a-z][a-z0-9-]*")
ASSIGNMENT = re.compile(r"^([A-Za-z_][A-Za-z0-9_]*)=(.*)$")
OPERATORS = {"&&", "||", "|", ";", "&", "(", ")"}
# A program by the name it is run with: its place in the build folder.
PROGRAMS = {"amber-bell": "saver/amber-bell", "Amber Bell": "saver/Amber Bell",
            "config": "saver/config", "amber-bell-config": "saver/config",
            "pak": "tools/pak/pak", "amber-bell-pak": "tools/pak/pak",
            "amber-snapshot": "amber-snapshot", "amber-bell-snapshot": "amber-snapshot",
            "amber-artwork": "tools/artwork/amber-artwork"}
# Options each NSIS installer takes without being told.
NSIS_OPTIONS = {"/S", "/D", "/NCRC"}


class Guides:
    def __init__(self, top, build):
        self.top, self.build = top, build
        control = (top / "debian/control").read_text(encoding="utf-8")
        self.packages = set(re.findall(r"^Package: (\S+)", control, re.M))
        changelog = (top / "debian/changelog").read_text(encoding="utf-8")
        self.version = re.match(r"\S+ \(([^)]+)\)", changelog).group(1)
        self.installs = "".join(p.read_text(encoding="utf-8") for p in (top / "debian").glob("*.install"))
        self.manpages = "".join(p.read_text(encoding="utf-8") for p in (top / "debian").glob("*.manpages"))
        self.installer = (top / "packaging/windows/amber-bell.nsi").read_text(encoding="utf-8")
        self.helps = {}

    def help_text(self, path, subcommand):
        key = (path, subcommand)
        if key not in self.helps:
            command = [str(path)] + ([subcommand] if subcommand else []) + ["--help"]
            result = subprocess.run(command, capture_output=True, text=True,
                                    env={"PATH": "/usr/bin:/bin"}, timeout=60)
            self.helps[key] = result.stdout + result.stderr
        return self.helps[key]

    def program(self, word, args):
        name = word.rsplit("/", 1)[-1]
        path = self.build / PROGRAMS[name]
        if word.startswith("build/") and not (self.build / word[len("build/"):]).exists():
            yield f"the build has no {word}"
        if "/" not in word and name.startswith("amber-bell-") and f"usr/bin/{name}\n" not in self.installs:
            yield f"the Debian package installs no {name}"
        if not path.exists():
            yield f"the build has no {PROGRAMS[name]}"
            return
        help_text = self.help_text(path, None)
        subcommands = re.findall(r"^  (\w+) ", help_text.split("Subcommands:", 1)[-1], re.M) \
            if "Subcommands:" in help_text else []
        subcommand = args[0] if args and subcommands and not args[0].startswith("-") else None
        if subcommand and subcommand not in subcommands:
            yield f"{name} has no subcommand {subcommand}"
            return
        if subcommand and name.endswith("pak"):  # pak's options belong to its subcommands
            help_text = self.help_text(path, subcommand)
        for arg in args:
            match = OPTION.match(arg)
            if not match or arg in ("-s", "-c", "-h", "-S", "-C"):
                continue
            option = match.group(0)
            # The show takes its host options with one dash or two.
            spelled = "-" + option.lstrip("-") if PROGRAMS[name] == "saver/amber-bell" else option
            if not re.search(r"(?<![\w-])-?" + re.escape(spelled) + r"(?![\w-])", help_text):
                yield f"{name} does not know {option}"

    def script(self, word, args):
        path = self.top / word
        if not (path.is_file() and path.stat().st_mode & 0o111):
            yield f"there is no script {word}"
            return
        text = path.read_text(encoding="utf-8")
        for arg in args:
            if not arg.startswith("-") and not re.search(r"(?<![\w-])" + re.escape(arg) + r"(?![\w-])", text):
                yield f"{word} takes no {arg}"

    def apt(self, args):
        for arg in args[1:]:
            deb = re.match(r"^(?:.*/)?([^/_]+)_([^_]+)_[^_]+\.deb$", arg)
            name = deb.group(1) if deb else arg
            if name.startswith("amber-bell") and name not in self.packages:
                yield f"there is no package {name}"
            if deb and deb.group(2) != self.version:
                yield f"{arg} is not version {self.version}"

    def setup(self, args):
        for arg in args:
            option = arg.split("=", 1)[0]
            if option.startswith("/") and option not in NSIS_OPTIONS and f'"{option}"' not in self.installer:
                yield f"the installer does not read {option}"

    def command(self, words, variables):
        while words and (words[0] in ("sudo", "wine") or words[0].endswith(":") or ASSIGNMENT.match(words[0])):
            words = words[1:]
        if not words:
            return
        first = re.sub(r"^\$\{?(\w+)\}?$", lambda m: variables.get(m.group(1), m.group(0)), words[0])
        args = words[1:]
        for word in words:
            if re.match(r"^(build|docs)/", word) and not word.startswith("build/saver/config.exe"):
                folder = self.build if word.startswith("build/") else self.top
                if not glob.glob(str(folder / word.split("/", 1)[1]) if word.startswith("build/") else str(folder / word)):
                    yield f"there is no {word}"
        name = first.rsplit("/", 1)[-1]
        if name.removesuffix(".exe") in PROGRAMS and not first.startswith("build-win32/"):
            yield from self.program(first, args)
        elif first.startswith("scripts/"):
            yield from self.script(first, args)
        elif first in ("apt", "apt-get") and args and args[0] in ("install", "remove", "purge"):
            yield from self.apt(args)
        elif first == "man":
            for page in args:
                if not list(self.top.glob(f"docs/{page}.[1-9]")) or f"docs/{page}." not in self.manpages:
                    yield f"there is no manual page {page}"
        elif name == "amber-bell-setup.exe":
            yield from self.setup(args)
        elif name.startswith("amber-"):
            yield f"there is no program {name}"

    def faults(self, page):
        variables = {}
        for block in FENCE.findall(page.read_text(encoding="utf-8")):
            for line in block.replace("\\\n", " ").splitlines():
                line = line.split(" #", 1)[0].strip()
                lexer = shlex.shlex(line, posix=True, punctuation_chars=True)
                lexer.whitespace_split = True
                try:
                    tokens = list(lexer)
                except ValueError:
                    tokens = line.split()
                words = []
                for token in tokens + [";"]:
                    if token not in OPERATORS:
                        words.append(token)
                        continue
                    if len(words) == 1 and ASSIGNMENT.match(words[0]):
                        variables.update([ASSIGNMENT.match(words[0]).groups()])
                    for fault in self.command(words, variables):
                        yield f"{page.relative_to(self.top)}: {fault}: {line}"
                    words = []


def main():
    top, build = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    guides = Guides(top, build)
    pages = [top / "README.md", top / "CONTRIBUTING.md"] + sorted((top / "docs").glob("*.md"))
    faults = [fault for page in pages for fault in guides.faults(page)]
    for fault in faults:
        print(fault)
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
