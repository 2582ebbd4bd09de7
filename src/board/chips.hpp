// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chips laid on the board: the spot of every bet in both views, and the chip images by
// bet family. Positions are twips relative to the board frame, like the cells.

#include <cstdint>
#include <optional>
#include <string_view>

#include "board/geometry.hpp"
#include "model/bets.hpp"

namespace brisvale {

namespace board {

// The chip array `Picture1` and its stake labels `lblWager`: indexes 0..90.
inline constexpr int kChipCount = 91;
// The design's chip size, used when the remote settings give none.
inline constexpr int kChipWidth = 375, kChipHeight = 375;
// The design's stake label inside its chip: where the stake sits in the middle of the chip.
inline constexpr int kLabelLeft = 30, kLabelTop = 60;
inline constexpr int kLabelFontSize = 9;  // points

// Chip images of `ImageList1` (1-based, as the image list counts them).
inline constexpr int kImageSplit = 1;
inline constexpr int kImageCorner = 2;
inline constexpr int kImageTrio = 3;
inline constexpr int kImageLine = 4;
inline constexpr int kImageOther = 5;  // even-money bets, dozens, rows, and Classic play
inline constexpr int kImageSingle = 9;

}  // namespace board

// Top left corner of the chip of bet `id` in the given view; nullopt for an id outside the
// catalogue.
std::optional<Point> chipSpot(BetId id, bool flipped);

// The same by exact, case-sensitive label. A text that is no bet's label ("Red,", "", "red")
// has no spot: the caller leaves the chip where it is.
std::optional<Point> chipSpot(std::string_view label, bool flipped);

// The cell of an outside bet (dozen, row or even-money): 37..48 of the board's cells;
// nullopt for an inside bet and for an id outside the catalogue.
std::optional<int> outsideCell(BetId id);

// Image of a chip: 5, then Corner 2, Split 1, Trio 3, Line 4, Single 9, each when the label
// contains that word (case-sensitive), checked in that order so a later match wins.
int familyImage(std::string_view label);
// The same without the Single check, as the Multi style paints its chips.
int multiFamilyImage(std::string_view label);
// The image of bet `id`'s chip: familyImage of its label with singles, else multiFamilyImage
// (kImageOther for an id outside the catalogue).
int chipImage(BetId id, bool withSingle);

// Corner, Trio and Single chips are light enough to need black stake text.
constexpr bool blackText(int image) {
    return image == board::kImageCorner || image == board::kImageTrio ||
           image == board::kImageSingle;
}

// Colour of image 1..9 as 0xRRGGBB. Any other index shows the chip's black back colour.
std::uint32_t imageColor(int image);

}  // namespace brisvale
