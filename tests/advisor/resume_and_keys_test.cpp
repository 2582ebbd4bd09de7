// SPDX-License-Identifier: GPL-3.0-or-later
// Keys typed at the end of a run and during the spin wait, Replay History beside a live run,
// and a run resumed in the next session: its question, its start time and its undo history.

#include <gmock/gmock.h>

#include <functional>

#include "run/state_json.hpp"
#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

using Keys = AdvisorFixture;

// Red/Black at a fixed threshold of 0, with $1000: Black is due after any red spin.
#define RED_BLACK "watch:red-black threshold:even=0 balance:1000 start "

// After the advice to stop, Enter and a typed digit are refused and change nothing; a press of
// Start begins the new run.
TEST_F(Keys, NoKeyStartsARunAfterTheAdviceToStop) {
    const std::pair<const char*, const char*> ends[] = {
        {"seq:1=1,Q " RED_BLACK "5 3", "Quit NOW"},
        {"style:3 cboWins=1 chk7_1=1 even:0 cboRow=1 Button1 5 6 tick", "Switch Table/Press Start"},
        {"seq:1=1,Q style:3 chk7_1=1 chk6=1 cboDozen=1 even:0 dozen:0 Button1 5 3", "Quit NOW"},
    };
    for (const auto& [script, advice] : ends) {
        play(std::string("end :: ") + script + " wait => button=Start; label=" + advice);
        const Json before = runJson();
        const auto undoSteps = a().menus().edit.undoSteps;
        for (const char* key : {"Enter", "7", "1", "Enter"}) {
            const ActionResult r = a().userKey(key);
            EXPECT_EQ(std::pair(r.ok, r.error),
                      std::pair(false, std::string("Press Start to begin a new run.")))
                << script << " " << key;
        }
        EXPECT_EQ(runJson(), before) << script;
        EXPECT_EQ(a().menus().edit.undoSteps, undoSteps);
        act("Button1");
        expect("button=Submit; table=0", script);
    }
    // Before any run, Enter is the Start it always was.
    play("fresh :: chk7_1=1 Text18=1000 => button=Start");
    EXPECT_TRUE(a().userKey("Enter").ok);
    expect("button=Submit");
}

// Enter during the spin wait says how long is left and keeps the number typed; Enter after the
// wait enters it.
TEST_F(Keys, EnterDuringTheSpinWaitSaysHowLongIsLeft) {
    for (const int interval : {1, 3, 9}) {
        play("wait :: chk7_1=1 even:50 Text18=1000 cboSpins=" + std::to_string(interval) +
             " Button1 wait @17 Button1 => total=1");
        ASSERT_TRUE(a().userKey("2").ok);
        for (int left = interval + 1; left >= 1; --left) {
            const ActionResult r = a().userKey("Enter");
            EXPECT_EQ(std::pair(r.ok, r.error),
                      std::pair(false, "Wait " + std::to_string(left) + " s for the next spin"));
            expect("pending=1; spin=02; total=1; marker=1", std::to_string(left));
            tick();
        }
        ASSERT_TRUE(a().userKey("Enter").ok);
        expect("total=2; pending=0; history=2/17/");
    }
}

using ReplayBeside = AdvisorFixture;

// Alpha's four recorded spins and a live run at Alpha, one spin in (9, also recorded).
#define LIVE_AT_ALPHA                                                                           \
    "answer:Alpha Casino=New... chk7_1=1 even:50 Text18=1000 Button1 5 3 2 17 menu:mnuRestart " \
    "Button1 9 wait "

// No leaves the run as it was (the console's tests); Yes ends the run as Restart ends it, and
// the five recorded spins are played once.
TEST_F(ReplayBeside, ReplayHistoryAsksBeforeItEndsALiveRun) {
    play("yes :: " LIVE_AT_ALPHA
         "answer:yes replay => total=10; table=5; recorded=5; "
         "button=Submit; history=     9/17/2/     3/     5/; historyfile=index: 1/name1: "
         "Alpha,5,3,2,17,9,/");
    EXPECT_EQ(dialogs.boxes.back().text,
              "Replaying ends the current run. Replay the history of Alpha?");
    // Between runs nothing is asked.
    play("between :: " LIVE_AT_ALPHA
         "menu:mnuRestart replay => table=5; boxes=Enter the Casino Name");
}

