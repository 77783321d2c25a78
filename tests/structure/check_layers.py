#!/usr/bin/env python3
"""Fails when a source in src/ includes a file of a layer its library does
not link.

Usage: check_layers.py LAYERS_TXT SRC_DIR

LAYERS_TXT is written by src/CMakeLists.txt, a line per folder of src/:
"folder: the folders it may include from" (its own, its library's and those
of the layers its library links). Every folder of src/ must have a line; an
include names a layer when its first path part is such a folder.
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"/]+)/')


def main():
    reach = {}
    for line in pathlib.Path(sys.argv[1]).read_text().splitlines():
        if line.strip():
            folder, _, allowed = line.partition(":")
            reach[folder.strip()] = set(allowed.split())
    src = pathlib.Path(sys.argv[2])
    faults = []
    for folder in sorted(p.name for p in src.iterdir() if p.is_dir()):
        if folder not in reach:
            faults.append(f"{src / folder}: a folder of no layer (src/CMakeLists.txt)")
            continue
        for path in sorted((src / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            lines = path.read_text(encoding="utf-8", errors="replace").splitlines()
            for number, text in enumerate(lines, 1):
                match = INCLUDE.match(text)
                if match and match.group(1) in reach and match.group(1) not in reach[folder]:
                    faults.append(f"{path}:{number}: {folder} includes {match.group(1)}/, "
                                  f"which its library does not link")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
