// The history replay: recorded spins fed through the engine on a 1 ms timer, never recorded
// twice, with the quit question and the return to the 1-second timer.

#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

class Replay : public AdvisorFixture {
  protected:
    // Ticks until the replay is over; false when it never ends.
    bool runReplay(int maxTicks = 10000) {
        for (int i = 0; i < maxTicks && a().replayRunning(); ++i) tick();
        return !a().replayRunning();
    }
    void classicRedBlack(int low) {
        set("chk7_1", "1");
        threshold(kEvenBoxes, low);
        set("Check8", "0");
        set("Text18", "1000");
    }
};

TEST_F(Replay, FeedsEverySpinOnAOneMillisecondTimer) {
    classicRedBlack(50);  // nothing is ever due: every press only counts its spin
    AdvisorTestAccess::setHistory(a(), {17, 0, 32, 5});
    EXPECT_EQ(a().timerInterval(), 1000);
    pressButton("Command2");
    EXPECT_EQ(form().Button1.caption, "Submit");
    EXPECT_TRUE(state().ReplayMode);
    EXPECT_TRUE(a().replayRunning());
    EXPECT_EQ(a().timerInterval(), 1);

    const std::int64_t started = clock.now;
    ASSERT_TRUE(runReplay());
    EXPECT_LT(clock.now - started, 100);  // millisecond ticks, not seconds
    EXPECT_EQ(a().timerInterval(), 1000);
    EXPECT_FALSE(state().ReplayMode);
    EXPECT_EQ(state().TotalSpins, 4);
    EXPECT_EQ(state().TableSpins, 4);
    EXPECT_EQ(form().Text1.text(), "     5\r\n     32\r\n   0\r\n17\r\n");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(Replay, PlaysBetsAsTheUserWould) {
    classicRedBlack(0);
    AdvisorTestAccess::setHistory(a(), {5, 3, 2});
    pressButton("Command2");
    ASSERT_TRUE(runReplay());
    // 5: Black opens; 3: Black loses, goes on at 2; 2: Black wins 2.
    EXPECT_EQ(state().Wins, 1);
    EXPECT_EQ(state().Balance, 1001);
    EXPECT_EQ(state().TotalSpins, 3);
}

TEST_F(Replay, SuperPlayIsReplayedToTheEnd) {
    multiStyle(3);
    set("chk7_1", "1");
    threshold(kEvenBoxes, 0);
    set("cboRow", "1");
    AdvisorTestAccess::setHistory(a(), {5, 0, 2, 9, 11});
    pressButton("Command2");
    ASSERT_TRUE(runReplay());
    EXPECT_EQ(state().TableSpins, 5);
    EXPECT_EQ(form().Text1.lineCount(), 5u);
    EXPECT_EQ(a().timerInterval(), 1000);
    EXPECT_FALSE(state().ReplayMode);
}

TEST_F(Replay, QuitNowAsksWhetherToGoOn) {
    struct Case {
        const char* answer;
        int totalSpins;
        int tableSpins;
        int wins;
    };
    // 5 opens Black, 3 meets the quit mark; after "yes", 7 starts a new run, 9 opens Black
    // and 11 wins it.
    const Case cases[] = {{"no", 2, 2, 0}, {"yes", 4, 2, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        restart();
        sequence(1, "1,Q");
        classicRedBlack(0);
        dialogs.boxes.clear();
        dialogs.answers = {c.answer};
        AdvisorTestAccess::setHistory(a(), {5, 3, 7, 9, 11});
        pressButton("Command2");
        ASSERT_TRUE(runReplay());
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].title, "Quit Now");
        EXPECT_EQ(dialogs.boxes[0].text, "Quit Now Has Came Up - Keep Testing?");
        EXPECT_EQ(state().TotalSpins, c.totalSpins);
        EXPECT_EQ(state().TableSpins, c.tableSpins);
        EXPECT_EQ(state().Wins, c.wins);
        EXPECT_EQ(a().timerInterval(), 1000);
        EXPECT_FALSE(state().ReplayMode);
    }
}

TEST_F(Replay, SuperQuitNowIsAskedToo) {
    sequence(1, "1,Q");
    multiStyle(3);
    set("chk7_1", "1");
    threshold(kEvenBoxes, 0);
    set("cboRow", "1");
    dialogs.answers = {"no"};
    AdvisorTestAccess::setHistory(a(), {5, 3, 8, 10});
    pressButton("Command2");
    ASSERT_TRUE(runReplay());
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Quit Now Has Came Up - Keep Testing?"});
    EXPECT_EQ(state().TotalSpins, 2);
    EXPECT_EQ(form().Label1.caption, "Quit NOW");
}

