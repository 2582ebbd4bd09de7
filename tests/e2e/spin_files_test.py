"""Spin files: importing into a new or the selected casino, exporting, and the bad files that
import nothing and say where they go wrong."""
import os

import bvcli

HISTORY = "CasinoHistory.dat"


class SpinFiles(bvcli.CliTest):
    def write(self, name, data):
        path = os.path.join(self.tmp, name)
        with open(path, "wb") as f:
            f.write(data)
        return path

    def test_import_into_a_new_casino_export_and_import_again(self):
        source = self.write("in.csv", b"number\r\n17, 0;32\t5\n\n36\r\n")
        out = os.path.join(self.tmp, "out.txt")
        r = self.run_ok(["answer Alpha", "import " + source, "show", "export " + out,
                         "import " + out, "show"])
        first, second = r.shows
        self.assertEqual(first["casinos"], ["Select Casino", "New...", "Alpha"])
        self.assertEqual(first["state"]["RecordedSpins"], 5)
        self.assertEqual(first["Text1"], "     36\r\n     5\r\n     32\r\n   0\r\n17\r\n")
        self.assertTrue(first["caption"].endswith("- Alpha - 5 Recorded Spins"))
        self.assertEqual(first["messages"][-1]["text"], "5 spins imported into Alpha.")
        with open(out, "rb") as f:
            self.assertEqual(f.read(), b"number\r\n17\r\n0\r\n32\r\n5\r\n36\r\n")
        self.assertEqual(second["state"]["RecordedSpins"], 10)
        self.assertEqual(self.read_data(HISTORY),
                         "index: 1\r\nname1: Alpha,17,0,32,5,36,17,0,32,5,36,\r\n")

    def test_a_bad_file_imports_nothing_and_names_the_first_bad_entry(self):
        cases = [(b"", "holds no spins"), (b"number\r\n", "holds no spins"),
                 (b"1,00,3", 'Line 1, column 3: "00"'), (b"number\n5\n 37", 'Line 3, column 2: "37"'),
                 (b"-1", 'Line 1, column 1: "-1"'), (b"4;1.5", 'Line 1, column 3: "1.5"'),
                 (b"1" * 1000000, 'Line 1, column 1: "111111111111..."'),
                 (bytes(range(256)) * 4, 'Line 2, column 1: "??"'),
                 (None, "could not be found"), (b"dir", "could not be read")]
        self.run_ok(["answer Alpha", "set Casino New...", "click 3", "tick 4"])
        kept = self.read_data(HISTORY)
        for data, expected in cases:
            with self.subTest(expected=expected):
                if data is None:
                    path = os.path.join(self.tmp, "gone.txt")
                elif data == b"dir":
                    path = self.tmp
                else:
                    path = self.write("bad.txt", data)
                r = self.run_ok(["set Casino Alpha", "import " + path, "show"])
                self.assertEqual(len(r.last["messages"]), 2)  # the file question, the message
                self.assertIn(expected, r.last["messages"][1]["text"])
                self.assertIn("Nothing was imported.", r.last["messages"][1]["text"])
                self.assertEqual(r.last["state"]["RecordedSpins"], 0)
                self.assertEqual(self.read_data(HISTORY), kept)
        # Into a new casino: a bad file leaves no casino behind.
        r = self.run_ok(["answer Beta", "import " + self.write("bad.txt", b"7,x"), "show"])
        self.assertEqual(r.last["casinos"], ["Select Casino", "New...", "Alpha"])
        self.assertEqual(self.read_data(HISTORY), kept)

    def test_export_needs_a_casino_and_a_place_to_write(self):
        r = self.run_cli(["export " + os.path.join(self.tmp, "x.txt"), "show"])
        self.assertEqual(r.errors, ["error: no casino is selected"])
        missing = os.path.join(self.tmp, "no such folder", "x.txt")
        r = self.run_ok(["answer Alpha", "set Casino New...", "export " + missing, "show"])
        self.assertEqual(r.last["messages"][-1]["text"], "The spins could not be written to x.txt.")
        self.assertFalse(os.path.exists(os.path.dirname(missing)))
        # A cancelled name imports nothing either.
        r = self.run_ok(["set Casino Select Casino", "answer", "import " + missing, "show"])
        self.assertEqual(r.last["casinos"], ["Select Casino", "New...", "Alpha"])


if __name__ == "__main__":
    bvcli.main()
