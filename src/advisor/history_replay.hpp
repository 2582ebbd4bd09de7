// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The history replay: a casino's recorded spins played again, one per tick.

#include "advisor/part.hpp"

namespace brisvale {

class HistoryReplay : public Part {
  public:
    using Part::Part;

    void startReplay();  // history replay, driven by the timer
    // The history replay, one step per tick.
    void replayStep();
    void endReplay();
};

}  // namespace brisvale
