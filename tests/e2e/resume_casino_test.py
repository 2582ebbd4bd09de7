# SPDX-License-Identifier: GPL-3.0-or-later
# A casino's recorded spins across closes and resumes: every spin entered at a casino, and not
# undone, is in CasinoHistory.dat under a key the next start reads back, whatever the player did
# between (resume or not, imports, undo, another casino deleted). Checked through the console
# and the file only.
import os, random, re

import bvcli
from bvcli import Live

HISTORY = "CasinoHistory.dat"
# Trio watched at its built-in thresholds on $1000, as a new player starts.
STYLE = ["set chk6 1", "set Text18 1000"]


def history_lines(raw):
    # {name: (key, [spins])} from the file's "nameK: NAME,spins," lines, with the keys seen.
    casinos, keys = {}, []
    for line in (raw or b"").decode("cp1252").splitlines():
        m = re.match(r"^name(\d+): ?([^,]*),(.*)$", line)
        if m:
            keys.append(int(m.group(1)))
            casinos[m.group(2)] = (int(m.group(1)), [int(x) for x in m.group(3).split(",") if x])
    return casinos, keys


class ResumedCasinos(bvcli.CliTest):
    def test_the_reported_reproduction(self):
        self.run_cli(["answer Lucky", "set Casino New...", "set chk6 1", "set Text18 1000", "press",
                      "tick 4", "click 7", "press", "tick 4"])
        r = self.run_cli(["answer yes", "click 9", "press", "tick 4", "click 11", "press", "tick 4"])
        self.assertEqual(r.shows, [])
        self.assertEqual(self.read(HISTORY), b"index: 1\r\nname1: Lucky,7,9,11,\r\n")
        # The next start reads all three back: the list, the caption and the history box.
        r = self.run_cli(["answer no", "set Casino Lucky", "show"])
        self.assertEqual((r.last["casinos"], r.last["state"]["RecordedSpins"], r.last["Text1"]),
                         (["Select Casino", "New...", "Lucky"], 3, "11\r\n     9\r\n     7\r\n"))
        self.assertIn("Lucky - 3 Recorded Spins", self.run_cli(["answer no", "set Casino Lucky", "tick", "show"]).last["caption"])

    def cycle(self, rng, model, names, first):
        run_file = os.path.exists(os.path.join(self.data, "run.json"))
        live = Live(self.data, rng.randint(1, 1000))
        if run_file:
            live.send("answer " + rng.choice(["yes", "no"]))
        if first:
            live.send(*STYLE)
        show = live.ask()
        # A run file this program wrote is always offered.
        self.assertEqual([m["text"][:18] for m in show["messages"]], ["Resume the run of "] * run_file)
        for _ in range(rng.randint(6, 18)):
            casino = show["controls"]["Casino"]
            others = [n for n in model if n != casino]
            kind = rng.choices(["spin", "select", "new", "none", "import", "delete"],
                               [60, 10, 5, 3, 6, 5])[0]
            if kind == "spin":
                n = rng.randint(0, 36)
                live.send("click %d" % n, "press")
                after = live.ask()
                taken = after["state"]["TotalSpins"] == show["state"]["TotalSpins"] + 1
                if taken and casino in model:
                    model[casino].append(n)
                    if rng.random() < 0.25:  # taken back at once, and sometimes on again
                        live.send("undo")
                        undone = live.ask()
                        self.assertEqual(undone["undo"]["undo"], after["undo"]["undo"] - 1)
                        model[casino].pop()
                        if rng.random() < 0.5:
                            live.send("redo")
                            model[casino].append(n)
                live.send("tick 4")
            elif kind == "select" and others:
                live.send("set Casino " + rng.choice(others))
            elif kind == "new":
                name = next(names)
                live.send("answer " + name, "set Casino New...")
                model[name] = []
            elif kind == "none":
                live.send("set Casino Select Casino")
            elif kind == "import":
                spins = [rng.randint(0, 36) for _ in range(rng.randint(1, 4))]
                path = self.write("in%d.txt" % rng.randint(0, 99), ",".join(map(str, spins)).encode(),
                                  folder=self.tmp)
                if casino not in model:
                    casino = next(names)
                    live.send("answer " + casino)
                    model[casino] = []
                live.send("import " + path)
                model[casino] += spins
            elif kind == "delete" and others:
                gone = rng.choice(others)
                live.send("set Casino " + gone, "answer yes", "press Command1")
                del model[gone]
                if casino in model and rng.random() < 0.7:
                    live.send("set Casino " + casino)
            show = live.ask()
        live.close()

    def test_every_recorded_spin_is_read_back_after_any_cycles(self):
        checked = 0
        for seed in range(4):
            rng = random.Random(seed)
            self.data = os.path.join(self.tmp, "data%d" % seed)
            names = iter("Casino%d" % i for i in range(1000))
            model = {}
            for c in range(rng.randint(4, 7)):
                self.cycle(rng, model, names, c == 0)
            # A fresh start: the list, and each casino as the console shows it, then the file.
            r = self.run_cli(["answer no", "show"] + [c for n in model for c in ("set Casino " + n, "show")])
            self.assertEqual(r.shows[0]["casinos"][2:], list(model))
            for name, show in zip(model, r.shows[1:]):
                shown = [int(x) for x in reversed(show["Text1"].split())]  # newest first
                self.assertEqual((show["state"]["RecordedSpins"], shown), (len(model[name]), model[name]), name)
            casinos, keys = history_lines(self.read(HISTORY))
            self.assertEqual({n: spins for n, (_, spins) in casinos.items()}, model)
            self.assertEqual(sorted(keys), list(range(1, len(model) + 1)))
            checked += sum(len(s) for s in model.values())
        self.assertGreater(checked, 60)


if __name__ == "__main__":
    bvcli.main()
