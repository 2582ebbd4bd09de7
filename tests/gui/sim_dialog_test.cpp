// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's dialog: it plays the panel's style on its own, Save Style... writes that
// style, Compare With... plays a style file on the same spins, and the panel's own style
// compared with itself differs by nothing; a close cancels a long run. The chart's axis labels
// never read the same twice.

#include <gtest/gtest.h>

#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QThread>

#include "app/sim_charts.hpp"
#include "app/sim_dialog.hpp"
#include "harness.hpp"

namespace brisvale::gui_test {
namespace {

QString row(const QTableWidget& table, const QString& name) {
    for (int i = 0; i < table.rowCount(); ++i) {
        if (table.item(i, 0)->text() == name) return table.item(i, 1)->text();
    }
    return "(no row " + name + ")";
}

TEST(SimulatorDialog, SavesTheStyleComparesItWithItselfAndCancelsOnClose) {
    Session s;
    s.core("chk7=1 Text18=500");
    s.menu("mnuSimulate");
    app::SimDialog& dialog = *s.window->simDialog();
    EXPECT_EQ(dialog.findChild<QLineEdit*>("bankroll")->text(), "500");
    const QTemporaryDir folder;
    const QString file = folder.filePath("style.json");
    dialog.setFileChooser([file](bool) { return file; });
    QTest::mouseClick(dialog.findChild<QPushButton*>("saveStyle"), Qt::LeftButton);
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("\"red-black\""));

    QTest::mouseClick(dialog.findChild<QPushButton*>("compareWith"), Qt::LeftButton);
    EXPECT_EQ(dialog.findChild<QPushButton*>("compareWith")->text(), "Compare With: style.json");
    dialog.findChild<QSpinBox*>("sessions")->setValue(300);
    dialog.findChild<QLineEdit*>("seed")->setText("8");
    QTest::mouseClick(dialog.findChild<QPushButton*>("run"), Qt::LeftButton);
    while (dialog.running()) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    QApplication::processEvents();
    const auto& table = *dialog.findChild<QTableWidget*>("report");
    EXPECT_EQ(row(table, "Mean session, less compared"), "$0 ($0 to $0)");
    EXPECT_EQ(row(table, "Went broke, less compared"), "0.00 % (0.00 % to 0.00 %)");
    EXPECT_NE(row(table, "Sessions that never bet"), "(no row Sessions that never bet)");
    // A long run ends with the dialog.
    dialog.findChild<QSpinBox*>("sessions")->setValue(10'000'000);
    QTest::mouseClick(dialog.findChild<QPushButton*>("run"), Qt::LeftButton);
    ASSERT_TRUE(dialog.running());
    dialog.close();
    EXPECT_FALSE(dialog.running());
    EXPECT_EQ(dialog.findChild<QLabel*>("sentence")->text(), "Cancelled.");
}

TEST(SimulatorDialog, AxisLabelsCarryTheDecimalsTheirStepNeeds) {
    struct Case {
        double low, high;
        int ticks, decimals;
    };
    for (const Case c : {Case{995, 1005, 5, 0}, Case{995.5, 996.5, 5, 1}, Case{0, 1, 6, 1},
                         Case{999.9, 1000.1, 5, 2}, Case{0, 0, 5, 0}, Case{0, 300000, 4, 0}}) {
        EXPECT_EQ(app::labelDecimals(c.low, c.high, c.ticks), c.decimals) << c.low << " " << c.high;
    }
}

}  // namespace
}  // namespace brisvale::gui_test
