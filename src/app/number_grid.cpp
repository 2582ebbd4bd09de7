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
        shown_ && recorded == recorded_ && cells == cells_ && stats.hottest == hottest_ &&
        stats.coldest == coldest_ &&
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

void NumberGrid::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QFont figure = font();
    figure.setBold(true);
    QFont count = font();
    count.setPointSizeF(std::max(6.0, font().pointSizeF() - 1));
    const int lines = recorded_ ? 3 : 2;
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
        // The zero cell is tall: its figures sit together in the middle.
        const double line = std::min(r.height() / lines, 15.0);
        QRectF row(r.left(), r.center().y() - line * lines / 2, r.width(), line);
        p.setPen(Qt::white);
        p.setFont(figure);
        p.drawText(row, Qt::AlignCenter, QString::number(n));
        p.setFont(count);
        row.translate(0, line);
        p.drawText(row, Qt::AlignCenter, QString::number(numbers_[n].table));
        if (recorded_) {
            row.translate(0, line);
            p.setPen(QColor(255, 255, 255, 170));
            p.drawText(row, Qt::AlignCenter, QString::number(numbers_[n].history));
        }
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
