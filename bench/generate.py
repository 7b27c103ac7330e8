#!/usr/bin/env python3
"""Writes the benchmark workloads, each in three dialects: Ombrix (.ombx), python3 (.py) and
bc -l (.bc). The muparser driver reads the .ombx files itself.

    bench/generate.py OUTPUT_DIR

Workloads:
  a       v0 = 1; then 100,000 statements vK = vJ*1.0000001 + sin(K); (J = K-1), distinct names
  a1      the same with the names cycling over 100 names
  a10     (a) with 1,000,000 statements
  b       x = (1+(1+(1+ ... ))); nested 10,000 deep
  c       about 1 MB of blocks: a comment line, a two-parameter user function, three
          assignments using it with sqrt, exp, "^", brackets and the previous block's values
"""

import os
import sys

STATEMENTS = 100_000
CYCLE = 100
DEPTH = 10_000
BLOCKS_BYTES = 1_000_000


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


def main():
    if len(sys.argv) != 2:
        sys.exit(f"usage: {sys.argv[0]} OUTPUT_DIR")
    directory = sys.argv[1]
    os.makedirs(directory, exist_ok=True)
    write(directory, "a", chain(STATEMENTS, lambda k: k))
    write(directory, "a1", chain(STATEMENTS, lambda k: k % CYCLE))
    write(directory, "a10", chain(10 * STATEMENTS, lambda k: k))
    write(directory, "b", nesting(DEPTH))
    write(directory, "c", blocks(BLOCKS_BYTES))


if __name__ == "__main__":
    main()
