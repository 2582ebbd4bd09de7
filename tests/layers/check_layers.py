#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a folder of src/ reaches up: an #include "x/..." of a higher (or unknown) folder,
or a brisvale_layer() link in src/CMakeLists.txt to a folder that is not below it."""
import pathlib
import re
import sys

# Lowest first. A folder may use its own files and those of the rows above its own.
ORDER = [
    ["util"],
    ["model", "storage", "reading"],  # reading: what a screen reader saw becomes spins
    ["board", "wagering"],
    ["view"],  # the window model: what each control shows
    ["run"],  # the run: phase, counters, style settings, advice, ports, the run file
    ["selection", "remote"],
    ["advisor"],  # the Advisor: the front of game verbs, its parts and the presenter
    ["sim"],  # the simulator: sessions on the Advisor, spin sources, the report
    ["net"],  # front-end services
    ["app", "cli", "sim-cli"],  # front ends
]
RANK = {folder: rank for rank, row in enumerate(ORDER) for folder in row}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([A-Za-z0-9_]+)/')
LAYER = re.compile(r"^\s*brisvale_layer\(\s*(\w+)((?:\s+\w+)*)\s*\)")


def allowed(user, used):
    return used == user or (used in RANK and RANK[used] < RANK[user])


def check(src):
    faults = []
    for path in sorted(p for p in src.rglob("*") if p.suffix in {".hpp", ".cpp", ".in"}):
        folder = path.relative_to(src).parts[0]
        if folder not in RANK:
            faults.append(f"{path}: folder {folder}/ has no place in the layer order")
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            m = INCLUDE.match(line)
            if m and not allowed(folder, m.group(1)):
                faults.append(f"{path}:{number}: {folder}/ includes {m.group(1)}/")
    for number, line in enumerate((src / "CMakeLists.txt").read_text().splitlines(), 1):
        m = LAYER.match(line)
        if not m:
            continue
        layer, links = m.group(1), m.group(2).split()
        if layer not in RANK:
            faults.append(f"src/CMakeLists.txt:{number}: library {layer} has no place in the order")
        faults += [f"src/CMakeLists.txt:{number}: {layer} links {below}"
                   for below in links if layer in RANK and not allowed(layer, below)]
    return faults


if __name__ == "__main__":
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[2])
    faults = check(root / "src")
    print("\n".join(faults) or "every include and link goes down the layers")
    sys.exit(1 if faults else 0)
