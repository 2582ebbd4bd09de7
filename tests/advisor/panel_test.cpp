// SPDX-License-Identifier: GPL-3.0-or-later
// The play-style panel, the settings it keeps, and the Custom Wagering dialog, as scenario
// tables.

#include <set>

#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

using Panel = AdvisorFixture;

// What Classic play disables: the single-number controls and the count boxes.
#define CLASSIC_OFF                                                                           \
    "Check9,Chk8,Label43,Text16,Text17,cboCorner,cboDozen,cboLine,cboRow,cboSingle,cboSplit," \
    "cboTrio"
#define FRESH_PANEL                                                                         \
    "BetStyle1=1; Option3=1; Check8=1; Text2=6; Text3=7; Text14=50; Text15=55; Text16=60; " \
    "Text17=70; cboWins=3; cboTime=15; cboWager=1; cboSpins=3; Text18=0; Chk8=0; chk5=0; "  \
    "Label35=Total Risk: N/A; Label12=Minimum Balance:$100; Label41=$30 per spot; "         \
    "disabled=" CLASSIC_OFF

TEST_F(Panel, Controls) {
    const Scenario scenarios[] = {
        "a fresh install shows the conservative Classic preset ::  => " FRESH_PANEL
        "; caption=Brisvale - Total Spins: 0 - Spins This Table: 0 ; label=Configure Play Style "
        "and Press Start; button=Start ||  => settings:WinsPer=3; wagering:wagerincreasechips=200",
        "presets follow the style and the default set; Multi loads none :: Option2=1 => Text2=5; "
        "Text3=6; Text14=45; Text15=50 || BetStyle3=1 => Text2=4; Text3=5; Text14=14; Text15=17; "
        "Text16=22; Text17=38 || Option3=1 => Text2=6; Text3=7; Text14=50; Text15=55; Text16=60; "
        "Text17=70 || BetStyle1=1 => Text2=6; Text3=7; disabled=" CLASSIC_OFF
        " || Text2=9 BetStyle2=1 => Text2=9; disabled=",
        "a style switch keeps what is ticked; Classic unticks Single :: chk6=1 BetStyle3=1 => "
        "chk6=1; BetStyle3=1; Label35=Total Risk: N/A; disabled= || cboTrio=4 Chk8=1 => "
        "Label35=Total Risk: 4 Chips || BetStyle2=1 => Label35=Total Risk: 4 Chips; chk6=1; Chk8=1 "
        "|| BetStyle1=1 => Chk8=0; chk6=1; Label35=Total Risk: N/A; disabled=" CLASSIC_OFF,
        "Restart gives the panel back :: chk6=1 Text18=100 Button1 menu:mnuRestart => disabled="
        "Check9,Label43,Text16,Text17,cboCorner,cboDozen,cboLine,cboRow,cboSingle,cboSplit,cboTrio",
        "Even Bets is three-state :: chk7=1 => chk7_1=1; chk7_2=1; chk7_3=1 || chk7_2=0 => chk7=2 "
        "|| chk7_1=0 chk7_3=0 => chk7=0 || chk7_3=1 chk7=0 => chk7_3=0; chk7=0",
        "the balance figures follow the minimum wager and conservative betting :: cboWager=5 => "
        "Label12=Minimum Balance:$500; Label41=$150 per spot || Check8=0 => Label12=Minimum "
        "Balance:$1000; Label41=$335 per spot",
        "a Random box enables its High box; More opens the advanced panel :: Check3=0 => "
        "disabled=Check9,Chk8,Label21,Label43,Text16,Text17,Text7,cboCorner,cboDozen,cboLine,"
        "cboRow,cboSingle,cboSplit,cboTrio || Option2=1 => disabled=" CLASSIC_OFF
        " || "
        // the preset ticks it again
        "cmdMore => height=5610 || cmdMore => height=3350",
        "a threshold that is no number is refused when the box is left :: Text4=abc => boxes=Value "
        "must be numeric!; focus=Text4 || Text4=32768 => boxes=Value must be numeric!|Value must "
        "be numeric! || Text4=-32768 close restart => Text4=-32768",
        "a single-number box that is no number stops the start :: style:3 chk6=1 cboDozen=1 "
        "Text16=x Button1 => boxes=Value must be numeric!; button=Start",
        "Default Settings asks first :: BetStyle2=1 chk5=1 Text16=5 menu:mnuLoadSettings => "
        "BetStyle2=1; chk5=1; boxes=Confirm Restore Default Settings || answer:yes "
        "menu:mnuLoadSettings => " FRESH_PANEL,
    };
    for (const Scenario& s : scenarios) play(s);
}

