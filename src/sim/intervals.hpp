// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 95 % intervals of the report: a share (Wilson), a mean, the return per dollar staked from
// the variance the stakes carry, and the difference of two styles played on the same spins.

#include <array>
#include <optional>
#include <span>

#include "sim/session.hpp"

namespace brisvale::sim {

inline constexpr double kZ95 = 1.959963984540054;

using Interval = std::array<double, 2>;

// The Wilson score interval of `hits` in `trials`; none from no trials.
std::optional<Interval> wilsonInterval(long long hits, long long trials, double z);
// The normal interval of the mean of the values; none from fewer than two.
std::optional<Interval> meanInterval(std::span<const double> values, double z);
// The interval of net / staked from the variance the stakes carry: net - edge * staked is a
// sum of independent spins whose variances are known from the stakes alone, won or lost.
std::optional<Interval> stakeInterval(std::span<const SessionResult> sessions, double z);

// A style against another played on the same spins: the mean of the session-by-session
// differences (this one less the other) with its paired interval.
struct Difference {
    double value = 0;
    std::optional<Interval> ci95;
};
Difference pairedDifference(std::span<const double> mine, std::span<const double> other);

}  // namespace brisvale::sim
