// SPDX-License-Identifier: GPL-3.0-or-later
// Classic play, the start checks, the timer and the board, as scenario tables: a script of user
// actions, then what the window shows.

#include "board/geometry.hpp"
#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

using Classic = AdvisorFixture;

// Red/Black only at a fixed threshold of 0, with $1000: Black is due after any red spin.
#define RED_BLACK "watch:red-black threshold:even=0 balance:1000 start "

TEST_F(Classic, StartChecks) {
    const Scenario scenarios[] = {
        "nothing watched :: balance:1000 start => boxes=Play Style is not properly set up; "
        "button=Start",
        "no balance :: watch:dozen balance: start => boxes=You need to enter your account "
        "balance.; focus=Text18; button=Start",
        "a balance that is no number :: watch:dozen balance:12a start => boxes=Enter numbers "
        "only.; Text18=; focus=Text18",
        "a grey Even Bets box is a play style :: watch:odd-even balance:500 start => chk7=2; "
        "boxes=; button=Submit; enabled=0; label=Spin Only; balance=500",
        "Submit without a number :: " RED_BLACK
        "wait submit => boxes=Select a Number!; total=0; history=",
        "Multi needs a count box, any one :: style:multi watch:red-black start => boxes=You need "
        "to increase your Multi settings (Advanced Settings).; button=Start || count:trio=1 start "
        "=> button=Submit; label=Spin Only",
    };
    for (const Scenario& s : scenarios) play(s);
}

TEST_F(Classic, Runs) {
    const Scenario scenarios[] = {
        "a loss, a win, then a bet to its quit mark :: " RED_BLACK
        " => button=Submit; caption=Brisvale - Total Spins: 0 - Spins This Table: 0  || 5 => "
        "label=Bet $1 on Black; bet=Black,; chips=0:1; spots=2940,1600; back=bet || 3 => "
        "balance=999; step=1; label=Bet $2 on Black; chips=0:2; Text18=999 || "
        // The label stays until the next bet opens.
        "2 => balance=1001; wins=1; open=0; label=Spin Only; chips=; bet=Black,; back=normal || 7 "
        "1 1 1 1 1 => label=Bet $32 on Black; chips=0:32 || 1 => label=Quit NOW; back=quit; "
        "button=Start; picture=1; chips=; bet=Black, ||  => balance=938; Text18=938; total=10; "
        "table=10 || wait start => button=Submit; table=0; total=10; bet=; picture=0",
        "the balance box shows the balance as the program writes it :: " RED_BLACK
        "menu:mnuRestart tick:3 balance:1e3 start => Text18=1000; balance=1000 || 5 3 => "
        "Text18=999",
        "a sequence starting with 2 shows 2 but stakes 1 :: seq:1=2,4,8,Q " RED_BLACK
        "5 => label=Bet $2 on Black; chips=0:1 || 3 => balance=999; label=Bet $4 on Black",
        "a stop mark takes the spin :: seq:1=1,2,S Check8=0 " RED_BLACK
        "5 3 => label=Bet $2 on Black || 3 => open=0; label=Spin Only; enabled=1; marker=0; "
        "pending=0; step=0; total=3 || submit => boxes=Select a Number!; total=3; history=     3/  "
        "   3/     5/",
        "the replay button leaves a live run without a casino alone :: seq:1=1,2,S "
        "Check8=0 " RED_BLACK
        "5 3 @3 => enabled=0; pending=1 || Command2 => open=1; label=Bet $2 on Black; enabled=0; "
        "pending=1; total=2; boxes=; interval=1000",
        "families wait for the total spins to reach their threshold :: watch:red-black "
        "threshold:even=3 balance:100 start 20 22 => label=Spin Only || 24 => label=Bet $1 on Red",
        "a win raises the minimum wager and the balance figures follow :: menu:mnuProg "
        "frmWagering.Combo1=1 frmWagering.Command2 " RED_BLACK
        "5 2 => cboWager=2; net=0; Label12=Minimum Balance:$200; Label41=$60 per spot || 7 => "
        "label=Bet $2 on Black; chips=0:2",
    };
    for (const Scenario& s : scenarios) play(s);
}

TEST_F(Classic, TimerAndBoard) {
    const Scenario scenarios[] = {
        "the spin wait blinks the advice, then gives Button1 back :: " RED_BLACK
        " => enabled=0; visible=1 || tick => visible=0 || tick => visible=1 || tick => visible=0; "
        "enabled=0 || tick => visible=1; enabled=1 ||  => caption=Brisvale - Total Spins: 0 - "
        "Spins This Table: 0 - Wins: 0 ",
        "Restart during the spin wait shows the advice for good :: " RED_BLACK
        "tick => visible=0 || menu:mnuRestart tick:3 => visible=1; label=Configure Play Style and "
        "Press Start; button=Start; picture=1",
        "the wins per table bring the table switch :: cboWins=1 " RED_BLACK
        "5 2 tick => label=Switch Table/Press Start; button=Start; bet=; picture=1",
        "the play time waits for the open bet to close :: cboTime=1 " RED_BLACK
        "5 tick:70 => label=Bet $1 on Black; button=Submit || 2 tick => label=Switch Table/Press "
        "Start",
        "a flip moves the shown chip and never shows a hidden one :: watch:red-black "
        "threshold:even=1 balance:1000 start 5 5 wait @17 => bet=Black,; spots=2940,1600 || flip "
        "=> spots=4640,1600; marker=1; pending=1 || submit flip => chips=; open=0",
    };
    for (const Scenario& s : scenarios) play(s);
}

// A click on a number's cell enters it and puts the marker inside that cell (here in the flipped
// view); the outside cells enter nothing.
TEST_F(Classic, CellClicksPutTheMarkerOnTheirNumber) {
    for (int cell = 0; cell < board::kCellCount; ++cell) {
        const std::string n = std::to_string(cell), shown = (cell < 10 ? "0" : "") + n;
        play(n + " :: flip @" + n + " => " +
             (cell <= 36 ? "pending=1; marker=1; spin=" + shown : "pending=0; marker=0"));
        const Rect r = form().board.cell(cell);
        const Marker& m = form().marker;
        EXPECT_TRUE(cell > 36 || (m.left >= r.left && m.left + m.width <= r.left + r.width &&
                                  m.top >= r.top && m.top + m.height <= r.top + r.height))
            << cell;
    }
}

}  // namespace
}  // namespace brisvale::testing