// What the panel lists, the user can set: every name is a control, each listed once.
TEST_F(Panel, ListsOnlyControlsTheUserHas) {
    std::set<std::string> names;
    for (const ControlView& c : panelControls(advisor->form())) {
        EXPECT_TRUE(names.insert(c.name).second) << c.name;
        EXPECT_NE(advisor->userSet(c.name, "1").error.rfind("no control", 0), 0u) << c.name;
    }
}

// The window shows what the player entered, and a window kept in a file gives it all back. A
// number that no list holds shows as nothing chosen, and comes back as none.
TEST_F(Panel, TheWindowGivesBackWhatThePlayerEntered) {
    const std::pair<const char*, const char*> typed[] = {{"BetStyle3", "1"},
                                                         {"Option2", "1"},
                                                         {"chk7_2", "1"},
                                                         {"Chk8", "1"},
                                                         {"Check4", "1"},
                                                         {"Check8", "0"},
                                                         {"Text10", "12"},
                                                         {"Text11", "-3"},
                                                         {"Text18", "12.5"},
                                                         {"cboSplit", "5"},
                                                         {"cboWager", "7"},
                                                         {"cboSpins", "9"},
                                                         {"cboWins", "20"},
                                                         {"cboTime", "45"},
                                                         {"menu", "mnuProg"},
                                                         {"frmWagering.Text3", "2,4,s"},
                                                         {"frmWagering.Check1", "1"},
                                                         {"frmWagering.Combo1", "30"},
                                                         {"frmWagering.Combo2", "6"}};
    for (const auto& [name, value] : typed) {
        const ActionResult done =
            std::string_view(name) == "menu" ? a().userMenu(value, 0) : a().userSet(name, value);
        ASSERT_TRUE(done.ok) << name << ": " << done.error;
    }
    const PanelEntries& entries = AdvisorTestAccess::entries(a());
    const Form& window = form();
    EXPECT_EQ(std::tuple(window.unitWagerList.text(), window.howMany[SplitBox].text(),
                         window.wageringDialog.increaseSteps.text(), window.threshold(4).high.text,
                         window.familyBoxes[7].value, window.wageringDialog.open),
              std::tuple("7", "5", "6", "-3", 2, true));
    EXPECT_EQ(entriesShownIn(window), entries);

    PanelEntries unheld = entries;
    unheld.unitWager = 101;
    unheld.betsAtOnce[SplitBox] = 17;
    unheld.wagering.increaseSteps = 0;
    Form shown = window;
    showEntriesIn(unheld, shown);
    EXPECT_EQ(std::tuple(shown.unitWagerList.index, shown.howMany[SplitBox].index,
                         shown.wageringDialog.increaseSteps.index),
              std::tuple(-1, -1, -1));
    const PanelEntries back = entriesShownIn(shown);
    EXPECT_EQ(std::tuple(back.unitWager, back.betsAtOnce[SplitBox], back.wagering.increaseSteps),
              std::tuple(0, -1, 0));
}

#define ALL_RANDOM(v) \
    "Check1=" v " Check2=" v " Check3=" v " Check4=" v " Check5=" v " Check6=" v " Check7=" v
