// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start thresholds: how long each family's bets must sleep before they are played.

#include <optional>
#include <string_view>

#include "state/ports.hpp"
#include "state/state.hpp"

namespace brisvale {

// The Low, High and Random boxes of threshold family k (0 Even .. 7 Single).
int lowBox(int family);     // Text2, Text4, ... Text16
int highBox(int family);    // Text3, ... Text17
int randomBox(int family);  // Check1..Check7, Check9

// Checks every pair and fixes StartThreshold: Low, or a uniform draw from Low..High where the
// Random box is ticked. False, after its message, when a box is not a number or a Low lies
// above its High (the Single pair is checked in multi-bet play only).
bool DrawThresholds(PlayState& s, Dialogs& dialogs, Random& random);

}  // namespace brisvale
