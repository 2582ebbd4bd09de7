// The board: cells where the layout puts them, clicks on cells, chips and the flip button,
// and what the picture shows (pixel checks on a grab of the board).

#include <gtest/gtest.h>

#include <QPainter>

#include "app/chip_look.hpp"
#include "harness.hpp"

namespace brisvale::gui_test {
namespace {

const QColor kRed(0xFF, 0x00, 0x00);
const QColor kBlack(0x00, 0x00, 0x00);
const QColor kGold(0xFF, 0xD8, 0x00);
const QColor kChipDarkRed(0x7F, 0x00, 0x00);

// A point in twips of the board frame, as logical pixels.
QPoint twips(int left, int top) {
    return {left / 15, top / 15};
}

// Clicks at a twip point of the board, as a user's mouse would.
void clickAt(Session& s, int left, int top) {
    QTest::mouseClick(&s.board(), Qt::LeftButton, {}, twips(left, top));
}

struct CellSpot {
    int number;
    int normalLeft, normalTop, flippedLeft, flippedTop;
};

// Number cells are 555 x 345 twips; their places in both views, worked out by hand.
const CellSpot kSpots[] = {
    {1, 6630, 270, 690, 930},   {2, 6630, 600, 690, 600},  {3, 6630, 930, 690, 270},
    {17, 3930, 600, 3390, 600}, {34, 690, 270, 6630, 930}, {36, 690, 930, 6630, 270},
};

TEST(Board, AClickInsideANumberCellSelectsThatNumberInBothViews) {
    Session s;
    for (bool flipped : {false, true}) {
        if (flipped) s.flip();
        ASSERT_EQ(s.state().form.board.BoardFlipped(), flipped);
        for (const CellSpot& spot : kSpots) {
            const int left = flipped ? spot.flippedLeft : spot.normalLeft;
            const int top = flipped ? spot.flippedTop : spot.normalTop;
            // Near two opposite corners of the cell, well inside it.
            for (auto [dx, dy] : {std::pair{60, 60}, {480, 270}}) {
                clickAt(s, left + dx, top + dy);
                EXPECT_EQ(s.state().SpinNumber, spot.number)
                    << "view " << flipped << " at " << left + dx << "," << top + dy;
                EXPECT_TRUE(s.state().SpinPending);
            }
        }
    }
}

TEST(Board, ZeroCellSelectsZeroAndPutsTheMarkerLowInTheTallCell) {
    Session s;
    clickAt(s, 7170 + 270, 270 + 800);  // the lower part of the tall zero cell
    EXPECT_EQ(s.state().SpinNumber, 0);
    EXPECT_EQ(s.state().spinText(), "00");
    EXPECT_TRUE(s.form().marker.visible);
    EXPECT_EQ(s.form().marker.top, 270 + 360);
}

TEST(Board, OutsideCellsAndTheEmptyFrameSelectNothing) {
    Session s;
    const std::pair<int, int> points[] = {
        {150 + 270, 270 + 170},     // Row 1
        {2850 + 1000, 1260 + 170},  // 2nd 12
        {3930 + 500, 1590 + 170},   // Red
        {6090 + 500, 1590 + 170},   // 1 to 18
        {300, 2200},                // the frame below the layout
    };
    for (auto [left, top] : points) {
        clickAt(s, left, top);
        EXPECT_FALSE(s.state().SpinPending) << left << "," << top;
        EXPECT_FALSE(s.form().marker.visible);
    }
}

TEST(Board, TwoFlipsPutEveryCellBack) {
    Session s;
    const BoardLayout before = s.form().board;
    s.flip();
    EXPECT_TRUE(s.form().board.BoardFlipped());
    EXPECT_NE(s.form().board.cell(1), before.cell(1));
    s.flip();
    EXPECT_FALSE(s.form().board.BoardFlipped());
    for (int i = 0; i < board::kCellCount; ++i) EXPECT_EQ(s.form().board.cell(i), before.cell(i));
}

// The printed oval keeps the number's colour; the strip along the cell's right edge shows the
// cell's own back colour, which is red for every number until the first flip.
TEST(BoardPicture, NumberColoursInBothViews) {
    Session s;
    struct Probe {
        int number;
        QColor oval;
        QColor stripBeforeFlip, stripAfterFlip;
    };
    const Probe probes[] = {{1, kRed, kRed, kRed},
                            {2, kBlack, kRed, kBlack},
                            {9, kRed, kRed, kRed},
                            {10, kBlack, kRed, kBlack}};
    const auto stripPoint = [&](int number) {
        const Rect r = s.form().board.cell(number);
        return twips(r.left + r.width - 30, r.top + r.height / 2);  // 2 px in from the right
    };
    const auto ovalPoint = [&](int number) {
        const Rect r = s.form().board.cell(number);
        return twips(r.left + 90,
                     r.top + r.height / 2);  // left end of the oval, clear of the figure
    };
    QImage image = s.boardImage();
    for (const Probe& p : probes) {
        EXPECT_TRUE(near(pixel(image, ovalPoint(p.number)), p.oval)) << p.number;
        EXPECT_TRUE(near(pixel(image, stripPoint(p.number)), p.stripBeforeFlip)) << p.number;
    }
    s.flip();
    image = s.boardImage();
    for (const Probe& p : probes) {
        EXPECT_TRUE(near(pixel(image, ovalPoint(p.number)), p.oval)) << p.number << " flipped";
        EXPECT_TRUE(near(pixel(image, stripPoint(p.number)), p.stripAfterFlip))
            << p.number << " flipped";
    }
    // 1 now lies bottom left, next to zero.
    EXPECT_TRUE(near(pixel(image, twips(690 + 90, 930 + 170)), kRed));
}

// The marker is a gold ring 300 twips round, laid 120 in and 30 down on the cell of the number;
// the number inside it is drawn as it was.
TEST(BoardPicture, TheMarkerIsAGoldRingAroundAReadableNumber) {
    Session s;
    const QPoint centre = twips(3930 + 120 + 150, 600 + 30 + 150);
    const QImage before = s.boardImage();
    s.clickCell(17);
    const QImage after = s.boardImage();
    EXPECT_TRUE(near(pixel(after, centre + QPoint(9, 0)), kGold));
    EXPECT_FALSE(near(pixel(before, centre + QPoint(9, 0)), kGold));
    int figure = 0;
    for (int dy = -4; dy <= 4; ++dy) {
        for (int dx = -4; dx <= 4; ++dx) {
            const QPoint at = centre + QPoint(dx, dy);
            EXPECT_EQ(pixel(after, at), pixel(before, at)) << dx << "," << dy;
            figure += near(pixel(before, at), Qt::white, 40) ? 1 : 0;
        }
    }
    EXPECT_GT(figure, 5);  // the figures of 17 lie inside the ring
    s.flip();
    EXPECT_TRUE(
        near(pixel(s.boardImage(), twips(3390 + 120 + 150, 600 + 30 + 150) + QPoint(9, 0)), kGold));
}

TEST(BoardPicture, ClothAndOutsideCellsAreGreen) {
    Session s;
    const QImage image = s.boardImage();
    const QColor green(0x00, 0xC0, 0x00);
    EXPECT_TRUE(near(pixel(image, twips(7170 + 60, 270 + 100)), green));  // zero
    EXPECT_TRUE(near(pixel(image, twips(690 + 60, 1260 + 60)), green));   // 3rd 12
    EXPECT_TRUE(near(pixel(image, twips(1770 + 60, 1590 + 60)), green));  // Even
}

// One dark red chip with white figures, 25 pixels round at (5, 5), drawn on grey.
QImage drawChip(const Chip& chip) {
    QImage image(35, 35, QImage::Format_ARGB32);
    image.fill(Qt::gray);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const app::ChipLook look = app::chipLook(Form{}, chip);
    app::paintChipDisc(p, look);
    app::paintChipLabel(p, look, QString::fromStdString(chip.caption));
    return image;
}

// The columns and rows that hold the white figures: left, right, top, bottom.
std::array<int, 4> figureBounds(const QImage& image) {
    std::array<int, 4> b{image.width(), -1, image.height(), -1};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!near(image.pixelColor(x, y), Qt::white, 60)) continue;
            b = {std::min(b[0], x), std::max(b[1], x), std::min(b[2], y), std::max(b[3], y)};
        }
    }
    return b;
}

