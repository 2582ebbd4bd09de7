#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "model/bets.hpp"
#include "model/expected.hpp"
#include "model/numbers.hpp"

namespace brisvale {
namespace {

using expected::kLabels;

TEST(BetLookup, FindsEveryLabel) {
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
        EXPECT_EQ(findLabel(kLabels[i]), std::optional<BetId>(static_cast<BetId>(i))) << kLabels[i];
    }
}

TEST(BetLookup, RejectsNonLabels) {
    for (std::string_view text : {"",
                                  "red",
                                  "RED",
                                  "Red,",
                                  ",Red",
                                  " Red",
                                  "Re",
                                  "Reds",
                                  "1 to 18",
                                  "01 to 19",
                                  "Row",
                                  "Row 1 ",
                                  "Line 06/03,",
                                  "Split 04/01/",
                                  "Single 7",
                                  "Single 007",
                                  "Dozen",
                                  "Corner",
                                  "Trio 01/02/03,Red,",
                                  "zzz",
                                  "\xff"}) {
        EXPECT_FALSE(findLabel(text).has_value()) << '"' << text << '"';
    }
}

// Family and payout of a text: whole labels, and texts that only hold a family word.
TEST(BetLookup, TextRules) {
    using F = Family;
    struct Case {
        std::string_view text;
        int factor;
        std::optional<Family> family, sequence;
    };
    const Case cases[] = {
        {"Red", 2, F::Even, F::Even},
        {"Black", 2, F::Even, F::Even},
        {"Even", 2, F::Even, F::Even},
        {"Odd", 2, F::Even, F::Even},
        {"01 to 18", 2, F::Even, F::Even},
        {"19 to 36", 2, F::Even, F::Even},
        {"1st 12", 3, F::Dozen, F::Dozen},
        {"2nd 12", 3, F::Dozen, F::Dozen},
        {"3rd 12", 3, F::Dozen, F::Dozen},
        {"Row 1", 3, F::Row, F::Row},
        {"Row 3", 3, F::Row, F::Row},
        {"Line 36/33", 6, F::Line, F::Line},
        {"Corner 04/01/05/02", 9, F::Corner, F::Corner},
        {"Trio 34/35/36", 12, F::Trio, F::Trio},
        {"Split 33/30", 18, F::Split, F::Split},
        {"Single 36", 36, F::Single, F::Single},
        // Exact-match families do not match inside a longer text.
        {"Red,", 0, std::nullopt, std::nullopt},
        {"Even,", 0, std::nullopt, std::nullopt},
        {"1st 12,", 0, std::nullopt, std::nullopt},
        {"red", 0, std::nullopt, std::nullopt},
        {"", 0, std::nullopt, std::nullopt},
        {"Dozen", 0, std::nullopt, std::nullopt},
        // Word families match anywhere; rows only as words for the payout rule.
        {"Row 1,", 3, F::Row, std::nullopt},
        {"Rows", 3, F::Row, std::nullopt},
        {"xLiney", 6, F::Line, F::Line},
        {"Corner", 9, F::Corner, F::Corner},
        {"Trio 01/02/03,", 12, F::Trio, F::Trio},
        {"Split", 18, F::Split, F::Split},
        {"Single 99", 36, F::Single, F::Single},
        // Texts with two words: each rule takes its own first word.
        {"Row Single", 3, F::Row, F::Single},
        {"Single Split", 18, F::Split, F::Single},
        {"Split Trio", 12, F::Trio, F::Split},
        {"Corner Trio", 9, F::Corner, F::Trio},
        {"Corner Line", 6, F::Line, F::Corner},
        {"Line Row", 3, F::Row, F::Line},
        {"single", 0, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(returnFactorOf(c.text), c.factor) << '"' << c.text << '"';
        EXPECT_EQ(familyOf(c.text), c.family) << '"' << c.text << '"';
        EXPECT_EQ(sequenceFamilyOf(c.text), c.sequence) << '"' << c.text << '"';
    }
}

TEST(BetLookup, FamilyNames) {
    const std::string_view names[] = {"Even",   "Dozen", "Row",   "Line",
                                      "Corner", "Trio",  "Split", "Single"};
    for (int f = 0; f < kFamilyCount; ++f) EXPECT_EQ(familyName(static_cast<Family>(f)), names[f]);
}

std::vector<std::string_view> found(const BetSet& set) {
    std::vector<std::string_view> out;
    for (std::size_t i = 0; i < set.size(); ++i) {
        if (set.test(i)) out.push_back(kLabels[i]);
    }
    return out;
}

TEST(BetLookup, BetsInText) {
    using L = std::vector<std::string_view>;
    struct Case {
        std::string_view text;
        L labels;  // in bet-table order
    };
    const Case cases[] = {
        {"", {}},
        {"Re", {}},
        {"Red", {"Red"}},
        {"Red,Black,", {"Black", "Red"}},
        {",Trio 01/02/03,Red", {"Trio 01/02/03", "Red"}},
        {"Split 04/01,Split 01/02,", {"Split 01/02", "Split 04/01"}},
        {"Redd", {"Red"}},
        {"xxSingle 17yy", {"Single 17"}},
        {"Single 1", {}},
        {"Row 1Row 2", {"Row 2", "Row 1"}},
        {"red,black,even", {}},
        {"1st 12,3rd 12,", {"1st 12", "3rd 12"}},
        {"01 to 18,19 to 36,Even,Odd,", {"Odd", "Even", "01 to 18", "19 to 36"}},
        {"Corner 35/32/36/33", {"Corner 35/32/36/33"}},
    };
    for (const Case& c : cases) {
        L want = c.labels;
        std::sort(want.begin(), want.end(), [](std::string_view a, std::string_view b) {
            return findLabel(a).value() < findLabel(b).value();
        });
        EXPECT_EQ(found(betsInText(c.text)), want) << '"' << c.text << '"';
    }
}

TEST(BetLookup, BetsInTextOfEveryListEntry) {
    std::string all;
    for (std::string_view l : kLabels) all.append(l).push_back(',');
    EXPECT_EQ(betsInText(all).count(), 150U);
}

// Texts cut and glued from pieces of labels agree with a plain substring search.
TEST(BetLookup, BetsInTextMatchesSubstringSearch) {
    std::mt19937 gen(12345);
    std::uniform_int_distribution<std::size_t> pick(0, kLabels.size() - 1);
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        const int pieces = static_cast<int>(gen() % 6);
        for (int p = 0; p < pieces; ++p) {
            const std::string_view l = kLabels[pick(gen)];
            const std::size_t from = gen() % 3 == 0 ? gen() % l.size() : 0;
            const std::size_t len = gen() % 3 == 0 ? gen() % (l.size() - from + 1) : l.size();
            text.append(l.substr(from, len));
            if (gen() % 2 == 0) text.push_back(',');
        }
        BetSet want;
        for (std::size_t i = 0; i < kLabels.size(); ++i) {
            want.set(i, text.find(kLabels[i]) != std::string::npos);
        }
        EXPECT_EQ(betsInText(text), want) << '"' << text << '"';
    }
}

TEST(Numbers, PadNumber) {
    struct Case {
        int n;
        std::string_view text;
    };
    const Case cases[] = {{0, "00"}, {1, "01"}, {9, "09"}, {10, "10"}, {17, "17"}, {36, "36"}};
    for (const Case& c : cases) EXPECT_EQ(PadNumber(c.n), c.text);
}

TEST(Numbers, Colours) {
    int red = 0, black = 0;
    for (int n = 0; n <= 36; ++n) {
        red += isRed(n) ? 1 : 0;
        black += isBlack(n) ? 1 : 0;
        EXPECT_FALSE(isRed(n) && isBlack(n)) << n;
    }
    EXPECT_EQ(red, 18);
    EXPECT_EQ(black, 18);
    for (int n : expected::kRed) EXPECT_TRUE(isRed(n)) << n;
    for (int n : expected::kBlack) EXPECT_TRUE(isBlack(n)) << n;
    EXPECT_FALSE(isRed(0));
    EXPECT_FALSE(isBlack(0));
}

}  // namespace
}  // namespace brisvale
