#include <gtest/gtest.h>

#include <set>
#include <string_view>
#include <vector>

#include "model/bets.hpp"
#include "model/expected.hpp"

namespace brisvale {
namespace {

using expected::labelRange;
using expected::labelsOf;
using Labels = std::vector<std::string_view>;

Labels concat(std::initializer_list<Labels> parts) {
    Labels out;
    for (const Labels& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

const Labels kMultiSplits{
    "Split 01/02", "Split 33/30", "Split 02/03", "Split 04/01", "Split 07/04", "Split 10/07",
    "Split 13/10", "Split 04/05", "Split 05/06", "Split 16/13", "Split 19/16", "Split 22/19",
    "Split 17/18", "Split 19/20", "Split 20/21", "Split 25/22", "Split 28/25", "Split 31/28",
    "Split 34/31", "Split 05/02", "Split 08/05", "Split 11/08", "Split 14/11", "Split 17/14",
    "Split 14/15", "Split 16/17", "Split 22/23", "Split 20/17", "Split 23/20", "Split 26/23",
    "Split 29/26", "Split 32/29", "Split 35/32", "Split 06/03", "Split 09/06", "Split 12/09",
    "Split 15/12", "Split 18/15", "Split 21/18", "Split 24/21", "Split 27/24", "Split 30/27",
    "Split 36/33", "Split 07/08", "Split 08/09", "Split 10/11", "Split 11/12", "Split 13/14",
    "Split 23/24", "Split 25/26", "Split 26/27", "Split 28/29", "Split 29/30", "Split 31/32",
    "Split 32/33", "Split 34/35", "Split 35/36",
};

const Labels kTrios = labelRange(39, 12);
const Labels kEvenTrigger{"Red", "Black", "01 to 18", "19 to 36", "Even", "Odd"};
const Labels kNatural(expected::kNaturalSplits.begin(), expected::kNaturalSplits.end());

TEST(BetOrders, BetTableOrderIsIdOrder) {
    const auto order = betTableOrder();
    ASSERT_EQ(order.size(), 150U);
    for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(order[i], i);
    EXPECT_EQ(labelsOf(order), Labels(expected::kLabels.begin(), expected::kLabels.end()));
}

TEST(BetOrders, SplitOrders) {
    EXPECT_EQ(labelsOf(multiSplitOrder()), kMultiSplits);
    EXPECT_EQ(labelsOf(naturalSplitOrder()), kNatural);
    // The bet table keeps its splits in the multi-bet order.
    EXPECT_EQ(labelRange(51, 57), kMultiSplits);
    // Both orders hold the same 57 splits.
    EXPECT_EQ(std::set<std::string_view>(kMultiSplits.begin(), kMultiSplits.end()),
              std::set<std::string_view>(kNatural.begin(), kNatural.end()));
}

TEST(BetOrders, TriggerOrderOfEachFamily) {
    struct Case {
        Family family;
        Labels labels;
    };
    const Case cases[] = {
        {Family::Even, kEvenTrigger},
        {Family::Dozen, {"1st 12", "2nd 12", "3rd 12"}},
        {Family::Row, {"Row 1", "Row 2", "Row 3"}},
        {Family::Line, labelRange(6, 11)},
        {Family::Corner, labelRange(17, 22)},
        {Family::Trio, kTrios},
        {Family::Split, kNatural},
        {Family::Single, labelRange(114, 36)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(labelsOf(triggerOrder(c.family)), c.labels) << familyName(c.family);
    }
    EXPECT_EQ(labelsOf(triggerOrder(Family::Line)).front(), "Line 06/03");
    EXPECT_EQ(labelsOf(triggerOrder(Family::Corner)).back(), "Corner 35/32/36/33");
    EXPECT_EQ(labelsOf(triggerOrder(Family::Single)).back(), "Single 36");
}

TEST(BetOrders, WinnersAndZeroCountsOrders) {
    const Labels want = concat({kTrios,
                                kEvenTrigger,
                                {"1st 12", "2nd 12", "3rd 12"},
                                {"Row 1", "Row 2", "Row 3"},
                                labelRange(6, 11),
                                labelRange(17, 22),
                                kNatural,
                                labelRange(114, 36)});
    ASSERT_EQ(want.size(), 150U);
    EXPECT_EQ(labelsOf(winnersOrder()), want);
    EXPECT_EQ(labelsOf(zeroCountsOrder()), want);
    EXPECT_EQ(std::set<std::string_view>(want.begin(), want.end()).size(), 150U);
}

}  // namespace
}  // namespace brisvale