TEST(BoardPicture, ChipsAndStakesLookAsTheirFormSays) {
    Chip chip;
    chip.left = chip.top = 75;
    chip.caption = "7";
    const auto plain = figureBounds(drawChip(chip));
    chip.label.fontSize = 14;
    const auto centred = figureBounds(drawChip(chip));
    chip.label.alignment = AlignLeft;
    const auto left = figureBounds(drawChip(chip));
    EXPECT_GT(centred[3] - centred[2], plain[3] - plain[2] + 3);  // 14 points against 9
    EXPECT_LT(left[0], 5 + 5);                                    // at the chip's left edge
    EXPECT_LT(left[0], centred[0] - 2);
    EXPECT_LT(left[1], centred[1] - 2);

    // A fixed single border is a black outline; a raised chip is lit from the top left.
    const QColor flatEdge = drawChip(chip).pixelColor(5, 17);
    chip.borderStyle = 1;
    EXPECT_TRUE(near(drawChip(chip).pixelColor(5, 17), Qt::black, 40));
    EXPECT_FALSE(near(flatEdge, Qt::black, 40));
    chip.caption.clear();
    chip.appearance = 1;
    const QImage raised = drawChip(chip);
    EXPECT_GT(raised.pixelColor(6, 17).lightness(), raised.pixelColor(28, 17).lightness() + 100);
}

}  // namespace
}  // namespace brisvale::gui_test
