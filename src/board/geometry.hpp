// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed layout of the board picture: its 49 cells, 24 grid lines and fixed controls, in
// twips relative to the board frame `Frame2`, for the normal and the flipped view, and the
// board as it currently stands.

#include <array>
#include <cstdint>
#include <string_view>

namespace brisvale {

struct Rect {
    int left, top, width, height;
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
    int left, top;
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct Line {
    int x1, y1, x2, y2;
    friend constexpr bool operator==(const Line&, const Line&) = default;
};

namespace board {

// The frame "Playing Board" on the main window (window coordinates).
inline constexpr Rect kFrame2{4020, 90, 7920, 2460};
// The flip button `Picture2` and the command button `Button1`, inside the frame.
inline constexpr Rect kPicture2{150, 1260, 555, 345};
inline constexpr Rect kButton1{7050, 2010, 825, 375};

// The cell array `Picture3`: 0 zero, 1..36 numbers, 37..39 rows, 40..42 dozens (3rd, 2nd,
// 1st), 43..48 the even-money boxes (19 to 36, Even, Black, Red, Odd, 1 to 18).
inline constexpr int kCellCount = 49;
inline constexpr int kLineCount = 24;
inline constexpr int kFirstOutsideCell = 37;

// Number cells overlap their neighbours by 15 twips.
inline constexpr int kNumberWidth = 555, kNumberHeight = 345;
inline constexpr int kPitchAcross = 540, kPitchDown = 330;

// Back colours (platform values: blue in the high byte, red in the low byte).
inline constexpr int kRed = 255;
inline constexpr int kBlack = 0;
inline constexpr int kGreen = 49152;

// The marker `Picture5` when the remote settings give no size (the 20 x 20 pixel image).
inline constexpr int kMarkerWidth = 300, kMarkerHeight = 300;
// Marker colour, 0xRRGGBB.
inline constexpr std::uint32_t kMarkerColor = 0xFFD800;

}  // namespace board

// Cell `index` (0..48) as the table of the layout places it in the given view.
// An index outside 0..48 gives an empty rectangle at the frame's corner.
Rect cellRect(int index, bool flipped);

// Grid line `index` (0..23) of `Line1`; only the two row lines (0 and 1) differ by view.
// An index outside 0..23 gives a zero-length line at the frame's corner.
Line gridLine(int index, bool flipped);

// Back colour of cell `index`. Number cells are red or black once `ColorNumbers` has run
// (`colored`); before that every number cell keeps the design's red. Zero and the outside
// cells are green.
int cellBackColor(int index, bool colored);

// The words printed on outside cell `index` (37..48): "Row 1", "3rd 12", "19 to 36", ...;
// empty for the Black and Red patches and for every other index.
std::string_view outsideCaption(int index);

// True for the cells that enter a number when clicked (0..36).
constexpr bool isNumberCell(int index) {
    return index >= 0 && index < board::kFirstOutsideCell;
}

// The board as it currently stands: where each cell and grid line is, which way round it is
// shown (`BoardFlipped`) and whether the numbers have been coloured yet. A plain copyable
// value; the Form keeps one and the front ends draw from it.
class BoardLayout {
  public:
    // The design's board: the normal view, every number cell still red.
    BoardLayout();

    // Arranges the board for the flipped view (true) or the normal view (false): the outside
    // cells and row lines are set to their places, the numbers coloured, and the number cells
    // exchanged pairwise relative to their present places. A call that asks for the view
    // already shown leaves the number cells alone, so the board can never end up half-turned.
    void FlipBoard(bool flipped);

    // Gives the number cells their red and black back colours.
    void ColorNumbers() { colored_ = true; }

    bool BoardFlipped() const { return flipped_; }
    bool numbersColored() const { return colored_; }

    // Cell `index` (0..48) and grid line `index` (0..23) as they stand; outside the range the
    // result is empty, as with cellRect and gridLine.
    Rect cell(int index) const;
    Line line(int index) const;
    int backColor(int index) const { return cellBackColor(index, colored_); }

    friend bool operator==(const BoardLayout&, const BoardLayout&) = default;

  private:
    void placeOutside(bool flipped);
    void exchangeNumbers(bool flipped);
    Rect& at(int index) { return cells_[static_cast<std::size_t>(index)]; }

    std::array<Rect, board::kCellCount> cells_{};
    std::array<Line, board::kLineCount> lines_{};
    bool flipped_ = false;
    bool colored_ = false;
};

// Where the marker lies on the cell of `number`: 120 twips in, 30 down on a number cell and
// 360 down on the tall zero cell. A number outside 0..36 is taken as zero.
Point markerSpot(const BoardLayout& layout, int number);

}  // namespace brisvale
