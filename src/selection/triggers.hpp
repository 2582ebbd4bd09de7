// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The triggers of the bet families: after a counted spin, which bets have slept long enough.
// Classic play shows one bet (the last due bet of the scan wins); multi-bet play appends every
// due bet that is not already running to its family list, within the family's count box.

#include "run/state.hpp"

namespace brisvale {

void TriggerRedBlack(PlayState& s);
void TriggerHighLow(PlayState& s);
void TriggerOddEven(PlayState& s);
void TriggerDozen(PlayState& s);
void TriggerRow(PlayState& s);
void TriggerLine(PlayState& s);
void TriggerCorner(PlayState& s);
void TriggerTrio(PlayState& s);
void TriggerSplit(PlayState& s);
void TriggerSingle(PlayState& s);  // multi-bet play only

}  // namespace brisvale
