"""Runs brisvale-cli for the end-to-end tests and reads back what it printed."""
import json
import os
import subprocess
import sys
import tempfile
import unittest

CLI = None  # set by main() from the command line


class Result:
    def __init__(self, proc):
        self.returncode = proc.returncode
        self.stdout = proc.stdout
        self.stderr = proc.stderr
        self.shows = [json.loads(line) for line in proc.stdout.splitlines()]
        self.errors = proc.stderr.splitlines()

    @property
    def last(self):
        return self.shows[-1]


def run(data_dir, commands="", seed=1, args=(), scripts=None):
    """Runs the console on a data folder. `commands` go to standard input (a list is joined
    into lines); `scripts` are file paths handed on the command line instead."""
    if isinstance(commands, (list, tuple)):
        commands = "\n".join(commands) + "\n"
    argv = [CLI, "--data-dir", data_dir]
    if seed is not None:
        argv += ["--seed", str(seed)]
    argv += list(args)
    if scripts:
        argv += list(scripts)
    env = dict(os.environ)
    env.pop("XDG_DATA_HOME", None)
    proc = subprocess.run(argv, input=commands, capture_output=True, text=True, env=env,
                          timeout=120)
    for line in proc.stderr.splitlines():
        if not line.startswith("error: "):
            raise AssertionError("stray standard error line: %r" % line)
    return Result(proc)


class Live:
    """brisvale-cli driven one command at a time: each `show` is read as it is printed, so the
    data folder can be looked at between commands."""

    def __init__(self, data_dir, seed=1):
        self._errors = tempfile.TemporaryFile(mode="w+")
        env = dict(os.environ)
        env.pop("XDG_DATA_HOME", None)
        self.proc = subprocess.Popen([CLI, "--data-dir", data_dir, "--seed", str(seed)],
                                     stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     stderr=self._errors, text=True, encoding="utf-8", env=env)

    def send(self, *commands):
        for command in commands:
            self.proc.stdin.write(command + "\n")
        self.proc.stdin.flush()

    def show(self):
        self.send("show")
        return json.loads(self.proc.stdout.readline())

    def stats(self):
        self.send("stats")
        return json.loads(self.proc.stdout.readline())

    def close(self):
        """Ends the input (the window closes) and gives the error lines."""
        self.proc.stdin.close()
        self.proc.stdout.read()
        self.proc.stdout.close()
        self.proc.wait(timeout=120)
        self._errors.seek(0)
        errors = self._errors.read().splitlines()
        self._errors.close()
        return errors


def window(show):
    """A show without what only tells of the moment: the boxes shown since the last show, and
    the undo history."""
    return {k: v for k, v in show.items() if k not in ("messages", "undo")}


class CliTest(unittest.TestCase):
    """Each test gets a fresh data folder."""

    def setUp(self):
        self._tmp = tempfile.TemporaryDirectory()
        self.tmp = self._tmp.name
        self.data = os.path.join(self.tmp, "data")

    def tearDown(self):
        self._tmp.cleanup()

    def run_cli(self, commands="", **kw):
        return run(self.data, commands, **kw)

    def run_ok(self, commands="", **kw):
        r = run(self.data, commands, **kw)
        self.assertEqual(r.errors, [], "unexpected errors")
        self.assertEqual(r.returncode, 0)
        return r

    def data_file(self, name):
        return os.path.join(self.data, name)

    def read_data(self, name):
        with open(self.data_file(name), "rb") as f:
            return f.read().decode("latin-1")


# The Classic set-up most runs start from: Red/Black watched with a threshold of 0 (every
# pair due at once, so Black, checked last, is bet), a balance of 1000.
CLASSIC_RED_BLACK = [
    "set chk7_1 1",
    "set Text2 0",
    "set Text3 0",
    "set Check1 0",
    "set Text18 1000",
]

# The ticks after a press that enable Button1 again with the 3 second spin interval.
WAIT = "tick 4"


def spin(n):
    return ["click %d" % n, "press", WAIT]


def main():
    global CLI
    if len(sys.argv) < 2:
        sys.exit("usage: %s path/to/brisvale-cli [unittest args]" % sys.argv[0])
    CLI = sys.argv.pop(1)
    unittest.main(module="__main__")
