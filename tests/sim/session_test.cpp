// Sessions played through the Advisor: a backtest worked out by hand, the spin streams, and a
// window that touches no file.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "sim/random_streams.hpp"
#include "sim/simulation.hpp"
#include "sim/styles.hpp"
#include "support/files.hpp"

namespace brisvale::sim {
namespace {

// Classic, Red/Black only, threshold 2, sequence 1,2,4,...,Q, $1000 at Start.
std::shared_ptr<StoredStyle> redBlack() {
    return test::makeStyle([](Settings& s) {
        s[EvenBets] = 2;
        s[RedBlack] = 1;
        s[Acct] = 1000;
    });
}

TEST(Session, BacktestWorkedOutByHand) {
    const Table table({redBlack()});
    // 2, 4: black twice, so every red number has slept 2 spins and Red is bet at $1.
    // 6: black, Red loses $1 and goes on at $2. 1: red, Red wins $2. 0: no bet is due
    // (number 1 has not slept since).
    const std::vector<int> spins = {2, 4, 6, 1, 0};
    ListFeed feed(spins, 0);
    std::vector<double> balances;
    const SessionResult r = table.play(5, 0, feed, &balances);
    EXPECT_EQ(balances, (std::vector<double>{1000, 1000, 1000, 999, 1001, 1001}));
    EXPECT_EQ(r.spins, 5);
    EXPECT_EQ(r.staked, 3);
    EXPECT_EQ(r.net, 1);
    EXPECT_EQ(r.largestStake, 2);
    EXPECT_EQ(r.maxDrawdown, 1);
    EXPECT_EQ(r.ending, Ending::OutOfSpins);
}

TEST(Session, EndsAsThePlayerMust) {
    // Black after black: Red loses 1, 2, 4, 8, 16, 32, 64 and reaches its quit mark.
    const std::vector<int> blacks(20, 2);
    {
        const Table table({redBlack()});
        ListFeed feed(blacks, 0);
        const SessionResult r = table.play(1, 0, feed);
        EXPECT_EQ(r.ending, Ending::Quit);
        EXPECT_EQ(r.staked, 1 + 2 + 4 + 8 + 16 + 32 + 64);
        EXPECT_EQ(r.net, -r.staked);
        EXPECT_EQ(r.largestStake, 64);
    }
    {
        // $10 covers 1 + 2 + 4 but not the $8 that comes next.
        TableSetup setup{redBlack()};
        setup.bankroll = 10;
        const Table table(setup);
        ListFeed feed(blacks, 0);
        const SessionResult r = table.play(1, 0, feed);
        EXPECT_EQ(r.ending, Ending::Broke);
        EXPECT_EQ(r.net, -7);
        EXPECT_EQ(feed.position(), 5u) << "the spin the player could not bet on stays unplayed";
    }
    {
        TableSetup setup{redBlack()};
        setup.maxSpins = 3;
        ListFeed feed(blacks, 0);
        EXPECT_EQ(Table(setup).play(1, 0, feed).ending, Ending::MaxSpins);
    }
    {
        // Two wins end the table when the wins per table are 2.
        auto style = redBlack();
        std::const_pointer_cast<StoredStyle>(style)->settings.values[WinsPer] = 2;
        const std::vector<int> wins = {2, 4, 1, 2, 4, 6, 8, 10, 1, 3, 5};
        ListFeed feed(wins, 0);
        EXPECT_EQ(Table({style}).play(1, 0, feed).ending, Ending::SwitchTable);
    }
}

TEST(Session, StartProblemIsTheWindowsMessage) {
    const Table none({test::makeStyle([](Settings&) {})});
    EXPECT_EQ(none.startProblem(), "Play Style is not properly set up");
    EXPECT_EQ(Table({redBlack()}).startProblem(), std::nullopt);
}

TEST(Session, TableSwitchAdviceComesWithPlayTime) {
    // 15 minutes at 40 s a spin: the advice comes once 900 s have passed with no bet open.
    auto style = test::makeStyle(
        [](Settings& s) {
            s[EvenBets] = 2;
            s[RedBlack] = 1;
            s[Acct] = 100;
            s[PlayTime] = 15;
        },
        30000);
    const Table table({style});
    auto wheel = wheelFeed(1, 0);
    const SessionResult r = table.play(1, 0, *wheel);
    EXPECT_EQ(r.ending, Ending::SwitchTable);
    EXPECT_EQ(r.spins, 23);
}

TEST(Streams, UniformAndIndependent) {
    StreamGenerator wheel(9, 0, Stream::Wheel);
    std::array<int, 37> counts{};
    constexpr int kDraws = 37 * 10000;
    for (int i = 0; i < kDraws; ++i) ++counts[wheel.below(37)];
    double chi2 = 0;
    for (int c : counts) chi2 += (c - 10000.0) * (c - 10000.0) / 10000.0;
    EXPECT_LT(chi2, 70.0) << "36 degrees of freedom: 70 is beyond the 99.9 % point";

    std::set<std::uint64_t> firsts;
    for (std::uint64_t session = 0; session < 100; ++session) {
        for (Stream s : {Stream::Wheel, Stream::Thresholds}) {
            firsts.insert(StreamGenerator(9, session, s).next());
        }
    }
    EXPECT_EQ(firsts.size(), 200u);
    EXPECT_EQ(StreamGenerator(9, 3, Stream::Wheel).next(),
              StreamGenerator(9, 3, Stream::Wheel).next());
}

TEST(Simulation, SameResultsOnAnyNumberOfThreads) {
    const Table table({redBlack()});
    RunOptions options;
    options.sessions = 300;
    options.seed = 11;
    const RunResult one = runSessions(table, options);
    options.threads = 3;
    const RunResult three = runSessions(table, options);
    ASSERT_EQ(one.sessions.size(), 300u);
    for (std::size_t i = 0; i < one.sessions.size(); ++i) {
        EXPECT_EQ(one.sessions[i].net, three.sessions[i].net) << i;
        EXPECT_EQ(one.sessions[i].staked, three.sessions[i].staked) << i;
    }
    const auto curve = balanceCurve(table, options, three, 7);
    EXPECT_EQ(curve.back() - curve.front(), one.sessions[7].net);
    EXPECT_EQ(curve.size(), static_cast<std::size_t>(one.sessions[7].spins) + 1);
}

TEST(Simulation, BacktestPlaysSessionsBackToBack) {
    const Table table({redBlack()});
    RunOptions options;
    options.spins = std::vector<int>(25, 2);  // seven losses quit, then the next session
    const RunResult run = runSessions(table, options);
    ASSERT_EQ(run.sessions.size(), 3u);
    EXPECT_EQ(run.sessions[1].firstSpin, static_cast<std::size_t>(run.sessions[0].spins));
    EXPECT_EQ(run.sessions[2].ending, Ending::OutOfSpins);
    long long spins = 0;
    for (const SessionResult& s : run.sessions) spins += s.spins;
    EXPECT_EQ(spins, 25);
}

TEST(Simulation, StopsWhenAsked) {
    const Table table({redBlack()});
    RunOptions options;
    options.sessions = 1'000'000;
    options.threads = 2;
    std::stop_source stop;
    long long calls = 0;
    const RunResult run = runSessions(
        table, options, [&](long long, long long) { ++calls, stop.request_stop(); },
        stop.get_token());
    EXPECT_TRUE(run.cancelled);
    EXPECT_GE(calls, 1);
}

TEST(StoredStyle, ReadAndPlayedWithoutTouchingTheFolder) {
    const testing::TempDir tmp;
    const std::filesystem::path& dir = tmp.path;
    const std::filesystem::path missing = dir / "never";
    auto style = std::make_shared<StoredStyle>(readStoredStyle(missing));
    EXPECT_EQ(style->settings.status, SettingsStatus::Missing);
    const Table table({style});
    EXPECT_EQ(table.startProblem(), "Play Style is not properly set up");
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_TRUE(std::filesystem::is_empty(dir));
}

}  // namespace
}  // namespace brisvale::sim
