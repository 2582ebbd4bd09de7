// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scales a tree of widgets laid out for one size as a whole: type sizes, fixed and least sizes,
// and the layouts' margins and spacing. The layout itself stays as it is, only larger or
// smaller, so a resized window looks like the one the player knows.

#include <QFont>
#include <QMargins>
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <vector>

class QLayout;

namespace brisvale::app {

class WidgetScaler {
  public:
    // Takes the sizes as they stand now as the design (scale 1). Widgets under `skip` are left
    // to their owner (the board scales its own drawing).
    WidgetScaler(QWidget* root, const QWidget* skip);

    void apply(double scale);
    double scale() const { return scale_; }

  private:
    struct WidgetDesign {
        QPointer<QWidget> widget;
        bool ownFont = false;
        QFont font;
        QSize minimum;
        QSize maximum;
    };
    struct LayoutDesign {
        QPointer<QLayout> layout;
        QMargins margins;
        int spacing = -1;
        int across = -1;  // a grid's two spacings
        int down = -1;
    };

    std::vector<WidgetDesign> widgets_;
    std::vector<LayoutDesign> layouts_;
    double scale_ = 1.0;
};

// A font as large as `design` times `scale`, by points or pixels as it was given.
QFont scaledFont(const QFont& design, double scale);

}  // namespace brisvale::app