// The replay plays the chosen casino's recorded spins and records none of them again.
TEST_F(Replay, ReplaysTheChosenCasinoWithoutRecordingIt) {
    dialogs.answers = {"Alpha", "Beta"};
    set("Casino", "New...");
    classicRedBlack(50);
    pressButton();
    spins({17, 0, 32});
    set("Casino", "New...");
    spins({4});
    const std::string file = readBytes(historyFile());
    ASSERT_EQ(file, "index: 1\r\nname1: Alpha,17,0,32,\r\nname2: Beta,4,\r\n");

    restart();
    set("Casino", "Alpha");
    classicRedBlack(50);
    pressButton("Command2");
    ASSERT_TRUE(runReplay());
    EXPECT_EQ(state().TotalSpins, 3);
    EXPECT_EQ(state().RecordedSpins, 3);
    EXPECT_EQ(readBytes(historyFile()), file);
    // The box lists each replayed spin once.
    EXPECT_EQ(form().Text1.text(), "     32\r\n   0\r\n17\r\n");

    waitButton();
    click(9);
    pressButton();  // play after the replay is recorded again
    EXPECT_EQ(readBytes(historyFile()),
              "index: 1\r\nname1: Alpha,17,0,32,9,\r\nname2: Beta,4,\r\n");
    EXPECT_EQ(state().RecordedSpins, 4);
}

TEST_F(Replay, AnEmptyHistoryOnlyStartsTheRun) {
    classicRedBlack(50);
    pressButton("Command2");
    ASSERT_TRUE(runReplay());
    EXPECT_EQ(form().Button1.caption, "Submit");
    EXPECT_EQ(state().TotalSpins, 0);
    EXPECT_EQ(a().timerInterval(), 1000);
}

// A replay whose first press cannot start a run stops there, with the one message.
TEST_F(Replay, AReplayThatCannotStartEndsAtOnce) {
    set("Text18", "1000");  // no family watched
    AdvisorTestAccess::setHistory(a(), {1, 2, 3, 4, 5, 6});
    pressButton("Command2");
    ASSERT_TRUE(runReplay());
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Play Style is not properly set up"});
    EXPECT_EQ(form().Button1.caption, "Start");
    EXPECT_EQ(state().TotalSpins, 0);
    EXPECT_FALSE(state().ReplayMode);
    EXPECT_EQ(a().timerInterval(), 1000);
}

TEST_F(Replay, UserClicksDuringTheReplayDoNotBreakIt) {
    classicRedBlack(50);
    AdvisorTestAccess::setHistory(a(), {1, 2, 3, 4});
    pressButton("Command2");
    tick(2);
    click(30);  // the user clicks a number while the replay runs
    ASSERT_TRUE(runReplay());
    EXPECT_EQ(state().TotalSpins, 4);
    EXPECT_EQ(form().Text1.text(), "4\r\n     3\r\n2\r\n     1\r\n");
}

// Fields of a damaged history line that are no number are not spins: the replay skips them.
TEST_F(Replay, SkipsTheUnreadableFieldsOfADamagedLine) {
    writeBytes(historyFile(), "index: 1\r\nname1: Alpha,17,x,,5,40,\r\n");
    restart();
    set("Casino", "Alpha");
    ASSERT_EQ(state().RecordedSpins, 5);
    classicRedBlack(50);
    pressButton("Command2");
    ASSERT_TRUE(runReplay());
    EXPECT_EQ(state().TotalSpins, 2);
    EXPECT_EQ(readBytes(historyFile()), "index: 1\r\nname1: Alpha,17,x,,5,40,\r\n");
}

// A second press of the replay button while a replay runs changes nothing.
TEST_F(Replay, ASecondPressWhileReplayingIsIgnored) {
    classicRedBlack(50);
    AdvisorTestAccess::setHistory(a(), {1, 2, 3, 4});
    pressButton("Command2");
    tick(5);
    pressButton("Command2");
    ASSERT_TRUE(runReplay());
    EXPECT_EQ(state().TotalSpins, 4);
    EXPECT_EQ(form().Text1.lineCount(), 4u);
}

}  // namespace
}  // namespace brisvale::testing
