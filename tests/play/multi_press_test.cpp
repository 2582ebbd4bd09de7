// Multi and Super presses through the Advisor: starting, refusing, spins with no bet open, with
// a loss and with one or more winners; the Multi fill-up and the count boxes.

#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

using MultiPress = AdvisorFixture;

TEST_F(MultiPress, StartNeedsACountBoxInBothStyles) {
    for (int style : {2, 3}) {
        restart();
        dialogs.boxes.clear();
        multiStyle(style);
        set("chk7_1", "1");
        pressButton();
        ASSERT_EQ(dialogs.boxes.size(), 1u) << "style " << style;
        EXPECT_EQ(dialogs.boxes[0].text,
                  "You need to increase your Multi settings (Advanced Settings).");
        EXPECT_EQ(dialogs.boxes[0].title, "Brisvale");
        EXPECT_EQ(form().Button1.caption, "Start");
        EXPECT_EQ(form().Label1.caption, "Configure Play Style and Press Start");

        set("cboTrio", "1");  // any one box is enough, watched or not
        pressButton();
        EXPECT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(form().Button1.caption, "Submit");
        EXPECT_EQ(form().Label1.caption, "Spin Only");
    }
}

TEST_F(MultiPress, APressWithoutANumberChangesNothing) {
    for (int style : {2, 3}) {
        restart();
        dialogs.answers = {"Tracked"};
        set("Casino", "New...");
        multiStyle(style);
        threshold(kEvenBoxes, 0);
        set("chk7_1", "1");
        set("cboRow", "1");
        pressButton();
        spin(5);  // a bet is open from here on
        const std::string fileBefore = readBytes(historyFile());
        const PlayState before = state();
        dialogs.boxes.clear();

        waitButton();
        pressButton();  // nothing clicked since the last spin
        ASSERT_EQ(dialogs.texts(), std::vector<std::string>{"Select a Number!"});
        EXPECT_EQ(state().TotalSpins, before.TotalSpins);
        EXPECT_EQ(state().TableSpins, before.TableSpins);
        EXPECT_EQ(state().RecordedSpins, 1);
        EXPECT_EQ(state().Balance, before.Balance);
        EXPECT_EQ(currentBet(), before.CurrentBet.listText());
        for (int n = 0; n <= 36; ++n) {
            ASSERT_EQ(state().sleepers.at(Table::RedBlack, n),
                      before.sleepers.at(Table::RedBlack, n));
            ASSERT_EQ(state().sleepers.at(Table::Single, n), before.sleepers.at(Table::Single, n));
        }
        EXPECT_EQ(readBytes(historyFile()), fileBefore);
        EXPECT_EQ(form().Text1.lineCount(), 1u);
        EXPECT_TRUE(form().Button1.enabled);  // the press was refused: no spin wait
    }
}

TEST_F(MultiPress, SpinWithNoBetDueShowsSpinOnly) {
    multiStyle(3);
    set("chk6", "1");
    set("cboDozen", "2");
    threshold(kDozenBoxes, 5);
    pressButton();
    spin(7);
    EXPECT_EQ(form().Label1.caption, "Spin Only");
    EXPECT_FALSE(state().BetOpen);
    EXPECT_TRUE(shownChips().empty());
    EXPECT_EQ(form().backColor, 15790320);
    EXPECT_EQ(state().TableSpins, 1);
    EXPECT_EQ(state().TotalSpins, 1);
    EXPECT_FALSE(form().Button1.enabled);
    EXPECT_EQ(form().Text1.text(), "     7\r\n");
}

