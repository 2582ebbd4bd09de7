"""Resuming a run: a session closed at any moment of a run is resumed exactly by the next one;
a run file that cannot be used is set aside, said once, and the program starts as usual."""
import os, random, re

import bvcli
from bvcli import CLASSIC, WAIT, Live, spins, window
from undo_test import actions, setup

RUN = "run.json"


class Resume(bvcli.CliTest):
    def test_closing_anywhere_in_a_run_and_resuming_shows_the_same_window(self):
        resumed = 0
        for seed in range(8):
            rng = random.Random(seed)
            self.data = os.path.join(self.tmp, "data%d" % seed)
            live = Live(self.data, seed)
            live.send(*setup(rng, ("classic", "multi", "super")[seed % 3], seed % 2 == 0), "press")
            for _ in range(rng.randint(0, 25)):
                live.send(*actions(rng), rng.choice(["press", "key Enter"]))
            live.send(*actions(rng))
            last = live.ask()
            live.close()
            running = last["Button1"]["caption"] == "Submit"
            self.assertEqual(self.read(RUN) is not None, running)
            if running:
                r = self.run_cli(["answer yes", "show"], seed=seed + 100)
                q = r.last["messages"][0]
                self.assertEqual((q["title"], q["answer"]), ("Brisvale", "yes"))
                self.assertRegex(q["text"], r"^Resume the run of \d{4}-\d\d-\d\d \d\d:\d\d \(%d spins, "
                                 r"balance \$%s\)\?$" % (last["state"]["TotalSpins"], re.escape(last["Text18"])))
                self.assertEqual(window(r.last), window(last))
                resumed += 1
        self.assertGreaterEqual(resumed, 4)

    def test_a_run_file_that_cannot_be_used_is_set_aside(self):
        # A Classic run at casino Alpha, three spins in, left open.
        self.run_cli(["answer Alpha", "set Casino New..."] + CLASSIC + ["press", WAIT] +
                     spins(17, 4, 0))
        whole = self.read(RUN)
        damaged = [whole[:cut] for cut in range(0, len(whole) - 2, (len(whole) - 2) // 50 + 1)]
        damaged += [whole.replace(b'"version":1', b'"version":2'), bytes(range(256)),
                    whole.replace(b'"TotalSpins":3', b'"TotalSpins":-3'), whole]
        self.assertGreaterEqual(len(damaged), 54)
        for bad in damaged:
            self.write(RUN, bad)
            if bad is whole:  # the run whose casino is gone
                self.write("CasinoHistory.dat", b"index: 1\r\nname1: Beta,5,\r\n")
            r = self.run_cli(["show"])
            self.assertEqual(len(r.last["messages"]), 1)
            self.assertRegex(r.last["messages"][0]["text"], "(?=.*run.json.bad)" + (
                "its casino Alpha no longer exists" if bad is whole else "cannot be resumed"))
            self.assertEqual((r.last["Button1"]["caption"], self.read(RUN)), ("Start", None))
            self.assertEqual(self.read(RUN + ".bad"), bad)

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
