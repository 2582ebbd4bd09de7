// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Multi-bet play: several bets at once; Super is its configuration with singles.

#include "advisor/part.hpp"

namespace brisvale {

class MultiEngine : public Part {
  public:
    using Part::Part;

    bool ValidateMultiSettings();
    // Multi-bet play.
    void MultiSpin();
    void multiCaption();
    void multiNoBet();
    void multiLoss();
    void multiWin();
    void multiEnding();
    void multiPasses(bool super);
    void ProgMultiBet();
    void ContMultiBet();
    void layMultiChips(bool super, const BetList& former);
    int StepBet(BetId id);
    void ReleaseBet(BetId id);
};

}  // namespace brisvale
