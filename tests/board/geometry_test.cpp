#include "board/geometry.hpp"

#include <gtest/gtest.h>

namespace brisvale {
namespace {

struct CellCase {
    int index;
    Rect normal;
    Rect flipped;
};

// Every non-number cell, and number cells at the corners of the grid, as the layout prints them.
const CellCase kCells[] = {
    {0, {7170, 270, 555, 1005}, {150, 270, 555, 1005}},
    {1, {6630, 270, 555, 345}, {690, 930, 555, 345}},
    {2, {6630, 600, 555, 345}, {690, 600, 555, 345}},
    {3, {6630, 930, 555, 345}, {690, 270, 555, 345}},
    {4, {6090, 270, 555, 345}, {1230, 930, 555, 345}},
    {17, {3930, 600, 555, 345}, {3390, 600, 555, 345}},
    {34, {690, 270, 555, 345}, {6630, 930, 555, 345}},
    {35, {690, 600, 555, 345}, {6630, 600, 555, 345}},
    {36, {690, 930, 555, 345}, {6630, 270, 555, 345}},
    {37, {150, 270, 555, 345}, {7170, 930, 555, 345}},
    {38, {150, 600, 555, 345}, {7170, 600, 555, 345}},
    {39, {150, 930, 555, 345}, {7170, 270, 555, 345}},
    {40, {690, 1260, 2175, 345}, {5010, 1260, 2175, 345}},
    {41, {2850, 1260, 2175, 345}, {2850, 1260, 2175, 345}},
    {42, {5010, 1260, 2175, 345}, {690, 1260, 2175, 345}},
    {43, {690, 1590, 1095, 345}, {6090, 1590, 1095, 345}},
    {44, {1770, 1590, 1095, 345}, {1770, 1590, 1095, 345}},
    {45, {2850, 1590, 1095, 345}, {3930, 1590, 1095, 345}},
    {46, {3930, 1590, 1095, 345}, {2850, 1590, 1095, 345}},
    {47, {5010, 1590, 1095, 345}, {5010, 1590, 1095, 345}},
    {48, {6090, 1590, 1095, 345}, {690, 1590, 1095, 345}},
};

TEST(CellRect, MatchesTheLayoutTableInBothViews) {
    for (const CellCase& c : kCells) {
        EXPECT_EQ(cellRect(c.index, false), c.normal) << "cell " << c.index;
        EXPECT_EQ(cellRect(c.index, true), c.flipped) << "cell " << c.index;
    }
}

TEST(CellRect, NumberCellsFollowTheColumnAndRowRule) {
    for (int n = 1; n <= 36; ++n) {
        const int c = (n - 1) / 3, r = (n - 1) % 3;
        EXPECT_EQ(cellRect(n, false), (Rect{6630 - 540 * c, 270 + 330 * r, 555, 345})) << n;
        EXPECT_EQ(cellRect(n, true), (Rect{690 + 540 * c, 930 - 330 * r, 555, 345})) << n;
    }
}

TEST(CellRect, FlippedViewTurnsTheNumberGridHalfARound) {
    // The grid spans 690..7185 across and 270..1275 down; turning it maps n onto 37 - n.
    for (int n = 1; n <= 36; ++n) {
        const Rect normal = cellRect(37 - n, false);
        EXPECT_EQ(cellRect(n, true).left, normal.left) << n;
        EXPECT_EQ(cellRect(n, true).top, normal.top) << n;
    }
}

TEST(CellRect, IndexOutsideTheArrayIsEmpty) {
    for (int index : {-1, 49, 1000}) {
        EXPECT_EQ(cellRect(index, false), (Rect{0, 0, 0, 0})) << index;
        EXPECT_EQ(cellRect(index, true), (Rect{0, 0, 0, 0})) << index;
    }
}

TEST(GridLine, MatchesTheLineTable) {
    const Line normal[24] = {
        {150, 600, 7170, 600},    {150, 930, 7170, 930},    {1230, 270, 1230, 1260},
        {1770, 270, 1770, 1260},  {2310, 270, 2310, 1260},  {2850, 270, 2850, 1920},
        {6630, 270, 6630, 1260},  {6090, 270, 6090, 1260},  {5550, 270, 5550, 1260},
        {5010, 270, 5010, 1920},  {4470, 270, 4470, 1260},  {3930, 270, 3930, 1260},
        {3390, 270, 3390, 1260},  {7170, 270, 7170, 1920},  {150, 1260, 7710, 1260},
        {690, 1590, 7170, 1590},  {150, 270, 7710, 270},    {690, 270, 690, 1920},
        {7710, 270, 7710, 1260},  {150, 270, 150, 1260},    {690, 1920, 7170, 1920},
        {1770, 1590, 1770, 1920}, {3990, 1590, 3990, 1920}, {6180, 1590, 6180, 1920},
    };
    for (int i = 0; i < 24; ++i) {
        EXPECT_EQ(gridLine(i, false), normal[i]) << "line " << i;
        if (i >= 2) {
            EXPECT_EQ(gridLine(i, true), normal[i]) << "line " << i;
        }
    }
    EXPECT_EQ(gridLine(0, true), (Line{690, 600, 7710, 600}));
    EXPECT_EQ(gridLine(1, true), (Line{690, 930, 7710, 930}));
    EXPECT_EQ(gridLine(24, false), (Line{0, 0, 0, 0}));
    EXPECT_EQ(gridLine(-1, true), (Line{0, 0, 0, 0}));
}

TEST(CellBackColor, RedAndBlackOnceColoured) {
    const int red[] = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
    const int black[] = {2, 4, 6, 8, 10, 11, 13, 15, 17, 20, 22, 24, 26, 28, 29, 31, 33, 35};
    for (int n : red) EXPECT_EQ(cellBackColor(n, true), 255) << n;
    for (int n : black) EXPECT_EQ(cellBackColor(n, true), 0) << n;
}

TEST(CellBackColor, EveryNumberRedBeforeTheFirstSwitch) {
    for (int n = 1; n <= 36; ++n) EXPECT_EQ(cellBackColor(n, false), 255) << n;
}

TEST(CellBackColor, ZeroAndOutsideCellsStayGreen) {
    for (bool colored : {false, true}) {
        EXPECT_EQ(cellBackColor(0, colored), 49152);
        for (int i = 37; i <= 48; ++i) EXPECT_EQ(cellBackColor(i, colored), 49152) << i;
    }
}

TEST(BoardConstants, FixedControlsOfTheDesign) {
    EXPECT_EQ(board::kFrame2, (Rect{4020, 90, 7920, 2460}));
    EXPECT_EQ(board::kPicture2, (Rect{150, 1260, 555, 345}));
    EXPECT_EQ(board::kButton1, (Rect{7050, 2010, 825, 375}));
    EXPECT_EQ(board::kMarkerWidth, 300);
    EXPECT_EQ(board::kMarkerHeight, 300);
    // Every cell fits inside the frame in both views.
    for (bool flipped : {false, true}) {
        for (int i = 0; i < board::kCellCount; ++i) {
            const Rect r = cellRect(i, flipped);
            EXPECT_LE(r.left + r.width, board::kFrame2.width) << i;
            EXPECT_LE(r.top + r.height, board::kFrame2.height) << i;
        }
    }
}

TEST(IsNumberCell, OnlyZeroToThirtySixEnterANumber) {
    EXPECT_TRUE(isNumberCell(0));
    EXPECT_TRUE(isNumberCell(36));
    EXPECT_FALSE(isNumberCell(37));
    EXPECT_FALSE(isNumberCell(48));
    EXPECT_FALSE(isNumberCell(-1));
}

}  // namespace
}  // namespace brisvale
