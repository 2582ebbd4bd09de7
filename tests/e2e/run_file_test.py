# SPDX-License-Identifier: GPL-3.0-or-later
# The run file: the run under the names of the game, and a file of the first version (written by
# Brisvale 0.1.0 during a Multi run at a casino, a spin clicked and not yet submitted) still
# resumes to what that program showed before it closed.
import copy, json, os, pathlib, re, shutil

import bvcli
from bvcli import WAIT, spins

RUN = "run.json"
V1 = pathlib.Path(__file__).with_name("data") / "run_v1"
# Control names of the window: none of them is a key of the run file.
CONTROL = re.compile(r"\b(Button1|Text1[0-9]?|chk[0-9]|Chk8|cbo[A-Z][a-z]+|Label[0-9]+|Picture[0-9])\b")
# And the others, whole: the first misses chk7_1 and the indexed arrays (Text, Check, ...).
WHOLE = re.compile(r"^(chk\w*|Chk8|Check\d*|Text\d*|Option\d|BetStyle\d*|Command\d|Combo\d|"
                   r"Label\d+|Picture\d|cbo\w+|cmdMore|Casino|frmWagering|Button\d|howMany)$")


def controls(names):
    return [k for k in names if CONTROL.search(k) or WHOLE.match(k)]
# A Multi run with thresholds, counts and a changed sequence, so that every part is in use.
MULTI = ["set BetStyle2 1", "set cboRow 2", "set cboDozen 1", "set chk1 1", "set Text4 0",
         "set Text5 1", "set Check2 0", "set chk6 1", "set Text6 0", "set Text7 2",
         "set Check3 0", "menu mnuProg", "set frmWagering.Text2 1,2,4,Q", "press frmWagering.Command2",
         "set Text18 1000", "press", WAIT]


# The shape of the first version: the run under the window's control names, items 0 of the
# indexed controls unused; the state's own names began with a capital, but for those kept and
# those renamed.
KEPT = {"acceptsPress", "advancedShown", "betSteps", "runTally", "settled", "sleepers"}
RENAMED = dict(betLists="lists", startThresholds="StartThreshold")
FAMILIES = ["even", "dozen", "row", "line", "corner", "trio", "split", "single"]
BOXES = dict(row=1, line=2, corner=3, trio=4, split=5, dozen=6, evenBets=7)
SEQUENCES = dict(sequences="WagerSequence", autoIncrease="AutoIncrease",
                 increaseChips="IncreaseChips", increaseSteps="IncreaseSteps")
CONTROLS = dict(picture="Picture4", startButton="Button1", adviceLabel="Label1",
                historyBox="Text1", aggressiveDefaults="Option2", conservativeDefaults="Option3",
                unitWagerList="cboWager", spinIntervalList="cboSpins", winLimitList="cboWins",
                timeLimitList="cboTime", casinoList="Casino", moreButton="cmdMore",
                deleteCasinoButton="Command1", replayButton="Command2",
                minimumBalanceLabel="Label12", totalRiskLabel="Label35", betCycleLabel="Label41")


def first_version_form(w):
    text, check, option = {"text": "", "enabled": True}, {"value": 0, "enabled": True}, \
        {"value": False, "enabled": True}
    f = {k: w[k] for k in ("caption", "height", "backColor", "alwaysOnTop", "focus",
                           "focusRequests", "board", "chips", "marker")}
    f.update({old: w[new] for new, old in CONTROLS.items()})
    f["Text"], f["Check"] = [text] * 19, [check] * 10
    f["highLabelEnabled"] = [False] * 10
    f["Text"][18] = w["balanceBox"]
    for k, name in enumerate(FAMILIES):
        t, random = w["thresholds"][name], 9 if k == 7 else k + 1
        f["Text"][2 + 2 * k], f["Text"][3 + 2 * k] = t["low"], t["high"]
        f["Check"][random], f["highLabelEnabled"][random] = t["random"], t["highLabelEnabled"]
    f["Check"][8] = w["conservativeBetting"]
    f["BetStyle"] = [option] + [w["styles"][s] for s in ("classic", "multi", "super")]
    boxes = w["familyBoxes"]
    f["chk"] = [check] + [boxes[n] for n in sorted(BOXES, key=BOXES.get)]
    f["chk7_"] = [check] + [boxes[n] for n in ("redBlack", "oddEven", "highLow")]
    f["Chk8"] = boxes["single"]
    f["howMany"] = [w["counts"][n] for n in FAMILIES[1:]]
    d = w["wageringDialog"]
    f["frmWagering"] = {"open": d["open"], "Text": [text] + [d["sequences"][n] for n in FAMILIES],
                        "Check1": d["autoIncrease"], "Combo1": d["increaseChips"],
                        "Combo2": d["increaseSteps"]}
    return f


