// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Multi-bet play: several bets at once; Super is its configuration with singles.

#include "advisor/part.hpp"

namespace brisvale {

// What sets Super apart from Multi: the same engine, configured.
struct MultiBetRules {
    // Open bets stay on their sequences from spin to spin (Super), rather than being chosen
    // anew every spin (Multi).
    bool keepsBets;
    // Singles are bet, and each chip's picture is that of its own family.
    bool betsSingles;
    // A stop mark ends its bet's progression and a quit mark quits the run; no new
    // progression starts once the wins per table are reached.
    bool marksPerBet;
    // Each chip tells its bet in words ("Bet 5 on Single 17").
    bool chipsInWords;
};
inline constexpr MultiBetRules kMultiRules{false, false, false, false};
inline constexpr MultiBetRules kSuperRules{true, true, true, true};

class MultiEngine : public Part {
  public:
    using Part::Part;

    // The rules of the play style chosen at Start.
    const MultiBetRules& rules() const;

    bool ValidateMultiSettings();
    // Multi-bet play.
    void MultiSpin();
    void multiCaption();
    void multiNoBet();
    void multiLoss();
    void multiWin();
    void multiEnding();
    // ProgMultiBet or ContMultiBet, as the rules keep or choose the bets.
    void multiPasses();
    void ProgMultiBet();
    void ContMultiBet();
    void layMultiChips(const BetList& former);
    int StepBet(BetId id);
    void ReleaseBet(BetId id);
};

}  // namespace brisvale
