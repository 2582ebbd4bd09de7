"""Casinos: creating one through the input box, recording spins, loading them again, the
history replay and deleting."""
import bvcli
from bvcli import CLASSIC_RED_BLACK, WAIT, spin

HISTORY = "CasinoHistory.dat"
NEW_ALPHA = ["answer Alpha", "set Casino New..."]
# A session that ended with a run open leaves it for the next one, which is asked first.
RESUME_NO = "answer no"


class Casinos(bvcli.CliTest):
    def record(self, numbers):
        cmds = NEW_ALPHA + list(CLASSIC_RED_BLACK) + ["press", WAIT]
        for n in numbers:
            cmds += spin(n)
        # Restart ends the run, so the next session is not asked to resume it.
        return self.run_ok(cmds + ["show", "menu mnuRestart"])

    def test_new_casino_records_every_spin(self):
        r = self.record([17, 0, 32])
        s = r.last
        self.assertEqual(s["casinos"], ["Select Casino", "New...", "Alpha"])
        self.assertEqual(s["controls"]["Casino"], "Alpha")
        self.assertEqual(s["state"]["RecordedSpins"], 3)
        self.assertEqual(s["caption"], "Brisvale - Total Spins: 3 - Spins This Table: 3 - Wins: 0 "
                                       "- Alpha - 3 Recorded Spins")
        self.assertEqual(s["Text1"], "     32\r\n   0\r\n17\r\n")
        self.assertEqual(s["messages"][0], {"title": "New Casino", "text": "Enter the Casino Name",
                                            "answer": "Alpha"})
        self.assertEqual(self.read_data(HISTORY), "index: 1\r\nname1: Alpha,17,0,32,\r\n")

    def test_choosing_the_casino_again_loads_its_history(self):
        self.record([17, 0, 32])
        r = self.run_ok(["set Casino Alpha", "show"])
        self.assertEqual(r.last["state"]["RecordedSpins"], 3)
        self.assertEqual(r.last["Text1"], "     32\r\n   0\r\n17\r\n")

    def test_cancelled_name_leaves_everything_alone(self):
        r = self.run_cli(["answer", "set Casino New...", "show", "set Casino New...", "show"])
        self.assertEqual(r.shows[0]["controls"]["Casino"], "Select Casino")
        self.assertEqual(r.shows[0]["messages"][0]["answer"], "")
        # Without a queued answer the box is cancelled and that is reported.
        self.assertEqual(len(r.errors), 1)
        self.assertEqual(r.returncode, 1)
        self.assertEqual(r.last["casinos"], ["Select Casino", "New..."])

    def test_names_are_single_byte_text(self):
        r = self.run_ok(["answer Café", "set Casino New...", "show"])
        self.assertEqual(r.last["casinos"][2], "Café")
        with open(self.data_file(HISTORY), "rb") as f:
            self.assertIn(b"name1: Caf\xe9,", f.read())

    def test_every_byte_of_a_name_goes_to_the_file_and_back(self):
        # A name may hold any byte from the blank up but the comma; the five bytes that
        # Windows-1252 leaves undefined read as U+0081 ... U+009D.
        raw = b"A" + bytes(b for b in range(0x20, 0x100) if b != 0x2C)
        name = "".join(chr(b) if b in (0x81, 0x8D, 0x8F, 0x90, 0x9D) else bytes([b]).decode("cp1252")
                       for b in raw)
        r = self.run_ok(["answer " + name, "set Casino New...", "show"])
        self.assertEqual(r.last["casinos"][2], name)
        with open(self.data_file(HISTORY), "rb") as f:
            self.assertEqual(f.read(), b"index: 1\r\nname1: " + raw + b",\r\n")
        self.assertEqual(self.run_ok(["show"]).last["casinos"][2], name)

    def test_replay_runs_the_recorded_spins_to_the_end(self):
        self.record([5, 1, 2])
        r = self.run_ok(["set Casino Alpha", "set Text18 1000", "press Command2", "show"])
        s = r.last
        self.assertFalse(s["state"]["ReplayMode"])
        self.assertEqual(s["state"]["TotalSpins"], 3)
        self.assertEqual(s["state"]["Wins"], 1)
        self.assertEqual(s["state"]["Balance"], 1001)
        self.assertEqual(s["state"]["RecordedSpins"], 3)
        self.assertEqual(self.read_data(HISTORY), "index: 1\r\nname1: Alpha,5,1,2,\r\n")

    def test_replay_asks_at_quit_now(self):
        # Black opens on 5 and loses six times: the conservative limit quits at the sixth.
        self.record([5, 1, 3, 5, 7, 9, 12, 2, 4])
        r = self.run_ok(["set Casino Alpha", "set Text18 1000", "answer no", "press Command2",
                         "show"])
        s = r.last
        self.assertEqual(s["Label1"]["caption"], "Quit NOW")
        self.assertEqual(s["messages"], [{"title": "Quit Now",
                                          "text": "Quit Now Has Came Up - Keep Testing?",
                                          "answer": "no"}])
        self.assertEqual(s["state"]["TotalSpins"], 7)
        self.assertFalse(s["state"]["ReplayMode"])
        unanswered = self.run_cli(["set Casino Alpha", "set Text18 1000", "press Command2"])
        self.assertEqual(unanswered.returncode, 1)
        self.assertEqual(len(unanswered.errors), 1)

    def test_delete_asks_first_and_returns_to_select_casino(self):
        self.record([7])
        r = self.run_ok(["set Casino Alpha", "answer no", "press Command1", "show",
                         "answer yes", "press Command1", "show"])
        kept, deleted = r.shows
        question = {"title": "Brisvale", "text": "Delete casino Alpha and its 1 recorded spins?"}
        self.assertEqual(kept["messages"], [dict(question, answer="no")])
        self.assertEqual(kept["casinos"], ["Select Casino", "New...", "Alpha"])
        self.assertEqual(deleted["messages"], [dict(question, answer="yes")])
        self.assertEqual(r.last["casinos"], ["Select Casino", "New..."])
        self.assertEqual(r.last["controls"]["Casino"], "Select Casino")
        self.assertEqual(r.last["Text1"], "")

    def test_two_casinos_keep_their_histories_across_restarts(self):
        setup = list(CLASSIC_RED_BLACK) + ["press", WAIT]
        self.run_ok(["answer Alpha", "set Casino New..."] + setup + spin(17) + spin(4))
        # The play style was saved when the first run ended.
        self.run_ok([RESUME_NO, "answer Beta", "set Casino New...", "press", WAIT] + spin(36)
                    + spin(0) + spin(9))
        r = self.run_ok([RESUME_NO, "set Casino Alpha", "show", "set Casino Beta", "show"])
        alpha, beta = r.shows
        self.assertEqual(alpha["casinos"], ["Select Casino", "New...", "Alpha", "Beta"])
        self.assertEqual(alpha["Text1"], "4\r\n17\r\n")
        self.assertEqual(beta["Text1"], "     9\r\n   0\r\n     36\r\n")
        self.assertEqual(beta["state"]["RecordedSpins"], 3)
        self.assertEqual(self.read_data(HISTORY),
                         "index: 1\r\nname1: Alpha,17,4,\r\nname2: Beta,36,0,9,\r\n")
        # Deleting Alpha leaves Beta's line whole, now under name1.
        r = self.run_ok(["set Casino Alpha", "answer yes", "press Command1", "show"])
        self.assertEqual(r.last["casinos"], ["Select Casino", "New...", "Beta"])
        self.assertEqual(self.read_data(HISTORY), "index: 1\r\nname1: Beta,36,0,9,\r\n")


if __name__ == "__main__":
    bvcli.main()
