// The Custom Wagering dialog, drawn from the Form and answering through the core.

#include <gtest/gtest.h>

#include <QLabel>

#include "harness.hpp"

namespace brisvale::gui_test {
namespace {

class Wagering : public ::testing::Test {
  protected:
    void SetUp() override {
        s.menu("mnuProg");
        dialog = s.window->wageringDialog();
    }
    QLineEdit* box(int i) const {
        return dialog->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i));
    }
    void pressInDialog(const char* name) {
        auto* button = dialog->findChild<QPushButton*>(name);
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
    }

    Session s;
    app::WageringDialog* dialog = nullptr;
};

TEST_F(Wagering, OpensModalWithTheSequencesItHolds) {
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "Custom Wagering");
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(box(1)->text().toStdString(), s.form().frmWagering.Text[1].text);
    EXPECT_FALSE(box(1)->text().isEmpty());
    auto* split = dialog->findChild<QPlainTextEdit*>("Text7");
    ASSERT_NE(split, nullptr);
    EXPECT_EQ(split->toPlainText().toStdString(), s.form().frmWagering.Text[7].text);
    EXPECT_EQ(dialog->findChild<QLabel*>("Label9")->text(),
              "Wagering values must be numbers seperated by commas, with either an S or a Q to end "
              "the sequence.  S will produce a \"Spin Only: and Q will produce a \"Quit Now\" "
              "screen.  The sequence can not begin with an 'S' or a 'Q'.");
    EXPECT_EQ(dialog->findChild<QCheckBox*>("Check1")->text(), "Auto-increase min wager by");
    EXPECT_EQ(dialog->findChild<QComboBox*>("Combo1")->count(), 1000);
    EXPECT_EQ(dialog->findChild<QComboBox*>("Combo2")->count(), 10);
}

TEST_F(Wagering, AnInvalidSequenceKeepsItOpenAndTakesTheFocus) {
    box(3)->setFocus();
    box(3)->selectAll();
    QTest::keyClicks(box(3), "1,2,3");
    box(1)->setFocus();
    pressInDialog("Command2");
    ASSERT_EQ(s.dialogs.boxes.size(), 1u);
    EXPECT_EQ(s.dialogs.boxes[0].text.rfind("Invalid Wagering Values.", 0), 0u);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(s.form().frmWagering.open);
    QApplication::processEvents();
    EXPECT_TRUE(box(3)->hasFocus());
}

TEST_F(Wagering, OkStoresAValidSequenceAndCloses) {
    box(1)->setFocus();
    box(1)->selectAll();
    QTest::keyClicks(box(1), "1,3,9,Q");
    pressInDialog("Command2");
    EXPECT_TRUE(s.dialogs.boxes.empty());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(joinSequence(s.state().wagering.WagerSequence[0]), "1,3,9,Q");
}

TEST_F(Wagering, CancelClosesWithoutStoring) {
    const std::string before = joinSequence(s.state().wagering.WagerSequence[0]);
    box(1)->setFocus();
    box(1)->selectAll();
    QTest::keyClicks(box(1), "5,Q");
    pressInDialog("Command3");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(joinSequence(s.state().wagering.WagerSequence[0]), before);
    // The next opening shows what the program holds.
    s.menu("mnuProg");
    EXPECT_EQ(box(1)->text().toStdString(), before);
}

TEST_F(Wagering, TheCloseBoxSavesAndCloses) {
    box(2)->setFocus();
    box(2)->selectAll();
    QTest::keyClicks(box(2), "2,4,S");
    dialog->close();
    QApplication::processEvents();
    EXPECT_FALSE(s.form().frmWagering.open);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(joinSequence(s.state().wagering.WagerSequence[1]), "2,4,S");
}

TEST_F(Wagering, AutoIncreaseBoxEnablesTheChipsList) {
    auto* check = dialog->findChild<QCheckBox*>("Check1");
    auto* chips = dialog->findChild<QComboBox*>("Combo1");
    const bool ticked = check->isChecked();
    EXPECT_EQ(chips->isEnabled(), ticked);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(7, check->height() / 2));
    EXPECT_EQ(check->isChecked(), !ticked);
    EXPECT_EQ(chips->isEnabled(), !ticked);
}

TEST_F(Wagering, TheWindowLeavesTheTopBandWhileTheDialogIsOpen) {
    pressInDialog("Command3");
    s.menu("mnuTop");
    EXPECT_TRUE(s.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    s.menu("mnuProg");
    EXPECT_FALSE(s.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    pressInDialog("Command3");
    EXPECT_TRUE(s.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

}  // namespace
}  // namespace brisvale::gui_test
