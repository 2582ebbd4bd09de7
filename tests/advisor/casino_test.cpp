// SPDX-License-Identifier: GPL-3.0-or-later
// Casinos and the history replay: creating, recording, reloading and deleting, the history file
// as a user may find it, failed writes, and replays of what was recorded.

#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

class Casinos : public AdvisorFixture {
  protected:
    // A folder stands where the file should be (as a full disk would refuse it), or goes again.
    void block(const std::filesystem::path& file, bool on) {
        if (!on) std::filesystem::remove(file);
        std::filesystem::rename(on ? file : dir / "aside", on ? dir / "aside" : file);
        if (on) std::filesystem::create_directory(file);
    }
};

// What the user is told of a spin not written to the history file, and of one lost at the end.
const std::string kKept =
    "Brisvale could not write to CasinoHistory.dat. The spin was kept and will be written with the "
    "next one.";
const std::string kLost =
    "Brisvale could not write to CasinoHistory.dat. The last spin of Alpha was not kept.";

// Classic play on Red/Black that never bets: every press only counts and records its spin.
#define WATCH "chk7_1=1 even:50 Text18=1000 Button1 "
// Alpha with four recorded spins, opened again after a restart.
#define ALPHA \
    "answer:Alpha Casino=New... " WATCH "5 3 2 17 menu:mnuRestart close restart Casino=Alpha "

TEST_F(Casinos, Recording) {
    const Scenario scenarios[] = {
        "a new casino records its spins and is found again :: answer:Alpha Casino=New... => "
        "boxes=Enter the Casino Name; casinos=Select Casino,New...,Alpha; Casino=Alpha; "
        "recorded=0; historyfile=index: 1/name1: Alpha,/ || " WATCH
        "17 0 32 tick => historyfile=index: 1/name1: Alpha,17,0,32,/; recorded=3; caption=Brisvale "
        "- Total Spins: 3 - Spins This Table: 3 - Wins: 0 - Alpha - 3 Recorded Spins",
        "Select Casino ends the recording visibly :: answer:Alpha Casino=New... " WATCH
        "4 Casino=Select~Casino tick => caption=Brisvale - Total Spins: 1 - Spins This Table: 1 - "
        "Wins: 0  || 9 => historyfile=index: 1/name1: Alpha,4,/; recorded=0",
        "the timer's caption follows a casino chosen between two ticks :: answer:Alpha "
        "Casino=New... tick answer:Beta Casino=New... tick => caption=Brisvale - Total Spins: 0 - "
        "Spins This Table: 0 - Wins: 0 - Beta - 0 Recorded Spins",
        "no name, or the box cancelled, changes nothing and ends the recording :: answer: "
        "Casino=New... => Casino=Select Casino; casinos=Select Casino,New... || answer:Alpha "
        "Casino=New... Casino=New... => Casino=Select Casino; casinos=Select Casino,New...,Alpha; "
        "recorded=0 || " WATCH "3 => historyfile=index: 1/name1: Alpha,/",
    };
    for (const Scenario& s : scenarios) play(s);
}

TEST_F(Casinos, NamesThatCannotBeStoredAreRefused) {
    act("answer:Kept Casino=New...");
    const std::string before = readBytes(historyFile());
    dialogs.boxes.clear();
    for (const char* name : {"   ", "Alpha, Beta", "two\tparts", "New...", " Select Casino "}) {
        dialogs.answers = {name};
        act("Casino=New...");
        expect("Casino=Select Casino; casinos=Select Casino,New...,Kept", name);
    }
    EXPECT_EQ(readBytes(historyFile()), before);
    const std::string ask = "Enter the Casino Name|",
                      reserved = "A casino cannot be named \"New...\" or \"Select Casino\".";
    expect("boxes=" + ask + "Please enter a name for the casino.|" + ask +
           "A casino name cannot contain a comma.|" + ask +
           "A casino name must be one line of text.|" + ask + reserved + "|" + ask + reserved);
}

