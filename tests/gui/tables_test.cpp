// SPDX-License-Identifier: GPL-3.0-or-later
// The strip of watched tables: a card's click and Ctrl+digit retarget the board, the board
// says which table it enters for, and the alerts reach the sink (heard, and shown only while
// the window is not the active one) with their choices in View > Alerts.

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "app/alert_centre.hpp"
#include "app/tables_strip.hpp"
#include "harness.hpp"

namespace brisvale::gui_test {
namespace {

struct RecordingSink final : app::AlertSink {
    std::vector<int> sounds;
    QStringList notes;
    void playSound(Alert::Kind kind) override { sounds.push_back(static_cast<int>(kind)); }
    void notify(const QString&, const QString& text) override { notes << text; }
};

// Three tables watched and the strip shown.
struct Strip : Session {
    Strip() {
        for (const char* name : {"Table A", "Table B", "Table C"}) {
            if (!advisor->userWatch(name).ok) throw std::runtime_error(name);
        }
        menu("mnuTables");
        window->render();
    }
    app::TableCard& card(int i) { return *window->tablesStrip()->card(i); }
    QString targetShown() {
        auto* label = widget<QLabel>("TargetLabel");
        return label->isVisible() ? label->text() : QString();
    }
    // A number clicked on the board and Submit pressed.
    void spin(int n) {
        clickAt(board().cellCenter(n));
        QTest::mouseClick(widget<QAbstractButton>("Button1"), Qt::LeftButton);
        QApplication::processEvents();
    }
};

TEST(TablesStrip, ACardClickMakesItTheBoardsTarget) {
    Strip s;
    ASSERT_EQ(s.window->tablesStrip()->cardsShown(), 3);
    EXPECT_TRUE(s.card(2).isVisible() && !s.card(3).isVisible());
    EXPECT_EQ(s.targetShown(), "");
    QTest::mouseClick(&s.card(1), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(s.advisor->watching().target(), 1);
    EXPECT_TRUE(s.card(1).view().target && !s.card(0).view().target);
    EXPECT_EQ(s.targetShown(), "Entering for Table B");
    s.spin(17);
    s.spin(0);
    // Table B took both spins, and its card shows them; the run took none of them.
    EXPECT_EQ(std::tuple(s.advisor->watching().tables()[1].spins, s.card(1).view().spins,
                         s.card(1).view().last, s.state().TotalSpins),
              std::tuple(2, 2, std::vector<int>{0, 17}, 0));
    // In the run's spin wait the board still takes a table's spins; back at the run, the
    // run's button is as the run left it.
    s.advisor->userTarget(std::nullopt);
    s.core("chk6=1 Text18=1000 Button1");
    ASSERT_FALSE(s.form().startButton.enabled);
    QTest::mouseClick(&s.card(1), Qt::LeftButton, {}, QPoint(20, 10));
    s.spin(8);
    EXPECT_EQ(s.advisor->watching().tables()[1].spins, 3);
    QTest::keyClick(s.window.get(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_FALSE(s.widget<QAbstractButton>("Button1")->isEnabled());
}

TEST(TablesStrip, CtrlDigitsChooseTheTarget) {
    Strip s;
    const struct {
        Qt::Key key;
        int target;  // -1: the run
        const char* shown;
    } steps[] = {{Qt::Key_3, 2, "Entering for Table C"},
                 {Qt::Key_1, 0, "Entering for Table A"},
                 {Qt::Key_8, 0, "Entering for Table A"},  // no eighth table: nothing changes
                 {Qt::Key_0, -1, ""}};
    for (const auto& step : steps) {
        s.activate();
        QTest::keyClick(s.window.get(), step.key, Qt::ControlModifier);
        QApplication::processEvents();
        EXPECT_EQ(s.advisor->watching().target().value_or(-1), step.target) << step.shown;
        EXPECT_EQ(s.targetShown(), step.shown);
    }
    // Typed digits go where the board enters.
    QTest::keyClick(s.window.get(), Qt::Key_2, Qt::ControlModifier);
    QTest::keyClick(s.window.get(), Qt::Key_9);
    QTest::keyClick(s.window.get(), Qt::Key_Return);
    EXPECT_EQ(s.advisor->watching().tables()[1].spins, 1);
    EXPECT_EQ(s.advisor->watching().tables()[1].lastNumbers()[0], 9);
}

TEST(TablesStrip, AlertsReachTheSinkAsChosen) {
    Strip s;
    RecordingSink sink;
    s.window->alertCentre()->setSink(&sink);
    QSignalSpy raised(s.window->alertCentre(), &app::AlertCentre::raised);
    s.core("chk6=1 Check2=1 Text5=2 Text4=2 Check2=0");
    QTest::mouseClick(&s.card(0), Qt::LeftButton, {}, QPoint(20, 10));
    s.spin(1);
    EXPECT_EQ(raised.count(), 0);
    s.spin(2);  // the 2nd and 3rd dozens have slept 2 of 2 at Table A
    ASSERT_EQ(raised.count(), 2);
    EXPECT_EQ(raised[0][0].toInt(), static_cast<int>(Alert::Kind::Due));
    EXPECT_EQ(raised[0][1].toString(), "Table A");
    EXPECT_EQ(raised[0][2].toString(), "2nd 12 is due at Table A (slept 2 of 2)");
    EXPECT_EQ(sink.sounds.size(), 1u);  // one chime for one spin
    // The window is the active one: nothing is shown on the desktop.
    EXPECT_TRUE(sink.notes.isEmpty());

    // Sound off; the window in the background: the notification is shown, no sound heard.
    s.menu("mnuAlertSound");
    EXPECT_FALSE(s.window->action("mnuAlertSound")->isChecked());
    s.advisor->userTarget("Table B");
    s.advisor->userClickCell(1);
    s.advisor->userPress("Button1");
    s.advisor->userClickCell(2);
    s.advisor->userPress("Button1");
    auto* other = new QWidget;
    other->show();
    other->activateWindow();
    (void)QTest::qWaitForWindowActive(other);
    s.window->render();
    EXPECT_EQ(std::tuple(raised.count(), sink.sounds.size()), std::tuple(4, 1u));
    EXPECT_EQ(sink.notes, QStringList({"2nd 12 is due at Table B (slept 2 of 2)",
                                       "3rd 12 is due at Table B (slept 2 of 2)"}));
    // An alert never takes the focus from the other window.
    EXPECT_EQ(QApplication::activeWindow(), other);
    delete other;
}

TEST(TablesStrip, PlayHereStartsTheRunThere) {
    Strip s;
    s.core("chk6=1 Text18=1000");
    QTest::mouseClick(&s.card(2), Qt::LeftButton, {}, QPoint(20, 10));
    s.spin(5);
    QTest::mouseClick(s.card(2).playButton(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(s.form().startButton.caption, "Submit");
    EXPECT_EQ(s.form().casinoList.items[s.form().casinoList.index], "Table C");
    EXPECT_EQ(s.window->tablesStrip()->cardsShown(), 2);
    EXPECT_EQ(s.state().TableSpins, 1);
}

// "Switch Table/Press Start" keeps its words; the ripest table's card is lit beside it.
TEST(TablesStrip, TheSwitchAdviceLightsTheRipestCard) {
    Strip s;
    // Every dozen due at once: a bet on the 3rd 12 after the first spin, won by the second.
    s.core("chk6=1 Check2=1 Text5=0 Text4=0 Check2=0 cboWins=1 Text18=1000");
    s.advisor->userTarget("Table C");
    for (int n : {1, 2, 3}) s.spin(n);  // the 2nd and 3rd dozens slept 3 at Table C, 0 elsewhere
    s.advisor->userTarget(std::nullopt);
    s.core("Button1 wait @5 Button1 wait @30 Button1 wait");
    ASSERT_EQ(s.form().adviceLabel.caption, "Switch Table/Press Start");
    EXPECT_TRUE(s.card(2).view().switchTo);
    EXPECT_FALSE(s.card(0).view().switchTo || s.card(1).view().switchTo);
}

}  // namespace
}  // namespace brisvale::gui_test
