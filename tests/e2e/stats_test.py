"""`stats`: the statistics panel as one line of JSON."""
import bvcli


class Stats(bvcli.CliTest):
    def test_a_classic_win_as_the_panel_shows_it(self):
        # Red/Black at threshold 0: Black opens on the first spin and wins on 4.
        r = self.run_ok(["stats"] + bvcli.CLASSIC_RED_BLACK + ["press", bvcli.WAIT] +
                        bvcli.spin(17) + ["click 4", "press", "stats"])
        before, after = r.shows
        self.assertEqual(before["balance"], [])
        bets = {b["label"]: b for b in after["bets"]}
        self.assertEqual(len(after["bets"]), 150)
        self.assertEqual(after["bets"][0]["label"], "1st 12")
        self.assertEqual(bets["Black"], dict(bets["Black"], family="Even", slept=0, threshold=0))
        self.assertEqual((bets["Red"]["slept"], bets["Single 36"]["family"]), (1, "Single"))
        numbers = after["numbers"]
        self.assertEqual(len(numbers), 37)
        self.assertEqual(numbers[4], dict(numbers[4], table=1, history=0, last=0))
        self.assertEqual((numbers[17]["last"], numbers[5]["last"]), (1, None))
        self.assertEqual(after["balance"], [1000, 1000, 1001])

    def test_it_takes_no_arguments(self):
        r = self.run_cli(["stats now"])
        self.assertEqual((r.returncode, r.errors), (1, ["error: stats takes no arguments"]))


if __name__ == "__main__":
    bvcli.main()
