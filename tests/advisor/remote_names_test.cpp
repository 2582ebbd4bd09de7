// SPDX-License-Identifier: GPL-3.0-or-later
// File names from the remote site cannot make the program write outside its data folder.

#include "remote/remote_settings.hpp"
#include "remote/remote_text.hpp"
#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

TEST(RemoteFileNames, TheProgramWritesOnlyInItsDataFolder) {
    TempDir dir;
    const auto data = dir.path / "data";
    writeBytes(dir / "victim.txt", "the user's own");
    auto values = test::siteValues();
    values[20] = "../victim.txt";
    values[22] = (dir.path / "elsewhere.txt").string();
    MapFetcher site;
    site.files = {{"http://vendor.example/firewall.html", "ok"},
                  {"http://vendor.example/settings15.html", test::oneLine(values)}};
    FakeDialogs dialogs;
    FakeBrowser browser;
    FakeClock clock;
    SeededRandom random(1);
    Advisor advisor(Ports{dialogs, browser, clock, random, &site});
    ASSERT_TRUE(advisor.userOpenWindow({data, false, "http://vendor.example"}).ok);
    ASSERT_TRUE(advisor.userMenu("mnuExit", 0).ok);
    EXPECT_EQ(readBytes(dir / "victim.txt"), "the user's own");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 2)
        << "data, victim";
    EXPECT_EQ(std::pair(advisor.files().settings, advisor.files().wagering),
              std::pair(data / builtInRemoteSettings().settingsFile,
                        data / builtInRemoteSettings().wageringFile));
    const std::string log = readBytes(data / "debug.txt");
    EXPECT_NE(log.find("Remote file name \"../victim.txt\" not used"), std::string::npos) << log;
    EXPECT_NE(log.find("elsewhere.txt\" not used"), std::string::npos) << log;
}

}  // namespace
}  // namespace brisvale::testing
