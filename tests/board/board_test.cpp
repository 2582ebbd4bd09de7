// SPDX-License-Identifier: GPL-3.0-or-later
// The board as the layout prints it, the flipped view, and the chips on their bets.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "board/chips.hpp"
#include "board/geometry.hpp"
#include "board/spin_entry.hpp"
#include "model/numbers.hpp"

namespace brisvale {
namespace {

constexpr Rect kEmpty{0, 0, 0, 0};

bool inside(int x, int y, Rect r) {
    return x >= r.left && x <= r.left + r.width && y >= r.top && y <= r.top + r.height;
}

TEST(Board, CellsOfBothViews) {
    EXPECT_EQ(cellRect(1, false), (Rect{6630, 270, 555, 345}));
    EXPECT_EQ(cellRect(0, false), (Rect{7170, 270, 555, 1005}));
    for (int n = 1; n <= 36; ++n) {  // columns of three, each a pitch further from zero
        const Rect r = cellRect(n, false), first = cellRect(1, false);
        EXPECT_EQ(r, (Rect{first.left - (n - 1) / 3 * board::kPitchAcross,
                           first.top + (n - 1) % 3 * board::kPitchDown, 555, 345}));
    }
    // The flipped view turns the grid, zero and the row boxes half a round, and mirrors the
    // boxes below from left to right; "Even" and "Odd" keep their places.
    const Rect zero = cellRect(0, false);
    const int across = cellRect(37, false).left + zero.left + zero.width;
    const int down = zero.top + zero.top + zero.height;
    for (int i = 0; i < board::kCellCount; ++i) {
        const Rect r = cellRect(i, false);
        const Rect turned{across - r.left - r.width, i < 40 ? down - r.top - r.height : r.top,
                          r.width, r.height};
        EXPECT_EQ(cellRect(i, true), i == 44 || i == 47 ? r : turned) << i;
        EXPECT_EQ(isNumberCell(i), i <= 36);
    }
    std::string captions;
    for (int i = 36; i <= 49; ++i) captions.append(outsideCaption(i)) += '|';
    EXPECT_EQ(captions, "|Row 1|Row 2|Row 3|3rd 12|2nd 12|1st 12|19 to 36|Even|||Odd|1 to 18||");
    for (int i = 2; i < board::kLineCount; ++i) EXPECT_EQ(gridLine(i, true), gridLine(i, false));
    EXPECT_EQ(gridLine(0, false), (Line{150, 600, 7170, 600}));
    EXPECT_EQ(gridLine(1, true), (Line{690, 930, 7710, 930}));
    EXPECT_EQ(cellRect(-1, true), kEmpty);
    EXPECT_EQ(cellRect(board::kCellCount, false), kEmpty);
    EXPECT_EQ(gridLine(-1, false), (Line{0, 0, 0, 0}));
    EXPECT_EQ(gridLine(board::kLineCount, true), (Line{0, 0, 0, 0}));
}

// Any run of flips, turning back included, leaves every cell and line where its view's table
// puts it; a flip to the view already shown changes nothing.
TEST(Board, FlipsFollowTheTables) {
    std::mt19937 gen(7);
    BoardLayout layout;
    for (int step = 0; step < 40; ++step) {
        const bool flipped = step > 0 && gen() % 2 == 1;
        if (step > 0) layout.FlipBoard(flipped);
        EXPECT_EQ(layout.BoardFlipped(), flipped);
        for (int i = -1; i <= board::kCellCount; ++i) {
            EXPECT_EQ(layout.cell(i), cellRect(i, flipped));
            const bool number = i >= 1 && i <= 36;  // all red until coloured
            EXPECT_EQ(layout.backColor(i), !number                 ? board::kGreen
                                           : step == 0 || isRed(i) ? board::kRed
                                                                   : board::kBlack);
            const int n = std::clamp(i, -1, 37), on = n < 0 || n > 36 ? 0 : n;
            const Point m = markerSpot(layout, n);
            const Rect cell = layout.cell(on);
            EXPECT_TRUE(inside(m.left, m.top, cell) &&
                        inside(m.left + board::kMarkerWidth, m.top + board::kMarkerHeight, cell))
                << n;
        }
        for (int i = -1; i <= board::kLineCount; ++i)
            EXPECT_EQ(layout.line(i), gridLine(i, flipped));
    }
    EXPECT_EQ(markerSpot(BoardLayout{}, 0), (Point{7290, 630}));
    EXPECT_EQ(markerSpot(BoardLayout{}, 1), (Point{6750, 300}));
}

// Every chip has its own spot in each view, on the cells of its bet: inside bets on their
// numbers, streets on the edge below their column, outside bets on their box.
TEST(Chips, EveryChipSitsOnItsBet) {
    for (bool flipped : {false, true}) {
        std::set<std::pair<int, int>> seen;
        for (int i = 0; i < kBetCount; ++i) {
            const auto id = static_cast<BetId>(i);
            const Bet& b = bet(id);
            const std::optional<Point> spot = chipSpot(id, flipped);
            ASSERT_TRUE(spot && chipSpot(label(id), flipped) == spot) << label(id);
            // The picture by id is the picture by the label's words (flipped or not alike).
            EXPECT_EQ(chipImage(id, !flipped),
                      flipped ? multiFamilyImage(label(id)) : familyImage(label(id)))
                << label(id);
            EXPECT_TRUE(seen.insert({spot->left, spot->top}).second) << label(id);
            const int x = spot->left + board::kChipWidth / 2,
                      y = spot->top + board::kChipHeight / 2;
            const int edge = cellRect(0, flipped).top + cellRect(0, flipped).height;
            std::vector<Rect> on;
            for (int n : numbersOf(id)) {  // a street's chip covers the edge below its column
                const Rect c = cellRect(n, flipped);
                const bool street = b.family == Family::Trio || b.family == Family::Line;
                on.push_back(street ? Rect{c.left, edge - 200, c.width, 400} : c);
            }
            for (int c = board::kFirstOutsideCell; c < board::kCellCount; ++c) {
                const std::string_view words = outsideCaption(c);
                if (words == (id == bet_ids::Low ? "1 to 18" : label(id)))
                    on = {cellRect(c, flipped)};
            }
            if (id == bet_ids::Black || id == bet_ids::Red)
                on = {cellRect(id == bet_ids::Red ? 46 : 45, flipped)};
            EXPECT_TRUE(std::ranges::any_of(on, [&](Rect r) { return inside(x, y, r); }))
                << label(id) << " flipped " << flipped;
        }
    }
    EXPECT_EQ(chipSpot("Single 03", false), (Point{6720, 955}));  // a little off the rule
    EXPECT_EQ(chipSpot("Single 03", true), (Point{790, 280}));
    for (const char* text : {"", "Red,", "red", " Red", "Single 1", "Single 00", "Split 01/04"}) {
        EXPECT_FALSE(chipSpot(text, false) || chipSpot(text, true)) << text;
    }
    const auto none = static_cast<BetId>(kBetCount);
    EXPECT_FALSE(chipSpot(none, false) || chipSpot(none, true) || chipSpot(BetId{255}, true));
    EXPECT_EQ(chipImage(none, true), board::kImageOther);
}

// Each outside bet owns the one outside cell that covers exactly its numbers; inside bets own none.
TEST(Chips, OutsideBetsOwnTheirCells) {
    const auto cellNumbers = [](int cell) {  // the numbers printed beside a row, dozen or box
        NumberMask mask = 0;
        for (int n = 1; n <= 36; ++n) {
            const Rect r = cellRect(n, false), c = cellRect(cell, false);
            const bool inRow = cell <= 39 && r.top == c.top;
            const bool underDozen = cell >= 40 && cell <= 42 && r.left >= c.left - 15 &&
                                    r.left + r.width <= c.left + c.width + 15;
            if (inRow || underDozen) mask |= NumberMask{1} << n;
        }
        return mask;
    };
    std::set<int> owned;
    for (int i = 0; i < kBetCount; ++i) {
        const auto id = static_cast<BetId>(i);
        const std::optional<int> cell = outsideCell(id);
        const Family family = bet(id).family;
        const bool outside =
            family == Family::Even || family == Family::Dozen || family == Family::Row;
        ASSERT_EQ(cell.has_value(), outside) << label(id);
        if (!cell) continue;
        EXPECT_TRUE(owned.insert(*cell).second) << label(id);
        EXPECT_GE(*cell, board::kFirstOutsideCell);
        EXPECT_LT(*cell, board::kCellCount);
        if (*cell <= 42) {
            EXPECT_EQ(cellNumbers(*cell), bet(id).numbers) << label(id);
        }
        if (*cell >= 43 && id != bet_ids::Black && id != bet_ids::Red) {
            EXPECT_EQ(outsideCaption(*cell), id == bet_ids::Low ? "1 to 18" : label(id));
        }
    }
    EXPECT_EQ(owned.size(), 12U);
    EXPECT_EQ(outsideCell(bet_ids::Red), 46);
    EXPECT_EQ(outsideCell(bet_ids::Low), 48);
    EXPECT_FALSE(outsideCell(BetId{150}));
}

TEST(Chips, ImagesByTheWordsOfTheLabel) {
    // The label, its picture and its Multi picture: the Multi style never looks for "Single".
    const std::tuple<const char*, int, int> cases[] = {
        {"Red", 5, 5},          {"Row 2", 5, 5},      {"Split 04/01", 1, 1},
        {"Corner 04/01", 2, 2}, {"Trio 01", 3, 3},    {"Line 06/03,", 4, 4},
        {"Single 17", 9, 5},    {"split 04", 5, 5},   {"Corner Split", 1, 1},
        {"Trio Corner", 3, 3},  {"Line Single", 9, 4}};
    for (const auto& [label, image, multiImage] : cases) {
        EXPECT_EQ(std::pair(familyImage(label), multiFamilyImage(label)),
                  std::pair(image, multiImage))
            << label;
    }
    for (int image = -1; image <= 10; ++image) {
        EXPECT_EQ(blackText(image), image == 2 || image == 3 || image == 9);
        EXPECT_TRUE((image >= 1 && image <= 9) || imageColor(image) == 0U) << image;
    }
    EXPECT_EQ(imageColor(1), 0x0026FFU);
    EXPECT_EQ(imageColor(9), 0xFFFFFFU);
}

// Clicking a single's stake enters the number its tooltip names, and only a number of the
// wheel.
TEST(Chips, NumberFromTheTooltip) {
    for (int n = 0; n <= 36; ++n)
        EXPECT_EQ(numberFromSingleTooltip("Bet 5 on Single " + PadNumber(n)), n);
    for (const char* text : {"Bet 5 on Split 04/01", "", "single 04", "Single", "Single xx",
                             "Single 37", "Single -4", "Single 99999999999999999999"}) {
        EXPECT_EQ(numberFromSingleTooltip(text), std::nullopt) << text;
    }
    EXPECT_EQ(numberFromSingleTooltip("Single  \t9"), 9);  // blanks skipped, the figures read
    EXPECT_EQ(numberFromSingleTooltip("Single 12abc"), 12);
    EXPECT_EQ(markerOnChip({6180, 280}), (Point{6210, 280}));
}

}  // namespace
}  // namespace brisvale
