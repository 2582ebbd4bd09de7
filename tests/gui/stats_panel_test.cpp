// View > Statistics: the panel beside the board, its place kept between starts, following
// every press and any change of the state the window renders; and the Edit menu that takes a
// press back.

#include <gtest/gtest.h>

#include <QLineSeries>
#include <QMenuBar>
#include <QTabWidget>

#include "app/number_grid.hpp"
#include "app/sleeper_table.hpp"
#include "app/stats_panel.hpp"
#include "harness.hpp"

namespace brisvale::gui_test {
namespace {

using app::StatsPanel;

QStringList entries(const QList<QAction*>& actions) {
    QStringList out;
    for (QAction* a : actions) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

TEST(StatsPanel, F9ShowsItBesideTheBoardAndHiddenItTakesNoRoom) {
    Session s;
    const QList<QAction*> menus = s.window->menuBar()->actions();
    EXPECT_EQ(entries(menus),
              (QStringList{"&File", "&Edit", "&View", "&Tools", "&Casinos", "&Help"}));
    EXPECT_EQ(entries(menus[0]->menu()->actions()),
              (QStringList{"Restart", "Default Settings", "-", "Import Spins...", "Export Spins...",
                           "-", "Exit"}));
    EXPECT_EQ(entries(menus[1]->menu()->actions()), (QStringList{"Undo Spin", "Redo Spin"}));
    EXPECT_FALSE(s.window->action("mnuExport")->isEnabled());  // no casino to export

    StatsPanel* panel = s.window->statsPanel();
    const QSize size = s.window->size();
    const QPoint board = s.board().mapTo(s.window.get(), QPoint());
    QTest::keyClick(s.window.get(), Qt::Key_F9);
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(s.window->dockWidgetArea(panel), Qt::RightDockWidgetArea);
    EXPECT_EQ(s.window->height(), size.height());
    EXPECT_GE(panel->x(), size.width());
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
    s.window = std::make_unique<app::MainWindow>(*s.advisor);
    s.window->show();
    EXPECT_TRUE(s.window->statsPanel()->isVisible() && s.window->statsPanel()->isFloating());
    EXPECT_TRUE(s.window->action("mnuStatistics")->isChecked());
}

// Ctrl+Z puts the state back as it was after Start, Ctrl+Y as after the spin; the menu's
// texts, the history box and the panel follow.
TEST(StatsPanel, FollowsEveryPressUndoAndRedo) {
    Session s;
    s.core("chk7_1=1 Check1=0 Text2=1 Text18=1000");
    s.menu("mnuStatistics");
    StatsPanel* panel = s.window->statsPanel();
    QAction* undo = s.window->action("mnuUndo");
    QAction* redo = s.window->action("mnuRedo");
    EXPECT_FALSE(undo->isEnabled());
    s.click("Button1");
    EXPECT_EQ(panel->balanceSeries()->count(), 1);
    s.waitSpinInterval();
    s.clickAt(s.board().cellCenter(17));
    s.click("Button1");
    const auto history = [&] { return s.widget<QListView>("Text1")->model()->rowCount(); };
    // Red has slept one spin and is due at 1; black 17 just came up.
    const auto spun = [&] {
        EXPECT_EQ(undo->text(), "Undo Spin 17");
        EXPECT_EQ(history(), 1);
        EXPECT_FALSE(redo->isEnabled());
        EXPECT_EQ(panel->balanceSeries()->count(), 2);
        EXPECT_EQ(panel->sleepers()->rowsShown(),
                  (std::vector<BetId>{bet_ids::Red, bet_ids::Black}));
    };
    spun();
    EXPECT_TRUE(panel->hotAndCold()->text().contains("Hot"));
    QTest::keyClick(s.window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(history(), 0);
    EXPECT_EQ(undo->text(), "Undo Start");
    EXPECT_EQ(redo->text(), "Redo Spin 17");
    EXPECT_EQ(panel->balanceSeries()->count(), 1);
    EXPECT_EQ(panel->sleepers()->rowsShown(), (std::vector<BetId>{bet_ids::Black, bet_ids::Red}));
    EXPECT_FALSE(panel->hotAndCold()->text().contains("17"));
    QTest::keyClick(s.window.get(), Qt::Key_Y, Qt::ControlModifier);
    spun();
    EXPECT_EQ(redo->shortcuts().size(), 2);
}

// The number cells as they are drawn: the board's colours, in the board's places.
TEST(StatsPanel, NumbersAreDrawnInTheBoardsColours) {
    Session s;
    s.menu("mnuStatistics");
    s.window->statsPanel()->findChild<QTabWidget*>()->setCurrentIndex(1);
    app::NumberGrid* grid = s.window->statsPanel()->numbers();
    const QImage image = grid->grab().toImage();
    for (auto [n, colour] : {std::pair{1, QColor(Qt::red)}, {2, Qt::black}, {0, QColor(0, 192, 0)}})
        EXPECT_TRUE(
            near(pixel(image, grid->cellRect(n).topLeft().toPoint() + QPoint(3, 3)), colour));
    // Laid out as the board: 1 and 2 in one column, 1 right of 4.
    EXPECT_EQ(grid->cellRect(1).left(), grid->cellRect(2).left());
    EXPECT_GT(grid->cellRect(1).left(), grid->cellRect(4).left());
}

}  // namespace
}  // namespace brisvale::gui_test