using Resume = AdvisorFixture;

// The question names the casino and the bets open; the start stays across resumes while the time
// away is no play time.
TEST_F(Resume, TheQuestionNamesTheCasinoAndTheBetAndKeepsTheStart) {
    act("answer:Alpha Casino=New... " RED_BLACK "5 close");
    clock.now += 3'600'000;
    act("answer:yes restart");
    const std::string first = dialogs.boxes.back().text;
    EXPECT_THAT(first, ::testing::MatchesRegex(
                           "Resume the run of [-0-9]+ [0-9:]+ \\(1 spins, balance \\$1000\\) at "
                           "Alpha, bet open: Black\\?"));
    act("wait 3 close");  // Black loses; the bet goes on
    clock.now += 7'200'000;
    act("answer:yes restart");
    const std::string second = dialogs.boxes.back().text;
    EXPECT_EQ(second.substr(0, 34), first.substr(0, 34));
    EXPECT_THAT(second, ::testing::EndsWith("(2 spins, balance $999) at Alpha, bet open: Black?"));
    expect("button=Submit; label=Bet $2 on Black");

    play(
        "Multi names every bet :: style:2 chk1=1 cboRow=2 row:0 Button1 5 close answer:yes restart "
        "=> button=Submit");
    EXPECT_THAT(dialogs.boxes.back().text,
                ::testing::EndsWith("balance $1000), bets open: Row 1 and Row 3?"));
}

// Closed by mistake, the run resumes with its undo history: every press can be undone as before,
// the file included, and redone again.
TEST_F(Resume, TheUndoHistoryComesBackWithTheRun) {
    act("answer:Alpha Casino=New... cboTime=999 " RED_BLACK);
    std::vector<Json> before;
    for (int n : {5, 3, 2, 17, 0, 8, 11}) {
        act("wait @" + std::to_string(n));
        before.push_back(runJson());
        act("Button1");
    }
    const Json after = runJson();
    const std::string file = view("historyfile");
    act("close");
    clock.now += 60'000;
    act("answer:yes restart");
    ASSERT_EQ(a().menus().edit.undoSteps, 8);
    const auto moved = [](Json j) {
        j["runStart"] = j["runStart"].get<long long>() + 60'000;
        return j;
    };
    for (std::size_t i = before.size(); i-- > 0;) {
        ASSERT_TRUE(a().userUndo().ok);
        EXPECT_EQ(runJson(), moved(before[i])) << i;
    }
    expect("historyfile=index: 1/name1: Alpha,/; button=Submit");
    ASSERT_TRUE(a().userUndo().ok);
    expect("button=Start");
    while (a().userRedo().ok) {
    }
    EXPECT_EQ(runJson(), moved(after));
    EXPECT_EQ(view("historyfile"), file);
}

// A run file without an undo history (as earlier versions wrote it) or with a damaged one still
// resumes; only the undo history is left behind.
TEST_F(Resume, ARunFileWithoutAUsableUndoHistoryStillResumes) {
    const std::function<void(Json&)> changes[] = {
        [](Json& j) { j.erase("undo"), j.erase("away"); },
        [](Json& j) { j["undo"]["history"]["cursor"] = 99; },
        [](Json& j) {
            j["undo"]["history"]["steps"][1]["press"] = Json::array({1, 0, 0});
        },
        [](Json& j) { j["undo"]["history"]["log"]["clocks"].erase(0); },
        [](Json& j) { j["undo"]["line"] = "Beta,"; },
        [](Json& j) { j["undo"]["history"]["checkpoints"][0]["state"]["state"]["wins"] = -1; },
    };
    for (std::size_t k = 0; k < std::size(changes); ++k) {
        SCOPED_TRACE(k);
        play("run :: answer:Alpha Casino=New... " RED_BLACK "5 3 close => button=Submit");
        Json run = Json::parse(readBytes(a().files().run));
        ASSERT_TRUE(run.contains("undo"));
        changes[k](run);
        writeBytes(a().files().run, run.dump());
        act("answer:yes restart");
        expect(
            "button=Submit; total=2; label=Bet $2 on Black; historyfile=index: 1/name1: "
            "Alpha,5,3,/");
        EXPECT_EQ(a().menus().edit.undoSteps, 0);
    }
}

}  // namespace
}  // namespace brisvale::testing
