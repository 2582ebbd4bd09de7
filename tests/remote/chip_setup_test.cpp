#include "remote/chip_setup.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "play/advisor.hpp"
#include "remote/remote_text.hpp"
#include "support/files.hpp"
#include "support/ports.hpp"

namespace brisvale {
namespace {

TEST(ChipSetup, ValuesAControlCannotTakeBecomeTheNearestThatWorksWithANote) {
    struct Case {
        std::int16_t RemoteSettings::*item;
        std::int16_t given;
        int ChipSetup::*field;  // or, for the label, the label's field
        int StakeLabel::*labelField;
        int used;
    };
    const Case cases[] = {
        {&RemoteSettings::chipAppearance, -1, &ChipSetup::appearance, nullptr, 0},
        {&RemoteSettings::chipAppearance, 3, &ChipSetup::appearance, nullptr, 1},
        {&RemoteSettings::chipBorderStyle, 2, &ChipSetup::borderStyle, nullptr, 1},
        {&RemoteSettings::chipWidth, -375, &ChipSetup::width, &StakeLabel::width, 375},
        {&RemoteSettings::chipHeight, 0, &ChipSetup::height, &StakeLabel::height, 375},
        {&RemoteSettings::labelAlignment, -2, nullptr, &StakeLabel::alignment, 0},
        {&RemoteSettings::labelAlignment, 3, nullptr, &StakeLabel::alignment, 2},
        {&RemoteSettings::labelFontSize, 0, nullptr, &StakeLabel::fontSize, 1},
        {&RemoteSettings::labelFontSize, -9, nullptr, &StakeLabel::fontSize, 1},
        {&RemoteSettings::labelFontSize, 73, nullptr, &StakeLabel::fontSize, 72},
    };
    for (const Case& c : cases) {
        RemoteSettings rs = builtInRemoteSettings();
        rs.*c.item = c.given;
        const ChipSetup s = chipSetup(rs);
        SCOPED_TRACE(c.given);
        if (c.field) {
            EXPECT_EQ(s.*c.field, c.used);
        }
        if (c.labelField) {
            EXPECT_EQ(s.label.*c.labelField, c.used);
        }
        ASSERT_EQ(s.notes.size(), 1u);
        EXPECT_NE(s.notes[0].find(std::to_string(c.given)), std::string::npos) << s.notes[0];
    }
}

// Start-up gives every chip the site's look, and the debug log, off as it is, says what the
// site sent that could not be used.
TEST(ChipSetup, StartUpSetsUpEveryChipAndLogsWhatItChanged) {
    testing::MapFetcher site;
    std::vector<std::string> values = test::siteValues();
    values[11] = "0";  // font size
    site.files["http://vendor.example/firewall.html"] = "ok";
    site.files["http://vendor.example/settings15.html"] = test::oneLine(values);
    testing::TempDir dir;
    testing::FakeClock clock;
    SeededRandom random(1);
    testing::FakeDialogs boxes;
    testing::FakeBrowser pages;
    Advisor advisor(Ports{boxes, pages, clock, random, &site});
    advisor.userOpenWindow({dir.path, false, "vendor.example"});

    for (const Chip& chip : advisor.form().chips) {
        const StakeLabel& l = chip.label;
        ASSERT_EQ((std::vector{chip.appearance, chip.borderStyle, l.top, l.left, l.width, l.height,
                               l.alignment, l.fontSize}),
                  (std::vector{1, 1, 70, 40, 400, 410, 1, 1}));
    }
    std::ifstream log(dir.path / "debug.txt");
    const std::string logged{std::istreambuf_iterator<char>(log), {}};
    EXPECT_NE(logged.find("item 11"), std::string::npos) << logged;
}

}  // namespace
}  // namespace brisvale
