// Start-up state, the play-style panel, the settings file and the timer.

#include <fstream>

#include "storage/properties.hpp"
#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

using Panel = AdvisorFixture;

TEST_F(Panel, FreshInstallShowsTheConservativeClassicPreset) {
    const Form& f = form();
    EXPECT_EQ(f.caption, "Brisvale - Total Spins: 0 - Spins This Table: 0 ");
    EXPECT_EQ(f.Label1.caption, "Configure Play Style and Press Start");
    EXPECT_EQ(f.Button1.caption, "Start");
    EXPECT_TRUE(f.BetStyle[1].value);
    EXPECT_TRUE(f.Option3.value);
    EXPECT_EQ(f.Text[2].text, "6");
    EXPECT_EQ(f.Text[3].text, "7");
    EXPECT_EQ(f.Text[14].text, "50");
    EXPECT_EQ(f.Text[15].text, "55");
    EXPECT_EQ(f.Text[16].text, "60");
    EXPECT_EQ(f.Text[17].text, "70");
    for (int c : {1, 2, 3, 4, 5, 6, 7, 9}) EXPECT_EQ(f.Check[c].value, 1) << c;
    EXPECT_EQ(f.cboWins.text(), "3");
    EXPECT_EQ(f.cboTime.text(), "15");
    EXPECT_EQ(f.cboWager.text(), "1");
    EXPECT_EQ(f.cboSpins.text(), "3");
    EXPECT_EQ(f.Text[18].text, "0");
    EXPECT_EQ(f.Chk8.value, 0);
    for (const char* name : {"Chk8", "Check9", "Text16", "Text17", "cboDozen", "cboSingle"}) {
        const auto d = a().disabledControls();
        EXPECT_NE(std::find(d.begin(), d.end(), name), d.end()) << name;
    }
    EXPECT_EQ(f.Label35.caption, "Total Risk: N/A");
    EXPECT_EQ(f.Label12.caption, "Minimum Balance:$100");
    EXPECT_EQ(f.Label41.caption, "$30 per spot");
    EXPECT_EQ(state().SpinInterval, 3);
    EXPECT_TRUE(std::filesystem::exists(a().settingsFile()));
}

TEST_F(Panel, PresetsFollowStyleAndDefaultSet) {
    struct Case {
        const char* style;
        const char* preset;
        const char* even;
        const char* split;
        const char* single;
    };
    const Case cases[] = {
        {"BetStyle1", "Option2", "5/6", "45/50", nullptr},
        {"BetStyle3", "Option2", "4/5", "14/17", "22/38"},
        {"BetStyle3", "Option3", "6/7", "50/55", "60/70"},
        {"BetStyle1", "Option3", "6/7", "50/55", nullptr},
    };
    for (const Case& c : cases) {
        set(c.style, "1");
        set(c.preset, "1");
        const Form& f = form();
        EXPECT_EQ(f.Text[2].text + "/" + f.Text[3].text, c.even) << c.style << c.preset;
        EXPECT_EQ(f.Text[14].text + "/" + f.Text[15].text, c.split) << c.style << c.preset;
        if (c.single) {
            EXPECT_EQ(f.Text[16].text + "/" + f.Text[17].text, c.single);
        }
    }
    // Multi loads no preset: the boxes keep what they show.
    set("Text2", "9");
    set("BetStyle2", "1");
    EXPECT_EQ(form().Text[2].text, "9");
    EXPECT_TRUE(state().MultiBetPlay);
}

TEST_F(Panel, StyleSwitchKeepsTickedFamilies) {
    set("chk6", "1");
    set("BetStyle3", "1");
    EXPECT_EQ(form().chk[6].value, 1);
    EXPECT_TRUE(form().BetStyle[3].value);
    EXPECT_EQ(form().Label35.caption,
              "Total Risk: N/A");  // Super leaves it until a list is clicked
    set("cboTrio", "4");
    EXPECT_EQ(form().Label35.caption, "Total Risk: 4 Chips");
    set("BetStyle2", "1");
    EXPECT_EQ(form().Label35.caption, "Total Risk: 4 Chips");
}

TEST_F(Panel, EvenBetsBoxIsThreeState) {
    set("chk7", "1");
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(form().chk7_[i].value, 1);
    set("chk7_2", "0");
    EXPECT_EQ(form().chk[7].value, 2);
    set("chk7_1", "0");
    set("chk7_3", "0");
    EXPECT_EQ(form().chk[7].value, 0);
    set("chk7_3", "1");
    set("chk7", "0");
    EXPECT_EQ(form().chk7_[3].value, 0);
}

