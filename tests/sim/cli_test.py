# SPDX-License-Identifier: GPL-3.0-or-later
# brisvale-sim from the outside: a backtest agrees with the same spins pressed through
# brisvale-cli, the report does not depend on the threads, bad input and interrupts are told
# apart by the exit status, and the data folder is never written.
import json, os, random, signal, subprocess, sys, tempfile, time, unittest

CLI = SIM = None


class SimTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls._tmp = tempfile.TemporaryDirectory()
        cls.tmp, cls.data = cls._tmp.name, os.path.join(cls._tmp.name, "data")
        cls.cli(["set chk7_1 1", "set chk6 1", "set chk2 1", "set chk5 1", "set cboTime 999",
                 "set cboWins 999", "set Text18 2000"])

    @classmethod
    def cli(cls, commands):
        return subprocess.run([CLI, "--data-dir", cls.data, "--seed", "1"], text=True, check=True,
                              input="\n".join(commands) + "\n", capture_output=True).stdout

    def sim(self, *args, **kw):
        return subprocess.run([SIM, "--data-dir", self.data, "--quiet", *args], text=True,
                              capture_output=True, timeout=120, **kw)

    def report(self, *args):
        r = self.sim("--json", "-", *args)
        self.assertEqual(r.returncode, 0, r.stderr)
        return json.loads(r.stdout)

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
        out = self.cli(["press", "tick 5"] + presses + ["show"])
        self.assertEqual(float(json.loads(out.splitlines()[-1])["Text18"]), 2000 + rep["net"])

    def test_threads_do_not_change_the_report(self):
        one, two = (self.report("--sessions", "400", "--seed", "77", "--threads", n) for n in "12")
        self.assertEqual((one.pop("threads"), two.pop("threads")), (1, 2))
        del one["spins_per_second"], two["spins_per_second"]
        self.assertEqual(one, two)

    def test_bad_input_and_interrupts(self):
        bad = os.path.join(self.tmp, "bad.txt")
        with open(bad, "w") as f:
            f.write("1, 2\n3, 00\n")
        fifo = os.path.join(self.tmp, "pipe")
        os.mkfifo(fifo)
        for args, message in ((["--spins", fifo], "it is a named pipe, not a file"),
                              (["--sessions", "-5"], "--sessions takes a whole number"),
                              (["--style", "roulette"], 'unknown style "roulette"'),
                              (["--spins", bad + "x"], "cannot read the spin file"),
                              (["--spins", bad], 'Line 2, column 4: "00" is not a number from 0 to 36.'),
                              (["--casino", "Nowhere"], "no casino named Nowhere")):
            began = time.monotonic()
            r = self.sim(*args)
            self.assertLess(time.monotonic() - began, 2, args)  # a pipe is never waited on
            self.assertEqual((r.returncode, r.stdout), (1, ""), args)
            self.assertIn(message, r.stderr)
        proc = subprocess.Popen([SIM, "--data-dir", self.data, "--sessions", "1000000"],
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        time.sleep(0.5)
        proc.send_signal(signal.SIGINT)
        out, err = proc.communicate(timeout=60)
        self.assertEqual((proc.returncode, out), (2, ""), err)


if __name__ == "__main__":
    CLI, SIM = sys.argv.pop(1), sys.argv.pop(1)
    unittest.main()
