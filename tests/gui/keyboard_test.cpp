// Numbers typed on the keyboard, and Enter for Button1.

#include <gtest/gtest.h>

#include "harness.hpp"

namespace brisvale::gui_test {
namespace {

// The joining rule is the core's (the console's tests cover it); here the keys reach it.
TEST(Keyboard, DigitsOnTheBoardSelectNumbers) {
    Session s;
    s.board().setFocus();
    s.typeKeys("7");
    EXPECT_EQ(s.state().SpinNumber, 7);
    s.clock.now += 5000;
    s.typeKeys("17");
    EXPECT_TRUE(s.state().SpinPending);
    EXPECT_EQ(s.state().SpinNumber, 17);
    EXPECT_TRUE(s.form().marker.visible);
}

TEST(Keyboard, DigitsFromACheckBoxStillSelect) {
    Session s;
    auto* box = s.widget<QCheckBox>("chk6");
    box->setFocus();
    QTest::keyClick(box, '2');
    QTest::keyClick(box, '4');
    EXPECT_EQ(s.state().SpinNumber, 24);
}

TEST(Keyboard, TypingInATextBoxIsTypingOnly) {
    Session s;
    auto* balance = s.widget<QLineEdit>("Text18");
    balance->setFocus();
    QTest::keyClick(balance, '5');
    QTest::keyClick(balance, Qt::Key_Return);
    EXPECT_FALSE(s.state().SpinPending);
    EXPECT_TRUE(s.dialogs.boxes.empty());
    EXPECT_EQ(s.widget<QPushButton>("Button1")->text(), "Start");
}

TEST(Keyboard, EnterPressesButton1) {
    Session s;
    s.click("chk6");
    s.type("Text18", "800");
    s.board().setFocus();
    QTest::keyClick(&s.board(), Qt::Key_Return);
    EXPECT_EQ(s.widget<QPushButton>("Button1")->text(), "Submit");
    s.waitSpinInterval();
    s.typeKeys("14\n");
    EXPECT_EQ(s.state().TotalSpins, 1);
    EXPECT_EQ(s.historyRows().value(0).trimmed(), "14");
}

}  // namespace
}  // namespace brisvale::gui_test

namespace brisvale::gui_test {
namespace {

TEST(Keyboard, DigitsOnAClosedListChooseANumberNotAnEntry) {
    Session s;
    auto* wager = s.widget<QComboBox>("cboWager");
    wager->setFocus();
    QTest::keyClick(wager, '1');
    QTest::keyClick(wager, '7');
    EXPECT_EQ(s.state().SpinNumber, 17);
    EXPECT_EQ(wager->currentText(), "1");
    EXPECT_EQ(s.state().UnitWager(), 1);
}

}  // namespace
}  // namespace brisvale::gui_test
