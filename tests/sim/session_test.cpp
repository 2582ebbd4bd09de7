// SPDX-License-Identifier: GPL-3.0-or-later
// Sessions played through the Advisor: a backtest worked out by hand, the ways a session ends,
// the player's limits, the spin streams and threads, and a window that touches no file.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "run/json_checks.hpp"
#include "sim/random_streams.hpp"
#include "sim/simulation.hpp"
#include "sim/styles.hpp"
#include "support/files.hpp"
#include "support/ports.hpp"

namespace brisvale::sim {
namespace {

using test::redBlack;

TEST(Session, BacktestWorkedOutByHand) {
    // 2, 4: black twice, so every red number has slept 2 spins and Red is bet at $1.
    // 6: black, Red loses $1 and goes on at $2. 1: red, Red wins $2. 0: no bet is due.
    const std::vector<int> spins = {2, 4, 6, 1, 0};
    ListFeed feed(spins, 0);
    std::vector<double> balances;
    const SessionResult r = Table({redBlack()}).play(5, 0, feed, &balances);
    EXPECT_EQ(balances, (std::vector<double>{1000, 1000, 1000, 999, 1001, 1001}));
    EXPECT_EQ(std::tuple(r.spins, r.staked, r.net, r.largestStake, r.maxDrawdown, r.ending),
              std::tuple(5, 3, 1, 2, 1, Ending::OutOfSpins));
}

// Black after black: Red opens on the second spin, loses 1, 2, 4, ..., 64 and reaches its quit
// mark; $10 covers 1 + 2 + 4 but not the 8 that comes next, and the spin it could not bet on
// stays unplayed. With two wins per table: +1, then -1 -2 -4 +8, and the table is left.
TEST(Session, EndsAsThePlayerMust) {
    const std::vector<int> blacks(20, 2), wins = {2, 4, 1, 2, 4, 6, 8, 10, 1, 3, 5};
    const auto play = [](TableSetup setup, const std::vector<int>& spins, Ending ending, double net,
                         std::size_t used) {
        ListFeed feed(spins, 0);
        const SessionResult r = Table(setup).play(1, 0, feed);
        EXPECT_EQ(std::tuple(r.ending, r.net, feed.position()), std::tuple(ending, net, used))
            << endingName(ending);
    };
    TableSetup broke{redBlack()}, shortTable{redBlack()};
    broke.bankroll = 10;
    shortTable.maxSpins = 3;
    play({redBlack()}, blacks, Ending::Quit, -127, 9);
    play(broke, blacks, Ending::Broke, -7, 5);
    play(shortTable, blacks, Ending::MaxSpins, -1, 3);
    play({redBlack(2)}, wins, Ending::SwitchTable, 2, 9);
    // 15 minutes at 40 s a spin: the advice comes once 900 s have passed with no bet open.
    const SessionResult r = Table({redBlack(999, 15, 30000)}).play(1, 0, *wheelFeed(1, 0));
    EXPECT_EQ(std::tuple(r.ending, r.spins), std::tuple(Ending::SwitchTable, 23));
    // Nothing ticked, or no style stored: a window that touches no file says so.
    const testing::TempDir dir;
    for (const auto& style : {test::makeStyle([](Settings&) {}),
                              std::make_shared<StoredStyle>(readStoredStyle(dir / "never"))})
        EXPECT_EQ(Table({style}).startProblem(), "Play Style is not properly set up");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path));
}

// The player's limits: each session stops at the spin that reaches a limit, so a loss limit
// costs at most the limit and the one stake of that spin.
TEST(Limits, EachSessionStopsAtTheSpinThatReachesItsLimit) {
    struct Case {
        const char* name;
        std::optional<double> loss, win, minutes;
        LimitName hit;
    };
    const Case cases[] = {
        {"loss limit $20", 20, std::nullopt, std::nullopt, LimitName::LossSession},
        {"win goal $5", std::nullopt, 5, std::nullopt, LimitName::WinSession},
        {"time limit 10 min", std::nullopt, std::nullopt, 10, LimitName::TimeDay}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TableSetup setup{redBlack(999, 999, 1)};
        setup.lossLimit = c.loss;
        setup.winGoal = c.win;
        setup.timeLimit = c.minutes;
        const Table table(setup);
        int hits = 0;
        for (std::uint64_t session = 0; session < 300; ++session) {
            const SessionResult r = table.play(11, session, *wheelFeed(11, session));
            ASSERT_EQ(r.ending == Ending::Limit, r.limit.has_value());
            if (r.limit) {
                ++hits;
                EXPECT_EQ(*r.limit, c.hit);
            }
            // The spin that reaches the limit settles; nothing is staked after it.
            if (c.loss) {
                EXPECT_GT(r.net, -*c.loss - static_cast<double>(r.largestStake));
            }
            if (c.loss && r.limit) {
                EXPECT_LE(r.net, -*c.loss);
            }
            if (c.win && r.limit) {
                EXPECT_GE(r.net, *c.win);
            }
            // 40 s a spin: the spin that starts at or after 10 minutes is the last.
            if (c.minutes) {
                EXPECT_LE(r.spins, 16);
            }
        }
        EXPECT_GT(hits, 30) << "the limit must end sessions for the test to mean anything";
    }
}

