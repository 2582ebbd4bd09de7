// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/sleepers.hpp"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <optional>

#include "model/numbers.hpp"

namespace brisvale {
namespace {

constexpr bool isNumber(int n) {
    return n >= 0 && n <= 36;
}

// The number of a two-digit spin text, "00" .. "36"; any other text names no number.
std::optional<int> spinOf(std::string_view text) {
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9') {
        return std::nullopt;
    }
    const int n = (text[0] - '0') * 10 + (text[1] - '0');
    if (!isNumber(n)) return std::nullopt;
    return n;
}

// Counts a spin in `count` counters, a multiple of eight. Counters stop at the largest 16-bit
// value rather than wrapping to a negative count, which would make a long sleeper look freshly
// hit.
void bumpAll(std::int16_t* counters, std::size_t count) {
#if defined(__SSE2__)
    // Eight counters at once, adding with saturation.
    static_assert(kCounterMax == 32767);
    for (std::size_t i = 0; i < count; i += 8) {
        auto* eight = reinterpret_cast<__m128i*>(counters + i);
        _mm_storeu_si128(eight, _mm_adds_epi16(_mm_loadu_si128(eight), _mm_set1_epi16(1)));
    }
#else
    for (std::size_t i = 0; i < count; ++i) {
        if (counters[i] < kCounterMax) ++counters[i];
    }
#endif
}

}  // namespace

void SleeperTables::clearAll() {
    counters_.fill(0);
}

void SleeperTables::AdvanceCounters(int spin) {
    if (!isNumber(spin)) return;
    // Every other number counts the spin (none after a zero); the spin's own starts again. The
    // padding counts along, and nothing reads it.
    static_assert(kTableCount * kStride % 8 == 0);
    if (spin != 0) bumpAll(counters_.data(), counters_.size());
    ResetNumberCounters(spin);
}

void SleeperTables::ResetNumberCounters(int n) {
    if (!isNumber(n)) return;
    for (int t = 0; t < kTableCount; ++t) counters_[static_cast<std::size_t>(t * kStride + n)] = 0;
}

void SleeperTables::AdvanceDozenCounts(int spin) {
    if (!isNumber(spin)) return;
    static_assert(kStride % 8 == 0);
    std::int16_t* t = table(Table::Dozen);
    bumpAll(t, kStride);
    t[spin] = 0;
}

void SleeperTables::ZeroCountsMod(const BetSet& bets, int spin) {
    if (spin < 1 || spin > 36) return;
    // Clearing counters is the same in any order, so only the bets both open and hit are
    // visited.
    const BetSet hit = bets & betsCovering()[spin];
    if (hit.none()) return;
    for (int id = 0; id < kBetCount; ++id) {
        if (hit.test(id)) clearBet(static_cast<BetId>(id));
    }
}

void SleeperTables::ZeroCountsMod(std::span<const BetId> bets, int spin) {
    if (spin < 1 || spin > 36) return;
    for (BetId id : bets) {
        if (bet(id).covers(spin)) clearBet(id);
    }
}

void SleeperTables::ZeroCountsMod(BetId id, int spin) {
    if (spin >= 1 && spin <= 36 && bet(id).covers(spin)) clearBet(id);
}

void SleeperTables::ZeroCountsMod(std::string_view labels, std::string_view spinText) {
    const auto spin = spinOf(spinText);
    if (!spin || *spin == 0 || labels.empty()) return;
    ZeroCountsMod(betsInText(labels), *spin);
}

void SleeperTables::clearBet(BetId id) {
    std::int16_t* t = table(tableOf(id));
    for (std::uint8_t n : numbersOf(id)) t[n] = 0;
}

Table SleeperTables::triggerTable(BetId id, bool multiBetPlay) {
    return !multiBetPlay && bet(id).family == Family::Even ? Table::Even : tableOf(id);
}

std::int16_t SleeperTables::slept(BetId id, bool multiBetPlay) const {
    const std::int16_t* t = table(triggerTable(id, multiBetPlay));
    std::int16_t least = kCounterMax;
    for (std::uint8_t n : numbersOf(id)) least = std::min(least, t[n]);
    return least;
}

Table SleeperTables::tableOf(BetId id) {
    switch (bet(id).family) {
        case Family::Even:
            if (id == bet_ids::Red || id == bet_ids::Black) return Table::RedBlack;
            if (id == bet_ids::Odd || id == bet_ids::Even) return Table::OddEven;
            return Table::HighLow;
        case Family::Dozen:
            return Table::Dozen;
        case Family::Row:
            return Table::Row;
        case Family::Line:
            return Table::Line;
        case Family::Corner:
            return Table::Corner;
        case Family::Trio:
            return Table::Trio;
        case Family::Split:
            return Table::Split;
        case Family::Single:
            return Table::Single;
    }
    return Table::Single;
}

}  // namespace brisvale
