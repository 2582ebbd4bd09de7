#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times brisvale-cli replaying a long casino history to its end: a casino with N recorded
spins (default 100,000) is chosen and Command2 runs the replay, Classic play on every family.

Usage: bench/replay_run.py [--cli PATH] [--spins N] [--seed S]
Prints the wall time and the peak resident memory that /usr/bin/time -v reports.
"""
import argparse
import json
import os
import random
import re
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--cli", default=os.path.join(HERE, "..", "build", "bin", "brisvale-cli"))
    ap.add_argument("--spins", type=int, default=100000)
    ap.add_argument("--seed", type=int, default=7)
    args = ap.parse_args()

    rng = random.Random(args.seed)
    spins = ",".join(str(rng.randrange(37)) for _ in range(args.spins))
    with tempfile.TemporaryDirectory() as tmp:
        data = os.path.join(tmp, "data")
        os.makedirs(data)
        with open(os.path.join(data, "CasinoHistory.dat"), "wb") as f:
            f.write(("index: 1\r\nname1: Long Table,%s,\r\n" % spins).encode("ascii"))
        script = os.path.join(tmp, "replay.txt")
        with open(script, "w") as f:
            f.write("set chk7 1\n")
            for box in ("chk1", "chk2", "chk3", "chk4", "chk5", "chk6"):
                f.write("set %s 1\n" % box)
            f.write("set Text18 100000\nset Casino Long Table\n")
            # Quit marks along the way are answered "keep testing".
            f.write("answer yes\n" * 2000)
            f.write("press Command2\nshow\n")
        cmd = ["/usr/bin/time", "-v", args.cli, "--data-dir", data, "--seed", str(args.seed),
               script]
        run = subprocess.run(cmd, capture_output=True, text=True)
        with open(os.path.join(data, "CasinoHistory.dat"), "rb") as f:
            unchanged = f.read().count(b",") == args.spins + 1
    wall = re.search(r"Elapsed \(wall clock\) time.*: (\S+)", run.stderr).group(1)
    rss = re.search(r"Maximum resident set size \(kbytes\): (\d+)", run.stderr).group(1)
    shown = json.loads(run.stdout.splitlines()[-1])
    print("recorded spins: %d" % args.spins)
    print("exit status: %d" % run.returncode)
    print("replay ended: %s, TotalSpins: %d, history unchanged: %s"
          % (not shown["state"]["ReplayMode"], shown["state"]["TotalSpins"], unchanged))
    print("wall time (m:ss): %s" % wall)
    print("max RSS: %s KiB" % rss)
    return 0 if run.returncode in (0, 1) else 1


if __name__ == "__main__":
    sys.exit(main())
