#!/usr/bin/python3
"""Prints the whole-process figures scripts/bench measured and judges them.

Reads <folder>/<figure>.<program>, one value a line, for the programs floor,
tree (the working tree) and, when a base was measured, base. With a base, a
figure of the tree is worse only where both hold:
  - a one-sided Mann-Whitney U test over the runs says the tree's values are
    larger than the base's, at p below ALPHA;
  - the tree's median is larger than the base's by more than the figure's
    smallest effect worth reporting.
Exits 1 naming the figures that are worse, and 2 where a figure is missing
or has too few runs for the test ever to reach ALPHA. Ratios to the floor
are printed as context only: they move with the machine.
"""
import math
import statistics
import sys
from pathlib import Path

from scipy.stats import mannwhitneyu

ALPHA = 0.01
FIGURES = [  # file, what it is, smallest ratio of medians worth reporting
    ("startup", "start-up until shown, ms", 1.05),
    ("cpu.offscreen", "idle CPU offscreen, % of a core", 1.10),
    ("cpu.x11", "idle CPU on X11, % of a core", 1.10),
    ("rss.offscreen", "peak resident memory offscreen, MiB", 1.02),
]


def values(folder, figure, program):
    path = folder / f"{figure}.{program}"
    return [float(line) for line in path.read_text().split()] if path.exists() else []


def shown(runs):
    return f"{statistics.median(runs):.2f} ({min(runs):.2f}-{max(runs):.2f})"


def main():
    folder, base_name = Path(sys.argv[1]), sys.argv[2] if len(sys.argv) > 2 else None
    programs = [("floor", "floor"), ("base", base_name), ("tree", "working tree")]
    programs = [(key, name) for key, name in programs if name]
    header = f"{'figure: median (spread)':44}" + "".join(f"{name:>24}" for _, name in programs)
    header += f"{'tree/floor':>11}" + (f"{'tree/base':>11}{'p':>8}" if base_name else "")
    print(header)
    worse = []
    for figure, label, smallest in FIGURES:
        runs = {key: values(folder, figure, key) for key, _ in programs}
        if not all(runs.values()):
            print(f"no runs of every program for {label}", file=sys.stderr)
            return 2
        if base_name and 1 / math.comb(len(runs["tree"]) + len(runs["base"]), len(runs["tree"])) >= ALPHA:
            print(f"too few runs of {label} to judge at p below {ALPHA}", file=sys.stderr)
            return 2
        medians = {key: statistics.median(runs[key]) for key in runs}
        counted = f"{label} ({len(runs['tree'])} runs)"
        row = f"{counted:44}"
        row += "".join(f"{shown(runs[key]):>24}" for key, _ in programs)
        row += f"{medians['tree'] / medians['floor']:>11.2f}"
        if base_name:
            ratio = medians["tree"] / medians["base"]
            p = mannwhitneyu(runs["tree"], runs["base"], alternative="greater").pvalue
            row += f"{ratio:>11.2f}{p:>8.4f}"
            if p < ALPHA and ratio > smallest:
                worse.append(f"{label}: {ratio:.2f} times {base_name}, p = {p:.4f}")
        print(row)
    for line in worse:
        print(f"worse than the base beyond the noise: {line}", file=sys.stderr)
    return 1 if worse else 0


if __name__ == "__main__":
    sys.exit(main())
