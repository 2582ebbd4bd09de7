// The valid-loss check, the winners order, both settlements and the bet table.

#include <gtest/gtest.h>

#include "selection/bet_table.hpp"

namespace brisvale {
namespace {

PlayState withBets(std::initializer_list<const char*> labels) {
    PlayState s;
    for (int k = 0; k < kFamilyCount; ++k) {
        s.wagering.WagerSequence[k] = splitSequence(defaultSequenceText(static_cast<Family>(k)));
    }
    s.wager.UnitWager = 1;
    for (const char* l : labels) s.CurrentBet.push_back(*findLabel(l));
    return s;
}

TEST(ValidLoseCheck, WinnersInTheirOrder) {
    struct Case {
        std::vector<const char*> bets;
        int spin;
        bool lost;
        const char* winners;
    };
    const Case cases[] = {
        {{"Red"}, 0, true, ""},
        {{"Red"}, 2, true, ""},
        {{"Corner 04/01/05/02"}, 5, false, ",Corner 04/01/05/02"},
        {{"Red", "1st 12", "Single 07"}, 7, false, ",Red,1st 12,Single 07"},
        {{"Single 07", "1st 12", "Red"}, 7, false, ",Red,1st 12,Single 07"},
        {{"Split 04/01", "Trio 01/02/03", "Odd", "Row 1", "Line 06/03", "01 to 18"},
         1,
         false,
         ",Trio 01/02/03,01 to 18,Odd,Row 1,Line 06/03,Split 04/01"},
        {{"Split 35/36", "Split 04/01", "Split 01/02"}, 1, false, ",Split 04/01,Split 01/02"},
        {{"Black", "Even", "3rd 12"}, 0, true, ""},
    };
    for (const Case& c : cases) {
        PlayState s;
        for (const char* l : c.bets) s.CurrentBet.push_back(*findLabel(l));
        EXPECT_EQ(CheckValidLose(s, c.spin), c.lost) << c.winners;
        EXPECT_EQ(s.WinningBets.winnersText(), c.winners);
    }
}

TEST(SettleBalance, ClassicNetPayouts) {
    struct Case {
        const char* bet;
        int spin;
        double balance;
        double expected;
    };
    const Case cases[] = {
        {"Red", 0, 100, 95},
        {"Red", 1, 100, 105},
        {"1st 12", 12, 100, 110},
        {"Row 2", 5, 100, 110},
        {"Line 06/03", 6, 100, 125},
        {"Corner 04/01/05/02", 5, 100, 140},
        {"Trio 01/02/03", 3, 100, 155},
        {"Split 04/01", 4, 100, 185},
        {"19 to 36", 18, 100, 95},
        {"Even", 36, 10.5, 15},
        {"Odd", 36, 11.5, 7},
    };
    for (const Case& c : cases) {
        PlayState s = withBets({c.bet});
        s.Stake = 5;
        s.Balance = c.balance;
        CheckValidLose(s, c.spin);
        SettleBalance(s);
        EXPECT_DOUBLE_EQ(s.Balance, c.expected) << c.bet << " " << c.spin;
    }
}

TEST(SettleMultiBalance, EveryBetAtItsOwnStake) {
    // Steps: Red at its 3rd stake (4), 1st 12 at its 2nd (2), Single 07 at its 1st (1); $2 units.
    PlayState s = withBets({"Red", "1st 12", "Single 07"});
    s.wager.UnitWager = 2;
    s.betSteps[bet_ids::Red] = 3;
    s.betSteps[bet_ids::FirstDozen] = 2;
    s.betSteps[*findLabel("Single 07")] = 1;
    s.Balance = 1000;
    ASSERT_FALSE(CheckValidLose(s, 7));
    SettleMultiBalance(s);
    // Three winners in three families: (2-1)*4*2 + (3-1)*2*2 + (36-1)*1*2 = 8 + 8 + 70.
    EXPECT_DOUBLE_EQ(s.Balance, 1086);
    EXPECT_EQ(BetStep(s, "Red"), 0);
    EXPECT_EQ(BetStep(s, "1st 12"), 0);
    EXPECT_EQ(BetStep(s, "Single 07"), 0);

    PlayState t = withBets({"Red", "1st 12", "Single 07"});
    t.wager.UnitWager = 2;
    t.betSteps[bet_ids::Red] = 3;
    t.betSteps[bet_ids::FirstDozen] = 2;
    t.betSteps[*findLabel("Single 07")] = 1;
    t.Balance = 1000;
    ASSERT_TRUE(CheckValidLose(t, 13));  // black, second dozen
    SettleMultiBalance(t);
    EXPECT_DOUBLE_EQ(t.Balance, 1000 - 8 - 4 - 2);
    EXPECT_EQ(BetStep(t, "Red"), 3);  // losers keep their steps

    // One winner, one loser.
    PlayState u = withBets({"Black", "Corner 04/01/05/02"});
    u.betSteps[bet_ids::Black] = 1;
    u.betSteps[*findLabel("Corner 04/01/05/02")] = 7;  // corner's 7th element is 2
    u.Balance = 50;
    ASSERT_FALSE(CheckValidLose(u, 5));  // red: the corner wins, Black loses
    SettleMultiBalance(u);
    EXPECT_DOUBLE_EQ(u.Balance, 50 + 2 * 8 - 1);
}

TEST(BetTable, LookupsByLabel) {
    PlayState s = withBets({});
    s.betSteps[*findLabel("Split 04/01")] = 4;
    s.wager.UnitWager = 3;
    EXPECT_EQ(BetStep(s, "Split 04/01"), 4);
    EXPECT_EQ(BetStep(s, "Split 4/1"), 0);
    EXPECT_EQ(BetStep(s, "red"), 0);
    EXPECT_EQ(BetStake(s, "Split 04/01"), 1);
    EXPECT_EQ(BetWinAmount(s, "Split 04/01"), 18 * 1 * 3);
    EXPECT_EQ(ReturnFactor("Row 2"), 3);
    EXPECT_EQ(ReturnFactor("nothing"), 0);
    EXPECT_EQ(SequenceValue(s, "Red", 6), 64);
    EXPECT_EQ(SequenceValue(s, "Red", 7), 0);  // the "Q"
    ResetBetStep(s, "Split 04/01");
    EXPECT_EQ(BetStep(s, "Split 04/01"), 0);
    s.betSteps.fill(5);
    InitBetTable(s);
    for (auto step : s.betSteps) EXPECT_EQ(step, 0);
}

TEST(BetTable, WinAmountsNeedNoSixteenBitLimit) {
    PlayState s = withBets({"Single 17"});
    s.wagering.WagerSequence[static_cast<int>(Family::Single)] = splitSequence("5000,Q");
    s.betSteps[*findLabel("Single 17")] = 1;
    s.wager.UnitWager = 100;
    EXPECT_EQ(BetWinAmount(s, "Single 17"), 36LL * 5000 * 100);
    s.Balance = 0;
    CheckValidLose(s, 17);
    SettleMultiBalance(s);
    EXPECT_DOUBLE_EQ(s.Balance, 35.0 * 5000 * 100);
}

}  // namespace
}  // namespace brisvale
