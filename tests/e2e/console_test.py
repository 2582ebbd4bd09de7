# SPDX-License-Identifier: GPL-3.0-or-later
# The console's contract: invocation, lines and commands, errors and exit status, refused
# actions, messages and answers, the members of show, the key command.
import os, subprocess

import bvcli
from bvcli import CLASSIC, WAIT


class Console(bvcli.CliTest):
    def test_options_and_scripts(self):
        for args, status, out in (["--version"], 0, "brisvale-cli "), (["--help"], 0, "key KEY"), \
                (["--bogus"], 1, ""), (["--seed", "abc"], 1, ""):
            r = subprocess.run([bvcli.CLI] + args, input="", capture_output=True, text=True)
            self.assertEqual(r.returncode, status, args)
            self.assertIn(out, r.stdout)
            self.assertTrue(r.returncode == 0 or r.stderr.startswith("error: "), r.stderr)
        # Scripts run in order; a missing one is an error and the next still runs.
        scripts = [self.write("a", b"set cboWager 3\n", self.tmp), self.tmp + "/missing",
                   self.write("b", b"show\n", self.tmp)]
        r = bvcli.run(self.data, args=scripts)
        self.assertEqual((r.returncode, len(r.errors), r.last["controls"]["cboWager"]), (1, 1, "3"))

    def test_data_folder_seed_and_debug_log(self):
        xdg = os.path.join(self.tmp, "xdg")
        self.assertEqual(bvcli.run(None, env={"XDG_DATA_HOME": xdg}).returncode, 0)
        self.assertTrue(os.path.exists(os.path.join(xdg, "brisvale", "brisvale-settings.txt")))
        # The same seed and commands give the same output; the Random draws follow the seed.
        cmds = ["set chk7 1", "set Text18 100", "press", "show"]
        runs = [bvcli.run(os.path.join(self.tmp, str(n)), cmds, seed=n % 4 + 1) for n in range(8)]
        self.assertEqual(runs[0].stdout, runs[4].stdout)
        # The Conservative Classic Even pair is 6..7.
        self.assertEqual({r.last["state"]["StartThreshold"][0] for r in runs}, {6, 7})
        self.write("debug.txt", b"")
        kept = self.run_cli([]) and self.read("debug.txt")
        self.run_cli([], args=["-d"])
        self.assertEqual((kept, self.read("debug.txt")), (b"", None))

    def test_lines_and_values(self):
        r = bvcli.run(self.data, ["# a comment\r\n\r\n   \r\nset chk6 1\r\nshow\r"])
        self.assertEqual((r.errors, r.last["controls"]["chk6"]), ([], 1))
        # Lone CR line ends, a long line, no line end after the last command.
        r = subprocess.run([bvcli.CLI, "--data-dir", self.data], capture_output=True, text=True,
                           input="set cboWager 3\r# " + "x" * 200000 + "\rshow")
        self.assertEqual(bvcli.Result(r).last["controls"]["cboWager"], "3")
        # A value is the rest of the line after the single blank that ends the name.
        r = self.run_cli(["set Text2 1 2", "set Text18  250 ", "show"])
        self.assertEqual((r.last["controls"]["Text2"], r.last["Text18"], r.last["messages"]),
                         ("1 2", " 250 ", [{"title": "Brisvale", "text": "Value must be numeric!"}]))

    def test_every_error_is_one_line_and_later_commands_still_run(self):
        bad = ["bogus", "click x", "click 1 2", "tick -1", "flip now", "press a b", "menu",
               "menu mnuTop 3", "menu mnuCasino", "close nothing", "set", "show extra", "key",
               "key 14", "chip 5", "set NoSuchBox 1", "set cboSpins 10", "set Check2 7",
               "set frmWagering.Text1 1,Q", "press frmWagering.Command2", "close frmWagering",
               "menu mnuCasino 0"]
        r = bvcli.run(self.data, bad + ["set cboWager 2", "show"])
        self.assertEqual((len(r.errors), r.returncode, r.last["controls"]["cboWager"]), (len(bad), 1, "2"))
        self.assertEqual(r.errors[13:18], ["error: no key named 14", "error: chip 5 is hidden",
                                           "error: no control named NoSuchBox",
                                           'error: cboSpins has no entry "10"',
                                           "error: a check box takes 0 or 1"])

    def test_refused_actions_change_nothing(self):
        # A disabled button or box, and the main window while the wagering dialog is open.
        dialog = "error: the Custom Wagering dialog is open"
        r = self.run_cli(["set chk6 1", "set Text18 1000", "press", "press", "set chk1 1",
                          "menu mnuProg", "set chk6 0", "click 5", "flip", "menu mnuTop", "key 5",
                          "press frmWagering.Command3", "show"],
                         errors=["error: Button1 is disabled", "error: chk1 is disabled"] +
                         [dialog] * 5)
        self.assertEqual((r.last["controls"]["chk6"], r.last["controls"]["chk1"], r.last["Button1"]["caption"],
                          r.last["state"]["SpinPending"], r.last["state"]["BoardFlipped"], r.last["alwaysOnTop"]),
                         (1, 0, "Submit", False, False, False))

    def test_messages_opened_pages_and_answers(self):
        r = self.run_cli(["menu mnuAbout", "menu mnuInstructions", "show", "show",
                          "answer no", "menu mnuLoadSettings", "set cboWager 5", "answer yes",
                          "menu mnuLoadSettings", "show"])
        first, second, answered = r.shows
        # Without an instructions page the guide opens, and no web page is announced.
        self.assertEqual(([m["title"] for m in first["messages"]], first["opened"], first["guide"]),
                         (["About Brisvale"], [], True))
        self.assertEqual((second["messages"], second["opened"], second["guide"]), ([], [], False))
        question = {"title": "Default Settings", "text": "Confirm Restore Default Settings"}
        self.assertEqual((answered["messages"], answered["controls"]["cboWager"]),
                         ([dict(question, answer="no"), dict(question, answer="yes")], "1"))
        # A question without a queued answer is answered No, and that is an error.
        r = bvcli.run(self.data, ["set cboWager 5", "menu mnuLoadSettings", "show"])
        self.assertEqual((r.returncode, len(r.errors), r.last["messages"], r.last["controls"]["cboWager"]),
                         (1, 1, [dict(question, answer="no")], "5"))

    def test_typed_digits_and_enter(self):
        # A second digit within a second joins the first, a tick (one second) parts them; Enter
        # presses Button1, and is refused during the spin wait with the seconds still to wait.
        r = self.run_cli(CLASSIC + ["key Enter", "key Enter", "key 1", "key 4", "show", WAIT, "key 1",
                                    "tick", "key 7", "key Enter", "show"], errors=["error: Wait 4 s for the next spin"])
        self.assertEqual(r.shows[0]["state"]["SpinNumber"], 14)
        self.assertEqual((r.last["state"]["TotalSpins"], r.last["Text1"].strip()), (1, "7"))

    def test_after_the_advice_to_stop_only_a_press_starts_a_run(self):
        # Black opens on 5 and its sequence quits at the next loss (3): Enter and a digit are
        # refused, an error line each, and change nothing; press starts the new run.
        quit = ["menu mnuProg", "set frmWagering.Text1 1,Q", "press frmWagering.Command2"] + CLASSIC + \
            ["press", WAIT, "click 5", "press", WAIT, "click 3", "press", "show", "key Enter", "key 7", "show"]
        r = self.run_cli(quit + [WAIT, "press", "show"], errors=["error: Press Start to begin a new run."] * 2)
        ended, refused, started = r.shows
        self.assertEqual((ended["Label1"]["caption"], ended["Button1"]["caption"]), ("Quit NOW", "Start"))
        self.assertEqual(bvcli.window(refused), bvcli.window(ended))
        self.assertEqual((started["Button1"]["caption"], started["state"]["TableSpins"]), ("Submit", 0))

    def test_super_chips_are_captioned_and_none_stays_beside_quit_now(self):
        # Super on Red/Black and the dozens at 0: Black and the 2nd dozen open on 5; 3 loses
        # Black at its quit mark and takes the 2nd dozen's chip with it.
        super_ = ["menu mnuProg", "set frmWagering.Text1 1,Q", "press frmWagering.Command2", "set BetStyle3 1", "set Check8 0",
                  "set chk6 1", "set cboDozen 1", "set Check2 1", "set Text5 0", "set Text4 0", "set Check2 0"]
        r = self.run_cli(super_ + CLASSIC + ["press", WAIT, "click 5", "press", "show", WAIT, "click 3", "press",
                                             "show"])
        opened, quit = r.shows
        self.assertEqual((opened["Label1"]["caption"], [c["caption"] for c in opened["chips"]]),
                         ("Bet $1 on all chips shown.", ["1", "1"]))
        self.assertEqual((quit["Label1"]["caption"], quit["chips"]), ("Quit NOW", []))

    def test_replay_history_asks_before_it_ends_a_live_run(self):
        live = ["answer Alpha", "set Casino New..."] + CLASSIC + ["press", WAIT, "click 17", "press", WAIT,
                                                                  "click 4", "show"]
        question = "Replaying ends the current run. Replay the history of Alpha?"
        r = self.run_cli(live + ["answer no", "press Command2", "show"])
        before, after = r.shows
        self.assertEqual([(m["text"], m["title"], m["answer"]) for m in after["messages"]],
                         [(question, "Brisvale", "no")])
        self.assertEqual(bvcli.window(after), bvcli.window(before))
        # Yes ends the run as Restart does, and the replay plays the one recorded spin.
        r = self.run_cli(["answer yes", "press", WAIT, "answer yes", "press Command2", "show"])
        self.assertEqual([m["text"] for m in r.last["messages"]][1:], [question])
        self.assertEqual((r.last["state"]["TableSpins"], r.last["state"]["RecordedSpins"],
                          r.last["Button1"]["caption"], r.last["state"]["ReplayMode"]), (2, 2, "Submit", False))


if __name__ == "__main__":
    bvcli.main()
