"""Multi and Super play end to end: several families with count boxes above 1, a Super
"Quit NOW", the Super wins-per-table stop."""
import bvcli
from bvcli import WAIT, spin


def chips(show):
    return [(c["caption"], c["image"]) for c in show["chips"]]


class MultiBetPlay(bvcli.CliTest):
    def test_multi_rows_dozens_and_lines(self):
        cmds = ["set BetStyle2 1", "set chk1 1", "set chk6 1", "set chk2 1",
                "set cboRow 2", "set cboDozen 2", "set cboLine 3"]
        for low, high, random in (("Text4", "Text5", "Check2"), ("Text6", "Text7", "Check3"),
                                  ("Text8", "Text9", "Check4")):
            cmds += ["set %s 0" % low, "set %s 0" % high, "set %s 0" % random]
        cmds += ["set Text18 1000", "press", WAIT] + spin(0) + ["show"] + spin(20) + ["show"] + \
            spin(0) + ["show"]
        r = self.run_ok(cmds)
        first, second, third = r.shows
        # Lines never share a number: 1-6, 7-12 and 13-18.
        self.assertEqual(first["state"]["CurrentBet"],
                         "Line 06/03,Line 12/09,Line 18/15,1st 12,2nd 12,Row 1,Row 2,")
        self.assertEqual(first["Label1"]["caption"], "Bet $1 on all chips shown.")
        self.assertEqual(chips(first), [("1", 4)] * 3 + [("1", 5)] * 4)
        self.assertTrue(all(c["tooltip"] == "" for c in first["chips"]))
        # 20 wins the 2nd dozen and Row 2 and loses the five others.
        s = second["state"]
        self.assertEqual(s["WinningBets"], ",2nd 12,Row 2")
        self.assertEqual(s["Wins"], 2)
        self.assertEqual(s["Balance"], 999)
        self.assertEqual(s["NetChips"], -1)
        # Chosen anew: the dozen and row just spun are left out; carried bets go on a step.
        self.assertEqual(s["CurrentBet"],
                         "Line 06/03,Line 12/09,Line 18/15,1st 12,3rd 12,Row 1,Row 3,")
        self.assertEqual([c["caption"] for c in second["chips"]],
                         ["1", "1", "1", "2", "1", "2", "1"])
        # A loss of all seven: the stakes differ, and the advice says so.
        self.assertGreater(len({c["caption"] for c in third["chips"]}), 1)
        self.assertEqual(third["Label1"]["caption"], "Bet the stake shown on each chip.")

    # A count box above 0 lets Super start, even with the dozens unwatched.
    SUPER_RED_BLACK = ["set BetStyle3 1", "set chk7_1 1", "set Text2 0", "set Text3 0", "set cboDozen 1",
                       "set Check1 0", "set Text18 1000"]

    def test_super_dozens_rows_and_colours_with_a_winner_and_losers(self):
        cmds = self.SUPER_RED_BLACK + ["set chk1 1", "set chk6 1", "set cboRow 2",
                                       "set cboDozen 2"]
        for low, high, random in (("Text4", "Text5", "Check2"), ("Text6", "Text7", "Check3")):
            cmds += ["set %s 0" % low, "set %s 0" % high, "set %s 0" % random]
        cmds += ["press", WAIT] + spin(0) + ["show"] + spin(3) + ["show"]
        first, second = self.run_ok(cmds).shows
        self.assertEqual(first["state"]["CurrentBet"], "1st 12,2nd 12,Row 1,Row 2,Red,Black,")
        self.assertEqual(first["Label1"]["caption"], "")
        self.assertEqual([c["tooltip"] for c in first["chips"]],
                         ["Bet 1 on 1st 12", "Bet 1 on 2nd 12", "Bet 1 on Row 1",
                          "Bet 1 on Row 2", "Bet 1 on Red", "Bet 1 on Black"])
        self.assertEqual(first["backColor"], "8454016")
        s = second["state"]
        self.assertEqual(s["WinningBets"], ",Red,1st 12")
        self.assertEqual(s["Wins"], 2)
        self.assertEqual(s["NetChips"], -1)
        self.assertEqual(s["Balance"], 999)
        # Losers carried on at their second element; the 3rd dozen opens beside them.
        self.assertEqual(s["CurrentBet"], "2nd 12,3rd 12,Row 1,Row 2,Black,")
        self.assertEqual([c["caption"] for c in second["chips"]], ["2", "1", "2", "2", "2"])

    def test_super_quit_now(self):
        # Both colours lose on zero after zero; the conservative limit quits at the 7th stake.
        cmds = self.SUPER_RED_BLACK + ["press", WAIT]
        for _ in range(7):
            cmds += spin(0)
        cmds += ["show"]
        s = self.run_ok(cmds).last
        self.assertEqual(s["Label1"]["caption"], "Quit NOW")
        self.assertEqual(s["backColor"], "192")
        self.assertEqual(s["Button1"]["caption"], "Start")
        self.assertEqual(s["state"]["Balance"], 1000 - 2 * (1 + 2 + 4 + 8 + 16 + 32))
        self.assertEqual(s["chips"], [])

    def test_super_wins_per_table_stop(self):
        cmds = self.SUPER_RED_BLACK + ["set cboWins 1", "press", WAIT] + spin(0) + spin(1)
        cmds += ["show", "click 2", "press", "show", "tick", "show"]
        carried, stopped, advised = self.run_ok(cmds).shows
        # Red won; Black is in progression and goes on.
        self.assertEqual(carried["state"]["CurrentBet"], "Black,")
        self.assertTrue(carried["state"]["BetOpen"])
        # Black won too: Red would only be starting, so nothing opens once the wins are in.
        self.assertFalse(stopped["state"]["BetOpen"])
        self.assertEqual(stopped["chips"], [])
        self.assertEqual(stopped["Label1"]["caption"], "Spin Only")
        self.assertEqual(advised["Label1"]["caption"], "Switch Table/Press Start")


if __name__ == "__main__":
    bvcli.main()
