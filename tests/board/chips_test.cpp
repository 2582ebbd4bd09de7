#include "board/chips.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>

namespace brisvale {
namespace {

struct SpotCase {
    const char* label;
    Point normal;
    Point flipped;
};

// Worked by hand from the spot table: first and last of each family, the odd ones out, and a
// few from the middle.
const SpotCase kSpots[] = {
    {"Single 01", {6720, 295}, {790, 940}},
    {"Single 02", {6720, 625}, {790, 610}},
    {"Single 03", {6720, 955}, {790, 280}},
    {"Single 04", {6180, 280}, {1320, 940}},
    {"Single 17", {4020, 610}, {3480, 610}},
    {"Single 34", {780, 280}, {6720, 940}},
    {"Single 36", {780, 940}, {6720, 280}},
    {"Split 04/01", {6445, 280}, {1045, 940}},
    {"Split 20/17", {3745, 610}, {3745, 610}},
    {"Split 36/33", {1045, 940}, {6445, 280}},
    {"Split 01/02", {6700, 470}, {760, 800}},
    {"Split 34/35", {760, 470}, {6700, 800}},
    {"Split 02/03", {6700, 800}, {760, 470}},
    {"Split 17/18", {4000, 800}, {3460, 470}},
    {"Split 35/36", {760, 800}, {6700, 470}},
    {"Trio 01/02/03", {6700, 1130}, {760, 1130}},
    {"Trio 34/35/36", {760, 1130}, {6700, 1130}},
    {"Line 06/03", {6430, 1130}, {1030, 1130}},
    {"Line 36/33", {1030, 1130}, {6430, 1130}},
    {"Corner 04/01/05/02", {6430, 470}, {1030, 800}},
    {"Corner 34/31/35/32", {1030, 470}, {6430, 800}},
    {"Corner 05/02/06/03", {6430, 800}, {1030, 470}},
    {"Corner 35/32/36/33", {1030, 800}, {6430, 470}},
    {"Row 1", {120, 280}, {7200, 940}},
    {"Row 2", {120, 610}, {7200, 610}},
    {"Row 3", {120, 940}, {7200, 280}},
    {"1st 12", {6450, 1270}, {2040, 1270}},
    {"2nd 12", {4290, 1270}, {4290, 1270}},
    {"3rd 12", {2040, 1310}, {6500, 1310}},
    {"Black", {2940, 1600}, {4640, 1600}},
    {"Red", {4650, 1600}, {2940, 1600}},
    {"Odd", {5650, 1600}, {5650, 1600}},
    {"Even", {1800, 1600}, {1800, 1600}},
    {"01 to 18", {6210, 1600}, {690, 1600}},
    {"19 to 36", {690, 1600}, {6210, 1600}},
};

TEST(ChipSpot, ByLabelMatchesTheSpotTable) {
    for (const SpotCase& c : kSpots) {
        EXPECT_EQ(chipSpot(std::string_view{c.label}, false), c.normal) << c.label;
        EXPECT_EQ(chipSpot(std::string_view{c.label}, true), c.flipped) << c.label;
    }
}

TEST(ChipSpot, ByIdAgreesWithTheLabel) {
    for (const SpotCase& c : kSpots) {
        const std::optional<BetId> id = findLabel(c.label);
        ASSERT_TRUE(id.has_value()) << c.label;
        EXPECT_EQ(chipSpot(*id, false), c.normal) << c.label;
        EXPECT_EQ(chipSpot(*id, true), c.flipped) << c.label;
    }
}

TEST(ChipSpot, EveryBetHasItsOwnSpotInEachView) {
    for (bool flipped : {false, true}) {
        std::set<std::pair<int, int>> seen;
        for (int id = 0; id < kBetCount; ++id) {
            const std::optional<Point> spot = chipSpot(static_cast<BetId>(id), flipped);
            ASSERT_TRUE(spot.has_value()) << id;
            EXPECT_TRUE(seen.insert({spot->left, spot->top}).second)
                << label(static_cast<BetId>(id)) << " shares a spot, flipped " << flipped;
            EXPECT_GE(spot->left, 0);
            EXPECT_LE(spot->left + board::kChipWidth, board::kFrame2.width);
            EXPECT_LE(spot->top + board::kChipHeight, board::kFrame2.height);
        }
    }
}

// A chip on a single, a split or a corner has its centre on the cells it covers.
TEST(ChipSpot, InsideBetChipsSitOnTheirNumbers) {
    for (bool flipped : {false, true}) {
        for (int id = 0; id < kBetCount; ++id) {
            const Bet& b = bet(static_cast<BetId>(id));
            if (b.family != Family::Single && b.family != Family::Split &&
                b.family != Family::Corner)
                continue;
            int left = 1 << 20, top = 1 << 20, right = 0, bottom = 0;
            for (int k = 0; k < b.count; ++k) {
                const Rect r = cellRect(b.list[static_cast<std::size_t>(k)], flipped);
                left = std::min(left, r.left);
                top = std::min(top, r.top);
                right = std::max(right, r.left + r.width);
                bottom = std::max(bottom, r.top + r.height);
            }
            const Point spot = *chipSpot(static_cast<BetId>(id), flipped);
            const int x = spot.left + board::kChipWidth / 2;
            const int y = spot.top + board::kChipHeight / 2;
            EXPECT_TRUE(x >= left && x <= right && y >= top && y <= bottom)
                << b.label() << " flipped " << flipped;
        }
    }
}

TEST(ChipSpot, TextsThatAreNoLabelHaveNoSpot) {
    for (const char* text : {"", "Red,", ",Red", "red", " Red", "Single 1", "Single 00",
                             "Single 37", "Split 01/04", "Bet $5 on Red", "Zero"}) {
        EXPECT_FALSE(chipSpot(std::string_view{text}, false).has_value()) << text;
        EXPECT_FALSE(chipSpot(std::string_view{text}, true).has_value()) << text;
    }
}

TEST(ChipSpot, IdsOutsideTheCatalogueHaveNoSpot) {
    EXPECT_FALSE(chipSpot(static_cast<BetId>(150), false).has_value());
    EXPECT_FALSE(chipSpot(static_cast<BetId>(255), true).has_value());
}

struct ImageCase {
    const char* label;
    int image;       // Classic switch and Super style
    int multiImage;  // Multi style: no Single check
};

TEST(FamilyImage, ByTheWordsOfTheLabel) {
    const ImageCase cases[] = {
        {"Red", 5, 5},
        {"01 to 18", 5, 5},
        {"1st 12", 5, 5},
        {"Row 2", 5, 5},
        {"", 5, 5},
        {"Split 04/01", 1, 1},
        {"Corner 04/01/05/02", 2, 2},
        {"Trio 01/02/03", 3, 3},
        {"Line 06/03", 4, 4},
        {"Single 17", 9, 5},
        {"split 04/01", 5, 5},   // the test is case-sensitive
        {"Corner Split", 1, 1},  // a later word wins
        {"Trio Corner", 3, 3},   //
        {"Line Single", 9, 4},   //
        {"Split 04/01,", 1, 1},  // a list entry still names its family
    };
    for (const ImageCase& c : cases) {
        EXPECT_EQ(familyImage(c.label), c.image) << c.label;
        EXPECT_EQ(multiFamilyImage(c.label), c.multiImage) << c.label;
    }
}

TEST(FamilyImage, BlackTextOnCornerTrioAndSingleChips) {
    for (int image = 0; image <= 10; ++image) {
        const bool expected = image == 2 || image == 3 || image == 9;
        EXPECT_EQ(blackText(image), expected) << image;
    }
}

TEST(ImageColor, PlainColourOfEachImage) {
    const std::uint32_t colors[] = {0x0026FF, 0xFF2BF7, 0xFFFB0F, 0x808080, 0x7F0000,
                                    0x37FF0F, 0x3F00FF, 0xC78CFF, 0xFFFFFF};
    for (int image = 1; image <= 9; ++image)
        EXPECT_EQ(imageColor(image), colors[image - 1]) << image;
    EXPECT_EQ(imageColor(0), 0u);
    EXPECT_EQ(imageColor(10), 0u);
    EXPECT_EQ(imageColor(-1), 0u);
}

TEST(ChipConstants, DesignValues) {
    EXPECT_EQ(board::kChipCount, 91);
    EXPECT_EQ(board::kChipWidth, 375);
    EXPECT_EQ(board::kChipHeight, 375);
}

}  // namespace
}  // namespace brisvale
