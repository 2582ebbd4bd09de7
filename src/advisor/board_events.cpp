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
    d_.view.markSpinOnBoard();
}

// A Super chip names its single number: a click on it enters that number.
// lblWager_Click
void RunCycle::clickChip(int chip) {
    if (!s_.MultiBetPlay) return;
    const auto number = d_.view.numberOnChip(chip);
    if (!number) return;
    selectSpin(*number);
    d_.view.markSpinOnChip(chip);
}

// Picture2_Click
void RunCycle::flipBoard() {
    d_.view.turnBoard();
}

// The marker on the cell of the selected number.
void Presenter::markSpinOnBoard() {
    if (!d_.shown_) return;
    const Point spot = markerSpot(s_.form.board, s_.SpinNumber);
    s_.form.marker.left = spot.left;
    s_.form.marker.top = spot.top;
    s_.form.marker.visible = true;
}

void Presenter::markSpinOnChip(int chip) {
    if (!d_.shown_) return;
    const Chip& c = s_.form.chips[chip];
    const Point spot = markerOnChip({c.left, c.top});
    s_.form.marker.left = spot.left;
    s_.form.marker.top = spot.top;
    s_.form.marker.visible = true;
}

std::optional<int> Presenter::numberOnChip(int chip) const {
    if (chip < 0 || chip >= board::kChipCount) return std::nullopt;
    return numberFromSingleTooltip(s_.form.chips[chip].tooltip);
}

void Presenter::turnBoard() {
    // The window draws the Form only after the handler, so no half-turned board is ever shown.
    s_.form.board.FlipBoard(!s_.form.board.BoardFlipped());
    const Point spot = markerSpot(s_.form.board, s_.SpinNumber);
    s_.form.marker.left = spot.left;
    s_.form.marker.top = spot.top;
    // Only the chips that are shown move; a hidden chip stays hidden.
    for (int i = 0; i < board::kChipCount; ++i) {
        Chip& chip = s_.form.chips[i];
        if (!chip.visible || chip.bet < 0) continue;
        chip.image = familyImage(label(static_cast<BetId>(chip.bet)));
        PlaceChip(i, static_cast<BetId>(chip.bet));
    }
}

}  // namespace brisvale
