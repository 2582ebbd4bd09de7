// SPDX-License-Identifier: GPL-3.0-or-later
// The board: entering a spin by click, and turning the board round.

#include "advisor/advisor.hpp"
#include "board/chips.hpp"
#include "board/spin_entry.hpp"

namespace brisvale {

// Picture3_Click
void RunCycle::clickBoard(int cell) {
    if (!isNumberCell(cell)) return;
    selectSpin(cell);
    d_.board.markSpinOnBoard();
}

// A Super chip names its single number: a click on it enters that number.
// lblWager_Click
void RunCycle::clickChip(int chip) {
    if (!s_.MultiBetPlay) return;
    const auto number = d_.board.numberOnChip(chip);
    if (!number) return;
    selectSpin(*number);
    d_.board.markSpinOnChip(chip);
}

// Picture2_Click
void RunCycle::flipBoard() {
    d_.board.turnBoard();
}

}  // namespace brisvale
