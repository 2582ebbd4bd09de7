// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A run from Start to its end: the press, the spin wait, the table-switch advice, the board.

#include "play/advisor_types.hpp"

namespace brisvale {

struct Desk;

class RunCycle {
  public:
    explicit RunCycle(Desk& desk);
    RunCycle(const RunCycle&) = delete;
    RunCycle& operator=(const RunCycle&) = delete;

    void Button1_Click();
    void openRun(bool multi);
    bool ValidateStart();
    void PrepareRun();
    void BeginRun();
    void CommonEnding();
    void EndBet(bool countSpin = true);
    bool takeSpin();
    void selectSpin(int number);
    void Timer1_Timer();
    void Picture3_Click(int cell);
    void lblWager_Click(int chip);
    void Picture2_Click();

  private:
    Desk& d_;
    PlayState& s_;
    Ports& ports_;
    Settings& settings_;
    DebugLog& log_;
};

}  // namespace brisvale
