// SPDX-License-Identifier: GPL-3.0-or-later
// The board as the window shows it: chips and the marker.

#include <array>
#include <charconv>
#include <cstring>

#include "advisor/advisor.hpp"
#include "board/chips.hpp"
#include "board/spin_entry.hpp"

namespace brisvale {

void BoardPresenter::hideChips() {
    if (!d_.shown_) return;
    for (Chip& chip : form_.chips) chip.visible = false;
}

void BoardPresenter::PlaceChip(int chip, BetId id) {
    Chip& c = form_.chips[chip];
    if (const auto spot = chipSpot(id, form_.board.BoardFlipped())) {
        c.left = spot->left;
        c.top = spot->top;
    }
    c.bet = id;
    c.visible = true;
}

void BoardPresenter::setImage(int chip, BetId id, bool withSingle) {
    Chip& c = form_.chips[chip];
    c.image = chipImage(id, withSingle);
    c.blackText = blackText(c.image);
}

// Classic: the chip of the open bet, with its stake; a new bet's chip is laid on its spot.
void BoardPresenter::layClassicChip(bool newBet) {
    d_.view.paint(s_.BetColor);
    if (!d_.shown_) return;
    Chip& chip = form_.chips[0];
    chip.caption = std::to_string(s_.Stake);
    if (newBet) {
        chip.image = board::kImageOther;
        PlaceChip(0, s_.CurrentBet[0]);
    }
}

// A chip of a multi-bet pass before its bet is stepped: plain until it is laid.
void BoardPresenter::greyChip(int chip) {
    if (!d_.shown_) return;
    Chip& c = form_.chips[chip];
    c.image = board::kImageOther;
    c.blackText = false;
}

void BoardPresenter::emptyChip(int chip) {
    if (d_.shown_) form_.chips[chip].caption.clear();
}

// A multi-bet chip laid on its bet with the stake; Super names the bet in its tooltip.
void BoardPresenter::layMultiChip(int chip, BetId id, const MultiBetRules& rules) {
    if (!d_.shown_) return;
    Chip& c = form_.chips[chip];
    // Every laid chip is written on every spin: the texts reuse their buffers, and the tooltip
    // "Bet 5 on Single 17" is put together in place, its parts copied whole (the stake's
    // buffer and the label's array), each over the spare end of the one before.
    const Bet& b = bet(id);
    constexpr std::string_view kBet = "Bet ", kOn = " on ";
    std::array<char, kBet.size() + 24 + kOn.size() + sizeof b.text> text;
    char* const stake = text.data() + kBet.size();
    char* const stakeEnd = std::to_chars(stake, stake + 24, s_.Stake).ptr;
    c.caption.assign(stake, stakeEnd);
    setImage(chip, id, rules.betsSingles);
    if (rules.chipsInWords) {
        std::memcpy(text.data(), kBet.data(), kBet.size());
        std::memcpy(stakeEnd, kOn.data(), kOn.size());
        std::memcpy(stakeEnd + kOn.size(), b.text.data(), sizeof b.text);
        c.tooltip.assign(text.data(), stakeEnd + kOn.size() + b.length);
    } else {
        c.tooltip.clear();
    }
    PlaceChip(chip, id);
}

// The marker on the cell of the selected number.
void BoardPresenter::markSpinOnBoard() {
    if (!d_.shown_) return;
    const Point spot = markerSpot(form_.board, s_.SpinNumber);
    form_.marker.left = spot.left;
    form_.marker.top = spot.top;
    form_.marker.visible = true;
}

void BoardPresenter::markSpinOnChip(int chip) {
    if (!d_.shown_) return;
    const Chip& c = form_.chips[chip];
    const Point spot = markerOnChip({c.left, c.top});
    form_.marker.left = spot.left;
    form_.marker.top = spot.top;
    form_.marker.visible = true;
}

std::optional<int> BoardPresenter::numberOnChip(int chip) const {
    if (chip < 0 || chip >= board::kChipCount) return std::nullopt;
    return numberFromSingleTooltip(form_.chips[chip].tooltip);
}

void BoardPresenter::turnBoard() {
    // The window draws the Form only after the handler, so no half-turned board is ever shown.
    form_.board.FlipBoard(!form_.board.BoardFlipped());
    const Point spot = markerSpot(form_.board, s_.SpinNumber);
    form_.marker.left = spot.left;
    form_.marker.top = spot.top;
    // Only the chips that are shown move; a hidden chip stays hidden.
    for (int i = 0; i < board::kChipCount; ++i) {
        Chip& chip = form_.chips[i];
        if (!chip.visible || chip.bet < 0) continue;
        chip.image = familyImage(label(static_cast<BetId>(chip.bet)));
        PlaceChip(i, static_cast<BetId>(chip.bet));
    }
}

void BoardPresenter::hideMarker() {
    form_.marker.visible = false;
}

}  // namespace brisvale
