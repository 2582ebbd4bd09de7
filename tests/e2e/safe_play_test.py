# SPDX-License-Identifier: GPL-3.0-or-later
# Safer play through brisvale-cli: `limits` and `set-limit` (a tighter limit at once, a looser
# one a day later, kept in the data folder), the advice to stop at a limit and undo across it,
# the reality check answered with `answer`, the session's figures in `show`, and the stops at
# the balance.
import datetime

import bvcli
from bvcli import CLASSIC, WAIT, spins

NAMES = ["loss-session", "loss-day", "win-session", "time-day", "reality-check"]


def entry(value=None, pending=None, applies=None):
    return {"value": value, "pending": pending, "applies": applies}


class SafePlay(bvcli.CliTest):
    def test_limits_tighten_at_once_and_loosen_a_day_later(self):
        r = self.run_cli(["limits", "set-limit loss-session 50", "set-limit win-session 500",
                          "set-limit loss-session 80", "set-limit time-day 90",
                          "set-limit time-day none", "set-limit reality-check 30", "limits",
                          "set-limit loss-week 5", "set-limit reality-check 45",
                          "set-limit loss-day ten", "set-limit loss-day", "limits"],
                         errors=['error: no limit named "loss-week" (loss-session, loss-day, '
                                 'win-session, time-day, reality-check)',
                                 "error: reality-check takes 0 (off), 15, 30, 60 or 120 minutes",
                                 'error: loss-day takes a number or none, not "ten"',
                                 "error: set-limit takes a limit's name and a value (a number, "
                                 "or none)"])
        first, second, third = r.shows
        self.assertEqual(first, dict({n: entry() for n in NAMES},
                                     **{"reality-check": entry(60), "reached": None}))
        applies = second["loss-session"]["applies"]
        when = datetime.datetime.fromisoformat(applies)
        self.assertLess(abs(when - datetime.datetime.now() - datetime.timedelta(days=1)),
                        datetime.timedelta(minutes=5))
        self.assertEqual(second, {"loss-session": entry(50, 80, applies), "loss-day": entry(),
                                  "win-session": entry(500), "time-day": entry(90, None, applies),
                                  "reality-check": entry(30), "reached": None})
        # Refused values change nothing, and the limits are there for the next session.
        self.assertEqual(third, second)
        self.assertEqual(self.run_cli(["limits"]).last, second)

    def test_a_loss_limit_stops_the_advice_and_undo_lifts_the_stop(self):
        r = self.run_cli(["set-limit loss-session 3"] + CLASSIC + ["press", WAIT] +
                         spins(5, 3) + ["click 1", "show", "press", "show", "limits", "undo",
                                        "show", "limits", "redo", "show", "tick 4", "press",
                                        "show"])
        before, stopped, reached, undone, lifted, redone, again = r.shows
        self.assertEqual((before["Label1"]["caption"], before["session"]),
                         ("Bet $2 on Black",
                          {"seconds": 12, "spins": 2, "staked": 1, "won": 0, "net": -1}))
        # The spin settles, then no bet is advised.
        self.assertEqual((stopped["Label1"]["caption"], stopped["backColor"],
                          stopped["Button1"]["caption"], stopped["chips"], stopped["Text18"],
                          stopped["session"]["net"], stopped["session"]["staked"]),
                         ("Loss limit reached: stop now", "192", "Start", [], "997", -3, 3))
        self.assertEqual((reached["reached"], lifted["reached"], redone["Label1"]["caption"]),
                         ("loss-session", None, "Loss limit reached: stop now"))
        self.assertEqual((bvcli.window(undone), undone["session"]), (bvcli.window(before), before["session"]))
        # A Start while the limit is reached starts nothing.
        self.assertEqual((again["Label1"]["caption"], again["Button1"]["caption"],
                          again["state"]["TotalSpins"]),
                         ("Loss limit reached: stop now", "Start", 3))

    def test_the_reality_check_holds_play_until_answered(self):
        # Long at the table: no table-switch advice in the way.
        check = ["set-limit reality-check 15", "set cboTime 999"] + CLASSIC + ["press", WAIT] + \
            spins(5)
        r = self.run_cli(check + ["tick 900", "click 3", "press", "show", WAIT, "click 2",
                                  "press", "key Enter", "answer keep", "show", "press", "show",
                                  # An answer queued before the check comes is its answer.
                                  WAIT, "tick 900", "answer stop", "click 7", "press", "show"],
                         errors=["error: Answer the reality check first."] * 2)
        waiting, answered, played, stopped = r.shows
        self.assertEqual(waiting["realityCheck"],
                         "You have played for 0:15:08.\r\n\r\nSpins: 2\r\nStaked: $1\r\nWon: $0"
                         "\r\nNet since the session started: -$1\r\nNet of this run: -$1")
        self.assertEqual((waiting["state"]["TotalSpins"], waiting["Text18"]), (2, "999"))
        self.assertEqual((answered["messages"], answered["realityCheck"]),
                         ([{"title": "Reality check", "text": waiting["realityCheck"].replace(
                             "0:15:08", "0:15:12"), "answer": "keep"}], None))
        self.assertEqual((played["state"]["TotalSpins"], played["Text18"]), (3, "1001"))
        # "Stop here" ends the run as Restart does; the spin that brought the check settled.
        self.assertEqual((stopped["Button1"]["caption"], stopped["state"]["TotalSpins"],
                          stopped["realityCheck"], stopped["messages"][-1]["answer"]),
                         ("Start", 4, None, "stop"))

    def test_no_stake_above_the_balance_and_a_low_start_asks(self):
        question = ("Your balance is below the minimum balance of $100 for this wager. "
                    "Start anyway?")
        r = self.run_cli(CLASSIC + ["set Text18 20", "press", "show", "answer yes", "press",
                                    WAIT] + spins(5, 3, 1, 1, 1) + ["show", "key Enter"],
                         errors=['error: no answer queued for the question "%s": answered no'
                                 % question, "error: Press Start to begin a new run."])
        refused, stopped = r.shows
        self.assertEqual((refused["Button1"]["caption"], refused["messages"]),
                         ("Start", [{"title": "Brisvale", "text": question, "answer": "no"}]))
        self.assertEqual((stopped["Label1"]["caption"], stopped["backColor"], stopped["chips"],
                          stopped["Button1"]["caption"], stopped["Text18"], stopped["session"]["staked"]),
                         ("Balance too low: stop now", "192", [], "Start", "5", 15))


if __name__ == "__main__":
    bvcli.main()
