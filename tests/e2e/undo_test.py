# SPDX-License-Identifier: GPL-3.0-or-later
# Undo and redo, as properties of random sessions in every style, with and without a casino:
# undo after any accepted press shows exactly the window, its statistics and the history file as
# they were before it, redo as they were after it; and the whole run goes back and forth again.
# Closed in a run, the next start resumes it; a run file that cannot be used is set aside, said
# once, and the program starts as usual. Also `stats`, the statistics panel as JSON.
import os, random, re

import bvcli
from bvcli import CLASSIC, WAIT, Live, spins, window

RUN = "run.json"

# Low thresholds and short sequences, so that bets open, win, stop and quit within a session.
FAMILIES = [("chk7_1", "Text2", "Text3", "Check1"), ("chk1", "Text4", "Text5", "Check2"),
            ("chk6", "Text6", "Text7", "Check3"), ("chk2", "Text8", "Text9", "Check4"),
            ("chk5", "Text14", "Text15", "Check7")]
STYLES = {"classic": "BetStyle1 1", "multi": "BetStyle2 1,cboRow 2,cboDozen 1,cboLine 2",
          "super": "BetStyle3 1,cboRow 1,cboDozen 2,cboSplit 3"}


def setup(rng, style, casino):
    cmds = ["menu mnuProg", "set frmWagering.Text1 1,2,S", "set frmWagering.Text2 1,1,2,Q",
            "set frmWagering.Text3 1,2,Q", "press frmWagering.Command2"]
    cmds += ["set " + c for c in STYLES[style].split(",")]
    for box, low, high, rand in FAMILIES:
        cmds += ["set %s 1" % box, "set %s 1" % rand, "set %s %d" % (high, rng.randint(0, 3)),
                 "set %s 0" % low] + ["set %s 0" % rand] * (rng.random() < 0.5)
    return cmds + ["set cboSpins %d" % rng.randint(1, 3), "set Text18 1000"] + \
        ["answer Alpha", "set Casino New..."] * casino


def actions(rng):
    # What a player does between two presses: mostly a number and the spin wait, now and then
    # something else.
    out = ["click %d" % rng.randint(0, 36), "tick 4"] if rng.random() < 0.7 else []
    for _ in range(rng.randint(0, 2)):
        out += rng.choices([
            ["click %d" % rng.randint(0, 36)], ["tick %d" % rng.randint(1, 4)],
            ["menu mnuProg", "set frmWagering.Text4 1,3,Q", "press frmWagering.Command3"],
            [rng.choice(["flip", "key %d" % rng.randint(0, 9), "press cmdMore", "menu mnuTop",
                         "chip 0", "chip 1"])],
            [rng.choice(["set cboSpins 2", "menu mnuRestart"])]], [30, 30, 7, 30, 3])[0]
    return out


