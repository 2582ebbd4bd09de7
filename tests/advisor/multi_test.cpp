// SPDX-License-Identifier: GPL-3.0-or-later
// Multi and Super play as scenario tables, and long random runs checked against what the user
// saw before each press.

#include <array>
#include <set>

#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

using Multi = AdvisorFixture;

// Red/Black at a fixed threshold of 0, with the count box Multi play needs: Black is due after
// any red spin.
#define BLACK_DUE "watch:red-black threshold:even=0 count:row=1 start "

TEST_F(Multi, Presses) {
    const Scenario scenarios[] = {
        "no bet due :: style:super watch:dozen count:dozen=2 threshold:dozen=5 start spin:7 => "
        "label=Spin Only; open=0; chips=; back=normal; table=1; total=1; enabled=0",
        "a press without a number changes nothing :: answer:Kept Casino=New... "
        "style:multi " BLACK_DUE
        "spin:5 wait submit => boxes=Enter the Casino Name|Select a Number!; total=1; recorded=1; "
        "balance=1000; bet=Black,; history=     5/; enabled=1",
        "Super: one winner, one loser :: style:super " BLACK_DUE
        "spin:5 => bet=Black,; label=Bet $1 on all chips shown.; back=bet; chips=0:1; tips=Bet 1 "
        "on Black || "
        // Black loses and goes on at 2; Red opens beside it.
        "spin:0 => net=-1; balance=999; Text18=999; bet=Black,Red,; chips=0:2 1:1; wins=0; "
        "label=Bet the stake shown on each chip. ||  => spots=2940,1600 4650,1600 || "
        // Black wins 2 at 1:1, Red loses its 1 and goes on; Black was just hit.
        "spin:2 => wins=1; net=0; balance=1000; bet=Red,; chips=0:2; spots=4650,1600; table=3; "
        "label=Bet $2 on all chips shown.",
        "Super: two winners, and the losers go on beside new bets :: style:super watch:dozen "
        "watch:row count:dozen=2 count:row=2 threshold:dozen=0 threshold:row=0 start spin:0 => "
        "bet=1st 12,2nd 12,Row 1,Row 2, || spin:5 => wins=2; net=2; balance=1002; bet=2nd 12,3rd "
        "12,Row 1,Row 3,; chips=0:2 1:1 2:2 3:1",
        "Super: a zero charges every open bet :: style:super watch:dozen watch:row count:dozen=2 "
        "count:row=2 threshold:dozen=0 threshold:row=0 start spin:0 spin:0 => net=-4; balance=996; "
        "wins=0; bet=1st 12,2nd 12,Row 1,Row 2,; chips=0:2 1:2 2:2 3:2",
        "Multi: one stake for all chips :: style:multi watch:row count:row=2 threshold:row=0 start "
        "spin:5 => bet=Row 1,Row 3,; label=Bet $1 on all chips shown.; back=bet; tips= || spin:8 "
        "=> bet=Row 1,Row 3,; label=Bet $2 on all chips shown.; net=-2; balance=998",
        "Multi: unequal stakes name none :: style:multi watch:row watch:dozen count:row=2 "
        "count:dozen=1 threshold:row=0 threshold:dozen=2 start spin:5 => bet=Row 1,Row 3, || "
        // Row 1 goes on at 2; Row 2 comes before Row 3 and opens at 1, as does 2nd 12.
        "spin:0 => bet=2nd 12,Row 1,Row 2,; chips=0:1 1:2 2:1; label=Bet the stake shown on each "
        "chip.",
        "Multi fills a family by lowering its threshold :: style:multi watch:row count:row=2 "
        "threshold:row=3 start spin:1 spin:2 => label=Spin Only || spin:3 => bet=Row 1,Row 2,",
        "after a first zero nothing has slept: the fill-up asks at threshold 0 too :: style:multi "
        "watch:row count:row=2 threshold:row=1 start spin:0 => bet=Row 1,Row 2,",
        "Multi asks a family below zero at least once :: style:multi watch:row count:row=1 "
        "threshold:row=-1 start spin:5 => bet=Row 1,; label=Bet $1 on all chips shown.",
        "Multi's lowering stops at the bottom of the range :: style:multi watch:row count:row=1 "
        "threshold:row=-32768 start spin:5 spin:8 spin:11 => bet=Row 1,; chips=0:3",
        "Multi drops bets at their stop and hides the chips :: seq:3=1,S style:multi watch:row "
        "count:row=2 threshold:row=0 start spin:5 => bet=Row 1,Row 3, || spin:8 => bet=; open=0; "
        "label=Spin Only; chips=; back=normal; balance=998",
        "a dropped Super bet leaves a gap among the chips :: seq:2=1,S style:super watch:dozen "
        "count:dozen=1 watch:red-black threshold:dozen=0 threshold:even=0 start spin:5 => bet=2nd "
        "12,Black, || spin:3 => bet=Black,; chips=1:2; tips=Bet 2 on Black; spots=2940,1600; "
        "label=Bet $2 on all chips shown.; button=Submit || flip => chips=1:2; spots=4640,1600",
        "a quit mark ends a Super run after a loss :: seq:1=1,Q style:super " BLACK_DUE
        "spin:5 spin:3 => label=Quit NOW; back=quit; picture=1; button=Start; chips=; balance=999 "
        "|| wait start => button=Submit; table=0; total=2",
        "no chip of the bets beside a Super quit mark stays :: seq:1=1,Q style:super "
        "watch:red-black watch:dozen count:dozen=1 threshold:even=0 threshold:dozen=0 start spin:5 "
        "spin:3 => label=Quit NOW; back=quit; button=Start; chips=; open=1 || flip => chips=",
        "a Multi quit mark drops its bet silently :: seq:1=1,Q style:multi " BLACK_DUE
        "spin:5 spin:3 => label=Spin Only; button=Submit; back=normal; open=0; chips=; boxes=",
        "a quit mark met on a winning spin is not announced :: seq:2=1,Q style:super watch:dozen "
        "watch:red-black count:dozen=1 threshold:dozen=0 threshold:even=0 start spin:5 spin:2 => "
        "label=Bet $1 on all chips shown.; button=Submit; back=bet",
        "an unreadable step quits :: wagerfile:even=1,x,4,Q style:super " BLACK_DUE
        "spin:5 spin:3 => label=Quit NOW; button=Start; balance=999",
        "a step beyond the sequence quits :: wagerfile:even=1 style:super " BLACK_DUE
        "spin:5 spin:3 => label=Quit NOW; button=Start; balance=999",
    };
    for (const Scenario& s : scenarios) play(s);
}

