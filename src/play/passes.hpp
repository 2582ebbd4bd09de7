// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The family passes after a spin, in their fixed order: the three even-money pairs, rows,
// dozens, lines, corners, trios, splits, and singles last.

#include <array>

#include "state/state.hpp"

namespace brisvale {

struct FamilyPass {
    bool watched;  // its box on the panel is ticked
    Family family;
    void (*trigger)(PlayState&);
    HowMany box;  // the count box the Multi fill-up obeys (the even-money pairs have none)
};

inline constexpr int kEvenPasses = 3;
inline constexpr int kPassCount = 10;

std::array<FamilyPass, kPassCount> familyPasses(const Form& f);

// A watched family whose threshold the spins have reached is asked for its bets; below it
// the advisor says "Spin Only". False when the family was not asked.
bool runPass(PlayState& s, const FamilyPass& pass, int spins);

}  // namespace brisvale