// Super on Red/Black at threshold 0: a bet opens, is carried on after a loss beside a new one,
// and a spin then pays one and charges the other.
TEST_F(MultiPress, SuperSpinWithOneWinnerAndOneLoser) {
    multiStyle(3);
    set("chk7_1", "1");
    threshold(kEvenBoxes, 0);
    set("cboRow", "1");
    pressButton();

    spin(5);  // red: Red is just out, Black opens at one unit
    EXPECT_EQ(currentBet(), "Black,");
    EXPECT_EQ(form().Label1.caption, "");
    EXPECT_EQ(form().backColor, 8454016);
    EXPECT_EQ(shownChips(), (std::vector<std::pair<int, std::string>>{{0, "1"}}));

    spin(0);  // Black loses one chip; it goes on at 2 and Red opens beside it
    EXPECT_EQ(state().wager.NetChips, -1);
    EXPECT_EQ(state().Balance, 999);
    EXPECT_EQ(form().Text[18].text, "999");
    EXPECT_EQ(currentBet(), "Black,Red,");
    EXPECT_EQ(shownChips(), (std::vector<std::pair<int, std::string>>{{0, "2"}, {1, "1"}}));
    EXPECT_EQ(form().chips[0].left, 2940);
    EXPECT_EQ(form().chips[1].left, 4650);
    EXPECT_EQ(state().Wins, 0);

    spin(2);  // black: Black wins 2 chips at 1:1, Red loses its 1
    EXPECT_EQ(state().Wins, 1);
    EXPECT_EQ(state().wager.NetChips, 0);
    EXPECT_EQ(state().Balance, 1000);  // 999 + 4 returned - 2 staked - 1 lost
    EXPECT_EQ(form().Text[18].text, "1000");
    // Red is carried on at its second step; Black was just spun and stays out.
    EXPECT_EQ(currentBet(), "Red,");
    EXPECT_EQ(shownChips(), (std::vector<std::pair<int, std::string>>{{0, "2"}}));
    EXPECT_EQ(form().chips[0].left, 4650);
    EXPECT_EQ(state().TableSpins, 3);
    EXPECT_EQ(form().Text1.text(), "2\r\n   0\r\n     5\r\n");
}

// Two dozens and two rows open; a spin of 5 wins 1st 12 and Row 2 and loses the others.
TEST_F(MultiPress, SuperSpinWithTwoWinners) {
    multiStyle(3);
    set("chk6", "1");
    set("chk1", "1");
    set("cboDozen", "2");
    set("cboRow", "2");
    threshold(kDozenBoxes, 0);
    threshold(kRowBoxes, 0);
    pressButton();
    spin(0);
    ASSERT_EQ(currentBet(), "1st 12,2nd 12,Row 1,Row 2,");

    spin(5);
    EXPECT_EQ(state().Wins, 2);
    EXPECT_EQ(state().wager.NetChips, 2);  // +2 +2 -1 -1
    EXPECT_EQ(state().Balance, 1002);      // each winner returns 3, each bet costs 1
    EXPECT_EQ(state().WinningBets.winnersText(), ",1st 12,Row 2");
    // The losers go on at two units; one new dozen and one new row fill the count boxes,
    // but not the ones the spin just hit.
    EXPECT_EQ(currentBet(), "2nd 12,3rd 12,Row 1,Row 3,");
    EXPECT_EQ(shownChips(),
              (std::vector<std::pair<int, std::string>>{{0, "2"}, {1, "1"}, {2, "2"}, {3, "1"}}));
    EXPECT_EQ(state().Stake, 1);  // the stake of the last bet laid
}

TEST_F(MultiPress, SuperLossChargesEveryOpenBet) {
    multiStyle(3);
    set("chk6", "1");
    set("chk1", "1");
    set("cboDozen", "2");
    set("cboRow", "2");
    threshold(kDozenBoxes, 0);
    threshold(kRowBoxes, 0);
    pressButton();
    spin(0);
    spin(0);  // zero beats every open bet
    EXPECT_EQ(state().wager.NetChips, -4);
    EXPECT_EQ(state().Balance, 996);
    EXPECT_EQ(state().Wins, 0);
    EXPECT_EQ(currentBet(), "1st 12,2nd 12,Row 1,Row 2,");
    EXPECT_EQ(shownChips(),
              (std::vector<std::pair<int, std::string>>{{0, "2"}, {1, "2"}, {2, "2"}, {3, "2"}}));
}

TEST_F(MultiPress, CountBoxesLimitEachFamily) {
    struct Case {
        const char* count;
        const char* afterZero;
        const char* afterThirteen;
    };
    const Case cases[] = {
        {"1", "1st 12,", "1st 12,"},
        {"2", "1st 12,2nd 12,", "1st 12,3rd 12,"},
    };
    for (const Case& c : cases) {
        restart();
        multiStyle(3);
        set("chk6", "1");
        set("cboDozen", c.count);
        threshold(kDozenBoxes, 0);
        pressButton();
        spin(0);
        EXPECT_EQ(currentBet(), c.afterZero) << c.count;
        spin(13);  // 2nd 12: it cannot come back on the spin that hit it
        EXPECT_EQ(currentBet(), c.afterThirteen) << c.count;
    }
}

