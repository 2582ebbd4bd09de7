// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A run from Start to its end: the press, the spin wait, the table-switch advice, the board.

#include "advisor/part.hpp"

namespace brisvale {

class RunCycle : public Part {
  public:
    using Part::Part;

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
};

}  // namespace brisvale