TEST_F(Panel, BalanceFiguresAndRandomBoxes) {
    set("cboWager", "5");
    EXPECT_EQ(form().Label12.caption, "Minimum Balance:$500");
    EXPECT_EQ(form().Label41.caption, "$150 per spot");
    set("Check8", "0");
    EXPECT_EQ(form().Label12.caption, "Minimum Balance:$1000");
    EXPECT_EQ(form().Label41.caption, "$335 per spot");
    set("Check3", "0");
    EXPECT_FALSE(form().Text[7].enabled);
    EXPECT_FALSE(form().highLabelEnabled[3]);
    set("Check3", "1");
    EXPECT_TRUE(form().Text[7].enabled);
    set("cboSpins", "7");
    EXPECT_EQ(state().SpinInterval, 7);
    a().userPress("cmdMore");
    EXPECT_EQ(form().height, 5610);
    EXPECT_EQ(form().cmdMore.caption, "<< Less");
    a().userPress("cmdMore");
    EXPECT_EQ(form().height, 3350);
}

TEST_F(Panel, NonNumericThresholdIsRefusedOnLeavingTheBox) {
    set("Text4", "abc");
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Value must be numeric!"});
    EXPECT_EQ(form().focus, "Text4");
    set("Text4", "12");
    a().userCloseWindow();
    restart();
    EXPECT_EQ(form().Text[4].text, "12");
}

TEST_F(Panel, SettingsSurviveARestart) {
    set("BetStyle3", "1");
    set("Option2", "1");
    set("chk3", "1");
    set("cboCorner", "5");
    set("Text10", "11");
    set("cboWager", "7");
    set("Text18", "2500");
    a().userCloseWindow();
    restart();
    const Form& f = form();
    EXPECT_TRUE(f.BetStyle[3].value);
    EXPECT_TRUE(f.Option2.value);
    EXPECT_EQ(f.chk[3].value, 1);
    EXPECT_EQ(f.howMany[CornerBox].text(), "5");
    EXPECT_EQ(f.Text[10].text, "11");
    EXPECT_EQ(f.cboWager.text(), "7");
    EXPECT_EQ(state().wager.UnitWager, 7);
    EXPECT_EQ(f.Text[18].text, "2500");
    EXPECT_TRUE(state().MultiBetPlay);
    EXPECT_EQ(f.Label35.caption, "Total Risk: 5 Chips");
    // The selected style and default set are saved as -1, the others as 0.
    EXPECT_EQ(GetProperty(1, "ProgMulti", a().settingsFile()), "-1");
    EXPECT_EQ(GetProperty(1, "ProgSing", a().settingsFile()), "0");
    EXPECT_EQ(GetProperty(1, "AggrDefault", a().settingsFile()), "-1");
}

TEST_F(Panel, DamagedSettingsAreKeptAndDefaultsLoaded) {
    a().userCloseWindow();
    {
        std::ofstream out(a().settingsFile(), std::ios::binary | std::ios::trunc);
        out << "index: 1\r\nEvenBets: 1\r\nRedBlack: banana\r\n";
    }
    dialogs.boxes.clear();
    restart();
    ASSERT_EQ(dialogs.boxes.size(), 1U);
    EXPECT_NE(dialogs.boxes[0].text.find(".bad"), std::string::npos);
    auto bad = a().settingsFile();
    bad += ".bad";
    EXPECT_TRUE(std::filesystem::exists(bad));
    EXPECT_EQ(form().Text[2].text, "6");
    EXPECT_EQ(GetProperty(1, "WinsPer", a().settingsFile()), "3");
    dialogs.boxes.clear();
    restart();
    EXPECT_TRUE(dialogs.boxes.empty());  // told once
}

TEST_F(Panel, DefaultSettingsAfterYes) {
    set("BetStyle2", "1");
    set("chk5", "1");
    a().userMenu("mnuLoadSettings", 0);  // no answer queued: No
    EXPECT_TRUE(form().BetStyle[2].value);
    dialogs.answers.push_back("yes");
    a().userMenu("mnuLoadSettings", 0);
    EXPECT_EQ(dialogs.boxes.back().title, "Default Settings");
    EXPECT_EQ(dialogs.boxes.back().text, "Confirm Restore Default Settings");
    EXPECT_TRUE(form().BetStyle[1].value);
    EXPECT_EQ(form().chk[5].value, 0);
    EXPECT_FALSE(state().MultiBetPlay);
    EXPECT_EQ(form().Label35.caption, "Total Risk: N/A");
}

