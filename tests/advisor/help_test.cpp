// SPDX-License-Identifier: GPL-3.0-or-later
// Help > Instructions and the About box: what opens, and what the player is told, with and
// without web pages named by the remote settings.

#include <algorithm>
#include <sstream>

#include "../remote/remote_text.hpp"
#include "remote/remote_settings.hpp"
#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

constexpr std::string_view kAnnouncement =
    "The Instructions section of the Brisvale Website will open.";

// An Advisor whose vendor's site names these instructions and terms pages ("" for none).
struct Site {
    Site(const std::string& instructions, const std::string& terms, bool browserWorks) {
        std::vector<std::string> values(builtInRemoteSettings().items.begin(),
                                        builtInRemoteSettings().items.end());
        values[25] = instructions;
        values[26] = terms;
        fetcher.files = {{"http://vendor.example/firewall.html", "ok"},
                         {"http://vendor.example/settings15.html", test::oneLine(values)}};
        browser.works = browserWorks;
        advisor = std::make_unique<Advisor>(Ports{dialogs, browser, clock, random, &fetcher});
        EXPECT_TRUE(advisor->userOpenWindow({dir.path, false, "http://vendor.example"}).ok);
        dialogs.boxes.clear();
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
    struct Case {
        std::string terms;
        bool browserWorks;
        bool licence;
    };
    for (const Case& c : {Case{"", true, true}, Case{"www.vendor.example/terms.html", true, false},
                          Case{"www.vendor.example/terms.html", false, true}}) {
        Site site("", c.terms, c.browserWorks);
        ASSERT_TRUE(site.advisor->userMenu("mnuAbout", 0).ok);
        ASSERT_EQ(site.dialogs.boxes.size(), 1U);
        const Box about = site.dialogs.boxes.front();
        EXPECT_EQ(about.kind, "about");
        // "December 6, 2026": a month's name, a day and a year of this millennium.
        std::istringstream date(about.text);
        std::string month, rest;
        int day = 0, year = 0;
        char comma = 0;
        date >> month >> day >> comma >> year;
        const char* months[] = {"January",   "February", "March",    "April",
                                "May",       "June",     "July",     "August",
                                "September", "October",  "November", "December"};
        EXPECT_TRUE(std::ranges::find(months, month) != std::end(months) && day >= 1 && day <= 31 &&
                    comma == ',' && year >= 2000 && year <= 2999 && !(date >> rest))
            << about.text;
        EXPECT_NE(about.text, "May 23, 2012");
        ASSERT_TRUE(site.dialogs.termsLink);
        site.dialogs.termsLink();
        if (c.licence) {
            ASSERT_EQ(site.dialogs.boxes.size(), 2U) << c.terms;
            EXPECT_EQ(site.dialogs.boxes[1].title, "Terms and Conditions");
            EXPECT_NE(site.dialogs.boxes[1].text.find("GPL-3.0-or-later"), std::string::npos);
            EXPECT_TRUE(site.browser.opened.empty());
        } else {
            EXPECT_EQ(site.dialogs.boxes.size(), 1U);
            EXPECT_EQ(site.browser.opened, std::vector<std::string>{"http://" + c.terms});
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

}  // namespace
}  // namespace brisvale::testing
