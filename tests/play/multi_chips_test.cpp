// The chips of multi-bet play: family images, text colours, stake tooltips, chips of dropped
// bets, and entering a spin by clicking a single-number chip.

#include "storage/properties.hpp"
#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

using MultiChips = AdvisorFixture;

struct ChipWant {
    const char* bet;
    int image;
    bool blackText;
    int left;
    int top;
};

// Every family watched at threshold 0 with one bet each; after a zero everything is due.
class EveryFamily : public AdvisorFixture {
  protected:
    void watch(int style) {
        multiStyle(style);
        for (const char* box :
             {"chk7_1", "chk7_2", "chk7_3", "chk1", "chk2", "chk3", "chk4", "chk5", "chk6"}) {
            set(box, "1");
        }
        for (const FamilyBoxes& b : {kEvenBoxes, kDozenBoxes, kRowBoxes, kLineBoxes, kCornerBoxes,
                                     kTrioBoxes, kSplitBoxes, kSingleBoxes}) {
            threshold(b, 0);
        }
        for (const char* list :
             {"cboDozen", "cboRow", "cboLine", "cboCorner", "cboTrio", "cboSplit", "cboSingle"}) {
            set(list, "1");
        }
        if (style == 3) set("Chk8", "1");
        pressButton();
        spin(0);
    }
};

const ChipWant kCommonChips[] = {
    {"Split 01/02", 1, false, 6700, 470},   {"Corner 04/01/05/02", 2, true, 6430, 470},
    {"Trio 01/02/03", 3, true, 6700, 1130}, {"Line 06/03", 4, false, 6430, 1130},
    {"1st 12", 5, false, 6450, 1270},       {"Row 1", 5, false, 120, 280},
    {"Red", 5, false, 4650, 1600},          {"Black", 5, false, 2940, 1600},
    {"Even", 5, false, 1800, 1600},         {"Odd", 5, false, 5650, 1600},
    {"01 to 18", 5, false, 6210, 1600},     {"19 to 36", 5, false, 690, 1600},
};

TEST_F(EveryFamily, SuperChipsCarryFamilyImagesAndTooltips) {
    watch(3);
    EXPECT_EQ(currentBet(),
              "Split 01/02,Corner 04/01/05/02,Trio 01/02/03,Line 06/03,1st 12,Row 1,Red,Black,"
              "Even,Odd,01 to 18,19 to 36,Single 01,");
    std::vector<ChipWant> want(std::begin(kCommonChips), std::end(kCommonChips));
    want.push_back({"Single 01", 9, true, 6720, 295});
    for (int i = 0; i < static_cast<int>(want.size()); ++i) {
        const Chip& chip = form().chips[i];
        SCOPED_TRACE(want[i].bet);
        EXPECT_TRUE(chip.visible);
        EXPECT_EQ(chip.image, want[i].image);
        EXPECT_EQ(chip.blackText, want[i].blackText);
        EXPECT_EQ(chip.left, want[i].left);
        EXPECT_EQ(chip.top, want[i].top);
        EXPECT_EQ(chip.caption, "1");
        EXPECT_EQ(chip.tooltip, std::string("Bet 1 on ") + want[i].bet);
    }
    EXPECT_FALSE(form().chips[want.size()].visible);
    EXPECT_EQ(form().Label1.caption, "");
}

TEST_F(EveryFamily, MultiChipsCarryImagesWithoutTooltipsOrSingles) {
    watch(2);
    EXPECT_EQ(currentBet(),
              "Split 01/02,Corner 04/01/05/02,Trio 01/02/03,Line 06/03,1st 12,Row 1,Red,Black,"
              "Even,Odd,01 to 18,19 to 36,");
    for (int i = 0; i < 12; ++i) {
        const Chip& chip = form().chips[i];
        SCOPED_TRACE(kCommonChips[i].bet);
        EXPECT_TRUE(chip.visible);
        EXPECT_EQ(chip.image, kCommonChips[i].image);
        EXPECT_EQ(chip.blackText, kCommonChips[i].blackText);
        EXPECT_EQ(chip.left, kCommonChips[i].left);
        EXPECT_EQ(chip.tooltip, "");
    }
    EXPECT_FALSE(form().chips[12].visible);
    EXPECT_EQ(form().Label1.caption, "Bet $1 on all chips shown.");
}

