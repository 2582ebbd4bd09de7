// SPDX-License-Identifier: GPL-3.0-or-later
// The house edge as a test of the whole engine: every bet of a single-zero wheel returns
// 36/37 of its stake, so over millions of spins any style's return per dollar staked must
// come out at -1/37. A wrong payout, a wrong stake or a bet settled twice moves it away.
// Run with the `edge` label, apart from the quick suite.

#include <gtest/gtest.h>

#include <numeric>

#include "sim/report.hpp"
#include "sim/styles.hpp"

namespace brisvale::sim {
namespace {

constexpr long long kSpins = 2'000'000;
constexpr double kZ99 = 2.5758293035489004;

// A style as the settings keys it sets.
struct EdgeCase {
    std::string name;
    std::vector<std::pair<int, int>> keys;
};

class HouseEdge : public testing::TestWithParam<EdgeCase> {};

TEST_P(HouseEdge, ReturnPerStakedIsMinusOneIn37) {
    TableSetup setup{test::makeStyle(
        [](Settings& s) {
            for (auto [key, value] : GetParam().keys) s[key] = value;
        },
        3)};
    setup.bankroll = 1e9;
    const Table table(setup);
    ASSERT_EQ(table.startProblem(), std::nullopt);
    RunOptions options;
    options.seed = 2024;
    options.threads = 2;
    // Sessions end at quit marks, so their number is sized from a first few hundred.
    options.sessions = 400;
    for (long long spins = 0; spins < kSpins;) {
        const RunResult run = runSessions(table, options);
        spins = std::accumulate(run.sessions.begin(), run.sessions.end(), 0LL,
                                [](long long n, const SessionResult& r) { return n + r.spins; });
        if (spins < kSpins) {
            options.sessions = static_cast<long long>(
                kSpins * 1.05 * static_cast<double>(options.sessions) / static_cast<double>(spins));
            continue;
        }
        const auto ci = ratioInterval(run.sessions, kZ99);
        ASSERT_TRUE(ci);
        EXPECT_LE((*ci)[0], kHouseEdge) << (*ci)[1];
        EXPECT_GE((*ci)[1], kHouseEdge) << (*ci)[0];
    }
}

// clang-format off
#define EVEN {EvenBets, 1}, {RedBlack, 1}, {OddEven, 1}, {HighLow, 1}
INSTANTIATE_TEST_SUITE_P(Styles, HouseEdge, testing::Values(
    EdgeCase{"ClassicEven", {EVEN}}, EdgeCase{"ClassicDozen", {{Dozen, 1}}},
    EdgeCase{"ClassicRow", {{Row, 1}}}, EdgeCase{"ClassicLine", {{Line, 1}}},
    EdgeCase{"ClassicCorner", {{Corner, 1}}}, EdgeCase{"ClassicTrio", {{Trio, 1}}},
    EdgeCase{"ClassicSplit", {{Split, 1}}},
    EdgeCase{"Multi", {EVEN, {ProgSing, 0}, {MultiBet, 1}, {Dozen, 1}, {Row, 1}, {Line, 1},
                       {Corner, 1}, {CboDozen, 1}, {CboRow, 1}, {CboLine, 2}, {CboCorner, 2}}},
    EdgeCase{"Super", {EVEN, {ProgSing, 0}, {ProgMulti, 1}, {Dozen, 1}, {Trio, 1}, {Split, 1},
                       {Single, 1}, {CboDozen, 1}, {CboTrio, 2}, {CboSplit, 2}, {CboSingle, 3}}}),
    [](const testing::TestParamInfo<EdgeCase>& p) { return p.param.name; });
// clang-format on

}  // namespace
}  // namespace brisvale::sim