def first_version_state(s):
    capital = lambda k: RENAMED.get(k, k if k in KEPT else k[0].upper() + k[1:])
    old = {capital(k): v for k, v in s.items() if k not in ("minimumWager", "wagering", "window", "phase")}
    old["wager"] = {capital(k): v for k, v in s["minimumWager"].items()}
    old["wagering"] = {SEQUENCES[k]: v for k, v in s["wagering"].items()}
    old["form"] = first_version_form(s["window"])
    # Those after 0.1.0 also kept the phase, by its number.
    old["phase"] = ["idle", "playing", "quit", "switchTable"].index(s["phase"])
    return old


def keys(j):
    if isinstance(j, dict):
        for k, v in j.items():
            yield k
            yield from keys(v)
    elif isinstance(j, list):
        for v in j:
            yield from keys(v)


class RunFile(bvcli.CliTest):
    def test_a_file_of_the_first_version_resumes_as_it_was_shown(self):
        os.makedirs(self.data)
        for f in V1.iterdir():
            if f.name != "shown_before.json":
                shutil.copy(f, self.data)
        # Its settings file held the run's own values, one a line after the index; the file is
        # read by position, so the names matter not.
        settings = json.loads((V1 / RUN).read_text(encoding="utf-8"))["settings"]
        self.write("brisvale-settings.txt", b"index: 1\r\n" + b"".join(
            b"Setting%d: %d\r\n" % (k, v) for k, v in enumerate(settings)))
        before = json.loads((V1 / "shown_before.json").read_text(encoding="utf-8"))
        r = self.run_cli(["answer yes", "show"])
        after = r.last
        self.assertRegex(after["messages"][0]["text"],
                         r"^Resume the run of .* \(7 spins, balance \$1249\) at Café “Zürich” \\ €")
        # All but what tells of the moment: the messages and the undo history, which a file of
        # that version does not hold.
        shown, resumed = bvcli.window(before), bvcli.window(after)
        # The session's figures begin with each program: that version showed none.
        self.assertEqual(resumed.pop("session"), {"spins": 0, "staked": 0, "won": 0, "net": 0})
        self.assertEqual(resumed, shown)
        # The run goes on, and is kept again in the present version.
        r = self.run_cli(["answer yes", "press", WAIT, "show"])
        self.assertEqual((r.last["state"]["TotalSpins"], r.last["Text1"].split("\r\n")[0].strip()),
                         (8, "12"))
        written = json.loads(self.read(RUN))
        self.assertEqual((written["version"], controls(keys(written))), (2, []))

    # Closed with a bet open and an undo history, at a casino: the file names no control, and
    # the same run written in the first version's shape resumes with its undo history too.
    def test_the_file_names_no_control_and_its_first_version_resumes_alike(self):
        self.run_cli(["answer Alpha", "set Casino New..."] + MULTI + spins(17, 4, 0, 20, 9))
        written = json.loads(self.read(RUN))
        self.assertIn("undo", written)
        names = list(keys(written))
        self.assertGreater(len(names), 200)
        self.assertEqual(controls(names), [])
        self.assertEqual((written["state"]["window"]["startButton"]["caption"], written["state"]["phase"]),
                         ("Submit", "playing"))
        # The patterns do catch the names they are there for, and only those.
        self.assertEqual(controls(["chk7_1", "cboWager", "Text18", "Label41", "Picture4", "Text",
                                   "Check", "BetStyle", "frmWagering", "casinoList", "balanceBox",
                                   "startButton", "chips", "text"]),
                         ["chk7_1", "cboWager", "Text18", "Label41", "Picture4", "Text", "Check",
                          "BetStyle", "frmWagering"])
        old = dict(copy.deepcopy(written), version=1, state=first_version_state(written["state"]))
        for point in old["undo"]["history"]["checkpoints"]:
            point["state"]["state"] = first_version_state(point["state"]["state"])
        self.assertIn("Button1", keys(old))
        backwards = ["answer yes", "show"] + ["undo", "show"] * 4
        shows, folder = [], self.data
        for run in (written, old):
            # Each from a copy of the folder (undoing takes the spins back out of the casino's
            # file); the present version from the very bytes the program wrote.
            self.data = os.path.join(self.tmp, str(run["version"]))
            shutil.copytree(folder, self.data)
            if run is old:
                self.write(RUN, json.dumps(run).encode())
            r = self.run_cli(backwards)
            shows.append([bvcli.window(s) for s in r.shows])
        self.assertEqual([s["state"]["TotalSpins"] for s in shows[0]], [5, 4, 3, 2, 1])
        self.assertEqual(shows[0][0]["Button1"]["caption"], "Submit")
        self.assertEqual(shows[1], shows[0])

if __name__ == "__main__":
    bvcli.main()
