// SPDX-License-Identifier: GPL-3.0-or-later
// The report's plain words: what following the style costs, and how deep a rare bad session
// goes.

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "sim/report.hpp"

namespace brisvale::sim {
namespace {

std::string cents(double amount) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", amount);
    return buffer;
}

}  // namespace

bool tooFewBets(const Report& r) {
    if (!r.ci95) return true;
    return ((*r.ci95)[1] - (*r.ci95)[0]) / 2 > -kHouseEdge;
}

std::string plainWords(const Report& r) {
    if (r.spins == 0 || r.staked == 0) {
        return "This style placed no bet in " + std::to_string(r.sessions) +
               " sessions: too few bets to tell.\n";
    }
    // The cost is what the house edge takes from the stakes the style lays; the net of a run
    // is that cost plus luck.
    const double perSpin =
        -kHouseEdge * static_cast<double>(r.staked) / static_cast<double>(r.spins);
    std::string out =
        "Following this style costs about $" + cents(perSpin * 100) + " per 100 spins";
    if (r.spinSeconds > 0) {
        out += " (or $" + cents(perSpin * 3600 / r.spinSeconds) + " per hour at " +
               std::to_string(r.spinSeconds) + " s a spin)";
    }
    out += ".";
    if (!r.sessionNets.empty()) {
        std::vector<double> sorted = r.sessionNets;
        std::sort(sorted.begin(), sorted.end());
        const double at =
            sorted[static_cast<std::size_t>(0.05 * static_cast<double>(sorted.size() - 1))];
        double level = at;
        if (level >= 0) {
            // Fewer than one session in twenty lost: the middle of the losing ones.
            const auto losing =
                std::lower_bound(sorted.begin(), sorted.end(), 0.0) - sorted.begin();
            level = losing > 0 ? sorted[static_cast<std::size_t>(losing - 1) / 2] : 0;
        }
        if (level < 0) {
            const auto deeper =
                std::upper_bound(sorted.begin(), sorted.end(), level) - sorted.begin();
            const long long n = std::max<long long>(
                1, std::llround(static_cast<double>(sorted.size()) / static_cast<double>(deeper)));
            out += " 1 session in " + std::to_string(n) + " lost $" + money(-level) + " or more.";
        } else {
            out += " No session lost money.";
        }
    }
    if (tooFewBets(r)) out += " The result is mostly luck: too few bets to tell.";
    return out + "\n";
}

}  // namespace brisvale::sim
