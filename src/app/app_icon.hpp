// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's picture: a wheel of red and black pockets around a green hub with the gold
// marker. Drawn here so the window needs no image plugin; data/brisvale.svg is the same design.

#include <QIcon>
#include <QPixmap>

namespace brisvale::app {

QPixmap productPicture(int size);
QIcon appIcon();

}  // namespace brisvale::app
