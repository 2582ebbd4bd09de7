"""The checks made when Start is pressed, and the numeric check of the threshold boxes."""
import bvcli

IDLE = {"caption": "Configure Play Style and Press Start", "visible": True}


class StartChecks(bvcli.CliTest):
    def test_messages_in_order(self):
        r = self.run_ok(["press", "show",
                         "set chk6 1", "set Text18 ", "press", "show",
                         "set Text18 12a", "press", "show",
                         "set Text18 1000", "press", "show"])
        no_style, no_balance, not_numeric, started = r.shows
        msg = lambda s: [(m["title"], m["text"]) for m in s["messages"]]
        self.assertEqual(msg(no_style), [("Brisvale", "Play Style is not properly set up")])
        self.assertEqual(msg(no_balance), [("Brisvale", "You need to enter your account balance.")])
        self.assertEqual(no_balance["focus"], "Text18")
        self.assertEqual(msg(not_numeric), [("Brisvale", "Enter numbers only.")])
        self.assertEqual(not_numeric["Text18"], "")
        for s in (no_style, no_balance, not_numeric):
            self.assertEqual(s["Button1"], {"caption": "Start", "enabled": True})
            self.assertEqual(s["Label1"], IDLE)
            self.assertEqual(s["disabled"].count("chk6"), 0)
        self.assertEqual(msg(started), [])
        self.assertEqual(started["Button1"]["caption"], "Submit")

    def test_grey_even_bets_box_is_a_play_style(self):
        r = self.run_ok(["set chk7_2 1", "show", "set Text18 1", "press", "show"])
        self.assertEqual(r.shows[0]["controls"]["chk7"], 2)
        self.assertEqual(r.last["messages"], [])
        self.assertEqual(r.last["Button1"]["caption"], "Submit")

    def test_low_above_high_stops_the_start(self):
        r = self.run_ok(["set chk6 1", "set Text18 100", "set Text4 20", "set Text5 10",
                         "set Text6 30", "set Text7 1", "press", "show"])
        self.assertEqual([m["text"] for m in r.last["messages"]], ["Low Dozen value is invalid"])
        self.assertEqual(r.last["Button1"]["caption"], "Start")
        self.assertEqual(r.last["Label1"], IDLE)

    def test_threshold_boxes_must_hold_numbers(self):
        r = self.run_ok(["set Text2 abc", "show", "set Text2 12", "show"])
        self.assertEqual(r.shows[0]["messages"], [{"title": "Brisvale",
                                                   "text": "Value must be numeric!"}])
        self.assertEqual(r.shows[0]["focus"], "Text2")
        self.assertEqual(r.shows[1]["messages"], [])

    def test_random_box_enables_its_high_box(self):
        r = self.run_ok(["set Check2 0", "show", "set Check2 1", "show"])
        off, on = r.shows
        self.assertIn("Text5", off["disabled"])
        self.assertNotIn("Text5", on["disabled"])

    def test_even_bets_box_ticks_its_pairs(self):
        r = self.run_ok(["set chk7 1", "show", "set chk7_2 0", "show", "set chk7_1 0",
                         "set chk7_3 0", "show"])
        pairs = lambda s: [s["controls"][n] for n in ("chk7", "chk7_1", "chk7_2", "chk7_3")]
        self.assertEqual(pairs(r.shows[0]), [1, 1, 1, 1])
        self.assertEqual(pairs(r.shows[1]), [2, 1, 0, 1])
        self.assertEqual(pairs(r.shows[2]), [0, 0, 0, 0])


if __name__ == "__main__":
    bvcli.main()
