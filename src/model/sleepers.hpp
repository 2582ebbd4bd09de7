// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The eleven sleeper tables: per number, the spins counted since it last came up.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "model/bets.hpp"

namespace brisvale {

enum class Table : std::uint8_t {
    Dozen,
    Row,
    Line,
    Corner,
    Even,
    RedBlack,
    OddEven,
    HighLow,
    Trio,
    Split,
    Single
};
inline constexpr int kTableCount = 11;
inline constexpr std::int16_t kCounterMax = 32767;

class SleeperTables {
  public:
    using Counters = std::array<std::int16_t, 37>;
    // One table's counters, by number, where they are kept.
    using CountersView = std::span<const std::int16_t, 37>;

    CountersView operator[](Table t) const { return CountersView(table(t), 37); }
    // A table's counters with the padding behind them, to be read eight at a time. The
    // padding's values mean nothing.
    static constexpr int kPaddedLength = 40;
    std::span<const std::int16_t, kPaddedLength> padded(Table t) const {
        return std::span<const std::int16_t, kPaddedLength>(table(t), kPaddedLength);
    }
    std::int16_t at(Table t, int n) const { return table(t)[n]; }
    void set(Table t, int n, std::int16_t value) { table(t)[n] = value; }

    // Counters stop at kCounterMax instead of wrapping. Numbers outside 0..36 change nothing.
    void clearAll();
    // Counts a spin in all eleven tables; a zero only clears element 0.
    void AdvanceCounters(int spin);
    // Sets number n to 0 in all eleven tables.
    void ResetNumberCounters(int n);
    // Classic play while a bet is open: only the dozen table counts the spin, zero included.
    void AdvanceDozenCounts(int spin);
    // Clears the numbers of every bet of `bets` that the spin hit, in its family's table.
    void ZeroCountsMod(const BetSet& bets, int spin);
    // The same for the bets of a list (a bet twice clears once).
    void ZeroCountsMod(std::span<const BetId> bets, int spin);
    // The same for one bet.
    void ZeroCountsMod(BetId id, int spin);
    // The same, given a text of labels (substring search) and the spin's two-digit text
    // ("01".."36"; any other text clears nothing).
    void ZeroCountsMod(std::string_view labels, std::string_view spinText);
    // Clears every number of the bet in its family's table (dropping a bet from multi-bet play).
    void clearBet(BetId id);

    // The table that ZeroCountsMod and dropping clear for a bet (never Table::Even).
    static Table tableOf(BetId id);
    // The table the bet's trigger reads: in Classic play the even-money bets share
    // Table::Even; every other bet, and every bet in multi-bet play, reads tableOf.
    static Table triggerTable(BetId id, bool multiBetPlay);
    // How long the bet has slept as its trigger sees it: the smallest counter over its
    // numbers in triggerTable. It is due when that reaches its family's threshold.
    std::int16_t slept(BetId id, bool multiBetPlay) const;

  private:
    // The tables one after another, each padded to 40 counters, so that every spin counts in
    // one sweep over them all, and each table begins on 16 bytes.
    static constexpr int kStride = kPaddedLength;
    std::int16_t* table(Table t) { return counters_.data() + static_cast<int>(t) * kStride; }
    const std::int16_t* table(Table t) const {
        return counters_.data() + static_cast<int>(t) * kStride;
    }
    alignas(16) std::array<std::int16_t, kTableCount * kStride> counters_{};
};

}  // namespace brisvale
