# SPDX-License-Identifier: GPL-3.0-or-later
# brisvale-sim from the outside: a backtest agrees with the same spins pressed through
# brisvale-cli, the report does not depend on the threads, bad input and interrupts are told
# apart by the exit status, and the data folder is never written.
import json, os, random, signal, subprocess, sys, tempfile, time, unittest

CLI = SIM = None


def cli(data, *commands):
    return subprocess.run([CLI, "--data-dir", data, "--seed", "1"], text=True, check=True,
                          input="\n".join(commands) + "\n", capture_output=True).stdout


class SimTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls._tmp = tempfile.TemporaryDirectory()
        cls.tmp, cls.data = cls._tmp.name, os.path.join(cls._tmp.name, "data")
        cli(cls.data, "set chk7_1 1", "set chk6 1", "set chk2 1", "set chk5 1", "set cboTime 999",
            "set cboWins 999", "set Text18 2000")

    def sim(self, *args, data=None):
        return subprocess.run([SIM, "--data-dir", data or self.data, "--quiet", *args], text=True,
                              capture_output=True, timeout=120)

    def report(self, *args, data=None):
        """The JSON report of a run that succeeded, less its speed, which no two runs share."""
        r = self.sim("--json", "-", *args, data=data)
        self.assertEqual(r.returncode, 0, r.stderr)
        rep = json.loads(r.stdout)
        del rep["spins_per_second"]
        return rep

    def test_backtest_agrees_with_the_console_and_writes_nothing(self):
        spins = [random.Random(5).randrange(37) for _ in range(300)]
        path = os.path.join(self.tmp, "spins.txt")
        with open(path, "w") as f:
            f.write("number\n" + "\n".join(map(str, spins)) + "\n")
        folder = lambda: sorted((n, os.stat(os.path.join(self.data, n)).st_mtime_ns)
                                for n in os.listdir(self.data))
        before = folder()
        rep = self.report("--spins", path, "--sessions", "1")
        self.assertEqual((folder(), rep["sessions"]), (before, 1))
        self.assertGreater(rep["staked"], 0)
        presses = [c for n in spins[:rep["spins"]] for c in ("click %d" % n, "press", "tick 5")]
        out = cli(self.data, "press", "tick 5", *presses, "show")
        self.assertEqual(float(json.loads(out.splitlines()[-1])["Text18"]), 2000 + rep["net"])

    def test_threads_do_not_change_the_report(self):
        one, two = (self.report("--sessions", "400", "--seed", "77", "--threads", n) for n in "12")
        self.assertEqual((one.pop("threads"), two.pop("threads")), (1, 2))
        self.assertEqual(one, two)

    def test_limits_end_sessions_and_are_counted(self):
        free = self.report("--sessions", "300", "--seed", "4")
        limited = self.report("--sessions", "300", "--seed", "4", "--loss-limit", "20",
                              "--win-goal", "30")
        hit = limited["limits_hit"]
        self.assertEqual(free["limits_hit"], {"loss_limit": 0, "win_goal": 0, "time_limit": 0})
        self.assertEqual(hit["loss_limit"] + hit["win_goal"], limited["ended_by"]["limit"])
        self.assertGreater(hit["loss_limit"], 0)
        self.assertGreaterEqual(limited["worst_session"], -20 - limited["largest_stake"])
        self.assertLess(free["worst_session"], limited["worst_session"])
        self.assertEqual(limited["minimum_balance"], 100)  # $1 a unit, conservative

    def test_bad_input_and_interrupts(self):
        bad = os.path.join(self.tmp, "bad.txt")
        with open(bad, "w") as f:
            f.write("1, 2\n3, 00\n")
        fifo = os.path.join(self.tmp, "pipe")
        os.mkfifo(fifo)
        style = os.path.join(self.tmp, "bad-style.json")
        with open(style, "w") as f:
            f.write('{"watch": ["dozen"], "wins": 0}')
        # Every style option's own messages are the unit tests'; here one of them is enough.
        for args, message in ((["--spins", fifo], "it is a named pipe, not a file"),
                              (["--sessions", "-5"], "--sessions takes a whole number"),
                              (["--style", "roulette"], 'unknown style "roulette"'),
                              (["--spins", bad + "x"], "cannot read the spin file"),
                              (["--spins", bad], 'Line 2, column 4: "00" is not a number from 0 to 36.'),
                              (["--casino", "Nowhere"], "no casino named Nowhere"),
                              (["--loss-limit", "-5"], '--loss-limit takes dollars above 0, not "-5"'),
                              (["--time-limit", "2000"], "--time-limit takes minutes above 0 and up to 1440"),
                              (["--watch", "wheel"], '--watch takes family names'),
                              (["--style-file", style + "x"], "cannot read the style file"),
                              (["--style-file", style], '"wins": --wins takes'),
                              (["--compare", style], '"wins": --wins takes'),
                              (["--target-error", "0"], "--target-error takes a share above 0"),
                              (["--target-error", "0.01", "--spins", bad], "cannot be used with --spins"),
                              (["--max-spins", "0"], "--max-spins takes a whole number"),
                              (["--bankroll", "-1"], "--bankroll takes an amount"),
                              (["--seed", "x"], "--seed takes a whole number"),
                              (["--threads", "0"], "--threads takes a whole number"),
                              (["--spin-seconds", "-1"], "--spin-seconds takes a whole number")):
            began = time.monotonic()
            r = self.sim(*args)
            self.assertLess(time.monotonic() - began, 2, args)  # a pipe is never waited on
            self.assertEqual((r.returncode, r.stdout), (2, ""), args)
            self.assertIn(message, r.stderr)
        # A zero bankroll starts and goes broke at once.
        self.report("--bankroll", "0", "--threads", "1", "--sessions", "1")
        proc = subprocess.Popen([SIM, "--data-dir", self.data, "--sessions", "1000000"],
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        time.sleep(0.5)
        proc.send_signal(signal.SIGINT)
        out, err = proc.communicate(timeout=60)
        self.assertEqual((proc.returncode, out), (130, ""), err)

    def test_a_style_on_the_command_line_plays_as_the_same_style_stored(self):
        stored, fresh = os.path.join(self.tmp, "stored"), os.path.join(self.tmp, "fresh")
        cli(stored, "set BetStyle3 1", "set chk6 1", "set Chk8 1", "set cboDozen 2",
            "set cboSingle 3", "set cboWins 5", "set Text18 1500")
        common = ["--seed", "5", "--sessions", "300"]
        a = self.report(*common, data=stored)
        b = self.report(*common, "--style", "super", "--watch", "dozen,single", "--count",
                        "dozen=2", "--count", "single=3", "--wins", "5", "--bankroll", "1500",
                        data=fresh)
        self.assertGreater(a["staked"], 0)
        self.assertEqual(a, b)
        self.assertFalse(os.path.exists(fresh), "the simulator wrote the data folder")
        # The console's `style` writes the same style as a file.
        path = os.path.join(self.tmp, "super.json")
        cli(stored, "style " + path)
        self.assertEqual(a, self.report(*common, "--style-file", path, "--bankroll", "1500",
                                        data=fresh))
        # Nothing to play on a fresh folder: the message says which options give a style.
        r = self.sim(data=fresh)
        self.assertEqual(r.returncode, 2)
        self.assertIn("--watch FAMILY[,FAMILY...]", r.stderr)
        self.assertIn("--style-file FILE gives one", r.stderr)

    def test_target_error_and_a_style_compared_with_itself(self):
        rep = self.report("--target-error", "0.02", "--seed", "3", "--bankroll", "60",
                          "--max-spins", "200")
        low, high = rep["ruin_ci95"]
        self.assertTrue(rep["target_reached"])
        self.assertLessEqual((high - low) / 2, 0.02)
        self.assertGreater((high - low) / 2, 0.014)
        self.assertGreater(rep["ruin"], 0)
        path = os.path.join(self.tmp, "same.json")
        cli(self.data, "answer no", "style " + path)
        rep = self.report("--sessions", "200", "--seed", "4", "--compare", path)
        self.assertEqual(rep["difference"], {"mean_session": {"value": 0, "ci95": [0, 0]},
                                             "ruin": {"value": 0, "ci95": [0, 0]}})
        self.assertEqual(rep["compare"]["net"], rep["net"])
        csv = os.path.join(self.tmp, "pairs.csv")
        self.report("--sessions", "50", "--seed", "4", "--compare", path, "--csv", csv)
        with open(csv) as f:
            lines = f.read().splitlines()
        self.assertEqual(lines[0], "session,spins,staked,net,max_drawdown,largest_stake,ended_by,"
                                   "compare_staked,compare_net,compare_ended_by")
        self.assertEqual(len(lines), 51)
        for line in lines[1:]:
            cells = line.split(",")
            self.assertEqual(cells[2:4] + cells[6:7], cells[7:10], line)


if __name__ == "__main__":
    CLI, SIM = sys.argv.pop(1), sys.argv.pop(1)
    unittest.main()
