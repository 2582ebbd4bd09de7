#include <gtest/gtest.h>

#include "remote/remote_settings.hpp"
#include "support/ports.hpp"

namespace brisvale {
namespace {

TEST(CasinoList, Entries) {
    struct Case {
        std::string text;
        std::vector<CasinoSite> sites;
    };
    const std::vector<Case> cases = {
        {"Golden Wheel , www.golden.example---Lucky Ball,  http://lucky.example/play ",
         {{"Golden Wheel", "www.golden.example"}, {"Lucky Ball", "http://lucky.example/play"}}},
        {"Golden Wheel, www.golden.example\r\n---\r\nLucky Ball, lucky.example\r\n",
         {{"Golden Wheel", "www.golden.example"}, {"Lucky Ball", "lucky.example"}}},
        {"One,one.example---", {{"One", "one.example"}}},
        {"One,one.example---\r\n---Two,two.example",
         {{"One", "one.example"}, {"Two", "two.example"}}},
        {"No comma here---Two,two.example", {{"Two", "two.example"}}},
        {"Bare name,---Two,two.example", {{"Bare name", ""}, {"Two", "two.example"}}},
        {" , nameless.example---Two,two.example", {{"Two", "two.example"}}},
        {"Query,site.example/?a=1,b=2", {{"Query", "site.example/?a=1,b=2"}}},
        {"Split\r\nName,split.ex\nample", {{"SplitName", "split.example"}}},
        {"", {}},
        {"---", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseCasinoList(c.text), c.sites);
    }
}

TEST(BrowserAddress, SchemeIsPutInFrontOnlyWhenMissing) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"www.brisvale.example", "http://www.brisvale.example"},
        {"brisvale.example/help.html", "http://brisvale.example/help.html"},
        {"http://brisvale.example", "http://brisvale.example"},
        {"HTTP://BRISVALE.EXAMPLE", "HTTP://BRISVALE.EXAMPLE"},
        {"Https://brisvale.example", "Https://brisvale.example"},
        {"hTtPs://x.example", "hTtPs://x.example"},
        {"htt://x.example", "http://htt://x.example"},
        {"ftp://x.example", "http://ftp://x.example"},
    };
    for (const auto& [address, expected] : cases) {
        EXPECT_EQ(browserAddress(address), expected) << address;
    }
}

TEST(OpenInBrowser, OpensTheAddressWithItsScheme) {
    testing::FakeBrowser browser;
    EXPECT_TRUE(openInBrowser(browser, "casino.example"));
    EXPECT_EQ(browser.opened, std::vector<std::string>{"http://casino.example"});
}

TEST(OpenInBrowser, AnEmptyAddressOpensNothing) {
    testing::FakeBrowser browser;
    EXPECT_FALSE(openInBrowser(browser, ""));
    EXPECT_FALSE(openInBrowser(browser, "   "));
    EXPECT_TRUE(browser.opened.empty());
}

}  // namespace
}  // namespace brisvale
