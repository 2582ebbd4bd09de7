// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Entering a spin by clicking the stake label of a single-number chip: the chip's tooltip
// ("Bet 5 on Single 17") names the number.

#include <optional>
#include <string_view>

#include "board/geometry.hpp"

namespace brisvale {

// The number named after "Single" in a chip tooltip, read like a leading whole number
// (blanks skipped, then digits). nullopt when the tooltip has no "Single", no digits follow
// it, or the value is not a number of the wheel (0..36): a click must never enter a number
// the wheel does not have.
std::optional<int> numberFromSingleTooltip(std::string_view tooltip);

// Where the marker lies when the number is entered from a chip at `chip`.
constexpr Point markerOnChip(Point chip) {
    return {chip.left + 30, chip.top};
}

}  // namespace brisvale