TEST_F(Panel, MultiStyleWritesTheStyleKeysAtOnce) {
    set("BetStyle2", "1");
    EXPECT_EQ(GetProperty(1, "ProgSing", a().settingsFile()), "False");
    EXPECT_EQ(GetProperty(1, "MultiBet", a().settingsFile()), "True");
    EXPECT_EQ(GetProperty(1, "ProgMulti", a().settingsFile()), "False");
}

using Timer = AdvisorFixture;

TEST_F(Timer, SpinWaitBlinksThenReleasesTheButton) {
    classicRedBlack();
    pressButton();
    ASSERT_FALSE(form().Button1.enabled);
    std::vector<bool> visible;
    for (int i = 0; i < 4; ++i) {
        tick();
        visible.push_back(form().Label1.visible);
    }
    EXPECT_EQ(visible, (std::vector<bool>{false, true, false, true}));
    EXPECT_TRUE(form().Button1.enabled);
    EXPECT_EQ(form().caption, "Brisvale - Total Spins: 0 - Spins This Table: 0 - Wins: 0 ");
}

TEST_F(Timer, TableSwitchAdviceAfterTheWinsOrThePlayTime) {
    set("cboWins", "1");
    classicRedBlack();
    pressButton();
    spin(5);
    spin(2);  // a win
    tick();
    EXPECT_EQ(form().Label1.caption, "Switch Table/Press Start");
    EXPECT_EQ(form().Button1.caption, "Start");
    EXPECT_TRUE(state().CurrentBet.empty());

    // Play time: a bet that is open holds the advice back until it closes.
    restart();
    set("cboTime", "1");
    classicRedBlack();
    pressButton();
    spin(5);
    ASSERT_TRUE(state().BetOpen);
    tick(70);
    EXPECT_NE(form().Label1.caption, "Switch Table/Press Start");
    spin(2);
    tick();
    EXPECT_EQ(form().Label1.caption, "Switch Table/Press Start");
}

using Board = AdvisorFixture;

TEST_F(Board, FlipMovesShownChipsAndNeverShowsHiddenOnes) {
    set("chk7_1", "1");
    set("Text2", "1");
    set("Text3", "1");
    set("Text18", "1000");
    pressButton();
    spin(5);  // Red came up: after one spin only Black has slept
    ASSERT_EQ(state().CurrentBet.plainText(), "Black");
    spin(5);  // lose
    waitButton();
    a().userClickCell(17);
    EXPECT_EQ(form().marker.left, cellRect(17, false).left + 120);
    a().userFlip();
    EXPECT_TRUE(form().board.BoardFlipped());
    EXPECT_EQ(form().chips[0].left, 4640);
    EXPECT_EQ(form().chips[0].top, 1600);
    EXPECT_TRUE(form().chips[0].visible);
    EXPECT_EQ(form().marker.left, cellRect(17, true).left + 120);
    EXPECT_EQ(form().marker.top, cellRect(17, true).top + 30);
    EXPECT_TRUE(form().marker.visible);
    pressButton();  // 17 is black: a win, the chip goes
    a().userFlip();
    EXPECT_FALSE(form().chips[0].visible);
    EXPECT_FALSE(form().board.BoardFlipped());
}

TEST_F(Board, CellClicksEnterNumbers) {
    struct Case {
        int cell;
        bool pending;
        const char* text;
        int markerTopOffset;
    };
    const Case cases[] = {{0, true, "00", 360}, {7, true, "07", 30}, {36, true, "36", 30},
                          {37, false, "", 0},   {42, false, "", 0},  {48, false, "", 0}};
    for (const Case& c : cases) {
        restart();
        a().userClickCell(c.cell);
        EXPECT_EQ(state().SpinPending, c.pending) << c.cell;
        EXPECT_EQ(form().marker.visible, c.pending) << c.cell;
        if (c.pending) {
            EXPECT_EQ(std::string(state().spinText()), c.text);
            EXPECT_EQ(form().marker.top, cellRect(c.cell, false).top + c.markerTopOffset);
        }
    }
    a().userClickCell(5);
    a().userClickCell(23);
    EXPECT_EQ(state().SpinNumber, 23);
}

}  // namespace
}  // namespace brisvale::testing
