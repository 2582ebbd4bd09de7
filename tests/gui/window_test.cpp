// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a whole: resized, it scales the board and the panel together; it fits the
// screen at start; window.conf keeps its place, size, the board's view and Always on Top; the
// status bar says why a key was refused; the keys of the menus; the already-running box.

#include <gtest/gtest.h>

#include "app/qt_ports.hpp"
#include "app/window_conf.hpp"
#include "harness.hpp"
#include "storage/properties.hpp"

namespace brisvale::gui_test {
namespace {

// The window, the board and the left panel keep the design's proportions at every scale, and
// a click still enters the number under the pointer.
TEST(Window, ResizedTheBoardAndThePanelScaleTogether) {
    Session s;
    const QSize design = s.window->size(), board = s.board().size();
    const int panel = s.widget("Frame1")->width();
    const double type = s.widget("BetStyle1")->font().pointSizeF();
    const struct {
        QSize size;
        double scale;
    } rows[] = {{design * 2, 2.0},
                {QSize(design.width() * 3 / 2, design.height() * 3), 1.5},  // tall: width rules
                {design / 4, app::MainWindow::kMinScale},                   // no smaller than this
                {design, 1.0}};
    for (const auto& row : rows) {
        s.window->resize(row.size);
        QApplication::processEvents();
        const double scale = s.window->scale();
        EXPECT_NEAR(scale, row.scale, 0.01) << row.size.width() << "x" << row.size.height();
        EXPECT_NEAR(s.board().width(), board.width() * scale, 1.5);
        EXPECT_NEAR(s.board().height(), board.height() * scale, 1.5);
        EXPECT_NEAR(s.widget("Frame1")->width(), panel * scale, 1.5);
        EXPECT_NEAR(s.widget("BetStyle1")->font().pointSizeF(), type * scale, 0.01);
        // The board sits beside the panel at every scale.
        EXPECT_NEAR(s.board().mapTo(s.window.get(), QPoint()).x(), 268 * scale, 1.5);
        s.clickAt(s.board().cellCenter(17));
        EXPECT_EQ(s.state().SpinNumber, 17);
        s.clickAt(s.board().cellCenter(8));
        EXPECT_EQ(s.state().SpinNumber, 8);
    }
    EXPECT_EQ(s.window->size(), design);
    // Larger, the advanced panel opens at the same scale; the menu and status bars keep theirs.
    s.window->resize(design * 2);
    QApplication::processEvents();
    s.click("cmdMore");
    EXPECT_NEAR(s.window->scale(), 2.0, 0.01);
    const int bars = s.window->menuBar()->height() + s.window->statusBar()->height();
    EXPECT_NEAR(s.window->height(), (374 - s.window->menuBar()->height()) * 2 + bars, 2);
    EXPECT_TRUE(s.widget("AdvancedPanel")->isVisible());
    EXPECT_LE(s.widget("AdvancedPanel")->geometry().bottom(), s.window->centralWidget()->height());
}

// Where the window stood and how large, the board's view and Always on Top come back at the
// next start; a size larger than the screen's free area is made to fit it.
TEST(Window, KeptInWindowConfAndFittedToTheScreen) {
    Session s;
    s.clickAt(s.board().flipCenter());
    s.menu("mnuTop");
    s.window->resize(s.window->size() * 3 / 2);
    s.window->move(120, 80);
    QApplication::processEvents();
    const QSize size = s.window->size();
    s.window->close();
    const app::WindowConf kept = app::readWindowConf(app::windowConfPath());
    EXPECT_TRUE(kept.flipped && kept.onTop && !kept.maximized);
    ASSERT_TRUE(kept.place);
    EXPECT_EQ(std::pair(kept.place->topLeft(), kept.place->size()),
              std::pair(QPoint(120, 80), size));
    const std::string text = testing::readBytes(app::windowConfPath());
    EXPECT_NE(text.find("flipped: 1\r\n"), std::string::npos) << text;

    // A fresh program on the same folder: the view and Always on Top as they were left.
    s.window.reset();
    s.advisor.reset();
    s.advisor = std::make_unique<Advisor>(Ports{s.dialogs, s.browser, s.clock, s.random, nullptr});
    s.advisor->userOpenWindow({s.dir.path, false, ""});
    s.window = std::make_unique<app::MainWindow>(*s.advisor);
    s.window->show();
    EXPECT_TRUE(s.form().board.BoardFlipped() && s.form().alwaysOnTop);
    EXPECT_TRUE(s.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_NEAR(s.window->scale(), 1.5, 0.01);
    EXPECT_EQ(s.window->pos(), QPoint(120, 80));

    // Too large for the screen (1920 x 1080 free): as large as fits, and on the screen.
    app::WindowConf huge = kept;
    huge.place = QRect(-400, 3000, 6000, 4000);
    ASSERT_TRUE(app::writeWindowConf(app::windowConfPath(), huge));
    s.window = std::make_unique<app::MainWindow>(*s.advisor);
    s.window->show();
    const QRect free = s.window->screen()->availableGeometry();
    EXPECT_GT(s.window->scale(), 2.0);
    EXPECT_LE(s.window->width(), free.width());
    EXPECT_LE(s.window->height(), free.height());
    EXPECT_TRUE(free.contains(s.window->pos())) << s.window->x() << "," << s.window->y();
}

// A file that holds nothing readable gives the design's window, and is replaced whole.
TEST(Window, ADamagedWindowConfGivesTheDesign) {
    const auto path = app::windowConfPath();
    std::filesystem::create_directories(path.parent_path());
    for (const char* text :
         {"place: 1,2,x,4\nflipped: yes\n", "\xff\xfe garbage", "place: 0,0,0,0"}) {
        testing::writeBytes(path, text);
        const app::WindowConf conf = app::readWindowConf(path);
        EXPECT_EQ(conf, app::WindowConf{}) << text;
    }
}

// The status bar says why a typed key was refused, and the next key that counts clears it.
TEST(Window, TheStatusBarSaysWhyAKeyWasRefused) {
    Session s;
    s.core("chk7_1=1 Check1=0 Text2=1 Text18=1000 Button1 wait @17 Button1");
    ASSERT_FALSE(s.form().startButton.enabled);  // the spin interval runs
    QTest::keyClick(s.window.get(), Qt::Key_Return);
    const QString note = s.window->statusBar()->currentMessage();
    EXPECT_FALSE(note.isEmpty());
    EXPECT_EQ(note, app::toQt(s.window->lastRefusal()));
    s.waitSpinInterval();
    QTest::keyClick(s.window.get(), Qt::Key_5);
    EXPECT_TRUE(s.window->statusBar()->currentMessage().isEmpty());
    EXPECT_EQ(s.state().SpinNumber, 5);
}

// Escape closes a menu and hands the keys back to the board: Enter then opens no menu.
TEST(Menus, EscapeGivesTheKeysBackToTheBoard) {
    Session s;
    QTest::keyClick(s.window.get(), Qt::Key_H, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_TRUE(popup);
    QTest::keyClick(popup, Qt::Key_Escape);
    QApplication::processEvents();
    // The window's keys go to the board again (the offscreen platform leaves the application's
    // activation with the closed menu, so the window's own focus is what the player would have).
    EXPECT_EQ(s.window->focusWidget(), &s.board());
    EXPECT_FALSE(s.window->menuBar()->activeAction());
    QTest::keyClick(s.window->focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(QApplication::activePopupWidget());
    if (QApplication::activePopupWidget()) QApplication::activePopupWidget()->close();
}

// F1 opens the guide; Ctrl+Q quits.
TEST(Menus, HelpKeys) {
    Session s;
    QTest::keyClick(s.window.get(), Qt::Key_F1);
    EXPECT_EQ(s.dialogs.guides, 1);
    EXPECT_TRUE(s.dialogs.boxes.empty());  // no web page to announce
    QTest::keyClick(s.window.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(s.advisor->timer().exitRequested && !s.window->isVisible());
}

// Every control of the play-style panel says what it is for; the flip button has its own.
TEST(Words, TooltipsAndTheAdvancedSettingsTitle) {
    Session s;
    for (QWidget* w : s.widget("Frame1")->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                             qobject_cast<QLineEdit*>(w);
        if (control && w->parentWidget() == s.widget("Frame1")) {
            EXPECT_FALSE(w->toolTip().isEmpty()) << w->objectName().toStdString();
        }
    }
    const QString flip = s.board().tipAt(s.board().flipCenter());
    EXPECT_NE(flip, s.board().tipAt(s.board().cellCenter(17)));
    EXPECT_TRUE(flip.contains("Turn the board")) << flip.toStdString();
    s.click("cmdMore");
    auto* title = s.widget<QLabel>("AdvancedTitle");
    EXPECT_TRUE(title->isVisible() && title->text() == "Advanced Settings");
}

// The box of a second program on a held folder comes up above every window and returns once
// it is answered.
TEST(SecondInstance, TheBoxStandsAboveAllAndEndsWhenAnswered) {
    Session s;
    s.menu("mnuTop");
    ASSERT_TRUE(s.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    bool onTop = false, shown = false;
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        shown = box->isVisible();
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    QTimer::singleShot(3000, [] {  // never hang the suite
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    app::messageAboveAll(kAlreadyRunning, "Brisvale");  // returns only once answered
    EXPECT_TRUE(onTop && shown) << text.toStdString();
    EXPECT_EQ(text, QString::fromUtf8(kAlreadyRunning.data(),
                                      static_cast<qsizetype>(kAlreadyRunning.size())));
}

}  // namespace
}  // namespace brisvale::gui_test
