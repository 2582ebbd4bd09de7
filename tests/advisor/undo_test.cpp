// SPDX-License-Identifier: GPL-3.0-or-later
// The undo history's reach and the run state's JSON, below the console: what the end-to-end
// properties cannot get at quickly.

#include "run/state_json.hpp"
#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

using Undo = AdvisorFixture;

// Every leaf changed to another value its member takes.
void changeEverything(Json& j, const std::string& key = {}) {
    if (j.is_object()) {
        for (auto& [k, v] : j.items()) changeEverything(v, k);
    } else if (j.is_array()) {
        for (Json& v : j) changeEverything(v, key);
    } else if (j.is_boolean()) {
        j = !j.get<bool>();
    } else if (j.is_number_integer()) {
        const long long v = j.get<long long>();
        j = key == "value" ? (v + 1) % 3 : key == "image" ? v % 9 + 1 : v < 30000 ? v + 1 : v - 1;
    } else if (j.is_number()) {
        j = j.get<double>() + 0.5;
    } else if (j.is_string()) {
        j = j.get<std::string>() + "\xc3\xa9";  // UTF-8, as stored
    }
}

TEST_F(Undo, EveryStoredMemberOfTheRunStateComesBack) {
    PlayState& live = AdvisorTestAccess::state(a());
    Form& window = AdvisorTestAccess::form(a());
    // The chips' look is the session's, from its site: reading keeps the live one.
    Chip& look = window.chips[5];
    look.appearance = look.borderStyle = 1;
    look.label.alignment = AlignLeft;
    look.label.fontSize = 14;
    Json changed = toJson(live, window);
    changeEverything(changed);
    // Members that must agree with each other, and lists that start empty.
    changed.merge_patch(
        {{"spinText", "01"},
         {"phase", "quit"},
         {"currentBet", {3, 120}},
         {"winningBets", {109}},
         {"runBalances", {1000, 997.5}},
         {"settled", {{"bets", {3, 120}}, {"stakes", {5, 40}}}},
         {"window",
          {{"board", {{"flipped", true}, {"colored", true}}}, {"historyBox", "5,0,36"}}}});
    changed["betLists"][4] = {17, 20};
    ASSERT_NE(changed, toJson(live, window));
    PlayState read = live;
    Form readWindow = window;
    fromJson(changed, read, readWindow);
    EXPECT_EQ(toJson(read, readWindow), changed);
    BoardLayout flipped;
    flipped.FlipBoard(true);
    EXPECT_EQ(readWindow.board, flipped);
    EXPECT_EQ(read.settled.total(), 45);
    EXPECT_EQ(read.runTally.since[0], 0);  // changed from never (-1)
    EXPECT_EQ(std::tuple(readWindow.chips[5].label.fontSize, readWindow.chips[5].appearance,
                         readWindow.chips[4].appearance),
              std::tuple(14, 1, 0));
    // One member out of its range fails the whole read.
    PlayState untouched = live;
    Form untouchedWindow = window;
    for (const auto& [key, value] : {std::pair{"/window/chips/90/image", Json(10)},
                                     {"/window/chips/0/image", Json(0)},
                                     {"/window/chips/0/bet", Json(kBetCount)},
                                     {"/settled/stakes", Json({5})},
                                     {"/runTally/since/3", Json(-2)},
                                     // the history box: numbers of the wheel, one per field
                                     {"/window/historyBox", Json("5,0,")},
                                     {"/window/historyBox", Json(",5")},
                                     {"/window/historyBox", Json("5,,0")},
                                     {"/window/historyBox", Json("5,37")},
                                     {"/window/historyBox", Json("5,-1")},
                                     {"/window/historyBox", Json("5, 6")},
                                     {"/window/unitWagerList/index", Json(100)},
                                     {"/spinText", Json("07")},
                                     {"/phase", Json("ended")}}) {
        Json wrong = changed;
        wrong[Json::json_pointer(key)] = value;
        EXPECT_THROW(fromJson(wrong, untouched, untouchedWindow), BadStateJson) << key;
    }
}

// The undo replays what was typed into a wagering dialog that was then cancelled.
TEST_F(Undo, TextTypedInACancelledWageringDialogComesBack) {
    act("chk7_1=1 even:32767 cboSpins=1 Text18=1000 Button1 wait @5 Button1 wait");
    act("menu:mnuProg frmWagering.Text1=1,2,3,S frmWagering.Command3 @7");
    const Json before = runJson();
    act("Button1");
    ASSERT_TRUE(a().userUndo().ok);
    EXPECT_EQ(runJson(), before);
}

TEST_F(Undo, UndoReachesBackAThousandPressesExactly) {
    // A run that never bets, so nothing ends it.
    act("chk7_1=1 even:32767 cboSpins=1 cboTime=999 Text18=1000 Button1");
    std::vector<Json> before;
    for (int i = 0; i < 1100; ++i) {
        act("wait @" + std::to_string((i * 7 + i / 37) % 37));
        before.push_back(runJson());
        act("Button1");
    }
    EXPECT_GE(a().menus().edit.undoSteps, 1000);
    EXPECT_EQ(a().menus().edit.undo.caption, "Undo Spin " + std::to_string(state().SpinNumber));
    for (int i = 1; i <= 1000; ++i) {
        ASSERT_TRUE(a().userUndo().ok) << i;
        ASSERT_TRUE((i % 97 && i < 1000) || runJson() == before[before.size() - i]) << i;
    }
    for (int i = 0; i < 1000; ++i) ASSERT_TRUE(a().userRedo().ok) << i;
    act("wait @4");
    EXPECT_EQ(runJson()["totalSpins"], 1100);
}

TEST_F(Undo, SessionsThatKeepNothingHaveNoUndoAndNoRunFile) {
    dialogs.answers = {"yes"};
    advisor.reset();
    advisor = std::make_unique<Advisor>(Ports{dialogs, browser, clock, random, nullptr});
    StartOptions options{dir.path / "other", false, ""};
    options.recordUndo = options.keepRunFile = false;
    advisor->userOpenWindow(options);
    act("chk7_1=1 even:0 Text18=1000 Button1 5");
    a().flushFiles();
    EXPECT_FALSE(a().userUndo().ok || a().menus().edit.undo.enabled);
    a().userCloseWindow();
    EXPECT_FALSE(std::filesystem::exists(a().files().run));
    EXPECT_EQ(dialogs.answers.size(), 1u);  // nothing was asked
}

// Without an undo history, a program that lets the spin wait run out still keeps the run file:
// the end of the wait is a change the file takes.
TEST_F(Undo, PassingTheSpinWaitMarksTheRunFile) {
    advisor.reset();
    advisor = std::make_unique<Advisor>(Ports{dialogs, browser, clock, random, nullptr});
    StartOptions options{dir.path / "other", false, ""};
    options.recordUndo = false;
    advisor->userOpenWindow(options);
    act("chk7_1=1 even:0 Text18=1000 Button1");
    a().flushFiles();
    ASSERT_FALSE(a().filesDirty());
    ASSERT_TRUE(a().passSpinWait());
    EXPECT_TRUE(a().filesDirty());
}

}  // namespace
}  // namespace brisvale::testing
