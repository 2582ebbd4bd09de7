// Classic play through the Advisor's handlers and the Form.

#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

using ClassicPlay = AdvisorFixture;

TEST_F(ClassicPlay, StartChecksTheirMessagesInOrder) {
    struct Case {
        std::vector<std::pair<const char*, const char*>> sets;
        const char* message;
        const char* balanceAfter;
    };
    const Case cases[] = {
        {{{"Text18", "1000"}}, "Play Style is not properly set up", "1000"},
        {{{"chk6", "1"}, {"Text18", ""}}, "You need to enter your account balance.", ""},
        {{{"chk6", "1"}, {"Text18", "12a"}}, "Enter numbers only.", ""},
    };
    for (const Case& c : cases) {
        restart();
        dialogs.boxes.clear();
        for (const auto& [name, value] : c.sets) set(name, value);
        pressButton();
        ASSERT_EQ(dialogs.texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(dialogs.boxes[0].title, "Brisvale");
        EXPECT_EQ(form().Button1.caption, "Start");
        EXPECT_EQ(form().Text[18].text, c.balanceAfter);
        set("chk6", "0");
    }
}

TEST_F(ClassicPlay, GreyEvenBetsIsAPlayStyle) {
    set("chk7_2", "1");
    EXPECT_EQ(form().chk[7].value, 2);
    set("Text18", "500");
    pressButton();
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(form().Button1.caption, "Submit");
    EXPECT_FALSE(form().Button1.enabled);
    EXPECT_EQ(form().Label1.caption, "Spin Only");
    EXPECT_EQ(state().Balance, 500);
}

TEST_F(ClassicPlay, BetLossWinAndQuit) {
    classicRedBlack();
    pressButton();
    ASSERT_EQ(form().Button1.caption, "Submit");
    spin(5);  // both colours due at threshold 0: the later, Black, is shown
    EXPECT_EQ(form().Label1.caption, "Bet $1 on Black");
    EXPECT_EQ(state().CurrentBet.plainText(), "Black");
    EXPECT_EQ(form().backColor, 8454016);
    ASSERT_TRUE(form().chips[0].visible);
    EXPECT_EQ(form().chips[0].caption, "1");
    EXPECT_EQ(form().chips[0].image, 5);
    EXPECT_EQ(form().chips[0].left, 2940);
    EXPECT_EQ(form().chips[0].top, 1600);

    spin(3);  // red: a loss
    EXPECT_EQ(state().Balance, 999);
    EXPECT_EQ(state().StepIndex, 1);
    EXPECT_EQ(form().Label1.caption, "Bet $2 on Black");
    EXPECT_EQ(form().chips[0].caption, "2");
    EXPECT_EQ(form().Text[18].text, "999");

    spin(2);  // black: a win at 2
    EXPECT_EQ(state().Balance, 1001);
    EXPECT_EQ(state().Wins, 1);
    EXPECT_FALSE(state().BetOpen);
    EXPECT_EQ(form().Label1.caption, "Spin Only");
    EXPECT_FALSE(form().chips[0].visible);
    EXPECT_EQ(state().CurrentBet.plainText(), "Black");  // kept until the next bet opens

    // A new bet, then losses along the conservative limit: 1, 2, 4, 8, 16, 32, then quit.
    spin(7);
    ASSERT_EQ(form().Label1.caption, "Bet $1 on Black");
    for (int stake : {2, 4, 8, 16, 32}) {
        spin(1);
        EXPECT_EQ(form().Label1.caption, "Bet $" + std::to_string(stake) + " on Black");
    }
    spin(1);
    EXPECT_EQ(form().Label1.caption, "Quit NOW");
    EXPECT_EQ(form().backColor, 192);
    EXPECT_EQ(form().Button1.caption, "Start");
    EXPECT_TRUE(form().Picture4.visible);
    EXPECT_FALSE(form().chips[0].visible);
    EXPECT_EQ(state().Balance, 1001 - 63);

    // The next press starts a new run: table counters from 0, total spins kept.
    const int total = state().TotalSpins;
    waitButton();
    pressButton();
    EXPECT_EQ(state().TableSpins, 0);
    EXPECT_EQ(state().TotalSpins, total);
    EXPECT_EQ(form().Button1.caption, "Submit");
}

TEST_F(ClassicPlay, SelectANumberFirst) {
    classicRedBlack();
    pressButton();
    waitButton();
    dialogs.boxes.clear();
    pressButton();
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Select a Number!"});
    EXPECT_EQ(state().TotalSpins, 0);
    EXPECT_TRUE(form().Text1.empty());
}

TEST_F(ClassicPlay, SequenceStartingWithTwoShowsTwoButStakesOne) {
    a().userMenu("mnuProg", 0);
    set("frmWagering.Text1", "2,4,8,Q");
    a().userPress("frmWagering.Command2");
    ASSERT_FALSE(form().frmWagering.open);
    classicRedBlack();
    pressButton();
    spin(5);
    EXPECT_EQ(form().Label1.caption, "Bet $2 on Black");
    EXPECT_EQ(form().chips[0].caption, "1");
    spin(3);
    EXPECT_EQ(state().Balance, 999);
    EXPECT_EQ(form().Label1.caption, "Bet $4 on Black");
}

TEST_F(ClassicPlay, StopMarkEndsTheBetWithoutASpinWait) {
    a().userMenu("mnuProg", 0);
    set("frmWagering.Text1", "1,2,S");
    a().userPress("frmWagering.Command2");
    classicRedBlack();
    set("Check8", "0");
    pressButton();
    spin(5);
    spin(3);
    ASSERT_EQ(form().Label1.caption, "Bet $2 on Black");
    const int total = state().TotalSpins;
    spin(3);  // the stop mark
    EXPECT_FALSE(state().BetOpen);
    EXPECT_EQ(form().Label1.caption, "Spin Only");
    EXPECT_TRUE(form().Button1.enabled);
    EXPECT_FALSE(form().marker.visible);
    EXPECT_EQ(state().TotalSpins, total + 1);
    EXPECT_EQ(state().StepIndex, 0);
    // The spin is taken: pressing again asks for a new number and enters nothing.
    dialogs.boxes.clear();
    pressButton();
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Select a Number!"});
    EXPECT_EQ(state().TotalSpins, total + 1);
    EXPECT_EQ(form().Text1.lineCount(), 3u);
}

TEST_F(ClassicPlay, CountersAfterZeroAndWhileABetIsOpen) {
    set("chk6", "1");
    set("Text18", "100");
    pressButton();
    spin(17);
    EXPECT_EQ(state().sleepers.at(Table::Dozen, 17), 0);
    EXPECT_EQ(state().sleepers.at(Table::Split, 1), 1);
    spin(0);  // no bet open: a zero counts nowhere but its own element
    EXPECT_EQ(state().sleepers.at(Table::Split, 1), 1);
    EXPECT_EQ(state().sleepers.at(Table::Dozen, 17), 0);
    EXPECT_EQ(form().Text1.text().substr(0, 5), "   0\r");
}

TEST_F(ClassicPlay, FamiliesWaitForTotalSpinsToReachTheirThreshold) {
    set("chk7_1", "1");
    set("Check1", "0");
    set("Text2", "3");
    set("Text18", "100");
    pressButton();
    for (int n : {20, 22}) {
        spin(n);
        EXPECT_EQ(form().Label1.caption, "Spin Only");
    }
    spin(24);  // TotalSpins 3 reaches the threshold; Red has slept 3 spins
    EXPECT_EQ(form().Label1.caption, "Bet $1 on Red");
}

TEST_F(ClassicPlay, SingleAloneNeverBetsInClassic) {
    set("BetStyle3", "1");
    set("Chk8", "1");
    set("BetStyle1", "1");
    EXPECT_EQ(form().Chk8.value, 0);
    EXPECT_FALSE(form().Chk8.enabled);
}

TEST_F(ClassicPlay, AutomaticMinimumWagerAfterWins) {
    a().userMenu("mnuProg", 0);
    set("frmWagering.Combo1", "1");  // one chip won raises the wager
    a().userPress("frmWagering.Command2");
    classicRedBlack();
    pressButton();
    spin(5);
    spin(2);  // win one chip
    EXPECT_EQ(form().cboWager.text(), "2");
    EXPECT_EQ(state().wager.UnitWager, 2);
    EXPECT_EQ(state().wager.NetChips, 0);
    EXPECT_EQ(form().Label12.caption, "Minimum Balance:$200");
    EXPECT_EQ(form().Label41.caption, "$60 per spot");
}

}  // namespace
}  // namespace brisvale::testing
