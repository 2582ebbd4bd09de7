// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tables_strip.hpp"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "advisor/advisor.hpp"
#include "app/qt_ports.hpp"
#include "model/numbers.hpp"

namespace brisvale::app {
namespace {

const QColor kCloth(0x00, 0xC0, 0x00);       // the board's green
const QColor kNumberRed(0xFF, 0x00, 0x00);   // 255
const QColor kDueBack(0x80, 0xFF, 0x80);     // the light green of a bet shown
const QColor kTargetEdge(0x00, 0x00, 0xC0);  // the card the board enters for
const QColor kSwitchEdge(0xFF, 0xD8, 0x00);  // the marker's gold: go here

bool sameBet(const std::optional<SleepingBet>& a, const std::optional<SleepingBet>& b) {
    if (a.has_value() != b.has_value()) return false;
    return !a || (a->bet == b->bet && a->slept == b->slept && a->threshold == b->threshold);
}

bool same(const CardView& a, const CardView& b) {
    return a.name == b.name && a.last == b.last && a.spins == b.spins &&
           sameBet(a.ripest, b.ripest) && a.target == b.target && a.switchTo == b.switchTo;
}

}  // namespace

TableCard::TableCard(int index, QWidget* parent) : QWidget(parent), index_(index) {
    setObjectName(QStringLiteral("TableCard%1").arg(index + 1));
    setFixedSize(kWidth, kHeight);
    setCursor(Qt::PointingHandCursor);
    play_ = new QPushButton(QStringLiteral("Play here"), this);
    play_->setObjectName(QStringLiteral("PlayHere%1").arg(index + 1));
    play_->setFocusPolicy(Qt::NoFocus);  // keys stay with the board
    play_->setToolTip(QStringLiteral("End this table and start the run here, warm"));
    QFont small = play_->font();
    small.setPointSizeF(std::max(6.5, small.pointSizeF() - 1.5));
    play_->setFont(small);
    play_->setGeometry(kWidth - 62, kHeight - 22, 58, 18);
    connect(play_, &QPushButton::clicked, this, [this] { emit playHere(index_); });
}

QSize TableCard::sizeHint() const {
    return {kWidth, kHeight};
}

void TableCard::show(const CardView& view) {
    if (same(view, view_) && isVisible()) return;
    view_ = view;
    setToolTip(
        QStringLiteral("%1: click to enter its spins (Ctrl+%2)").arg(view.name).arg(index_ + 1));
    setVisible(true);
    update();
}

void TableCard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool due = view_.ripest && view_.ripest->past() >= 0;
    const QRectF frame = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    p.setBrush(palette().color(QPalette::Base));
    QPen edge(palette().color(QPalette::Mid), 1);
    if (view_.switchTo) edge = QPen(kSwitchEdge, 3);
    if (view_.target) edge = QPen(kTargetEdge, 3);
    p.setPen(edge);
    p.drawRoundedRect(frame, 5, 5);

    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(palette().color(QPalette::Text));
    const QFontMetrics boldMetrics(bold);
    p.drawText(QRect(6, 3, kWidth - 60, 16), Qt::AlignLeft | Qt::AlignVCenter,
               boldMetrics.elidedText(view_.name, Qt::ElideRight, kWidth - 60));
    QFont small = font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() - 1.5));
    p.setFont(small);
    p.drawText(QRect(kWidth - 60, 3, 54, 16), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("%1 spins").arg(view_.spins));

    // The last numbers, newest at the left, in their colours.
    const int cell = 16;
    for (std::size_t i = 0; i < view_.last.size(); ++i) {
        const int n = view_.last[i];
        const QRectF r(6 + static_cast<int>(i) * (cell + 1), 21, cell, cell);
        p.setPen(Qt::NoPen);
        p.setBrush(n == 0 ? kCloth : isRed(n) ? kNumberRed : QColor(Qt::black));
        p.drawEllipse(r);
        p.setPen(Qt::white);
        p.drawText(r, Qt::AlignCenter, QString::number(n));
    }

    // The ripest bet: label and slept/threshold, lit when due.
    const QRectF bar(5, kHeight - 23, kWidth - 71, 19);
    if (view_.ripest) {
        if (due) {
            p.setPen(Qt::NoPen);
            p.setBrush(kDueBack);
            p.drawRoundedRect(bar, 3, 3);
        }
        p.setPen(palette().color(QPalette::Text));
        QFont f = small;
        f.setBold(due);
        p.setFont(f);
        p.drawText(bar.adjusted(3, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("%1 %2/%3")
                       .arg(toQt(label(view_.ripest->bet)))
                       .arg(view_.ripest->slept)
                       .arg(view_.ripest->threshold));
    } else {
        p.setPen(palette().color(QPalette::PlaceholderText));
        p.drawText(bar, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("no bet watched"));
    }
}

void TableCard::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked(index_);
    QWidget::mousePressEvent(event);
}

void TableCard::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* stop = menu.addAction(QStringLiteral("Stop Watching %1").arg(view_.name));
    if (menu.exec(event->globalPos()) == stop) emit unwatch(index_);
}

TablesStrip::TablesStrip(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TablesStrip"));
    row_ = new QHBoxLayout(this);
    row_->setContentsMargins(4, 3, 4, 3);
    row_->setSpacing(4);
    for (int i = 0; i < kMostWatched; ++i) {
        auto* card = new TableCard(i, this);
        card->hide();
        row_->addWidget(card);
        cards_.push_back(card);
        connect(card, &TableCard::clicked, this, &TablesStrip::cardClicked);
        connect(card, &TableCard::playHere, this, &TablesStrip::playHere);
        connect(card, &TableCard::unwatch, this, &TablesStrip::unwatch);
    }
    row_->addStretch(1);
    setMinimumHeight(TableCard::kHeight + 6);
}

void TablesStrip::render(const Advisor& advisor) {
    const WatchedTables& tables = advisor.watching().tables();
    const WatchStyle& style = advisor.watching().style();
    const auto target = advisor.watching().target();
    // "Switch Table/Press Start" names the ripest table by lighting its card.
    const bool switching = advisor.state().phase == RunPhase::SwitchTable;
    const auto ripest = switching ? tables.ripestTable(style) : std::nullopt;
    shown_ = tables.size();
    for (int i = 0; i < kMostWatched; ++i) {
        TableCard* card = cards_[static_cast<std::size_t>(i)];
        if (i >= tables.size()) {
            if (card->isVisible()) card->hide();
            continue;
        }
        const WatchedTable& t = tables[i];
        CardView view;
        view.name = toQt(t.name);
        for (std::int8_t n : t.lastNumbers()) view.last.push_back(n);
        view.spins = t.spins;
        view.ripest = tables.ripest(i, style);
        view.target = target && *target == i;
        view.switchTo = ripest && *ripest == i;
        card->show(view);
    }
}

}  // namespace brisvale::app
