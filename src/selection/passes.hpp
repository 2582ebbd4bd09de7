// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The family passes after a spin, in their fixed order: the three even-money pairs, rows,
// dozens, lines, corners, trios, splits, and singles last.

#include <array>

#include "run/state.hpp"

namespace brisvale {

struct FamilyPass {
    Pass pass;
    Family family;
    void (*trigger)(PlayState&);
};

const std::array<FamilyPass, kPassCount>& familyPasses();

// A watched family whose threshold the spins have reached is asked for its bets; below it
// the advice is "Spin Only". False when the family was not asked.
bool runPass(PlayState& s, const FamilyPass& pass, int spins);

// The bets the passes of the style ask for (Classic and Multi play never bet singles).
BetSet watchedBets(const StyleSettings& style);

}  // namespace brisvale
