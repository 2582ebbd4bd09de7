// SPDX-License-Identifier: GPL-3.0-or-later
// The house edge as a test of the whole engine: every bet of a single-zero wheel returns
// 36/37 of its stake, so over millions of spins any style's return per dollar staked must
// come out at -1/37. A wrong payout, a wrong stake or a bet settled twice moves it away.
// Run with the `edge` label, apart from the quick suite.

#include <gtest/gtest.h>

#include <cstdio>
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

// The 95 % interval of the return holds -1/37 about 95 times in 100: the runs are those of a
// player at the default Red/Black style, 300 sessions each, moving tables after 15 minutes. A
// progression's rare deep loss is missing from many such runs; an interval from the outcomes
// seen would then be tight around a small gain and miss the edge.
TEST(HouseEdgeInterval, CoversTheEdgeNineteenTimesInTwenty) {
    auto style = std::make_shared<StoredStyle>();
    style->settings.status = SettingsStatus::Loaded;
    style->settings.values = defaultSettings();
    style->settings.values[EvenBets] = 2;
    style->settings.values[RedBlack] = 1;
    style->wagering = defaultWagering();
    TableSetup setup{style};
    setup.bankroll = 1000;
    const Table table(setup);
    ASSERT_EQ(table.startProblem(), std::nullopt);
    constexpr int kRuns = 1000;
    int covered = 0;
    int byOutcomes = 0;  // the interval from the sessions' spread, for comparison
    RunOptions options;
    options.sessions = 300;
    options.threads = 2;
    for (int run = 0; run < kRuns; ++run) {
        options.seed = 9000 + static_cast<std::uint64_t>(run);
        const RunResult result = runSessions(table, options);
        const auto ci = stakeInterval(result.sessions, kZ95);
        ASSERT_TRUE(ci) << run;
        covered += (*ci)[0] <= kHouseEdge && kHouseEdge <= (*ci)[1] ? 1 : 0;
        const auto spread = ratioInterval(result.sessions, kZ95);
        byOutcomes += spread && (*spread)[0] <= kHouseEdge && kHouseEdge <= (*spread)[1] ? 1 : 0;
    }
    const double share = static_cast<double>(covered) / kRuns;
    std::printf(
        "the interval held -1/37 in %d of %d runs (%.1f %%); from the sessions' spread "
        "in %d\n",
        covered, kRuns, share * 100, byOutcomes);
    EXPECT_GE(share, 0.92);
    EXPECT_LE(share, 0.98);
}

// Two styles on the same spins, as --compare plays them: each return within its interval
// around -1/37, and the difference of the two with its paired interval.
TEST(HouseEdgeInterval, TwoStylesOnTheSameSpins) {
    const auto table = [](int family, int threshold) {
        TableSetup setup{test::makeStyle(
            [family](Settings& s) {
                s[family] = 1;
                if (family == RedBlack) s[EvenBets] = 2;
            },
            threshold)};
        setup.bankroll = 1e9;
        return std::make_unique<Table>(setup);
    };
    const auto dozen = table(Dozen, 5);
    const auto redBlack = table(RedBlack, 7);
    RunOptions options;
    options.seed = 77;
    options.threads = 2;
    options.sessions = 3000;
    const RunResult a = runSessions(*dozen, options);
    const RunResult b = runSessions(*redBlack, options);
    Report report = summarize(a, "classic", 77, 1e9, false);
    addComparison(report, summarize(b, "classic", 77, 1e9, false), a, b);
    for (const Report* r : {static_cast<const Report*>(&report), report.compare.get()}) {
        ASSERT_TRUE(r->ci95);
        EXPECT_GT(r->staked, 100'000);
        EXPECT_LE((*r->ci95)[0], kHouseEdge);
        EXPECT_GE((*r->ci95)[1], kHouseEdge);
    }
    ASSERT_TRUE(report.meanSessionDifference.ci95);
    EXPECT_LT((*report.meanSessionDifference.ci95)[0], report.meanSessionDifference.value);
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
