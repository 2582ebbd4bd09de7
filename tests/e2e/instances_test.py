"""One program per data folder: a second console on a folder in use is refused before it
writes anything, and the first one's files come out whole."""
import os
import subprocess

import bvcli
from bvcli import WAIT, spin

HISTORY = "CasinoHistory.dat"
REFUSED = "error: Brisvale is already running with this data folder."
# Red/Black watched at a threshold no run reaches: every press only counts and records its spin.
WATCH = ["set chk7_1 1", "set Check1 1", "set Text3 50", "set Text2 50", "set Check1 0",
         "set Text18 1000", "press", WAIT]


class OneWriter(bvcli.CliTest):
    def start_first(self):
        proc = subprocess.Popen([bvcli.CLI, "--data-dir", self.data, "--seed", "1"],
                                stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, text=True)
        self.addCleanup(lambda: (proc.kill(), proc.wait(), proc.stdout.close(),
                                 proc.stderr.close()))
        return proc

    def send(self, proc, commands):
        proc.stdin.write("\n".join(commands + ["show"]) + "\n")
        proc.stdin.flush()
        return proc.stdout.readline()  # the first program has carried them out

    def folder(self):
        files = {}
        for name in sorted(os.listdir(self.data)):
            with open(self.data_file(name), "rb") as f:
                files[name] = f.read()
        return files

    def test_second_console_is_refused_and_nothing_is_torn(self):
        first = self.start_first()
        commands = ["answer Alpha", "set Casino New..."] + WATCH
        for n in range(1, 31):
            commands += spin(n)
        self.send(first, commands)
        before = self.folder()
        second = self.run_cli(["answer Beta", "set Casino New...", "show"], seed=2)
        self.assertEqual((second.returncode, second.errors, second.shows), (1, [REFUSED], []))
        self.assertEqual(self.folder(), before, "the second program wrote nothing")
        self.send(first, spin(31))
        first.stdin.close()
        self.assertEqual(first.wait(timeout=60), 0)
        spins = ",".join(str(n) for n in range(1, 32))
        self.assertEqual(self.read_data(HISTORY), "index: 1\r\nname1: Alpha,%s,\r\n" % spins)
        # Once the first has ended the folder is free again (its run is left to resume).
        self.run_ok(["answer no", "set Casino Alpha", "show"])


if __name__ == "__main__":
    bvcli.main()
