// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/region_overlay.hpp"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace brisvale::app {

RegionOverlay::RegionOverlay(std::optional<reading::Region> current, Done done)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool),
      done_(std::move(done)) {
    setObjectName("ReadRegionOverlay");
    setAttribute(Qt::WA_DeleteOnClose);
    setCursor(Qt::CrossCursor);
    setWindowTitle("Read From Screen");

    panel_ = new QFrame(this);
    panel_->setObjectName("ReadRegionChoice");
    panel_->setFrameShape(QFrame::StyledPanel);
    panel_->setAutoFillBackground(true);
    auto* column = new QVBoxLayout(panel_);
    column->addWidget(new QLabel("The rectangle shows:", panel_));
    kind_ = new QButtonGroup(panel_);
    auto* result = new QRadioButton("The last result", panel_);
    result->setObjectName("ReadKindResult");
    auto* strip = new QRadioButton("A history strip of results", panel_);
    strip->setObjectName("ReadKindStrip");
    kind_->addButton(result, 0);
    kind_->addButton(strip, 1);
    column->addWidget(result);
    column->addWidget(strip);
    newest_ = new QComboBox(panel_);
    newest_->setObjectName("ReadNewestEnd");
    newest_->addItems({"Newest at the left", "Newest at the right"});
    column->addWidget(newest_);
    connect(strip, &QRadioButton::toggled, newest_, &QWidget::setEnabled);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, panel_);
    buttons->button(QDialogButtonBox::Ok)->setText("Read");
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { finish(true); });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { finish(false); });
    column->addWidget(buttons);
    panel_->adjustSize();
    panel_->hide();

    const bool isStrip = current && current->kind == reading::DisplayKind::Strip;
    (isStrip ? strip : result)->setChecked(true);
    newest_->setEnabled(isStrip);
    newest_->setCurrentIndex(current && current->newest == reading::NewestEnd::Right ? 1 : 0);
    if (current) selection_ = QRect(current->x, current->y, current->width, current->height);
}

void RegionOverlay::open() {
    QRect all;
    for (const QScreen* screen : QGuiApplication::screens()) all |= screen->geometry();
    // The screens as they stand, drawn under the shade: without a compositor a translucent
    // window shows black, and the player must see what the rectangle will read.
    backdrop_ = QPixmap(all.size());
    backdrop_.fill(Qt::black);
    {
        QPainter p(&backdrop_);
        for (QScreen* screen : QGuiApplication::screens()) {
            const QRect g = screen->geometry();
            p.drawPixmap(g.topLeft() - all.topLeft(),
                         screen->grabWindow(0, 0, 0, g.width(), g.height()));
        }
    }
    setGeometry(all);
    show();
    raise();
    activateWindow();
    setFocus();
}

void RegionOverlay::select(QPoint from, QPoint to) {
    selection_ = QRect(from, to).normalized();
    update();
    if (selection_.width() >= reading::kLeastSide && selection_.height() >= reading::kLeastSide) {
        showPanel();
    }
}

void RegionOverlay::showPanel() {
    // Beside the rectangle, inside the overlay.
    const QRect local = selection_.translated(-geometry().topLeft());
    QPoint at(local.right() + 12, local.top());
    if (at.x() + panel_->width() > width()) at.setX(local.left() - panel_->width() - 12);
    at.setX(std::clamp(at.x(), 0, std::max(0, width() - panel_->width())));
    at.setY(std::clamp(at.y(), 0, std::max(0, height() - panel_->height())));
    panel_->move(at);
    panel_->show();
    panel_->raise();
}

void RegionOverlay::finish(bool ok) {
    if (finished_) return;
    finished_ = true;
    std::optional<reading::Region> chosen;
    if (ok && selection_.width() >= reading::kLeastSide &&
        selection_.height() >= reading::kLeastSide) {
        chosen = reading::Region{selection_.x(), selection_.y(), selection_.width(),
                                 selection_.height()};
        if (kind_->checkedId() == 1) {
            chosen->kind = reading::DisplayKind::Strip;
            chosen->newest =
                newest_->currentIndex() == 1 ? reading::NewestEnd::Right : reading::NewestEnd::Left;
        }
    }
    close();
    if (done_) done_(chosen);
}

void RegionOverlay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor shade(0, 0, 0, 110);
    const QRect local = selection_.translated(-geometry().topLeft());
    p.drawPixmap(0, 0, backdrop_);
    p.fillRect(rect(), shade);
    if (!local.isEmpty()) {
        // The rectangle shows the screen as it is, so the player sees what will be read.
        p.drawPixmap(local, backdrop_, local);
        p.setPen(QPen(QColor(255, 216, 0), 2));
        p.drawRect(local.adjusted(-1, -1, 0, 0));
    }
    if (!dragFrom_ && !panel_->isVisible()) {
        p.setPen(Qt::white);
        QFont font = p.font();
        font.setPointSizeF(font.pointSizeF() * 1.4);
        p.setFont(font);
        p.drawText(rect().adjusted(0, 40, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                   "Drag a rectangle around the casino's result display. Esc cancels.");
    }
}

void RegionOverlay::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    panel_->hide();
    dragFrom_ = event->globalPosition().toPoint();
    selection_ = QRect(*dragFrom_, QSize());
    update();
}

void RegionOverlay::mouseMoveEvent(QMouseEvent* event) {
    if (!dragFrom_) return;
    selection_ = QRect(*dragFrom_, event->globalPosition().toPoint()).normalized();
    update();
}

void RegionOverlay::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragFrom_ || event->button() != Qt::LeftButton) return;
    const QPoint from = *dragFrom_;
    dragFrom_.reset();
    select(from, event->globalPosition().toPoint());
}

void RegionOverlay::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        finish(false);
    } else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
               panel_->isVisible()) {
        finish(true);
    } else {
        QWidget::keyPressEvent(event);
    }
}

}  // namespace brisvale::app
