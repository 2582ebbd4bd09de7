// SPDX-License-Identifier: GPL-3.0-or-later
// Automatic raising and lowering of the minimum wager as chips are won and lost.

#include <algorithm>

#include "wagering/sequences.hpp"

namespace brisvale {

namespace {

// Moves the unit by `dollars`, stopping at $1 and $100.
void moveUnit(MinimumWager& wager, long long dollars) {
    wager.UnitWager = std::clamp(wager.UnitWager + dollars, kLowestWager, kHighestWager);
}

// netChips / increaseChips (netChips <= 0, increaseChips >= 1) rounded to the nearest whole
// number, a half going to the even neighbour; exact, with no floating point.
long long roundedShare(long long netChips, long long increaseChips) {
    const long long quotient = netChips / increaseChips;          // toward zero
    const long long twiceRest = -(netChips % increaseChips) * 2;  // 0 .. 2*(increaseChips-1)
    if (twiceRest < increaseChips) return quotient;
    if (twiceRest > increaseChips) return quotient - 1;
    return (quotient % 2 == 0) ? quotient : quotient - 1;
}

}  // namespace

void raiseClassic(const Wagering& wagering, MinimumWager& wager) {
    // A raise needs chips to pay for it: without IncreaseChips >= 1 every win would raise.
    if (wagering.AutoIncrease != 1 || wagering.IncreaseChips < 1) return;
    if (wager.NetChips < wagering.IncreaseChips) return;
    moveUnit(wager, wagering.IncreaseSteps);
    wager.NetChips -= wagering.IncreaseChips;
}

void raiseMulti(const Wagering& wagering, MinimumWager& wager) {
    if (wagering.AutoIncrease != 1 || wagering.IncreaseChips < 1) return;
    if (wager.NetChips < wagering.IncreaseChips) return;
    const long long raises = wager.NetChips / wagering.IncreaseChips;  // both positive: cut off
    // Beyond 2^31 raises any non-zero step runs off the list anyway; capping keeps the
    // product within 64 bits.
    const long long capped = std::min<long long>(raises, 1LL << 31);
    moveUnit(wager, capped * wagering.IncreaseSteps);
    wager.NetChips -= raises * wagering.IncreaseChips;
}

void lowerWager(const Wagering& wagering, MinimumWager& wager) {
    if (wagering.AutoIncrease != 1 || wager.UnitWager <= kLowestWager) return;
    if (wager.NetChips > 0 || wagering.IncreaseChips < 1) return;
    const long long current = std::clamp(wager.UnitWager, kLowestWager, kHighestWager);
    const long long floor = std::clamp(wager.StartUnitWager, kLowestWager, kHighestWager);
    // The share is at most 0; capping it keeps current + share well inside 64 bits.
    const long long share =
        std::max<long long>(roundedShare(wager.NetChips, wagering.IncreaseChips), -1000);
    // Not below the wager the run started with, and a lowering never raises the wager (the
    // user may have picked a smaller one by hand during the run).
    const long long lowered = std::min(current, std::max(current + share, floor));
    wager.UnitWager = lowered;
}

}  // namespace brisvale
