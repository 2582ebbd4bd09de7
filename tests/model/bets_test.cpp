#include "model/bets.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/expected.hpp"
#include "model/numbers.hpp"

namespace brisvale {
namespace {

using expected::kLabels;
using expected::range;

TEST(BetCatalogue, LabelsInBetTableOrder) {
    ASSERT_EQ(allBets().size(), kLabels.size());
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
        const auto id = static_cast<BetId>(i);
        EXPECT_EQ(label(id), kLabels[i]) << "id " << i;
        EXPECT_EQ(allBets()[i].label(), kLabels[i]) << "id " << i;
    }
}

TEST(BetCatalogue, NamedIds) {
    struct Case {
        BetId id;
        std::string_view label;
    };
    const Case cases[] = {
        {bet_ids::FirstDozen, "1st 12"},
        {bet_ids::SecondDozen, "2nd 12"},
        {bet_ids::ThirdDozen, "3rd 12"},
        {bet_ids::Row1, "Row 1"},
        {bet_ids::Row2, "Row 2"},
        {bet_ids::Row3, "Row 3"},
        {bet_ids::FirstLine, "Line 06/03"},
        {bet_ids::FirstCorner, "Corner 04/01/05/02"},
        {bet_ids::FirstTrio, "Trio 01/02/03"},
        {bet_ids::FirstSplit, "Split 01/02"},
        {bet_ids::Black, "Black"},
        {bet_ids::Red, "Red"},
        {bet_ids::Odd, "Odd"},
        {bet_ids::Even, "Even"},
        {bet_ids::Low, "01 to 18"},
        {bet_ids::High, "19 to 36"},
        {bet_ids::FirstSingle, "Single 01"},
    };
    for (const Case& c : cases) EXPECT_EQ(label(c.id), c.label);
}

TEST(BetCatalogue, TextForms) {
    struct Case {
        std::string_view label, list, winners, caption5;
    };
    const Case cases[] = {
        {"Red", "Red,", ",Red", "Bet $5 on Red"},
        {"Black", "Black,", ",Black", "Bet $5 on Black"},
        {"Even", "Even,", ",Even", "Bet $5 Even"},
        {"Odd", "Odd,", ",Odd", "Bet $5 Odd"},
        {"01 to 18", "01 to 18,", ",01 to 18", "Bet $5 on 1 to 18"},
        {"19 to 36", "19 to 36,", ",19 to 36", "Bet $5 on 19 to 36"},
        {"1st 12", "1st 12,", ",1st 12", "Bet $5 on 1st 12"},
        {"3rd 12", "3rd 12,", ",3rd 12", "Bet $5 on 3rd 12"},
        {"Row 2", "Row 2,", ",Row 2", "Bet $5 on Row 2"},
        {"Line 09/06", "Line 09/06,", ",Line 09/06", "Bet $5 on Line 09/06"},
        {"Corner 04/01/05/02", "Corner 04/01/05/02,", ",Corner 04/01/05/02",
         "Bet $5 on Corner 04/01/05/02"},
        {"Trio 01/02/03", "Trio 01/02/03,", ",Trio 01/02/03", "Bet $5 on Trio 01/02/03"},
        {"Split 04/01", "Split 04/01,", ",Split 04/01", "Bet $5 on Split 04/01"},
        {"Single 07", "Single 07,", ",Single 07", "Bet $5 on Single 07"},
    };
    for (const Case& c : cases) {
        const auto id = findLabel(c.label);
        ASSERT_TRUE(id.has_value()) << c.label;
        EXPECT_EQ(listEntry(*id), c.list);
        EXPECT_EQ(winnersEntry(*id), c.winners);
        EXPECT_EQ(caption(*id, 5), c.caption5);
    }
}

TEST(BetCatalogue, CaptionAmounts) {
    EXPECT_EQ(caption(bet_ids::Red, 0), "Bet $0 on Red");
    EXPECT_EQ(caption(bet_ids::Even, 120), "Bet $120 Even");
    EXPECT_EQ(caption(bet_ids::Low, 1234567890123LL), "Bet $1234567890123 on 1 to 18");
}

TEST(BetCatalogue, ListEntriesJoinWithoutSeparator) {
    const std::string list = listEntry(bet_ids::Red) + listEntry(bet_ids::Black);
    EXPECT_EQ(list, "Red,Black,");
    // Split at commas: the two labels and an empty last element.
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t comma; (comma = list.find(',', start)) != std::string::npos;) {
        parts.push_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    parts.push_back(list.substr(start));
    EXPECT_EQ(parts, (std::vector<std::string>{"Red", "Black", ""}));
    EXPECT_EQ(winnersEntry(findLabel("Trio 01/02/03").value()) + winnersEntry(bet_ids::Red),
              ",Trio 01/02/03,Red");
}

// The numbers a label names, read from the label text the way a player reads it.
std::vector<int> numbersFromLabel(std::string_view l) {
    if (l == "Red") return {expected::kRed.begin(), expected::kRed.end()};
    if (l == "Black") return {expected::kBlack.begin(), expected::kBlack.end()};
    if (l == "Even") return range(2, 36, 2);
    if (l == "Odd") return range(1, 35, 2);
    if (l == "01 to 18") return range(1, 18);
    if (l == "19 to 36") return range(19, 36);
    if (l == "1st 12") return range(1, 12);
    if (l == "2nd 12") return range(13, 24);
    if (l == "3rd 12") return range(25, 36);
    if (l.starts_with("Row ")) return range(l[4] - '0', 36, 3);
    std::vector<int> named;
    for (std::size_t i = l.find(' ') + 1; i + 1 < l.size(); i += 3) {
        named.push_back((l[i] - '0') * 10 + (l[i + 1] - '0'));
    }
    if (l.starts_with("Line ")) return range(named[0] - 5, named[0]);
    std::sort(named.begin(), named.end());
    return named;
}

TEST(BetCatalogue, NumbersOfEveryBet) {
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
        const auto id = static_cast<BetId>(i);
        const std::vector<int> want = numbersFromLabel(kLabels[i]);
        const auto got = numbersOf(id);
        EXPECT_EQ(std::vector<int>(got.begin(), got.end()), want) << kLabels[i];
        EXPECT_EQ(bet(id).count, want.size()) << kLabels[i];
        for (int n = -1; n <= 37; ++n) {
            const bool in = std::find(want.begin(), want.end(), n) != want.end();
            EXPECT_EQ(bet(id).covers(n), in) << kLabels[i] << " n " << n;
            if (n >= 0 && n <= 36) {
                EXPECT_EQ((bet(id).numbers >> n) & 1U, in ? 1U : 0U) << kLabels[i] << " " << n;
            }
        }
    }
}

