// SPDX-License-Identifier: GPL-3.0-or-later
// Keys typed at the end of a run and during the spin wait, and Replay History beside a live
// run.

#include <gmock/gmock.h>

#include "state/state_json.hpp"
#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

using Keys = AdvisorFixture;

// Red/Black at a fixed threshold of 0, with $1000: Black is due after any red spin.
#define RED_BLACK "chk7_1=1 even:0 Text18=1000 Button1 "

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
        const Json before = toJson(state());
        const auto undoSteps = a().editMenu().undoSteps;
        for (const char* key : {"Enter", "7", "1", "Enter"}) {
            const ActionResult r = a().userKey(key);
            EXPECT_EQ(std::pair(r.ok, r.error), std::pair(false, std::string("Press Start to begin a new run.")))
                << script << " " << key;
        }
        EXPECT_EQ(toJson(state()), before) << script;
        EXPECT_EQ(a().editMenu().undoSteps, undoSteps);
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
#define LIVE_AT_ALPHA                                                                      \
    "answer:Alpha Casino=New... chk7_1=1 even:50 Text18=1000 Button1 5 3 2 17 menu:mnuRestart " \
    "Button1 9 wait "

TEST_F(ReplayBeside, ReplayHistoryAsksBeforeItEndsALiveRun) {
    play("no :: " LIVE_AT_ALPHA "=> button=Submit; table=1");
    const Json before = toJson(state());
    act("answer:no Command2");
    EXPECT_EQ(dialogs.boxes.back(),
              (Box{"question", "Brisvale",
                   "Replaying ends the current run. Replay the history of Alpha?"}));
    EXPECT_EQ(toJson(state()), before);
    EXPECT_FALSE(a().replayRunning());

    // Yes: the run ends as Restart ends it, and the five recorded spins are played once.
    play("yes :: " LIVE_AT_ALPHA "answer:yes replay => total=10; table=5; recorded=5; "
         "button=Submit; history=     9/17/2/     3/     5/; historyfile=index: 1/name1: "
         "Alpha,5,3,2,17,9,/");
    EXPECT_EQ(dialogs.boxes.back().text,
              "Replaying ends the current run. Replay the history of Alpha?");
    // Between runs nothing is asked.
    play("between :: " LIVE_AT_ALPHA "menu:mnuRestart replay => table=5; boxes=Enter the Casino "
         "Name");
}

}  // namespace
}  // namespace brisvale::testing
