"""Stop marks from a prepared wagering file, and the table-switch advice."""
import os

import bvcli
from bvcli import CLASSIC_RED_BLACK, WAIT, spin

# The wagering file named by the built-in remote settings, with every key present so that
# start-up keeps it; the even sequence stops after two losses.
WAGERING = (
    "index: 1\r\n"
    "even: 1,2,S\r\n"
    "dozen: 1,2,3,4,6,9,13,20,30,45,67,Q\r\n"
    "row: 1,2,3,4,6,9,13,20,30,45,67,Q\r\n"
    "line: 1,1,1,1,2,2,2,3,3,4,5,6,7,8,10,12,14,17,21,25,30,Q\r\n"
    "corner: 1,1,1,1,1,1,2,2,2,2,3,3,4,4,5,5,6,7,8,9,10,12,14,16,18,20,23,Q\r\n"
    "trio: 1,1,1,1,1,1,1,1,1,1,2,2,2,2,2,2,3,3,3,3,4,4,4,5,5,6,6,7,7,8,9,10,11,12,13,14,15,16,Q\r\n"
    "split: 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,2,2,2,2,2,2,2,2,3,3,3,3,3,3,4,4,4,4,5,5,5,6,6,6,"
    "7,7,8,8,9,9,10,10,11,Q\r\n"
    "single: 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,2,2,2,2,2,2,2,"
    "2,2,2,2,2,2,2,2,2,2,3,3,3,3,3,3,3,3,3,3,3,3,4,4,4,4,4,4,4,4,5,5,5,5,5,5,5,6,6,6,6,6,6,Q\r\n"
    "autoincrease: 1\r\n"
    "wagerincreasechips: 200\r\n"
    "wagerincreasehowmanychips: 1\r\n"
)


class StopMark(bvcli.CliTest):
    def setUp(self):
        super().setUp()
        os.makedirs(self.data)
        with open(self.data_file("brisvale-wagering.txt"), "wb") as f:
            f.write(WAGERING.encode("latin-1"))

    def test_stop_mark_closes_the_bet_without_a_spin_wait(self):
        cmds = list(CLASSIC_RED_BLACK) + ["press", WAIT] + spin(5) + spin(1) + \
            ["click 3", "press", "show", "press", "show"]
        r = self.run_ok(cmds)
        stop, again = r.shows
        self.assertEqual(stop["Label1"]["caption"], "Spin Only")
        self.assertFalse(stop["state"]["BetOpen"])
        self.assertEqual(stop["chips"], [])
        self.assertEqual(stop["state"]["Balance"], 1000 - 1 - 2)
        self.assertEqual(stop["Text18"], "997")
        self.assertEqual(stop["state"]["StepIndex"], 0)
        # The spin is counted once and taken; the button stays enabled.
        self.assertEqual(stop["state"]["TotalSpins"], 3)
        self.assertTrue(stop["Button1"]["enabled"])
        self.assertFalse(stop["state"]["SpinPending"])
        self.assertFalse(stop["marker"]["visible"])
        self.assertEqual(stop["Button1"]["caption"], "Submit")
        # Pressing again without a new number enters nothing.
        self.assertEqual(again["messages"], [{"title": "Brisvale", "text": "Select a Number!"}])
        self.assertEqual(again["state"]["TotalSpins"], 3)
        self.assertEqual(again["Text1"], stop["Text1"])

    def test_the_dialog_shows_the_prepared_sequence(self):
        r = self.run_ok(["menu mnuProg", "show"])
        self.assertEqual(r.last["frmWagering"]["Text1"], "1,2,S")


class TableSwitch(bvcli.CliTest):
    def test_advice_after_the_set_number_of_wins(self):
        cmds = ["set cboWins 2"] + list(CLASSIC_RED_BLACK) + ["press", WAIT] + \
            spin(5) + ["click 2", "press", "tick", "show", "tick 3"] + \
            spin(1) + ["click 4", "press", "show", "tick", "show", "tick 3", "show", "press", "show"]
        r = self.run_ok(cmds)
        first_win, second_win, advice, waited, restart = r.shows
        self.assertEqual(first_win["state"]["Wins"], 1)
        self.assertEqual(first_win["Label1"]["caption"], "Spin Only")
        self.assertEqual(second_win["state"]["Wins"], 2)
        self.assertEqual(second_win["Label1"]["caption"], "Spin Only")
        self.assertEqual(advice["Label1"]["caption"], "Switch Table/Press Start")
        self.assertEqual(advice["Button1"]["caption"], "Start")
        self.assertEqual(advice["state"]["CurrentBet"], "")
        self.assertTrue(advice["state"]["BetOpen"])
        self.assertTrue(advice["Picture4"]["visible"])
        self.assertEqual(advice["backColor"], "15790320")
        self.assertEqual(waited["Label1"], {"caption": "Switch Table/Press Start", "visible": True})
        self.assertTrue(waited["Button1"]["enabled"])
        self.assertEqual(restart["Button1"]["caption"], "Submit")
        self.assertEqual(restart["state"]["TableSpins"], 0)
        self.assertEqual(restart["state"]["Wins"], 0)
        self.assertFalse(restart["state"]["BetOpen"])

    def test_advice_after_the_play_time_on_the_virtual_clock(self):
        cmds = ["set cboTime 1"] + list(CLASSIC_RED_BLACK)[:1] + \
            ["set Text18 1000", "press", "tick 59", "show", "tick", "show"]
        r = self.run_ok(cmds)
        self.assertEqual(r.shows[0]["Label1"]["caption"], "Spin Only")
        self.assertEqual(r.shows[1]["Label1"]["caption"], "Switch Table/Press Start")

    def test_no_advice_while_a_bet_is_open(self):
        cmds = ["set cboTime 1"] + list(CLASSIC_RED_BLACK) + ["press", WAIT, "click 5", "press",
                                                              "tick 70", "show"]
        r = self.run_ok(cmds)
        self.assertEqual(r.last["Label1"]["caption"], "Bet $1 on Black")
        self.assertEqual(r.last["Button1"]["caption"], "Submit")


if __name__ == "__main__":
    bvcli.main()