TEST_F(MultiPress, OverlappingCornersAreRefused) {
    multiStyle(3);
    set("chk3", "1");
    set("cboCorner", "6");
    threshold(kCornerBoxes, 0);
    pressButton();
    spin(0);
    // Every corner is due, but each shares a number with an earlier one except these five.
    EXPECT_EQ(currentBet(),
              "Corner 04/01/05/02,Corner 10/07/11/08,Corner 16/13/17/14,Corner 22/19/23/20,"
              "Corner 28/25/29/26,Corner 34/31/35/32,");
    const int lefts[] = {6430, 5350, 4270, 3190, 2110, 1030};
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(form().chips[i].visible);
        EXPECT_EQ(form().chips[i].left, lefts[i]);
        EXPECT_EQ(form().chips[i].top, 470);
    }
    spin(3);  // all lose; the free slot finds no corner that overlaps none of them
    EXPECT_EQ(state().CurrentBet.size(), 6);
}

TEST_F(MultiPress, SplitsSkipPrintedNumbersAndTheSpin) {
    multiStyle(3);
    set("chk5", "1");
    set("cboSplit", "3");
    threshold(kSplitBoxes, 0);
    pressButton();
    spin(0);
    EXPECT_EQ(currentBet(), "Split 01/02,Split 33/30,Split 07/04,");
}

TEST_F(MultiPress, MultiShowsOneCaptionForAllChips) {
    multiStyle(2);
    set("chk1", "1");
    set("cboRow", "2");
    threshold(kRowBoxes, 0);
    pressButton();
    spin(5);  // row 2 was just hit
    EXPECT_EQ(currentBet(), "Row 1,Row 3,");
    EXPECT_EQ(form().Label1.caption, "Bet $1 on all chips shown.");
    EXPECT_EQ(form().backColor, 8454016);

    spin(8);  // row 2 again: both lose, are chosen again and keep their steps
    EXPECT_EQ(currentBet(), "Row 1,Row 3,");
    EXPECT_EQ(form().Label1.caption, "Bet $2 on all chips shown.");
    EXPECT_EQ(state().wager.NetChips, -2);
    EXPECT_EQ(state().Balance, 998);
}

// The rows are due only at a lower threshold than drawn: the Multi pass lowers it spin by
// spin until the count box is filled.
TEST_F(MultiPress, MultiFillsAFamilyByLoweringItsThreshold) {
    multiStyle(2);
    set("chk1", "1");
    set("cboRow", "2");
    threshold(kRowBoxes, 3);
    pressButton();
    spins({1, 2});
    EXPECT_EQ(form().Label1.caption, "Spin Only");  // two spins: not yet eligible
    EXPECT_EQ(state().threshold(Family::Row), 3);
    spin(3);
    // Row 1 sleeps 2 spins, Row 2 one, Row 3 was just hit: 3 finds none, 2 finds Row 1,
    // 1 finds Row 2.
    EXPECT_EQ(currentBet(), "Row 1,Row 2,");
    EXPECT_EQ(state().threshold(Family::Row), 0);
}

TEST_F(MultiPress, MultiAsksAFamilyBelowZeroAtLeastOnce) {
    multiStyle(2);
    set("chk1", "1");
    set("cboRow", "1");
    threshold(kRowBoxes, -1);
    pressButton();
    spin(5);
    EXPECT_EQ(currentBet(), "Row 1,");
    EXPECT_EQ(form().Label1.caption, "Bet $1 on all chips shown.");
    EXPECT_EQ(state().threshold(Family::Row), -2);
}

// A watched family with a count box of 0 is lowered on every spin; at the bottom of the 16-bit
// range it stays there instead of wrapping round to the top.
TEST_F(MultiPress, MultiLoweringStopsAtTheBottomOfTheRange) {
    multiStyle(2);
    set("chk1", "1");
    set("cboDozen", "1");
    threshold(kRowBoxes, 5);
    pressButton();
    mutableState().StartThreshold[static_cast<int>(Family::Row)] = -32767;
    spins({4, 7});
    EXPECT_EQ(state().threshold(Family::Row), -32768);
    EXPECT_EQ(currentBet(), "");
}

TEST_F(MultiPress, MultiDropsABetAtItsStopAndHidesTheChips) {
    sequence(3, "1,S");  // rows
    multiStyle(2);
    set("chk1", "1");
    set("cboRow", "2");
    threshold(kRowBoxes, 0);
    pressButton();
    spin(5);
    ASSERT_EQ(currentBet(), "Row 1,Row 3,");
    spin(8);  // both lose and reach their stop
    EXPECT_EQ(currentBet(), "");
    EXPECT_FALSE(state().BetOpen);
    EXPECT_EQ(form().Label1.caption, "Spin Only");
    EXPECT_TRUE(shownChips().empty());
    EXPECT_EQ(form().backColor, 15790320);
    EXPECT_EQ(state().Balance, 998);
}

}  // namespace
}  // namespace brisvale::testing
