// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/colour.hpp"

#include <algorithm>

namespace brisvale::reading {

std::optional<Colour> colourOfNumber(int number) {
    if (number < 0 || number > 36) return std::nullopt;
    if (number == 0) return Colour::Green;
    constexpr std::uint64_t reds =
        (1ULL << 1) | (1ULL << 3) | (1ULL << 5) | (1ULL << 7) | (1ULL << 9) | (1ULL << 12) |
        (1ULL << 14) | (1ULL << 16) | (1ULL << 18) | (1ULL << 19) | (1ULL << 21) | (1ULL << 23) |
        (1ULL << 25) | (1ULL << 27) | (1ULL << 30) | (1ULL << 32) | (1ULL << 34) | (1ULL << 36);
    return (reds >> number) & 1 ? Colour::Red : Colour::Black;
}

ColourCounts countColours(std::span<const std::uint32_t> pixels) {
    ColourCounts c;
    c.total = static_cast<int>(pixels.size());
    for (const std::uint32_t p : pixels) {
        const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        const int hi = std::max({r, g, b});
        // A hue is trusted only when it stands clearly above the other two channels.
        if (r >= 90 && r - std::max(g, b) >= 60) {
            ++c.red;
        } else if (g >= 70 && g - std::max(r, b) >= 40) {
            ++c.green;
        } else if (hi < 70) {
            ++c.dark;
        }
    }
    return c;
}

std::optional<Colour> classifyColour(const ColourCounts& c) {
    if (c.total <= 0) return std::nullopt;
    // Text on a pale panel covers a few per cent of the picture; a disc most of it.
    const int enough = std::max(1, c.total * 3 / 100);
    if (c.red >= enough && c.red >= 4 * c.green) return Colour::Red;
    if (c.green >= enough && c.green >= 4 * c.red) return Colour::Green;
    if (c.red < enough && c.green < enough && c.dark >= enough) return Colour::Black;
    return std::nullopt;
}

bool colourAgrees(int number, std::optional<Colour> seen) {
    const auto wheel = colourOfNumber(number);
    return wheel && seen && *wheel == *seen;
}

}  // namespace brisvale::reading