TEST(Streams, UniformAndIndependent) {
    StreamGenerator wheel(9, 0, Stream::Wheel);
    std::array<int, 37> counts{};
    for (int i = 0; i < 37 * 10000; ++i) ++counts[wheel.below(37)];
    double chi2 = 0;
    for (int c : counts) chi2 += (c - 10000.0) * (c - 10000.0) / 10000.0;
    EXPECT_LT(chi2, 70.0) << "36 degrees of freedom: 70 is beyond the 99.9 % point";
    std::set<std::uint64_t> firsts;
    for (std::uint64_t session = 0; session < 100; ++session)
        for (Stream s : {Stream::Wheel, Stream::Thresholds})
            firsts.insert(StreamGenerator(9, session, s).next());
    EXPECT_EQ(firsts.size(), 200u);
}

TEST(Simulation, SameResultsOnAnyNumberOfThreadsStopsWhenAskedAndBacktests) {
    const Table table({redBlack()});
    RunOptions options;
    options.sessions = 300;
    options.seed = 11;
    const RunResult one = runSessions(table, options);
    options.threads = 3;
    const RunResult three = runSessions(table, options);
    ASSERT_EQ(one.sessions.size(), 300u);
    for (std::size_t i = 0; i < one.sessions.size(); ++i)
        EXPECT_EQ(std::tie(one.sessions[i].net, one.sessions[i].staked),
                  std::tie(three.sessions[i].net, three.sessions[i].staked))
            << i;
    const auto curve = balanceCurve(table, options, three, 7);
    EXPECT_EQ(std::tuple(curve.back() - curve.front(), curve.size()),
              std::tuple(one.sessions[7].net, static_cast<std::size_t>(one.sessions[7].spins) + 1));

    // Asked to stop, a long run ends early.
    options.sessions = 1'000'000;
    std::stop_source stop;
    long long calls = 0;
    const auto request = [&](long long, long long) { ++calls, stop.request_stop(); };
    EXPECT_TRUE(runSessions(table, options, request, stop.get_token()).cancelled && calls >= 1);

    options.spins = std::vector<int>(25, 2);  // seven losses quit, then the next session
    const RunResult run = runSessions(table, options);
    ASSERT_EQ(run.sessions.size(), 3u);
    EXPECT_EQ(std::tuple(run.sessions[1].firstSpin, run.sessions[2].ending,
                         run.sessions[0].spins + run.sessions[1].spins + run.sessions[2].spins),
              std::tuple(static_cast<std::size_t>(run.sessions[0].spins), Ending::OutOfSpins, 25));
}

// An engine nobody looks at keeps no window: the spins of a session, played through the verbs,
// leave the window model as the Start left it.
TEST(Session, PlayedUnseenTheWindowModelStaysAsOpened) {
    for (const auto style : {PlayStyle::Classic, PlayStyle::Multi, PlayStyle::Super}) {
        testing::FakeDialogs dialogs;
        testing::FakeBrowser browser;
        testing::FakeClock clock;
        StreamRandom random{1, 0};
        Advisor a(Ports{dialogs, browser, clock, random, nullptr});
        StartOptions options;
        // Red/Black, the dozens and the splits, two of each at once.
        options.style = test::makeStyle([](Settings& st) {
            st[EvenBets] = 2;
            st[RedBlack] = st[Dozen] = st[Split] = 1;
            st[CboDozen] = st[CboSplit] = 2;
            st[Acct] = 100000;
        });
        options.shown = false;
        a.userOpenWindow(options);
        a.choosePlayStyle(style);
        ASSERT_TRUE(a.startRun().ok);
        const std::string started = json::toJson(a.form()).dump();
        auto feed = wheelFeed(7, 0);
        for (int spin = 0; spin < 300 && !a.game().runEnded(); ++spin) {
            while (!a.game().awaitingSpin()) a.userTick();
            ASSERT_TRUE(a.enterSpin(*feed->next()).ok);
            // The end of the run shows (the Start button comes back); the spins do not.
            if (a.game().runEnded()) break;
            ASSERT_EQ(json::toJson(a.form()).dump(), started) << static_cast<int>(style);
        }
        EXPECT_GT(a.state().TotalSpins, 20);
        EXPECT_GT(a.state().session.staked, 0);
    }
}

}  // namespace
}  // namespace brisvale::sim
