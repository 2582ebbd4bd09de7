"""The board: entering numbers by click and by keyboard, the marker, and flipping with a chip
shown."""
import subprocess

import bvcli
from bvcli import WAIT

RED_NUMBERS = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36}

# Red/Black watched with a threshold of 1: after a black spin only Red is due.
RED_BET = ["set chk7_1 1", "set Text2 1", "set Check1 0", "set Text18 1000", "press", WAIT,
           "click 2", "press"]


def number_spot(n, flipped):
    """Left, top of number cell n as the printed layout places it."""
    c, r = (n - 1) // 3, (n - 1) % 3
    return (690 + 540 * c, 930 - 330 * r) if flipped else (6630 - 540 * c, 270 + 330 * r)


class Board(bvcli.CliTest):
    def test_cells_in_both_views_and_their_colours(self):
        r = self.run_ok(["show", "flip", "show", "flip", "show"])
        normal, flipped, back = r.shows
        for n in range(1, 37):
            cell = normal["cells"][n]
            self.assertEqual((cell["left"], cell["top"]), number_spot(n, False))
            self.assertEqual(cell["backColor"], 255)  # the design's red until the first flip
            cell = flipped["cells"][n]
            self.assertEqual((cell["left"], cell["top"]), number_spot(n, True))
            self.assertEqual(cell["backColor"], 255 if n in RED_NUMBERS else 0)
        self.assertEqual(len(normal["cells"]), 49)
        self.assertEqual((normal["cells"][0]["left"], flipped["cells"][0]["left"]), (7170, 150))
        self.assertEqual(normal["cells"][0]["backColor"], 49152)
        self.assertEqual((normal["cells"][46]["left"], flipped["cells"][46]["left"]), (3930, 2850))
        self.assertEqual([(c["left"], c["top"]) for c in back["cells"]],
                         [(c["left"], c["top"]) for c in normal["cells"]])
        self.assertTrue(flipped["state"]["BoardFlipped"])
        self.assertFalse(back["state"]["BoardFlipped"])

    def test_click_moves_the_marker_and_outside_cells_do_nothing(self):
        r = self.run_ok(["click 40", "show", "click 0", "show", "click 5", "click 23", "show",
                         "flip", "show"])
        outside, zero, last, flipped = r.shows
        self.assertFalse(outside["marker"]["visible"])
        self.assertFalse(outside["state"]["SpinPending"])
        self.assertEqual(zero["marker"], {"visible": True, "left": 7170 + 120, "top": 270 + 360})
        self.assertEqual(zero["state"]["SpinText"], "00")
        left, top = number_spot(23, False)
        self.assertEqual(last["marker"], {"visible": True, "left": left + 120, "top": top + 30})
        self.assertEqual((last["state"]["SpinNumber"], last["state"]["SpinText"]), (23, "23"))
        left, top = number_spot(23, True)
        self.assertEqual(flipped["marker"], {"visible": True, "left": left + 120, "top": top + 30})

    def test_flip_moves_the_shown_chip(self):
        r = self.run_ok(RED_BET + ["show", "flip", "show", "flip", "show"])
        normal, flipped, back = r.shows
        self.assertEqual(normal["Label1"]["caption"], "Bet $1 on Red")
        spot = lambda s: [(c["index"], c["left"], c["top"], c["image"]) for c in s["chips"]]
        self.assertEqual(spot(normal), [(0, 4650, 1600, 5)])
        self.assertEqual(spot(flipped), [(0, 2940, 1600, 5)])
        self.assertEqual(spot(back), [(0, 4650, 1600, 5)])
        self.assertEqual(flipped["chips"][0]["caption"], "1")

    def test_flip_never_shows_a_hidden_chip(self):
        # The bet is won (Red on 1): the chip is hidden and stays hidden across a flip.
        r = self.run_ok(RED_BET + [WAIT, "click 1", "press", "flip", "show"])
        self.assertEqual(r.last["chips"], [])
        self.assertEqual(r.last["state"]["CurrentBet"], "Red")

    def test_a_bet_laid_after_a_flip_uses_the_flipped_spot(self):
        cmds = ["flip"] + RED_BET + ["show"]
        r = self.run_ok(cmds)
        self.assertEqual([(c["left"], c["top"]) for c in r.last["chips"]], [(2940, 1600)])

    def test_chip_labels_enter_numbers_only_in_multi_bet_play(self):
        r = self.run_cli(RED_BET + ["chip 0", "show", "chip 5"])
        self.assertEqual(r.errors, ["error: chip 5 is hidden"])
        self.assertEqual(r.returncode, 1)
        self.assertFalse(r.last["state"]["SpinPending"])  # Classic: the click does nothing

    def test_typed_digits_and_enter(self):
        # A second digit within a second joins the first; a tick (one second) parts them; a
        # pair that names no number leaves the first digit selected.
        cases = [("17", False, 17), ("17", True, 7), ("45", False, 4), ("246", False, 6),
                 ("05", False, 5)]
        cmds = []
        for digits, parted, _ in cases:
            cmds += ["key " + digits[0]] + ["tick"] * parted + ["key " + d for d in digits[1:]]
            cmds += ["show", "tick"]
        r = self.run_ok(cmds)
        self.assertEqual([s["state"]["SpinNumber"] for s in r.shows], [c[2] for c in cases])
        # Enter presses Button1, and is refused as the button is while it is disabled.
        r = self.run_cli(bvcli.CLASSIC_RED_BLACK + ["key Enter", "key 1", "key 4", "key Enter",
                                                    "show", WAIT, "key Enter", "show", "key 14"])
        self.assertEqual(r.errors, ["error: Button1 is disabled", "error: no key named 14"])
        waiting, taken = r.shows
        self.assertEqual((waiting["Button1"]["caption"], waiting["state"]["TotalSpins"]),
                         ("Submit", 0))
        self.assertEqual((taken["state"]["TotalSpins"], taken["Text1"].strip()), (1, "14"))
        out = subprocess.run([bvcli.CLI, "--help"], capture_output=True, text=True)
        self.assertIn("key KEY", out.stdout)


if __name__ == "__main__":
    bvcli.main()
