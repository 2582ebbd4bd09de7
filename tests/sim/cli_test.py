"""brisvale-sim from the outside: a backtest agrees with the same spins pressed through
brisvale-cli, the report does not depend on the threads, bad input and interrupts are told
apart by the exit status, and the data folder is never written."""
import json
import os
import random
import signal
import subprocess
import sys
import tempfile
import time
import unittest

CLI = SIM = None

STYLE = ["set chk7_1 1", "set chk6 1", "set chk2 1", "set chk5 1", "set cboTime 999",
         "set cboWins 999", "set Text18 2000"]


def folder_state(path):
    return sorted((name, os.stat(os.path.join(path, name)).st_mtime_ns)
                  for name in os.listdir(path))


class SimTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls._tmp = tempfile.TemporaryDirectory()
        cls.tmp = cls._tmp.name
        cls.data = os.path.join(cls.tmp, "data")
        subprocess.run([CLI, "--data-dir", cls.data, "--seed", "1"], input="\n".join(STYLE) + "\n",
                       text=True, check=True, capture_output=True)

    @classmethod
    def tearDownClass(cls):
        cls._tmp.cleanup()

    def sim(self, *args, **kw):
        return subprocess.run([SIM, "--data-dir", self.data, "--quiet", *args], text=True,
                              capture_output=True, timeout=120, **kw)

    def report(self, *args):
        r = self.sim("--json", "-", *args)
        self.assertEqual(r.returncode, 0, r.stderr)
        return json.loads(r.stdout)

    def test_backtest_agrees_with_the_console(self):
        spins = [random.Random(5).randrange(37) for _ in range(300)]
        path = os.path.join(self.tmp, "spins.txt")
        with open(path, "w") as f:
            f.write("number\n" + "\n".join(map(str, spins)) + "\n")
        before = folder_state(self.data)
        rep = self.report("--spins", path, "--sessions", "1")
        self.assertEqual(folder_state(self.data), before, "the data folder was written")
        self.assertEqual(rep["sessions"], 1)
        played = rep["spins"]
        commands = ["press", "tick 5"]
        for n in spins[:played]:
            commands += ["click %d" % n, "press", "tick 5"]
        out = subprocess.run([CLI, "--data-dir", self.data, "--seed", "1"],
                             input="\n".join(commands + ["show"]) + "\n", text=True,
                             capture_output=True, check=True).stdout
        balance = float(json.loads(out.splitlines()[-1])["Text18"])
        self.assertGreater(rep["staked"], 0)
        self.assertEqual(balance, 2000 + rep["net"])

    def test_threads_do_not_change_the_report(self):
        reports = []
        for threads in ("1", "2"):
            rep = self.report("--sessions", "400", "--seed", "77", "--threads", threads)
            self.assertEqual(rep["threads"], int(threads))
            del rep["spins_per_second"], rep["threads"]
            reports.append(json.dumps(rep))
        self.assertEqual(reports[0], reports[1])

    def test_bad_input_is_refused(self):
        bad = os.path.join(self.tmp, "bad.txt")
        with open(bad, "w") as f:
            f.write("1, 2\n3, 00\n")
        cases = [(["--sessions", "-5"], "--sessions takes a whole number"),
                 (["--style", "roulette"], 'unknown style "roulette"'),
                 (["--spins", os.path.join(self.tmp, "none.txt")], "cannot read the spin file"),
                 (["--spins", bad], 'Line 2, column 4: "00" is not a number from 0 to 36.'),
                 (["--casino", "Nowhere"], "no casino named Nowhere")]
        for args, message in cases:
            r = self.sim(*args)
            self.assertEqual(r.returncode, 1, args)
            self.assertIn(message, r.stderr, args)
            self.assertEqual(r.stdout, "", args)

    def test_interrupt_ends_with_status_2(self):
        proc = subprocess.Popen([SIM, "--data-dir", self.data, "--sessions", "1000000"],
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        time.sleep(0.5)
        proc.send_signal(signal.SIGINT)
        out, err = proc.communicate(timeout=60)
        self.assertEqual(proc.returncode, 2, err)
        self.assertEqual(out, "")


if __name__ == "__main__":
    CLI, SIM = sys.argv.pop(1), sys.argv.pop(1)
    unittest.main()
