// SPDX-License-Identifier: GPL-3.0-or-later
// Help > Instructions and the About box: what opens, and what the player is told, with and
// without web pages named by the remote settings; and file names from the remote site, which
// cannot make the program write outside its data folder.

#include <gmock/gmock.h>

#include <functional>

#include "../remote/remote_text.hpp"
#include "remote/remote_settings.hpp"
#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

constexpr std::string_view kAnnouncement =
    "The Instructions section of the Brisvale Website will open.";

// An Advisor on dir/data whose vendor's site gives these remote settings, opened after
// `first` had its way with dir.
struct Site {
    explicit Site(const std::vector<std::string>& values, bool browserWorks = true,
                  const std::function<void(const TempDir&)>& first = {}) {
        if (first) first(dir);
        fetcher.files = {{"http://vendor.example/firewall.html", "ok"},
                         {"http://vendor.example/settings15.html", test::oneLine(values)}};
        browser.works = browserWorks;
        advisor = std::make_unique<Advisor>(Ports{dialogs, browser, clock, random, &fetcher});
        EXPECT_TRUE(
            advisor->userOpenWindow({dir.path / "data", false, "http://vendor.example"}).ok);
        dialogs.boxes.clear();
    }
    // The built-in settings, naming these instructions and terms pages ("" for none).
    Site(const std::string& instructions, const std::string& terms, bool browserWorks)
        : Site(pages(instructions, terms), browserWorks) {}
    static std::vector<std::string> pages(const std::string& instructions,
                                          const std::string& terms) {
        std::vector<std::string> values(builtInRemoteSettings().items.begin(),
                                        builtInRemoteSettings().items.end());
        values[25] = instructions;
        values[26] = terms;
        return values;
    }
    TempDir dir;
    MapFetcher fetcher;
    FakeDialogs dialogs;
    FakeBrowser browser;
    FakeClock clock;
    SeededRandom random{1};
    std::unique_ptr<Advisor> advisor;
};

// The announcement only when a page is opened; the guide when none is, or when it fails.
TEST(Help, InstructionsAnnounceOnlyAPageThatOpens) {
    struct Case {
        std::string address;
        bool browserWorks;
        std::vector<std::string> messages;
        std::vector<std::string> opened;
        int guides;
    };
    const std::string page = "www.vendor.example/guide.html";
    const Case cases[] = {
        {"", true, {}, {}, 1},
        {"   ", true, {}, {}, 1},
        {page, true, {std::string(kAnnouncement)}, {"http://" + page}, 0},
        {page, false, {std::string(kAnnouncement)}, {}, 1},
    };
    for (const Case& c : cases) {
        Site site(c.address, "", c.browserWorks);
        ASSERT_TRUE(site.advisor->userMenu("mnuInstructions", 0).ok);
        EXPECT_EQ(site.dialogs.texts(), c.messages) << c.address << c.browserWorks;
        EXPECT_EQ(site.browser.opened, c.opened) << c.address;
        EXPECT_EQ(site.dialogs.guides, c.guides) << c.address << c.browserWorks;
    }
}

// About names the day this build's sources were made, never a fixed date of the past; its terms
// link shows the licence unless the site names a terms page that opens.
TEST(Help, AboutShowsTheBuildDateAndTheTermsOrTheLicence) {
    const std::string terms = "www.vendor.example/terms.html";
    for (const auto& [page, browserWorks, licence] :
         {std::tuple{std::string(), true, true}, std::tuple{terms, true, false},
          std::tuple{terms, false, true}}) {
        Site site("", page, browserWorks);
        ASSERT_TRUE(site.advisor->userMenu("mnuAbout", 0).ok);
        ASSERT_EQ(site.dialogs.boxes.size(), 1U);
        const Box about = site.dialogs.boxes.front();
        EXPECT_EQ(about.kind, "about");
        // "December 6, 2026": a month's name, a day and a year of this millennium.
        EXPECT_THAT(about.text,
                    ::testing::MatchesRegex("(January|February|March|April|May|June|"
                                            "July|August|September|October|November|"
                                            "December) ([1-9]|[12][0-9]|3[01]), 2[0-9]{3}"));
        EXPECT_NE(about.text, "May 23, 2012");
        ASSERT_TRUE(site.dialogs.termsLink);
        site.dialogs.termsLink();
        if (licence) {
            ASSERT_EQ(site.dialogs.boxes.size(), 2U) << page;
            EXPECT_EQ(site.dialogs.boxes[1].title, "Terms and Conditions");
            EXPECT_NE(site.dialogs.boxes[1].text.find("GPL-3.0-or-later"), std::string::npos);
            EXPECT_TRUE(site.browser.opened.empty());
        } else {
            EXPECT_EQ(site.dialogs.boxes.size(), 1U);
            EXPECT_EQ(site.browser.opened, std::vector<std::string>{"http://" + page});
        }
    }
}

TEST(Help, LongDates) {
    const std::pair<std::string, std::string> rows[] = {{"2026-12-06", "December 6, 2026"},
                                                        {"2012-05-23", "May 23, 2012"},
                                                        {"2030-01-31", "January 31, 2030"}};
    for (const auto& [iso, text] : rows) EXPECT_EQ(longDate(iso), text) << iso;
    // What is no date comes back as it is.
    for (const char* text : {"2026-13-01", "2026-00-10", "2026-1-1", "", "yesterday"})
        EXPECT_EQ(longDate(text), text);
    EXPECT_EQ(longDate(buildDate()), buildDate());  // already long: comes back as it is
}

// File names from the remote site cannot make the program write outside its data folder.
TEST(RemoteFileNames, TheProgramWritesOnlyInItsDataFolder) {
    TempDir elsewhere;
    std::vector<std::string> values = test::siteValues();
    values[20] = "../victim.txt";
    values[22] = (elsewhere.path / "elsewhere.txt").string();
    Site site(values, true,
              [](const TempDir& dir) { writeBytes(dir / "victim.txt", "the user's own"); });
    ASSERT_TRUE(site.advisor->userMenu("mnuExit", 0).ok);
    EXPECT_EQ(readBytes(site.dir / "victim.txt"), "the user's own");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(site.dir.path), {}), 2)
        << "data, victim";
    EXPECT_TRUE(std::filesystem::is_empty(elsewhere.path));
    const std::filesystem::path data = site.dir.path / "data";
    EXPECT_EQ(std::pair(site.advisor->files().settings, site.advisor->files().wagering),
              std::pair(data / builtInRemoteSettings().settingsFile,
                        data / builtInRemoteSettings().wageringFile));
    const std::string log = readBytes(data / "debug.txt");
    EXPECT_NE(log.find("Remote file name \"../victim.txt\" not used"), std::string::npos) << log;
    EXPECT_NE(log.find("elsewhere.txt\" not used"), std::string::npos) << log;
}

}  // namespace
}  // namespace brisvale::testing
