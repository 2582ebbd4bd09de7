# SPDX-License-Identifier: GPL-3.0-or-later
# Runs brisvale-cli for the end-to-end tests and reads back what it printed.
import json, os, pathlib, subprocess, sys, tempfile, unittest

CLI = None  # set by main() from the command line

# Red/Black watched at a threshold of 0 (Black, checked last, is due at once) on $1000; then
# the ticks after a press that enable Button1 again with the 3 second spin interval.
CLASSIC = ["set chk7_1 1", "set Text2 0", "set Text3 0", "set Check1 0", "set Text18 1000"]
WAIT = "tick 4"


def spins(*numbers):
    return [c for n in numbers for c in ("click %d" % n, "press", WAIT)]


class Result:
    def __init__(self, proc):
        self.returncode, self.stdout, self.errors = proc.returncode, proc.stdout, proc.stderr.splitlines()
        self.shows = [json.loads(line) for line in proc.stdout.splitlines()]
        self.last = (self.shows or [None])[-1]


def run(data, commands=(), seed=1, args=(), env=None, **popen):
    # Commands go to standard input, one per line; errors are "error: " lines and nothing else.
    argv = [CLI] + (["--data-dir", data] if data else []) + (["--seed", str(seed)] if seed else [])
    proc = subprocess.run(argv + list(args), input="".join(c + "\n" for c in commands),
                          capture_output=True, text=True, env=dict(os.environ, **(env or {})),
                          timeout=120, **popen)
    for line in proc.stderr.splitlines():
        assert line.startswith("error: "), "stray standard error line: %r" % line
    return Result(proc)


# brisvale-cli driven one command at a time, so that the data folder can be looked at between
# commands; ask() reads the line a `show` or `stats` prints.
class Live:
    def __init__(self, data_dir, seed=1, **popen):
        self._errors = tempfile.TemporaryFile(mode="w+")
        self.proc = subprocess.Popen([CLI, "--data-dir", data_dir, "--seed", str(seed)],
                                     stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     stderr=self._errors, text=True, encoding="utf-8", **popen)

    def send(self, *commands):
        self.proc.stdin.write("".join(c + "\n" for c in commands)), self.proc.stdin.flush()

    def ask(self, command="show"):
        self.send(command)
        return json.loads(self.proc.stdout.readline())

    def close(self):  # ends the input (the window closes) and gives the error lines
        self.proc.stdin.close(), self.proc.stdout.read(), self.proc.stdout.close()
        self.proc.wait(timeout=120)
        with self._errors:
            self._errors.seek(0)
            return self._errors.read().splitlines()


# A show without what only tells of the moment: the boxes shown since the last show, the undo
# history, the reality check's box, and the session's play time.
def window(show):
    out = {k: v for k, v in show.items() if k not in ("messages", "undo", "alerts", "realityCheck")}
    if "session" in out:
        out["session"] = {k: v for k, v in out["session"].items() if k != "seconds"}
    return out


class CliTest(unittest.TestCase):
    # Each test gets a fresh temporary folder and a data folder inside it.
    def setUp(self):
        tmp = tempfile.TemporaryDirectory()
        self.addCleanup(tmp.cleanup)
        self.tmp, self.data = tmp.name, os.path.join(tmp.name, "data")

    def run_cli(self, commands=(), errors=(), **kw):
        r = run(self.data, commands, **kw)
        self.assertEqual((r.errors, r.returncode), (list(errors), 1 if errors else 0))
        return r

    def read(self, name):
        path = pathlib.Path(self.data, name)
        return path.read_bytes() if path.exists() else None

    def write(self, name, data, folder=None):
        path = pathlib.Path(folder or self.data, name)
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
        return str(path)


def main():
    global CLI
    CLI = sys.argv.pop(1)
    unittest.main(module="__main__")
