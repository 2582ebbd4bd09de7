// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Multi-bet play: several bets at once; Super is its configuration with singles.

#include "advisor/advisor_types.hpp"

namespace brisvale {

struct Desk;

class MultiEngine {
  public:
    explicit MultiEngine(Desk& desk);
    MultiEngine(const MultiEngine&) = delete;
    MultiEngine& operator=(const MultiEngine&) = delete;

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

  private:
    Desk& d_;
    PlayState& s_;
    Ports& ports_;
    Settings& settings_;
    DebugLog& log_;
};

}  // namespace brisvale