// The dialog's auto-increase raising the wager after every chip.
#define RAISE_EVERY_CHIP \
    "menu:mnuProg frmWagering.Text1=1,S frmWagering.Combo1=1 frmWagering.Command2 "
TEST_F(Multi, TablesAndWagers) {
    const Scenario scenarios[] = {
        "Super stops opening bets at the wins per table :: style:super cboWins=1 " BLACK_DUE
        "5 6 => wins=1; open=0; chips=; label=Spin Only; back=normal || tick => label=Switch "
        "Table/Press Start; button=Start; back=normal",
        "Super carries a progression past the wins per table :: style:super cboWins=1 "
        "watch:red-black watch:odd-even threshold:even=0 count:row=1 start 5 => bet=Black,Even, || "
        "11 => wins=1; open=1; bet=Even,Red,; chips=0:2 1:1 || tick => button=Submit; label=Bet "
        "the stake shown on each chip.",
        "Multi has no wins per table stop :: style:multi cboWins=1 " BLACK_DUE
        "5 6 => wins=1; open=1; bet=Red,",
        "a win that leaves nothing open raises the wager and keeps it :: " RAISE_EVERY_CHIP
        "style:super watch:red-black threshold:even=2 count:row=1 start 4 6 => bet=Red, || 1 => "
        "open=0; cboWager=2; net=0; balance=1001; Label12=Minimum Balance:$400 || 8 10 => "
        "bet=Red,; chips=0:2 || 11 => open=0; net=-1; cboWager=1; balance=999; label=Spin Only",
        "no raise while auto-increase is off :: menu:mnuProg frmWagering.Combo1=1 "
        "frmWagering.Check1=0 frmWagering.Command2 style:super watch:red-black threshold:even=2 "
        "count:row=1 start 4 6 1 => net=1; cboWager=1",
        "no raise while a bet stays open :: " RAISE_EVERY_CHIP "style:super " BLACK_DUE
        "5 6 => open=1; net=1; cboWager=1",
    };
    for (const Scenario& s : scenarios) play(s);
}

