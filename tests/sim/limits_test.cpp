// SPDX-License-Identifier: GPL-3.0-or-later
// The player's limits in the simulator: each session stops at the spin that reaches a limit,
// so a loss limit costs at most the limit and the one stake of that spin.

#include <gtest/gtest.h>

#include "sim/simulation.hpp"
#include "sim/styles.hpp"

namespace brisvale::sim {
namespace {

std::shared_ptr<StoredStyle> redBlackAt(int low) {
    return test::makeStyle(
        [](Settings& s) {
            s[EvenBets] = 2;
            s[RedBlack] = 1;
            s[Acct] = 1000;
            s[WinsPer] = 999;
            s[PlayTime] = 999;
        },
        low);
}

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
        TableSetup setup{redBlackAt(1)};
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

}  // namespace
}  // namespace brisvale::sim
