// SPDX-License-Identifier: GPL-3.0-or-later
// Safer play on the window: the session in the status bar follows each spin and undo, and
// Play > Limits... sets what changed and shows what waits.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDoubleSpinBox>

#include "app/limits_dialog.hpp"
#include "harness.hpp"

namespace brisvale::gui_test {
namespace {

QString shown(Session& s, const char* name) {
    return s.widget<QLabel>(name)->text();
}

TEST(SafePlay, TheStatusBarShowsTheSessionAndFollowsUndo) {
    Session s;
    s.core("chk7_1=1 Check1=0 Text2=0 Text18=1000 Button1 wait @5 Button1 wait @3 Button1");
    const auto bar = [&] {
        return QStringList{shown(s, "sessionSpins"), shown(s, "sessionStaked"),
                           shown(s, "sessionNet")}
            .join(", ")
            .toStdString();
    };
    EXPECT_EQ(bar(), "Spins 2, Staked $1, Net -$1");
    EXPECT_TRUE(shown(s, "sessionTime").startsWith("Play 0:00:"));
    s.menu("mnuUndo");
    EXPECT_EQ(bar(), "Spins 1, Staked $0, Net $0");
}

TEST(SafePlay, TheLimitsDialogSetsWhatChangedAndShowsWhatWaits) {
    Session s;
    app::LimitsDialog first(*s.advisor);
    first.findChild<QDoubleSpinBox*>("loss-session")->setValue(50);
    first.findChild<QComboBox*>("reality-check")->setCurrentIndex(1);  // every 15 minutes
    EXPECT_EQ(first.apply(), "");
    const LimitBook book = s.advisor->safety().limits().book;
    EXPECT_EQ(book.value(LimitName::LossSession).value_or(-1), 50);
    EXPECT_EQ(book.value(LimitName::RealityCheck).value_or(-1), 15);
    EXPECT_FALSE(book.value(LimitName::LossDay).has_value());
    // Raised, it waits a day; the dialog says so beside the field.
    app::LimitsDialog second(*s.advisor);
    second.findChild<QDoubleSpinBox*>("loss-session")->setValue(80);
    EXPECT_EQ(second.apply(), "");
    EXPECT_EQ(s.advisor->safety().limits().book.value(LimitName::LossSession).value_or(-1), 50);
    app::LimitsDialog third(*s.advisor);
    bool noted = false;
    for (QLabel* label : third.findChildren<QLabel*>())
        noted = noted || label->text().startsWith("Goes to $80 on ");
    EXPECT_TRUE(noted);
}

}  // namespace
}  // namespace brisvale::gui_test
