// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_icon.hpp"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace brisvale::app {

QPixmap productPicture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    p.setPen(QPen(QColor(0x5a, 0x3a, 0x10), 2));
    p.setBrush(QColor(0x8b, 0x5a, 0x2b));
    p.drawEllipse(QPointF(32, 32), 30, 30);

    // Eighteen pocket pairs, red and black, with the green zero at the top.
    constexpr int kPockets = 18;
    for (int i = 0; i < kPockets; ++i) {
        QPainterPath wedge;
        wedge.moveTo(32, 32);
        wedge.arcTo(QRectF(6, 6, 52, 52), 90.0 - (i + 0.5) * 360.0 / kPockets, 360.0 / kPockets);
        wedge.closeSubpath();
        const QColor color = i == 0  ? QColor(0x00, 0xC0, 0x00)
                             : i % 2 ? QColor(0xD0, 0x10, 0x10)
                                     : QColor(0x10, 0x10, 0x10);
        p.setPen(QPen(QColor(0xF0, 0xE0, 0xB0), 0.6));
        p.setBrush(color);
        p.drawPath(wedge);
    }
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x10), 1));
    p.setBrush(QColor(0x00, 0x90, 0x00));
    p.drawEllipse(QPointF(32, 32), 15, 15);
    p.setPen(QPen(QColor(0x80, 0x60, 0x00), 1));
    p.setBrush(QColor(0xFF, 0xD8, 0x00));
    p.drawEllipse(QPointF(32, 32), 7, 7);
    return pixmap;
}

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(productPicture(size));
    return icon;
}

}  // namespace brisvale::app
