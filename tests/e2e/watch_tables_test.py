# SPDX-License-Identifier: GPL-3.0-or-later
# Watched tables through the console: three tables watched, spins entered at each in turn,
# `tables` and the alerts of `show` checked against the spins, then the ripest table played
# warm, and "Play here" refused while a bet is open.
import json

import bvcli
from bvcli import WAIT

# Classic play on the dozens, each due after 4 spins without it (Random off), on $1000.
DOZENS_AT_4 = ["set chk6 1", "set Check2 1", "set Text5 4", "set Text4 4", "set Check2 0",
               "set Text18 1000"]
# Interleaved: A sees only the first dozen, B a second and a third, C a third, a zero, a third.
SPINS = [("Table A", 1), ("Table B", 13), ("Table C", 36), ("Table A", 2), ("Table B", 25),
         ("Table C", 0), ("Table A", 3), ("Table C", 36), ("Table A", 4), ("Table A", 5)]


def at(table, n):
    return ["target " + table, "click %d" % n, "press"]


def bet(label, slept, threshold=4):
    return {"label": label, "slept": slept, "threshold": threshold}


class WatchTables(bvcli.CliTest):
    def test_three_tables_watched_and_the_ripest_played(self):
        cmds = DOZENS_AT_4 + ["watch Table A", "watch Table B", "watch Table C"]
        for table, n in SPINS:
            cmds += at(table, n)
        cmds += ["tables", "show", "target run", "play Table A", "show", "tables", WAIT,
                 "click 7", "press", "show", "play Table B"]
        r = self.run_cli(cmds, errors=["error: A bet is open: settle it before going to Table B."])
        tables, shown, played, left, betting = r.shows

        self.assertEqual(tables["target"], "Table A")
        self.assertEqual([(t["name"], t["spins"], t["last"]) for t in tables["tables"]],
                         [("Table A", 5, [5, 4, 3, 2, 1]), ("Table B", 2, [25, 13]),
                          ("Table C", 3, [36, 0, 36])])
        a, b, c = tables["tables"]
        self.assertEqual((a["due"], a["ripest"]), ([bet("2nd 12", 5), bet("3rd 12", 5)], bet("2nd 12", 5)))
        self.assertEqual((b["due"], b["ripest"]), ([], bet("1st 12", 2)))
        # The zero is no counted spin.
        self.assertEqual((c["due"], c["ripest"]), ([], bet("1st 12", 2)))
        # Both dozens came due with A's fourth spin, told once each; nothing of the run.
        self.assertEqual(shown["alerts"], [
            {"kind": "due", "table": "Table A", "text": "2nd 12 is due at Table A (slept 4 of 4)"},
            {"kind": "due", "table": "Table A", "text": "3rd 12 is due at Table A (slept 4 of 4)"}])
        self.assertEqual(shown["Button1"]["caption"], "Start")  # no run was played meanwhile

        # Played: the casino is chosen, the run started with the table's five spins counted.
        self.assertEqual((played["controls"]["Casino"], played["Button1"]["caption"], played["alerts"],
                          played["state"]["TableSpins"], played["state"]["RecordedSpins"]), ("Table A", "Submit", [], 5, 5))
        self.assertEqual([t["name"] for t in left["tables"]], ["Table B", "Table C"])
        # Warm: one more spin without a dozen of the second or third puts them past 4 at once.
        self.assertEqual((betting["Label1"]["caption"], betting["state"]["BetOpen"],
                          [x["kind"] for x in betting["alerts"]]), ("Bet $1 on 3rd 12", True, ["stake"]))
        lines = self.read("CasinoHistory.dat").decode("cp1252").splitlines()
        self.assertIn("Table A,1,2,3,4,5,7,", [l.split(": ", 1)[-1] for l in lines])
        # The run file keeps the tables still watched beside the open run.
        watching = json.loads(self.read("run.json"))["watching"]
        self.assertEqual([t["name"] for t in watching["tables"]], ["Table B", "Table C"])

    def test_bad_names_and_targets_are_refused(self):
        r = self.run_cli(["watch", "watch a,b", "target Nowhere", "unwatch Nowhere", "tables x",
                          "watch One", "target One", "click 40", "press", "tables"],
                         errors=["error: watch takes a table name",
                                 "error: A casino name cannot contain a comma.",
                                 "error: Nowhere is not watched.", "error: Nowhere is not watched.",
                                 "error: tables takes no arguments",
                                 "error: only a number can be entered for One",
                                 "error: Select a number for One first."])
        self.assertEqual(r.last, {"tables": [{"name": "One", "spins": 0, "last": [], "due": [],
                                              "ripest": r.last["tables"][0]["ripest"]}],
                                  "target": "One"})


if __name__ == "__main__":
    bvcli.main()
