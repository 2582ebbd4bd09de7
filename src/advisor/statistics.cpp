// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics view of the Advisor's state.

#include "advisor/statistics.hpp"

#include <algorithm>
#include <limits>
#include <numeric>

#include "advisor/advisor.hpp"
#include "selection/passes.hpp"

namespace brisvale {
namespace {

// Never seen sorts as the longest ago.
constexpr int kNever = std::numeric_limits<int>::max();

}  // namespace

Statistics Advisor::statistics() const {
    Statistics out;
    const BetSet watched = watchedBets(d_.style.panelStyle());
    // A run that has ended (quit, table switch) keeps BetOpen but has nothing on the table.
    const bool playing = s_.BetOpen && s_.playing();
    const BetSet open = playing ? s_.CurrentBet.members() : BetSet();
    for (int i = 0; i < kBetCount; ++i) {
        const auto id = static_cast<BetId>(i);
        out.bets[i] = {id, s_.sleepers.slept(id, s_.MultiBetPlay), s_.threshold(bet(id).family),
                       watched.test(i), open.test(i)};
    }
    for (int n = 0; n < kNumberCount; ++n) {
        NumberStatistics& x = out.numbers[n];
        x.table = s_.runTally.hits[n];
        x.history = d_.history_.hits(n);
        // Each run's spins are recorded as they are entered; a run may also see spins the
        // record lacks (a replay, spins before a casino was chosen), so the nearer one counts.
        if (s_.runTally.since[n] >= 0) x.last = s_.runTally.since[n];
        if (const auto h = d_.history_.since(n)) {
            const int recorded = static_cast<int>(std::min<std::size_t>(*h, kNever - 1));
            x.last = x.last ? std::min(*x.last, recorded) : recorded;
        }
    }

    out.rankedByRecord = !d_.history_.empty();
    const auto hits = [&](int n) {
        return out.rankedByRecord ? out.numbers[n].history : out.numbers[n].table;
    };
    const auto ago = [&](int n) { return out.numbers[n].last.value_or(kNever); };
    const auto hotter = [&](int a, int b) {
        if (hits(a) != hits(b)) return hits(a) > hits(b);
        if (ago(a) != ago(b)) return ago(a) < ago(b);
        return a < b;
    };
    std::array<int, kNumberCount> order{};
    std::iota(order.begin(), order.end(), 0);
    std::partial_sort(order.begin(), order.begin() + 5, order.end(), hotter);
    std::copy_n(order.begin(), 5, out.hottest.begin());
    std::partial_sort(order.begin(), order.begin() + 5, order.end(), [&](int a, int b) {
        if (hits(a) != hits(b)) return hits(a) < hits(b);
        if (ago(a) != ago(b)) return ago(a) > ago(b);
        return a < b;
    });
    std::copy_n(order.begin(), 5, out.coldest.begin());

    out.balance = {s_.RunBalances.data(), s_.RunBalances.size()};
    return out;
}

}  // namespace brisvale
