// Whole runs through the window: the user's clicks on the real widgets, the advice in the
// window's widgets and on the board.

#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>
#include <climits>

#include "harness.hpp"

namespace brisvale::gui_test {
namespace {

QPoint twips(int left, int top) {
    return {left / 15, top / 15};
}

QString labelText(Session& s, const char* name) {
    return s.widget<QLabel>(name)->text();
}

QColor windowBack(Session& s) {
    return s.window->centralWidget()->palette().color(QPalette::Window);
}

// The chip image whose colour a pixel shows: chips are see-through, so the board beneath tints
// them, but each stays nearest its own family colour.
int chipImageAt(const QImage& image, QPoint at) {
    const QColor c = pixel(image, at);
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i : {1, 2, 3, 4, 5, 9}) {
        const QColor f = QColor::fromRgb(imageColor(i));
        const int d = std::abs(c.red() - f.red()) + std::abs(c.green() - f.green()) +
                      std::abs(c.blue() - f.blue());
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

// Enters a number by clicking its cell and pressing Button1, then lets the interval run out.
void spin(Session& s, int number) {
    s.clickCell(number);
    s.pressButton1();
    s.waitSpinInterval();
}

TEST(ClassicRun, FirstBetThenALossThenAWin) {
    Session s;
    lowThresholds(s, 1);
    s.click("chk7_1");  // Red/Black only
    EXPECT_EQ(s.widget<QCheckBox>("chk7")->checkState(), Qt::PartiallyChecked);
    s.type("Text18", "1000");
    s.pressButton1();
    EXPECT_EQ(s.widget<QPushButton>("Button1")->text(), "Submit");
    EXPECT_EQ(labelText(s, "Label1"), "Spin Only");
    EXPECT_FALSE(s.widget<QLineEdit>("Text18")->isEnabled());
    s.waitSpinInterval();

    // A black number: every red number has slept one spin, and the threshold is 1.
    spin(s, 2);
    EXPECT_EQ(labelText(s, "Label1"), "Bet $1 on Red");
    EXPECT_EQ(windowBack(s), QColor(0x80, 0xFF, 0x80));
    const Chip& chip = s.form().chips[0];
    ASSERT_TRUE(chip.visible);
    EXPECT_EQ(chip.left, 4650);
    EXPECT_EQ(chip.top, 1600);
    // The chip lies on Red's spot in the Classic colour, with its stake.
    const QImage image = s.boardImage();
    EXPECT_EQ(chipImageAt(image, twips(4650 + 60, 1600 + 187)), board::kImageOther);
    EXPECT_EQ(chip.caption, "1");
    // Hovering names the chip's bet and stake; elsewhere the board says how to enter a spin.
    const auto hover = [&](QPoint at) {
        QHelpEvent help(QEvent::ToolTip, at, s.board().mapToGlobal(at));
        QApplication::sendEvent(&s.board(), &help);
        const QString text = QToolTip::text();
        QToolTip::hideText();
        return text;
    };
    EXPECT_EQ(hover(s.board().chipCenter(0)), "Bet 1 on Red");
    EXPECT_EQ(hover(s.board().cellCenter(20)), "Click a number or type it; Enter submits");

    // A loss: the next stake of the sequence 1, 2, 4, ... and one dollar gone.
    spin(s, 4);
    EXPECT_EQ(labelText(s, "Label1"), "Bet $2 on Red");
    EXPECT_EQ(s.widget<QLineEdit>("Text18")->text(), "999");
    EXPECT_EQ(s.form().chips[0].caption, "2");

    // A win on red: two dollars won, the bet closed, the chip gone, the panel back to normal.
    spin(s, 1);
    EXPECT_EQ(s.widget<QLineEdit>("Text18")->text(), "1001");
    EXPECT_EQ(s.state().Wins, 1);
    EXPECT_FALSE(s.form().chips[0].visible);
    EXPECT_EQ(windowBack(s), QColor(0xF0, 0xF0, 0xF0));
    // The title is the caption, exactly: no display name for the window system to append.
    EXPECT_EQ(s.window->windowTitle().toStdString(), s.form().caption);
    EXPECT_TRUE(s.window->windowTitle().endsWith("Wins: 1 "));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    // The history box lists the spins newest first: red indented five, black not at all.
    EXPECT_EQ(s.historyRows(), (QStringList{"     1", "4", "2"}));
}

TEST(ClassicRun, TheSpinIntervalDisablesButton1AndBlinksTheAdvice) {
    Session s;
    s.click("chk7_1");
    s.type("Text18", "500");
    s.pressButton1();
    auto* button = s.widget<QPushButton>("Button1");
    auto* advice = s.widget<QLabel>("Label1");
    EXPECT_FALSE(button->isEnabled());
    s.clock.now += 1000;
    s.window->tick();
    EXPECT_TRUE(advice->isHidden());
    s.clock.now += 1000;
    s.window->tick();
    EXPECT_FALSE(advice->isHidden());
    s.waitSpinInterval();
    EXPECT_TRUE(button->isEnabled());
    EXPECT_FALSE(advice->isHidden());
}

TEST(ClassicRun, StartIsRefusedWithTheCoresMessages) {
    Session s;
    s.pressButton1();
    ASSERT_EQ(s.dialogs.boxes.size(), 1u);
    EXPECT_EQ(s.dialogs.boxes[0].text, "Play Style is not properly set up");
    EXPECT_EQ(s.dialogs.boxes[0].title, "Brisvale");
    s.click("chk6");
    s.type("Text18", "lots");
    s.pressButton1();
    ASSERT_EQ(s.dialogs.boxes.size(), 2u);
    EXPECT_EQ(s.dialogs.boxes[1].text, "Enter numbers only.");
    QApplication::processEvents();
    // The balance box is emptied and gets the focus back.
    EXPECT_EQ(s.widget<QLineEdit>("Text18")->text(), "");
    EXPECT_TRUE(s.widget<QLineEdit>("Text18")->hasFocus());
    EXPECT_EQ(s.widget<QPushButton>("Button1")->text(), "Start");
}

TEST(ClassicRun, SubmitWithoutANumberAsksForOne) {
    Session s;
    s.click("chk6");
    s.type("Text18", "100");
    s.pressButton1();
    s.waitSpinInterval();
    s.pressButton1();
    ASSERT_FALSE(s.dialogs.boxes.empty());
    EXPECT_EQ(s.dialogs.boxes.back().text, "Select a Number!");
}

class SuperRun : public ::testing::Test {
  protected:
    void SetUp() override {
        s.click("BetStyle3");
        lowThresholds(s, 8);
        s.click("cmdMore");
        for (const char* list :
             {"cboDozen", "cboLine", "cboCorner", "cboTrio", "cboSplit", "cboSingle"}) {
            s.choose(list, "2");
        }
        EXPECT_EQ(labelText(s, "Label35"), "Total Risk: 12 Chips");
        s.click("cmdMore");
        for (const char* box : {"chk6", "chk2", "chk3", "chk4", "chk5", "Chk8"}) {
            if (!s.widget<QCheckBox>(box)->isChecked()) s.click(box);
        }
        s.type("Text18", "1000");
        s.pressButton1();
        EXPECT_EQ(s.state().Balance, 1000);
        s.waitSpinInterval();
        for (int n : {5, 30, 11}) spin(s, n);
    }

    std::vector<int> shownChips() const {
        std::vector<int> out;
        for (int i = 0; i < board::kChipCount; ++i) {
            if (s.form().chips[static_cast<std::size_t>(i)].visible) out.push_back(i);
        }
        return out;
    }

    Session s;
};

TEST_F(SuperRun, ShowsSeveralChipsInTheirFamilyColours) {
    const auto chips = shownChips();
    ASSERT_GE(chips.size(), 4u);
    const QImage image = s.boardImage();
    std::set<int> images;
    const auto covers = [&](const Chip& chip, QPointF at) {
        const QPointF c((chip.left + 187.5) / 15, (chip.top + 187.5) / 15);
        const QPointF d = at - c;
        return d.x() * d.x() + d.y() * d.y() <= 12.5 * 12.5;
    };
    int checked = 0;
    for (int i : chips) {
        const Chip& chip = s.form().chips[static_cast<std::size_t>(i)];
        images.insert(chip.image);
        // Each chip is drawn where the Form puts it, in its image's colour, probed left of
        // its stake figure where no later chip lies over it.
        const QPoint probe = twips(chip.left + 60, chip.top + 187);
        bool covered = false;
        for (int j : chips) {
            if (j > i)
                covered = covered || covers(s.form().chips[static_cast<std::size_t>(j)], probe);
        }
        if (covered) continue;
        ++checked;
        EXPECT_EQ(chipImageAt(image, probe), chip.image) << "chip " << i;
    }
    EXPECT_GE(checked, 3);
    EXPECT_GE(images.size(), 3u);
}

TEST_F(SuperRun, ClickingASingleNumberChipEntersItsNumber) {
    int single = -1;
    for (int i : shownChips()) {
        if (s.form().chips[static_cast<std::size_t>(i)].tooltip.find("Single") !=
            std::string::npos) {
            single = i;
        }
    }
    ASSERT_GE(single, 0) << "no single-number chip shown";
    const Chip chip = s.form().chips[static_cast<std::size_t>(single)];
    const int number = std::stoi(chip.tooltip.substr(chip.tooltip.find("Single") + 6));
    s.clickChip(single);
    EXPECT_TRUE(s.state().SpinPending);
    EXPECT_EQ(s.state().SpinNumber, number);
    EXPECT_EQ(s.form().marker.left, chip.left + 30);
    EXPECT_EQ(s.form().marker.top, chip.top);
}

// A click on any other chip goes to the number beneath the pointer.
TEST_F(SuperRun, AClickOnASplitChipEntersTheNumberBeneathIt) {
    int checked = 0;
    for (int i : shownChips()) {
        const Chip& chip = s.form().chips[static_cast<std::size_t>(i)];
        if (chip.tooltip.find("Split") == std::string::npos) continue;
        const QPoint centre = s.board().chipCenter(i);
        for (QPoint step : {QPoint(-7, 0), QPoint(7, 0), QPoint(0, -7), QPoint(0, 7)}) {
            const QPoint at = centre + step;
            // Only points well inside one number's cell and on no single-number chip.
            int number = -1;
            for (int n = 1; n <= 36; ++n) {
                const Rect r = s.form().board.cell(n);
                if (QRect(r.left / 15 + 2, r.top / 15 + 2, r.width / 15 - 4, r.height / 15 - 4)
                        .contains(at)) {
                    number = n;
                }
            }
            if (number < 0 || s.board().hitAt(at).kind != app::BoardWidget::Hit::Kind::Cell) {
                continue;
            }
            QTest::mouseClick(&s.board(), Qt::LeftButton, {}, at);
            EXPECT_TRUE(s.state().SpinPending);
            EXPECT_EQ(s.state().SpinNumber, number) << chip.tooltip;
            ++checked;
        }
    }
    EXPECT_GE(checked, 2);
}

TEST_F(SuperRun, FlippingMovesTheShownChipsInOneGo) {
    const auto before = shownChips();
    s.flip();
    EXPECT_EQ(shownChips(), before);
    for (int i : before) {
        const Chip& chip = s.form().chips[static_cast<std::size_t>(i)];
        EXPECT_EQ(chipSpot(static_cast<BetId>(chip.bet), true),
                  std::optional<Point>(Point{chip.left, chip.top}));
    }
}

}  // namespace
}  // namespace brisvale::gui_test
