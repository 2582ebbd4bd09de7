// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour of a result as a casino draws it, and the check that it is the colour of the
// number read: a misread digit rarely keeps its colour, so the two together are trusted.

#include <cstdint>
#include <optional>
#include <span>

namespace brisvale::reading {

enum class Colour { Red, Black, Green };

// The wheel's colour of a number 0..36 (0 green); nullopt for any other number.
std::optional<Colour> colourOfNumber(int number);

// The pixel counts a picture's colour is decided on. Light and grey pixels (white digits, a
// pale panel, anti-aliasing) count as neither.
struct ColourCounts {
    int red = 0;
    int green = 0;
    int dark = 0;
    int total = 0;
};

// Counts the pixels of a picture given as 0xAARRGGBB.
ColourCounts countColours(std::span<const std::uint32_t> pixels);

// What a result display shows: red or green when enough pixels are clearly of one and few of
// the other; otherwise black when enough pixels are dark. nullopt when nothing decides, so a
// blank or washed-out picture is never taken for black.
std::optional<Colour> classifyColour(const ColourCounts& counts);

// True when the picture's colour is known and is the wheel's colour of `number`.
bool colourAgrees(int number, std::optional<Colour> seen);

}  // namespace brisvale::reading
