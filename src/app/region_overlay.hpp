// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Read From Screen...: a shaded overlay over all screens (a picture of them taken as it opens). The
// player drags a rectangle around the casino's result display, then says what it holds: the last
// result, or a strip of results with the newest at one end. Escape or Cancel leaves everything as
// it was.

#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <functional>
#include <optional>

#include "reading/region.hpp"

class QButtonGroup;
class QComboBox;
class QFrame;

namespace brisvale::app {

class RegionOverlay final : public QWidget {
  public:
    using Done = std::function<void(std::optional<reading::Region>)>;
    // `current`: the region read now, drawn as a start.
    RegionOverlay(std::optional<reading::Region> current, Done done);

    // Covers every screen and takes the keyboard.
    void open();
    // What a drag from `from` to `to` (global pixels) chooses; then the choice panel shows.
    void select(QPoint from, QPoint to);
    // The choice panel's answer: the kind and end chosen there, or nothing.
    void finish(bool ok);
    QRect selection() const { return selection_; }
    QFrame* choicePanel() const { return panel_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showPanel();

    Done done_;
    QPixmap backdrop_;  // the screens when the overlay opened
    QRect selection_;   // global
    std::optional<QPoint> dragFrom_;
    QFrame* panel_;
    QButtonGroup* kind_;
    QComboBox* newest_;
    bool finished_ = false;
};

}  // namespace brisvale::app
