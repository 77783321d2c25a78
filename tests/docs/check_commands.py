#!/usr/bin/env python3
"""Checks every command in a command block of the README and the guides that
names a program, script, package or manual page of ours: the program is in
the build (an installed name, in the Debian package), its subcommand and
options are in its --help; a script exists and names each plain argument; a
package is one debian/control makes, a .deb file carries the changelog's
version; a manual page is installed; the installer reads each option; build/
and docs/ paths exist.

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
# A program by the name it is run with: its place in the build folder.
PROGRAMS = {"amber-bell": "saver/amber-bell", "Amber Bell": "saver/Amber Bell",
            "config": "saver/config", "amber-bell-config": "saver/config",
            "pak": "tools/pak/pak", "amber-bell-pak": "tools/pak/pak",
            "amber-snapshot": "amber-snapshot", "amber-bell-snapshot": "amber-snapshot",
            "amber-artwork": "tools/artwork/amber-artwork"}
NSIS_OPTIONS = {"/S", "/D", "/NCRC"}  # every NSIS installer's own


class Guides:
    def __init__(self, top, build):
        self.top, self.build, self.helps = top, build, {}
        read = lambda pattern: "".join(p.read_text(encoding="utf-8") for p in top.glob(pattern))
        self.packages = set(re.findall(r"^Package: (\S+)", read("debian/control"), re.M))
        self.version = re.match(r"\S+ \(([^)]+)\)", read("debian/changelog")).group(1)
        self.installs, self.manpages = read("debian/*.install"), read("debian/*.manpages")
        self.installer = read("packaging/windows/amber-bell.nsi")

    def help_text(self, *command):
        if command not in self.helps:
            result = subprocess.run([*command, "--help"], capture_output=True, text=True,
                                    env={"PATH": "/usr/bin:/bin"}, timeout=60)
            self.helps[command] = result.stdout + result.stderr
        return self.helps[command]

    def program(self, word, args):
        name = word.rsplit("/", 1)[-1].removesuffix(".exe")
        path = str(self.build / PROGRAMS[name])
        if "/" not in word and name.startswith("amber-bell-") and f"usr/bin/{name}\n" not in self.installs:
            yield f"the Debian package installs no {name}"
        if not pathlib.Path(path).exists():
            yield f"the build has no {PROGRAMS[name]}"
            return
        text = self.help_text(path)
        subcommands = re.findall(r"^  (\w+) ", text.split("Subcommands:", 1)[1], re.M) if "Subcommands:" in text else []
        if subcommands and args and not args[0].startswith("-"):
            if args[0] not in subcommands:
                yield f"{name} has no subcommand {args[0]}"
                return
            if name.endswith("pak"):  # pak's options belong to its subcommands
                text = self.help_text(path, args[0])
        for arg in args:
            option = OPTION.match(arg)
            if not option or arg in ("-s", "-c", "-h", "-S", "-C"):
                continue
            # The show takes its host options with one dash or two.
            spelled = "-" + option[0].lstrip("-") if PROGRAMS[name] == "saver/amber-bell" else option[0]
            if not re.search(r"(?<![\w-])-?" + re.escape(spelled) + r"(?![\w-])", text):
                yield f"{name} does not know {option[0]}"

    def command(self, words, variables):
        while words and (words[0] in ("sudo", "wine") or words[0].endswith(":") or ASSIGNMENT.match(words[0])):
            words = words[1:]
        if not words:
            return
        first = re.sub(r"^\$\{?(\w+)\}?$", lambda m: variables.get(m[1], m[0]), words[0])
        name, args = first.rsplit("/", 1)[-1], words[1:]
        for word in words:
            folder = {"build": self.build, "docs": self.top / "docs"}.get(word.split("/", 1)[0])
            if folder and "/" in word and not glob.glob(str(folder / word.split("/", 1)[1])):
                yield f"there is no {word}"
        if name.removesuffix(".exe") in PROGRAMS and not first.startswith("build-win32/"):
            yield from self.program(first, args)
        elif first.startswith("scripts/"):
            path = self.top / first
            if not (path.is_file() and path.stat().st_mode & 0o111):
                yield f"there is no script {first}"
                return
            text = path.read_text(encoding="utf-8")
            yield from (f"{first} takes no {arg}" for arg in args
                        if not arg.startswith("-") and not re.search(rf"(?<![\w-]){re.escape(arg)}(?![\w-])", text))
        elif first in ("apt", "apt-get") and args[:1] in (["install"], ["remove"], ["purge"]):
            for arg in args[1:]:
                deb = re.match(r"^(?:.*/)?([^/_]+)_([^_]+)_[^_]+\.deb$", arg)
                package = deb[1] if deb else arg
                if package.startswith("amber-bell") and package not in self.packages:
                    yield f"there is no package {package}"
                if deb and deb[2] != self.version:
                    yield f"{arg} is not version {self.version}"
        elif first == "man":
            yield from (f"there is no manual page {page}" for page in args
                        if not any(self.top.glob(f"docs/{page}.[1-9]")) or f"docs/{page}." not in self.manpages)
        elif name == "amber-bell-setup.exe":
            yield from (f"the installer does not read {option}" for option in (arg.split("=", 1)[0] for arg in args)
                        if option.startswith("/") and option not in NSIS_OPTIONS and f'"{option}"' not in self.installer)
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
                    tokens = list(lexer) + [";"]
                except ValueError:
                    tokens = line.split() + [";"]
                words = []
                for token in tokens:
                    if token not in ("&&", "||", "|", ";", "&", "(", ")"):
                        words.append(token)
                        continue
                    if len(words) == 1 and ASSIGNMENT.match(words[0]):
                        variables.update([ASSIGNMENT.match(words[0]).groups()])
                    yield from (f"{page.relative_to(self.top)}: {fault}: {line}" for fault in self.command(words, variables))
                    words = []


def main():
    top, build = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    guides = Guides(top, build)
    faults = [fault for page in [top / "README.md", top / "CONTRIBUTING.md"] + sorted((top / "docs").glob("*.md"))
              for fault in guides.faults(page)]
    for fault in faults:
        print(fault)
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
