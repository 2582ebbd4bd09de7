// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/intervals.hpp"

#include <cmath>
#include <vector>

namespace brisvale::sim {

std::optional<Interval> wilsonInterval(long long hits, long long trials, double z) {
    if (trials <= 0) return std::nullopt;
    const auto n = static_cast<double>(trials);
    const double p = static_cast<double>(hits) / n;
    const double z2 = z * z;
    const double centre = (p + z2 / (2 * n)) / (1 + z2 / n);
    const double half = z / (1 + z2 / n) * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n));
    return Interval{std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

std::optional<Interval> meanInterval(std::span<const double> values, double z) {
    if (values.size() < 2) return std::nullopt;
    const auto n = static_cast<double>(values.size());
    double sum = 0;
    for (const double v : values) sum += v;
    const double mean = sum / n;
    double squares = 0;
    for (const double v : values) squares += (v - mean) * (v - mean);
    const double error = std::sqrt(squares / (n - 1) / n);
    return Interval{mean - z * error, mean + z * error};
}

std::optional<Interval> stakeInterval(std::span<const SessionResult> sessions, double z) {
    double net = 0;
    double staked = 0;
    double variance = 0;
    for (const SessionResult& s : sessions) {
        net += s.net;
        staked += static_cast<double>(s.staked);
        variance += s.stakeVariance;
    }
    if (staked <= 0) return std::nullopt;
    const double ratio = net / staked;
    const double error = std::sqrt(variance) / staked;
    return Interval{ratio - z * error, ratio + z * error};
}

Difference pairedDifference(std::span<const double> mine, std::span<const double> other) {
    Difference d;
    const std::size_t n = std::min(mine.size(), other.size());
    if (n == 0) return d;
    std::vector<double> differences(n);
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        differences[i] = mine[i] - other[i];
        sum += differences[i];
    }
    d.value = sum / static_cast<double>(n);
    d.ci95 = meanInterval(differences, kZ95);
    return d;
}

}  // namespace brisvale::sim
