# SPDX-License-Identifier: MIT
"""The README and the manuals under docs/: every relative link leads to a file of the clone,
and every "#anchor" to a heading of its page, as GitHub makes anchors of headings.

Usage: links_test.py SOURCE_DIR"""

import os
import re
import sys
import unittest

TOP = sys.argv.pop(1) if len(sys.argv) > 1 else "."
LINK = re.compile(r"\]\(([^)\s]+)\)")


def anchors(path):
    """The anchors of a Markdown file's headings, outside code blocks."""
    found, fenced = set(), False
    with open(path, encoding="utf-8") as page:
        for line in page:
            fenced ^= line.startswith("```")
            if not fenced and line.startswith("#"):
                title = line.lstrip("#").strip().lower()
                found.add(re.sub(r"[^\w\- ]", "", title).replace(" ", "-"))
    return found


class Links(unittest.TestCase):
    def test_every_relative_link_resolves(self):
        pages = [os.path.join(TOP, "README.md")] + [
            os.path.join(TOP, "docs", name) for name in sorted(os.listdir(os.path.join(TOP, "docs")))
            if name.endswith(".md")]
        checked = 0
        for page in pages:
            with open(page, encoding="utf-8") as text:
                targets = LINK.findall(text.read())
            for target in targets:
                if re.match(r"[a-z]+:", target):
                    continue  # not a file of the clone
                path, _, anchor = target.partition("#")
                resolved = os.path.normpath(os.path.join(os.path.dirname(page), path)) if path \
                    else page
                with self.subTest(page=os.path.relpath(page, TOP), link=target):
                    self.assertTrue(os.path.exists(resolved))
                    if anchor:
                        self.assertIn(anchor, anchors(resolved))
                checked += 1
        self.assertGreater(checked, 10)

    def test_the_readme_is_a_guide(self):
        with open(os.path.join(TOP, "README.md"), encoding="utf-8") as readme:
            self.assertLessEqual(len(readme.readlines()), 250)


if __name__ == "__main__":
    unittest.main()
