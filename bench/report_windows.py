#!/usr/bin/env python3
"""Prints the figures of bench/windows.sh: F5 in the main window for each place the results go
beside the interpreter's time, the start-up beside an empty Qt window's, the peak memory, and
whether each target is met.

    bench/report_windows.py WORKLOAD_DIR
"""

import json
import os
import re
import sys

DESTINATIONS = [(0, "editor", "w0"), (1, "messages pane", "w"), (2, "results window", "w")]
F5_MS = 50.0
F5_RATIO = 5.0
START_MS = 150.0
IDLE_MB = 50.0
F5_LINE = re.compile(r"window ([\d.]+) ms painted \(([\d.]+) ms returned\); "
                     r"interpreter ([\d.]+) ms warm \(([\d.]+) ms after the window\)")


def rss_mb(path):
    with open(path) as f:
        numbers = [line for line in f.read().split() if line.isdigit()]
    return int(numbers[-1]) / 1024


def text_size(directory, name):
    """Characters as the editor counts them: a line break is two."""
    with open(os.path.join(directory, f"{name}.ombx")) as f:
        text = f.read()
    return len(text) + text.count("\n")


def main():
    directory = sys.argv[1]
    verdicts = []
    print(f"{'F5, results to':16} {'text':>7} {'painted ms':>11} {'returned ms':>12} "
          f"{'interpreter ms':>15} {'after window':>13} {'ratio':>6}")
    for where, title, text in DESTINATIONS:
        with open(os.path.join(directory, f"f5-{where}.txt")) as f:
            painted, returned, alone, after = (float(v) for v in F5_LINE.search(f.read()).groups())
        ratio = painted / alone
        print(f"{title:16} {text_size(directory, text):7} {painted:11.2f} {returned:12.2f} {alone:15.2f} "
              f"{after:13.2f} {ratio:5.1f}x")
        verdicts.append((f"F5 to the {title} at most {F5_MS:.0f} ms and {F5_RATIO:.0f}x the interpreter",
                         painted <= F5_MS and ratio <= F5_RATIO, f"{painted:.1f} ms, {ratio:.1f}x"))

    with open(os.path.join(directory, "start.json")) as f:
        start = {r["command"]: r["median"] * 1000 for r in json.load(f)["results"]}
    ours = rss_mb(os.path.join(directory, "start.ombrix.rss"))
    bare = rss_mb(os.path.join(directory, "start.bare.rss"))
    idle = rss_mb(os.path.join(directory, "idle.rss"))
    print()
    print(f"{'start-up':16} {'median ms':>10} {'peak MB':>8}")
    print(f"{'ombrix':16} {start['ombrix']:10.1f} {ours:8.1f}   idle program {idle:.1f} MB")
    print(f"{'user store 1 MB':16} {start['ombrix-store']:10.1f}")
    print(f"{'exit':16} {start['ombrix-exit'] - start['ombrix']:10.1f}   "
          f"with the user store {start['ombrix-store-exit'] - start['ombrix-store']:.1f}")
    print(f"{'empty window':16} {start['bare']:10.1f} {bare:8.1f}")
    print(f"{'ratio':16} {start['ombrix'] / start['bare']:9.2f}x {ours / bare:7.2f}x")
    for command in ("ombrix", "ombrix-store"):
        verdicts.append((f"start-up ({command}) at most {START_MS:.0f} ms", start[command] <= START_MS,
                         f"{start[command]:.0f} ms"))
    verdicts.append((f"idle window at most {IDLE_MB:.0f} MB", idle <= IDLE_MB, f"{idle:.1f} MB"))

    print()
    for text, met, value in verdicts:
        print(f"{'met   ' if met else 'MISSED'} {text}: {value}")


if __name__ == "__main__":
    main()
