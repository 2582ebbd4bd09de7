// Tools > Simulate This Style...: the style on the panel played on a worker thread, the report
// with its sentence and charts, and a close that cancels.

#include <gtest/gtest.h>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QProgressBar>
#include <QSpinBox>
#include <QTableWidget>

#include "app/sim_dialog.hpp"
#include "harness.hpp"

namespace brisvale::gui_test {
namespace {

app::SimDialog& openSimulator(Session& s) {
    s.click("chk7");
    s.type("Text18", "500");
    s.menu("mnuSimulate");
    app::SimDialog* dialog = s.window->simDialog();
    if (!dialog) throw std::runtime_error("no simulator dialog");
    return *dialog;
}

TEST(Simulator, PlaysThePanelsStyleAndReports) {
    Session s;
    app::SimDialog& dialog = openSimulator(s);
    EXPECT_EQ(dialog.findChild<QLineEdit*>("bankroll")->text(), "500");
    dialog.findChild<QSpinBox*>("sessions")->setValue(200);
    dialog.findChild<QSpinBox*>("spins")->setValue(300);
    dialog.findChild<QLineEdit*>("seed")->setText("3");
    QTest::mouseClick(dialog.findChild<QPushButton*>("run"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.running(), 20000);

    const auto* report = dialog.findChild<QTableWidget*>("report");
    ASSERT_GT(report->rowCount(), 10);
    EXPECT_EQ(report->item(0, 1)->text(), "200");
    const QString sentence =
        dialog.findChild<QLabel*>("sentence")->text().replace(QChar(0x00A0), ' ');
    EXPECT_TRUE(sentence.startsWith("Over ")) << sentence.toStdString();
    EXPECT_TRUE(sentence.endsWith("the house edge is 2.70 %.")) << sentence.toStdString();
    const auto charts = dialog.findChildren<QChartView*>();
    ASSERT_EQ(charts.size(), 2);
    for (const QChartView* view : charts) EXPECT_FALSE(view->chart()->series().isEmpty());
    EXPECT_EQ(dialog.findChild<QProgressBar*>("progress")->value(), 200);
    EXPECT_EQ(s.form().Button1.caption, "Start") << "the window's own run is left alone";
}

TEST(Simulator, ClosingTheDialogCancelsTheRun) {
    Session s;
    app::SimDialog& dialog = openSimulator(s);
    dialog.findChild<QSpinBox*>("sessions")->setValue(10'000'000);
    QTest::mouseClick(dialog.findChild<QPushButton*>("run"), Qt::LeftButton);
    ASSERT_TRUE(dialog.running());
    dialog.close();
    EXPECT_FALSE(dialog.running());
    EXPECT_EQ(dialog.findChild<QLabel*>("sentence")->text(), "Cancelled.");
}

TEST(Simulator, AStyleThatCannotStartSaysWhy) {
    Session s;
    s.menu("mnuSimulate");
    app::SimDialog& dialog = *s.window->simDialog();
    QTest::mouseClick(dialog.findChild<QPushButton*>("run"), Qt::LeftButton);
    EXPECT_FALSE(dialog.running());
    EXPECT_EQ(dialog.findChild<QLabel*>("sentence")->text(), "Play Style is not properly set up");
}

}  // namespace
}  // namespace brisvale::gui_test
