// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tables watched beside the run. Each is a casino of the history file: its sleeper tables are
// counted from its recorded spins on, as a run with no bet open counts them, and under the
// run's play style it knows which bets would be due there. Nothing is staked at a watched
// table. The part knows nothing of files: the Advisor writes each table's history line.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/bets.hpp"
#include "model/sleepers.hpp"

namespace brisvale {

inline constexpr int kMostWatched = 8;
inline constexpr int kLastShown = 8;

// A bet at a watched table: how long it has slept against its family's threshold.
struct SleepingBet {
    BetId bet = 0;
    int slept = 0;
    int threshold = 0;
    int past() const { return slept - threshold; }  // 0 or more: due
};

// The play style a watched table is judged by: the bets the style plays and its thresholds.
struct WatchStyle {
    BetSet bets;
    std::array<std::int16_t, kFamilyCount> thresholds{};
    // Per bet: its family's threshold when the style plays it, else -1 (a count never equals it).
    std::array<std::int16_t, kBetCount> due{};

    WatchStyle() = default;
    WatchStyle(const BetSet& played, const std::array<std::int16_t, kFamilyCount>& byFamily);
};

// What a spin changes at a table, besides its line: an undone spin puts it back.
struct TableCounts {
    // With nothing ever cleared at a watched table, its eleven sleeper tables hold the same
    // counters: one is kept.
    SleeperTables::Counters counters{};
    int counted = 0;                              // recorded spins counted (saturating)
    int spins = 0;                                // spins entered while watched
    std::array<std::int16_t, kBetCount> slept{};  // per bet, as its trigger would see it
    std::array<std::int8_t, kLastShown> last{};   // newest first
    int lastCount = 0;
};

struct WatchedTable : TableCounts {
    std::string name;
    int key = 0;       // its line in the history file (0: not in a file)
    std::string line;  // that line's value: "name,17,4,"

    // The last numbers, newest first.
    std::span<const std::int8_t> lastNumbers() const {
        return {last.data(), static_cast<std::size_t>(lastCount)};
    }
    // The eleven sleeper tables a run started here begins with.
    SleeperTables sleepers() const;
};

class WatchedTables {
  public:
    int size() const { return static_cast<int>(tables_.size()); }
    const WatchedTable& operator[](int i) const { return tables_[static_cast<std::size_t>(i)]; }
    // The table's index, or nullopt when it is not watched.
    std::optional<int> find(std::string_view name) const;

    // A new table counted from its recorded spins (oldest first; entries outside 0..36 are
    // skipped, as the replay skips them). False when kMostWatched are watched already.
    bool add(std::string name, int key, std::string line, std::span<const int> recorded);
    void remove(int i);
    // Enters a spin (0..36) at table i: counts it and appends it to the table's line. Returns
    // the bets of `style` that became due with it, into `due` (cleared first).
    void enter(int i, int spin, const WatchStyle& style, std::vector<SleepingBet>& due);
    // Puts table i back as it was before a spin: its counts, and its line cut to `lineSize`.
    void putBack(int i, const TableCounts& counts, std::size_t lineSize);
    void put(int i, WatchedTable table) { tables_[static_cast<std::size_t>(i)] = std::move(table); }
    void setKey(int i, int key) { tables_[static_cast<std::size_t>(i)].key = key; }

    // The bets of `style` due at table i now, most overslept first (ties in catalogue order).
    std::vector<SleepingBet> due(int i, const WatchStyle& style) const;
    // The bet of `style` closest to or furthest past its threshold; nullopt when the style
    // plays no bet.
    std::optional<SleepingBet> ripest(int i, const WatchStyle& style) const;
    // The table whose ripest bet is furthest along; nullopt when no table has one.
    std::optional<int> ripestTable(const WatchStyle& style) const;

  private:
    std::vector<WatchedTable> tables_;
};

}  // namespace brisvale
