#!/usr/bin/env python3
"""Fails when a function in the given folders is longer than the limit.

Usage: check_function_length.py LIMIT FOLDER...

Reads every .cpp and .h file below the folders, blanks comments, string and
character literals and preprocessor lines, and matches braces: a block whose
head (the text since the last ';', '{' or '}') has a parameter list and is not
a class, struct, enum or union is a function; its length runs from the first
line of its head to its closing brace. Namespace, extern "C" and class bodies
are looked into, function bodies are not (a lambda counts with its function).
"""
import pathlib
import re
import sys

TYPE_HEAD = re.compile(r"\b(class|struct|enum|union)\b")
SCOPE_HEAD = re.compile(r"^\s*(namespace\b|extern\s*\")")
ACCESS_LABEL = re.compile(r"\b(public|protected|private)\s*:(?!:)")
INIT_LIST = re.compile(r"\)[^()]*(?<!:):(?!:)")


def blank(text):
    """The text with comments, literals and preprocessor lines as blanks;
    line breaks are kept, so offsets map to the same lines."""
    out = []
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if line_start and c == "#":
            while i < n and (text[i] != "\n" or text[i - 1] == "\\"):
                out.append("\n" if text[i] == "\n" else " ")
                i += 1
            continue
        if c == "\n":
            line_start = True
            out.append(c)
            i += 1
            continue
        if not c.isspace():
            line_start = False
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
            out.append(" " * (end - i))
            i = end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append(re.sub(r"[^\n]", " ", text[i:end]))
            i = end
        elif c == "R" and text.startswith('R"', i) and not (i and (text[i - 1].isalnum() or text[i - 1] == "_")):
            open_paren = text.find("(", i)
            delimiter = ")" + text[i + 2:open_paren] + '"'
            end = text.find(delimiter, open_paren)
            end = n if end < 0 else end + len(delimiter)
            out.append('"' + re.sub(r"[^\n]", " ", text[i + 1:end - 1]) + '"')
            i = end
        elif c in "\"'":
            if c == "'" and i and text[i - 1].isalnum() and text[i + 1:i + 2].isalnum():
                out.append(c)  # digit separator: 1'000
                i += 1
                continue
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            out.append(c + " " * (j - i - 1) + c)
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def functions(text):
    """(first line, last line) of every function, 1-based."""
    code = blank(text)
    found = []
    stack = []  # per open brace: "scope", "type", or ("function", start)
    head_start = 0
    i, n = 0, len(code)
    while i < n:
        c = code[i]
        inside_body = any(kind not in ("scope", "type") for kind in stack)
        if c == ";" and not inside_body:
            head_start = i + 1
        elif c == "{":
            if inside_body:
                stack.append("block")
            else:
                head = ACCESS_LABEL.sub(" ", code[head_start:i])
                stripped = head.rstrip()
                if INIT_LIST.search(head) and stripped and (stripped[-1].isalnum() or stripped[-1] in "_>"):
                    # A braced member initializer: part of the head.
                    depth = 0
                    while i < n:
                        depth += {"{": 1, "}": -1}.get(code[i], 0)
                        if depth == 0:
                            break
                        i += 1
                elif SCOPE_HEAD.search(head):
                    stack.append("scope")
                    head_start = i + 1
                elif TYPE_HEAD.search(head) and "(" not in head:
                    stack.append("type")
                    head_start = i + 1
                elif ")" in head and not stripped.endswith("="):
                    offset = head_start + (len(head) - len(head.lstrip()))
                    stack.append(("function", code.count("\n", 0, offset) + 1))
                else:
                    stack.append("block")
        elif c == "}" and stack:
            kind = stack.pop()
            if isinstance(kind, tuple):
                found.append((kind[1], code.count("\n", 0, i) + 1))
            if not any(k not in ("scope", "type") for k in stack):
                head_start = i + 1
        i += 1
    return found


def main():
    limit = int(sys.argv[1])
    too_long = []
    for folder in sys.argv[2:]:
        for path in sorted(pathlib.Path(folder).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            text = path.read_text(encoding="utf-8", errors="replace")
            for first, last in functions(text):
                if last - first + 1 > limit:
                    too_long.append(f"{path}:{first}: {last - first + 1} lines")
    for line in too_long:
        print(line)
    if too_long:
        print(f"{len(too_long)} function(s) longer than {limit} lines")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
