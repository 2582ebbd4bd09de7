// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The history replay: a casino's recorded spins played again, one per tick.

#include "advisor/advisor_types.hpp"

namespace brisvale {

struct Desk;

class HistoryReplay {
  public:
    explicit HistoryReplay(Desk& desk);
    HistoryReplay(const HistoryReplay&) = delete;
    HistoryReplay& operator=(const HistoryReplay&) = delete;

    void startReplay();  // history replay, driven by the timer
    // The history replay, one step per tick.
    void replayStep();
    void endReplay();

  private:
    Desk& d_;
    PlayState& s_;
    Ports& ports_;
    Settings& settings_;
    DebugLog& log_;
};

}  // namespace brisvale