TEST_F(Panel, Settings) {
    const Scenario scenarios[] = {
        "the panel survives a restart :: BetStyle3=1 Option2=1 chk3=1 cboCorner=5 Text10=11 "
        "cboWager=7 Text18=2500 close restart => BetStyle3=1; Option2=1; chk3=1; cboCorner=5; "
        "Text10=11; cboWager=7; Text18=2500; Label35=Total Risk: 5 Chips; Label12=Minimum "
        "Balance:$700",
        // The chosen style and default set are stored as -1, the others as 0.
        "Super, aggressive :: BetStyle3=1 Option2=1 close => settings:ProgSing=0; "
        "settings:MultiBet=0; settings:ProgMulti=-1; settings:AggrDefault=-1; "
        "settings:ConsDefault=0",
        "Classic, back to conservative :: Option2=1 Option3=1 close => settings:ProgSing=-1; "
        "settings:AggrDefault=0; settings:ConsDefault=-1",
        "Multi writes its style keys at once :: BetStyle2=1 => settings:ProgSing=False; "
        "settings:MultiBet=True; settings:ProgMulti=False || close => settings:MultiBet=-1; "
        "settings:ProgSing=0; settings:ConsDefault=-1",
        "a single-number box without a number keeps the stored value :: BetStyle3=1 Text16=x close "
        "restart => Text16=60",
        // Every family's Random box goes into the preset shown, the first family's too.
        "the Random boxes of the Classic preset are kept :: " ALL_RANDOM("0") " close restart => "
        "Check1=0; Check2=0; Check3=0; Check4=0; Check5=0; Check6=0; Check7=0 || " ALL_RANDOM("1")
        " close restart => Check1=1; Check2=1; Check3=1; Check4=1; Check5=1; Check6=1; Check7=1",
        "the Random boxes of the Super preset are kept :: BetStyle3=1 Option2=1 " ALL_RANDOM("0")
        " Check9=0 close restart => Check1=0; Check7=0; Check9=0 || BetStyle1=1 => Check1=1",
        // Default Settings selects Classic with the conservative set, from any style, and puts
        // the count lists back to none.
        "Default Settings from Super :: BetStyle3=1 Option2=1 cboDozen=2 cboTrio=3 answer:yes "
        "menu:mnuLoadSettings => BetStyle1=1; BetStyle2=0; BetStyle3=0; Option2=0; Option3=1; "
        "cboDozen=0; cboTrio=0 || close => settings:ProgSing=-1; settings:ProgMulti=0",
        "unticked Random boxes keep their High boxes off after a restart :: Check1=0 Check4=0 "
        "close restart => disabled=Check9,Chk8,Label15,Label24,Label43,Text16,Text17,Text3,Text9,"
        "cboCorner,cboDozen,cboLine,cboRow,cboSingle,cboSplit,cboTrio",
    };
    for (const Scenario& s : scenarios) play(s);
}

TEST_F(Panel, WageringDialog) {
    const Scenario scenarios[] = {
        "it opens on the sequences held; Check1 enables Combo1 :: menu:mnuProg => dialog=1; "
        "frmWagering.Text1=1,2,4,8,16,32,64,Q; frmWagering.Text3=1,2,3,4,6,9,13,20,30,45,67,Q; "
        "frmWagering.Check1=1; frmWagering.Combo1=200; frmWagering.Combo2=1 || "
        "frmWagering.Check1=0 frmWagering.Combo2=3 => frmWagering.Combo2=3",
        "OK stores every key and the next bet follows :: menu:mnuProg frmWagering.Text1=2,4,Q "
        "frmWagering.Text8=1,1,S frmWagering.Check1=0 frmWagering.Combo2=4 frmWagering.Command2 => "
        "dialog=0; boxes=; wagering:even=2,4,Q; wagering:single=1,1,S; wagering:autoincrease=0; "
        "wagering:wagerincreasechips=200; wagering:wagerincreasehowmanychips=4 || chk7_1=1 even:0 "
        "Text18=100 Button1 5 => label=Bet $2 on Black || restart menu:mnuProg => "
        "frmWagering.Text1=2,4,Q; frmWagering.Check1=0; frmWagering.Combo2=4",
        "a file's increase beyond the lists shows as the nearest entry :: "
        "wagerfile:wagerincreasechips=0 wagerfile:wagerincreasehowmanychips=25 menu:mnuProg => "
        "frmWagering.Combo1=1; frmWagering.Combo2=10",
        "Defaults are written at once, even before Cancel :: seq:1=3,Q menu:mnuProg "
        "frmWagering.Text3=9,Q frmWagering.Command1 => dialog=1; wagering:even=1,2,4,8,16,32,64,Q "
        "|| frmWagering.Command3 chk7_1=1 even:0 Text18=100 Button1 5 => label=Bet $1 on Black",
    };
    for (const Scenario& s : scenarios) play(s);
}

