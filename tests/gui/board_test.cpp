// SPDX-License-Identifier: GPL-3.0-or-later
// The board and the window's picture: what a click at a point goes to, pixel checks of what is
// drawn; View > Statistics, the panel beside the board, its numbers read at a glance, its place
// kept between starts, following every press, undo and redo; the File, Edit and Help menus.

#include <gtest/gtest.h>

#include <QLineSeries>
#include <cmath>

#include "app/number_grid.hpp"
#include "app/sleeper_table.hpp"
#include "app/stats_panel.hpp"
#include "harness.hpp"
#include "support/advisor_test_access.hpp"

namespace brisvale::gui_test {
namespace {
const QColor kRed(0xFF, 0, 0), kBlack(0, 0, 0), kGreen(0, 0xC0, 0);

// Points in twips worked out by hand from the layout, and what a click there enters in each
// view (-1: nothing): the tall zero cell, Row 1 (flipped: zero), Red, the frame. A click is a
// press and a release on the same thing.
TEST(Board, AClickEntersTheNumberUnderThePointer) {
    const int points[][4] = {{6690, 330, 1, 36},   {7110, 1200, 3, 34}, {3990, 660, 17, 20},
                             {1170, 1200, 36, 1},  {7440, 1070, 0, -1}, {420, 440, -1, 0},
                             {4430, 1760, -1, -1}, {300, 2200, -1, -1}};
    for (const bool flipped : {false, true}) {
        Session s;
        if (flipped) s.clickAt(s.board().flipCenter());
        ASSERT_EQ(s.form().board.BoardFlipped(), flipped);
        const auto entered = [&] {
            const int n = s.state().SpinPending ? s.state().SpinNumber : -1;
            AdvisorTestAccess::state(*s.advisor).SpinPending = false;
            return n;
        };
        for (const auto& p : points) {
            s.clickAt(twips(p[0], p[1]));
            EXPECT_EQ(entered(), p[flipped ? 3 : 2]) << p[0] << "," << p[1] << flipped;
        }
        const QPoint one = s.board().cellCenter(1), two = s.board().cellCenter(2);
        for (auto [press, release, number] : {std::tuple{one, two, -1},
                                              {s.board().flipCenter(), one, -1},
                                              {two, two + QPoint(3, 3), 2}}) {
            QTest::mousePress(&s.board(), Qt::LeftButton, {}, press);
            QTest::mouseRelease(&s.board(), Qt::LeftButton, {}, release);
            EXPECT_EQ(entered(), number);
        }
        EXPECT_EQ(s.form().board.BoardFlipped(), flipped);
    }
}

// Super with splits and singles open: a single-number chip enters its own number, any other
// chip lets the click through to the number beneath the pointer.
TEST(Board, OnlySingleNumberChipsKeepTheirClicks) {
    Session s;
    s.core(
        "BetStyle3=1 Check8=0 cboSpins=1 chk5=1 Chk8=1 cboSplit=2 cboSingle=2 Check7=1 "
        "Text15=0 Text14=0 Check7=0 Check9=1 Text17=0 Text16=0 Check9=0 Text18=1000 Button1 "
        "wait @5 Button1 wait");
    int singles = 0, beneath = 0;
    for (int i = 0; i < board::kChipCount; ++i) {
        const Chip chip = s.form().chips[static_cast<std::size_t>(i)];
        if (!chip.visible) continue;
        if (chip.tooltip.find("Single") != std::string::npos) {
            s.clickAt(s.board().chipCenter(i));
            const int number = std::stoi(chip.tooltip.substr(chip.tooltip.size() - 2));
            EXPECT_EQ(std::pair(s.state().SpinNumber, s.form().marker.left),
                      std::pair(number, chip.left + 30));
            ++singles;
            continue;
        }
        for (const QPoint step : {QPoint(-7, 0), QPoint(7, 0), QPoint(0, -7), QPoint(0, 7)}) {
            const QPoint at = s.board().chipCenter(i) + step;
            const auto hit = s.board().hitAt(at);  // a number's cell, not a single-number chip
            if (hit.kind != app::BoardWidget::Hit::Kind::Cell || hit.index > 36) continue;
            s.clickAt(at);
            EXPECT_EQ(s.state().SpinNumber, hit.index) << chip.tooltip;
            ++beneath;
        }
    }
    EXPECT_TRUE(singles == 2 && beneath >= 2) << singles << " " << beneath;
}

// The smoke test: the printed oval keeps the number's colour; the strip along the cell's right
// edge shows the cell's back colour, red for every number until the first flip; the cloth is
// green.
TEST(BoardPicture, Colours) {
    Session s;
    const auto at = [&](int number, int dx) {
        const Rect r = s.form().board.cell(number);
        return twips(dx < 0 ? r.left + r.width + dx : r.left + dx, r.top + r.height / 2);
    };
    for (const bool flipped : {false, true}) {
        const QImage image = s.board().grab().toImage();
        for (const int n : {1, 2, 9, 10}) {
            const QColor own = n == 1 || n == 9 ? kRed : kBlack;
            EXPECT_TRUE(near(pixel(image, at(n, 90)), own)) << n << flipped;
            EXPECT_TRUE(near(pixel(image, at(n, -30)), flipped ? own : kRed)) << n << flipped;
        }
        EXPECT_TRUE(near(pixel(image, at(0, 60)), kGreen)) << flipped;
        s.clickAt(s.board().flipCenter());
    }
}

// A Classic bet: the title, the blinking advice, and the history box that
// scrolls and colours its numbers, newest on top, in a left column that fits.
TEST(Window, ABetAsTheWindowShowsIt) {
    Session s;
    s.core("chk7_1=1 Check1=1 Text3=1 Text2=1 Check1=0 Text18=1000 Button1 wait @2 Button1");
    ASSERT_EQ(s.form().adviceLabel.caption, "Bet $1 on Red");
    s.clock.now += 1000;
    s.window->tick();
    // The title is the caption exactly: no display name for the window system to append.
    EXPECT_EQ(s.window->windowTitle().toStdString(), s.form().caption);
    EXPECT_TRUE(s.widget("Label1")->isHidden());
    for (int n = 0; n <= 36; ++n) AdvisorTestAccess::form(*s.advisor).historyBox.AddHistoryLine(n);
    s.window->render();
    QApplication::processEvents();
    for (const char* n : {"BetStyle1", "chk7_3", "Chk8", "Text18", "Casino", "cmdMore", "Text1"}) {
        const QPoint corner = s.widget(n)->mapTo(s.window.get(), s.widget(n)->rect().bottomRight());
        EXPECT_TRUE(s.window->rect().contains(corner)) << n;
    }
    auto* history = s.widget<QListView>("Text1");
    EXPECT_TRUE(history->verticalScrollBar()->isVisible());
    const auto colour = [&](int i) {
        return history->model()->index(i, 0).data(Qt::ForegroundRole).value<QColor>();
    };
    EXPECT_EQ(s.historyRows().front(), "     36");
    // 36 is red, 35 black, 0 green.
    EXPECT_TRUE(colour(0).red() > 150 && colour(1) == Qt::black && colour(36).green() > 100);
}

// The entries of the window's menu `index`, "-" for a separator.
QStringList entries(const Session& s, int index) {
    QStringList out;
    for (QAction* a : s.window->menuBar()->actions().at(index)->menu()->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

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

// F9 shows the panel beside the board. Its Numbers tab reads at a glance: the board's colours
// and places, counts in a type of a useful size, white on a plate that keeps its contrast on
// red cells, and a legend without figures. Hidden it takes no room; floating it stays so.
TEST(StatsPanel, F9ShowsItBesideTheBoardReadableHiddenItTakesNoRoomFloatingItStays) {
    Session s;
    EXPECT_EQ(entries(s, 0), (QStringList{"Restart", "Default Settings", "-", "Import Spins...",
                                          "Export Spins...", "-", "Exit"}));
    EXPECT_EQ(entries(s, 1), (QStringList{"Undo Spin", "Redo Spin"}));
    // Help: Instructions before About.
    EXPECT_EQ(entries(s, s.window->menuBar()->actions().size() - 1),
              (QStringList{"Instructions", "-", "About Brisvale"}));
    EXPECT_FALSE(s.window->action("mnuExport")->isEnabled());  // no casino to export

    auto* panel = s.window->statsPanel();
    const QSize size = s.window->size();
    const QPoint board = s.board().mapTo(s.window.get(), QPoint());
    QTest::keyClick(s.window.get(), Qt::Key_F9);
    ASSERT_TRUE(panel->isVisible());
    EXPECT_TRUE(panel->x() >= size.width() && s.board().mapTo(s.window.get(), QPoint()) == board);
    // Its numbers in the board's colours and places: 1 and 2 in one column, 1 right of 4.
    panel->findChild<QTabWidget*>()->setCurrentIndex(1);
    app::NumberGrid* grid = panel->numbers();
    const QImage image = grid->grab().toImage();
    for (auto [n, colour] : {std::pair{1, QColor(Qt::red)}, {2, Qt::black}, {0, QColor(0, 192, 0)}})
        EXPECT_TRUE(
            near(pixel(image, grid->cellRect(n).topLeft().toPoint() + QPoint(3, 3)), colour));
    EXPECT_EQ(grid->cellRect(1).left(), grid->cellRect(2).left());
    EXPECT_GT(grid->cellRect(1).left(), grid->cellRect(4).left());
    s.core(
        "chk7_1=1 Check1=0 Text2=1 Text18=1000 Button1 wait @1 Button1 wait @1 Button1 wait "
        "@2 Button1");
    QApplication::processEvents();
    EXPECT_EQ(std::tuple(grid->countShown(1), grid->countShown(2), grid->countShown(3)),
              std::tuple(2, 1, 0));
    const QImage counted = grid->grab().toImage();
    for (int n = 0; n <= 36; ++n) {
        EXPECT_GE(QFontInfo(grid->countFont(n)).pixelSize(), 11) << n;
        const QRectF plate = grid->countRect(n);
        EXPECT_TRUE(grid->cellRect(n).contains(plate)) << n;
        // The plate beside the figures, against the white figures.
        const QColor back = pixel(counted, QPoint(int(plate.left()) + 2, int(plate.center().y())));
        EXPECT_GE(contrast(back, Qt::white), 4.5) << n << " " << back.name().toStdString();
    }
    auto* legend = panel->findChild<QLabel*>("numbersLegend");
    ASSERT_TRUE(legend);
    QTextDocument text;
    text.setHtml(legend->text());
    const QString words = text.toPlainText();
    EXPECT_TRUE(words.startsWith("Hits this run")) << words.toStdString();
    EXPECT_FALSE(words.contains(QRegularExpression("[0-9]"))) << words.toStdString();
    s.menu("mnuStatistics");
    EXPECT_TRUE(panel->isHidden() && s.window->size() == size);
    // Shown and floating, it opens so again.
    s.menu("mnuStatistics");
    panel->setFloating(true);
    EXPECT_EQ(s.window->width(), size.width());
    s.window = std::make_unique<app::MainWindow>(*s.advisor);
    s.window->show();
    EXPECT_TRUE(s.window->statsPanel()->isVisible() && s.window->statsPanel()->isFloating() &&
                s.window->action("mnuStatistics")->isChecked());
}

// Ctrl+Z puts the state back as it was after Start, Ctrl+Y as after the spin; the menu's
// texts, the history box and the panel follow.
TEST(StatsPanel, FollowsEveryPressUndoAndRedo) {
    Session s;
    s.core("chk7_1=1 Check1=0 Text2=1 Text18=1000");
    s.menu("mnuStatistics");
    auto* panel = s.window->statsPanel();
    QAction *undo = s.window->action("mnuUndo"), *redo = s.window->action("mnuRedo");
    s.core("Button1 wait");
    s.clickAt(s.board().cellCenter(17));
    s.click("Button1");
    // The Edit menu's texts, the history box's rows, the balance series, the sleepers.
    const auto shown = [&] {
        return std::tuple(undo->text(), redo->isEnabled() ? redo->text() : "", s.historyRows(),
                          panel->balanceSeries()->count(), panel->sleepers()->rowsShown());
    };
    using Rows = std::vector<BetId>;
    // Red has slept one spin and is due at 1; black 17 just came up.
    const auto spun = std::tuple(QString("Undo Spin 17"), QString(), QStringList{"17"}, 2,
                                 Rows{bet_ids::Red, bet_ids::Black});
    EXPECT_EQ(shown(), spun);
    QTest::keyClick(s.window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(shown(), std::tuple(QString("Undo Start"), QString("Redo Spin 17"), QStringList(), 1,
                                  Rows{bet_ids::Black, bet_ids::Red}));
    EXPECT_FALSE(panel->hotAndCold()->text().contains("17"));
    QTest::keyClick(s.window.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(shown(), spun);
    EXPECT_EQ(redo->shortcuts().size(), 2);
}

}  // namespace
}  // namespace brisvale::gui_test
