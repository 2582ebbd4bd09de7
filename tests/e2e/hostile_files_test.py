# SPDX-License-Identifier: GPL-3.0-or-later
# Pipes, folders, devices and links where the program's files belong, a file size limit, spins
# that cannot be written at the end, and counts and texts out of the ordinary. Nothing waits.
import os, pathlib, resource, signal, stat, time

import bvcli
from bvcli import CLASSIC, WAIT, Live, spins

FILES = ["run.json", "brisvale.lock", "CasinoHistory.dat", "brisvale-wagering.txt",
         "brisvale-settings.txt"]


class HostileFiles(bvcli.CliTest):
    def quick(self, commands, **kw):
        began = time.monotonic()
        r = bvcli.run(self.data, commands, **kw)
        self.assertLess(time.monotonic() - began, 2, commands)
        return r

    def test_a_pipe_at_any_program_file_is_never_waited_on(self):
        for name in FILES:
            self.data = os.path.join(self.tmp, name)
            os.makedirs(self.data)
            os.mkfifo(os.path.join(self.data, name))
            r = self.quick(["show"])
            self.assertEqual((r.returncode, r.last["Button1"]["caption"]), (0, "Start"), (name, r.errors))
            # One message tells of it (the lock needs none: the folder itself is locked).
            told = [m["text"] for m in r.last["messages"] if "named pipe" in m["text"]]
            self.assertEqual(len(told), 0 if name == "brisvale.lock" else 1, (name, r.last["messages"]))
            self.assertEqual(len(r.last["messages"]), len(told), name)
            kept = os.path.join(self.data, name + (".bad" if name == "run.json" else ""))
            self.assertTrue(stat.S_ISFIFO(os.lstat(kept).st_mode), name)

    def test_a_settings_file_that_cannot_be_written_is_told(self):
        os.makedirs(os.path.join(self.data, "brisvale-settings.txt", "inside"))
        r = self.quick(["show"])
        self.assertEqual([m["text"] for m in r.last["messages"]],
                         ["The file brisvale-settings.txt in the data folder cannot be used: it is "
                          "a folder, not a file. Brisvale leaves it as it is and goes on without it."])
        self.assertTrue(os.path.isdir(os.path.join(self.data, "brisvale-settings.txt", "inside")))

    def test_a_run_file_that_is_not_a_file_is_told_once_as_it_is(self):
        # A device of the machine's own: on a shared machine another program may have replaced
        # one by a file, so the first that still is a device is used.
        device = next(d for d in ("/dev/zero", "/dev/null", "/dev/full", "/dev/urandom")
                      if stat.S_ISCHR(os.stat(d).st_mode))
        for make, said in ((lambda p: os.mkdir(p), "it is a folder, not a file"),
                           (lambda p: os.symlink(device, p), "it is a device, not a file"),
                           (lambda p: os.symlink(p, p), "a symbolic link that leads round in a loop"),
                           (lambda p: os.mkfifo(p), "it is a named pipe, not a file")):
            self.data = os.path.join(self.tmp, said.replace(" ", "-"))
            os.makedirs(self.data)
            make(os.path.join(self.data, "run.json"))
            first, second = self.quick(["show"]), self.quick(["show"])
            text = first.last["messages"][0]["text"]
            self.assertIn(said, text)
            self.assertIn("It is kept as run.json.bad", text)
            self.assertEqual(second.last["messages"], [], said)
            self.assertTrue(os.path.lexists(os.path.join(self.data, "run.json.bad")), said)
        self.assertTrue(stat.S_ISCHR(os.stat(device).st_mode))

    def test_import_and_export_refuse_what_is_not_a_writable_file(self):
        fifo = os.path.join(self.tmp, "pipe")
        os.mkfifo(fifo)
        locked = self.write("locked.txt", b"kept\n", self.tmp)
        os.chmod(locked, 0o444)
        utf8 = self.write("utf8.txt", "number\n17\ncaf\u00e9\n".encode(), self.tmp)
        r = self.quick(["answer Alpha", "set Casino New...", "import " + fifo, "export " + locked,
                        "export " + fifo, "import " + utf8, "show"])
        texts = [m["text"] for m in r.last["messages"] if "answer" not in m]
        self.assertEqual(texts, [
            "The file pipe could not be read: it is a named pipe, not a file. Nothing was imported.",
            "The spins could not be written to locked.txt: it is a read-only file. Nothing was exported.",
            "The spins could not be written to pipe: it is a named pipe, not a file. Nothing was exported.",
            'utf8.txt: Line 3, column 1: "caf\u00e9" is not a number from 0 to 36. Nothing was imported.'])
        self.assertEqual((pathlib.Path(locked).read_bytes(), os.stat(locked).st_mode & 0o777),
                         (b"kept\n", 0o444))

    def test_a_file_size_limit_is_told_like_a_full_disk(self):
        # 4 KiB takes the settings and wagering files, not the run file.
        limit = lambda size: lambda: resource.setrlimit(resource.RLIMIT_FSIZE, (size, size))
        live = Live(self.data, preexec_fn=limit(4096))
        live.send(*CLASSIC, "press")
        time.sleep(0.5)  # the run file is written once no command waits
        shown = live.ask()
        live.close()
        self.assertNotEqual(live.proc.returncode, -signal.SIGXFSZ)
        self.assertEqual((shown["Button1"]["caption"], [m["text"] for m in shown["messages"]]),
                         ("Submit", ["Brisvale could not write to run.json. The run goes on; it is kept for "
                                     "the next start once a write succeeds."]))
        # 1 KiB does not take the settings file that start-up writes: that is told too.
        data = os.path.join(self.tmp, "small")
        r = bvcli.run(data, ["show"], seed=None, preexec_fn=limit(1024))
        self.assertEqual(r.returncode, 0, r.errors)
        self.assertIn("Brisvale could not write to brisvale-settings.txt. The default settings "
                      "are used for now.", [m["text"] for m in r.last["messages"]])

    def test_spins_unwritten_at_the_end_are_told_and_fail_the_exit(self):
        live = Live(self.data)
        live.send("answer Alpha", "set Casino New...", *CLASSIC, "press", WAIT)
        live.ask()
        history = os.path.join(self.data, "CasinoHistory.dat")
        os.rename(history, history + ".moved")
        os.mkdir(history)  # no write of the history can succeed now
        live.send(*spins(17, 4))
        live.ask()
        errors = live.close()
        self.assertEqual(errors, ["error: Brisvale could not write to CasinoHistory.dat. "
                                  "The last 2 spins of Alpha were not kept."])
        self.assertEqual(live.proc.returncode, 1)

    def test_counts_and_arguments_out_of_reach(self):
        r = self.quick(["tick 999999999999", "tick 10000001", "tick -1", "tick 2 3", "close", "close frmMain",
                        "close frmWagering now", "flip over", "show"])
        self.assertEqual(r.errors, ["error: tick takes at most 10000000 ticks at once"] * 2 +
                         ["error: tick takes a count of 0 or more"] * 2 +
                         ["error: close takes frmWagering"] * 3 + ["error: flip takes no arguments"])

if __name__ == "__main__":
    bvcli.main()
