#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times brisvale-cli on a long Classic session: N presses (default 100,000), each after a
clicked number and followed by the ticks that enable Button1 again. No casino is selected. The
run stays open, so the console keeps the run file (run.json) as it goes; its size at the end is
reported.

Usage: bench/cli_run.py [--cli PATH] [--presses N] [--seed S] [--one-run]
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


def write_script(path, presses, seed, one_run):
    rng = random.Random(seed)
    with open(path, "w") as f:
        if one_run:
            # One run that never bets and never ends: the run file holds every spin of it.
            f.write("set chk7_1 1\nset Text3 32767\nset Text2 32767\nset Check1 0\n"
                    "set cboTime 999\n")
        else:
            # Every family of Classic play is watched, so every trigger runs.
            f.write("set chk7 1\n")
            for box in ("chk1", "chk2", "chk3", "chk4", "chk5", "chk6"):
                f.write("set %s 1\n" % box)
        f.write("set Text18 100000\n")
        f.write("press\ntick 4\n")
        for _ in range(presses):
            # A spin interval of 3 seconds: the fourth tick enables the button again.
            f.write("click %d\npress\ntick 4\n" % rng.randrange(37))
        f.write("show\n")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--cli", default=os.path.join(HERE, "..", "build", "bin", "brisvale-cli"))
    ap.add_argument("--presses", type=int, default=100000)
    ap.add_argument("--seed", type=int, default=7)
    ap.add_argument("--one-run", action="store_true",
                    help="one run of all the presses, never ended by a quit or the advice")
    args = ap.parse_args()

    with tempfile.TemporaryDirectory() as tmp:
        script = os.path.join(tmp, "session.txt")
        write_script(script, args.presses, args.seed, args.one_run)
        cmd = ["/usr/bin/time", "-v", args.cli, "--data-dir", os.path.join(tmp, "data"),
               "--seed", str(args.seed), script]
        run = subprocess.run(cmd, capture_output=True, text=True)
        run_file = os.path.join(tmp, "data", "run.json")
        run_file_size = os.path.getsize(run_file) if os.path.exists(run_file) else 0
    errors = [l for l in run.stderr.splitlines() if l.startswith("error: ")]
    wall = re.search(r"Elapsed \(wall clock\) time.*: (\S+)", run.stderr).group(1)
    rss = re.search(r"Maximum resident set size \(kbytes\): (\d+)", run.stderr).group(1)
    state = json.loads(run.stdout.splitlines()[-1])["state"]
    print("presses: %d" % args.presses)
    print("exit status: %d, error lines: %d" % (run.returncode, len(errors)))
    print("TotalSpins: %d, Balance: %s" % (state["TotalSpins"], state["Balance"]))
    print("wall time (m:ss): %s" % wall)
    print("max RSS: %s KiB" % rss)
    print("run file at the end: %d bytes" % run_file_size)
    return 0 if run.returncode == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
