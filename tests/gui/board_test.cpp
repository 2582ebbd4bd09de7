// The board and the window's picture: what a click at a point goes to, and pixel checks of
// what is drawn.

#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include "app/chip_look.hpp"
#include "harness.hpp"
#include "support/advisor_test_access.hpp"

namespace brisvale::gui_test {
namespace {

const QColor kRed(0xFF, 0, 0), kBlack(0, 0, 0), kGreen(0, 0xC0, 0);

// Points in twips worked out by hand from the layout, and what a click there enters in each
// view (-1: nothing). A click is a press and a release on the same thing.
TEST(Board, AClickEntersTheNumberUnderThePointer) {
    const int points[][4] = {
        {6630 + 60, 270 + 60, 1, 36},     {6630 + 480, 930 + 270, 3, 34},
        {3930 + 60, 600 + 60, 17, 20},    {690 + 480, 930 + 270, 36, 1},
        {7170 + 270, 270 + 800, 0, -1},                         // the tall zero cell
        {150 + 270, 270 + 170, -1, 0},                          // Row 1, flipped: zero
        {3930 + 500, 1590 + 170, -1, -1}, {300, 2200, -1, -1},  // Red; the frame
    };
    for (const bool flipped : {false, true}) {
        Session s;
        if (flipped) s.clickAt(s.board().flipCenter());
        ASSERT_EQ(s.form().board.BoardFlipped(), flipped);
        for (const auto& p : points) {
            AdvisorTestAccess::state(*s.advisor).SpinPending = false;
            s.clickAt(twips(p[0], p[1]));
            EXPECT_EQ(s.state().SpinPending ? s.state().SpinNumber : -1, p[flipped ? 3 : 2])
                << p[0] << "," << p[1] << (flipped ? " flipped" : "");
        }
        AdvisorTestAccess::state(*s.advisor).SpinPending = false;
        const QPoint one = s.board().cellCenter(1), two = s.board().cellCenter(2);
        QTest::mousePress(&s.board(), Qt::LeftButton, {}, one);
        QTest::mouseRelease(&s.board(), Qt::LeftButton, {}, two);
        QTest::mousePress(&s.board(), Qt::LeftButton, {}, s.board().flipCenter());
        QTest::mouseRelease(&s.board(), Qt::LeftButton, {}, one);
        EXPECT_FALSE(s.state().SpinPending);
        EXPECT_EQ(s.form().board.BoardFlipped(), flipped);
        QTest::mousePress(&s.board(), Qt::LeftButton, {}, two);
        QTest::mouseRelease(&s.board(), Qt::LeftButton, {}, two + QPoint(3, 3));
        EXPECT_EQ(s.state().SpinPending ? s.state().SpinNumber : -1, 2);
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
            EXPECT_EQ(s.state().SpinNumber,
                      std::stoi(chip.tooltip.substr(chip.tooltip.size() - 2)));
            EXPECT_EQ(s.form().marker.left, chip.left + 30);
            ++singles;
            continue;
        }
        for (const QPoint step : {QPoint(-7, 0), QPoint(7, 0), QPoint(0, -7), QPoint(0, 7)}) {
            const QPoint at = s.board().chipCenter(i) + step;
            const auto hit = s.board().hitAt(at);
            const Rect r = s.form().board.cell(hit.index);
            // Only points well inside one number's cell and on no single-number chip.
            if (hit.kind != app::BoardWidget::Hit::Kind::Cell || hit.index > 36 ||
                !QRect(r.left / 15 + 2, r.top / 15 + 2, r.width / 15 - 4, r.height / 15 - 4)
                     .contains(at))
                continue;
            s.clickAt(at);
            EXPECT_EQ(s.state().SpinNumber, hit.index) << chip.tooltip;
            ++beneath;
        }
    }
    EXPECT_EQ(singles, 2);
    EXPECT_GE(beneath, 2);
}

// The smoke test: the printed oval keeps the number's colour; the strip along the cell's right
// edge shows the cell's back colour, red for every number until the first flip; the cloth is
// green; the panel takes the window's back colour.
TEST(BoardPicture, Colours) {
    Session s;
    const auto at = [&](int number, int dx) {
        const Rect r = s.form().board.cell(number);
        return twips(dx < 0 ? r.left + r.width + dx : r.left + dx, r.top + r.height / 2);
    };
    for (const bool flipped : {false, true}) {
        const QImage image = s.boardImage();
        for (const int n : {1, 2, 9, 10}) {
            const QColor own = n == 1 || n == 9 ? kRed : kBlack;
            EXPECT_TRUE(near(pixel(image, at(n, 90)), own)) << n << flipped;
            EXPECT_TRUE(near(pixel(image, at(n, -30)), flipped ? own : kRed)) << n << flipped;
        }
        EXPECT_TRUE(near(pixel(image, at(0, 60)), kGreen)) << flipped;
        s.clickAt(s.board().flipCenter());
    }
    AdvisorTestAccess::state(*s.advisor).form.backColor = 192;
    s.window->render();
    EXPECT_TRUE(near(pixel(s.boardImage(), QPoint(3, 100)), QColor(0xC0, 0, 0)));
}

// One chip drawn alone on grey: where its white figures lie, and its edge.
TEST(BoardPicture, ChipsAndStakesLookAsTheirFormSays) {
    const auto draw = [](const Chip& chip) {
        QImage image(35, 35, QImage::Format_ARGB32);
        image.fill(Qt::gray);
        QPainter p(&image);
        const app::ChipLook look = app::chipLook(Form{}, chip);
        app::paintChipDisc(p, look);
        app::paintChipLabel(p, look, QString::fromStdString(chip.caption));
        return image;
    };
    const auto figures = [&](const Chip& chip) {
        const QImage image = draw(chip);
        QRect out;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (near(image.pixelColor(x, y), Qt::white, 60)) out |= QRect(x, y, 1, 1);
            }
        }
        return out;
    };
    Chip chip;
    chip.left = chip.top = 75;
    chip.caption = "7";
    const QRect plain = figures(chip);
    chip.label.fontSize = 14;
    const QRect centred = figures(chip);
    chip.label.alignment = AlignLeft;
    const QRect left = figures(chip);
    EXPECT_GT(centred.height(), plain.height() + 3);  // 14 points against 9
    EXPECT_LT(left.left(), std::min(10, centred.left() - 2));
    EXPECT_LT(left.right(), centred.right() - 2);
    EXPECT_FALSE(near(draw(chip).pixelColor(5, 17), Qt::black, 40));
    chip.borderStyle = 1;  // a fixed single border is a black outline
    EXPECT_TRUE(near(draw(chip).pixelColor(5, 17), Qt::black, 40));
    chip.appearance = 1;  // a raised chip is lit from the top left
    chip.caption.clear();
    EXPECT_GT(draw(chip).pixelColor(6, 17).lightness(),
              draw(chip).pixelColor(28, 17).lightness() + 100);
}

