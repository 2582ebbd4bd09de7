"""The Custom Wagering dialog driven from the console."""
import bvcli

WAGERING = "brisvale-wagering.txt"
DEFAULT_EVEN = "1,2,4,8,16,32,64,Q"


class WageringDialog(bvcli.CliTest):
    def test_opening_shows_the_stored_state(self):
        r = self.run_ok(["show", "menu mnuProg", "show"])
        self.assertNotIn("frmWagering", r.shows[0])
        w = r.last["frmWagering"]
        self.assertEqual(w["Text1"], DEFAULT_EVEN)
        self.assertEqual(w["Text2"], "1,2,3,4,6,9,13,20,30,45,67,Q")
        self.assertEqual((w["Check1"], w["Combo1"], w["Combo2"], w["disabled"]),
                         (1, "200", "1", []))

    def test_the_main_window_is_out_of_reach_while_it_is_open(self):
        r = self.run_cli(["menu mnuProg", "press", "set chk6 1", "click 5", "flip", "menu mnuTop",
                          "show"])
        self.assertEqual(len(r.errors), 5)
        self.assertEqual(r.last["controls"]["chk6"], 0)
        self.assertFalse(r.last["state"]["SpinPending"])

    def test_check1_greys_combo1(self):
        r = self.run_ok(["menu mnuProg", "set frmWagering.Check1 0", "show"])
        self.assertEqual(r.last["frmWagering"]["disabled"], ["Combo1"])
        r = self.run_cli(["menu mnuProg", "set frmWagering.Check1 0", "set frmWagering.Combo1 5"])
        self.assertEqual(r.errors, ["error: frmWagering.Combo1 is disabled"])

    def test_ok_saves_a_valid_sequence(self):
        r = self.run_ok(["menu mnuProg", "set frmWagering.Text1 1,3,S", "set frmWagering.Combo2 4",
                         "press frmWagering.Command2", "show"])
        self.assertNotIn("frmWagering", r.last)
        text = self.read_data(WAGERING)
        self.assertIn("even: 1,3,S\r\n", text)
        self.assertIn("wagerincreasehowmanychips: 4\r\n", text)

    def test_ok_refuses_an_invalid_sequence_and_stays_open(self):
        r = self.run_ok(["menu mnuProg", "set frmWagering.Text1 1,2,3",
                         "press frmWagering.Command2", "show"])
        self.assertIn("frmWagering", r.last)
        self.assertTrue(r.last["messages"][0]["text"].startswith("Invalid Wagering Values."))
        self.assertIn("even: " + DEFAULT_EVEN + "\r\n", self.read_data(WAGERING))

    def test_cancel_and_close_box(self):
        r = self.run_ok(["menu mnuProg", "set frmWagering.Text1 1,5,Q", "press frmWagering.Command3",
                         "menu mnuProg", "show", "set frmWagering.Text1 1,6,Q",
                         "close frmWagering", "show"])
        reopened, closed = r.shows
        self.assertEqual(reopened["frmWagering"]["Text1"], DEFAULT_EVEN)
        self.assertNotIn("frmWagering", closed)
        self.assertIn("even: 1,6,Q\r\n", self.read_data(WAGERING))

    def test_defaults_rewrites_the_file(self):
        self.run_ok(["menu mnuProg", "set frmWagering.Text1 1,7,Q", "press frmWagering.Command2"])
        r = self.run_ok(["menu mnuProg", "press frmWagering.Command1", "show",
                         "press frmWagering.Command3"])
        self.assertEqual(r.shows[0]["frmWagering"]["Text1"], DEFAULT_EVEN)
        self.assertIn("even: " + DEFAULT_EVEN + "\r\n", self.read_data(WAGERING))

    def test_dialog_controls_need_the_dialog(self):
        r = self.run_cli(["set frmWagering.Text1 1,Q", "press frmWagering.Command2",
                          "close frmWagering"])
        self.assertEqual(len(r.errors), 3)


class SuperPlay(bvcli.CliTest):
    SINGLES = ["set BetStyle3 1", "set Chk8 1", "set cboSingle 2", "set Text16 0", "set Check9 0",
               "set Text18 1000", "press", "tick 4", "click 5", "press"]

    def test_single_chips_enter_their_number(self):
        r = self.run_ok(self.SINGLES + ["show"])
        chips = r.last["chips"]
        self.assertEqual(len(chips), 2)
        for chip in chips:
            self.assertEqual(chip["image"], 9)
            self.assertTrue(chip["tooltip"].startswith("Bet "))
            self.assertIn(" on Single ", chip["tooltip"])
        chip = chips[1]
        number = int(chip["tooltip"].split("Single")[1])
        # The first session left its run open: the second is asked to resume it.
        r = self.run_ok(["answer no"] + self.SINGLES + ["chip %d" % chip["index"], "show"])
        self.assertEqual(r.last["state"]["SpinNumber"], number)
        self.assertEqual(r.last["marker"], {"visible": True, "left": chip["left"] + 30,
                                            "top": chip["top"]})
        self.assertTrue(r.last["state"]["MultiBetPlay"])
        # The multi-bet current bet is shown as its list entries.
        self.assertTrue(r.last["state"]["CurrentBet"].endswith(","))


if __name__ == "__main__":
    bvcli.main()