class UndoAndResume(bvcli.CliTest):
    def look(self, live):
        show = live.ask()
        self.undo = show["undo"]["undo"]
        return window(show), self.read("CasinoHistory.dat"), live.ask("stats")

    def session(self, seed, style, casino):
        rng = random.Random(seed)
        self.data = os.path.join(self.tmp, "data%d" % seed)
        live = Live(self.data, seed)
        live.send(*setup(rng, style, casino))
        steps, checked = [], 0  # (before, after) since the history began
        for _ in range(50):
            live.send(*actions(rng))
            before = self.look(live)
            live.send(rng.choice(["press", "press", "key Enter"]))
            after = self.look(live)
            started = before[0]["Button1"]["caption"] == "Start" != after[0]["Button1"]["caption"]
            if not started and after[0]["state"]["TotalSpins"] == before[0]["state"]["TotalSpins"]:
                continue  # refused: no step
            # A Start, or the first press after a change of the settings, begins the history.
            steps = (steps if self.undo > 1 else []) + [(before, after)]
            self.assertEqual(self.undo, len(steps))
            checked += 1
            for command, expected in (("undo", before), ("redo", after)):
                live.send(command)
                self.assertEqual(self.look(live), expected)
        # All the way back to the Start of the history, then all the way forward again. A
        # change of the settings since the last press has ended the history.
        self.look(live)
        steps = steps[len(steps) - self.undo:]
        for command, expected in [("undo", b) for b, _ in reversed(steps)] + [("redo", a) for _, a in steps]:
            live.send(command)
            self.assertEqual(self.look(live), expected)
        # Closed anywhere in a run, the next start resumes it as it was.
        live.send("redo", *actions(rng))
        last = live.ask()
        self.assertIn("error: nothing to redo", live.close())
        running = last["Button1"]["caption"] == "Submit"
        self.assertEqual(self.read(RUN) is not None, running)
        if running:
            r = self.run_cli(["answer yes", "show"], seed=seed + 100)
            q = r.last["messages"][0]
            self.assertEqual((q["title"], q["answer"]), ("Brisvale", "yes"))
            bets = [b for b in last["state"]["CurrentBet"].split(",") if b] * last["state"]["BetOpen"]
            said = (" at Alpha" if casino else "") + (", bet open: " if len(bets) == 1 else ", bets open: ") * (
                len(bets) > 0) + ", ".join(bets[:-1]) + " and " * (len(bets) > 1) + "".join(bets[-1:])
            self.assertRegex(q["text"], r"^Resume the run of \d{4}-\d\d-\d\d \d\d:\d\d \(%d spins, "
                             r"balance \$%s\)%s\?$" % (last["state"]["TotalSpins"], re.escape(last["Text18"]),
                                                      re.escape(said)))
            # The resumed program begins a session of its own.
            self.assertEqual(dict(window(r.last), session=None), dict(window(last), session=None))
            # Resumed again, its undo history goes back as far as it went before the close.
            kept = last["undo"]["undo"]
            live = Live(self.data, seed + 100)
            live.send("answer yes")
            self.assertEqual(live.ask()["undo"], last["undo"])
            for before, _ in reversed(steps[len(steps) - kept:]):
                live.send("undo")
                # The session's figures are this program's: presses of the one before are
                # not in them.
                (shown, *rest), (wanted, *kept_rest) = self.look(live), before
                self.assertEqual((dict(shown, session=None), *rest),
                                 (dict(wanted, session=None), *kept_rest))
            live.close()
            self.resumed_undos += kept
        return checked, len(steps), running

    def test_every_style_with_and_without_a_casino(self):
        self.resumed_undos = 0
        runs = [self.session(seed + 11, style, casino) for seed, (style, casino) in enumerate(
            [("classic", True), ("multi", False), ("super", True), ("classic", False),
             ("super", False), ("multi", True)])]
        self.assertGreater(sum(r[0] for r in runs), 150)
        self.assertGreater(sum(r[1] for r in runs), 40)
        self.assertGreaterEqual(sum(r[2] for r in runs), 3)
        self.assertGreater(self.resumed_undos, 10)

    def test_captions_stats_and_refusals(self):
        r = self.run_cli(["undo", "redo", "stats now", "show", "stats"], errors=[
            "error: nothing to undo", "error: nothing to redo", "error: stats takes no arguments"])
        self.assertEqual((r.shows[0]["undo"], r.last["balance"]), ({"undo": 0, "redo": 0, "undoCaption":
                         "Undo Spin", "redoCaption": "Redo Spin"}, []))
        # Black opens on the first spin and wins on 4; undone, 4 is selected again.
        r = self.run_cli(CLASSIC + ["press", "show", WAIT, "click 17", "press", "show", WAIT, "click 4",
                                    "press", "stats", "undo", "show", "menu mnuRestart"])
        started, spun, after, undone = r.shows
        self.assertEqual([s["undo"]["undoCaption"] for s in (started, spun, undone)] +
                         [undone["undo"]["redoCaption"], undone["state"]["SpinPending"], undone["state"]["SpinNumber"]],
                         ["Undo Start", "Undo Spin 17", "Undo Spin 17", "Redo Spin 4", True, 4])
        bets = {b["label"]: b for b in after["bets"]}
        self.assertEqual((after["balance"], len(bets), after["bets"][0]["label"]), ([1000, 1000, 1001], 150, "1st 12"))
        self.assertEqual(bets["Black"], dict(bets["Black"], family="Even", slept=0, threshold=0))
        self.assertEqual((bets["Red"]["slept"], bets["Single 36"]["family"]), (1, "Single"))
        numbers = after["numbers"]
        self.assertEqual(numbers[4], dict(numbers[4], table=1, history=0, last=0))
        self.assertEqual((len(numbers), numbers[17]["last"], numbers[5]["last"]), (37, 1, None))

    def test_a_run_file_that_cannot_be_used_is_set_aside(self):
        # A Classic run at casino Alpha, three spins in, left open.
        self.run_cli(["answer Alpha", "set Casino New..."] + CLASSIC + ["press", WAIT] +
                     spins(17, 4, 0))
        whole = self.read(RUN)
        damaged = [whole[:cut] for cut in range(0, len(whole) - 2, (len(whole) - 2) // 50 + 1)]
        damaged += [whole.replace(b'"version":2', b'"version":3'), bytes(range(256)),
                    whole.replace(b'"totalSpins":3', b'"totalSpins":-3'), whole]
        for bad in damaged:
            self.write(RUN, bad)
            if bad is whole:  # the run whose casino is gone
                self.write("CasinoHistory.dat", b"index: 1\r\nname1: Beta,5,\r\n")
            r = self.run_cli(["show"])
            self.assertRegex(r.last["messages"][0]["text"], "(?=.*run.json.bad)" + (
                "its casino Alpha no longer exists" if bad is whole else "cannot be resumed"))
            self.assertEqual((len(r.last["messages"]), r.last["Button1"]["caption"], self.read(RUN),
                              self.read(RUN + ".bad")), (1, "Start", None, bad))

    def test_no_forgets_the_run_and_so_does_its_end(self):
        for answers, spun in ((["answer no"], 0), (["answer yes", "menu mnuRestart"], 3)):
            self.data = os.path.join(self.tmp, answers[-1])
            self.run_cli(CLASSIC + ["press", WAIT] + spins(17, 4, 0))
            r = self.run_cli(answers + ["show"])
            self.assertEqual((r.last["messages"][0]["answer"], r.last["state"]["TotalSpins"],
                              self.read(RUN)), (answers[0][7:], spun, None))
        self.assertEqual(self.run_cli(["show"]).last["messages"], [])


if __name__ == "__main__":
    bvcli.main()
