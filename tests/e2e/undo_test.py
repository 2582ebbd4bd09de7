"""Undo and redo, as properties of random sessions in every style, with and without a casino:
undo after any accepted press shows exactly the window, its statistics and the history file as
they were before it, redo exactly as they were after it; and the whole run can be undone and
redone again, step by step."""
import os
import random

import bvcli
from bvcli import Live, window

HISTORY = "CasinoHistory.dat"
# Low thresholds and short sequences, so that bets open, win, stop and quit within a session.
FAMILIES = [("chk7_1", "Text2", "Text3", "Check1"), ("chk1", "Text4", "Text5", "Check2"),
            ("chk6", "Text6", "Text7", "Check3"), ("chk2", "Text8", "Text9", "Check4"),
            ("chk5", "Text14", "Text15", "Check7")]
STYLES = {"classic": ["set BetStyle1 1"],
          "multi": ["set BetStyle2 1", "set cboRow 2", "set cboDozen 1", "set cboLine 2"],
          "super": ["set BetStyle3 1", "set cboRow 1", "set cboDozen 2", "set cboSplit 3"]}


def setup(rng, style, casino):
    cmds = ["menu mnuProg", "set frmWagering.Text1 1,2,S", "set frmWagering.Text2 1,1,2,Q",
            "set frmWagering.Text3 1,2,Q", "press frmWagering.Command2"] + STYLES[style]
    for box, low, high, rand in FAMILIES:
        cmds += ["set %s 1" % box, "set %s 1" % rand, "set %s %d" % (high, rng.randint(0, 3)),
                 "set %s 0" % low]
        if rng.random() < 0.5:
            cmds.append("set %s 0" % rand)
    cmds += ["set cboSpins %d" % rng.randint(1, 3), "set Text18 1000"]
    if casino:
        cmds += ["answer Alpha", "set Casino New..."]
    return cmds


def actions(rng):
    """What a player does between two presses: mostly a number and the spin wait, now and
    then something else."""
    out = ["click %d" % rng.randint(0, 36), "tick 4"] if rng.random() < 0.7 else []
    for _ in range(rng.randint(0, 2)):
        roll = rng.random()
        if roll < 0.3:
            out.append("click %d" % rng.randint(0, 36))
        elif roll < 0.6:
            out.append("tick %d" % rng.randint(1, 4))
        elif roll < 0.67:
            out += ["menu mnuProg", "set frmWagering.Text4 1,3,Q", "press frmWagering.Command3"]
        elif roll < 0.97:
            out.append(rng.choice(["flip", "key %d" % rng.randint(0, 9), "press cmdMore",
                                   "menu mnuTop", "chip 0", "chip 1"]))
        else:
            out.append(rng.choice(["set cboSpins 2", "menu mnuRestart"]))
    return out


class UndoProperties(bvcli.CliTest):
    def history(self):
        path = self.data_file(HISTORY)
        if not os.path.exists(path):
            return None
        with open(path, "rb") as f:
            return f.read()

    def session(self, seed, style, casino, presses=50):
        rng = random.Random(seed)
        self.data = os.path.join(self.tmp, "data%d" % seed)
        live = Live(self.data, seed)
        live.send(*setup(rng, style, casino))
        steps = []  # (before, history before, after, history after) since the history began
        self.checked = 0
        for _ in range(presses):
            live.send(*actions(rng))
            before, file_before, stats_before = live.show(), self.history(), live.stats()
            live.send(rng.choice(["press", "press", "key Enter"]))
            after, file_after, stats_after = live.show(), self.history(), live.stats()
            started = before["Button1"]["caption"] == "Start" != after["Button1"]["caption"]
            if not started and after["state"]["TotalSpins"] == before["state"]["TotalSpins"]:
                continue  # refused: no step
            if after["undo"]["undo"] == 1:
                steps = []  # a Start, or the first press after a change of the settings
            steps.append((before, file_before, after, file_after))
            self.checked += 1
            self.assertEqual(after["undo"]["undo"], len(steps))
            live.send("undo")
            undone = live.show()
            self.assertEqual(window(undone), window(before))
            self.assertEqual(self.history(), file_before)
            # The statistics follow: the run's balances and tallies, the record's counts.
            self.assertEqual(live.stats(), stats_before)
            self.assertEqual(undone["undo"]["redo"], 1)
            live.send("redo")
            self.assertEqual(window(live.show()), window(after))
            self.assertEqual(self.history(), file_after)
            self.assertEqual(live.stats(), stats_after)
        # All the way back to the Start of the history, then all the way forward again. A
        # change of the settings since the last press has ended the history.
        steps = steps[len(steps) - live.show()["undo"]["undo"]:]
        for before, file_before, _, _ in reversed(steps):
            live.send("undo")
            self.assertEqual(window(live.show()), window(before))
            self.assertEqual(self.history(), file_before)
        for _, _, after, file_after in steps:
            live.send("redo")
            self.assertEqual(window(live.show()), window(after))
            self.assertEqual(self.history(), file_after)
        live.send("redo", "menu mnuRestart")
        errors = live.close()
        self.assertIn("error: nothing to redo", errors)
        return self.checked, len(steps)

    def test_every_style_with_and_without_a_casino(self):
        presses = deep = 0
        for seed, (style, casino) in enumerate([("classic", True), ("multi", False),
                                                ("super", True), ("classic", False),
                                                ("super", False), ("multi", True)]):
            with self.subTest(style=style, casino=casino, seed=seed):
                checked, undone = self.session(seed + 11, style, casino)
                presses += checked
                deep += undone
        print("presses undone and redone: %d, at the end all the way back: %d" % (presses, deep))
        self.assertGreater(presses, 150)
        self.assertGreater(deep, 60)

    def test_refused_when_there_is_nothing_to_go_to_and_during_a_replay(self):
        r = self.run_cli(["undo", "redo", "show"])
        self.assertEqual(r.errors, ["error: nothing to undo", "error: nothing to redo"])
        self.assertEqual(r.last["undo"], {"undo": 0, "redo": 0, "undoCaption": "Undo Spin",
                                          "redoCaption": "Redo Spin"})
        r = self.run_ok(list(bvcli.CLASSIC_RED_BLACK) + ["press", "show", "tick 4", "click 7",
                                                         "press", "show", "undo", "show"])
        started, spun, undone = r.shows
        self.assertEqual(started["undo"]["undoCaption"], "Undo Start")
        self.assertEqual(spun["undo"]["undoCaption"], "Undo Spin 7")
        self.assertEqual((undone["undo"]["undoCaption"], undone["undo"]["redoCaption"]),
                         ("Undo Start", "Redo Spin 7"))
        # The undone spin's number is selected again.
        self.assertEqual((undone["state"]["SpinPending"], undone["state"]["SpinNumber"]), (True, 7))


if __name__ == "__main__":
    bvcli.main()
