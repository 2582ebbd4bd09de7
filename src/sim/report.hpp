// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a run of sessions comes to: the money staked and lost beside the house edge, and how
// the sessions went. Written as text for a person, as JSON and as CSV for other programs.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/intervals.hpp"
#include "sim/simulation.hpp"

namespace brisvale::sim {

// What every single-zero bet returns per dollar staked in the long run.
inline constexpr double kHouseEdge = -1.0 / 37.0;

struct Report {
    std::string style;  // "classic", "multi", "super"
    std::uint64_t seed = 0;
    bool backtest = false;
    double bankroll = 0;
    long long minimumBalance = 0;  // the style's minimum balance; 0: not known
    long long sessions = 0;
    long long spins = 0;
    long long staked = 0;
    double net = 0;
    // net / staked with its 95 % confidence interval (from the variance the stakes carry);
    // none when nothing was staked.
    std::optional<double> returnPerStaked;
    std::optional<std::array<double, 2>> ci95;
    long long sessionsWon = 0;
    long long sessionsLost = 0;
    long long sessionsNeverBet = 0;  // sessions that ended without a bet, apart from won / lost
    double meanSession = 0;
    std::optional<Interval> meanSessionCi95;
    // The share of sessions that went broke, its Wilson interval, and the spins a ruin took
    // (p50, p90; none without a ruin).
    long long ruined = 0;
    double ruin = 0;
    std::optional<Interval> ruinCi95;
    std::optional<std::array<double, 2>> ruinSpins;
    std::array<double, 5> percentiles{};  // p5, p25, p50, p75, p95 of the session results
    double worstSession = 0;
    double bestSession = 0;
    double maxDrawdown = 0;
    long long largestStake = 0;
    std::array<long long, kEndingCount> endedBy{};
    // Sessions ended by each limit: the loss limit, the win goal, the time limit.
    std::array<long long, 3> limitsHit{};
    double spinsPerSecond = 0;
    int threads = 1;
    std::size_t medianSession = 0;    // the session whose result is the median
    int spinSeconds = 40;             // play time of a spin, for the cost per hour
    std::vector<double> sessionNets;  // each session's result, in session order
    // --target-error: the precision asked of the ruin share, and whether it was reached.
    std::optional<double> targetError;
    bool targetReached = false;
    // --compare: the second style on the same spins, and this one less that one.
    std::shared_ptr<const Report> compare;
    Difference meanSessionDifference;
    Difference ruinDifference;
};

Report summarize(const RunResult& run, std::string_view style, std::uint64_t seed, double bankroll,
                 bool backtest);
// The interval of net / staked at the given two-sided normal quantile (1.96 for 95 %).
std::optional<std::array<double, 2>> ratioInterval(const std::vector<SessionResult>& sessions,
                                                   double z);

std::string textReport(const Report& report);
// The plain words above the table: "Following this style costs about $X per 100 spins (or $Z
// per hour at 40 s a spin). 1 session in N lost $Y or more.", and when the stakes were too
// few for the return to mean much, that too.
std::string plainWords(const Report& report);
// True when the return's interval is wider than the house edge either way: the result is then
// mostly luck.
bool tooFewBets(const Report& report);
// The second style's report and the paired differences, this one less `other`.
void addComparison(Report& report, Report other, const RunResult& mine, const RunResult& theirs);
// One JSON object on one line, ending in a line break.
std::string jsonReport(const Report& report);
// A header line, then session,spins,staked,net,max_drawdown,largest_stake,ended_by per session.
// With `compared` (the second style of --compare, session by session on the same spins), three
// more columns: compare_staked,compare_net,compare_ended_by.
std::string csvSessions(const std::vector<SessionResult>& sessions,
                        const std::vector<SessionResult>* compared = nullptr);
// "Over N spins this style staked $S and lost $L: X % of the money staked; the house edge is
// 2.70 %." (or "won $W", when it did).
std::string costSentence(const Report& report);

// Plain decimal text of an amount: whole numbers without a fraction, others to the cent.
std::string money(double amount);

}  // namespace brisvale::sim
