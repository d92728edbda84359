# SPDX-License-Identifier: LGPL-2.1-or-later
"""Checks that every relative link and picture of the given Markdown files resolves: the
file exists, and a #fragment names a heading of the target as GitHub and GitLab anchor it.
Usage: checklinks.py FILE.md..."""

import os
import re
import sys

LINK = re.compile(r"!?\[(?:[^\]\[]|\[[^\]]*\])*\]\(([^)\s]+)\)")
FENCE = re.compile(r"^\s*```")


def prose(path):
    """The lines of a Markdown file outside its code blocks."""
    inside = False
    with open(path, encoding="utf-8") as text:
        for number, line in enumerate(text, 1):
            if FENCE.match(line):
                inside = not inside
            elif not inside:
                yield number, line


def anchor(heading):
    slug = re.sub(r"[^\w\- ]", "", heading.strip().lower())
    return slug.replace(" ", "-")


def anchors(path):
    return {anchor(line.lstrip("#")) for _, line in prose(path) if line.startswith("#")}


def main(paths):
    broken = []
    for path in paths:
        for number, line in prose(path):
            for target in LINK.findall(re.sub(r"`[^`]*`", "", line)):
                if re.match(r"[a-z]+:", target):
                    continue  # a web or mail address: not ours to check offline
                file_part, _, fragment = target.partition("#")
                resolved = os.path.normpath(os.path.join(os.path.dirname(path), file_part)) if file_part else path
                if not os.path.exists(resolved):
                    broken.append(f"{path}:{number}: {target}: no such file")
                elif fragment and (not resolved.endswith(".md") or fragment not in anchors(resolved)):
                    broken.append(f"{path}:{number}: {target}: no such heading")
    for message in broken:
        print(message)
    print(f"{len(paths)} documents, {len(broken)} broken links")
    return 1 if broken else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
