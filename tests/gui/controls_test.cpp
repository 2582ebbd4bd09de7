// SPDX-License-Identifier: GPL-3.0-or-later
// What only the window does with its controls: each kind of control sends its action, typed
// text and the focus, rendering that never acts, the modal wagering dialog, the
// Exit and the close box; the Qt ports' real boxes.

#include <gtest/gtest.h>

#include "app/qt_ports.hpp"
#include "harness.hpp"
#include "support/advisor_test_access.hpp"

namespace brisvale::gui_test {
namespace {

TEST(Controls, EachKindSendsItsAction) {
    Session s;
    s.click("chk7_1");  // a check box: one pair of three greys Even Bets; a click on grey ticks all
    EXPECT_EQ(s.widget<QCheckBox>("chk7")->checkState(), Qt::PartiallyChecked);
    s.click("chk7");
    EXPECT_TRUE(s.widget<QCheckBox>("chk7_3")->isChecked());
    s.click("BetStyle3");  // an option: Super enables the single-number controls
    EXPECT_TRUE(!s.widget<QRadioButton>("BetStyle1")->isChecked() && s.widget("Chk8")->isEnabled());
    s.choose("cboWager", "5");  // a list
    EXPECT_EQ(s.widget<QLabel>("Label12")->text(), "Minimum Balance:$500");
    s.click("cmdMore");  // a push button: More opens the advanced panel, Less closes it
    const int notes = s.window->statusBar()->height();  // the status bar below the designed window
    EXPECT_EQ(s.window->height(), 374 + notes);
    s.type("Text4", "12");  // a text box, handed over when left
    EXPECT_EQ(s.form().threshold(1).low.text, "12");
    s.click("cmdMore");
    EXPECT_EQ(s.window->height(), 223 + notes);
}

// A refused box keeps the focus and what is typed; leaving it for another refused box does not
// hand the focus back and forth.
TEST(Controls, TheFocusAndTypedText) {
    Session s;
    s.click("cmdMore");
    s.type("Text4", "ten");
    auto* text4 = s.widget<QLineEdit>("Text4");
    auto* text6 = s.widget<QLineEdit>("Text6");
    EXPECT_TRUE(text4->hasFocus());
    text6->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(text6, "x");
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    EXPECT_TRUE(text4->hasFocus() && s.dialogs.texts().size() == 2);  // "Value must be numeric!"
    s.window->tick();
    EXPECT_EQ(text6->text().right(1), "x");
    text4->setText("12");
    text4->setModified(true);
    s.window->tick();
    EXPECT_EQ(text4->text(), "12");
    // A refused start empties the balance box and puts the focus there.
    s.core("chk6=1 Text6=3");
    s.type("Text18", "lots");
    s.click("Button1");
    QApplication::processEvents();
    EXPECT_EQ(s.dialogs.texts().back(), "Enter numbers only.");
    EXPECT_TRUE(s.widget<QLineEdit>("Text18")->text().isEmpty() && s.widget("Text18")->hasFocus());
}

// Digits typed on the window, or on a list that has the focus, choose a number; Enter submits
// it. In a text box they are text.
TEST(Controls, TypedDigitsChooseANumber) {
    Session s;
    s.core("chk6=1 Text18=100 Button1 wait");
    s.widget("cboWager")->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "17");
    EXPECT_EQ(s.state().spinText(), "17");
    QTest::keyClick(s.window.get(), Qt::Key_Return);
    EXPECT_EQ(s.historyRows(), QStringList{"17"});
    s.click("cmdMore");
    QTest::keyClicks(s.widget("Text4"), "5");
    EXPECT_FALSE(s.state().SpinPending);
}

// The core changes controls itself; drawing them must not run their handlers.
TEST(Controls, RenderingNeverActsForTheUser) {
    Session s;
    const auto settingsBefore = s.advisor->settings().values;
    PanelEntries& entries = AdvisorTestAccess::entries(*s.advisor);
    entries.threshold(1).low = "abc";
    entries.style[1] = false;
    entries.style[3] = true;
    entries.families[7] = 2;
    entries.unitWager = 10;
    s.window->render();
    QApplication::processEvents();
    EXPECT_TRUE(s.dialogs.boxes.empty() && s.advisor->settings().values == settingsBefore);
    EXPECT_EQ(std::tuple(s.widget<QLineEdit>("Text4")->text(),
                         s.widget<QRadioButton>("BetStyle3")->isChecked(),
                         s.widget<QCheckBox>("chk7")->checkState(),
                         s.widget<QComboBox>("cboWager")->currentText()),
              std::tuple(QString("abc"), true, Qt::PartiallyChecked, QString("10")));
    EXPECT_EQ(s.state().UnitWager(), 1);  // no list handler ran
}

// Modal, not under an always-on-top window; each sequence box shows its whole default
// sequence; a refused sequence keeps the focus in its box; the close box saves.
TEST(Controls, TheModalWageringDialog) {
    Session s;
    s.menu("mnuTop");
    s.menu("mnuProg");
    QWidget* dialog = s.window->wageringDialog();
    const auto box = [&](const char* name) { return dialog->findChild<QLineEdit*>(name); };
    EXPECT_TRUE(dialog->isModal() && !s.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(box("Text5")->cursorPosition(), 0);  // shows its start
    QApplication::processEvents();
    for (int i = 1; i <= 8; ++i) {
        QWidget* w = dialog->findChild<QWidget*>(QStringLiteral("Text%1").arg(i));
        ASSERT_TRUE(w) << i;
        if (auto* line = qobject_cast<QLineEdit*>(w)) {
            const int room = line->contentsRect().width() - 8;  // the box's own text margins
            EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()), room) << i;
        } else {
            auto* tall = qobject_cast<QPlainTextEdit*>(w);
            ASSERT_TRUE(tall);
            EXPECT_FALSE(tall->toPlainText().isEmpty());
            EXPECT_FALSE(tall->verticalScrollBar()->isVisible()) << i;
            EXPECT_EQ(tall->verticalScrollBar()->maximum(), 0) << i;
        }
    }
    QLineEdit* rows = box("Text3");
    rows->setText("1,2,3");
    box("Text1")->setFocus();
    QTest::mouseClick(dialog->findChild<QWidget*>("Command2"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(s.dialogs.texts().at(0).starts_with("Invalid Wagering Values.") &&
                rows->hasFocus());
    QTest::keyClicks(rows, ",S");
    dialog->close();
    QApplication::processEvents();
    EXPECT_EQ(joinSequence(s.state().wagering.WagerSequence[2]), "1,2,3,S");
    EXPECT_TRUE(s.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

// What is typed into the balance box is saved whichever way the window closes, even while the
// box still has the focus.
TEST(Menus, ExitAndTheCloseBoxSaveWhatIsTyped) {
    for (const bool closeBox : {false, true}) {
        Session s;
        s.widget("Text18")->setFocus(Qt::MouseFocusReason);
        s.widget<QLineEdit>("Text18")->selectAll();
        QTest::keyClicks(s.widget("Text18"), "2750");
        closeBox ? (void)s.window->close() : s.menu("mnuExit");
        EXPECT_TRUE(!s.window->isVisible() &&
                    testing::readBytes(s.advisor->files().settings).find("2750") !=
                        std::string::npos);
    }
}

// Runs `answer` on the modal box as soon as it is shown.
void whenModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer] { answer(QApplication::activeModalWidget()); });
}

TEST(QtPorts, BoxesShowTitleAndTextAndAnswer) {
    app::QtDialogs dialogs;
    whenModal([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        // The text with the line ends of the platform; the title shows whole.
        EXPECT_TRUE(box->text() == "Invalid Wagering Values.\n\nEG: 1,2,3,4,6,Q" &&
                    box->width() >= app::titleRoom(box->windowTitle()));
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.message("Invalid Wagering Values.\r\n\r\nEG: 1,2,3,4,6,Q", "Brisvale");
    for (auto [button, yes] : {std::pair{QMessageBox::Yes, true}, {QMessageBox::No, false}}) {
        whenModal([b = button](QWidget* m) { qobject_cast<QMessageBox*>(m)->button(b)->click(); });
        EXPECT_EQ(dialogs.askYesNo("Confirm Restore Default Settings", "Default Settings"), yes);
    }
}

}  // namespace
}  // namespace brisvale::gui_test
