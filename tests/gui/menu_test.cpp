// The menus, Always On Top, the ports behind Help, and closing the window.

#include <gtest/gtest.h>

#include <QFile>
#include <QMenu>
#include <QMenuBar>

#include "harness.hpp"
#include "support/advisor_test_access.hpp"

namespace brisvale::gui_test {
namespace {

QStringList entries(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

QMenu* topMenu(Session& s, const QString& title) {
    for (QAction* a : s.window->menuBar()->actions()) {
        if (a->text() == title) return a->menu();
    }
    return nullptr;
}

TEST(Menus, CaptionsInTheirOrder) {
    Session s;
    ASSERT_NE(topMenu(s, "&File"), nullptr);
    EXPECT_EQ(entries(topMenu(s, "&File")),
              (QStringList{"Restart", "Default Settings", "-", "Exit"}));
    EXPECT_EQ(entries(topMenu(s, "&Tools")),
              (QStringList{"Always On Top", "Custom Wagering", "-", "Replay History",
                           "Simulate This Style..."}));
    EXPECT_EQ(entries(topMenu(s, "&Help")), (QStringList{"About Brisvale", "-", "Instructions"}));
    // Without casino sites the menu still drops down, with one entry that cannot be chosen.
    EXPECT_EQ(entries(topMenu(s, "&Casinos")), QStringList{"(no casino sites)"});
    EXPECT_FALSE(s.window->action("mnuCasino0")->isEnabled());
}

TEST(Menus, AlwaysOnTopTwiceReturnsToNormalStacking) {
    Session s;
    QAction* top = s.window->action("mnuTop");
    EXPECT_TRUE(top->isCheckable());
    s.menu("mnuTop");
    EXPECT_TRUE(top->isChecked());
    EXPECT_TRUE(s.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(s.window->isVisible());
    s.menu("mnuTop");
    EXPECT_FALSE(top->isChecked());
    EXPECT_FALSE(s.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST(Menus, InstructionsTellThenShowTheGuide) {
    Session s;
    s.menu("mnuInstructions");
    ASSERT_EQ(s.dialogs.boxes.size(), 1u);
    EXPECT_EQ(s.dialogs.boxes[0].text,
              "The Instructions section of the Brisvale Website will open.");
    EXPECT_EQ(s.dialogs.guides, 1);
    EXPECT_TRUE(s.browser.opened.empty());  // the built-in settings name no web page
}

TEST(Menus, AboutShowsTheBuildDateAndTheTermsLinkOpensThePage) {
    Session s;
    s.dialogs.clickTerms = true;
    s.menu("mnuAbout");
    ASSERT_EQ(s.dialogs.boxes.size(), 1u);
    EXPECT_EQ(s.dialogs.boxes[0].kind, "about");
    EXPECT_EQ(s.dialogs.boxes[0].text, "May 23, 2012");
    ASSERT_EQ(s.browser.opened.size(), 1u);
    EXPECT_NE(s.browser.opened[0].find("terms"), std::string::npos);
}

TEST(Menus, DefaultSettingsAsksFirst) {
    Session s;
    s.click("BetStyle3");
    s.dialogs.answers.push_back("no");
    s.menu("mnuLoadSettings");
    ASSERT_EQ(s.dialogs.boxes.size(), 1u);
    EXPECT_EQ(s.dialogs.boxes[0].kind, "question");
    EXPECT_TRUE(s.widget<QRadioButton>("BetStyle3")->isChecked());
    s.dialogs.answers.push_back("yes");
    s.menu("mnuLoadSettings");
    EXPECT_TRUE(s.widget<QRadioButton>("BetStyle1")->isChecked());
}

TEST(Menus, CasinoEntriesFollowTheFormAndOpenTheirSites) {
    Session s;
    AdvisorTestAccess::state(*s.advisor).form.casinoMenu = {
        {"Golden & Green", "www.golden.example"}, {"Harbour", "https://harbour.example/play"}};
    s.window->render();
    EXPECT_EQ(entries(topMenu(s, "&Casinos")), (QStringList{"Golden && Green", "Harbour"}));
    s.menu("mnuCasino1");
    s.menu("mnuCasino0");
    EXPECT_EQ(s.browser.opened, (std::vector<std::string>{"https://harbour.example/play",
                                                          "http://www.golden.example"}));
}

TEST(Menus, RestartEnablesThePanelAgain) {
    Session s;
    s.click("chk1");
    s.type("Text18", "300");
    s.pressButton1();
    EXPECT_FALSE(s.widget<QCheckBox>("chk1")->isEnabled());
    s.menu("mnuRestart");
    EXPECT_TRUE(s.widget<QCheckBox>("chk1")->isEnabled());
    EXPECT_TRUE(s.widget<QLineEdit>("Text18")->isEnabled());
    EXPECT_EQ(s.widget<QPushButton>("Button1")->text(), "Start");
}

TEST(Menus, ReplayHistoryStartsARunAndTicksFast) {
    Session s;
    s.click("chk6");
    s.type("Text18", "100");
    s.menu("Command2");
    EXPECT_EQ(s.widget<QPushButton>("Button1")->text(), "Submit");
    EXPECT_TRUE(s.advisor->replayRunning());
    EXPECT_EQ(s.advisor->timerInterval(), 1);
    s.window->tick();  // nothing recorded: the replay ends at once
    EXPECT_FALSE(s.advisor->replayRunning());
}

std::string settingsText(Session& s) {
    QFile file(QString::fromStdString(s.advisor->settingsFile().string()));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

TEST(Menus, ExitSavesTheSettingsAndClosesTheWindow) {
    Session s;
    s.type("Text18", "4321");
    s.menu("mnuExit");
    EXPECT_TRUE(s.advisor->exitRequested());
    EXPECT_FALSE(s.window->isVisible());
    EXPECT_EQ(s.advisor->settings()[Acct], 4321);
    EXPECT_NE(settingsText(s).find("4321"), std::string::npos);
}

TEST(Menus, ClosingTheWindowSavesWhatIsTyped) {
    Session s;
    auto* balance = s.widget<QLineEdit>("Text18");
    balance->setFocus(Qt::MouseFocusReason);
    balance->selectAll();
    QTest::keyClicks(balance, "2750");
    s.window->close();
    EXPECT_TRUE(s.advisor->exitRequested());
    EXPECT_EQ(s.advisor->settings()[Acct], 2750);
    EXPECT_NE(settingsText(s).find("2750"), std::string::npos);
}

}  // namespace
}  // namespace brisvale::gui_test
