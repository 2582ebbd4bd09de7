// SPDX-License-Identifier: GPL-3.0-or-later
// Play > Read From Screen... on the real window, with the fake table's pictures in place of
// the screen: a number read is entered as a click and Submit (history, undo), the first five
// of a new region wait for Enter, and the region and the count are kept.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <deque>
#include <fstream>

#include "app/fake_table_look.hpp"
#include "app/region_overlay.hpp"
#include "app/table_reading.hpp"
#include "harness.hpp"

namespace brisvale::gui_test {
namespace {

using reading::DisplayKind;

// The fake table's disc, blank between results.
QImage disc(std::vector<int> numbers) {
    app::FakeFrame f;
    f.numbers = std::move(numbers);
    f.message = f.numbers.empty();
    return app::paintFakeFrame(f);
}

struct Screen {
    explicit Screen(app::TableReading& table) : reader(table.reader()) {
        reader.setSource([this](const reading::Region&) { return shown; });
    }
    // The display shows `picture` for two captures, as long as the hold asks.
    void show(const QImage& picture) {
        shown = picture;
        reader.capture();
        reader.capture();
    }
    app::ScreenReader& reader;
    QImage shown = disc({});
};

const reading::Region kRegion{100, 100, 80, 72, DisplayKind::Result, reading::NewestEnd::Left};

TEST(ReadFromScreen, EntersANumberReadAsAClickAndSubmit) {
    Session s;
    // A window opened where a region was chosen and confirmed before.
    std::filesystem::create_directories(app::TableReading::confPath().parent_path());
    std::ofstream(app::TableReading::confPath()) << "run.region: 100,100,80,72,result\r\n"
                                                 << "run.confirmed: 5\r\n";
    s.window = std::make_unique<app::MainWindow>(*s.advisor);
    app::TableReading& table = *s.window->tableReading();
    ASSERT_EQ(table.region(), kRegion);
    EXPECT_FALSE(table.confirming());
    Screen screen(table);
    s.core("chk6=1 Text18=1000 Button1 wait");
    screen.show(disc({}));
    screen.show(disc({19}));
    EXPECT_EQ(s.state().TotalSpins, 1);
    EXPECT_EQ(s.form().historyBox.number(0), 19);
    EXPECT_EQ(s.window->action("mnuUndo")->text(), "Undo Spin 19");
    EXPECT_EQ(s.widget<QLabel>("ReadingIndicator")->text(), "Reading: 19");
    // The same number after a blank is a new spin, taken once the spin interval is over.
    screen.show(disc({}));
    screen.show(disc({19}));
    EXPECT_EQ(s.state().TotalSpins, 1);
    s.waitSpinInterval();
    QTest::qWait(3 * app::ScreenReader::kCaptureMs);
    EXPECT_EQ(std::tuple(s.state().TotalSpins, s.form().historyBox.number(0)), std::tuple(2, 19));
    // Undo takes it back as it takes back a click.
    s.menu("mnuUndo");
    EXPECT_EQ(s.state().TotalSpins, 1);
}

TEST(ReadFromScreen, ANewRegionProposesItsFirstNumbersAndKeepsWhatWasConfirmed) {
    Session s;
    app::TableReading& table = *s.window->tableReading();
    EXPECT_FALSE(s.window->action("mnuStopReading")->isEnabled());
    // The overlay's answer: a rectangle dragged, the kind chosen.
    auto* overlay = new app::RegionOverlay(
        std::nullopt, [&](std::optional<reading::Region> r) { table.setRegion(r); });
    overlay->select({100, 100}, {179, 171});
    EXPECT_TRUE(overlay->choicePanel()->isVisibleTo(overlay));
    overlay->finish(true);
    ASSERT_EQ(table.region(), kRegion);
    EXPECT_TRUE(s.window->action("mnuStopReading")->isEnabled() && table.confirming());
    Screen screen(table);
    s.core("chk6=1 Text18=1000 Button1 wait");
    screen.show(disc({}));
    screen.show(disc({7}));
    // Chosen on the board, not entered.
    EXPECT_EQ(std::tuple(s.state().TotalSpins, s.state().SpinPending, s.state().SpinNumber),
              std::tuple(0, true, 7));
    s.activate();
    QTest::keyClick(s.window.get(), Qt::Key_Return);
    QTest::qWait(2 * app::ScreenReader::kCaptureMs);
    EXPECT_EQ(s.state().TotalSpins, 1);
    std::ifstream conf(app::TableReading::confPath());
    const std::string kept((std::istreambuf_iterator<char>(conf)), {});
    EXPECT_NE(kept.find("run.region: 100,100,80,72,result"), std::string::npos) << kept;
    EXPECT_NE(kept.find("run.confirmed: 1"), std::string::npos) << kept;
    s.menu("mnuStopReading");
    EXPECT_FALSE(table.region());
}

}  // namespace
}  // namespace brisvale::gui_test
