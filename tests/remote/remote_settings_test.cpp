#include "remote/remote_settings.hpp"

#include <gtest/gtest.h>

#include "remote/remote_text.hpp"

namespace brisvale {
namespace {

using test::oneLine;
using test::onePerLine;
using test::siteValues;

void expectSiteFields(const RemoteSettings& s) {
    EXPECT_EQ(s.messageText, "Cannot apply settings.");
    EXPECT_EQ(s.messageTitle, "Site Title");
    EXPECT_EQ(s.messageAddress, "www.vendor.example/help");
    EXPECT_EQ(s.chipAppearance, 1);
    EXPECT_EQ(s.chipBorderStyle, 1);
    EXPECT_EQ(s.chipWidth, 400);
    EXPECT_EQ(s.chipHeight, 410);
    EXPECT_EQ(s.labelTop, 70);
    EXPECT_EQ(s.labelLeft, 40);
    EXPECT_EQ(s.labelAlignment, 1);
    EXPECT_EQ(s.labelFontSize, 10);
    EXPECT_EQ(s.picture4Width, 1200);
    EXPECT_EQ(s.picture4Height, 900);
    EXPECT_EQ(s.picture4Top, 1400);
    EXPECT_EQ(s.picture4Left, 2800);
    EXPECT_EQ(s.windowWidth, 70000);
    EXPECT_EQ(s.windowHeight, 4000);
    EXPECT_EQ(s.markerHeight, 320);
    EXPECT_EQ(s.markerWidth, 330);
    EXPECT_EQ(s.settingsFile, "site-settings.txt");
    EXPECT_EQ(s.wageringFile, "site-wagering.txt");
    EXPECT_EQ(s.appTitle, "Site Title");
    EXPECT_EQ(s.instructionsAddress, "www.vendor.example/guide");
    EXPECT_EQ(s.items[3], "unused3");
    EXPECT_EQ(s.items[21], "unused21");
    EXPECT_EQ(s.items[34], "u34");
}

TEST(RemoteSettings, EveryLayoutGivesTheSameValues) {
    const auto values = siteValues();
    for (const std::string& text : {oneLine(values), onePerLine(values, "\r\n"),
                                    onePerLine(values, "\n"), onePerLine(values, "\r")}) {
        SCOPED_TRACE(text.substr(0, 60));
        const ParseResult result = parseRemoteSettings(text);
        ASSERT_TRUE(result.ok()) << result.error;
        EXPECT_TRUE(result.error.empty());
        expectSiteFields(*result.settings);
    }
}

TEST(RemoteSettings, ValueTextRules) {
    struct Case {
        std::string written;
        std::string value;
    };
    const std::vector<Case> cases = {
        {"Line one& CrLf &Line two", "Line one\r\nLine two"},
        {"A& CrLf && CrLf &B", "A\r\n\r\nB"},
        {"Bris=vale", "Bris"},
        {"=after", ""},
        {"", ""},
        {"  padded  ", "  padded  "},
        {"&CrLf&", "&CrLf&"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written);
        auto values = siteValues();
        values[1] = c.written;
        values[24] = c.written;
        const ParseResult result = parseRemoteSettings(onePerLine(values, "\r\n"));
        ASSERT_TRUE(result.ok()) << result.error;
        EXPECT_EQ(result.settings->messageTitle, c.value);
        EXPECT_EQ(result.settings->appTitle, c.value);
        EXPECT_EQ(result.settings->items[1], c.value);
    }
}

TEST(RemoteSettings, LineBreaksOfTheFileAreDroppedInsideValues) {
    auto values = siteValues();
    values[0] = "first half\r\nsecond half";
    const ParseResult result = parseRemoteSettings(oneLine(values));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.settings->messageText, "first halfsecond half");
}

TEST(RemoteSettings, ShortTextFailsButKeepsTheMessageItemsItReached) {
    const auto all = siteValues();
    struct Case {
        std::size_t items;
        bool hasText, hasTitle, hasAddress;
    };
    for (const Case& c : {Case{34, true, true, true}, Case{3, true, true, true},
                          Case{2, true, true, false}, Case{1, true, false, false}}) {
        SCOPED_TRACE(c.items);
        const std::vector<std::string> values(all.begin(),
                                              all.begin() + static_cast<long>(c.items));
        const ParseResult result = parseRemoteSettings(onePerLine(values, "\r\n"));
        EXPECT_FALSE(result.ok());
        EXPECT_FALSE(result.error.empty());
        EXPECT_EQ(result.messageText.has_value(), c.hasText);
        EXPECT_EQ(result.messageTitle.has_value(), c.hasTitle);
        EXPECT_EQ(result.messageAddress.has_value(), c.hasAddress);
        if (c.hasTitle) {
            EXPECT_EQ(*result.messageTitle, "Site Title");
        }
    }
}

TEST(RemoteSettings, TextWithoutItemsFails) {
    for (const std::string text : {"", "\r\n", "<html><body>Not found</body></html>"}) {
        SCOPED_TRACE(text);
        const ParseResult result = parseRemoteSettings(text);
        EXPECT_FALSE(result.ok());
        EXPECT_FALSE(result.messageTitle);
        EXPECT_FALSE(result.messageAddress);
    }
}

TEST(RemoteSettings, AnItemWithoutEqualsFails) {
    auto text = oneLine(siteValues());
    const std::string item = "Item10=1";
    text.replace(text.find(item), item.size(), "Item10 1");
    const ParseResult result = parseRemoteSettings(text);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.messageText, "Cannot apply settings.");
}