// Super with seventeen single-number bets and a dozen open after a zero.
#define SINGLES                                                                              \
    "style:super watch:single count:single=17 threshold:single=0 watch:dozen count:dozen=1 " \
    "threshold:dozen=0 start 0 wait "
TEST_F(Multi, Chips) {
    const Scenario scenarios[] = {
        "Super chips carry their family images and a tooltip each :: style:super watch:single "
        "watch:red-black watch:odd-even watch:high-low watch:row watch:line watch:corner "
        "watch:trio watch:split watch:dozen threshold:even=0 threshold:dozen=0 threshold:row=0 "
        "threshold:line=0 threshold:corner=0 threshold:trio=0 threshold:split=0 threshold:single=0 "
        "count:dozen=1 count:row=1 count:line=1 count:corner=1 count:trio=1 count:split=1 "
        "count:single=1 start 0 => bet=Split 01/02,Corner 04/01/05/02,Trio 01/02/03,Line 06/03,1st "
        "12,Row 1,Red,Black,Even,Odd,01 to 18,19 to 36,Single 01,; images=1 2 3 4 5 5 5 5 5 5 5 5 "
        "9; label=Bet $1 on all chips shown.; tips=Bet 1 on Split 01/02|Bet 1 on Corner "
        "04/01/05/02|Bet 1 on Trio 01/02/03|Bet 1 on Line 06/03|Bet 1 on 1st 12|Bet 1 on Row 1|Bet "
        "1 on Red|Bet 1 on Black|Bet 1 on Even|Bet 1 on Odd|Bet 1 on 01 to 18|Bet 1 on 19 to "
        "36|Bet 1 on Single 01",
        "Multi bets no single numbers, even with their box ticked :: style:multi watch:single "
        "threshold:single=0 count:single=1 start 0 => open=0; label=Spin Only; bet=",
        // Single 17 wins 35 chips; the sixteen other singles and the dozen lose one each.
        "a single-number chip enters its number in Super :: " SINGLES
        "chip:17 => pending=1; spin=17; marker=1 || submit => wins=1; net=18; balance=1018",
        "other chips enter nothing :: " SINGLES "chip:0 => pending=0; marker=0",
        "Classic ignores chip clicks :: " SINGLES "BetStyle1=1 chip:17 => pending=0; marker=0",
        "chips laid in Multi drop the Super tooltips :: " SINGLES
        "BetStyle2=1 5 => chips=0:1; tips=",
    };
    for (const Scenario& s : scenarios) play(s);
}

