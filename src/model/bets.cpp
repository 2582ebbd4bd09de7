// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue's data, its text forms and the orders in which the program goes through it.

#include "model/bets.hpp"

#include <cassert>
#include <charconv>

#include "model/catalogue.hpp"

namespace brisvale {
namespace {

using catalogue::bit;
using catalogue::kBets;
using catalogue::SplitPair;
namespace ids = bet_ids;

// The named ids of bets.hpp must agree with the generated table.
static_assert(catalogue::idOf("1st 12") == ids::FirstDozen);
static_assert(catalogue::idOf("3rd 12") == ids::ThirdDozen);
static_assert(catalogue::idOf("Row 1") == ids::Row1 && catalogue::idOf("Row 3") == ids::Row3);
static_assert(catalogue::idOf("Line 06/03") == ids::FirstLine);
static_assert(catalogue::idOf("Line 36/33") == ids::FirstCorner - 1);
static_assert(catalogue::idOf("Corner 04/01/05/02") == ids::FirstCorner);
static_assert(catalogue::idOf("Corner 35/32/36/33") == ids::FirstTrio - 1);
static_assert(catalogue::idOf("Trio 01/02/03") == ids::FirstTrio);
static_assert(catalogue::idOf("Trio 34/35/36") == ids::FirstSplit - 1);
static_assert(catalogue::idOf("Split 01/02") == ids::FirstSplit);
static_assert(catalogue::idOf("Split 35/36") == ids::Black - 1);
static_assert(catalogue::idOf("Black") == ids::Black && catalogue::idOf("Red") == ids::Red);
static_assert(catalogue::idOf("Odd") == ids::Odd && catalogue::idOf("Even") == ids::Even);
static_assert(catalogue::idOf("01 to 18") == ids::Low && catalogue::idOf("19 to 36") == ids::High);
static_assert(catalogue::idOf("Single 01") == ids::FirstSingle);
static_assert(catalogue::idOf("Single 36") == kBetCount - 1);

constexpr bool labelsUnique() {
    for (std::size_t i = 0; i < kBets.size(); ++i) {
        for (std::size_t j = i + 1; j < kBets.size(); ++j) {
            if (kBets[i].label() == kBets[j].label()) return false;
        }
    }
    return true;
}
static_assert(labelsUnique());

constexpr BetId splitId(SplitPair p) {
    const NumberMask m = bit(p.a) | bit(p.b);
    for (std::size_t i = ids::FirstSplit; i < ids::Black; ++i) {
        if (kBets[i].numbers == m && (kBets[i].printed & bit(p.a)) != 0) {
            return static_cast<BetId>(i);
        }
    }
    return kBetCount;  // not a split: fails the static_assert below
}

template <std::size_t N>
using Ids = std::array<BetId, N>;

constexpr Ids<kBetCount> kTableOrder = [] {
    Ids<kBetCount> out{};
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = static_cast<BetId>(i);
    return out;
}();

constexpr Ids<57> kNaturalSplits = [] {
    Ids<57> out{};
    const auto pairs = catalogue::naturalSplits();
    for (std::size_t i = 0; i < pairs.size(); ++i) out[i] = splitId(pairs[i]);
    return out;
}();

// Every natural split is a distinct bet of the split block: the two orders are permutations.
constexpr bool naturalSplitsValid() {
    std::array<bool, kBetCount> seen{};
    for (BetId id : kNaturalSplits) {
        if (id < ids::FirstSplit || id >= ids::Black || seen[id]) return false;
        seen[id] = true;
    }
    return true;
}
static_assert(naturalSplitsValid());

constexpr Ids<6> kEvenTrigger{ids::Red, ids::Black, ids::Low, ids::High, ids::Even, ids::Odd};

// Trios; the even-money bets; dozens; rows; lines; corners; natural splits; singles.
constexpr Ids<kBetCount> kWinnersOrder = [] {
    Ids<kBetCount> out{};
    std::size_t k = 0;
    auto range = [&](int first, int count) {
        for (int i = 0; i < count; ++i) out[k++] = static_cast<BetId>(first + i);
    };
    range(ids::FirstTrio, 12);
    for (BetId id : kEvenTrigger) out[k++] = id;
    range(ids::FirstDozen, 3);
    range(ids::Row1, 3);
    range(ids::FirstLine, 11);
    range(ids::FirstCorner, 22);
    for (BetId id : kNaturalSplits) out[k++] = id;
    range(ids::FirstSingle, 36);
    return out;
}();

std::span<const BetId> block(int first, int count) {
    return std::span<const BetId>(kTableOrder)
        .subspan(static_cast<std::size_t>(first), static_cast<std::size_t>(count));
}

}  // namespace

const std::array<Bet, kBetCount> detail::betTable = kBets;

std::string_view label(BetId id) {
    return bet(id).label();
}

const std::array<Bet, kBetCount>& allBets() {
    return kBets;
}

std::span<const std::uint8_t> numbersOf(BetId id) {
    const Bet& b = bet(id);
    return std::span<const std::uint8_t>(b.list).first(b.count);
}

BetId singleOf(int n) {
    assert(n >= 1 && n <= 36);
    return static_cast<BetId>(ids::FirstSingle + n - 1);
}

std::string listEntry(BetId id) {
    const std::string_view l = label(id);
    std::string s;
    s.reserve(l.size() + 1);
    s.append(l).push_back(',');
    return s;
}

std::string winnersEntry(BetId id) {
    const std::string_view l = label(id);
    std::string s;
    s.reserve(l.size() + 1);
    s.push_back(',');
    s.append(l);
    return s;
}

std::string caption(BetId id, long long amount) {
    std::string_view suffix = " on ";
    std::string_view shown = label(id);
    if (id == ids::Even || id == ids::Odd) {
        suffix = " ";
    } else if (id == ids::Low) {
        shown = "1 to 18";
    }
    char digits[24];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, amount);
    (void)ec;  // 24 characters hold any long long
    std::string s;
    s.reserve(5 + static_cast<std::size_t>(end - digits) + suffix.size() + shown.size());
    s.append("Bet $").append(digits, end).append(suffix).append(shown);
    return s;
}

std::span<const BetId> betTableOrder() {
    return kTableOrder;
}

std::span<const BetId> multiSplitOrder() {
    return block(ids::FirstSplit, 57);
}

std::span<const BetId> triggerOrder(Family family) {
    switch (family) {
        case Family::Even:
            return kEvenTrigger;
        case Family::Dozen:
            return block(ids::FirstDozen, 3);
        case Family::Row:
            return block(ids::Row1, 3);
        case Family::Line:
            return block(ids::FirstLine, 11);
        case Family::Corner:
            return block(ids::FirstCorner, 22);
        case Family::Trio:
            return block(ids::FirstTrio, 12);
        case Family::Split:
            return kNaturalSplits;
        case Family::Single:
            return block(ids::FirstSingle, 36);
    }
    return {};
}

std::span<const BetId> winnersOrder() {
    return kWinnersOrder;
}

const std::array<BetSet, 37>& betsCovering() {
    static const std::array<BetSet, 37> sets = [] {
        std::array<BetSet, 37> out{};
        for (int id = 0; id < kBetCount; ++id) {
            for (std::uint8_t n : numbersOf(static_cast<BetId>(id))) out[n].set(id);
        }
        return out;
    }();
    return sets;
}

std::span<const BetId> zeroCountsOrder() {
    return kWinnersOrder;
}

}  // namespace brisvale
