#!/usr/bin/env python3
"""Prints the non-blank, non-comment lines of C++ (.cpp, .h) in the code and in
the tests (tests/, fuzz/, bench/), and the share of the tests against the code.
line_counts.py [REVISION]: the working tree, or the files of a git revision."""
import pathlib
import subprocess
import sys

TEST_DIRS = ("tests/", "fuzz/", "bench/")


def counted_lines(text):
    count = 0
    in_block = False
    for line in text.splitlines():
        text = line.strip()
        if in_block:
            if "*/" not in text:
                continue
            in_block = False
            text = text.split("*/", 1)[1].strip()
        if text.startswith("/*"):
            if "*/" not in text:
                in_block = True
                continue
            text = text.split("*/", 1)[1].strip()
        if not text or text.startswith("//"):
            continue
        count += 1
    return count


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    revision = sys.argv[1] if len(sys.argv) > 1 else None

    def git(*args):
        return subprocess.run(["git", "-C", str(root), *args], check=True, capture_output=True,
                              text=True, errors="replace").stdout

    if revision:
        files = git("ls-tree", "-r", "--name-only", revision).split("\n")
        read = lambda name: git("show", f"{revision}:{name}")
    else:
        files = git("ls-files", "--cached", "--others", "--exclude-standard").split("\n")
        read = lambda name: (root / name).read_text(encoding="utf-8", errors="replace")
    code = tests = 0
    for name in files:
        if not name.endswith((".cpp", ".h")) or not (revision or (root / name).is_file()):
            continue
        lines = counted_lines(read(name))
        if name.startswith(TEST_DIRS):
            tests += lines
        else:
            code += lines
    share = tests / code if code else 0.0
    print(f"code lines:  {code}")
    print(f"test lines:  {tests} (tests/, fuzz/, bench/)")
    print(f"tests/code:  {share:.2f}")


if __name__ == "__main__":
    sys.exit(main())
