// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A run from Start to its end: the press, the spin wait, the table-switch advice, the board.

#include "advisor/advisor_types.hpp"

namespace brisvale {

struct Desk;

class RunCycle {
  public:
    explicit RunCycle(Desk& desk);
    RunCycle(const RunCycle&) = delete;
    RunCycle& operator=(const RunCycle&) = delete;

    void pressPlay();
    void openRun(bool multi);
    bool ValidateStart();
    void PrepareRun();
    void BeginRun();
    void CommonEnding();
    void EndBet(bool countSpin = true);
    void adviseQuit();
    void adviseSwitchTable();
    bool takeSpin();
    void selectSpin(int number);
    void tick();
    void clickBoard(int cell);
    void clickChip(int chip);
    void flipBoard();

  private:
    Desk& d_;
    PlayState& s_;
    Ports& ports_;
    Settings& settings_;
    DebugLog& log_;
};

}  // namespace brisvale
