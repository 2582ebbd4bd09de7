"""Settings across runs of the console on one data folder, and a damaged settings file."""
import os

import bvcli

SETTINGS = "brisvale-settings.txt"
CHANGES = ["set chk6 1", "set chk7_3 1", "set cboWager 5", "set cboSpins 5", "set Text18 2500",
           "set Check8 0", "set cboWins 7", "set cboTime 30", "set Option2 1", "set Text4 3",
           "set Text5 4"]


class SettingsRoundTrip(bvcli.CliTest):
    def test_first_start_writes_the_files_and_shows_conservative_classic(self):
        r = self.run_ok(["show"])
        self.assertTrue(os.path.exists(self.data_file(SETTINGS)))
        self.assertTrue(os.path.exists(self.data_file("brisvale-wagering.txt")))
        c = r.last["controls"]
        self.assertTrue(c["BetStyle1"])
        self.assertTrue(c["Option3"])
        self.assertFalse(c["Option2"])
        self.assertEqual(c["Chk8"], 0)
        self.assertEqual(r.last["Label35"], "Total Risk: N/A")
        self.assertEqual(r.last["Label1"]["caption"], "Configure Play Style and Press Start")
        self.assertEqual(r.last["caption"], "Brisvale - Total Spins: 0 - Spins This Table: 0 ")
        self.assertEqual(r.last["messages"], [])
        self.assertEqual((c["Text16"], c["Text17"]), ("60", "70"))

    def test_values_survive_closing_and_starting_again(self):
        first = self.run_ok(CHANGES + ["show"])
        self.assertEqual(first.last["Label12"], "Minimum Balance:$1000")
        self.assertEqual(first.last["Label41"], "$335 per spot")
        second = self.run_ok(["show"])
        # The single-number boxes show the multi-bet table of the chosen default set at start-up.
        restarted = dict(second.last["controls"])
        self.assertEqual((restarted.pop("Text16"), restarted.pop("Text17")), ("22", "38"))
        expected = dict(first.last["controls"])
        del expected["Text16"], expected["Text17"]
        self.assertEqual(restarted, expected)
        self.assertEqual((restarted["Text4"], restarted["Text5"]), ("3", "4"))
        self.assertTrue(restarted["Option2"])
        self.assertEqual(second.last["Label12"], "Minimum Balance:$1000")
        self.assertEqual(second.last["Label41"], "$335 per spot")
        self.assertEqual(second.last["state"]["UnitWager"], 5)
        self.assertEqual(second.last["state"]["SpinInterval"], 5)
        self.assertEqual(second.last["messages"], [])

    def test_exit_saves_and_ends_the_script(self):
        r = self.run_ok(["set cboWager 7", "menu mnuExit", "show", "bogus command"])
        self.assertEqual(r.shows, [])
        again = self.run_ok(["show"])
        self.assertEqual(again.last["controls"]["cboWager"], "7")

    def test_default_settings_menu_restores_after_yes(self):
        self.run_ok(CHANGES)
        r = self.run_ok(["answer no", "menu mnuLoadSettings", "show",
                         "answer yes", "menu mnuLoadSettings", "show"])
        kept, restored = r.shows
        self.assertEqual(kept["messages"], [{"title": "Default Settings",
                                             "text": "Confirm Restore Default Settings",
                                             "answer": "no"}])
        self.assertEqual(kept["controls"]["cboWager"], "5")
        self.assertEqual(restored["messages"][0]["answer"], "yes")
        self.assertEqual(restored["controls"]["cboWager"], "1")
        self.assertTrue(restored["controls"]["Option3"])
        fresh = bvcli.run(os.path.join(self.tmp, "fresh"), ["show"])
        self.assertEqual(restored["controls"], fresh.last["controls"])

    def test_a_question_without_an_answer_is_answered_no_and_reported(self):
        self.run_ok(CHANGES)
        r = self.run_cli(["menu mnuLoadSettings", "show"])
        self.assertEqual(r.returncode, 1)
        self.assertEqual(len(r.errors), 1)
        self.assertTrue(r.errors[0].startswith("error: "))
        self.assertEqual(r.last["messages"][0]["answer"], "no")
        self.assertEqual(r.last["controls"]["cboWager"], "5")


class DamagedSettings(bvcli.CliTest):
    DAMAGED = b"index: 1\r\nchk1: 0\r\nchk2: banana\r\n"

    def test_damaged_file_is_kept_and_defaults_loaded_once(self):
        os.makedirs(self.data)
        with open(self.data_file(SETTINGS), "wb") as f:
            f.write(self.DAMAGED)
        r = self.run_ok(["show"])
        messages = r.last["messages"]
        self.assertEqual(len(messages), 1)
        self.assertEqual(messages[0]["title"], "Brisvale")
        self.assertIn(SETTINGS + ".bad", messages[0]["text"])
        with open(self.data_file(SETTINGS + ".bad"), "rb") as f:
            self.assertEqual(f.read(), self.DAMAGED)
        fresh = bvcli.run(os.path.join(self.tmp, "fresh"), ["show"])
        self.assertEqual(r.last["controls"], fresh.last["controls"])
        again = self.run_ok(["show"])
        self.assertEqual(again.last["messages"], [])


if __name__ == "__main__":
    bvcli.main()