TEST(RemoteSettings, ItemsAfterTheLastAreIgnored) {
    auto values = siteValues();
    const std::string text = onePerLine(values, "\r\n");
    for (const std::string& longer : {text + "---\r\n", text + "---Extra=1---no equals"}) {
        const ParseResult result = parseRemoteSettings(longer);
        ASSERT_TRUE(result.ok()) << result.error;
        expectSiteFields(*result.settings);
    }
}

TEST(RemoteSettings, NumberFields) {
    struct Case {
        std::size_t item;
        std::string written;
        bool accepted;
        std::int64_t value;
    };
    const std::vector<Case> cases = {
        {6, "375", true, 375},
        {6, "  375 ", true, 375},
        {6, "+12", true, 12},
        {8, "-32768", true, -32768},
        {8, "32767", true, 32767},
        {8, "32768", false, 0},
        {8, "-32769", false, 0},
        {6, "", false, 0},
        {6, "abc", false, 0},
        {6, "12.5", false, 0},
        {6, "1 2", false, 0},
        {6, "0x10", false, 0},
        {6, "-", false, 0},
        {6, "12px", false, 0},
        {15, "99999999999999999999", false, 0},
        {16, "70000", true, 70000},
        {17, "2147483647", true, 2147483647},
        {19, "-2147483648", true, -2147483648LL},
        {18, "2147483648", false, 0},
        {19, "3350 twips", false, 0},
        {4, "\t0\t", true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.item) + " '" + c.written + "'");
        auto values = siteValues();
        values[c.item] = c.written;
        const ParseResult result = parseRemoteSettings(oneLine(values));
        ASSERT_EQ(result.ok(), c.accepted) << result.error;
        if (!c.accepted) {
            EXPECT_EQ(result.messageText, "Cannot apply settings.");
            EXPECT_EQ(result.messageTitle, "Site Title");
            EXPECT_EQ(result.messageAddress, "www.vendor.example/help");
            continue;
        }
        const RemoteSettings& s = *result.settings;
        const std::int64_t got = c.item == 6    ? s.chipWidth
                                 : c.item == 8  ? s.labelTop
                                 : c.item == 4  ? s.chipAppearance
                                 : c.item == 16 ? s.windowWidth
                                 : c.item == 17 ? s.windowHeight
                                                : s.markerWidth;
        EXPECT_EQ(got, c.value);
    }
}

TEST(RemoteSettings, TextItemsAreNeverCheckedAsNumbers) {
    auto values = siteValues();
    for (std::size_t item : {0u, 1u, 2u, 3u, 20u, 21u, 22u, 23u, 24u, 25u, 34u}) {
        values[item] = "not a number";
    }
    EXPECT_TRUE(parseRemoteSettings(oneLine(values)).ok());
}

TEST(BuiltInRemoteSettings, HoldTheWindowDesign) {
    const ParseResult parsed = parseRemoteSettings(builtInRemoteSettingsText());
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    const RemoteSettings& s = builtInRemoteSettings();
    EXPECT_EQ(s.items, parsed.settings->items);
    EXPECT_EQ(s.appTitle, "Brisvale");
    EXPECT_EQ(s.instructionsAddress, "");  // the guide ships with the program
    EXPECT_EQ(s.chipAppearance, 0);
    EXPECT_EQ(s.chipBorderStyle, 0);
    EXPECT_EQ(s.chipWidth, 375);
    EXPECT_EQ(s.chipHeight, 375);
    EXPECT_EQ(s.labelLeft, 30);
    EXPECT_EQ(s.labelTop, 60);
    EXPECT_EQ(s.labelAlignment, 2);
    EXPECT_EQ(s.labelFontSize, 9);
    EXPECT_EQ(s.markerWidth, 300);
    EXPECT_EQ(s.markerHeight, 300);
    EXPECT_EQ(s.windowWidth, 12135);
    EXPECT_EQ(s.windowHeight, 3350);
    EXPECT_FALSE(s.settingsFile.empty());
    EXPECT_FALSE(s.wageringFile.empty());
    EXPECT_NE(s.settingsFile, s.wageringFile);
    EXPECT_FALSE(s.messageText.empty());
    EXPECT_FALSE(s.messageTitle.empty());
    EXPECT_FALSE(s.messageAddress.empty());
}

TEST(BuiltInRemoteSettings, ProductPictureFitsTheLeftPanel) {
    // The board frame starts 4020 twips from the window's left edge.
    const RemoteSettings& s = builtInRemoteSettings();
    EXPECT_GT(s.picture4Width, 0);
    EXPECT_GT(s.picture4Height, 0);
    EXPECT_GE(s.picture4Left, 0);
    EXPECT_GE(s.picture4Top, 0);
    EXPECT_LE(s.picture4Left + s.picture4Width, 4020);
    EXPECT_LE(s.picture4Top + s.picture4Height, s.windowHeight);
}

}  // namespace
}  // namespace brisvale
