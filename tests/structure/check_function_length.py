#!/usr/bin/env python3
"""Fails when a function in the given folders is longer than the limit.

Usage: check_function_length.py LIMIT FOLDER...

In every .cpp and .h file, comments, literals and preprocessor lines are
blanked and braces matched. A brace block whose head (the text since the last
';', '{' or '}') has a parameter list, and is neither a type nor an
initializer, is a function: it runs from the first line of its head to its
closing brace. Namespace and class bodies are looked into; a lambda counts
with the function around it.
"""
import pathlib
import re
import sys

NOISE = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'|'
                   r'^[ \t]*#(?:[^\n]*\\\n)*[^\n]*', re.S | re.M)
SCOPE = re.compile(r'^\s*(namespace\b|extern\s*"\s*")')
TYPE = re.compile(r'\b(class|struct|enum|union)\b')
ACCESS = re.compile(r'\b(public|protected|private)\s*:(?!:)')
INIT_LIST = re.compile(r'\)[^()]*(?<!:):(?!:)')


def functions(text):
    """(first line, last line) of every function, 1-based."""
    code = NOISE.sub(lambda m: re.sub(r'[^\n]', ' ', m.group()), text)
    line = lambda offset: code.count('\n', 0, offset) + 1
    found, stack, head_start, i = [], [], 0, 0
    while i < len(code):
        c = code[i]
        in_body = any(kind not in ('scope', 'type') for kind in stack)
        if c == ';' and not in_body:
            head_start = i + 1
        elif c == '{' and in_body:
            stack.append('block')
        elif c == '{':
            head = ACCESS.sub(' ', code[head_start:i])
            tail = head.rstrip()[-1:]
            if INIT_LIST.search(head) and (tail.isalnum() or tail in '_>'):
                depth = 0  # a braced member initializer: still the head
                while True:
                    depth += {'{': 1, '}': -1}.get(code[i], 0)
                    if depth == 0:
                        break
                    i += 1
            elif SCOPE.search(head) or (TYPE.search(head) and '(' not in head):
                stack.append('scope' if SCOPE.search(head) else 'type')
                head_start = i + 1
            elif ')' in head and tail != '=':
                stack.append(line(head_start + len(head) - len(head.lstrip())))
            else:
                stack.append('block')
        elif c == '}' and stack:
            kind = stack.pop()
            if isinstance(kind, int):
                found.append((kind, line(i)))
            if not any(k not in ('scope', 'type') for k in stack):
                head_start = i + 1
        i += 1
    return found


def main():
    limit, too_long = int(sys.argv[1]), []
    for folder in sys.argv[2:]:
        for path in sorted(pathlib.Path(folder).rglob('*')):
            if path.suffix in ('.cpp', '.h'):
                for first, last in functions(path.read_text(encoding='utf-8', errors='replace')):
                    if last - first + 1 > limit:
                        too_long.append(f'{path}:{first}: {last - first + 1} lines, over {limit}')
    print('\n'.join(too_long))
    return 1 if too_long else 0


if __name__ == '__main__':
    sys.exit(main())