TEST(BetCatalogue, PrintedNumbers) {
    struct Case {
        std::string_view label;
        std::vector<int> printed;
    };
    const Case cases[] = {
        {"Line 09/06", {6, 9}},
        {"Line 06/03", {3, 6}},
        {"Line 36/33", {33, 36}},
        {"Corner 35/32/36/33", {32, 33, 35, 36}},
        {"Trio 04/05/06", {4, 5, 6}},
        {"Split 33/30", {30, 33}},
        {"Single 09", {9}},
        {"Red", {}},
        {"1st 12", {}},
        {"Row 3", {}},
    };
    for (const Case& c : cases) {
        NumberMask want = 0;
        for (int n : c.printed) want |= NumberMask{1} << n;
        EXPECT_EQ(bet(findLabel(c.label).value()).printed, want) << c.label;
    }
}

TEST(BetCatalogue, CoverageOfEachNumber) {
    // How many bets of each family cover n, for a few numbers of the layout's edge and middle.
    struct Case {
        int n, dozens, rows, lines, corners, trios, splits, singles, evens;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0, 0, 0, 0, 0},  {1, 1, 1, 1, 1, 1, 2, 1, 3},  {2, 1, 1, 1, 2, 1, 3, 1, 3},
        {3, 1, 1, 1, 1, 1, 2, 1, 3},  {5, 1, 1, 2, 4, 1, 4, 1, 3},  {4, 1, 1, 2, 2, 1, 3, 1, 3},
        {17, 1, 1, 2, 4, 1, 4, 1, 3}, {34, 1, 1, 1, 1, 1, 2, 1, 3}, {35, 1, 1, 1, 2, 1, 3, 1, 3},
        {36, 1, 1, 1, 1, 1, 2, 1, 3},
    };
    for (const Case& c : cases) {
        int count[kFamilyCount] = {};
        for (const Bet& b : allBets()) count[static_cast<int>(b.family)] += b.covers(c.n) ? 1 : 0;
        const int want[kFamilyCount] = {c.evens,   c.dozens, c.rows,   c.lines,
                                        c.corners, c.trios,  c.splits, c.singles};
        for (int f = 0; f < kFamilyCount; ++f) {
            EXPECT_EQ(count[f], want[f]) << "n " << c.n << " family " << f;
        }
    }
}

TEST(BetCatalogue, FamiliesAndPayouts) {
    struct Case {
        std::size_t first, count;
        Family family;
        int net;
    };
    const Case blocks[] = {
        {0, 3, Family::Dozen, 2},    {3, 3, Family::Row, 2},        {6, 11, Family::Line, 5},
        {17, 22, Family::Corner, 8}, {39, 12, Family::Trio, 11},    {51, 57, Family::Split, 17},
        {108, 6, Family::Even, 1},   {114, 36, Family::Single, 35},
    };
    std::size_t total = 0;
    for (const Case& c : blocks) {
        for (std::size_t i = c.first; i < c.first + c.count; ++i) {
            const Bet& b = bet(static_cast<BetId>(i));
            EXPECT_EQ(b.family, c.family) << kLabels[i];
            EXPECT_EQ(b.netPayout, c.net) << kLabels[i];
            EXPECT_EQ(b.returnFactor, c.net + 1) << kLabels[i];
        }
        total += c.count;
    }
    EXPECT_EQ(total, 150U);
}

TEST(BetCatalogue, SingleOfNumber) {
    for (int n = 1; n <= 36; ++n) {
        EXPECT_EQ(label(singleOf(n)), "Single " + PadNumber(n));
        EXPECT_TRUE(bet(singleOf(n)).covers(n));
    }
}

TEST(BetCatalogue, ShapeEdgeCases) {
    // No corner or row split spans the end of a row; the last corner starts at 32.
    for (std::string_view absent :
         {"Corner 06/03/07/04", "Corner 36/33/37/34", "Split 03/04", "Split 36/37", "Split 00/03",
          "Trio 02/03/04", "Single 00", "Single 37", "Line 03/00", "Row 4", "4th 12"}) {
        EXPECT_FALSE(findLabel(absent).has_value()) << absent;
    }
    EXPECT_EQ(label(bet_ids::FirstTrio - 1), "Corner 35/32/36/33");
}

}  // namespace
}  // namespace brisvale
