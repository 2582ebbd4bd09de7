// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board as the window shows it: the chips laid on their bets and the marker on the spin.
// The presenter's half for the board; it writes only the chips and the marker of the Form.

#include <optional>

#include "advisor/part.hpp"

namespace brisvale {

struct MultiBetRules;

class BoardPresenter : public Part {
  public:
    using Part::Part;

    void hideChips();
    void PlaceChip(int chip, BetId id);
    void setImage(int chip, BetId id, bool withSingle);
    // Classic: the chip of the open bet, with its stake; a new bet's chip is laid on its spot.
    void layClassicChip(bool newBet);
    // A chip of a multi-bet pass before its bet is stepped: plain and empty.
    void greyChip(int chip);
    void emptyChip(int chip);
    void layMultiChip(int chip, BetId id, const MultiBetRules& rules);
    void markSpinOnBoard();
    void markSpinOnChip(int chip);
    void hideMarker();
    // The number a chip names (Super's single numbers), if any.
    std::optional<int> numberOnChip(int chip) const;
    void turnBoard();
};

}  // namespace brisvale
