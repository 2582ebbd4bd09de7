"""Resuming a run: a session closed at any moment of a run is resumed exactly by the next one;
a run file that cannot be used is set aside, said once, and the program starts as usual."""
import os
import random
import re

import bvcli
from bvcli import CLASSIC_RED_BLACK, WAIT, Live, spin, window
from undo_test import actions, setup

RUN = "run.json"


class Resume(bvcli.CliTest):
    def test_closing_anywhere_in_a_run_and_resuming_shows_the_same_window(self):
        resumed = 0
        for seed in range(8):
            rng = random.Random(seed)
            style = ("classic", "multi", "super")[seed % 3]
            self.data = os.path.join(self.tmp, "data%d" % seed)
            live = Live(self.data, seed)
            live.send(*setup(rng, style, seed % 2 == 0), "press")
            for _ in range(rng.randint(0, 25)):
                live.send(*actions(rng), rng.choice(["press", "key Enter"]))
            live.send(*actions(rng))
            last = live.show()
            live.close()
            running = last["Button1"]["caption"] == "Submit"
            self.assertEqual(os.path.exists(self.data_file(RUN)), running)
            if not running:
                continue
            with self.subTest(seed=seed):
                r = self.run_ok(["answer yes", "show"], seed=seed + 100)
                question = r.last["messages"][0]
                self.assertRegex(question["text"], r"^Resume the run of \d{4}-\d\d-\d\d \d\d:\d\d \(%d "
                                 r"spins, balance \$%s\)\?$" % (last["state"]["TotalSpins"],
                                                                 re.escape(last["Text18"])))
                self.assertEqual((question["title"], question["answer"]), ("Brisvale", "yes"))
                self.assertEqual(window(r.last), window(last))
                resumed += 1
        self.assertGreaterEqual(resumed, 4)

    def open_run(self):
        """A Classic run at casino Alpha, three spins in, left open."""
        self.run_ok(["answer Alpha", "set Casino New..."] + CLASSIC_RED_BLACK + ["press", WAIT]
                    + spin(17) + spin(4) + spin(0))
        with open(self.data_file(RUN), "rb") as f:
            return f.read()

    def assert_set_aside(self, bad, reason):
        r = self.run_ok(["show"])
        self.assertEqual(len(r.last["messages"]), 1)
        text = r.last["messages"][0]["text"]
        self.assertIn("run.json.bad", text)
        self.assertIn(reason, text)
        self.assertEqual(r.last["Button1"]["caption"], "Start")
        self.assertFalse(os.path.exists(self.data_file(RUN)))
        with open(self.data_file(RUN + ".bad"), "rb") as f:
            self.assertEqual(f.read(), bad)

    def test_a_damaged_run_file_is_set_aside(self):
        whole = self.open_run()
        damaged = [whole[:cut] for cut in range(0, len(whole) - 2, (len(whole) - 2) // 50 + 1)]
        damaged += [whole.replace(b'"version":1', b'"version":2'),
                    whole.replace(b'"TotalSpins":3', b'"TotalSpins":-3'),
                    bytes(range(256))]
        for bad in damaged:
            with self.subTest(size=len(bad)):
                with open(self.data_file(RUN), "wb") as f:
                    f.write(bad)
                self.assert_set_aside(bad, "cannot be resumed")
        self.assertGreaterEqual(len(damaged), 53)

    def test_a_run_whose_casino_is_gone_is_set_aside(self):
        whole = self.open_run()
        with open(self.data_file("CasinoHistory.dat"), "wb") as f:
            f.write(b"index: 1\r\nname1: Beta,5,\r\n")
        self.assert_set_aside(whole, "its casino Alpha no longer exists")

    def test_no_starts_as_usual_and_forgets_the_run(self):
        self.open_run()
        r = self.run_ok(["answer no", "show"])
        self.assertEqual(r.last["messages"][0]["answer"], "no")
        self.assertEqual(r.last["state"]["TotalSpins"], 0)
        self.assertFalse(os.path.exists(self.data_file(RUN)))
        self.assertEqual(self.run_ok(["show"]).last["messages"], [])

    def test_the_run_file_goes_when_the_run_ends(self):
        self.open_run()
        r = self.run_ok(["answer yes", "menu mnuRestart", "show"])
        self.assertEqual(r.last["state"]["TotalSpins"], 3)
        self.assertFalse(os.path.exists(self.data_file(RUN)))


if __name__ == "__main__":
    bvcli.main()
