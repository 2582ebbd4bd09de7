// SPDX-License-Identifier: GPL-3.0-or-later
// The minimum wager as the engine raises and lowers it: one row per case.

#include <gtest/gtest.h>

#include <limits>

#include "wagering/sequences.hpp"

namespace brisvale {
namespace {

constexpr long long kMax = std::numeric_limits<long long>::max();

using Change = void (*)(const Wagering&, MinimumWager&);

TEST(MinimumWager, RaisesAndLowerings) {
    // The change; AutoIncrease, IncreaseChips, IncreaseSteps; the unit less $1 (the list's
    // position), the start and NetChips before; the same after.
    using Row = std::tuple<Change, int, int, int, int, long long, long long, int, long long>;
    // clang-format off
    const Row rows[] = {
        // Classic: exactly enough, one short, one raise of three entries only, auto-increase
        // off or anything but 1, stops at $100, already there (the chips still pay), no chips,
        // steps down to $1.
        {raiseClassic, 1, 200, 1, 0, 1, 200, 1, 0}, {raiseClassic, 1, 200, 1, 0, 1, 199, 0, 199},
        {raiseClassic, 1, 200, 3, 4, 1, 650, 7, 450}, {raiseClassic, 0, 200, 1, 0, 1, 900, 0, 900},
        {raiseClassic, 2, 200, 1, 0, 1, 900, 0, 900}, {raiseClassic, 1, 200, 5, 97, 1, 200, 99, 0},
        {raiseClassic, 1, 200, 1, 99, 1, 300, 99, 100}, {raiseClassic, 1, 0, 1, 0, 1, 0, 0, 0},
        {raiseClassic, 1, -5, 1, 0, 1, 10, 0, 10}, {raiseClassic, 1, 200, -5, 2, 1, 200, 0, 0},
        // Multi: three raises at once, a flood of chips, many entries each.
        {raiseMulti, 1, 200, 1, 2, 1, 650, 5, 50}, {raiseMulti, 1, 200, 2, 0, 1, 400, 4, 0},
        {raiseMulti, 1, 200, 1, 2, 1, 199, 2, 199}, {raiseMulti, 0, 200, 1, 2, 1, 650, 2, 650},
        {raiseMulti, 1, 0, 1, 2, 1, 650, 2, 650}, {raiseMulti, 1, 1, 1, 0, 1, kMax, 99, 0},
        {raiseMulti, 1, 1, 32767, 0, 1, 1LL << 40, 99, 0},
        // Lowering: NetChips / IncreaseChips rounded half to even, from $10 (-0.75, -0.5, -1.5,
        // -1.25, -2.5, -0.4, -0.6), none at 0 chips, not below the start unless picked there by hand,
        // down to $1, down from $100.
        {lowerWager, 1, 200, 1, 9, 1, -150, 8, -150}, {lowerWager, 1, 200, 1, 9, 1, -100, 9, -100},
        {lowerWager, 1, 200, 1, 9, 1, -300, 7, -300}, {lowerWager, 1, 200, 1, 9, 1, -250, 8, -250},
        {lowerWager, 1, 200, 1, 9, 1, -500, 7, -500}, {lowerWager, 1, 200, 1, 9, 9, -600, 8, -600},
        {lowerWager, 1, 1, 1, 9, 4, -kMax - 1, 3, -kMax - 1}, {lowerWager, 1, 200, 1, 0, 1, -900, 0, -900},
        {lowerWager, 0, 200, 1, 9, 1, -900, 9, -900}, {lowerWager, 1, 0, 1, 9, 1, -900, 9, -900},
        {lowerWager, 1, 200, 1, 2, 5, -150, 2, -150}, {lowerWager, 1, 200, 1, 2, 1, -900, 0, -900},
        {lowerWager, 1, 200, 1, 99, 1, -200, 98, -200}, {lowerWager, 1, 5, 1, 9, 1, -2, 9, -2},
        {lowerWager, 1, 5, 1, 9, 1, -3, 8, -3}, {lowerWager, 1, 200, 1, 9, 1, 0, 9, 0},
        // A multi-bet raise that leaves no chips over is not undone by the lowering after it.
        {[](const Wagering& w, MinimumWager& m) { raiseMulti(w, m), lowerWager(w, m); },
         1, 200, 1, 2, 3, 200, 3, 0},
    };
    // clang-format on
    for (const auto& [change, autoIncrease, chips, steps, index, start, net, wantIndex, wantNet] :
         rows) {
        Wagering w;
        std::tie(w.AutoIncrease, w.IncreaseChips, w.IncreaseSteps) =
            std::tie(autoIncrease, chips, steps);
        MinimumWager m{index + 1, start, net};
        change(w, m);
        EXPECT_EQ(std::tuple(m.UnitWager, m.StartUnitWager, m.NetChips),
                  std::tuple(wantIndex + 1LL, start, wantNet))
            << index << " " << net;
    }
}

}  // namespace
}  // namespace brisvale
