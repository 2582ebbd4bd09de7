// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The back colours of the window by what they tell the player, as the scenario tables name them
// ("back=bet"): the normal colour, the colour of an open bet, and the colour of the advice to
// quit. The values are the window's colours as decimal numbers (0xBBGGRR).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace brisvale::testing {

struct BackColour {
    std::string_view name;
    std::int64_t value;
};

inline constexpr std::array<BackColour, 3> kBackColours{
    {{"normal", 15790320}, {"bet", 8454016}, {"quit", 192}}};

// The name of a back colour, or its number when it has none.
inline std::string backColourName(std::int64_t value) {
    for (const BackColour& c : kBackColours) {
        if (c.value == value) return std::string(c.name);
    }
    return std::to_string(value);
}

}  // namespace brisvale::testing
