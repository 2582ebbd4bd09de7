// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Classic play: one bet at a time.

#include "advisor/advisor_types.hpp"

namespace brisvale {

struct Desk;

class ClassicEngine {
  public:
    explicit ClassicEngine(Desk& desk);
    ClassicEngine(const ClassicEngine&) = delete;
    ClassicEngine& operator=(const ClassicEngine&) = delete;

    // Classic play.
    void ProgSingle();
    void classicNoBet();
    void classicBetOpen();

  private:
    Desk& d_;
    PlayState& s_;
    Ports& ports_;
    Settings& settings_;
    DebugLog& log_;
};

}  // namespace brisvale
