#!/usr/bin/env python3
"""Prints the comparison of bench/compare.sh: the median time and peak memory of every run,
each peer's time as a multiple of ours, and whether each target is met.

    bench/report.py WORKLOAD_DIR
"""

import json
import os
import sys

WORKLOADS = [
    ("a", "(a) 100,000 statements, distinct names"),
    ("a1", "(a') 100,000 statements, 100 names"),
    ("b", "(b) brackets nested 10,000 deep"),
    ("c", "(c) 1 MB of blocks with user functions"),
    ("a10", "(a) with 1,000,000 statements"),
]


def load(directory, name):
    with open(os.path.join(directory, f"{name}.json")) as f:
        results = json.load(f)["results"]
    runs = {}
    for result in results:
        label = result["command"]
        rss_path = os.path.join(directory, f"{name}.{label}.rss")
        rss = None
        if os.path.exists(rss_path):
            with open(rss_path) as f:
                lines = [line for line in f.read().split() if line.isdigit()]
                rss = int(lines[-1]) / 1024 if lines else None
        runs[label] = (result["median"], rss, sorted(set(result.get("exit_codes") or [])))
    return runs


def main():
    directory = sys.argv[1]
    data = {name: load(directory, name) for name, _ in WORKLOADS}
    print(f"{'workload':42} {'command':9} {'median s':>9} {'peak MB':>8} {'x ours':>7}  exit")
    for name, title in WORKLOADS:
        ours = data[name]["ours"][0]
        for label, (median, rss, codes) in data[name].items():
            rss_text = f"{rss:8.1f}" if rss is not None else f"{'?':>8}"
            ratio = "" if label == "ours" else f"{median / ours:7.1f}"
            print(f"{title:42} {label:9} {median:9.3f} {rss_text} {ratio:>7}  {codes}")
            title = ""

    def ratio(workload, peer):
        return data[workload][peer][0] / data[workload]["ours"][0]

    targets = [
        ("(a) at least 20 times faster than python3", ratio("a", "python3"), lambda r: r >= 20, "{:.1f}x"),
        ("(a) under 25 MB peak", data["a"]["ours"][1] or 0.0, lambda m: m < 25, "{:.1f} MB"),
        ("(a') at least 25 times faster than bc -l", ratio("a1", "bc"), lambda r: r >= 25, "{:.1f}x"),
        ("(c) at least 5 times faster than bc -l", ratio("c", "bc"), lambda r: r >= 5, "{:.1f}x"),
        ("(a) x10 takes at most 11 times as long as (a)",
         data["a10"]["ours"][0] / data["a"]["ours"][0], lambda r: r <= 11, "{:.1f}x"),
    ]
    print()
    for text, value, check, form in targets:
        print(f"{'met   ' if check(value) else 'MISSED'} {text}: {form.format(value)}")


if __name__ == "__main__":
    main()
