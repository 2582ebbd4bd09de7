// The bet table, the valid-loss check and both settlements, over random open bets and spins.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "selection/bet_table.hpp"

namespace brisvale {
namespace {

TEST(Settlement, OpenBetsAgainstRandomSpins) {
    const std::pair<double, double> halves[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {2.6, 3}};
    for (const auto& [x, rounded] : halves) EXPECT_EQ(roundHalfEven(x), rounded) << x;
    // The return factor goes by the family word alone, so a split that is not one still has it.
    EXPECT_EQ(std::tuple(ReturnFactor("Split 4/1"), ReturnFactor("nothing")), std::tuple(18, 0));
    std::mt19937 gen(3);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(gen); };
    const char* elements[] = {"1", "3", "S", "x", "Q", "2147483647"};
    for (int round = 0; round < 500; ++round) {
        PlayState s;
        for (Sequence& seq : s.wagering.WagerSequence) {
            for (int k = pick(0, 5); k > 0; --k) seq.push_back(elements[pick(0, 5)]);
        }
        s.wager.UnitWager = pick(1, 100);
        s.Balance = pick(-50, 50) + pick(0, 3) / 4.0;
        s.Stake = pick(1, 9);
        for (auto& step : s.betSteps) step = static_cast<std::int16_t>(pick(0, 6));
        for (int k = pick(0, 6); k > 0; --k) {
            const auto id = BetId(pick(0, kBetCount - 1));
            if (!s.CurrentBet.contains(id)) s.CurrentBet.push_back(id);
        }
        const int spin = pick(-1, 37);
        // The stake of a bet at step n is its family's n-th element in chips, 0 when unreadable.
        const auto stake = [&](BetId id) {
            const Sequence& seq = s.wagering.of(bet(id).family);
            const int step = s.betSteps[id];
            return step < 1 || step > int(seq.size()) ? 0 : elementValue(seq[step - 1]).value_or(0);
        };
        for (int i = 0; i < kBetCount; ++i) {
            const auto id = BetId(i);
            const std::string l(label(id));
            EXPECT_EQ(BetStep(s, l), s.betSteps[id]);
            EXPECT_EQ(BetStake(s, l), stake(id));
            EXPECT_EQ(BetWinAmount(s, l), bet(id).returnFactor * stake(id) * s.UnitWager());
            EXPECT_EQ(ReturnFactor(l), bet(id).returnFactor);
            EXPECT_EQ(SequenceValue(s, l, -1) + SequenceValue(s, l, 5), 0);
        }
        for (const char* none : {"red", "Split 4/1"}) {
            EXPECT_EQ(BetStep(s, none) + BetStake(s, none) + BetWinAmount(s, none) +
                          SequenceValue(s, none, 0),
                      0);
        }
        std::string winners;
        for (BetId id : winnersOrder()) {
            if (s.CurrentBet.contains(id) && bet(id).covers(spin)) winners += winnersEntry(id);
        }
        EXPECT_EQ(CheckValidLose(s, spin), winners.empty());
        EXPECT_EQ(s.WinningBets.winnersText(), winners);

        // Classic settles each open bet at Stake with its net payout; a single has no word to
        // settle by. Multi-bet play: the winners, then the losers; every winner returns its
        // factor and starts again, every bet costs its own stake.
        PlayState classic = s, multi = s;
        double classicBalance = roundHalfEven(s.Balance), multiBalance = classicBalance;
        std::string classicSettled, losers;
        long long multiTotal = 0;
        for (BetId id : s.CurrentBet) {
            const bool won = s.WinningBets.contains(id);
            if (bet(id).family != Family::Single) {
                classicBalance += won ? bet(id).netPayout * s.Stake : -s.Stake;
                classicSettled += listEntry(id);
            }
            multiBalance += (won ? bet(id).netPayout : -1) * stake(id) * s.UnitWager();
            if (!won) losers += listEntry(id);
            multiTotal += stake(id) * s.UnitWager();
        }
        SettleBalance(classic);
        EXPECT_EQ(classic.Balance, classicBalance);
        EXPECT_EQ(classic.settled.bets.listText(), classicSettled);
        SettleMultiBalance(multi);
        EXPECT_EQ(multi.Balance, multiBalance);
        EXPECT_EQ(multi.settled.bets.listText(), s.WinningBets.listText() + losers);
        EXPECT_EQ(multi.settled.total(), multiTotal);
        for (int i = 0; i < kBetCount; ++i) {
            EXPECT_EQ(multi.betSteps[i], s.WinningBets.contains(BetId(i)) ? 0 : s.betSteps[i]);
        }
        ResetBetStep(s, "Red");
        ResetBetStep(s, "red");
        EXPECT_EQ(s.betSteps[bet_ids::Red], 0);
        InitBetTable(s);
        EXPECT_EQ(std::ranges::count(s.betSteps, 0), kBetCount);
    }
}

}  // namespace
}  // namespace brisvale
