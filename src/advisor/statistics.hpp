// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statistics panel as plain data: how long every bet has slept against its family's
// threshold, how often and how lately each number came up, and the run's balance. Worked out
// from the Advisor's state at each call; nothing of it is kept apart from that state.

#include <array>
#include <optional>
#include <span>

#include "model/bets.hpp"
#include "model/numbers.hpp"

namespace brisvale {

struct BetStatistics {
    BetId bet = 0;
    int slept = 0;         // counted spins since it last won or was cleared, as its trigger sees
    int threshold = 0;     // its family's start threshold now
    bool watched = false;  // the style shown plays it (singles: Super play only)
    bool open = false;     // it is on the table now, waiting for the next spin

    bool due() const { return slept >= threshold; }
    // How far it has slept towards due: 0 just won, 1 due.
    double progress() const {
        if (due() || threshold <= 0) return 1;
        return slept <= 0 ? 0 : static_cast<double>(slept) / threshold;
    }
};

struct NumberStatistics {
    int table = 0;            // hits since the last Start
    int history = 0;          // hits in the selected casino's recorded spins
    std::optional<int> last;  // spins since it last came up, in this run or the casino's record
};

struct Statistics {
    std::array<BetStatistics, kBetCount> bets{};  // in catalogue order
    std::array<NumberStatistics, kNumberCount> numbers{};
    // The numbers that came up most and least: by the casino's recorded spins when it has
    // some, by this run's otherwise; among equals the more recent is the hotter.
    std::array<int, 5> hottest{};
    std::array<int, 5> coldest{};
    bool rankedByRecord = false;  // hottest and coldest count the casino's record
    // The balance after Start and after each press of the run; valid until the next action.
    std::span<const double> balance;
};

}  // namespace brisvale
