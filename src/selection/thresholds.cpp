// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/thresholds.hpp"

namespace brisvale {

std::string ThresholdProblem::message() const {
    if (kind == Kind::NotNumeric) return "Value must be numeric!";
    return "Low " + std::string(familyName(family)) + " value is invalid";
}

std::optional<ThresholdProblem> drawThresholds(const ThresholdEntries& entries, bool multiBetPlay,
                                               Random& random, Thresholds& thresholds) {
    for (int k = 0; k < kFamilyCount; ++k) {
        const ThresholdEntry& e = entries[k];
        if (!e.low || !e.high) {
            return ThresholdProblem{ThresholdProblem::Kind::NotNumeric, Family(k),
                                    e.low.has_value()};
        }
    }
    const int checked = multiBetPlay ? kFamilyCount : kFamilyCount - 1;
    for (int k = 0; k < checked; ++k) {
        if (*entries[k].low > *entries[k].high) {
            return ThresholdProblem{ThresholdProblem::Kind::LowAboveHigh, Family(k)};
        }
    }
    for (int k = 0; k < kFamilyCount; ++k) {
        const int low = *entries[k].low;
        const int high = *entries[k].high;
        const bool draw = entries[k].random && low < high;
        thresholds[k] = static_cast<std::int16_t>(draw ? random.uniform(low, high) : low);
    }
    return std::nullopt;
}

}  // namespace brisvale
