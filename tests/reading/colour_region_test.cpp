// SPDX-License-Identifier: GPL-3.0-or-later
// The colour check on pictures painted here, and the region's line of text.

#include <gtest/gtest.h>

#include <vector>

#include "reading/colour.hpp"
#include "reading/region.hpp"

namespace brisvale::reading {
namespace {

TEST(Colour, OfTheWheel) {
    const std::vector<int> reds = {1,  3,  5,  7,  9,  12, 14, 16, 18,
                                   19, 21, 23, 25, 27, 30, 32, 34, 36};
    for (int n = -1; n <= 37; ++n) {
        const bool listed = std::find(reds.begin(), reds.end(), n) != reds.end();
        const std::optional<Colour> wheel = n < 0 || n > 36 ? std::nullopt
                                            : n == 0        ? std::optional(Colour::Green)
                                            : listed        ? Colour::Red
                                                            : Colour::Black;
        EXPECT_EQ(colourOfNumber(n), wheel) << n;
    }
}

// A picture of `size` pixels: `share` per cent in `ink`, the rest `paper`.
std::vector<std::uint32_t> picture(std::uint32_t paper, std::uint32_t ink, int share) {
    std::vector<std::uint32_t> p(1000, paper);
    for (int i = 0; i < share * 10; ++i) p[static_cast<std::size_t>(i)] = ink;
    return p;
}

TEST(Colour, ClassifiesTheLooksOfResultDisplays) {
    constexpr std::uint32_t white = 0xFFFFFFFF, panel = 0xFFE8E4D8, grey = 0xFF808080;
    constexpr std::uint32_t red = 0xFFC81E1E, darkRed = 0xFF8C1010, black = 0xFF141414,
                            green = 0xFF1E8C32, felt = 0xFF0A5A1E;
    struct Case {
        const char* name;
        std::vector<std::uint32_t> pixels;
        std::optional<Colour> expected;
    };
    const std::vector<Case> cases = {
        {"red disc, white digits", picture(red, white, 20), Colour::Red},
        {"dark red disc", picture(darkRed, white, 20), Colour::Red},
        {"black disc", picture(black, white, 20), Colour::Black},
        {"green disc", picture(green, white, 25), Colour::Green},
        {"dark green felt", picture(felt, white, 25), Colour::Green},
        {"red digits on a panel", picture(panel, red, 8), Colour::Red},
        {"black digits on a panel", picture(panel, black, 8), Colour::Black},
        {"green digits on a panel", picture(panel, green, 8), Colour::Green},
        {"blank panel", picture(panel, panel, 0), std::nullopt},
        {"grey says nothing", picture(white, grey, 40), std::nullopt},
        {"a speck is not a colour", picture(white, red, 1), std::nullopt},
        {"red and green halves", picture(red, green, 50), std::nullopt},
        {"red beside a little black stays red", picture(red, black, 10), Colour::Red},
        {"nothing at all", {}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(classifyColour(countColours(c.pixels)), c.expected) << c.name;
    }
}

TEST(Colour, AgreesOnlyWithTheWheelsColour) {
    const std::tuple<int, std::optional<Colour>, bool> rows[] = {
        {0, Colour::Green, true},  {32, Colour::Red, true},   {15, Colour::Black, true},
        {15, Colour::Red, false},  {0, Colour::Black, false}, {15, std::nullopt, false},
        {37, Colour::Black, false}};
    for (const auto& [n, seen, agrees] : rows) EXPECT_EQ(colourAgrees(n, seen), agrees) << n;
}

TEST(Region, ReadsBackWhatItWritesAndRefusesTheRest) {
    for (const Region& r : {Region{10, 20, 200, 60, DisplayKind::Result, NewestEnd::Left},
                            Region{-1920, 0, 400, 40, DisplayKind::Strip, NewestEnd::Left},
                            Region{5, 5, 8, 8, DisplayKind::Strip, NewestEnd::Right}}) {
        EXPECT_EQ(regionFromText(regionText(r)), r) << regionText(r);
    }
    EXPECT_EQ(regionText({1, 2, 30, 40, DisplayKind::Strip, NewestEnd::Right}),
              "1,2,30,40,strip-right");
    for (const char* bad :
         {"", "1,2,30,40", "1,2,30,40,result,", "1,2,7,40,result", "1,2,30,x,result",
          "1,2,30,40,strip", "1, 2,30,40,result", "1,2,30,99999999999,result"}) {
        EXPECT_FALSE(regionFromText(bad)) << bad;
    }
}

TEST(ConfirmMode, ProposesTheFirstFiveAndStartsAgainOnACorrection) {
    ConfirmMode mode;
    for (int i = 0; i < 4; ++i) mode.answered(true);
    EXPECT_TRUE(mode.active());
    mode.answered(false);
    EXPECT_EQ(mode.confirmed(), 0);
    for (int i = 0; i < 5; ++i) mode.answered(true);
    EXPECT_FALSE(mode.active());
}

}  // namespace
}  // namespace brisvale::reading
