// View > Statistics: the panel beside the board, its place kept between starts, following
// every press and any change of the state the window renders.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineSeries>
#include <QMenuBar>
#include <QTabWidget>

#include "app/number_grid.hpp"
#include "app/sleeper_table.hpp"
#include "app/stats_panel.hpp"
#include "harness.hpp"
#include "play/advisor_test_access.hpp"

namespace brisvale::gui_test {
namespace {

using app::StatsPanel;

TEST(StatsPanel, F9ShowsItBesideTheBoardAndHiddenItTakesNoRoom) {
    Session s;
    QStringList menus;
    for (QAction* a : s.window->menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&View", "&Tools", "&Casinos", "&Help"}));

    StatsPanel* panel = s.window->statsPanel();
    const QSize size = s.window->size();
    const QPoint board = s.board().mapTo(s.window.get(), QPoint());
    ASSERT_TRUE(panel->isHidden());
    QTest::keyClick(s.window.get(), Qt::Key_F9);
    ASSERT_TRUE(panel->isVisible());
    EXPECT_TRUE(s.window->action("mnuStatistics")->isChecked());
    EXPECT_EQ(s.window->dockWidgetArea(panel), Qt::RightDockWidgetArea);
    EXPECT_FALSE(panel->isFloating());
    EXPECT_EQ(s.window->height(), size.height());
    EXPECT_GE(panel->x(), size.width());
    EXPECT_GE(panel->width(), StatsPanel::kDockedWidth);
    EXPECT_EQ(s.board().mapTo(s.window.get(), QPoint()), board);

    s.menu("mnuStatistics");
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(s.window->size(), size);
}

TEST(StatsPanel, ShownAndFloatingItOpensSoAgain) {
    Session s;
    const int width = s.window->width();
    s.menu("mnuStatistics");
    s.window->statsPanel()->setFloating(true);
    EXPECT_EQ(s.window->width(), width);
    s.window.reset();
    s.window = std::make_unique<app::MainWindow>(*s.advisor);
    s.window->show();
    EXPECT_TRUE(s.window->statsPanel()->isVisible());
    EXPECT_TRUE(s.window->statsPanel()->isFloating());
    EXPECT_TRUE(s.window->action("mnuStatistics")->isChecked());
}

TEST(StatsPanel, FollowsEveryPressAndAnyChangeOfTheState) {
    Session s;
    s.click("chk7_1");
    lowThresholds(s, 1);
    s.type("Text18", "1000");
    s.menu("mnuStatistics");
    StatsPanel* panel = s.window->statsPanel();
    s.pressButton1();
    EXPECT_EQ(panel->balanceSeries()->count(), 1);
    s.waitSpinInterval();
    s.clickCell(17);
    s.pressButton1();
    EXPECT_EQ(panel->balanceSeries()->count(), 2);
    // Red has slept one spin and is due at 1; black 17 just came up.
    EXPECT_EQ(panel->sleepers()->rowsShown(), (std::vector<BetId>{bet_ids::Red, bet_ids::Black}));
    EXPECT_TRUE(panel->hotAndCold()->text().contains("Hot"));

    // Edit > Undo Spin puts the state back as it was after Start; the panel follows.
    s.menu("mnuUndo");
    EXPECT_EQ(panel->balanceSeries()->count(), 1);
    EXPECT_EQ(panel->sleepers()->rowsShown(), (std::vector<BetId>{bet_ids::Black, bet_ids::Red}));
    EXPECT_FALSE(panel->hotAndCold()->text().contains("17"));
    s.menu("mnuRedo");
    EXPECT_EQ(panel->balanceSeries()->count(), 2);
    EXPECT_EQ(panel->sleepers()->rowsShown(), (std::vector<BetId>{bet_ids::Red, bet_ids::Black}));
}

// The number cells as they are drawn: the board's colours, in the board's places.
TEST(StatsPanel, NumbersAreDrawnInTheBoardsColours) {
    Session s;
    s.menu("mnuStatistics");
    auto* tabs = s.window->statsPanel()->findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    tabs->setCurrentIndex(1);
    QApplication::processEvents();
    app::NumberGrid* grid = s.window->statsPanel()->numbers();
    ASSERT_TRUE(grid->isVisible());
    const QImage image = grid->grab().toImage();
    const auto colourAt = [&](int n) {
        return pixel(image, grid->cellRect(n).topLeft().toPoint() + QPoint(3, 3));
    };
    EXPECT_TRUE(near(colourAt(1), Qt::red));
    EXPECT_TRUE(near(colourAt(2), Qt::black));
    EXPECT_TRUE(near(colourAt(0), QColor(0, 192, 0)));
    // Laid out as the board: 1 and 2 in one column, 1 right of 4.
    EXPECT_EQ(grid->cellRect(1).left(), grid->cellRect(2).left());
    EXPECT_GT(grid->cellRect(1).left(), grid->cellRect(4).left());
}

}  // namespace
}  // namespace brisvale::gui_test
