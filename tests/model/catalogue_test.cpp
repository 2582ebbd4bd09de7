// SPDX-License-Identifier: GPL-3.0-or-later
// The bet catalogue against the printed board: every label names the numbers its cells cover.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <ranges>
#include <string>
#include <tuple>
#include <vector>

#include "board/geometry.hpp"
#include "model/bets.hpp"
#include "model/numbers.hpp"

namespace brisvale {
namespace {

constexpr int kRed[] = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};

template <class Pred>
NumberMask numbersWhere(Pred pred) {
    NumberMask m = 0;
    for (int n = 1; n <= 36; ++n) m |= NumberMask{pred(n, cellRect(n, false))} << n;
    return m;
}

struct Named {
    NumberMask numbers = 0, printed = 0;
    Family family = Family::Even;
};

// What a label names, read the way a player reads the board: the numbers printed in it, the
// columns of a line, the row beside a row box, the columns along a dozen box.
Named fromBoard(std::string_view l) {
    Named e;
    const std::size_t space = l.find(' ');
    for (int f = 0; f < kFamilyCount; ++f) {
        if (space != l.npos && l.substr(0, space) == familyName(Family(f))) e.family = Family(f);
    }
    std::vector<int> at;  // the left edges of the printed numbers' cells
    for (std::size_t i = space + 1; e.family >= Family::Line && i < l.size(); i += 3) {
        const int n = (l[i] - '0') * 10 + (l[i + 1] - '0');
        e.numbers = e.printed |= NumberMask{1} << n;
        at.push_back(cellRect(n, false).left);
    }
    Rect box{};
    for (int i = board::kFirstOutsideCell; i < board::kCellCount; ++i) {
        if (outsideCaption(i) == l) box = cellRect(i, false);
    }
    const bool red = l == "Red", odd = l == "Odd";
    if (e.family == Family::Line) {
        e.numbers = numbersWhere([&](int, Rect r) { return std::ranges::count(at, r.left) > 0; });
    } else if (e.family == Family::Row) {
        e.numbers = numbersWhere([&](int, Rect r) { return r.top == box.top; });
    } else if (e.family == Family::Even && l.ends_with(" 12")) {
        e.family = Family::Dozen;
        e.numbers = numbersWhere([&](int, Rect r) {
            return r.left + r.width / 2 > box.left && r.left + r.width / 2 < box.left + box.width;
        });
    } else if (red || l == "Black") {
        e.numbers = numbersWhere([&](int n, Rect) { return std::ranges::count(kRed, n) == red; });
    } else if (odd || l == "Even") {
        e.numbers = numbersWhere([&](int n, Rect) { return n % 2 == odd; });
    } else if (e.family == Family::Even) {  // "01 to 18": the numbers from one to the other
        const int from = std::stoi(std::string(l)), to = std::stoi(std::string(l.substr(6)));
        e.numbers = numbersWhere([&](int n, Rect) { return n >= from && n <= to; });
    }
    return e;
}

TEST(Catalogue, EveryBetIsWhatItsLabelNamesOnTheBoard) {
    ASSERT_EQ(allBets().size(), 150U);
    for (int i = 0; i < kBetCount; ++i) {
        const auto id = static_cast<BetId>(i);
        const Bet& b = bet(id);
        const std::string l(label(id));
        SCOPED_TRACE(l);
        EXPECT_EQ(findLabel(l), id);  // every label parses back, so no two bets share one
        EXPECT_FALSE(findLabel(l.substr(0, l.size() - 1)) || findLabel(l + ","));
        const Named e = fromBoard(l);
        EXPECT_EQ(std::tuple(b.numbers, b.printed, b.family),
                  std::tuple(e.numbers, e.printed, e.family));
        for (int n = -1; n <= 37; ++n) EXPECT_EQ(b.covers(n), n >= 0 && (e.numbers >> n & 1)) << n;
        NumberMask listed = 0;
        for (int n : numbersOf(id)) listed |= NumberMask{1} << n;
        const auto numbers = numbersOf(id);  // ascending, each once
        EXPECT_TRUE(listed == e.numbers &&
                    std::ranges::adjacent_find(numbers, std::greater_equal{}) == numbers.end());
        // A single-zero wheel returns 36 units for a unit staked on each of the 36 numbers.
        EXPECT_EQ(b.returnFactor * std::popcount(e.numbers), 36);
        EXPECT_EQ(std::tuple(b.netPayout + 1, returnFactorOf(l), familyOf(l), sequenceFamilyOf(l)),
                  std::tuple(b.returnFactor, b.returnFactor, b.family, b.family));
        EXPECT_EQ(listEntry(id) + winnersEntry(id), l + ",," + l);
        EXPECT_TRUE(caption(id, 7) == "Bet $7 on " + l || id == bet_ids::Even ||
                    id == bet_ids::Odd || id == bet_ids::Low);
    }
    for (int n = 1; n <= 36; ++n) EXPECT_EQ(label(singleOf(n)), "Single " + PadNumber(n));
    EXPECT_EQ(caption(bet_ids::Even, 120) + caption(bet_ids::Odd, 0) +
                  caption(bet_ids::Low, 1234567890123LL) + PadNumber(0) + PadNumber(7) +
                  PadNumber(36) + PadNumber(-1) + PadNumber(100),
              "Bet $120 EvenBet $0 OddBet $1234567890123 on 1 to 18000736-1100");
}

TEST(Catalogue, ScanOrders) {
    using namespace bet_ids;
    EXPECT_TRUE(std::ranges::equal(betTableOrder(), std::views::iota(0, kBetCount)));
    const auto lowest = [](BetId id) { return numbersOf(id)[0]; };
    const auto natural = [&](BetId id) {  // neighbours 3 apart by board row, then the others
        const bool consecutive = numbersOf(id)[1] - lowest(id) == 1;
        return std::tuple{consecutive, consecutive ? 0 : (lowest(id) - 1) % 3, lowest(id)};
    };
    for (int f = 0; f < kFamilyCount; ++f) {
        std::vector<BetId> want;
        std::ranges::copy_if(betTableOrder(), std::back_inserter(want),
                             [&](BetId id) { return bet(id).family == Family(f); });
        if (Family(f) == Family::Split) std::ranges::sort(want, {}, natural);
        if (Family(f) != Family::Split) std::ranges::sort(want, {}, lowest);
        if (Family(f) == Family::Even) want = {Red, Black, Low, High, Even, Odd};
        EXPECT_TRUE(std::ranges::equal(triggerOrder(Family(f)), want)) << f;
    }
    // Multi-bet play scans the splits in the bet table's own order, which nothing derives.
    std::string multi;
    for (std::size_t k = 0; k < multiSplitOrder().size(); ++k) {
        EXPECT_EQ(int{multiSplitOrder()[k]}, bet_ids::FirstSplit + static_cast<int>(k));
        multi.append(label(multiSplitOrder()[k]).substr(6)) += ' ';
    }
    EXPECT_EQ(multi,
              "01/02 33/30 02/03 04/01 07/04 10/07 13/10 04/05 05/06 16/13 19/16 22/19 17/18 19/20 "
              "20/21 25/22 28/25 31/28 34/31 05/02 08/05 11/08 14/11 17/14 14/15 16/17 22/23 20/17 "
              "23/20 26/23 29/26 32/29 35/32 06/03 09/06 12/09 15/12 18/15 21/18 24/21 27/24 30/27 "
              "36/33 07/08 08/09 10/11 11/12 13/14 23/24 25/26 26/27 28/29 29/30 31/32 32/33 34/35 "
              "35/36 ");
    std::vector<BetId> winners;
    for (Family f : {Family::Trio, Family::Even, Family::Dozen, Family::Row, Family::Line,
                     Family::Corner, Family::Split, Family::Single}) {
        std::ranges::copy(triggerOrder(f), std::back_inserter(winners));
    }
    EXPECT_TRUE(std::ranges::equal(winnersOrder(), winners) &&
                std::ranges::equal(zeroCountsOrder(), winners));
}

// A text that is no label takes its family from a family word, each rule looking for the
// words in its own order; the exact labels never match inside a longer text.
TEST(Catalogue, TextRules) {
    EXPECT_EQ(std::tuple(familyOf("xLine Row"), sequenceFamilyOf("xLine Row"),
                         sequenceFamilyOf("Split Corner Trio Single"), familyOf("Trio Corner Line"),
                         returnFactorOf("Single Split")),
              std::tuple(Family::Row, Family::Line, Family::Single, Family::Line, 18));
    EXPECT_FALSE(findLabel("Single 7") || findLabel("\xff"));
    for (std::string_view t : {"", "red", " Red", "Red,", "Even,", "1st 12,", "Dozen", "single"})
        EXPECT_FALSE(findLabel(t) || familyOf(t) || sequenceFamilyOf(t) || returnFactorOf(t)) << t;
}

// Texts cut and glued from pieces of labels agree with a plain substring search.
TEST(Catalogue, BetsInTextFindsEveryLabelInside) {
    std::mt19937 gen(12345);
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        for (int p = static_cast<int>(gen() % 6); p > 0; --p) {
            const std::string_view l = label(static_cast<BetId>(gen() % kBetCount));
            const std::size_t from = gen() % 3 == 0 ? gen() % l.size() : 0;
            text.append(l.substr(from, gen() % 3 == 0 ? gen() % (l.size() - from + 1) : l.size()));
            if (gen() % 2 == 0) text.push_back(',');
        }
        BetSet want;
        for (int i = 0; i < kBetCount; ++i) want.set(i, text.find(label(BetId(i))) != text.npos);
        EXPECT_EQ(betsInText(text), want) << text;
    }
}

}  // namespace
}  // namespace brisvale