// The close box stores what it can and closes either way.
TEST_F(Panel, WageringDialogCloseBoxAndInvalidText) {
    act("menu:mnuProg frmWagering.Check1=0");
    EXPECT_FALSE(a().userSet("frmWagering.Combo1", "5").ok);
    act("frmWagering.Combo2=5 frmWagering.Text1=1,3,Q");
    ASSERT_TRUE(a().userCloseWagering().ok);
    expect("dialog=0; wagering:even=1,3,Q; wagering:autoincrease=0");
    const std::string before = readBytes(a().files().wagering);
    for (const char* invalid : {"1,2,3", "Q,1,2", "1,,2,Q"}) {
        dialogs.boxes.clear();
        act(std::string("menu:mnuProg frmWagering.Text2=1,2,S frmWagering.Text6=") + invalid +
            " frmWagering.Command2");
        ASSERT_TRUE(view("boxes").starts_with("Invalid Wagering Values.")) << view("boxes");
        expect("dialog=1; focus=frmWagering.Text6", invalid);
        EXPECT_EQ(readBytes(a().files().wagering), before);
        ASSERT_TRUE(a().userCloseWagering().ok);  // tells again, closes, stores nothing
        expect("dialog=0; wagering:dozen=1,2,3,4,6,9,13,20,30,45,67,Q");
        EXPECT_EQ(state().wagering.of(Family::Dozen), splitSequence(view("wagering:dozen")));
    }
    EXPECT_FALSE(a().userCloseWagering().ok);
}

// Typed leniently and stored normalised; a zero stake or another bad entry is named, field and
// entry, after the described text, and nothing is stored.
TEST_F(Panel, WageringDialogReadsAsMeantAndNamesTheBadEntry) {
    act("menu:mnuProg frmWagering.Text3=~1~,~2~,s~ frmWagering.Text8=1,q frmWagering.Command2");
    expect("dialog=0; boxes=; wagering:row=1,2,S; wagering:single=1,Q");
    const std::string before = readBytes(a().files().wagering);
    act("menu:mnuProg frmWagering.Text2=~1,2,q frmWagering.Text5=1,0,Q frmWagering.Text7=x "
        "frmWagering.Command2");
    expect("dialog=1; focus=frmWagering.Text5; frmWagering.Text2=1,2,Q; frmWagering.Text5=1,0,Q");
    const std::string text = dialogs.boxes.back().text;
    EXPECT_TRUE(text.starts_with("Invalid Wagering Values.\r\n") &&
                text.ends_with("EG: 1,2,3,4,6,Q\r\n\r\nCorner: entry 2 \"0\" stakes nothing."))
        << text;
    EXPECT_EQ(readBytes(a().files().wagering), before);
    act("frmWagering.Text5=1,1,Q frmWagering.Command2");
    EXPECT_EQ(dialogs.boxes.back().text.substr(dialogs.boxes.back().text.rfind('\n') + 1),
              "Split: entry 1 \"x\" is not a whole number, S or Q.");
}

}  // namespace
}  // namespace brisvale::testing
