// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/watched_tables.hpp"

#include <algorithm>
#include <charconv>

namespace brisvale {
namespace {

int thresholdOf(const WatchStyle& style, BetId id) {
    return style.thresholds[static_cast<std::size_t>(bet(id).family)];
}

// The numbers of every bet, packed for the loop that runs at every spin.
const std::array<NumberMask, kBetCount>& masks() {
    static const std::array<NumberMask, kBetCount> all = [] {
        std::array<NumberMask, kBetCount> out{};
        for (int b = 0; b < kBetCount; ++b) out[b] = bet(static_cast<BetId>(b)).numbers;
        return out;
    }();
    return all;
}

// Counts a spin into a table's counters and per-bet sleeps, and puts the bets of `style` that
// it carries to their threshold into `due`. With no bet ever cleared, a bet's sleep is the
// smallest counter over its numbers: its own spin starts it again, any other number but zero
// adds one; so a bet reaches its threshold exactly when a spin adds the last one.
void count(TableCounts& t, int spin, const WatchStyle* style, std::vector<SleepingBet>* due) {
    if (spin != 0) {
        for (std::int16_t& v : t.counters)
            v = v < kCounterMax ? static_cast<std::int16_t>(v + 1) : v;
    }
    t.counters[static_cast<std::size_t>(spin)] = 0;
    if (t.counted < kCounterMax) ++t.counted;
    if (spin == 0) return;
    const NumberMask hit = NumberMask{1} << spin;
    const auto& m = masks();
    for (int b = 0; b < kBetCount; ++b) {
        std::int16_t& s = t.slept[static_cast<std::size_t>(b)];
        if (m[static_cast<std::size_t>(b)] & hit) {
            s = 0;
        } else if (s < kCounterMax) {
            ++s;
            if (style && s == style->due[static_cast<std::size_t>(b)]) {
                due->push_back({static_cast<BetId>(b), s, s});
            }
        }
    }
}

}  // namespace

WatchStyle::WatchStyle(const BetSet& played, const std::array<std::int16_t, kFamilyCount>& byFamily)
    : bets(played), thresholds(byFamily) {
    for (int b = 0; b < kBetCount; ++b) {
        const auto id = static_cast<BetId>(b);
        due[static_cast<std::size_t>(b)] =
            played.test(static_cast<std::size_t>(b)) ? std::int16_t(thresholdOf(*this, id)) : -1;
    }
}

SleeperTables WatchedTable::sleepers() const {
    SleeperTables out;
    for (int t = 0; t < kTableCount; ++t) {
        for (int n = 0; n < 37; ++n)
            out.set(static_cast<Table>(t), n, counters[static_cast<std::size_t>(n)]);
    }
    return out;
}

std::optional<int> WatchedTables::find(std::string_view name) const {
    for (int i = 0; i < size(); ++i) {
        if (tables_[static_cast<std::size_t>(i)].name == name) return i;
    }
    return std::nullopt;
}

bool WatchedTables::add(std::string name, int key, std::string line,
                        std::span<const int> recorded) {
    if (size() >= kMostWatched) return false;
    WatchedTable t;
    t.name = std::move(name);
    t.key = key;
    t.line = std::move(line);
    for (int n : recorded) {
        if (n < 0 || n > 36) continue;
        count(t, n, nullptr, nullptr);
        std::copy_backward(t.last.begin(), t.last.end() - 1, t.last.end());
        t.last[0] = static_cast<std::int8_t>(n);
        t.lastCount = std::min(t.lastCount + 1, kLastShown);
    }
    tables_.push_back(std::move(t));
    return true;
}

void WatchedTables::putBack(int i, const TableCounts& counts, std::size_t lineSize) {
    WatchedTable& t = tables_[static_cast<std::size_t>(i)];
    static_cast<TableCounts&>(t) = counts;
    t.line.resize(std::min(lineSize, t.line.size()));
}

void WatchedTables::remove(int i) {
    tables_.erase(tables_.begin() + i);
}

void WatchedTables::enter(int i, int spin, const WatchStyle& style, std::vector<SleepingBet>& due) {
    due.clear();
    WatchedTable& t = tables_[static_cast<std::size_t>(i)];
    if (spin < 0 || spin > 36) return;
    count(t, spin, &style, &due);
    if (t.spins < kCounterMax) ++t.spins;
    std::copy_backward(t.last.begin(), t.last.end() - 1, t.last.end());
    t.last[0] = static_cast<std::int8_t>(spin);
    t.lastCount = std::min(t.lastCount + 1, kLastShown);
    char digits[4];
    const auto end = std::to_chars(digits, digits + 3, spin).ptr;
    t.line.append(digits, end);
    t.line.push_back(',');
}

std::vector<SleepingBet> WatchedTables::due(int i, const WatchStyle& style) const {
    const WatchedTable& t = tables_[static_cast<std::size_t>(i)];
    std::vector<SleepingBet> out;
    for (int b = 0; b < kBetCount; ++b) {
        if (!style.bets.test(static_cast<std::size_t>(b))) continue;
        const auto id = static_cast<BetId>(b);
        const SleepingBet s{id, t.slept[static_cast<std::size_t>(b)], thresholdOf(style, id)};
        if (s.past() >= 0) out.push_back(s);
    }
    std::stable_sort(out.begin(), out.end(), [](const SleepingBet& a, const SleepingBet& b) {
        return a.past() > b.past();
    });
    return out;
}

std::optional<SleepingBet> WatchedTables::ripest(int i, const WatchStyle& style) const {
    const WatchedTable& t = tables_[static_cast<std::size_t>(i)];
    std::optional<SleepingBet> best;
    for (int b = 0; b < kBetCount; ++b) {
        if (!style.bets.test(static_cast<std::size_t>(b))) continue;
        const auto id = static_cast<BetId>(b);
        const SleepingBet s{id, t.slept[static_cast<std::size_t>(b)], thresholdOf(style, id)};
        if (!best || s.past() > best->past()) best = s;
    }
    return best;
}

std::optional<int> WatchedTables::ripestTable(const WatchStyle& style) const {
    std::optional<int> best;
    int bestPast = 0;
    for (int i = 0; i < size(); ++i) {
        const auto r = ripest(i, style);
        if (r && (!best || r->past() > bestPast)) {
            best = i;
            bestPast = r->past();
        }
    }
    return best;
}

}  // namespace brisvale
