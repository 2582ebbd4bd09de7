// SPDX-License-Identifier: GPL-3.0-or-later
// The Numbers tab of the statistics panel reads at a glance: counts in a type of a useful
// size, white on a plate that keeps its contrast on red cells, and a legend without figures.

#include <gtest/gtest.h>

#include <cmath>

#include "app/number_grid.hpp"
#include "app/stats_panel.hpp"
#include "harness.hpp"

namespace brisvale::gui_test {
namespace {

// The contrast ratio of two colours, as accessibility guidelines measure it.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            v /= 255;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
    };
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

TEST(StatsPanel, TheNumbersReadAtAGlance) {
    Session s;
    s.core(
        "chk7_1=1 Check1=0 Text2=1 Text18=1000 Button1 wait @1 Button1 wait @1 Button1 wait "
        "@2 Button1");
    s.menu("mnuStatistics");
    auto* panel = s.window->statsPanel();
    panel->findChild<QTabWidget*>()->setCurrentIndex(1);
    QApplication::processEvents();
    app::NumberGrid* grid = panel->numbers();
    EXPECT_EQ(std::tuple(grid->countShown(1), grid->countShown(2), grid->countShown(3)),
              std::tuple(2, 1, 0));
    const QImage image = grid->grab().toImage();
    for (int n = 0; n <= 36; ++n) {
        EXPECT_GE(QFontInfo(grid->countFont(n)).pixelSize(), 11) << n;
        const QRectF plate = grid->countRect(n);
        EXPECT_TRUE(grid->cellRect(n).contains(plate)) << n;
        // The plate beside the figures, against the white figures.
        const QColor back = pixel(image, QPoint(int(plate.left()) + 2, int(plate.center().y())));
        EXPECT_GE(contrast(back, Qt::white), 4.5) << n << " " << back.name().toStdString();
    }
    auto* legend = panel->findChild<QLabel*>("numbersLegend");
    ASSERT_TRUE(legend);
    QTextDocument text;
    text.setHtml(legend->text());
    const QString words = text.toPlainText();
    EXPECT_TRUE(words.startsWith("Hits this run")) << words.toStdString();
    EXPECT_FALSE(words.contains(QRegularExpression("[0-9]"))) << words.toStdString();
}

}  // namespace
}  // namespace brisvale::gui_test