class SingleChips : public AdvisorFixture {
  protected:
    // Super with a dozen and seventeen singles open after a zero: chip 17 is the single on 17.
    void open(int style) {
        multiStyle(style);
        set("Chk8", "1");
        set("cboSingle", "17");
        threshold(kSingleBoxes, 0);
        set("chk6", "1");
        set("cboDozen", "1");
        threshold(kDozenBoxes, 0);
        pressButton();
        spin(0);
        waitButton();
    }
};

TEST_F(SingleChips, ClickingASingleChipEntersItsNumberInSuper) {
    open(3);
    const Chip& chip = form().chips[17];
    ASSERT_EQ(chip.tooltip, "Bet 1 on Single 17");
    EXPECT_EQ(chip.left, 4020);
    EXPECT_EQ(chip.top, 610);
    ASSERT_FALSE(state().SpinPending);

    ASSERT_TRUE(a().userClickChip(17).ok);
    EXPECT_TRUE(state().SpinPending);
    EXPECT_EQ(state().SpinNumber, 17);
    EXPECT_EQ(state().spinText(), "17");
    EXPECT_TRUE(form().marker.visible);
    EXPECT_EQ(form().marker.left, 4050);
    EXPECT_EQ(form().marker.top, 610);

    pressButton();  // the chip's number is the spin: Single 17 wins
    EXPECT_EQ(state().WinningBets.winnersText(), ",Single 17");
    EXPECT_EQ(state().Wins, 1);
}

TEST_F(SingleChips, ChipsThatAreNoSingleEnterNothing) {
    open(3);
    // chip 0 is the dozen (the dozens come before the singles)
    ASSERT_EQ(form().chips[0].tooltip, "Bet 1 on 1st 12");
    ASSERT_TRUE(a().userClickChip(0).ok);
    EXPECT_FALSE(state().SpinPending);
    EXPECT_FALSE(form().marker.visible);
    // a hidden chip cannot be clicked at all
    EXPECT_FALSE(a().userClickChip(40).ok);
}

TEST_F(SingleChips, ClassicIgnoresChipClicks) {
    open(3);
    set("BetStyle1", "1");  // the Super chips are still on the board
    ASSERT_TRUE(form().chips[17].visible);
    ASSERT_TRUE(a().userClickChip(17).ok);
    EXPECT_FALSE(state().SpinPending);
    EXPECT_FALSE(form().marker.visible);
}

// Chip i belongs to the i-th bet laid; a dropped bet's chip stays hidden and empty while the
// chips after it keep their numbers.
TEST_F(MultiChips, ADroppedBetLeavesAGapAmongTheChips) {
    sequence(2, "1,S");  // dozens stop after one loss
    multiStyle(3);
    set("chk6", "1");
    set("cboDozen", "1");
    set("chk7_1", "1");
    threshold(kDozenBoxes, 0);
    threshold(kEvenBoxes, 0);
    pressButton();
    spin(5);
    ASSERT_EQ(currentBet(), "2nd 12,Black,");
    spin(3);  // both lose: the dozen stops, Black goes on at 2
    EXPECT_EQ(currentBet(), "Black,");
    EXPECT_FALSE(form().chips[0].visible);
    EXPECT_EQ(form().chips[0].caption, "");
    EXPECT_TRUE(form().chips[1].visible);
    EXPECT_EQ(form().chips[1].caption, "2");
    EXPECT_EQ(form().chips[1].tooltip, "Bet 2 on Black");
    EXPECT_EQ(form().chips[1].left, 2940);
    EXPECT_EQ(form().Label1.caption, "");
    EXPECT_EQ(form().Button1.caption, "Submit");
    EXPECT_EQ(state().betSteps[*findLabel("2nd 12")], 0);

    // Turning the board moves the shown chip only; the gap stays hidden.
    ASSERT_TRUE(a().userFlip().ok);
    EXPECT_FALSE(form().chips[0].visible);
    EXPECT_TRUE(form().chips[1].visible);
    EXPECT_EQ(form().chips[1].left, 4640);
}

