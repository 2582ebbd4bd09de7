// SPDX-License-Identifier: GPL-3.0-or-later
// The report: the ratio estimate and its interval, the session figures, and their texts.

#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "sim/report.hpp"

namespace brisvale::sim {
namespace {

SessionResult session(double net, long long staked, Ending ending = Ending::Quit) {
    return {10, staked, net, std::fabs(net), staked / 2, ending};
}

TEST(Report, RatioIntervalByTheDeltaMethod) {
    // R = -30 / 300 = -0.1; residuals 10, -10, 0 around R * staked; mean stake 100;
    // standard error sqrt(200 / 2 / 3) / 100.
    const std::vector<SessionResult> s = {session(0, 100), session(-30, 200), session(0, 0)};
    const auto ci = ratioInterval(s, 2.0);
    ASSERT_TRUE(ci);
    const double error = std::sqrt(200.0 / 2 / 3) / 100;
    for (int side : {0, 1}) EXPECT_NEAR((*ci)[side], -0.1 + (side * 4 - 2) * error, 1e-12);
    EXPECT_FALSE(ratioInterval({session(-5, 10)}, 2.0)) << "one session gives no spread";
    EXPECT_FALSE(ratioInterval({session(0, 0), session(0, 0)}, 2.0)) << "nothing staked";
}

TEST(Report, SessionFigures) {
    RunResult run;
    for (int i = 0; i < 5; ++i) run.sessions.push_back(session(10.0 * i - 20, 100));
    run.sessions[4].ending = Ending::Broke;  // nets -20, -10, 0, 10, 20
    run.seconds = 0.5;
    const Report r = summarize(run, "super", 3, 500, false);
    // The 5th percentile lies 5 % of the way from -20 to 20 over four gaps.
    EXPECT_EQ(
        std::tuple(r.spins, r.sessionsWon, r.sessionsLost, r.percentiles[0], r.percentiles[2],
                   r.medianSession, r.endedBy[static_cast<int>(Ending::Broke)], r.spinsPerSecond),
        std::tuple(50, 2, 2, -18, 0, 2u, 1, 100));

    // Every member and its place: the whole text below.
    const auto json = nlohmann::json::parse(jsonReport(r));
    EXPECT_EQ(std::tuple(json["house_edge"], json["percentiles"]["p95"], json["ended_by"]["broke"]),
              std::tuple(-1.0 / 37, 18, 1));

    const std::string csv = csvSessions(run.sessions);
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "session,spins,staked,net,max_drawdown,largest_stake,ended_by");
    EXPECT_NE(csv.find("\n5,10,100,20,20,50,broke\n"), std::string::npos);
}

// The JSON keeps its member order and number texts; the text report says the same figures in
// words: the interval of the ruin, and every ending (out of spins only for a backtest, which can
// run out of them).
TEST(Report, JsonOrderAndNumbersAndTheTextsRuinAndEndings) {
    RunResult run;
    for (double net : {-20.5, 10.0, 0.0, 37.0}) run.sessions.push_back(session(net, 100));
    for (SessionResult& s : run.sessions) s.stakeVariance = 400;
    run.sessions[0].ending = Ending::Broke;
    run.seconds = 0.3;
    run.threads = 2;
    // Whole amounts without a fraction, others as the shortest text that reads back the same.
    EXPECT_EQ(jsonReport(summarize(run, "multi", 42, 2500, true)),
              "{\"style\":\"multi\",\"seed\":42,\"backtest\":true,\"bankroll\":2500,"
              "\"sessions\":4,\"spins\":40,\"staked\":400,\"net\":26.5,"
              "\"return_per_staked\":0.06625,\"ci95\":[-0.1297463984540054,0.26224639845400544],"
              "\"house_edge\":-0.02702702702702703,\"sessions_won\":2,\"sessions_lost\":1,"
              "\"mean_session\":6.625,\"percentiles\":{\"p5\":-17.425,\"p25\":-5.125,"
              "\"p50\":5,\"p75\":16.75,\"p95\":32.94999999999999},\"worst_session\":-20.5,"
              "\"best_session\":37,\"max_drawdown\":37,\"largest_stake\":50,"
              "\"ended_by\":{\"quit\":3,\"switch_table\":0,\"broke\":1,\"max_spins\":0,"
              "\"limit\":0,\"out_of_spins\":0},"
              "\"limits_hit\":{\"loss_limit\":0,\"win_goal\":0,\"time_limit\":0},"
              "\"spins_per_second\":133,\"threads\":2,"
              "\"sessions_never_bet\":0,\"ruin\":0.25,"
              "\"ruin_ci95\":[0.04558726080970055,0.6993581574175981],"
              "\"mean_session_ci95\":[-16.796962561501015,30.046962561501015],"
              "\"ruin_spins\":{\"p50\":10,\"p90\":10}}\n");
    for (const bool backtest : {true, false}) {
        const std::string text = textReport(summarize(run, "multi", 42, 2500, backtest));
        EXPECT_NE(text.find("went broke            25.00 %, 1 sessions (95 % CI 4.56 % to "
                            "69.94 %)\n"),
                  std::string::npos)
            << text;
        const std::string ended =
            "ended by              quit 3, switch table 0, broke 1, max "
            "spins 0, limit 0";
        EXPECT_NE(text.find(ended + (backtest ? ", out of spins 0\n" : "\n")), std::string::npos)
            << text;
    }
}

TEST(Report, TheSentenceSaysWhatTheStyleCost) {
    Report r;
    r.spins = 1200;
    r.staked = 5000;
    r.net = -135;
    EXPECT_EQ(costSentence(r),
              "Over 1200 spins this style staked $5000 and lost $135: 2.70 % of the money "
              "staked; the house edge is 2.70 %.");
    r.net = 40.5;
    EXPECT_EQ(costSentence(r),
              "Over 1200 spins this style staked $5000 and won $40.50: 0.81 % of the money "
              "staked, luck that does not last; the house edge is 2.70 %.");
}

}  // namespace
}  // namespace brisvale::sim
