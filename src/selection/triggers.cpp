// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/triggers.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>
#include <span>
#include <vector>

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
    NumberMask mask = 0;
#if defined(__SSE2__)
    const auto counters = tables.padded(table);
    if (threshold <= std::numeric_limits<std::int16_t>::min())
        return ((NumberMask{1} << 37) - 1) & ~NumberMask{1};
    if (threshold > std::numeric_limits<std::int16_t>::max()) return 0;
    // counter >= threshold, as counter > threshold - 1, in 16-bit lanes; the padding's lanes
    // are masked off at the end.
    const __m128i below = _mm_set1_epi16(static_cast<std::int16_t>(threshold - 1));
    const auto reached = [&](int base) {
        return _mm_cmpgt_epi16(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(counters.data() + base)), below);
    };
    // Sixteen answers to a byte mask at a time: 0..15, 16..31, then 32..39.
    static_assert(SleeperTables::kPaddedLength == 40);
    for (int base = 0; base < 32; base += 16) {
        const auto bits = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_packs_epi16(reached(base), reached(base + 8))));
        mask |= NumberMask{bits & 0xFFFFu} << base;
    }
    const auto bits =
        static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(reached(32), _mm_setzero_si128())));
    mask |= NumberMask{bits & 0xFFu} << 32;
    mask &= ((NumberMask{1} << 37) - 1) & ~NumberMask{1};  // zero is never a sleeper
#else
    const auto& counters = tables[table];
    // Without a branch: which numbers sleep is a coin toss for the branch predictor.
    for (int n = 1; n <= 36; ++n) mask |= NumberMask{counters[n] >= threshold} << n;
#endif
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

// A Classic scan order with its bets' numbers side by side, so that the scan reads one short
// array. Most spins leave no bet of a long order due; the bets of such an order come in a few
// shapes (a split across, a split down, a corner, ...), and a shape's bets are all asked at
// once: the numbers where a shape starts with every number of it asleep are the starts whose
// numbers shifted by each of the shape's offsets sleep too.
struct ClassicOrder {
    struct Shape {
        NumberMask offsets = 0;  // the bet's numbers, counted up from its lowest
        NumberMask starts = 0;   // the lowest numbers of the order's bets of this shape
    };
    std::span<const BetId> ids;
    std::vector<NumberMask> numbers;
    std::vector<Shape> shapes;
    bool byShape = false;  // asking the shapes first is cheaper than reading the bets

    explicit ClassicOrder(std::span<const BetId> order) : ids(order) {
        int offsets = 0;
        for (BetId id : order) {
            const NumberMask m = bet(id).numbers;
            numbers.push_back(m);
            // Zero never sleeps, so a bet on it is never due.
            if ((m & 1) != 0) continue;
            const int low = std::countr_zero(m);
            const NumberMask shape = m >> low;
            auto it = std::find_if(shapes.begin(), shapes.end(),
                                   [&](const Shape& s) { return s.offsets == shape; });
            if (it == shapes.end()) {
                shapes.push_back({shape, 0});
                it = shapes.end() - 1;
                offsets += std::popcount(shape);
            }
            it->starts |= NumberMask{1} << low;
        }
        byShape = offsets < static_cast<int>(order.size());
    }

    bool anyDue(NumberMask sleeping) const {
        for (const Shape& shape : shapes) {
            NumberMask due = shape.starts;
            for (NumberMask rest = shape.offsets; rest != 0 && due != 0; rest &= rest - 1) {
                due &= sleeping >> std::countr_zero(rest);
            }
            if (due != 0) return true;
        }
        return false;
    }
};

// The orders of Classic play: the three even pairs, then Dozen to Trio, then the splits.
enum ClassicScan : int { RedBlackScan, LowHighScan, EvenOddScan, FamilyScan };
inline constexpr BetId kRedBlack[] = {Red, Black}, kLowHigh[] = {Low, High},
                       kEvenOdd[] = {Even, Odd};

const ClassicOrder& classicOrder(int scan) {
    static const auto orders = [] {
        std::vector<ClassicOrder> out{ClassicOrder(kRedBlack), ClassicOrder(kLowHigh),
                                      ClassicOrder(kEvenOdd)};
        for (int f = 1; f < kFamilyCount; ++f) {
            const auto family = static_cast<Family>(f);
            out.emplace_back(triggerOrder(family));
        }
        return out;
    }();
    return orders[static_cast<std::size_t>(scan)];
}

int familyScan(Family family) {
    return FamilyScan + static_cast<int>(family) - 1;
}

// Classic play: the last due bet of the scan is shown, so the scan runs from the end.
void classicScan(PlayState& s, const ClassicOrder& order, Table table, Family family) {
    const NumberMask sleeping = sleepingNumbers(s.sleepers, table, s.threshold(family));
    if (sleeping == 0 || (order.byShape && !order.anyDue(sleeping))) return;
    const NumberMask awake = ~sleeping;
    for (std::size_t i = order.ids.size(); i-- > 0;) {
        if ((order.numbers[i] & awake) == 0) {
            openClassic(s, order.ids[i], family);
            return;
        }
    }
}

void evenPair(PlayState& s, int scan) {
    const std::span<const BetId> pair = classicOrder(scan).ids;
    const Table table = SleeperTables::triggerTable(pair[0], s.MultiBetPlay);
    if (!s.MultiBetPlay) {
        classicScan(s, classicOrder(scan), table, Family::Even);
        return;
    }
    BetList& list = s.list(Family::Even);
    const NumberMask sleeping = sleepingNumbers(s.sleepers, table, s.threshold(Family::Even));
    for (BetId id : pair) {
        if (inside(id, sleeping) && !list.contains(id) && !spinHits(s, id)) list.push_back(id);
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
        ++added;
    }
    if (!list.empty()) s.BetOpen = true;
}

void family(PlayState& s, const MultiRule& rule) {
    if (s.MultiBetPlay) {
        multiScan(s, triggerOrder(rule.family), rule);
    } else {
        classicScan(s, classicOrder(familyScan(rule.family)), rule.table, rule.family);
    }
}

}  // namespace

void TriggerRedBlack(PlayState& s) {
    evenPair(s, RedBlackScan);
}
void TriggerHighLow(PlayState& s) {
    evenPair(s, LowHighScan);
}
void TriggerOddEven(PlayState& s) {
    evenPair(s, EvenOddScan);
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
        classicScan(s, classicOrder(familyScan(Family::Split)), Table::Split, Family::Split);
    }
}

void TriggerSingle(PlayState& s) {
    if (!s.MultiBetPlay) return;
    multiScan(s, triggerOrder(Family::Single),
              {Family::Single, Table::Single, Overlap::Numbers, true});
}

}  // namespace brisvale
