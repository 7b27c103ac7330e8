#!/usr/bin/env python3
"""Writes the fuzzer's seeds: every block of the self-test input and every string literal of
the interpreter tests that looks like a calculation text.

    tests/fuzz/seeds.py OUTPUT_DIR
"""

import hashlib
import os
import re
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
TESTS = os.path.join(ROOT, "tests", "interpreter")
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')


def unescape(text):
    return text.encode("latin-1", "backslashreplace").decode("unicode_escape").encode("latin-1", "replace")


def texts():
    with open(os.path.join(TESTS, "data", "selftest.input"), "rb") as f:
        for block in f.read().split(b"***END_BLOCK***"):
            yield block
    for name in sorted(os.listdir(TESTS)):
        if not name.endswith(".cpp"):
            continue
        with open(os.path.join(TESTS, name), encoding="latin-1") as f:
            for literal in LITERAL.findall(f.read()):
                if ";" in literal or "=" in literal:
                    yield unescape(literal)


def main():
    if len(sys.argv) != 2:
        sys.exit(f"usage: {sys.argv[0]} OUTPUT_DIR")
    os.makedirs(sys.argv[1], exist_ok=True)
    count = 0
    for text in texts():
        if text.strip():
            name = hashlib.sha1(text).hexdigest()
            if os.path.exists(os.path.join(sys.argv[1], name)):
                continue
            with open(os.path.join(sys.argv[1], name), "wb") as f:
                f.write(text)
            count += 1
    print(f"{count} seeds")


if __name__ == "__main__":
    main()
