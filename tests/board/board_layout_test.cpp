#include "board/geometry.hpp"

#include <gtest/gtest.h>

namespace brisvale {
namespace {

void expectView(const BoardLayout& layout, bool flipped) {
    for (int i = 0; i < board::kCellCount; ++i)
        EXPECT_EQ(layout.cell(i), cellRect(i, flipped)) << "cell " << i << " flipped " << flipped;
    for (int i = 0; i < board::kLineCount; ++i)
        EXPECT_EQ(layout.line(i), gridLine(i, flipped)) << "line " << i << " flipped " << flipped;
    EXPECT_EQ(layout.BoardFlipped(), flipped);
}

TEST(BoardLayout, StartsInTheNormalViewUncoloured) {
    const BoardLayout layout;
    expectView(layout, false);
    EXPECT_FALSE(layout.numbersColored());
    EXPECT_EQ(layout.backColor(10), 255);
    EXPECT_EQ(layout.cell(1), (Rect{6630, 270, 555, 345}));
    EXPECT_EQ(layout.cell(0), (Rect{7170, 270, 555, 1005}));
}

TEST(BoardLayout, FlipPlacesEveryCellAndLineAsTheFlippedTable) {
    BoardLayout layout;
    layout.FlipBoard(true);
    expectView(layout, true);
    EXPECT_EQ(layout.cell(1), (Rect{690, 930, 555, 345}));
    EXPECT_EQ(layout.cell(36), (Rect{6630, 270, 555, 345}));
    EXPECT_EQ(layout.cell(3), (Rect{690, 270, 555, 345}));
    EXPECT_EQ(layout.cell(0), (Rect{150, 270, 555, 1005}));
    EXPECT_EQ(layout.line(0), (Line{690, 600, 7710, 600}));
    EXPECT_EQ(layout.line(1), (Line{690, 930, 7710, 930}));
}

TEST(BoardLayout, FlipBackRestoresTheNormalTable) {
    BoardLayout layout;
    layout.FlipBoard(true);
    layout.FlipBoard(false);
    expectView(layout, false);
    EXPECT_EQ(layout.cell(1), (Rect{6630, 270, 555, 345}));
    EXPECT_EQ(layout.line(0), (Line{150, 600, 7170, 600}));
}

TEST(BoardLayout, TwoFlipsRestoreEverythingButTheColouring) {
    const BoardLayout start;
    BoardLayout layout = start;
    layout.FlipBoard(!layout.BoardFlipped());
    EXPECT_NE(layout, start);
    layout.FlipBoard(!layout.BoardFlipped());
    for (int i = 0; i < board::kCellCount; ++i) EXPECT_EQ(layout.cell(i), start.cell(i)) << i;
    for (int i = 0; i < board::kLineCount; ++i) EXPECT_EQ(layout.line(i), start.line(i)) << i;
    EXPECT_TRUE(layout.numbersColored());
}

TEST(BoardLayout, ManyAlternatingFlipsStayOnTheTables) {
    BoardLayout layout;
    for (int k = 1; k <= 9; ++k) {
        layout.FlipBoard(!layout.BoardFlipped());
        expectView(layout, k % 2 == 1);
    }
}

TEST(BoardLayout, AskingForTheViewAlreadyShownKeepsTheBoardWhole) {
    BoardLayout layout;
    layout.FlipBoard(false);
    expectView(layout, false);
    layout.FlipBoard(true);
    layout.FlipBoard(true);
    expectView(layout, true);
}

TEST(BoardLayout, NumbersKeepTheirColoursInBothViews) {
    BoardLayout layout;
    for (bool flipped : {true, false}) {
        layout.FlipBoard(flipped);
        EXPECT_TRUE(layout.numbersColored());
        EXPECT_EQ(layout.backColor(9), 255);
        EXPECT_EQ(layout.backColor(27), 255);
        EXPECT_EQ(layout.backColor(10), 0);
        EXPECT_EQ(layout.backColor(28), 0);
        EXPECT_EQ(layout.backColor(0), 49152);
        EXPECT_EQ(layout.backColor(46), 49152);
    }
}

TEST(BoardLayout, FixedCellsNeverMove) {
    BoardLayout layout;
    for (bool flipped : {true, false, true}) {
        layout.FlipBoard(flipped);
        EXPECT_EQ(layout.cell(41), (Rect{2850, 1260, 2175, 345}));
        EXPECT_EQ(layout.cell(44), (Rect{1770, 1590, 1095, 345}));
        EXPECT_EQ(layout.cell(47), (Rect{5010, 1590, 1095, 345}));
    }
}

TEST(BoardLayout, CopiesAreIndependent) {
    BoardLayout original;
    BoardLayout copy = original;
    copy.FlipBoard(true);
    expectView(original, false);
    expectView(copy, true);
}

TEST(BoardLayout, OutOfRangeIndexesAreEmpty) {
    const BoardLayout layout;
    EXPECT_EQ(layout.cell(49), (Rect{0, 0, 0, 0}));
    EXPECT_EQ(layout.cell(-1), (Rect{0, 0, 0, 0}));
    EXPECT_EQ(layout.line(24), (Line{0, 0, 0, 0}));
}

struct MarkerCase {
    int number;
    Point normal;
    Point flipped;
};

TEST(MarkerSpot, SitsOnTheCellOfTheNumberInBothViews) {
    const MarkerCase cases[] = {
        {0, {7290, 630}, {270, 630}},    // the middle of the tall zero cell
        {1, {6750, 300}, {810, 960}},    //
        {7, {5670, 300}, {1890, 960}},   //
        {23, {2970, 630}, {4590, 630}},  //
        {36, {810, 960}, {6750, 300}},   //
        {-1, {7290, 630}, {270, 630}},   // not a number: zero's place
        {37, {7290, 630}, {270, 630}},   //
    };
    BoardLayout layout;
    for (const MarkerCase& c : cases) EXPECT_EQ(markerSpot(layout, c.number), c.normal) << c.number;
    layout.FlipBoard(true);
    for (const MarkerCase& c : cases)
        EXPECT_EQ(markerSpot(layout, c.number), c.flipped) << c.number;
}

}  // namespace
}  // namespace brisvale
