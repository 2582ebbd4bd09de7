// The triggers of every family, in Classic and in multi-bet play.

#include <gtest/gtest.h>

#include "model/numbers.hpp"
#include "selection/triggers.hpp"
#include "wagering/sequences.hpp"

namespace brisvale {
namespace {

// A state whose every counter in every table stands at `sleep` spins.
PlayState stateWith(bool multi, int sleep, int threshold, int spin = 0) {
    PlayState s;
    s.MultiBetPlay = multi;
    for (int t = 0; t < kTableCount; ++t) {
        for (int n = 0; n <= 36; ++n)
            s.sleepers.set(static_cast<Table>(t), n, static_cast<std::int16_t>(sleep));
    }
    s.StartThreshold.fill(static_cast<std::int16_t>(threshold));
    for (int k = 0; k < kFamilyCount; ++k) {
        s.wagering.WagerSequence[k] = splitSequence(defaultSequenceText(static_cast<Family>(k)));
    }
    s.wager.UnitWager = 1;
    s.SpinNumber = spin;
    const std::string text = PadNumber(spin);
    s.SpinText = {text[0], text[1], '\0'};
    for (ListBox& box : s.form.howMany) box.index = 0;
    return s;
}

void wake(PlayState& s, Table table, std::initializer_list<int> numbers, int sleep) {
    for (int n : numbers) s.sleepers.set(table, n, static_cast<std::int16_t>(sleep));
}

TEST(ClassicTriggers, LaterDueBetReplacesEarlier) {
    struct Case {
        const char* name;
        void (*trigger)(PlayState&);
        const char* bet;
        const char* caption;
    };
    // Threshold 0: every bet is due, so the last of each scan is shown.
    const Case cases[] = {
        {"red/black", TriggerRedBlack, "Black", "Bet $1 on Black"},
        {"high/low", TriggerHighLow, "19 to 36", "Bet $1 on 19 to 36"},
        {"odd/even", TriggerOddEven, "Odd", "Bet $1 Odd"},
        {"dozen", TriggerDozen, "3rd 12", "Bet $1 on 3rd 12"},
        {"row", TriggerRow, "Row 3", "Bet $1 on Row 3"},
        {"line", TriggerLine, "Line 36/33", "Bet $1 on Line 36/33"},
        {"corner", TriggerCorner, "Corner 35/32/36/33", "Bet $1 on Corner 35/32/36/33"},
        {"trio", TriggerTrio, "Trio 34/35/36", "Bet $1 on Trio 34/35/36"},
        {"split", TriggerSplit, "Split 35/36", "Bet $1 on Split 35/36"},
    };
    for (const Case& c : cases) {
        PlayState s = stateWith(false, 0, 0);
        c.trigger(s);
        EXPECT_TRUE(s.BetOpen) << c.name;
        EXPECT_EQ(s.CurrentBet.plainText(), c.bet) << c.name;
        EXPECT_EQ(s.form.Label1.caption, c.caption) << c.name;
    }
}

TEST(ClassicTriggers, OnlyTheDueBetsCount) {
    // Counters at 4 against a threshold of 5: nothing is due, nothing changes.
    PlayState s = stateWith(false, 4, 5);
    s.form.Label1.caption = "Spin Only";
    for (auto trigger : {TriggerRedBlack, TriggerDozen, TriggerCorner, TriggerSplit}) trigger(s);
    EXPECT_FALSE(s.BetOpen);
    EXPECT_TRUE(s.CurrentBet.empty());
    EXPECT_EQ(s.form.Label1.caption, "Spin Only");

    // 1st and 3rd dozens wake up: the 3rd is shown.
    wake(s, Table::Dozen, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 5);
    wake(s, Table::Dozen, {25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36}, 5);
    TriggerDozen(s);
    EXPECT_EQ(s.CurrentBet.plainText(), "3rd 12");
    EXPECT_EQ(s.form.Label1.caption, "Bet $1 on 3rd 12");

    // Two splits due, natural order: "Split 04/01" comes before "Split 35/36".
    PlayState t = stateWith(false, 0, 9);
    wake(t, Table::Split, {1, 4, 35, 36}, 9);
    TriggerSplit(t);
    EXPECT_EQ(t.CurrentBet.plainText(), "Split 35/36");
}

TEST(ClassicTriggers, CaptionNamesFirstElementTimesMinimumWager) {
    PlayState s = stateWith(false, 10, 5);
    s.wagering.WagerSequence[static_cast<int>(Family::Even)] = splitSequence("2,4,8,Q");
    s.wager.UnitWager = 5;
    TriggerRedBlack(s);
    EXPECT_EQ(s.form.Label1.caption, "Bet $10 on Black");
    TriggerHighLow(s);
    EXPECT_EQ(s.form.Label1.caption, "Bet $10 on 19 to 36");
    // Classic uses the shared even-money table, not the pair's own.
    PlayState t = stateWith(false, 0, 5);
    wake(t, Table::RedBlack, {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36},
         9);
    TriggerRedBlack(t);
    EXPECT_FALSE(t.BetOpen);
}

TEST(MultiTriggers, EvenMoneyPairs) {
    struct Case {
        const char* name;
        int spin;
        std::vector<void (*)(PlayState&)> triggers;
        const char* before;
        const char* list;
    };
    const Case cases[] = {
        {"red spin keeps Red out", 3, {TriggerRedBlack}, "", "Black,"},
        {"Even not after 34", 34, {TriggerOddEven}, "", "Odd,"},
        {"Even after 35", 35, {TriggerOddEven}, "", "Even,"},
        {"calling order", 0, {TriggerRedBlack, TriggerOddEven}, "", "Red,Black,Even,Odd,"},
        {"running bet not added twice", 0, {TriggerRedBlack}, "Red", "Red,Black,"},
    };
    for (const Case& c : cases) {
        PlayState s = stateWith(true, 0, 0, c.spin);
        if (*c.before) s.list(Family::Even).push_back(*findLabel(c.before));
        for (auto trigger : c.triggers) trigger(s);
        EXPECT_EQ(s.list(Family::Even).listText(), c.list) << c.name;
        EXPECT_TRUE(s.BetOpen) << c.name;
    }
}

TEST(MultiTriggers, ListedBetKeepsBetOpenWhenNothingIsAdded) {
    PlayState s = stateWith(true, 0, 50);
    s.list(Family::Even).push_back(bet_ids::Red);
    TriggerRedBlack(s);
    EXPECT_EQ(s.list(Family::Even).listText(), "Red,");
    EXPECT_TRUE(s.BetOpen);
}

TEST(MultiTriggers, CountBoxAllowanceAndOverlap) {
    struct Case {
        const char* name;
        void (*trigger)(PlayState&);
        HowMany box;
        int count;
        Family family;
        std::vector<const char*> listed;
        int spin;
        const char* expected;
    };
    const Case cases[] = {
        {"dozen box at 0", TriggerDozen, DozenBox, 0, Family::Dozen, {}, 0, ""},
        {"dozen allowance 1",
         TriggerDozen,
         DozenBox,
         2,
         Family::Dozen,
         {"1st 12"},
         0,
         "1st 12,2nd 12,"},
        {"dozen empty list", TriggerDozen, DozenBox, 2, Family::Dozen, {}, 0, "1st 12,2nd 12,"},
        {"dozen spin excludes", TriggerDozen, DozenBox, 2, Family::Dozen, {}, 17, "1st 12,3rd 12,"},
        {"row", TriggerRow, RowBox, 1, Family::Row, {}, 1, "Row 2,"},
        {"line no spin test", TriggerLine, LineBox, 1, Family::Line, {}, 3, "Line 06/03,"},
        {"line overlap by printed numbers",
         TriggerLine,
         LineBox,
         2,
         Family::Line,
         {"Line 09/06"},
         0,
         "Line 09/06,Line 15/12,"},
        {"corner spin 3",
         TriggerCorner,
         CornerBox,
         1,
         Family::Corner,
         {},
         3,
         "Corner 04/01/05/02,"},
        {"corner overlap",
         TriggerCorner,
         CornerBox,
         2,
         Family::Corner,
         {"Corner 04/01/05/02"},
         0,
         "Corner 04/01/05/02,Corner 10/07/11/08,"},
        {"trio two", TriggerTrio, TrioBox, 2, Family::Trio, {}, 0, "Trio 01/02/03,Trio 04/05/06,"},
        {"split table order",
         TriggerSplit,
         SplitBox,
         3,
         Family::Split,
         {},
         0,
         "Split 01/02,Split 33/30,Split 07/04,"},
        {"single box 0", TriggerSingle, SingleBox, 0, Family::Single, {}, 0, ""},
        {"single spin excludes",
         TriggerSingle,
         SingleBox,
         3,
         Family::Single,
         {"Single 02"},
         1,
         "Single 02,Single 03,Single 04,"},
    };
    for (const Case& c : cases) {
        PlayState s = stateWith(true, 0, 0, c.spin);
        s.form.howMany[c.box].index = c.count;
        for (const char* label : c.listed) s.list(c.family).push_back(*findLabel(label));
        c.trigger(s);
        EXPECT_EQ(s.list(c.family).listText(), c.expected) << c.name;
        EXPECT_EQ(s.BetOpen, *c.expected != '\0') << c.name;
    }
}

TEST(MultiTriggers, CornerRefusalsByPrintedNumbers) {
    // With "Corner 04/01/05/02" running, the corners sharing 1, 2, 4 or 5 are refused.
    PlayState s = stateWith(true, 0, 5);
    s.list(Family::Corner).push_back(*findLabel("Corner 04/01/05/02"));
    s.form.howMany[CornerBox].index = 6;
    for (const char* label :
         {"Corner 05/02/06/03", "Corner 07/04/08/05", "Corner 08/05/09/06", "Corner 10/07/11/08"}) {
        const Bet& b = bet(*findLabel(label));
        for (int i = 0; i < b.count; ++i) s.sleepers.set(Table::Corner, b.list[i], 9);
    }
    TriggerCorner(s);
    EXPECT_EQ(s.list(Family::Corner).listText(), "Corner 04/01/05/02,Corner 10/07/11/08,");
}

TEST(MultiTriggers, DueTestNeedsEveryNumber) {
    PlayState s = stateWith(true, 9, 5);
    s.form.howMany[SplitBox].index = 16;
    s.sleepers.set(Table::Split, 2, 4);  // 2 came up 4 spins ago
    TriggerSplit(s);
    const std::string list = s.list(Family::Split).listText();
    EXPECT_EQ(list.find("02"), std::string::npos);
    EXPECT_NE(list.find("Split 33/30,"), std::string::npos);
}

}  // namespace
}  // namespace brisvale
