#include "remote/remote_startup.hpp"

#include <gtest/gtest.h>

#include "play/advisor.hpp"
#include "remote/remote_text.hpp"
#include "support/files.hpp"
#include "support/ports.hpp"

namespace brisvale {
namespace {

using testing::Box;
using testing::FakeBrowser;
using testing::FakeDialogs;
using testing::MapFetcher;

const std::string kSite = "http://vendor.example/brisvale";
const std::string kTestPage = "http://vendor.example/brisvale/firewall.html";
const std::string kSettings = "http://vendor.example/brisvale/settings15.html";
const std::string kCasinos = "http://vendor.example/brisvale/casinos/casinomenu.txt";
const std::string kCasinoText =
    "Golden Wheel , www.golden.example\r\n---\r\nLucky Ball,lucky.example\r\n";

class LoadRemote : public ::testing::Test {
  protected:
    void serveAll() {
        fetcher.files[kTestPage] = "<html>ok</html>";
        fetcher.files[kSettings] = test::onePerLine(test::siteValues(), "\r\n");
        fetcher.files[kCasinos] = kCasinoText;
    }
    RemoteStartup load(std::string_view site) {
        return loadRemote(&fetcher, site, dialogs, browser);
    }

    MapFetcher fetcher;
    FakeDialogs dialogs;
    FakeBrowser browser;
};

TEST_F(LoadRemote, WithoutASiteNothingIsFetched) {
    serveAll();
    for (const std::string_view site : {"", "   "}) {
        const RemoteStartup startup = load(site);
        EXPECT_TRUE(startup.usedBuiltIn);
        EXPECT_EQ(startup.settings.items, builtInRemoteSettings().items);
        EXPECT_TRUE(startup.casinos.empty());
    }
    const RemoteStartup noFetcher = loadRemote(nullptr, kSite, dialogs, browser);
    EXPECT_TRUE(noFetcher.usedBuiltIn);
    EXPECT_EQ(noFetcher.settings.appTitle, "Brisvale");
    EXPECT_TRUE(fetcher.requested.empty());
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_TRUE(browser.opened.empty());
}

// Help > Instructions: the message, then the guide that ships with the program, and the site's
// page only when the site's settings name one (the built-in settings name none).
TEST_F(LoadRemote, InstructionsShowTheGuideAndTheSitesOwnPage) {
    serveAll();
    for (const std::string& site : {std::string(), kSite}) {
        testing::TempDir dir;
        testing::FakeClock clock;
        SeededRandom random(1);
        FakeDialogs boxes;
        FakeBrowser pages;
        Advisor advisor(Ports{boxes, pages, clock, random, &fetcher});
        advisor.userOpenWindow({dir.path, false, site});
        advisor.userMenu("mnuInstructions", 0);
        EXPECT_EQ(boxes.boxes.back().text,
                  "The Instructions section of the Brisvale Website will open.");
        EXPECT_EQ(boxes.guides, 1);
        const auto expected = site.empty()
                                  ? std::vector<std::string>{}
                                  : std::vector<std::string>{"http://www.vendor.example/guide"};
        EXPECT_EQ(pages.opened, expected) << site;
    }
}

TEST_F(LoadRemote, GoodSite) {
    serveAll();
    const RemoteStartup startup = load(kSite + "/");
    EXPECT_FALSE(startup.usedBuiltIn);
    EXPECT_EQ(startup.settings.appTitle, "Site Title");
    EXPECT_EQ(startup.settings.chipWidth, 400);
    EXPECT_EQ(startup.settings.windowWidth, 70000);
    EXPECT_EQ(startup.settings.settingsFile, "site-settings.txt");
    const std::vector<CasinoSite> casinos = {{"Golden Wheel", "www.golden.example"},
                                             {"Lucky Ball", "lucky.example"}};
    EXPECT_EQ(startup.casinos, casinos);
    EXPECT_EQ(fetcher.requested, (std::vector<std::string>{kTestPage, kSettings, kCasinos}));
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_TRUE(browser.opened.empty());
}

TEST_F(LoadRemote, MissingTestPageShowsTheFirewallBoxAndStartsBuiltIn) {
    serveAll();
    fetcher.files.erase(kTestPage);
    const RemoteStartup startup = load(kSite);
    const std::string text =
        "Brisvale is unable to run due to firewall restrictions.\r\n\r\n"
        "The file Brisvale is trying to reach is located here:\r\n\r\n"
        "http://vendor.example/brisvale/firewall.html\r\n\r\n"
        "Make sure Brisvale has full access to the Internet.\r\n\r\n"
        "Clicking OK will take you to the firewall.txt file.";
    EXPECT_EQ(dialogs.boxes, (std::vector<Box>{{"message", "Brisvale", text}}));
    EXPECT_EQ(browser.opened, std::vector<std::string>{kTestPage});
    EXPECT_TRUE(startup.usedBuiltIn);
    EXPECT_EQ(startup.settings.items, builtInRemoteSettings().items);
    EXPECT_TRUE(startup.casinos.empty());
    EXPECT_EQ(fetcher.requested, std::vector<std::string>{kTestPage});
}

TEST_F(LoadRemote, ShortSettingsShowTheSiteMessageAndStartBuiltIn) {
    serveAll();
    const auto all = test::siteValues();
    fetcher.files[kSettings] =
        test::onePerLine(std::vector<std::string>(all.begin(), all.begin() + 20), "\r\n");
    const RemoteStartup startup = load(kSite);
    EXPECT_EQ(dialogs.boxes,
              (std::vector<Box>{{"message", "Site Title", "Cannot apply settings."}}));
    EXPECT_EQ(browser.opened, std::vector<std::string>{"http://www.vendor.example/help"});
    EXPECT_TRUE(startup.usedBuiltIn);
    EXPECT_EQ(startup.settings.items, builtInRemoteSettings().items);
    EXPECT_EQ(startup.casinos.size(), 2u);
}

TEST_F(LoadRemote, ABadNumberShowsTheSiteMessage) {
    serveAll();
    auto values = test::siteValues();
    values[7] = "tall";
    fetcher.files[kSettings] = test::oneLine(values);
    const RemoteStartup startup = load(kSite);
    EXPECT_EQ(dialogs.boxes,
              (std::vector<Box>{{"message", "Site Title", "Cannot apply settings."}}));
    EXPECT_TRUE(startup.usedBuiltIn);
}

TEST_F(LoadRemote, UnreadItemsOfTheMessageComeFromTheBuiltInSettings) {
    const RemoteSettings& builtIn = builtInRemoteSettings();
    struct Case {
        std::optional<std::string> served;
        Box message;
        std::string opened;
    };
    const std::vector<Case> cases = {
        {std::nullopt,
         {"message", builtIn.messageTitle, builtIn.messageText},
         builtIn.messageAddress},
        {"", {"message", builtIn.messageTitle, builtIn.messageText}, builtIn.messageAddress},
        {"Text=Site says no",
         {"message", builtIn.messageTitle, "Site says no"},
         builtIn.messageAddress},
        {"Text=No---Title=Site---Address=", {"message", "Site", "No"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.served.value_or("(missing)"));
        MapFetcher site;
        site.files[kTestPage] = "ok";
        if (c.served) site.files[kSettings] = *c.served;
        FakeDialogs shown;
        FakeBrowser opened;
        const RemoteStartup startup = loadRemote(&site, kSite, shown, opened);
        EXPECT_TRUE(startup.usedBuiltIn);
        EXPECT_EQ(shown.boxes, std::vector<Box>{c.message});
        const std::vector<std::string> expectedOpen =
            c.opened.empty() ? std::vector<std::string>{}
                             : std::vector<std::string>{browserAddress(c.opened)};
        EXPECT_EQ(opened.opened, expectedOpen);
    }
}

TEST_F(LoadRemote, MissingCasinoListLeavesTheListEmpty) {
    serveAll();
    fetcher.files.erase(kCasinos);
    const RemoteStartup startup = load(kSite);
    EXPECT_FALSE(startup.usedBuiltIn);
    EXPECT_EQ(startup.settings.appTitle, "Site Title");
    EXPECT_TRUE(startup.casinos.empty());
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_TRUE(browser.opened.empty());
}

// The site names the settings and wagering files; a name that is not a plain name of a file in
// the data folder, or that is one of the program's own files, is replaced by the built-in one.
TEST_F(LoadRemote, FileNamesThatAreNotPlainNamesFallBack) {
    const RemoteSettings& builtIn = builtInRemoteSettings();
    const std::string bad[] = {"",
                               "/etc/passwd",
                               "\\server\\share",
                               "../victim.txt",
                               "sub/file.txt",
                               "a\\b",
                               "..",
                               ".",
                               "x..y",
                               "tab\tname",
                               "line& CrLf &break",
                               std::string(256, 'a'),
                               "CasinoHistory.dat",
                               "casinohistory.DAT",
                               "CasinoHistory.dat.bac",
                               "debug.txt",
                               "brisvale.lock",
                               "run.json"};
    for (const std::string& name : bad) {
        SCOPED_TRACE(name);
        serveAll();
        auto values = test::siteValues();
        values[20] = values[22] = name;
        fetcher.files[kSettings] = test::oneLine(values);
        const RemoteStartup startup = load(kSite);
        EXPECT_FALSE(startup.usedBuiltIn);
        EXPECT_EQ(startup.settings.settingsFile, builtIn.settingsFile);
        EXPECT_EQ(startup.settings.wageringFile, builtIn.wageringFile);
        ASSERT_EQ(startup.notes.size(), 2u);
        EXPECT_EQ(startup.notes[0].find_first_of("\r\n"), std::string::npos);
    }
    // Plain names are used as given; two that would be one file are both replaced.
    const std::vector<std::tuple<std::string, std::string, std::string, std::string>> pairs = {
        {std::string(255, 's'), "w.txt", std::string(255, 's'), "w.txt"},
        {"my settings.ini", "caf\xe9.txt", "my settings.ini", "caf\xe9.txt"},
        {"same.txt", "SAME.txt", builtIn.settingsFile, builtIn.wageringFile},
        {"s.txt", "s.txt.bac", builtIn.settingsFile, builtIn.wageringFile},
        {builtIn.wageringFile, "../w", builtIn.settingsFile, builtIn.wageringFile},
    };
    for (const auto& [settings, wagering, settingsUsed, wageringUsed] : pairs) {
        SCOPED_TRACE(settings + " / " + wagering);
        serveAll();
        auto values = test::siteValues();
        values[20] = settings;
        values[22] = wagering;
        fetcher.files[kSettings] = test::oneLine(values);
        const RemoteStartup startup = load(kSite);
        EXPECT_EQ(startup.settings.settingsFile, settingsUsed);
        EXPECT_EQ(startup.settings.wageringFile, wageringUsed);
    }
}

TEST(JoinUrl, OneSlashBetweenSiteAndFile) {
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"http://h.example", "firewall.html", "http://h.example/firewall.html"},
        {"http://h.example/", "/casinos/casinomenu.txt", "http://h.example/casinos/casinomenu.txt"},
        {"http://h.example/sub//", "settings15.html", "http://h.example/sub/settings15.html"},
        {"  https://h.example  ", "firewall.html", "https://h.example/firewall.html"},
        {"127.0.0.1:8080", "/casinos/casinomenu.txt",
         "http://127.0.0.1:8080/casinos/casinomenu.txt"},
    };
    for (const auto& [site, path, url] : cases) {
        EXPECT_EQ(joinUrl(site, path), url) << site << " + " << path;
    }
}

}  // namespace
}  // namespace brisvale
