#!/usr/bin/env python3
"""Prints the non-blank, non-comment lines of C++ (.cpp, .h) in the code and in
the tests (tests/, fuzz/, bench/), and the share of the tests against the code."""
import pathlib
import subprocess
import sys

TEST_DIRS = ("tests/", "fuzz/", "bench/")


def counted_lines(path):
    count = 0
    in_block = False
    for line in path.read_text(encoding="utf-8", errors="replace").splitlines():
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
    files = subprocess.run(["git", "-C", str(root), "ls-files", "--cached", "--others",
                            "--exclude-standard", "*.cpp", "*.h"],
                           check=True, capture_output=True, text=True).stdout.split()
    code = tests = 0
    for name in files:
        path = root / name
        if not path.is_file():
            continue
        if name.startswith(TEST_DIRS):
            tests += counted_lines(path)
        else:
            code += counted_lines(path)
    share = tests / code if code else 0.0
    print(f"code lines:  {code}")
    print(f"test lines:  {tests} (tests/, fuzz/, bench/)")
    print(f"tests/code:  {share:.2f}")


if __name__ == "__main__":
    sys.exit(main())
