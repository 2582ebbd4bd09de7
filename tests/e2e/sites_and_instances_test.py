# SPDX-License-Identifier: GPL-3.0-or-later
# A vendor's site on 127.0.0.1, a site that cannot be reached, and two programs on one folder.
import os, pathlib, re, subprocess, sys

import bvcli
from bvcli import CLASSIC, WAIT, spins

HERE = os.path.dirname(os.path.abspath(__file__))
SERVE = os.path.join(HERE, "..", "net", "serve.py")
BUILT_IN = os.path.join(HERE, "..", "..", "data", "remote-settings.txt")


class Sites(bvcli.CliTest):
    def serve(self, files):
        for name, text in files.items():
            self.write(name, text.encode(), os.path.join(self.tmp, "site"))
        server = subprocess.Popen([sys.executable, "-B", SERVE, os.path.join(self.tmp, "site")],
                                  stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        self.addCleanup(lambda: (server.stdin.close(), server.stdout.close(), server.wait(10)))
        return "http://127.0.0.1:%s" % server.stdout.readline().strip()

    def test_the_sites_chips_labels_casinos_and_guide(self):
        settings = pathlib.Path(BUILT_IN).read_bytes().decode()
        # The site's values against the built-in ones they replace; a font size of 0 cannot be
        # used, and the debug log says so although it is off. A casino without an address opens
        # nothing.
        for name, built_in, site in (("ChipAppearance", 0, 1), ("ChipBorderStyle", 0, 1),
                                     ("LabelTop", 60, 30), ("LabelLeft", 30, 0),
                                     ("LabelAlignment", 2, 0), ("LabelFontSize", 9, 0),
                                     ("InstructionsAddress", "", "guide.example")):
            line = re.compile("^%s=%s$" % (name, built_in), re.M)
            self.assertRegex(settings, line)
            settings = line.sub("%s=%s" % (name, site), settings)
        url = self.serve({"firewall.html": "ok", "settings15.html": settings,
                          "casinos/casinomenu.txt": "Golden Wheel, golden.example---Bare,"})
        r = self.run_cli(CLASSIC + ["press", WAIT, "click 2", "press", "menu mnuCasino 0",
                                    "menu mnuCasino 1", "menu mnuInstructions", "show"],
                         args=["--remote-site", url])
        self.assertEqual((r.last["opened"], len(r.last["messages"])),
                         (["http://golden.example", "http://guide.example"], 1))
        self.assertEqual([(c["appearance"], c["borderStyle"], c["label"]) for c in r.last["chips"]],
                         [(1, 1, {"left": 0, "top": 30, "width": 375, "height": 375,
                                  "alignment": 0, "bold": True, "fontSize": 1})])
        self.assertIn(b"Remote item 11 (label font size) 0 cannot be used", self.read("debug.txt"))

    # "<name>.tmp-XXXXXX" must fit the file system's 255 bytes, or no write of the file works.
    def test_a_file_name_too_long_for_its_temporary_file_gives_way(self):
        long = "s" * 250
        settings = re.sub("^SettingsFile=.*$", "SettingsFile=" + long,
                          pathlib.Path(BUILT_IN).read_bytes().decode(), flags=re.M)
        url = self.serve({"firewall.html": "ok", "settings15.html": settings,
                          "casinos/casinomenu.txt": "Golden Wheel, golden.example"})
        r = self.run_cli(["show"], args=["--remote-site", url])
        self.assertEqual(r.last["messages"], [])
        self.assertEqual(sorted(n for n in os.listdir(self.data) if n.startswith("s") or "settings" in n),
                         ["brisvale-settings.txt"])
        self.assertIn(b"it is longer than 244 bytes", self.read("debug.txt"))

    def test_an_unreachable_site_is_told_and_the_built_in_settings_used(self):
        r = self.run_cli(["show"], args=["--remote-site", "http://127.0.0.1:9"])
        self.assertIn("http://127.0.0.1:9/firewall.html", r.last["messages"][0]["text"])
        self.assertEqual((r.last["caption"], r.last["opened"]), ("Brisvale - Total Spins: 0 - Spins This Table: 0 ",
                                                                 ["http://127.0.0.1:9/firewall.html"]))

    # A second program on a folder in use is refused before it writes anything, and the first
    # one's files come out whole.
    def test_a_second_program_on_the_folder_is_refused(self):
        first = bvcli.Live(self.data)
        self.addCleanup(first.proc.kill)
        # Red/Black watched at a threshold no run reaches: every press counts and records a spin.
        first.send("answer Alpha", "set Casino New...", "set chk7_1 1", "set Check1 1", "set Text3 50",
                   "set Text2 50", "set Check1 0", "set Text18 1000", "press", WAIT, *spins(*range(1, 31)))
        first.ask()  # the first program has carried them out
        folder = lambda: {name: self.read(name) for name in os.listdir(self.data)}
        before = folder()
        second = bvcli.run(self.data, ["answer Beta", "set Casino New...", "show"])
        self.assertEqual((second.returncode, second.errors, second.shows, folder()),
                         (1, ["error: Brisvale is already running with this data folder."], [], before))
        first.send("click 31", "press")
        self.assertEqual((first.close(), first.proc.returncode), ([], 0))
        self.assertEqual(self.read("CasinoHistory.dat"), b"index: 1\r\nname1: Alpha,%s,\r\n"
                         % ",".join(map(str, range(1, 32))).encode())
        self.run_cli(["answer no", "set Casino Alpha"])  # the folder is free again


if __name__ == "__main__":
    bvcli.main()
