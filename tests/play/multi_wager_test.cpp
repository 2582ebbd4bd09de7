// Multi-bet play and the table: the automatic change of the minimum wager, and the Super stop
// once the wins per table are reached.

#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

using MultiWager = AdvisorFixture;

// One chip per raise, and even-money bets that stop after one loss.
void raiseEveryChip(Advisor& a) {
    ASSERT_TRUE(a.userMenu("mnuProg", 0).ok);
    ASSERT_TRUE(a.userSet("frmWagering.Text1", "1,S").ok);
    ASSERT_TRUE(a.userSet("frmWagering.Combo1", "1").ok);
    ASSERT_TRUE(a.userPress("frmWagering.Command2").ok);
}

// Red/Black at threshold 2: Red opens after two black spins, wins, and leaves nothing open.
TEST_F(MultiWager, AWinLeavingNothingOpenRaisesTheWagerAndKeepsIt) {
    raiseEveryChip(a());
    multiStyle(3);
    set("chk7_1", "1");
    threshold(kEvenBoxes, 2);
    set("cboRow", "1");
    pressButton();
    spins({4, 6});
    ASSERT_EQ(currentBet(), "Red,");

    spin(1);  // Red wins one chip: one raise of one entry
    EXPECT_FALSE(state().BetOpen);
    EXPECT_EQ(form().cboWager.text(), "2");
    EXPECT_EQ(state().wager.UnitWager, 2);  // at once, so the lowering that follows keeps it
    EXPECT_EQ(state().wager.NetChips, 0);
    EXPECT_EQ(state().wager.StartUnitWager, 1);
    EXPECT_EQ(state().Balance, 1001);

    spins({8, 10});  // Red sleeps again: it opens at the raised wager
    ASSERT_EQ(currentBet(), "Red,");
    EXPECT_EQ(form().chips[0].caption, "2");

    spin(11);  // Red loses one chip and stops: the lowering takes the wager back to $1
    EXPECT_FALSE(state().BetOpen);
    EXPECT_EQ(state().wager.NetChips, -1);
    EXPECT_EQ(form().cboWager.text(), "1");
    EXPECT_EQ(state().wager.UnitWager, 1);
    EXPECT_EQ(state().Balance, 999);
    EXPECT_EQ(form().Label1.caption, "Spin Only");
}

TEST_F(MultiWager, NoRaiseWhileAutoIncreaseIsOff) {
    ASSERT_TRUE(a().userMenu("mnuProg", 0).ok);
    set("frmWagering.Combo1", "1");
    set("frmWagering.Check1", "0");
    pressButton("frmWagering.Command2");
    multiStyle(3);
    set("chk7_1", "1");
    threshold(kEvenBoxes, 2);
    set("cboRow", "1");
    pressButton();
    spins({4, 6, 1});
    EXPECT_EQ(state().wager.NetChips, 1);
    EXPECT_EQ(form().cboWager.text(), "1");
}

TEST_F(MultiWager, NoRaiseWhileABetStaysOpen) {
    raiseEveryChip(a());
    multiStyle(3);
    set("chk7_1", "1");
    threshold(kEvenBoxes, 0);
    set("cboRow", "1");
    pressButton();
    spins({5, 6});  // Black wins, Red opens at once
    EXPECT_TRUE(state().BetOpen);
    EXPECT_EQ(state().wager.NetChips, 1);
    EXPECT_EQ(form().cboWager.text(), "1");
}

// Wins per table at 1: a new progression is not started once it is reached.
TEST_F(MultiWager, SuperStopsOpeningBetsAtTheWinsPerTable) {
    multiStyle(3);
    set("cboWins", "1");
    set("chk7_1", "1");
    threshold(kEvenBoxes, 0);
    set("cboRow", "1");
    pressButton();
    spin(5);
    spin(6);  // Black wins: Red would open, but the table has its win
    EXPECT_EQ(state().Wins, 1);
    EXPECT_FALSE(state().BetOpen);
    EXPECT_TRUE(shownChips().empty());
    EXPECT_EQ(form().Label1.caption, "Spin Only");
    EXPECT_EQ(form().backColor, 15790320);

    tick();  // the table-switch advice follows
    EXPECT_EQ(form().Label1.caption, "Switch Table/Press Start");
    EXPECT_EQ(form().Button1.caption, "Start");
    EXPECT_EQ(form().backColor, 15790320);
}

// A bet in progression is carried on past the wins per table, with the new bets beside it.
TEST_F(MultiWager, SuperCarriesAProgressionPastTheWinsPerTable) {
    multiStyle(3);
    set("cboWins", "1");
    set("chk7_1", "1");
    set("chk7_2", "1");
    threshold(kEvenBoxes, 0);
    set("cboRow", "1");
    pressButton();
    spin(5);
    ASSERT_EQ(currentBet(), "Black,Even,");
    spin(11);  // black and odd: Black wins, Even loses and goes on
    EXPECT_EQ(state().Wins, 1);
    EXPECT_TRUE(state().BetOpen);
    EXPECT_EQ(currentBet(), "Even,Red,");
    EXPECT_EQ(shownChips(), (std::vector<std::pair<int, std::string>>{{0, "2"}, {1, "1"}}));

    tick();  // a progression is under way: no advice
    EXPECT_NE(form().Label1.caption, "Switch Table/Press Start");
    EXPECT_EQ(form().Button1.caption, "Submit");
}

TEST_F(MultiWager, MultiHasNoWinsPerTableStop) {
    multiStyle(2);
    set("cboWins", "1");
    set("chk7_1", "1");
    threshold(kEvenBoxes, 0);
    set("cboRow", "1");
    pressButton();
    spin(5);
    spin(6);
    EXPECT_EQ(state().Wins, 1);
    EXPECT_TRUE(state().BetOpen);
    EXPECT_EQ(currentBet(), "Red,");
}

}  // namespace
}  // namespace brisvale::testing
