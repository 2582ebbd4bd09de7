// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widget_scaler.hpp"

#include <QGridLayout>
#include <QLayout>
#include <cmath>

namespace brisvale::app {
namespace {

int times(int value, double scale) {
    return static_cast<int>(std::lround(value * scale));
}

// A size scaled, leaving "no limit" as it is.
QSize scaledSize(const QSize& design, double scale, bool limit) {
    const auto one = [&](int v) {
        if (limit && v >= QWIDGETSIZE_MAX) return v;
        return times(v, scale);
    };
    return {one(design.width()), one(design.height())};
}

bool under(const QWidget* widget, const QWidget* ancestor) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w == ancestor) return true;
    }
    return false;
}

}  // namespace

QFont scaledFont(const QFont& design, double scale) {
    QFont font = design;
    if (design.pointSizeF() > 0) {
        font.setPointSizeF(design.pointSizeF() * scale);
    } else if (design.pixelSize() > 0) {
        font.setPixelSize(std::max(1, times(design.pixelSize(), scale)));
    }
    return font;
}

WidgetScaler::WidgetScaler(QWidget* root, const QWidget* skip) {
    QList<QWidget*> all = root->findChildren<QWidget*>();
    all.prepend(root);
    for (QWidget* w : all) {
        if (skip && under(w, skip)) continue;
        const bool ownFont = w == root || w->testAttribute(Qt::WA_SetFont);
        widgets_.push_back({w, ownFont, w->font(), w->minimumSize(), w->maximumSize()});
    }
    for (QLayout* l : root->findChildren<QLayout*>()) {
        if (skip && l->parentWidget() && under(l->parentWidget(), skip)) continue;
        LayoutDesign d{l, l->contentsMargins(), l->spacing()};
        if (auto* grid = qobject_cast<QGridLayout*>(l)) {
            d.across = grid->horizontalSpacing();
            d.down = grid->verticalSpacing();
        }
        layouts_.push_back(d);
    }
}

void WidgetScaler::apply(double scale) {
    scale_ = scale;
    for (const WidgetDesign& d : widgets_) {
        if (!d.widget) continue;
        if (d.ownFont) d.widget->setFont(scaledFont(d.font, scale));
        d.widget->setMinimumSize(scaledSize(d.minimum, scale, false));
        d.widget->setMaximumSize(scaledSize(d.maximum, scale, true));
    }
    for (const LayoutDesign& d : layouts_) {
        if (!d.layout) continue;
        d.layout->setContentsMargins(times(d.margins.left(), scale), times(d.margins.top(), scale),
                                     times(d.margins.right(), scale),
                                     times(d.margins.bottom(), scale));
        if (auto* grid = qobject_cast<QGridLayout*>(d.layout.data())) {
            if (d.across >= 0) grid->setHorizontalSpacing(times(d.across, scale));
            if (d.down >= 0) grid->setVerticalSpacing(times(d.down, scale));
        } else if (d.spacing >= 0) {
            d.layout->setSpacing(times(d.spacing, scale));
        }
    }
}

}  // namespace brisvale::app
