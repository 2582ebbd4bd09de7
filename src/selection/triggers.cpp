// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/triggers.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>
#include <span>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "selection/bet_table.hpp"

namespace brisvale {
namespace {

using namespace bet_ids;

// The numbers of a table whose counters reach the threshold; a bet is due when it lies inside.
// Every pass asks this of its table after every spin: eight counters are compared at once.
NumberMask sleepingNumbers(const SleeperTables& tables, Table table, int threshold) {
    const auto& counters = tables[table];
    NumberMask mask = 0;
    int n = 1;
#if defined(__SSE2__)
    if (threshold <= std::numeric_limits<std::int16_t>::min())
        return ((NumberMask{1} << 37) - 1) & ~NumberMask{1};
    if (threshold > std::numeric_limits<std::int16_t>::max()) return 0;
    // counter >= threshold, as counter > threshold - 1, in 16-bit lanes.
    const __m128i below = _mm_set1_epi16(static_cast<std::int16_t>(threshold - 1));
    for (int base = 0; base < 32; base += 8) {
        const __m128i eight =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(counters.data() + base));
        const __m128i reached = _mm_cmpgt_epi16(eight, below);
        const auto bits =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(reached, _mm_setzero_si128())));
        mask |= NumberMask{bits & 0xFFu} << base;
    }
    mask &= ~NumberMask{1};  // zero is never a sleeper
    n = 32;
#endif
    // Without a branch: which numbers sleep is a coin toss for the branch predictor.
    for (; n <= 36; ++n) mask |= NumberMask{counters[n] >= threshold} << n;
    return mask;
}

bool inside(BetId id, NumberMask sleeping) {
    return (bet(id).numbers & ~sleeping) == 0;
}

bool spinHits(const PlayState& s, BetId id) {
    return bet(id).covers(s.SpinNumber);
}

// The wager of a new bet's caption: the family's first element times the minimum wager.
long long firstAmount(const PlayState& s, Family family) {
    const SequenceStep* first = s.wagering.of(family).at(0);
    return (first && first->kind == SequenceStep::Kind::Chips ? first->chips : 0) * s.UnitWager();
}

void openClassic(PlayState& s, BetId id, Family family) {
    s.advice = Advice::betOn(id, firstAmount(s, family));
    s.CurrentBet.assignSingle(id);
    s.BetOpen = true;
}

// How many numbers a mask holds. Without the processor's own count (x86-64 before POPCNT) the
// standard one is a library call, too slow for a test made at every pass of every spin.
int countNumbers(NumberMask m) {
#if defined(__POPCNT__) || !defined(__x86_64__)
    return std::popcount(m);
#else
    m -= (m >> 1) & 0x5555555555555555ULL;
    m = (m & 0x3333333333333333ULL) + ((m >> 2) & 0x3333333333333333ULL);
    m = (m + (m >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((m * 0x0101010101010101ULL) >> 56);
#endif
}

// The fewest numbers of the wheel (1..36) that a bet of the order covers: with fewer numbers
// sleeping, none of them can be due.
int fewestNumbers(std::span<const BetId> order) {
    int fewest = 36;
    for (BetId id : order) {
        fewest = std::min(fewest, bet(id).count - static_cast<int>(bet(id).numbers & 1));
    }
    return fewest;
}

// Classic play: the last due bet of the scan is shown, so the scan runs from the end.
void classicScan(PlayState& s, std::span<const BetId> order, Table table, Family family) {
    const NumberMask sleeping = sleepingNumbers(s.sleepers, table, s.threshold(family));
    static const auto fewest = [] {
        std::array<int, kFamilyCount> out{};
        for (int f = 0; f < kFamilyCount; ++f) {
            out[f] = fewestNumbers(triggerOrder(static_cast<Family>(f)));
        }
        return out;
    }();
    // Most spins leave too few numbers asleep in a table for any of its bets.
    if (countNumbers(sleeping) < fewest[static_cast<int>(family)]) return;
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if (inside(*it, sleeping)) {
            openClassic(s, *it, family);
            return;
        }
    }
}

void evenPair(PlayState& s, BetId first, BetId second) {
    const BetId pair[] = {first, second};
    const Table table = SleeperTables::triggerTable(first, s.MultiBetPlay);
    if (!s.MultiBetPlay) {
        classicScan(s, pair, table, Family::Even);
        return;
    }
    BetList& list = s.list(Family::Even);
    const NumberMask sleeping = sleepingNumbers(s.sleepers, table, s.threshold(Family::Even));
    for (BetId id : pair) {
        if (inside(id, sleeping) && !list.contains(id) && !spinHits(s, id)) {
            list.push_back(id);
            s.BetOpen = true;
        }
    }
    if (!list.empty()) s.BetOpen = true;
}

enum class Overlap { Label, Numbers };

struct MultiRule {
    Family family;
    Table table;
    Overlap overlap;
    bool spinExcludes;
};

// Multi-bet play: append due bets within the count box's allowance.
void multiScan(PlayState& s, std::span<const BetId> order, const MultiRule& rule) {
    BetList& list = s.list(rule.family);
    const int allowance = s.style.atOnce(rule.family) - list.size();
    const NumberMask sleeping = sleepingNumbers(s.sleepers, rule.table, s.threshold(rule.family));
    int added = 0;
    for (BetId id : order) {
        if (added >= allowance) break;
        if (!inside(id, sleeping)) continue;
        const bool overlaps = rule.overlap == Overlap::Label
                                  ? list.contains(id)
                                  : (bet(id).numbers & list.printed()) != 0;
        if (overlaps) continue;
        if (rule.spinExcludes && spinHits(s, id)) continue;
        list.push_back(id);
        s.BetOpen = true;
        ++added;
    }
    if (!list.empty()) s.BetOpen = true;
}

void family(PlayState& s, const MultiRule& rule) {
    const auto order = triggerOrder(rule.family);
    if (s.MultiBetPlay) {
        multiScan(s, order, rule);
    } else {
        classicScan(s, order, rule.table, rule.family);
    }
}

}  // namespace

void TriggerRedBlack(PlayState& s) {
    evenPair(s, Red, Black);
}
void TriggerHighLow(PlayState& s) {
    evenPair(s, Low, High);
}
void TriggerOddEven(PlayState& s) {
    evenPair(s, Even, Odd);
}

void TriggerDozen(PlayState& s) {
    family(s, {Family::Dozen, Table::Dozen, Overlap::Label, true});
}
void TriggerRow(PlayState& s) {
    family(s, {Family::Row, Table::Row, Overlap::Label, true});
}
void TriggerLine(PlayState& s) {
    family(s, {Family::Line, Table::Line, Overlap::Numbers, false});
}
void TriggerCorner(PlayState& s) {
    family(s, {Family::Corner, Table::Corner, Overlap::Numbers, true});
}
void TriggerTrio(PlayState& s) {
    family(s, {Family::Trio, Table::Trio, Overlap::Numbers, false});
}

void TriggerSplit(PlayState& s) {
    if (s.MultiBetPlay) {
        multiScan(s, multiSplitOrder(), {Family::Split, Table::Split, Overlap::Numbers, true});
    } else {
        classicScan(s, naturalSplitOrder(), Table::Split, Family::Split);
    }
}

void TriggerSingle(PlayState& s) {
    if (!s.MultiBetPlay) return;
    multiScan(s, triggerOrder(Family::Single),
              {Family::Single, Table::Single, Overlap::Numbers, true});
}

}  // namespace brisvale
