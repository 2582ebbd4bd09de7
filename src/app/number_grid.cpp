// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/number_grid.hpp"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "app/colors.hpp"
#include "model/numbers.hpp"

namespace brisvale::app {
namespace {

QColor numberColor(int n) {
    if (n == 0) return fromPlatformColor(board::kGreen);
    return fromPlatformColor(isRed(n) ? board::kRed : board::kBlack);
}

QString hits(int count) {
    return QString::number(count) + (count == 1 ? " hit" : " hits");
}

const QColor kHotRing = fromRgb(board::kMarkerColor);
// The hits' plate: dark enough for white figures on the red cells too.
const QColor kPlate(0, 0, 0, 150);
const QColor kNoHits(190, 190, 190);
const QColor kColdRing(80, 170, 255);

}  // namespace

NumberGrid::NumberGrid(QWidget* parent) : QWidget(parent) {
    setObjectName("numberGrid");
    setMouseTracking(false);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void NumberGrid::show(const Statistics& stats, const BoardLayout& board, bool recorded) {
    std::array<Rect, kNumberCount> cells{};
    for (int n = 0; n < kNumberCount; ++n) cells[n] = board.cell(n);
    const bool same =
        shown_ && recorded == recorded_ && stats.rankedByRecord == byRecord_ && cells == cells_ &&
        stats.hottest == hottest_ && stats.coldest == coldest_ &&
        std::equal(stats.numbers.begin(), stats.numbers.end(), numbers_.begin(),
                   [](const NumberStatistics& a, const NumberStatistics& b) {
                       return a.table == b.table && a.history == b.history && a.last == b.last;
                   });
    if (same) return;
    numbers_ = stats.numbers;
    cells_ = cells;
    hottest_ = stats.hottest;
    coldest_ = stats.coldest;
    recorded_ = recorded;
    byRecord_ = stats.rankedByRecord;
    shown_ = true;
    update();
}

QRectF NumberGrid::cellRect(int n) const {
    // The board's cells, stretched to the widget: taller than on the board, to hold the counts.
    int left = cells_[0].left, top = cells_[0].top, right = left, bottom = top;
    for (const Rect& r : cells_) {
        left = std::min(left, r.left);
        top = std::min(top, r.top);
        right = std::max(right, r.left + r.width);
        bottom = std::max(bottom, r.top + r.height);
    }
    if (right <= left || bottom <= top) return {};
    const double sx = (width() - 1.0) / (right - left);
    const double sy = (height() - 1.0) / (bottom - top);
    const Rect& r = cells_[static_cast<std::size_t>(n)];
    return QRectF((r.left - left) * sx, (r.top - top) * sy, r.width * sx, r.height * sy)
        .adjusted(0.5, 0.5, -0.5, -0.5);
}

// The number fills the top of its cell, its hits the lower half on their plate. The zero cell
// is tall: its figures sit together in the middle.
QRectF NumberGrid::countRect(int n) const {
    const QRectF r = cellRect(n);
    const double high = std::min(r.height(), 2.0 * r.width());
    const QRectF used(r.left(), r.center().y() - high / 2, r.width(), high);
    return used.adjusted(2, high * 0.42, -2, -2);
}

QFont NumberGrid::countFont(int n) const {
    QFont font = this->font();
    font.setBold(true);
    const QRectF plate = countRect(n);
    font.setPixelSize(std::clamp(static_cast<int>(plate.height() * 0.8), 9, 20));
    // The figures stay inside the plate; two of them at the least keep one size.
    const QString widest =
        countShown(n) < 100 ? QStringLiteral("88") : QString::number(countShown(n));
    while (font.pixelSize() > 8 && QFontMetricsF(font).horizontalAdvance(widest) > plate.width()) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

int NumberGrid::countShown(int n) const {
    const NumberStatistics& x = numbers_[static_cast<std::size_t>(n)];
    return byRecord_ ? x.history : x.table;
}

void NumberGrid::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    for (int n = 0; n < kNumberCount; ++n) {
        const QRectF r = cellRect(n);
        if (r.isEmpty()) continue;
        p.setPen(Qt::NoPen);
        p.setBrush(numberColor(n));
        p.drawRoundedRect(r, 3, 3);
        const bool hot = std::find(hottest_.begin(), hottest_.end(), n) != hottest_.end();
        const bool cold = std::find(coldest_.begin(), coldest_.end(), n) != coldest_.end();
        if (hot || cold) {
            p.setPen(QPen(hot ? kHotRing : kColdRing, 2));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 3, 3);
        }
        const QRectF plate = countRect(n);
        const double high = plate.height() / 0.58;  // the part of the cell in use
        const QRectF top(r.left(), plate.bottom() + 2 - high, r.width(), high * 0.42);
        QFont figure = font();
        figure.setBold(true);
        figure.setPixelSize(std::clamp(static_cast<int>(top.height() * 0.8), 8, 16));
        p.setPen(Qt::white);
        p.setFont(figure);
        p.drawText(top, Qt::AlignCenter, QString::number(n));
        p.setPen(Qt::NoPen);
        p.setBrush(kPlate);
        p.drawRoundedRect(plate, 2, 2);
        const int count = countShown(n);
        p.setPen(count == 0 ? kNoHits : Qt::white);
        p.setFont(countFont(n));
        p.drawText(plate, Qt::AlignCenter, QString::number(count));
    }
}

int NumberGrid::numberAt(QPointF at) const {
    for (int n = 0; n < kNumberCount; ++n) {
        if (cellRect(n).contains(at)) return n;
    }
    return -1;
}

bool NumberGrid::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int n = numberAt(help->pos());
    if (n < 0) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const NumberStatistics& x = numbers_[n];
    QString tip = QStringLiteral("%1: %2 this run").arg(n).arg(hits(x.table));
    if (recorded_) tip += QStringLiteral(", %1 in the casino's record").arg(hits(x.history));
    tip += !x.last        ? QStringLiteral("; not seen yet")
           : *x.last == 0 ? QStringLiteral("; the last spin")
                          : QStringLiteral("; last seen %1 spins ago").arg(*x.last);
    QToolTip::showText(help->globalPos(), tip, this);
    return true;
}

}  // namespace brisvale::app
