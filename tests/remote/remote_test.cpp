// SPDX-License-Identifier: GPL-3.0-or-later
// The remote files as a site sends them, and start-up's fetch that never stops the program.

#include <gtest/gtest.h>

#include <limits>
#include <map>

#include "remote/chip_setup.hpp"
#include "remote/file_names.hpp"
#include "remote/remote_startup.hpp"
#include "remote/remote_text.hpp"
#include "support/ports.hpp"

namespace brisvale::testing {
namespace {

using test::oneLine;
using test::siteValues;

// The items 4 to 19, as read.
std::vector<std::int64_t> numbers(const RemoteSettings& s) {
    // clang-format off
    return {s.chipAppearance, s.chipBorderStyle, s.chipWidth, s.chipHeight, s.labelTop, s.labelLeft, s.labelAlignment,
            s.labelFontSize, s.picture4Width, s.picture4Height, s.picture4Top, s.picture4Left, s.windowWidth,
            s.windowHeight, s.markerHeight, s.markerWidth};
    // clang-format on
}

TEST(RemoteSettings, EveryLayoutGivesEveryItem) {
    const auto values = siteValues();
    for (const std::string eol : {"", "\r\n", "\n", "\r"}) {
        const ParseResult r = parseRemoteSettings(oneLine(values, eol) + "---Extra 36");
        ASSERT_TRUE(r.ok() && r.error.empty()) << r.error;
        const RemoteSettings& s = *r.settings;
        EXPECT_TRUE(std::equal(values.begin(), values.end(), s.items.begin()));
        for (std::size_t i = 4; i <= 19; ++i) EXPECT_EQ(numbers(s)[i - 4], 10 * i + 1) << i;
        // The message items show in the start-up's rows, the file names in the play tests.
        EXPECT_EQ(s.instructionsAddress, values[25]);
        EXPECT_EQ(std::tie(s.messageText, s.messageTitle, s.messageAddress),
                  std::tie(values[0], values[1], values[2]));
    }
    EXPECT_TRUE(parseRemoteSettings(builtInRemoteSettingsText()).ok()) << "the shipped text";
}

// One row per item text: what the item reads as, or nullopt when the settings are refused.
TEST(RemoteSettings, ItemValues) {
    const auto max32 = std::numeric_limits<std::int32_t>::max();
    const std::tuple<std::size_t, std::string, std::optional<std::string>> rows[] = {
        // clang-format off
        {1, "Line one& CrLf &Line two", "Line one\r\nLine two"}, {1, "A& CrLf && CrLf &B", "A\r\n\r\nB"},
        {1, "Bris=vale", "Bris"}, {1, "=after", ""}, {1, "  padded  ", "  padded  "}, {1, "&CrLf&", "&CrLf&"},
        {0, "first\r\nsecond", "firstsecond"}, {24, "12px", "12px"}, {6, "+12", "12"}, {4, "\t0 ", "0"},
        {8, "-32768", "-32768"}, {8, "32767", "32767"}, {8, "32768", {}}, {8, "-32769", {}}, {6, "", {}},
        {6, "12.5", {}}, {6, "0x10", {}}, {7, "12px", {}}, {17, std::to_string(max32), std::to_string(max32)},
        {19, "-2147483648", "-2147483648"}, {18, "2147483648", {}}, {16, "70000", "70000"},
        // clang-format on
    };
    for (const auto& [item, written, value] : rows) {
        auto values = siteValues();
        values[item] = written;
        const ParseResult r = parseRemoteSettings(oneLine(values));
        ASSERT_EQ(r.ok(), value.has_value()) << written << ": " << r.error;
        const std::string got = !value ? r.error
                                : item >= 4 && item <= 19
                                    ? std::to_string(numbers(*r.settings)[item - 4])
                                    : r.settings->items[item];
        EXPECT_EQ(got, value.value_or("remote item " + std::to_string(item) +
                                      " is not a whole number in range: \"" + written + "\""));
    }
    // An item without "=" is refused too (too few items: see the start-up's rows).
    std::string text = oneLine(siteValues());
    const ParseResult r = parseRemoteSettings(text.replace(text.find("Item10="), 7, "Item10 "));
    EXPECT_FALSE(r.ok() || r.error.empty());
    EXPECT_TRUE(r.messageText && r.messageTitle && r.messageAddress) << "the site's own message";
}

// The casino menu, and the addresses opened in the browser or fetched from the site.
TEST(RemoteSettings, CasinoListAndAddresses) {
    using Sites = std::vector<CasinoSite>;
    const std::pair<std::string, Sites> lists[] = {
        // clang-format off
        {"Golden Wheel , www.golden.example---Lucky Ball,  http://lucky.example/p ",
         {{"Golden Wheel", "www.golden.example"}, {"Lucky Ball", "http://lucky.example/p"}}},
        {"One,one.example\r\n---\r\n---Two,two.example---", {{"One", "one.example"}, {"Two", "two.example"}}},
        {"No comma---Bare name,--- , nameless.example", {{"Bare name", ""}}},
        {"Query,site.example/?a=1,b=2", {{"Query", "site.example/?a=1,b=2"}}},
        {"Split\r\nName,split.ex\nample", {{"SplitName", "split.example"}}}, {"", {}},
        // clang-format on
    };
    for (const auto& [text, sites] : lists) EXPECT_EQ(parseCasinoList(text), sites) << text;
    // An address as the browser gets it (no path), or a file's on the site.
    // clang-format off
    const std::tuple<std::string, const char*, std::string> urls[] = {
        {"www.b.example/help.html", nullptr, "http://www.b.example/help.html"}, {"HTTP://B.EXAMPLE", nullptr, "HTTP://B.EXAMPLE"},
        {"hTtPs://x.example", nullptr, "hTtPs://x.example"}, {"htt://x", nullptr, "http://htt://x"}, {"ftp://x", nullptr, "http://ftp://x"},
        {"http://h.example", "firewall.html", "http://h.example/firewall.html"},
        {"http://h.example/sub//", "/casinos/c.txt", "http://h.example/sub/casinos/c.txt"},
        {"  https://h.example \r\n", "f", "https://h.example/f"}, {"127.0.0.1:8080", "//f", "http://127.0.0.1:8080/f"}};
    // clang-format on
    for (const auto& [site, path, url] : urls)
        EXPECT_EQ(path ? joinUrl(site, path) : browserAddress(site), url);
}

// The site names the settings and wagering files; a name that is not a plain name of a file in
// the data folder, or that could be one of the program's own, gives way to the built-in one.
TEST(RemoteSettings, FileNamesThatAreNotPlainNamesFallBack) {
    const std::string ours = builtInRemoteSettings().settingsFile,
                      theirs = builtInRemoteSettings().wageringFile;
    const std::tuple<std::string, std::string, std::string, std::string> rows[] = {
        // clang-format off
        {"", "/etc/passwd", ours, theirs}, {"\\server\\share", "../victim.txt", ours, theirs},
        {"sub/file.txt", "a\\b", ours, theirs}, {"..", ".", ours, theirs}, {"x..y", "tab\tname", ours, theirs},
        {std::string(256, 'a'), "line\r\nbreak", ours, theirs}, {"CASINOHISTORY.DAT", "Debug.txt", ours, theirs},
        {"CasinoHistory.dat.bac", "brisvale.LOCK", ours, theirs}, {"run.json", "s.txt", ours, "s.txt"},
        {std::string(244, 's'), "caf\xe9 w.txt", std::string(244, 's'), "caf\xe9 w.txt"},
        {std::string(245, 's'), std::string(250, 'w'), ours, theirs},  // "<name>.tmp-XXXXXX" too long
        {"AZ.txt", "az.TXT", ours, theirs}, {"s.txt", "S.TXT.bak", ours, theirs}, {theirs, "../w", ours, theirs},
        // clang-format on
    };
    for (const auto& [settings, wagering, settingsUsed, wageringUsed] : rows) {
        RemoteSettings s = builtInRemoteSettings();
        std::tie(s.settingsFile, s.wageringFile) = std::tie(settings, wagering);
        const auto notes = keepSafeFileNames(s);
        EXPECT_EQ(std::tie(s.settingsFile, s.wageringFile), std::tie(settingsUsed, wageringUsed))
            << settings << " / " << wagering;
        EXPECT_EQ(notes.size(), (settings != settingsUsed) + (wagering != wageringUsed));
        for (const auto& note : notes) EXPECT_EQ(note.find_first_of("\r\n"), note.npos);
    }
    for (const char* name : {"/etc/passwd", "\\x"})
        EXPECT_EQ(fileNameProblem(name), "it is an absolute path");
}

TEST(RemoteSettings, ChipValuesAControlCannotTakeBecomeTheNearestThatWorks) {
    using R = RemoteSettings;
    // The member given, its value, which of appearance, border, width, height, alignment and
    // font size it sets, and the value used.
    const std::tuple<std::int16_t R::*, std::int16_t, int, int> rows[] = {
        // clang-format off
        {&R::chipAppearance, -1, 0, 0}, {&R::chipAppearance, 3, 0, 1}, {&R::chipBorderStyle, 2, 1, 1},
        {&R::chipWidth, -375, 2, 375}, {&R::chipHeight, 0, 3, 375}, {&R::chipWidth, 500, 2, 500},
        {&R::labelAlignment, -2, 4, 0}, {&R::labelAlignment, 3, 4, 2}, {&R::labelAlignment, 1, 4, 1},
        {&R::labelFontSize, 0, 5, 1}, {&R::labelFontSize, 73, 5, 72}, {&R::labelFontSize, 72, 5, 72},
        // clang-format on
    };
    for (const auto& [member, given, column, used] : rows) {
        RemoteSettings remote = builtInRemoteSettings();
        remote.*member = given;
        std::tie(remote.labelTop, remote.labelLeft) = std::pair(7, 8);
        const ChipSetup s = chipSetup(remote);
        const int got[] = {s.appearance, s.borderStyle,     s.width,
                           s.height,     s.label.alignment, s.label.fontSize};
        EXPECT_EQ(got[column], used) << given;
        EXPECT_EQ((std::vector{s.label.width, s.label.height, s.label.top, s.label.left}),
                  (std::vector{s.width, s.height, 7, 8}));
        EXPECT_EQ(s.notes.size(), given == used ? 0u : 1u);
    }
}

const std::string kSite = "http://vendor.example/bv";
const std::string kTestPage = kSite + "/firewall.html", kSettings = kSite + "/settings15.html",
                  kCasinos = kSite + "/casinos/casinomenu.txt";

// Start-up's fetch, one row per site: what it serves, the box shown and the address opened,
// whether the built-in settings stand in, and how many casinos the menu gets.
TEST(RemoteStartup, WhateverFailsTheProgramStarts) {
    const RemoteSettings& builtIn = builtInRemoteSettings();
    const std::string good = oneLine(siteValues()), casinos = "A,a.example---B,b.example",
                      shortText = good.substr(0, good.find("---Item20")),
                      badNumber = std::string(good).replace(good.find("=71"), 3, "=tall");
    const Box siteBox{"message", "text1", "text0"};
    const std::string builtInPage = browserAddress(builtIn.messageAddress);
    const std::tuple<std::map<std::string, std::string>, std::vector<Box>, std::vector<std::string>,
                     bool, std::size_t>
        rows[] = {
            // clang-format off
            {{{kTestPage, "ok"}, {kSettings, good}, {kCasinos, casinos}}, {}, {}, false, 2},
            {{{kTestPage, "ok"}, {kSettings, good}}, {}, {}, false, 0},
            {{{kSettings, good}, {kCasinos, casinos}},
             {{"message", "Brisvale", firewallMessage(kTestPage)}}, {kTestPage}, true, 0},
            {{{kTestPage, "ok"}, {kSettings, shortText}, {kCasinos, casinos}}, {siteBox}, {"http://text2"}, true, 2},
            {{{kTestPage, "ok"}, {kSettings, badNumber}}, {siteBox}, {"http://text2"}, true, 0},
            {{{kTestPage, "ok"}}, {{"message", builtIn.messageTitle, builtIn.messageText}}, {builtInPage}, true, 0},
            {{{kTestPage, "ok"}, {kSettings, "Text=Site says no"}}, {{"message", builtIn.messageTitle, "Site says no"}}, {builtInPage}, true, 0},
            {{{kTestPage, "ok"}, {kSettings, "Text=No---Title=T---Address= \t"}}, {{"message", "T", "No"}}, {}, true, 0},
            {{}, {}, {}, true, 0},  // no site: nothing is fetched and nothing is shown
            // clang-format on
        };
    for (const auto& [files, boxes, opened, usedBuiltIn, casinoCount] : rows) {
        MapFetcher fetcher;
        fetcher.files = files;
        FakeDialogs dialogs;
        FakeBrowser browser;
        const RemoteStartup startup =
            loadRemote(&fetcher, files.empty() ? " \t" : kSite + "/", dialogs, browser);
        EXPECT_EQ(std::tie(dialogs.boxes, browser.opened, startup.usedBuiltIn),
                  std::tie(boxes, opened, usedBuiltIn));
        EXPECT_EQ(startup.settings.appTitle, usedBuiltIn ? "Brisvale" : "text24");
        EXPECT_EQ(startup.casinos.size(), casinoCount);
        EXPECT_EQ(fetcher.requested.size(), files.empty() ? 0 : files.contains(kTestPage) ? 3 : 1);
    }
    FakeDialogs dialogs;  // nor without a fetcher
    FakeBrowser browser;
    EXPECT_TRUE(loadRemote(nullptr, kSite, dialogs, browser).usedBuiltIn);
    EXPECT_TRUE(dialogs.boxes.empty() && browser.opened.empty());
}

}  // namespace
}  // namespace brisvale::testing
