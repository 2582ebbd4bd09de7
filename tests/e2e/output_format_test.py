# SPDX-License-Identifier: GPL-3.0-or-later
# The exact bytes of `show` and `stats`, against lines recorded from an earlier build: member
# order, whole and fractional numbers, escaped and non-ASCII text. Any change to what the window
# shows, or to how it is written, shows up here; a deliberate one is recorded again with
#   BRISVALE_RECORD=1 python3 tests/e2e/output_format_test.py build/bin/brisvale-cli
import os, pathlib

import bvcli
from bvcli import WAIT, spins

EXPECTED = pathlib.Path(__file__).with_name("output_format.jsonl")

# A Multi run in a casino whose name needs escaping and UTF-8, on a balance with cents, with the
# bets on the table, the wagering dialog open, and the statistics panel.
COMMANDS = ['answer Caf\u00e9 \u201cZ\u00fcrich\u201d \\ \u20ac', "set Casino New...",
            "set BetStyle2 1", "set cboRow 2", "set cboDozen 1", "set cboLine 2",
            "set chk1 1", "set Text4 0", "set Text5 1", "set Check2 0",
            "set chk6 1", "set Text6 0", "set Text7 2", "set Check3 0",
            "set chk2 1", "set Text8 0", "set Text9 1", "set Check4 0",
            "set Text18 1234.5", "press", WAIT] + spins(17, 4, 33, 0, 21, 8) + \
           ["show", "menu mnuProg", "set frmWagering.Text1 1,2,Q", "show", "close frmWagering",
            "stats"]


class OutputFormat(bvcli.CliTest):
    def test_show_and_stats_are_written_as_recorded(self):
        out = self.run_cli(COMMANDS).stdout
        self.assertEqual(len(out.splitlines()), 3)
        if os.environ.get("BRISVALE_RECORD"):
            EXPECTED.write_text(out, encoding="utf-8")
        for number, (got, want) in enumerate(zip(out.splitlines(), EXPECTED.read_text(
                encoding="utf-8").splitlines()), 1):
            at = next((i for i, (a, b) in enumerate(zip(got, want)) if a != b), min(len(got), len(want)))
            self.assertEqual(got, want, "line %d differs from character %d: %r" % (number, at, got[max(0, at - 40):at + 40]))


if __name__ == "__main__":
    bvcli.main()
