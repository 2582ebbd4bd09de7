// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/geometry.hpp"

#include <array>

#include "model/numbers.hpp"

namespace brisvale {

namespace {

struct OutsideCell {
    int width;
    Point normal;
    Point flipped;
    std::string_view caption;
};

// Cells 37..48: rows, dozens and even-money boxes, all 345 twips high. Black and Red are
// printed as colour patches, without words.
constexpr std::array<OutsideCell, 12> kOutside{{
    {555, {150, 270}, {7170, 930}, "Row 1"},
    {555, {150, 600}, {7170, 600}, "Row 2"},
    {555, {150, 930}, {7170, 270}, "Row 3"},
    {2175, {690, 1260}, {5010, 1260}, "3rd 12"},
    {2175, {2850, 1260}, {2850, 1260}, "2nd 12"},
    {2175, {5010, 1260}, {690, 1260}, "1st 12"},
    {1095, {690, 1590}, {6090, 1590}, "19 to 36"},
    {1095, {1770, 1590}, {1770, 1590}, "Even"},
    {1095, {2850, 1590}, {3930, 1590}, ""},  // Black
    {1095, {3930, 1590}, {2850, 1590}, ""},  // Red
    {1095, {5010, 1590}, {5010, 1590}, "Odd"},
    {1095, {6090, 1590}, {690, 1590}, "1 to 18"},
}};

// Grid lines in the normal view.
constexpr std::array<Line, board::kLineCount> kLines{{
    {150, 600, 7170, 600},    {150, 930, 7170, 930},    {1230, 270, 1230, 1260},
    {1770, 270, 1770, 1260},  {2310, 270, 2310, 1260},  {2850, 270, 2850, 1920},
    {6630, 270, 6630, 1260},  {6090, 270, 6090, 1260},  {5550, 270, 5550, 1260},
    {5010, 270, 5010, 1920},  {4470, 270, 4470, 1260},  {3930, 270, 3930, 1260},
    {3390, 270, 3390, 1260},  {7170, 270, 7170, 1920},  {150, 1260, 7710, 1260},
    {690, 1590, 7170, 1590},  {150, 270, 7710, 270},    {690, 270, 690, 1920},
    {7710, 270, 7710, 1260},  {150, 270, 150, 1260},    {690, 1920, 7170, 1920},
    {1770, 1590, 1770, 1920}, {3990, 1590, 3990, 1920}, {6180, 1590, 6180, 1920},
}};

Rect numberRect(int n, bool flipped) {
    const int column = (n - 1) / 3;
    const int row = (n - 1) % 3;
    if (flipped) {
        return {690 + board::kPitchAcross * column, 930 - board::kPitchDown * row,
                board::kNumberWidth, board::kNumberHeight};
    }
    return {6630 - board::kPitchAcross * column, 270 + board::kPitchDown * row, board::kNumberWidth,
            board::kNumberHeight};
}

}  // namespace

Rect cellRect(int index, bool flipped) {
    if (index == 0) return {flipped ? 150 : 7170, 270, 555, 1005};
    if (index >= 1 && index <= 36) return numberRect(index, flipped);
    if (index >= board::kFirstOutsideCell && index < board::kCellCount) {
        const OutsideCell& cell = kOutside[static_cast<std::size_t>(index - 37)];
        const Point at = flipped ? cell.flipped : cell.normal;
        return {at.left, at.top, cell.width, 345};
    }
    return {0, 0, 0, 0};
}

Line gridLine(int index, bool flipped) {
    if (index < 0 || index >= board::kLineCount) return {0, 0, 0, 0};
    Line line = kLines[static_cast<std::size_t>(index)];
    if (flipped && index <= 1) {
        line.x1 = 690;
        line.x2 = 7710;
    }
    return line;
}

int cellBackColor(int index, bool colored) {
    if (index < 1 || index > 36) return board::kGreen;
    if (!colored) return board::kRed;
    return isRed(index) ? board::kRed : board::kBlack;
}

BoardLayout::BoardLayout() {
    for (int i = 0; i < board::kCellCount; ++i)
        cells_[static_cast<std::size_t>(i)] = cellRect(i, false);
    for (int i = 0; i < board::kLineCount; ++i)
        lines_[static_cast<std::size_t>(i)] = gridLine(i, false);
}

Rect BoardLayout::cell(int index) const {
    if (index < 0 || index >= board::kCellCount) return {0, 0, 0, 0};
    return cells_[static_cast<std::size_t>(index)];
}

Line BoardLayout::line(int index) const {
    if (index < 0 || index >= board::kLineCount) return {0, 0, 0, 0};
    return lines_[static_cast<std::size_t>(index)];
}

void BoardLayout::FlipBoard(bool flipped) {
    const bool turning = flipped != flipped_;
    flipped_ = flipped;
    if (flipped) {
        placeOutside(true);
        ColorNumbers();
    } else {
        ColorNumbers();
        placeOutside(false);
    }
    if (turning) exchangeNumbers(flipped);
}

// Zero, the row cells, the dozens, the even-money boxes and the two row lines; "2nd 12",
// Even and Odd keep their places in both views.
void BoardLayout::placeOutside(bool flipped) {
    lines_[0].x1 = lines_[1].x1 = flipped ? 690 : 150;
    lines_[0].x2 = lines_[1].x2 = flipped ? 7710 : 7170;
    for (int row = 37; row <= 39; ++row) at(row).left = flipped ? 7170 : 150;
    at(37).top = flipped ? 930 : 270;
    at(39).top = flipped ? 270 : 930;
    at(0).left = flipped ? 150 : 7170;
    at(42).left = flipped ? 690 : 5010;
    at(40).left = flipped ? 5010 : 690;
    at(43).left = flipped ? 6090 : 690;
    at(48).left = flipped ? 690 : 6090;
    at(45).left = flipped ? 3930 : 2850;
    at(46).left = flipped ? 2850 : 3930;
}

// Turning the number grid through 180 degrees exchanges n with 37 - n. The top and bottom
// rows also trade their Tops; the middle row keeps its Top.
void BoardLayout::exchangeNumbers(bool flipped) {
    for (int a = 34; a >= 1; a -= 3) {  // (34, 3), (31, 6) ... (1, 36)
        const int b = 37 - a;
        const int left = at(a).left;
        at(a).top = flipped ? 930 : 270;
        at(a).left = at(b).left;
        at(b).top = flipped ? 270 : 930;
        at(b).left = left;
    }
    for (int a = 35; a >= 20; a -= 3) {  // (35, 2), (32, 5) ... (20, 17)
        const int b = 37 - a;
        const int left = at(a).left;
        at(a).left = at(b).left;
        at(b).left = left;
    }
}

Point markerSpot(const BoardLayout& layout, int number) {
    if (number < 0 || number > 36) number = 0;
    const Rect cell = layout.cell(number);
    return {cell.left + 120, cell.top + (number == 0 ? 360 : 30)};
}

std::string_view outsideCaption(int index) {
    if (index < board::kFirstOutsideCell || index >= board::kCellCount) return {};
    return kOutside[static_cast<std::size_t>(index - board::kFirstOutsideCell)].caption;
}

}  // namespace brisvale
