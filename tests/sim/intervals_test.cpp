// SPDX-License-Identifier: GPL-3.0-or-later
// The report's intervals: Wilson against published values, the variance a press's stakes carry
// against the 37 numbers counted one by one, the return's interval, a paired difference, and a
// run that plays until the share that went broke is known closely enough.

#include <gtest/gtest.h>

#include <cmath>

#include "sim/intervals.hpp"
#include "sim/simulation.hpp"
#include "sim/styles.hpp"

namespace brisvale::sim {
namespace {

using namespace brisvale::bet_ids;

TEST(Intervals, WilsonMatchesPublishedValues) {
    // Newcombe (1998) and the usual tables, to four places.
    // Hits, trials, and the interval's ends.
    const std::tuple<long long, long long, double, double> cases[] = {{0, 10, 0.0, 0.2775},
                                                                      {5, 10, 0.2366, 0.7634},
                                                                      {10, 100, 0.0552, 0.1744},
                                                                      {1, 4, 0.0456, 0.6994},
                                                                      {10, 10, 0.7225, 1.0}};
    for (const auto& [hits, trials, low, high] : cases) {
        const auto ci = wilsonInterval(hits, trials, kZ95);
        ASSERT_TRUE(ci);
        EXPECT_NEAR((*ci)[0], low, 5e-5) << hits << "/" << trials;
        EXPECT_NEAR((*ci)[1], high, 5e-5) << hits << "/" << trials;
    }
    EXPECT_FALSE(wilsonInterval(0, 0, kZ95));
}

// The variance of the press's net, the 37 numbers counted one by one.
double counted(const Settlement& s) {
    double sum = 0, squares = 0;
    for (int n = 0; n <= 36; ++n) {
        double paid = 0;
        for (int i = 0; i < s.bets.size(); ++i) {
            if (bet(s.bets[i]).covers(n))
                paid += static_cast<double>(s.stakes[i] * bet(s.bets[i]).returnFactor);
        }
        sum += paid;
        squares += paid * paid;
    }
    return squares / 37 - (sum / 37) * (sum / 37);
}

TEST(Intervals, SpinVarianceIsThatOfTheNetOverTheWheel) {
    Settlement red;
    red.add(Red, 10);
    EXPECT_NEAR(spinVariance(red), 100 * 4 * (18.0 / 37) * (19.0 / 37), 1e-9);
    Settlement both;  // Red and Black: 2 back on every number but zero
    both.add(Red, 1);
    both.add(Black, 1);
    EXPECT_NEAR(spinVariance(both), 144.0 / 1369, 1e-12);
    Settlement overlap;  // a dozen, a single inside it and a split across its edge
    overlap.add(FirstDozen, 3);
    overlap.add(singleOf(5), 1);
    overlap.add(static_cast<BetId>(FirstSplit + 7), 2);
    overlap.add(Odd, 4);
    EXPECT_NEAR(spinVariance(overlap), counted(overlap), 1e-9);
    EXPECT_EQ(spinVariance(Settlement{}), 0);
}

TEST(Intervals, ReturnIntervalComesFromTheStakesVariance) {
    const std::vector<SessionResult> sessions = {{.staked = 100, .net = -10, .stakeVariance = 300},
                                                 {.staked = 100, .net = 4, .stakeVariance = 100}};
    const auto ci = stakeInterval(sessions, 2.0);
    ASSERT_TRUE(ci);
    EXPECT_DOUBLE_EQ((*ci)[0], -0.03 - 2 * 20.0 / 200);
    EXPECT_DOUBLE_EQ((*ci)[1], -0.03 + 2 * 20.0 / 200);
    EXPECT_FALSE(stakeInterval(std::vector<SessionResult>(3), 2.0)) << "nothing staked";
}

TEST(Intervals, PairedDifference) {
    const std::vector<double> a{-5, 10, -20, 0}, b{-4, 6, -20, 2};
    const Difference self = pairedDifference(a, a);
    ASSERT_TRUE(self.ci95);
    EXPECT_EQ(std::tuple(self.value, (*self.ci95)[0], (*self.ci95)[1]), std::tuple(0.0, 0.0, 0.0));
    const Difference d = pairedDifference(a, b);
    // Differences -1, 4, 0, -2: mean 0.25, sample deviation sqrt(20.75 / 3).
    EXPECT_DOUBLE_EQ(d.value, 0.25);
    ASSERT_TRUE(d.ci95);
    EXPECT_NEAR((*d.ci95)[1] - d.value, kZ95 * std::sqrt(20.75 / 3 / 4), 1e-12);
}

// Red/Black at threshold 1 from $40: a few sessions in ten go broke.
Table smallBankroll() {
    TableSetup setup{test::redBlack(999, 999, 1)};
    setup.bankroll = 40;
    setup.maxSpins = 200;
    return Table(setup);
}

TEST(Intervals, TargetErrorStopsAtTheAskedPrecision) {
    const Table table = smallBankroll();
    RunOptions options;
    options.seed = 11;
    options.threads = 2;
    options.sessions = 200'000;
    for (const double target : {0.02, 0.01}) {
        bool reached = false;
        const RunResult run = runToPrecision(table, options, target, reached);
        const auto n = static_cast<long long>(run.sessions.size());
        long long broke = 0;
        for (const SessionResult& s : run.sessions) broke += s.ending == Ending::Broke ? 1 : 0;
        const auto ci = wilsonInterval(broke, n, kZ95);
        ASSERT_TRUE(reached && ci) << target;
        const double half = ((*ci)[1] - (*ci)[0]) / 2;
        EXPECT_LE(half, target);
        EXPECT_GT(half, 0.7 * target) << "played far more sessions than asked: " << n;
        EXPECT_GT(broke, 0);
        // The sessions are those of one run of that length.
        RunOptions whole = options;
        whole.sessions = n;
        const RunResult once = runSessions(table, whole);
        for (long long i = 0; i < n; i += 97) {
            EXPECT_EQ(run.sessions[i].net, once.sessions[i].net) << i;
        }
    }
    // A cap below what the precision needs ends the run there.
    options.sessions = 300;
    bool reached = true;
    const RunResult capped = runToPrecision(table, options, 0.001, reached);
    EXPECT_EQ(std::tuple(reached, capped.sessions.size()), std::tuple(false, std::size_t{300}));
}

}  // namespace
}  // namespace brisvale::sim