// A Classic bet: hover texts, the title, the blinking advice, and the
// history box that scrolls and colours its numbers, newest on top, in a left column that fits.
TEST(Window, ABetAsTheWindowShowsIt) {
    Session s;
    s.core("chk7_1=1 Check1=1 Text3=1 Text2=1 Check1=0 Text18=1000 Button1 wait @2 Button1");
    ASSERT_EQ(s.form().Label1.caption, "Bet $1 on Red");
    const auto hover = [&](QPoint at) {
        QHelpEvent help(QEvent::ToolTip, at, s.board().mapToGlobal(at));
        QApplication::sendEvent(&s.board(), &help);
        return QToolTip::text();
    };
    EXPECT_EQ(hover(s.board().chipCenter(0)), "Bet 1 on Red");
    EXPECT_EQ(hover(s.board().cellCenter(20)), "Click a number or type it; Enter submits");
    QToolTip::hideText();
    s.clock.now += 1000;
    s.window->tick();
    // The title is the caption exactly: no display name for the window system to append.
    EXPECT_EQ(s.window->windowTitle().toStdString(), s.form().caption);
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    EXPECT_TRUE(s.widget("Label1")->isHidden());
    EXPECT_FALSE(s.widget("Button1")->isEnabled());
    for (int n = 0; n <= 36; ++n) AdvisorTestAccess::state(*s.advisor).form.Text1.AddHistoryLine(n);
    s.window->render();
    QApplication::processEvents();
    for (const char* name :
         {"BetStyle1", "chk7_3", "Chk8", "Text18", "Casino", "cmdMore", "Text1"}) {
        const QWidget* w = s.widget(name);
        EXPECT_TRUE(s.window->rect().contains(QRect(w->mapTo(s.window.get(), QPoint()), w->size())))
            << name;
    }
    auto* history = s.widget<QListView>("Text1");
    EXPECT_TRUE(history->verticalScrollBar()->isVisible());
    const auto row = [&](int i) { return history->model()->index(i, 0); };
    EXPECT_EQ(row(0).data().toString(), "     36");
    EXPECT_GT(row(0).data(Qt::ForegroundRole).value<QColor>().red(), 150);          // 36 is red
    EXPECT_EQ(row(1).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));  // 35
    EXPECT_GT(row(36).data(Qt::ForegroundRole).value<QColor>().green(), 100);       // 0 is green
}

}  // namespace
}  // namespace brisvale::gui_test
