#!/usr/bin/env python3
"""Checks that the relative links and images of the README, CONTRIBUTING.md,
CHANGELOG.md and the guides in docs/ lead somewhere: the file exists in the checkout, and a #fragment names a
heading of the Markdown file it points into (headings turned into anchors as
code-hosting sites do). Links to other sites are not followed.

Usage: check_links.py TOP_OF_CHECKOUT
Prints one line per broken link and exits 1 when there is any.
"""
import pathlib
import re
import sys

LINK = re.compile(r"!?\[[^\]]*\]\(([^)\s]+)\)")
FENCE = re.compile(r"^```.*?^```", re.M | re.S)
CODE_SPAN = re.compile(r"`[^`\n]*`")


def anchors(markdown):
    """The anchors of a file's headings: lower case, punctuation dropped,
    blanks as dashes; a repeated heading gets -1, -2, ..."""
    seen, result = {}, set()
    for heading in re.findall(r"^#{1,6}\s+(.*?)\s*$", FENCE.sub("", markdown), re.M):
        slug = re.sub(r"[^\w\- ]", "", heading.lower()).replace(" ", "-")
        count = seen.get(slug, 0)
        seen[slug] = count + 1
        result.add(slug if count == 0 else f"{slug}-{count}")
    return result


def broken_links(top):
    pages = [top / name for name in ("README.md", "CONTRIBUTING.md", "CHANGELOG.md")]
    pages += sorted((top / "docs").glob("*.md"))
    for page in pages:
        text = CODE_SPAN.sub("", FENCE.sub("", page.read_text(encoding="utf-8")))
        for target in LINK.findall(text):
            if re.match(r"[a-z]+:", target):
                continue
            path, _, fragment = target.partition("#")
            file = (page.parent / path).resolve() if path else page
            if not file.exists():
                yield f"{page.relative_to(top)}: {target}: no such file"
            elif fragment and file.suffix == ".md" and \
                    fragment not in anchors(file.read_text(encoding="utf-8")):
                yield f"{page.relative_to(top)}: {target}: no such heading"


def main():
    problems = list(broken_links(pathlib.Path(sys.argv[1]).resolve()))
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
