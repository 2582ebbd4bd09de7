// The house edge as a test of the whole engine: every bet of a single-zero wheel returns
// 36/37 of its stake, so over millions of spins any style's return per dollar staked must
// come out at -1/37. A wrong payout, a wrong stake or a bet settled twice moves it away.
// Run with the `edge` label, apart from the quick suite.

#include <gtest/gtest.h>

#include <iostream>
#include <numeric>

#include "sim/report.hpp"
#include "sim/styles.hpp"

namespace brisvale::sim {
namespace {

constexpr long long kSpins = 2'000'000;
constexpr double kZ99 = 2.5758293035489004;

struct EdgeCase {
    const char* name;
    std::function<void(Settings&)> style;
};

long long countSpins(const RunResult& run) {
    return std::accumulate(run.sessions.begin(), run.sessions.end(), 0LL,
                           [](long long n, const SessionResult& s) { return n + s.spins; });
}

class HouseEdge : public testing::TestWithParam<EdgeCase> {};

TEST_P(HouseEdge, ReturnPerStakedIsMinusOneIn37) {
    TableSetup setup{test::makeStyle(GetParam().style, 3)};
    setup.bankroll = 1e9;
    const Table table(setup);
    ASSERT_EQ(table.startProblem(), std::nullopt);
    RunOptions options;
    options.seed = 2024;
    options.threads = 2;
    // Sessions end at quit marks, so their number is sized from a first few hundred.
    options.sessions = 400;
    RunResult run = runSessions(table, options);
    for (long long spins = 0; spins < kSpins;) {
        const double perSession = static_cast<double>(spins == 0 ? countSpins(run) : spins) /
                                  static_cast<double>(options.sessions);
        options.sessions = static_cast<long long>(kSpins / perSession * 1.05) + 100;
        run = runSessions(table, options);
        spins = countSpins(run);
    }
    const auto ci = ratioInterval(run.sessions, kZ99);
    ASSERT_TRUE(ci);
    const Report report = summarize(run, table.styleName(), options.seed, 1e9, false);
    EXPECT_LE((*ci)[0], kHouseEdge) << *report.returnPerStaked;
    EXPECT_GE((*ci)[1], kHouseEdge) << *report.returnPerStaked;
    std::cout << GetParam().name << ": " << report.spins << " spins, $" << report.staked
              << " staked, return " << *report.returnPerStaked << " in [" << (*ci)[0] << ", "
              << (*ci)[1] << "]\n";
}

void classic(Settings& s, int family) {
    s[family] = 1;
    if (family == EvenBets) s[RedBlack] = s[OddEven] = s[HighLow] = 1;
}

INSTANTIATE_TEST_SUITE_P(
    Styles, HouseEdge,
    testing::Values(EdgeCase{"ClassicEven", [](Settings& s) { classic(s, EvenBets); }},
                    EdgeCase{"ClassicDozen", [](Settings& s) { classic(s, Dozen); }},
                    EdgeCase{"ClassicRow", [](Settings& s) { classic(s, Row); }},
                    EdgeCase{"ClassicLine", [](Settings& s) { classic(s, Line); }},
                    EdgeCase{"ClassicCorner", [](Settings& s) { classic(s, Corner); }},
                    EdgeCase{"ClassicTrio", [](Settings& s) { classic(s, Trio); }},
                    EdgeCase{"ClassicSplit", [](Settings& s) { classic(s, Split); }},
                    EdgeCase{
                        "Multi",
                        [](Settings& s) {
                            s[ProgSing] = 0;
                            s[MultiBet] = 1;
                            classic(s, EvenBets);
                            s[Dozen] = s[Row] = s[Line] = s[Corner] = 1;
                            s[CboDozen] = s[CboRow] = 1;
                            s[CboLine] = s[CboCorner] = 2;
                        },
                    },
                    EdgeCase{
                        "Super",
                        [](Settings& s) {
                            s[ProgSing] = 0;
                            s[ProgMulti] = 1;
                            classic(s, EvenBets);
                            s[Dozen] = s[Trio] = s[Split] = s[Single] = 1;
                            s[CboDozen] = 1;
                            s[CboTrio] = s[CboSplit] = 2;
                            s[CboSingle] = 3;
                        },
                    }),
    [](const testing::TestParamInfo<EdgeCase>& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace brisvale::sim
