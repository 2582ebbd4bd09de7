#include "model/sleepers.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/expected.hpp"

namespace brisvale {
namespace {

using expected::range;

constexpr Table kAllTables[] = {Table::Dozen, Table::Row,      Table::Line,    Table::Corner,
                                Table::Even,  Table::RedBlack, Table::OddEven, Table::HighLow,
                                Table::Trio,  Table::Split,    Table::Single};

void fill(SleeperTables& s, std::int16_t value) {
    for (Table t : kAllTables) {
        for (int n = 0; n <= 36; ++n) s.set(t, n, value);
    }
}

TEST(SleeperTables, StartAtZero) {
    const SleeperTables s;
    for (Table t : kAllTables) {
        for (int n = 0; n <= 36; ++n) EXPECT_EQ(s.at(t, n), 0);
    }
}

TEST(SleeperTables, FirstSpinAfterReset) {
    SleeperTables s;
    fill(s, 9);
    s.clearAll();
    s.AdvanceCounters(17);
    for (Table t : kAllTables) {
        for (int n = 0; n <= 36; ++n) EXPECT_EQ(s.at(t, n), n == 17 ? 0 : 1) << n;
    }
}

TEST(SleeperTables, ZeroOnlyClearsElementZero) {
    SleeperTables s;
    for (Table t : kAllTables) {
        for (int n = 0; n <= 36; ++n) s.set(t, n, static_cast<std::int16_t>(n + 3));
    }
    s.AdvanceCounters(0);
    for (Table t : kAllTables) {
        for (int n = 0; n <= 36; ++n) EXPECT_EQ(s.at(t, n), n == 0 ? 0 : n + 3) << n;
    }
}

TEST(SleeperTables, SpinsCountSinceLastHit) {
    SleeperTables s;
    for (int spin : {5, 12, 0, 5, 30, 0, 0, 7}) s.AdvanceCounters(spin);
    // Counted spins: 5, 12, 5, 30, 7 (zeros are not counted).
    struct Case {
        int n, count;
    };
    const Case cases[] = {{5, 2}, {12, 3}, {30, 1}, {7, 0}, {1, 5}, {36, 5}, {0, 1}};
    for (const Case& c : cases) {
        for (Table t : kAllTables) EXPECT_EQ(s.at(t, c.n), c.count) << c.n;
    }
}

TEST(SleeperTables, CountersSaturate) {
    SleeperTables s;
    fill(s, kCounterMax - 1);
    s.AdvanceCounters(5);
    s.AdvanceCounters(5);
    s.AdvanceCounters(6);
    for (Table t : kAllTables) {
        EXPECT_EQ(s.at(t, 1), kCounterMax);
        EXPECT_EQ(s.at(t, 0), kCounterMax);
        EXPECT_EQ(s.at(t, 5), 1);
        EXPECT_EQ(s.at(t, 6), 0);
    }
    s.AdvanceDozenCounts(0);
    EXPECT_EQ(s.at(Table::Dozen, 1), kCounterMax);
    EXPECT_EQ(s.at(Table::Dozen, 0), 0);
}

TEST(SleeperTables, ResetNumberCounters) {
    SleeperTables s;
    fill(s, 4);
    s.ResetNumberCounters(23);
    for (Table t : kAllTables) {
        for (int n = 0; n <= 36; ++n) EXPECT_EQ(s.at(t, n), n == 23 ? 0 : 4);
    }
}

TEST(SleeperTables, OutOfRangeNumbersChangeNothing) {
    SleeperTables s;
    fill(s, 4);
    for (int bad : {-1, 37, 1000}) {
        s.AdvanceCounters(bad);
        s.AdvanceDozenCounts(bad);
        s.ResetNumberCounters(bad);
    }
    for (Table t : kAllTables) {
        for (int n = 0; n <= 36; ++n) EXPECT_EQ(s.at(t, n), 4);
    }
}

TEST(SleeperTables, AdvanceDozenCountsAlone) {
    for (int spin : {0, 14}) {
        SleeperTables s;
        fill(s, 2);
        s.AdvanceDozenCounts(spin);
        for (Table t : kAllTables) {
            for (int n = 0; n <= 36; ++n) {
                const int want = t != Table::Dozen ? 2 : (n == spin ? 0 : 3);
                EXPECT_EQ(s.at(t, n), want) << "spin " << spin << " n " << n;
            }
        }
    }
}

// Starting from every counter at 5, the elements a call must clear, table by table.
struct Cleared {
    Table table;
    std::vector<int> numbers;
};

void expectCleared(const SleeperTables& s, const std::vector<Cleared>& cleared,
                   const std::string& what) {
    for (Table t : kAllTables) {
        std::vector<int> zeros;
        for (int n = 0; n <= 36; ++n) {
            if (s.at(t, n) == 0)
                zeros.push_back(n);
            else
                EXPECT_EQ(s.at(t, n), 5) << what;
        }
        std::vector<int> want;
        for (const Cleared& c : cleared) {
            if (c.table == t) want.insert(want.end(), c.numbers.begin(), c.numbers.end());
        }
        std::sort(want.begin(), want.end());
        EXPECT_EQ(zeros, want) << what << " table " << static_cast<int>(t);
    }
}

TEST(SleeperTables, ZeroCountsMod) {
    const std::vector<int> red(expected::kRed.begin(), expected::kRed.end());
    const std::vector<int> black(expected::kBlack.begin(), expected::kBlack.end());
    struct Case {
        std::vector<std::string_view> labels;
        std::string_view spinText;
        std::vector<Cleared> cleared;
    };
    const Case cases[] = {
        {{"Even"}, "34", {{Table::OddEven, range(2, 36, 2)}}},
        {{"Even"}, "35", {}},
        {{"Odd"}, "35", {{Table::OddEven, range(1, 35, 2)}}},
        {{"Single 17"}, "17", {{Table::Single, {17}}}},
        {{"Single 17"}, "16", {}},
        {{"Red"}, "01", {{Table::RedBlack, red}}},
        {{"Black"}, "02", {{Table::RedBlack, black}}},
        {{"Red"}, "02", {}},
        {{"01 to 18"}, "18", {{Table::HighLow, range(1, 18)}}},
        {{"19 to 36"}, "18", {}},
        {{"19 to 36"}, "19", {{Table::HighLow, range(19, 36)}}},
        {{}, "05", {}},
        {{"Red", "1st 12"}, "00", {}},
        {{"Red", "1st 12"}, "01", {{Table::RedBlack, red}, {Table::Dozen, range(1, 12)}}},
        {{"3rd 12"}, "25", {{Table::Dozen, range(25, 36)}}},
        {{"Row 2"}, "05", {{Table::Row, range(2, 35, 3)}}},
        {{"Line 09/06"}, "04", {{Table::Line, range(4, 9)}}},
        {{"Line 09/06"}, "03", {}},
        {{"Corner 04/01/05/02"}, "05", {{Table::Corner, {1, 2, 4, 5}}}},
        {{"Trio 34/35/36"}, "36", {{Table::Trio, {34, 35, 36}}}},
        {{"Split 04/01"}, "04", {{Table::Split, {1, 4}}}},
        {{"Split 04/01"}, "02", {}},
        {{"Split 04/01", "Corner 04/01/05/02"},
         "01",
         {{Table::Split, {1, 4}}, {Table::Corner, {1, 2, 4, 5}}}},
        {{"Single 05", "Single 17"}, "05", {{Table::Single, {5}}}},
        {{"Split 33/30", "Split 35/36", "Single 30"},
         "30",
         {{Table::Split, {30, 33}}, {Table::Single, {30}}}},
    };
    for (const Case& c : cases) {
        std::string text;
        BetSet set;
        for (std::string_view l : c.labels) {
            text.append(l).push_back(',');
            set.set(findLabel(l).value());
        }
        SleeperTables byText;
        fill(byText, 5);
        byText.ZeroCountsMod(text, c.spinText);
        expectCleared(byText, c.cleared, "text '" + text + "' spin " + std::string(c.spinText));

        SleeperTables bySet;
        fill(bySet, 5);
        const int spin = (c.spinText[0] - '0') * 10 + (c.spinText[1] - '0');
        bySet.ZeroCountsMod(set, spin);
        expectCleared(bySet, c.cleared, "set '" + text + "' spin " + std::to_string(spin));
    }
}

TEST(SleeperTables, ZeroCountsModNeedsATwoDigitSpin) {
    for (std::string_view spinText : {"1", "001", "", "x1", "37", "99"}) {
        SleeperTables s;
        fill(s, 5);
        s.ZeroCountsMod("Red,Odd,01 to 18,1st 12,Row 1,Single 01,", spinText);
        expectCleared(s, {}, std::string(spinText));
    }
}

TEST(SleeperTables, ClearBet) {
    struct Case {
        std::string_view label;
        Cleared cleared;
    };
    const Case cases[] = {
        {"Red", {Table::RedBlack, {expected::kRed.begin(), expected::kRed.end()}}},
        {"Even", {Table::OddEven, range(2, 36, 2)}},
        {"19 to 36", {Table::HighLow, range(19, 36)}},
        {"2nd 12", {Table::Dozen, range(13, 24)}},
        {"Row 3", {Table::Row, range(3, 36, 3)}},
        {"Line 36/33", {Table::Line, range(31, 36)}},
        {"Corner 35/32/36/33", {Table::Corner, {32, 33, 35, 36}}},
        {"Trio 13/14/15", {Table::Trio, {13, 14, 15}}},
        {"Split 33/30", {Table::Split, {30, 33}}},
        {"Single 36", {Table::Single, {36}}},
    };
    for (const Case& c : cases) {
        SleeperTables s;
        fill(s, 5);
        const BetId id = findLabel(c.label).value();
        EXPECT_EQ(SleeperTables::tableOf(id), c.cleared.table) << c.label;
        s.clearBet(id);
        expectCleared(s, {c.cleared}, std::string(c.label));
    }
}

TEST(SleeperTables, NoBetUsesTheSharedEvenTable) {
    for (const Bet& b : allBets()) {
        EXPECT_NE(SleeperTables::tableOf(findLabel(b.label()).value()), Table::Even) << b.label();
    }
}

// Each table holds its own value, so the answer names the table read; one number of the bet
// lower still gives the bet's slept, one outside it does not.
TEST(SleeperTables, SleptIsTheLeastCounterOfTheTableTheTriggerReads) {
    struct Case {
        const char* label;
        Table classic, multi;
        int inside, outside;
    } cases[] = {{"Red", Table::Even, Table::RedBlack, 1, 2},
                 {"Odd", Table::Even, Table::OddEven, 35, 36},
                 {"19 to 36", Table::Even, Table::HighLow, 19, 18},
                 {"2nd 12", Table::Dozen, Table::Dozen, 24, 25},
                 {"Row 3", Table::Row, Table::Row, 3, 2},
                 {"Line 09/06", Table::Line, Table::Line, 4, 10},
                 {"Corner 05/02/06/03", Table::Corner, Table::Corner, 6, 4},
                 {"Trio 34/35/36", Table::Trio, Table::Trio, 34, 33},
                 {"Split 35/36", Table::Split, Table::Split, 35, 34},
                 {"Single 07", Table::Single, Table::Single, 7, 8}};
    for (const Case& c : cases) {
        const BetId id = findLabel(c.label).value();
        for (bool multi : {false, true}) {
            const Table read = multi ? c.multi : c.classic;
            EXPECT_EQ(SleeperTables::triggerTable(id, multi), read) << c.label;
            SleeperTables s;
            for (Table t : kAllTables) {
                for (int n = 0; n <= 36; ++n) s.set(t, n, static_cast<std::int16_t>(100 + int(t)));
            }
            s.set(read, c.outside, 3);
            EXPECT_EQ(s.slept(id, multi), 100 + int(read)) << c.label << " multi " << multi;
            s.set(read, c.inside, 5);
            EXPECT_EQ(s.slept(id, multi), 5) << c.label << " multi " << multi;
        }
    }
}

}  // namespace
}  // namespace brisvale
