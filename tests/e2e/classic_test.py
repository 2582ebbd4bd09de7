"""Classic play end to end: a run from Start through bets, a loss, a win and a quit."""
import bvcli
from bvcli import CLASSIC_RED_BLACK, WAIT, spin

NORMAL, BET, QUIT = "15790320", "8454016", "192"


class ConsoleExample(bvcli.CliTest):
    def test_start_shows_spin_only_and_waits(self):
        r = self.run_ok(["set chk7_1 1", "set Text18 1000", "press", "show"])
        self.assertEqual(len(r.shows), 1)
        self.assertEqual(r.last["Button1"], {"caption": "Submit", "enabled": False})
        self.assertEqual(r.last["Label1"], {"caption": "Spin Only", "visible": True})


class ClassicRun(bvcli.CliTest):
    def run_classic(self, *steps):
        cmds = list(CLASSIC_RED_BLACK) + ["press", WAIT, "show"]
        for step in steps:
            cmds += step + ["show"] if isinstance(step, list) else [step]
        return self.run_ok(cmds)

    def test_start_disables_the_panel_and_blinks_until_the_fourth_tick(self):
        r = self.run_ok(CLASSIC_RED_BLACK + ["press", "show", "tick", "show", "tick", "show",
                                             "tick", "show", "tick", "show"])
        start = r.shows[0]
        self.assertEqual(start["caption"], "Brisvale - Total Spins: 0 - Spins This Table: 0 ")
        self.assertEqual(start["state"]["Balance"], 1000)
        self.assertEqual(start["state"]["StartThreshold"][0], 0)
        for name in ("chk1", "chk7", "chk7_1", "Text18", "cboWager", "cboWins", "cboTime"):
            self.assertIn(name, start["disabled"])
        self.assertFalse(start["Picture4"]["visible"])
        visible = [s["Label1"]["visible"] for s in r.shows[1:]]
        enabled = [s["Button1"]["enabled"] for s in r.shows[1:]]
        self.assertEqual(visible, [False, True, False, True])
        self.assertEqual(enabled, [False, False, False, True])
        self.assertEqual(r.shows[1]["caption"],
                         "Brisvale - Total Spins: 0 - Spins This Table: 0 - Wins: 0 ")

    def test_first_bet_loss_win_and_quit(self):
        r = self.run_classic(
            ["click 5", "press"],            # 1: no bet yet; Black is due
            [WAIT, "click 1", "press"],      # 2: Black loses at $1
            [WAIT, "click 2", "press"],      # 3: Black wins at $2
            [WAIT, "click 2", "press"],      # 4: the next bet opens
            [WAIT] + spin(1)[:2], [WAIT] + spin(3)[:2], [WAIT] + spin(5)[:2],
            [WAIT] + spin(7)[:2], [WAIT] + spin(9)[:2],   # losses at 1, 2, 4, 8, 16
            [WAIT, "click 12", "press"],     # loss at 32: the conservative limit quits
        )
        s = r.shows
        bet = s[1]
        self.assertEqual(bet["Label1"]["caption"], "Bet $1 on Black")
        self.assertEqual(bet["state"]["CurrentBet"], "Black")
        self.assertTrue(bet["state"]["BetOpen"])
        self.assertEqual(bet["backColor"], BET)
        chip = {"index": 0, "left": 2940, "top": 1600, "caption": "1", "tooltip": "",
                "image": 5, "blackText": False}
        self.assertEqual([{k: c[k] for k in chip} for c in bet["chips"]], [chip])
        self.assertEqual(bet["caption"], "Brisvale - Total Spins: 1 - Spins This Table: 1 ")
        self.assertEqual(bet["Text1"], "     5\r\n")

        loss = s[2]
        self.assertEqual(loss["Label1"]["caption"], "Bet $2 on Black")
        self.assertEqual(loss["Text18"], "999")
        self.assertEqual(loss["state"]["Stake"], 2)
        self.assertEqual(loss["state"]["StepIndex"], 1)
        self.assertEqual(loss["state"]["NetChips"], -1)
        self.assertEqual(loss["chips"][0]["caption"], "2")
        self.assertEqual(loss["state"]["WinningBets"], "")

        win = s[3]
        self.assertEqual(win["Label1"]["caption"], "Spin Only")
        self.assertEqual(win["Text18"], "1001")
        self.assertEqual(win["state"]["Balance"], 1001)
        self.assertEqual(win["state"]["Wins"], 1)
        self.assertEqual(win["state"]["NetChips"], 1)
        self.assertEqual(win["state"]["WinningBets"], ",Black")
        self.assertEqual(win["state"]["TotalSpins"], 3)
        self.assertFalse(win["state"]["BetOpen"])
        self.assertEqual(win["chips"], [])
        self.assertEqual(win["backColor"], NORMAL)
        self.assertEqual(win["Text1"], "2\r\n     1\r\n     5\r\n")

        self.assertEqual(s[4]["Label1"]["caption"], "Bet $1 on Black")
        captions = [x["Label1"]["caption"] for x in s[5:10]]
        self.assertEqual(captions, ["Bet $2 on Black", "Bet $4 on Black", "Bet $8 on Black",
                                    "Bet $16 on Black", "Bet $32 on Black"])
        quit_ = s[10]
        self.assertEqual(quit_["Label1"]["caption"], "Quit NOW")
        self.assertEqual(quit_["Button1"]["caption"], "Start")
        self.assertEqual(quit_["backColor"], QUIT)
        self.assertEqual(quit_["chips"], [])
        self.assertTrue(quit_["Picture4"]["visible"])
        self.assertTrue(quit_["state"]["BetOpen"])
        self.assertTrue(quit_["state"]["QuitPending"])
        self.assertEqual(quit_["Text18"], str(1001 - 63))
        self.assertEqual(quit_["state"]["TotalSpins"], 10)

    def test_after_quit_the_next_press_starts_a_new_run(self):
        quit_run = list(CLASSIC_RED_BLACK) + ["press", WAIT] + spin(5) + spin(1) + spin(3) + \
            spin(5) + spin(7) + spin(9) + ["click 12", "press", "show", WAIT, "press", "show"]
        r = self.run_ok(quit_run)
        before, after = r.shows
        self.assertEqual(before["Label1"]["caption"], "Quit NOW")
        self.assertEqual(after["Button1"], {"caption": "Submit", "enabled": False})
        self.assertEqual(after["Label1"]["caption"], "Spin Only")
        self.assertEqual(after["state"]["TableSpins"], 0)
        self.assertEqual(after["state"]["TotalSpins"], before["state"]["TotalSpins"])
        self.assertFalse(after["state"]["BetOpen"])
        self.assertEqual(after["state"]["Balance"], 1000 - 63)

    def test_submit_without_a_number_is_refused_by_the_engine(self):
        r = self.run_ok(CLASSIC_RED_BLACK + ["press", WAIT, "press", "show"])
        self.assertEqual(r.last["messages"], [{"title": "Brisvale", "text": "Select a Number!"}])
        self.assertEqual(r.last["state"]["TotalSpins"], 0)
        self.assertTrue(r.last["Button1"]["enabled"])

    def test_a_zero_loses_the_open_bet(self):
        r = self.run_ok(CLASSIC_RED_BLACK + ["press", WAIT] + spin(5) + ["click 0", "press", "show"])
        self.assertEqual(r.last["Label1"]["caption"], "Bet $2 on Black")
        self.assertEqual(r.last["state"]["Balance"], 999)
        self.assertEqual(r.last["Text1"], "   0\r\n     5\r\n")

    def test_even_money_captions_of_the_other_pairs(self):
        for box, caption in (("chk7_2", "Bet $1 Odd"), ("chk7_3", "Bet $1 on 19 to 36")):
            with self.subTest(box=box):
                cmds = ["set %s 1" % box, "set Text2 0", "set Check1 0", "set Text18 50",
                        "press", WAIT, "click 5", "press", "show", WAIT, "click 2", "press", "show"]
                r = bvcli.run(self.data + box, cmds)
                self.assertEqual(r.errors, [])
                self.assertEqual(r.shows[0]["Label1"]["caption"], caption)
                label = r.shows[0]["state"]["CurrentBet"]
                # A continued bet always reads "Bet $<stake> on <label>".
                if box == "chk7_2":
                    self.assertEqual(r.shows[1]["Label1"]["caption"], "Bet $2 on " + label)


if __name__ == "__main__":
    bvcli.main()
