# SPDX-License-Identifier: GPL-3.0-or-later
# Whole runs of the console on one data folder, across restarts: the settings, the casinos and
# their history, the wagering dialog's file, spin files in and out.
import os, pathlib, re

import bvcli
from bvcli import CLASSIC, WAIT, spins

SETTINGS, WAGERING, HISTORY = "brisvale-settings.txt", "brisvale-wagering.txt", "CasinoHistory.dat"


class Runs(bvcli.CliTest):
    def test_settings_across_restarts(self):
        fresh = self.run_cli(["show"]).last
        self.assertEqual((fresh["messages"], fresh["controls"]["Option3"], self.read(WAGERING) is None), ([], True, False))
        changes = ["set chk6 1", "set chk7_3 1", "set cboWager 5", "set cboSpins 5",
                   "set Text18 2500", "set Check8 0", "set cboWins 7", "set cboTime 30",
                   "set Option2 1", "set Text4 3", "set Text5 4", "show"]
        before = self.run_cli(changes).last  # the end of input closes the window
        after = self.run_cli(["show", "set Text18 abc", "set cboWager 7", "menu mnuExit", "bogus"]).last
        # The single-number boxes show the multi-bet pair of the default set chosen.
        self.assertEqual([(s["controls"]["Text16"], s["controls"]["Text17"])
                          for s in (fresh, after)], [("60", "70"), ("22", "38")])
        for s in (before, after):
            del s["controls"]["Text16"], s["controls"]["Text17"]
        self.assertEqual(after["controls"], before["controls"])
        self.assertEqual((after["Label12"], after["Label41"], after["state"]["UnitWager"],
                          after["state"]["SpinInterval"]),
                         ("Minimum Balance:$1000", "$335 per spot", 5, 5))
        # Exit saves; a balance box that holds no number at close keeps the stored balance.
        last = self.run_cli(["show"]).last
        self.assertEqual((last["Text18"], last["controls"]["cboWager"]), ("2500", "7"))

    def test_casinos_and_their_history_across_restarts(self):
        self.write(HISTORY, b"index: 1\r\nname1: Alpha,17,4,\r\nname3: Gamma,5,\r\n")
        # Any byte from the blank up but the comma may name a casino; the five bytes Windows-1252
        # leaves undefined read as U+0081 ... U+009D.
        raw = b"A" + bytes(b for b in range(0x20, 0x100) if b != 0x2C)
        name = "".join(chr(b) if b in (0x81, 0x8D, 0x8F, 0x90, 0x9D) else bytes([b]).decode("cp1252")
                       for b in raw)
        r = self.run_cli(["answer Beta", "set Casino New..."] + CLASSIC + ["press", WAIT] +
                         spins(36, 0, 9) + ["answer New...", "set Casino New...", "show",
                                            "answer " + name, "set Casino New...", "show"])
        self.assertEqual(r.shows[0]["messages"][-1]["text"],
                         'A casino cannot be named "New..." or "Select Casino".')
        self.assertEqual(r.last["casinos"], ["Select Casino", "New...", "Alpha", "Gamma", "Beta", name])
        lines = b"index: 1\r\nname1: Alpha,17,4,\r\nname3: Gamma,5,\r\nname4: Beta,36,0,9,\r\n"
        self.assertEqual(self.read(HISTORY), lines + b"name5: " + raw + b",\r\n")
        # The replay plays the recorded spins, lists each once and records none again.
        r = self.run_cli(["answer no", "show", "set Casino Alpha", "show", "set Casino Beta", "set Text18 1000",
                          "press Command2", "show", "menu mnuRestart"])
        restarted, alpha, replayed = r.shows
        self.assertEqual((restarted["casinos"][5], alpha["Text1"], alpha["state"]["RecordedSpins"],
                          replayed["state"]["TotalSpins"], replayed["state"]["ReplayMode"], replayed["Text1"]),
                         (name, "4\r\n17\r\n", 2, 3, False, "     9\r\n   0\r\n     36\r\n"))
        self.assertEqual(self.read(HISTORY), lines + b"name5: " + raw + b",\r\n")

    def test_the_wagering_dialog_and_its_file(self):
        even = lambda: [l for l in self.read(WAGERING).split(b"\r\n") if l.startswith(b"even: ")]
        r = self.run_cli(["menu mnuProg", "show", "set frmWagering.Text1 1,2,3", "press frmWagering.Command2",
                          "show", "set frmWagering.Text1 1,3,S", "press frmWagering.Command2", "show"])
        opened, refused, saved = r.shows
        self.assertEqual((opened["frmWagering"]["Text1"], opened["frmWagering"]["Combo1"]),
                         ("1,2,4,8,16,32,64,Q", "200"))
        self.assertTrue(refused["messages"][0]["text"].startswith("Invalid Wagering Values."))
        self.assertEqual(("frmWagering" in saved, even()), (False, [b"even: 1,3,S"]))
        # Cancel stores nothing; the close box saves; every opening shows what is stored; the
        # defaults button restores the sequence.
        r = self.run_cli(["menu mnuProg", "set frmWagering.Text1 1,5,Q", "press frmWagering.Command3",
                          "menu mnuProg", "show", "set frmWagering.Text1 1,6,Q", "close frmWagering"])
        self.assertEqual((r.last["frmWagering"]["Text1"], even()), ("1,3,S", [b"even: 1,6,Q"]))
        r = self.run_cli(["menu mnuProg", "press frmWagering.Command1", "show"])
        self.assertEqual((r.last["frmWagering"]["Text1"], even()),
                         ("1,2,4,8,16,32,64,Q", [b"even: 1,2,4,8,16,32,64,Q"]))

    def test_spin_files(self):
        # Import into a new casino, export, import the export into the selected one.
        source, out = self.write("in.csv", b"number\r\n17, 0;32\t5\n\n36\r\n", self.tmp), self.tmp + "/o"
        r = self.run_cli(["answer Alpha", "import " + source, "show", "export " + out,
                          "import " + out, "show"])
        first, second = r.shows
        self.assertEqual((first["casinos"][2:], first["state"]["RecordedSpins"], second["state"]["RecordedSpins"],
                          first["Text1"], first["caption"][-26:], first["messages"][-1]["text"]),
                         (["Alpha"], 5, 10, "     36\r\n     5\r\n     32\r\n   0\r\n17\r\n",
                          "- Alpha - 5 Recorded Spins", "5 spins imported into Alpha."))
        self.assertEqual(pathlib.Path(out).read_bytes(), b"number\r\n17\r\n0\r\n32\r\n5\r\n36\r\n")
        kept = self.read(HISTORY)
        self.assertEqual(kept, b"index: 1\r\nname1: Alpha" + b",17,0,32,5,36" * 2 + b",\r\n")
        # A bad file imports nothing, into the selected casino or a new one, and says where it
        # goes wrong.
        for data, expected in ((b"", "holds no spins"), (b"number\r\n", "holds no spins"),
                               (b"1,00,3", 'Line 1, column 3: "00"'), (b"number\n5\n 37", 'Line 3, column 2: "37"'),
                               (b"-1", 'Line 1, column 1: "-1"'), (b"4;1.5", 'Line 1, column 3: "1.5"'),
                               (b"1" * 1000000, 'Line 1, column 1: "111111111111..."'),
                               (bytes(range(256)) * 4, 'Line 2, column 1: "??"'),
                               (None, "could not be found"), (b"dir", "could not be read")):
            path = {None: self.tmp + "/gone", b"dir": self.tmp}.get(data) or self.write("bad", data, self.tmp)
            for casino in ("set Casino Alpha", "answer Beta"):
                r = self.run_cli([casino, "import " + path, "show"])
                self.assertRegex(r.last["messages"][-1]["text"], re.escape(expected) + ".*Nothing was imported.")
                self.assertEqual((r.last["messages"][-2]["title"], r.last["casinos"][3:], self.read(HISTORY)),
                                 ("Import Spins", [], kept))
        # Export needs a casino and a folder; a cancelled name imports nothing either.
        missing = os.path.join(self.tmp, "no such folder", "x.txt")
        self.run_cli(["export " + missing], errors=["error: no casino is selected"])
        r = self.run_cli(["set Casino Alpha", "export " + missing, "set Casino Select Casino", "answer",
                          "import " + missing, "show"])
        self.assertIn("The spins could not be written to x.txt.", [m["text"] for m in r.last["messages"]])
        self.assertEqual((r.last["casinos"][3:], os.path.exists(os.path.dirname(missing))), ([], False))


if __name__ == "__main__":
    bvcli.main()
