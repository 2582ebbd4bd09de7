"""A vendor's site on 127.0.0.1 whose chips and stake labels differ from the built-in ones."""
import os
import re
import subprocess
import sys

import bvcli
from bvcli import CLASSIC_RED_BLACK, WAIT

HERE = os.path.dirname(os.path.abspath(__file__))
SERVE = os.path.join(HERE, "..", "net", "serve.py")
BUILT_IN = os.path.join(HERE, "..", "..", "data", "remote-settings.txt")

# Every chip and label value of the site, against the built-in one it replaces.
SITE_VALUES = {"ChipAppearance": ("0", "1"), "ChipBorderStyle": ("0", "1"),
               "LabelTop": ("60", "30"), "LabelLeft": ("30", "0"),
               "LabelAlignment": ("2", "0"), "LabelFontSize": ("9", "14")}


class RemoteSite(bvcli.CliTest):
    def serve(self, settings):
        site = os.path.join(self.tmp, "site")
        os.makedirs(os.path.join(site, "casinos"))
        for name, text in (("firewall.html", "ok"), ("settings15.html", settings),
                           ("casinos/casinomenu.txt", "Golden Wheel, golden.example")):
            with open(os.path.join(site, name), "w", newline="") as f:
                f.write(text)
        server = subprocess.Popen([sys.executable, "-B", SERVE, site], stdin=subprocess.PIPE,
                                  stdout=subprocess.PIPE, text=True)
        self.addCleanup(server.wait, 10)
        self.addCleanup(server.stdin.close)
        return "http://127.0.0.1:%s" % server.stdout.readline().strip()

    def test_the_sites_chip_and_label_values_reach_every_chip(self):
        with open(BUILT_IN, newline="") as f:
            settings = f.read()
        for name, (built_in, site) in SITE_VALUES.items():
            line = re.compile("^%s=%s$" % (name, built_in), re.M)
            self.assertRegex(settings, line)
            settings = line.sub("%s=%s" % (name, site), settings)
        url = self.serve(settings)
        r = self.run_ok(CLASSIC_RED_BLACK + ["press", WAIT, "click 2", "press", "show"],
                        args=["--remote-site", url])
        self.assertEqual(r.last["messages"], [])
        self.assertTrue(r.last["chips"])
        for chip in r.last["chips"]:
            self.assertEqual((chip["appearance"], chip["borderStyle"]), (1, 1))
            self.assertEqual(chip["label"], {"left": 0, "top": 30, "width": 375, "height": 375,
                                             "alignment": 0, "bold": True, "fontSize": 14})
        self.assertFalse(os.path.exists(self.data_file("debug.txt")))


if __name__ == "__main__":
    bvcli.main()