TEST_F(MultiChips, QuitMarkEndsASuperRunAfterALoss) {
    sequence(1, "1,Q");  // even-money bets quit after one loss
    multiStyle(3);
    set("chk7_1", "1");
    threshold(kEvenBoxes, 0);
    set("cboRow", "1");
    pressButton();
    spin(5);
    ASSERT_EQ(currentBet(), "Black,");
    spin(3);  // Black loses and meets its quit mark; Red was just hit
    EXPECT_EQ(form().Label1.caption, "Quit NOW");
    EXPECT_EQ(form().backColor, 192);
    EXPECT_TRUE(form().Picture4.visible);
    EXPECT_EQ(form().Button1.caption, "Start");
    EXPECT_TRUE(shownChips().empty());
    EXPECT_EQ(state().Balance, 999);

    waitButton();
    pressButton();  // a new run
    EXPECT_EQ(form().Button1.caption, "Submit");
    EXPECT_EQ(state().TableSpins, 0);
    EXPECT_EQ(state().TotalSpins, 2);
}

TEST_F(MultiChips, QuitMarkInSuperKeepsTheChipsOfTheBetsBesideIt) {
    sequence(1, "1,Q");
    multiStyle(3);
    set("chk7_1", "1");
    set("chk6", "1");
    set("cboDozen", "1");
    threshold(kEvenBoxes, 0);
    threshold(kDozenBoxes, 0);
    pressButton();
    spin(5);
    ASSERT_EQ(currentBet(), "2nd 12,Black,");
    spin(3);
    EXPECT_EQ(form().Label1.caption, "Quit NOW");
    EXPECT_EQ(form().backColor, 192);
    EXPECT_EQ(form().Button1.caption, "Start");
    EXPECT_EQ(shownChips(), (std::vector<std::pair<int, std::string>>{{0, "2"}}));
}

TEST_F(MultiChips, QuitMarkInMultiDropsTheBetSilently) {
    sequence(1, "1,Q");
    multiStyle(2);
    set("chk7_1", "1");
    threshold(kEvenBoxes, 0);
    set("cboRow", "1");
    pressButton();
    spin(5);
    ASSERT_EQ(currentBet(), "Black,");
    spin(3);
    EXPECT_EQ(form().Label1.caption, "Spin Only");
    EXPECT_EQ(form().Button1.caption, "Submit");
    EXPECT_EQ(form().backColor, 15790320);
    EXPECT_FALSE(state().BetOpen);
    EXPECT_TRUE(shownChips().empty());
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(MultiChips, QuitMarkMetOnAWinningSpinIsNotAnnounced) {
    sequence(2, "1,Q");  // dozens quit after one loss
    multiStyle(3);
    set("chk6", "1");
    set("chk7_1", "1");
    set("cboDozen", "1");
    threshold(kDozenBoxes, 0);
    threshold(kEvenBoxes, 0);
    pressButton();
    spin(5);
    ASSERT_EQ(currentBet(), "2nd 12,Black,");
    spin(2);  // Black wins, the dozen loses and meets its quit mark
    EXPECT_NE(form().Label1.caption, "Quit NOW");
    EXPECT_EQ(form().Button1.caption, "Submit");
    EXPECT_NE(form().backColor, 192);
}

// A sequence written by hand may hold an element that is no stake, or end without a mark:
// the bet quits there rather than stake an unreadable amount.
TEST_F(MultiChips, UnreadableOrMissingStepsQuitInSuper) {
    for (const char* even : {"1,x,4,Q", "1"}) {
        SCOPED_TRACE(even);
        ASSERT_TRUE(SetProperty(1, "even", even, a().wageringFile()));
        restart();
        multiStyle(3);
        set("chk7_1", "1");
        threshold(kEvenBoxes, 0);
        set("cboRow", "1");
        pressButton();
        spin(5);
        ASSERT_EQ(currentBet(), "Black,");
        spin(3);
        EXPECT_EQ(form().Label1.caption, "Quit NOW");
        EXPECT_EQ(form().Button1.caption, "Start");
        EXPECT_EQ(state().Balance, 999);
    }
}

}  // namespace
}  // namespace brisvale::testing
