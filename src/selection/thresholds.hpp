// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start thresholds: how long each family's bets must sleep before they are played.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/bets.hpp"
#include "run/ports.hpp"
#include "run/state.hpp"

namespace brisvale {

using Thresholds = std::array<std::int16_t, kFamilyCount>;

// Why the thresholds cannot be drawn: an entry that is no number (the first, Low before High),
// or a Low above its High.
struct ThresholdProblem {
    enum class Kind { NotNumeric, LowAboveHigh } kind;
    Family family;
    bool high = false;            // NotNumeric: the High entry, not the Low one
    std::string message() const;  // "Value must be numeric!", "Low Dozen value is invalid"
};

// DrawThresholds: checks every entry and fixes the thresholds: Low, or a uniform draw from
// Low..High where the entry is random. The Single pair is checked in multi-bet play only; an
// unchecked Single pair with Low above High takes its Low. On a problem nothing is drawn and
// `thresholds` is left as it was.
std::optional<ThresholdProblem> drawThresholds(const ThresholdEntries& entries, bool multiBetPlay,
                                               Random& random, Thresholds& thresholds);

}  // namespace brisvale
