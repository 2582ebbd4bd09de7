// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How far a history strip moved between two pictures of it, told by the pictures alone: the
// old strip laid over the new one shifted by whole cells. A repeat of the newest number moves
// the picture by a cell just as any other number does, so it is seen even where the numbers
// read would fit no move as well as one, and the cells that only moved need no reading again.

#include <QImage>

#include "reading/region.hpp"

namespace brisvale::app {

// The cells (0..3) the strip in `now` moved on from `was`, the newest at `newest`; -1 when no
// one move lays the old picture over the new (another look, a strip in motion, several fit).
// Both pictures are Format_RGB32 of the same size.
int stripMoved(const QImage& was, const QImage& now, reading::NewestEnd newest);

}  // namespace brisvale::app
