// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a chip is drawn: its disc and border, and its stake label. Each chip's look is worked out
// from the Form alone, so every chip can look as the Form says.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include "view/form.hpp"

class QPainter;

namespace brisvale::app {

// The board's type: bold, sized in pixels.
QFont boldFont(int pixelSize);

// The printed box of a cell, in pixels: its image, without the last two pixels across and
// down where the cell's own back colour shows.
QRectF cellBox(const Form& form, int cell);

// Where the chip is drawn on the board, in pixels: at its spot, except that a dozen, row or
// even-money chip whose spot would cross its box's edge is drawn centred inside the box.
QRectF chipRect(const Form& form, const Chip& chip);

// A single-number chip covers most of its number's cell and enters that number when clicked;
// every other chip lets a click through to the cell beneath it.
bool takesClicks(const Chip& chip);

struct ChipLook {
    QRectF disc;
    QColor fill;
    QColor border;
    bool raised;   // three-dimensional: a light and a dark edge
    QRectF label;  // the stake is aligned in it and shows only on the chip
    int alignment;
    QColor text;
    QColor outline;  // round the figures, so a stake reads over any colour beneath
    int fontPixels;  // the largest size; long stakes shrink to fit
    bool bold;
};

ChipLook chipLook(const Form& form, const Chip& chip);
void paintChipDisc(QPainter& p, const ChipLook& look);
void paintChipLabel(QPainter& p, const ChipLook& look, const QString& stake);
// Where the stake's figures lie, with their edge.
QRectF stakeRect(const ChipLook& look, const QString& stake);

// What a chip's hover text says: its bet and its stake, as the Super chips' tooltips do.
QString chipHoverText(const Chip& chip);

}  // namespace brisvale::app
