#!/usr/bin/env python3
"""Writes the benchmark workloads, each in three dialects: Ombrix (.ombx), python3 (.py) and
bc -l (.bc). The muparser driver reads the .ombx files itself.

    bench/generate.py OUTPUT_DIR [NAME ...]     only the named workloads, else all of them

Workloads:
  a       v0 = 1; then 100,000 statements vK = vJ*1.0000001 + sin(K); (J = K-1), distinct names
  a1      the same with the names cycling over 100 names
  a10     (a) with 1,000,000 statements
  b       x = (1+(1+(1+ ... ))); nested 10,000 deep
  c       about 1 MB of blocks: a comment line, a two-parameter user function, three
          assignments using it with sqrt, exp, "^", brackets and the previous block's values
  w       the window benchmark's text (Ombrix only): what a user writes, a comment, a user
          function and three values a block, as long as the editor holds (64,000 characters,
          a line break counting two)
  w0      the same blocks, short enough that the editor also holds the results appended to it
"""

import os
import sys

STATEMENTS = 100_000
CYCLE = 100
DEPTH = 10_000
BLOCKS_BYTES = 1_000_000
EDITOR_MAX_CHARS = 64_000
# The results the editor receives take about as many characters as the text that makes them.
EDITOR_WITH_RESULTS_CHARS = 34_000


def write(directory, name, dialects):
    for extension, text in dialects.items():
        with open(os.path.join(directory, f"{name}.{extension}"), "w", encoding="ascii", newline="\n") as f:
            f.write(text)


def chain(count, names):
    """The (a) family: each statement builds on the one before it."""
    ours = ["v0 = 1;"]
    py = ["from math import sin", "v0 = 1"]
    bc = ["v0 = 1"]
    for k in range(1, count + 1):
        target = f"v{names(k)}"
        source = f"v{names(k - 1)}"
        ours.append(f"{target} = {source}*1.0000001 + sin({k});")
        py.append(f"{target} = {source}*1.0000001 + sin({k})")
        bc.append(f"{target} = {source}*1.0000001 + s({k})")
    bc.append("quit")
    return {"ombx": "\n".join(ours) + "\n", "py": "\n".join(py) + "\n", "bc": "\n".join(bc) + "\n"}


def nesting(depth):
    expression = "(1+" * depth + "1" + ")" * depth
    return {"ombx": f"x = {expression};\n", "py": f"x = {expression}\n", "bc": f"x = {expression}\nquit\n"}


def blocks(size):
    """The (c) workload: values stay within a few units, so no run overflows."""
    ours = ["a = 1;", "b = 1;", "c = 1;"]
    py = ["from math import sqrt, exp", "a = 1", "b = 1", "c = 1"]
    bc = ["a = 1", "b = 1", "c = 1"]
    k = 0
    length = 0
    while length < size:
        k += 1
        block = [
            f"// block {k}: a function and three values built on the block before",
            f"f{k}(x,y) = x*y + {k}/(1+y^2);",
            f"a = f{k}(b, c) / (1 + {k});",
            f"b = sqrt(1 + a^2) * exp(-c);",
            f"c = (a + b) / (1 + f{k}(a, b)^2);",
        ]
        length += sum(len(line) + 1 for line in block)
        ours += block
        py += [
            f"# block {k}: a function and three values built on the block before",
            f"def f{k}(x, y): return x*y + {k}/(1+y**2)",
            f"a = f{k}(b, c) / (1 + {k})",
            "b = sqrt(1 + a**2) * exp(-c)",
            f"c = (a + b) / (1 + f{k}(a, b)**2)",
        ]
        bc += [
            f"# block {k}: a function and three values built on the block before",
            f"define f{k}(x,y) {{ return (x*y + {k}/(1+y^2)); }}",
            f"a = f{k}(b, c) / (1 + {k})",
            "b = sqrt(1 + a^2) * e(-c)",
            f"c = (a + b) / (1 + f{k}(a, b)^2)",
        ]
    bc.append("quit")
    return {"ombx": "\n".join(ours) + "\n", "py": "\n".join(py) + "\n", "bc": "\n".join(bc) + "\n"}


def editor_length(lines):
    """The editor's count: every line break is two characters, as CR LF in the file."""
    return sum(len(line) + 2 for line in lines)


def sentences(limit):
    """The (w) texts: each block a user function and three values built on it and on the block
    before; the values stay within a few hundred, so no run overflows."""
    lines = ["b0 = 1;"]
    k = 0
    while True:
        k += 1
        block = [
            f"// step {k}",
            f"f{k}(x) = x^2 + 3*x - {k % 50};",
            f"a{k} = f{k}(2.5) / 7 + b{k - 1} / 10;",
            f"b{k} = sqrt(1 + a{k}^2) + sin(a{k});",
            f"c{k} = (a{k} + b{k}) / 2;",
        ]
        if editor_length(lines + block) > limit:
            break
        lines += block
    return {"ombx": "\n".join(lines) + "\n"}


WORKLOADS = {
    "a": lambda: chain(STATEMENTS, lambda k: k),
    "a1": lambda: chain(STATEMENTS, lambda k: k % CYCLE),
    "a10": lambda: chain(10 * STATEMENTS, lambda k: k),
    "b": lambda: nesting(DEPTH),
    "c": lambda: blocks(BLOCKS_BYTES),
    "w": lambda: sentences(EDITOR_MAX_CHARS),
    "w0": lambda: sentences(EDITOR_WITH_RESULTS_CHARS),
}


def main():
    if len(sys.argv) < 2 or any(name not in WORKLOADS for name in sys.argv[2:]):
        sys.exit(f"usage: {sys.argv[0]} OUTPUT_DIR [{'|'.join(WORKLOADS)} ...]")
    directory = sys.argv[1]
    os.makedirs(directory, exist_ok=True)
    for name in sys.argv[2:] or WORKLOADS:
        write(directory, name, WORKLOADS[name]())


if __name__ == "__main__":
    main()