// History lines as the user may find them: each loads what it can read, a spin is added to the
// chosen line, and nothing else in the file changes. A casino whose line left the file after the
// list was read (another program took it out) is chosen under its own name, with nothing
// recorded.
TEST_F(Casinos, HistoryLinesAsFound) {
    std::string big = "Big,";
    for (int i = 0; i < 40000; ++i) big += "17,";
    const struct {
        std::string file, then;  // as read by the window, and when the casino is chosen
        std::string choose, casinos;
        const char* shown;  // the view after choosing
        std::string after;  // the file after a spin of 9
    } cases[] = {
        {"index: 1\r\nname1: Alpha,4,\r\nname2: Beta,17,x,,40,-3,5\r\n", "", "Beta",
         "Select Casino,New...,Alpha,Beta", "history=     5/17/; recorded=6",
         "index: 1\r\nname1: Alpha,4,\r\nname2: Beta,17,x,,40,-3,5,9,\r\n"},
        {"index: 1\r\nname1: Alpha,\r\nname2:\r\nname3: Gamma,7,\r\n", "", "Gamma",
         "Select Casino,New...,Alpha,,Gamma", "history=     7/; recorded=1",
         "index: 1\r\nname1: Alpha,\r\nname2:\r\nname3: Gamma,7,9,\r\n"},
        {"name1: Alpha,4,\r\n", "", "Alpha", "Select Casino,New...,Alpha", "history=4/; recorded=1",
         "name1: Alpha,4,9,\r\n"},  // no section line: keys from the first line
        {"index: 1\r\nname1: " + big + "\r\n", "", "Big", "Select Casino,New...,Big",
         "recorded=32767", "index: 1\r\nname1: " + big + "9,\r\n"},
        {"index: 1\r\nname1: Alpha,4,\r\nname2: Beta,5,\r\n", "index: 1\r\nname1: Alpha,4,\r\n",
         "Beta tick", "Select Casino,New...,Alpha,Beta",
         "recorded=0; history=; caption=Brisvale - Total Spins: 0 - Spins This Table: 0 - "
         "Wins: 0 - Beta - 0 Recorded Spins",
         "index: 1\r\nname1: Alpha,4,\r\nname2: Beta,9,\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choose);
        writeBytes(historyFile(), c.file);
        restart();
        if (!c.then.empty()) writeBytes(historyFile(), c.then);
        act("Casino=" + c.choose);
        expect("casinos=" + c.casinos + "; " + c.shown);
        act(WATCH "9");
        EXPECT_EQ(readBytes(historyFile()), c.after);
    }
}

// A write that fails (a folder stands where the file should be, as a full disk would refuse it)
// is told once while it keeps failing; the spin stays counted and goes with the next write that
// succeeds. Closing tells what could not be kept.
TEST_F(Casinos, FailedWritesAreToldOnceAndLoseNoSpin) {
    act("answer:Alpha Casino=New... " WATCH "1");
    dialogs.boxes.clear();
    block(historyFile(), true);
    act("2 3");
    expect("boxes=" + kKept + "; recorded=3");
    block(historyFile(), false);
    act("4");
    EXPECT_EQ(readBytes(historyFile()), "index: 1\r\nname1: Alpha,1,2,3,4,\r\n");
    block(historyFile(), true);
    act("5");
    block(a().files().settings, true);
    act("menu:mnuExit");
    expect("boxes=" + kKept + "|" + kKept + "|" + kLost + "|Brisvale could not write to " +
           a().files().settings.filename().string() + ". The settings saved before were kept.");
}

// A resumed run starts with every spin of its casino written: a failed write after it counts
// from the resume.
TEST_F(Casinos, AResumedRunCountsTheSpinsNotKeptFromTheResume) {
    act("answer:Alpha Casino=New... " WATCH "1 2 close answer:yes restart");
    dialogs.boxes.clear();
    block(historyFile(), true);
    act("3 menu:mnuExit");
    expect("boxes=" + kKept + "|" + kLost);
}

// A history line that cannot be read when its casino is chosen is never written over, and a
// delete that cannot be written is told.
TEST_F(Casinos, AnUnreadableLineIsNeverWrittenOver) {
    act("answer:Alpha Casino=New... " WATCH "1");
    block(historyFile(), true);
    act("Casino=Alpha answer:yes Command1");
    block(historyFile(), false);
    act("2");
    expect(
        "boxes=Enter the Casino Name|Delete casino Alpha and its 0 recorded spins?|The casino "
        "could not be deleted from CasinoHistory.dat.; historyfile=index: 1/name1: Alpha,1,/");
}

// A data folder that cannot be written: the user is told of each file not saved, and play goes
// on with what was typed.
TEST_F(Casinos, AFolderThatCannotBeWrittenIsTold) {
    writeBytes(dir / "plain-file", "x");
    restart(dir / "plain-file");
    dialogs.boxes.clear();
    act("menu:mnuProg frmWagering.Text1=2,Q frmWagering.Command2");
    const std::string wagering = "The wagering settings could not be saved to " +
                                 a().files().wagering.filename().string() + ".";
    expect("dialog=1; boxes=" + wagering);
    act("frmWagering.Command3 answer:Alpha Casino=New... chk7_1=1 even:0 Text18=100 Button1 5");
    expect("boxes=" + wagering +
           "|Enter the Casino Name|The casino could not be saved to CasinoHistory.dat.; "
           "Casino=Select Casino; total=1; label=Bet $2 on Black");
    EXPECT_EQ(readBytes(dir / "plain-file"), "x");
}

using Replay = AdvisorFixture;

TEST_F(Replay, Scenarios) {
    const Scenario scenarios[] = {
        // The recorded spins are played on a 1 ms timer, listed once and not recorded again.
        // At threshold 0: 5 opens Black, 3 loses, 2 wins $2, 17 opens Black again.
        "a replay plays each recorded spin once :: " ALPHA
        "Command2 => interval=1; button=Submit; history= || tick:100 => interval=1000; total=4; "
        "table=4; recorded=4; history=17/2/     3/     5/; boxes=Enter the Casino Name; "
        "historyfile=index: 1/name1: Alpha,5,3,2,17,/",
        "a replay plays bets as the user would :: " ALPHA
        "even:0 replay => wins=1; balance=1001; total=4; label=Bet $1 on Black",
        "a replay that cannot start ends at its one message :: " ALPHA
        "chk7_1=0 replay => boxes=Enter the Casino Name|Play Style is not properly set up; "
        "button=Start; total=0; interval=1000",
        "an empty history only starts the run :: chk7_1=1 Text18=1000 replay => button=Submit; "
        "total=0; interval=1000",
        "clicks and a second press during a replay change nothing :: " ALPHA
        "Command2 tick:2 @30 Command2 tick:200 => total=4; history=17/2/     3/     5/",
    };
    for (const Scenario& s : scenarios) play(s);
}

// Quit NOW asks whether to go on: No ends the replay; Yes starts a new run with the next
// spin (7), then 9 opens Black and 11 wins it.
#define QUIT_RUN \
    "answer:A Casino=New... " WATCH "5 3 7 9 11 menu:mnuRestart close restart Casino=A seq:1=1,Q "
TEST_F(Replay, QuitNowAsksWhetherToGoOn) {
    const Scenario scenarios[] = {
        "no :: " QUIT_RUN
        "even:0 answer:no replay => boxes=Enter the Casino Name|Quit Now Has Came Up - Keep "
        "Testing?; total=2; label=Quit NOW; interval=1000",
        "yes :: " QUIT_RUN "even:0 answer:yes replay => total=4; table=2; wins=1; interval=1000",
        "Super :: " QUIT_RUN
        "style:3 chk7_1=1 even:0 cboRow=1 answer:no replay => total=2; label=Quit NOW; boxes=Enter "
        "the Casino Name|Quit Now Has Came Up - Keep Testing?",
    };
    for (const Scenario& s : scenarios) play(s);
    EXPECT_EQ(dialogs.boxes.back().title, "Quit Now");
}

// Fields of a damaged history line that are no number are not spins: the replay skips them.
TEST_F(Replay, SkipsTheUnreadableFieldsOfADamagedLine) {
    writeBytes(historyFile(), "index: 1\r\nname1: Alpha,17,x,,5,40,\r\n");
    restart();
    act("Casino=Alpha chk7_1=1 even:50 Text18=1000 replay");
    expect("recorded=5; total=2; historyfile=index: 1/name1: Alpha,17,x,,5,40,/");
}

}  // namespace
}  // namespace brisvale::testing
