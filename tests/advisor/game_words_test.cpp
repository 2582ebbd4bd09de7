// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the game that scenario tables use stand for exactly the controls they name.

#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

using GameWords = AdvisorFixture;

TEST_F(GameWords, EachWordSetsItsControl) {
    const Scenario scenarios[] = {
        "the even-money families :: watch:red-black watch:odd-even watch:high-low => chk7_1=1; "
        "chk7_2=1; chk7_3=1 || unwatch:odd-even => chk7_1=1; chk7_2=0; chk7_3=1",
        "the other families :: style:multi watch:dozen watch:row watch:line watch:corner "
        "watch:trio "
        "watch:split watch:single => chk6=1; chk1=1; chk2=1; chk3=1; chk4=1; chk5=1; Chk8=1 || "
        "unwatch:dozen unwatch:single => chk6=0; Chk8=0; chk1=1",
        "thresholds, Low and High alike :: style:multi threshold:even=3 threshold:dozen=5 "
        "threshold:single=-2 => Text2=3; Text3=3; Text4=5; Text5=5; Text16=-2; Text17=-2; "
        "Check2=0",
        "counts of Multi play :: style:multi count:dozen=2 count:row=1 count:line=3 count:corner=1 "
        "count:trio=2 count:split=1 count:single=4 => cboDozen=2; cboRow=1; cboLine=3; "
        "cboCorner=1; cboTrio=2; cboSplit=1; cboSingle=4",
        "styles :: style:super => BetStyle3=1; BetStyle1=0 || style:multi => BetStyle2=1; "
        "BetStyle3=0 || style:classic => BetStyle1=1; BetStyle2=0; Text18=1000",
        "balance, start and a spin :: watch:dozen balance:250 => Text18=250; button=Start || "
        "start => button=Submit; balance=250 || spin:17 => history=17/; total=1",
        "the back colours by name :: seq:1=1,Q => back=normal || style:classic watch:red-black "
        "threshold:even=0 start spin:5 => back=bet; label=Bet $1 on Black || spin:3 => back=quit; "
        "label=Quit NOW",
    };
    for (const Scenario& s : scenarios) play(s);
}

TEST_F(GameWords, TheColourNamesAreTheWindowsColours) {
    EXPECT_EQ(backColourName(15790320), "normal");
    EXPECT_EQ(backColourName(8454016), "bet");
    EXPECT_EQ(backColourName(192), "quit");
    EXPECT_EQ(backColourName(255), "255");
}

}  // namespace
}  // namespace brisvale::testing
