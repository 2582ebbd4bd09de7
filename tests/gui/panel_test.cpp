// The play-style panels: captions and tooltips, what a click on each kind of control sends,
// and rendering that never feeds back as a user action.

#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>

#include "harness.hpp"
#include "support/advisor_test_access.hpp"

namespace brisvale::gui_test {
namespace {

struct Caption {
    const char* name;
    const char* caption;
    const char* tooltip;  // nullptr: none given
};

const Caption kCaptions[] = {
    {"BetStyle1", "Classic Tarlock", nullptr},
    {"BetStyle2", "Multi Tarlock", nullptr},
    {"BetStyle3", "Super Tarlock", "Enables Multiple Betting for Faster Gains"},
    {"Option2", "Aggressive Defaults", "Increase your betting chances, but at a higher risk."},
    {"Option3", "Conservative Defaults", "Decrease your betting chances, but at a lower risk."},
    {"Check8", "Conservative Betting", "Quits betting at half the suggested wagering requirement."},
    {"chk7", "Even Bets", nullptr},
    {"chk7_1", "Red/Black", nullptr},
    {"chk7_2", "Odd/Even", nullptr},
    {"chk7_3", "High/Low", nullptr},
    {"chk6", "Dozen", nullptr},
    {"chk1", "Row", nullptr},
    {"chk2", "Line", nullptr},
    {"chk3", "Corner", nullptr},
    {"chk4", "Trio", nullptr},
    {"chk5", "Split", nullptr},
    {"Chk8", "Single", nullptr},
    {"Check1", "Random",
     "Randomly generate when the next bet should occur based on the Low/High settings."},
    {"Check9", "Random",
     "Randomly generate when the next bet should occur based on the Low/High settings."},
};

TEST(Panel, CaptionsAndTooltipsWordForWord) {
    Session s;
    for (const Caption& c : kCaptions) {
        auto* button = s.widget<QAbstractButton>(c.name);
        ASSERT_NE(button, nullptr) << c.name;
        EXPECT_EQ(button->text(), c.caption) << c.name;
        if (c.tooltip) {
            EXPECT_EQ(button->toolTip(), c.tooltip) << c.name;
        }
    }
    const std::pair<const char*, const char*> tips[] = {
        {"Text2", "The lowest number of spins before a bet can be make."},
        {"Text3", "The highest number of spins before a bet can be make."},
        {"Text16", "The highest number of spins before a bet can be make."},
        {"Text17", "The lowest number of spins before a bet can be make."},
        {"cboWager", "Smallest wager you want to play"},
        {"cboSpins", "The amount of seconds required between spins."},
        {"cboSingle", "How many of these bets that will be shown at once."},
        {"Label41", "The table must allow you to bet this much on a SINGLE SPOT"},
        {"Casino", "Select or Create a Casino to store History Tracking of that Casino."},
        {"Command1", "Delete the selected casino"},
    };
    for (auto [name, tip] : tips) {
        auto* w = s.widget<QWidget>(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_EQ(w->toolTip(), tip) << name;
    }
    EXPECT_EQ(s.widget<QPushButton>("cmdMore")->text(), "More >>");
    EXPECT_EQ(s.widget<QPushButton>("Command1")->text(), "X");
    EXPECT_EQ(s.widget<QLabel>("Label1")->text(), "Configure Play Style and Press Start");
}

TEST(Panel, EvenBetsShowsItsThirdStateAndAClickOnGreyTicksAll) {
    Session s;
    auto* even = s.widget<QCheckBox>("chk7");
    s.click("chk7_2");
    EXPECT_EQ(even->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(s.form().chk[7].value, 2);
    s.click("chk7");
    EXPECT_EQ(even->checkState(), Qt::Checked);
    for (const char* sub : {"chk7_1", "chk7_2", "chk7_3"}) {
        EXPECT_TRUE(s.widget<QCheckBox>(sub)->isChecked()) << sub;
    }
    s.click("chk7");
    EXPECT_EQ(even->checkState(), Qt::Unchecked);
    EXPECT_FALSE(s.widget<QCheckBox>("chk7_1")->isChecked());
}

TEST(Panel, StyleOptionsEnableTheSingleNumberControls) {
    Session s;
    EXPECT_FALSE(s.widget<QCheckBox>("Chk8")->isEnabled());
    EXPECT_FALSE(s.widget<QComboBox>("cboSingle")->isEnabled());
    s.click("BetStyle3");
    EXPECT_TRUE(s.widget<QRadioButton>("BetStyle3")->isChecked());
    EXPECT_FALSE(s.widget<QRadioButton>("BetStyle1")->isChecked());
    EXPECT_TRUE(s.widget<QCheckBox>("Chk8")->isEnabled());
    EXPECT_TRUE(s.widget<QLineEdit>("Text16")->isEnabled());
    EXPECT_EQ(s.widget<QLabel>("Label35")->text(), "Total Risk: N/A");
    s.click("BetStyle2");
    EXPECT_TRUE(s.widget<QLabel>("Label35")->text().startsWith("Total Risk: "));
    EXPECT_NE(s.widget<QLabel>("Label35")->text(), "Total Risk: N/A");
    s.click("BetStyle1");
    EXPECT_FALSE(s.widget<QCheckBox>("Chk8")->isChecked());
    EXPECT_FALSE(s.widget<QCheckBox>("Chk8")->isEnabled());
    EXPECT_EQ(s.widget<QLabel>("Label35")->text(), "Total Risk: N/A");
}

TEST(Panel, ARandomBoxEnablesItsHighBoxAndLabel) {
    Session s;
    s.click("cmdMore");
    auto* random = s.widget<QCheckBox>("Check2");
    if (!random->isChecked()) s.click("Check2");
    EXPECT_TRUE(s.widget<QLineEdit>("Text5")->isEnabled());
    EXPECT_TRUE(s.widget<QLabel>("Label18")->isEnabled());
    s.click("Check2");
    EXPECT_FALSE(random->isChecked());
    EXPECT_FALSE(s.widget<QLineEdit>("Text5")->isEnabled());
    EXPECT_FALSE(s.widget<QLabel>("Label18")->isEnabled());
}

TEST(Panel, MinimumWagerAndConservativeBettingSetTheBalanceFigures) {
    Session s;
    ASSERT_TRUE(s.widget<QCheckBox>("Check8")->isChecked());
    s.choose("cboWager", "5");
    EXPECT_EQ(s.widget<QLabel>("Label12")->text(), "Minimum Balance:$500");
    EXPECT_EQ(s.widget<QLabel>("Label41")->text(), "$150 per spot");
    s.click("cmdMore");
    s.click("Check8");
    EXPECT_EQ(s.widget<QLabel>("Label12")->text(), "Minimum Balance:$1000");
    EXPECT_EQ(s.widget<QLabel>("Label41")->text(), "$335 per spot");
    s.choose("cboSpins", "7");
    EXPECT_EQ(s.state().SpinInterval, 7);
}

TEST(Panel, ANonNumericThresholdIsRefusedWhenTheBoxIsLeft) {
    Session s;
    s.click("cmdMore");
    s.type("Text4", "ten");
    ASSERT_EQ(s.dialogs.boxes.size(), 1u);
    EXPECT_EQ(s.dialogs.boxes[0].text, "Value must be numeric!");
    EXPECT_EQ(s.dialogs.boxes[0].title, "Brisvale");
    QApplication::processEvents();
    EXPECT_TRUE(s.widget<QLineEdit>("Text4")->hasFocus());
    // Text typed into a box stays while the box has the focus, even across a timer tick.
    s.widget<QLineEdit>("Text4")->setText("12");
    s.widget<QLineEdit>("Text4")->setModified(true);
    s.window->tick();
    EXPECT_EQ(s.widget<QLineEdit>("Text4")->text(), "12");
    s.board().setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(s.form().Text[4].text, "12");
    EXPECT_EQ(s.dialogs.boxes.size(), 1u);
}

TEST(Panel, MoreOpensTheAdvancedPanelAndLessClosesIt) {
    Session s;
    EXPECT_LE(s.window->height(), 223);
    EXPECT_EQ(s.window->width(), 809);
    s.click("cmdMore");
    EXPECT_EQ(s.window->height(), 374);
    EXPECT_TRUE(s.widget<QWidget>("AdvancedPanel")->isVisible());
    EXPECT_EQ(s.widget<QPushButton>("cmdMore")->text(), "<< Less");
    s.click("cmdMore");
    EXPECT_EQ(s.window->height(), 223);
    EXPECT_FALSE(s.widget<QWidget>("AdvancedPanel")->isVisible());
}

TEST(Panel, TheCollapsedWindowShowsItsWholeLeftColumn) {
    Session s;
    // A history long enough to scroll, beside the longest advice.
    PlayState& state = AdvisorTestAccess::state(*s.advisor);
    for (int n = 0; n <= 36; ++n) state.form.Text1.AddHistoryLine(n);
    state.form.Label1.caption = "Configure Play Style and Press Start";
    s.window->render();
    QApplication::processEvents();
    const QRect window = s.window->rect();
    for (const char* name : {"BetStyle1", "chk7_3", "Chk8", "cboWager", "Text18", "Casino",
                             "cmdMore", "Label1", "Text1"}) {
        QWidget* w = s.widget<QWidget>(name);
        const QRect r(w->mapTo(s.window.get(), QPoint(0, 0)), w->size());
        EXPECT_TRUE(window.contains(r)) << name;
        // Captions are shown whole.
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            EXPECT_GE(w->width(), w->fontMetrics().horizontalAdvance(button->text()) + 8) << name;
        } else if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w)) {
            EXPECT_GE(w->width(), w->minimumSizeHint().width()) << name;
        }
    }
    auto* advice = s.widget<QLabel>("Label1");
    EXPECT_GE(advice->height(), advice->heightForWidth(advice->width()));
    // The history scrolls, and colours its numbers as the board does.
    auto* history = s.widget<QListView>("Text1");
    EXPECT_TRUE(history->verticalScrollBar()->isVisible());
    EXPECT_GT(history->verticalScrollBar()->maximum(), 0);
    const QAbstractItemModel* rows = history->model();
    ASSERT_EQ(rows->rowCount(), 37);
    EXPECT_EQ(rows->index(0, 0).data().toString(), "     36");  // the newest on top
    EXPECT_EQ(rows->index(36, 0).data().toString(), "   0");
    const auto colour = [&](int row) {
        return rows->index(row, 0).data(Qt::ForegroundRole).value<QColor>();
    };
    EXPECT_GT(colour(0).red(), 150);          // 36 is red
    EXPECT_GT(colour(36).green(), 100);       // 0 is green
    EXPECT_EQ(colour(1), QColor(Qt::black));  // 35 is black
}

TEST(Panel, RenderingNeverActsForTheUser) {
    Session s;
    const auto settingsBefore = s.advisor->settings().values;
    // The core changes controls itself; drawing them must not run their handlers.
    PlayState& state = AdvisorTestAccess::state(*s.advisor);
    state.form.Text[4].text = "abc";
    state.form.BetStyle[1].value = false;
    state.form.BetStyle[3].value = true;
    state.form.chk[7].value = 2;
    state.form.cboWager.index = 9;
    s.window->render();
    QApplication::processEvents();
    EXPECT_TRUE(s.dialogs.boxes.empty());
    EXPECT_EQ(s.advisor->settings().values, settingsBefore);
    EXPECT_EQ(s.widget<QLineEdit>("Text4")->text(), "abc");
    EXPECT_TRUE(s.widget<QRadioButton>("BetStyle3")->isChecked());
    EXPECT_EQ(s.widget<QComboBox>("cboWager")->currentText(), "10");
    EXPECT_EQ(s.state().UnitWager(), 1);  // no list handler ran
}

TEST(Panel, ThePanelFollowsTheBackColour) {
    Session s;
    AdvisorTestAccess::state(*s.advisor).form.backColor = 192;
    s.window->render();
    const QPalette palette = s.window->centralWidget()->palette();
    EXPECT_EQ(palette.color(QPalette::Window), QColor(0xC0, 0x00, 0x00));
    EXPECT_TRUE(near(pixel(s.boardImage(), QPoint(3, 100)), QColor(0xC0, 0x00, 0x00)));
}

TEST(Panel, ANewCasinoIsNamedThroughTheInputBox) {
    Session s;
    s.dialogs.answers.push_back("Lucky Spin");
    s.choose("Casino", "New...");
    ASSERT_FALSE(s.dialogs.boxes.empty());
    EXPECT_EQ(s.dialogs.boxes.back().kind, "input");
    EXPECT_GE(s.widget<QComboBox>("Casino")->findText("Lucky Spin"), 0);
}

}  // namespace
}  // namespace brisvale::gui_test

namespace brisvale::gui_test {
namespace {

TEST(Panel, TwoRefusedBoxesDoNotHandTheFocusBackAndForth) {
    Session s;
    s.click("cmdMore");
    s.type("Text4", "ten");
    auto* other = s.widget<QLineEdit>("Text6");
    // The user leaves the refused box again (refused again) for another box and types a bad
    // value there before the focus is handed back.
    other->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(other, "x");
    EXPECT_EQ(s.dialogs.boxes.size(), 2u);
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    EXPECT_TRUE(s.widget<QLineEdit>("Text4")->hasFocus());
    EXPECT_EQ(s.dialogs.boxes.size(), 2u);
    // What was typed into the second box is kept, and checked when the user leaves it.
    s.window->tick();
    EXPECT_EQ(other->text().right(1), "x");
}

}  // namespace
}  // namespace brisvale::gui_test