// Random runs in every multi-bet setting, checked after each press against what the user saw
// before it: the chips show the open bets in order, new bets start at the first stake,
// inside bets of a family never share a number, Multi lays no single, Multi's advice names a
// stake only when every chip carries it, and the balance moves by what the chips staked and
// the layout pays.
TEST_F(Multi, RandomRunsKeepChipsBetsAndBalanceTrue) {
    // The setup, every family's threshold, and the count boxes at this many sixths of their
    // maximum.
    const std::tuple<const char*, int, int> runs[] = {
        {"style:2", 0, 6},
        {"seq:1=1,2,S style:2 Check8=1", 4, 3},
        {"style:2", -2, 1},
        {"style:3 Chk8=1", 0, 6},
        {"seq:1=1,2,S style:3 Chk8=1 Check8=1", 4, 3},
        {"menu:mnuProg frmWagering.Combo1=10 frmWagering.Command2 style:3 Chk8=1", 8, 2},
    };
    const int most[] = {2, 2, 4, 6, 10, 16, 34};  // the maxima of the count lists of kCounts
    unsigned seed = 11;
    for (const auto& [setupText, threshold, sixths] : runs) {
        SCOPED_TRACE(setupText);
        std::string setup = std::string(setupText) +
                            " cboWins=999 cboTime=999 chk7=1 chk1=1 chk2=1 chk3=1 chk4=1 chk5=1 "
                            "chk6=1 balance:1000000 ";
        for (const auto& f : kFamilies) setup += f[0] + (":" + std::to_string(threshold)) + " ";
        for (std::size_t k = 0; k < kCounts.size(); ++k)
            setup += kCounts[k][1] + ("=" + std::to_string(most[k] * sixths / 6)) + " ";
        play("setup :: " + setup + "Button1 => button=Submit");
        const bool multi = setupText[std::string(setupText).find("style:") + 6] == '2';
        int settled = 0;
        for (int spin = 0; spin < 300 && !HasFatalFailure(); ++spin) {
            seed = seed * 1103515245u + 12345u;
            const int n = static_cast<int>((seed >> 16) % 37);
            act("wait");
            if (form().startButton.caption == "Start") {
                act("Button1");
                continue;
            }
            SCOPED_TRACE("spin " + std::to_string(spin) + " of " + std::to_string(n));
            double want = state().Balance;
            BetSet before;
            for (const Chip& chip : form().chips) {
                if (!chip.visible) continue;
                const Bet& b = bet(static_cast<BetId>(chip.bet));
                const long long stake = std::stoll(chip.caption);
                want += b.covers(n) ? b.netPayout * stake : -stake;
                before.set(chip.bet);
            }
            const bool open = state().BetOpen;
            act(std::to_string(n));
            settled += open;
            EXPECT_TRUE(!open || state().Balance == want) << state().Balance << " for " << want;
            const std::string advice = form().adviceLabel.caption;
            // No chip beside "Quit NOW" or a stake above the balance, and every chip shown says
            // how to bet it.
            if (!state().BetOpen || advice == "Quit NOW" || advice == "Balance too low: stop now") {
                EXPECT_EQ(view("chips"), "") << advice;
                continue;
            }
            std::array<NumberMask, kFamilyCount> used{};
            std::set<std::string> stakes;
            int i = 0;
            for (const Chip& chip : form().chips) {
                if (!chip.visible) continue;
                ASSERT_LT(i, state().CurrentBet.size());
                const BetId id = state().CurrentBet[i++];
                const Bet& b = bet(id);
                EXPECT_EQ(chip.bet, id);
                stakes.insert(chip.caption);
                const auto first = elementValue(state().wagering.of(b.family).front());
                EXPECT_TRUE(before.test(id) ||
                            chip.caption == std::to_string(*first * state().UnitWager()))
                    << label(id) << " opens at its first stake";
                EXPECT_TRUE(!multi || b.family != Family::Single);
                NumberMask& mask = used[static_cast<int>(b.family)];
                EXPECT_TRUE(b.family <= Family::Row || !(mask & b.numbers))
                    << label(id) << " overlaps";
                mask |= b.numbers;
            }
            EXPECT_EQ(i, state().CurrentBet.size());
            EXPECT_EQ(advice, stakes.size() == 1
                                  ? "Bet $" + *stakes.begin() + " on all chips shown."
                                  : "Bet the stake shown on each chip.");
        }
        EXPECT_GT(settled, 100);
    }
}

}  // namespace
}  // namespace brisvale::testing
