// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bet table of multi-bet play (a step count per bet), the valid-loss check that judges a
// spin against the open bets, and the two settlements of the balance.

#include <string_view>

#include "run/state.hpp"

namespace brisvale {

void InitBetTable(PlayState& s);
int BetStep(const PlayState& s, std::string_view label);
void ResetBetStep(PlayState& s, std::string_view label);
int ReturnFactor(std::string_view label);
// The element at `index` of the label's family sequence as a whole number; 0 when the label,
// the index or the element is not a number.
long long SequenceValue(const PlayState& s, std::string_view label, int index);
long long BetStake(const PlayState& s, std::string_view label);
long long BetWinAmount(const PlayState& s, std::string_view label);

// The same by id, for the engine.
long long SequenceValue(const PlayState& s, BetId id, int index);
long long BetStake(const PlayState& s, BetId id);
long long BetWinAmount(const PlayState& s, BetId id);

// True when no open bet covers the spin; rebuilds WinningBets in the winners order.
bool CheckValidLose(PlayState& s, int spin);

// The dollars an open bet puts on the table, as its settlement charges them: in Classic play
// the engine's Stake (singles have no word and are never settled), in multi-bet play the bet's
// own step of its sequence times UnitWager.
long long classicStake(const PlayState& s, BetId id);
long long multiStake(const PlayState& s, BetId id);
// The dollars that the bets now open will put on the table at the next spin: nothing once the
// run has ended (quit, table switch), which keeps BetOpen but stakes no more.
long long stakesOpen(const PlayState& s);

// Both settlements add each bet they settle to s.settled.
// Classic settlement of the one open bet at Stake, with the net payouts.
void SettleBalance(PlayState& s);
// Multi-bet settlement: every winner returns its factor, every open bet costs its own stake.
void SettleMultiBalance(PlayState& s);

// The nearest whole number, halves to the even neighbour.
double roundHalfEven(double x);

}  // namespace brisvale
