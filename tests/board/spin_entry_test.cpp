#include "board/spin_entry.hpp"

#include <gtest/gtest.h>

namespace brisvale {
namespace {

struct TooltipCase {
    const char* tooltip;
    std::optional<int> number;
};

TEST(NumberFromSingleTooltip, ReadsTheNumberAfterSingle) {
    const TooltipCase cases[] = {
        {"Bet 5 on Single 04", 4},
        {"Bet 5 on Single 17", 17},
        {"Bet 120 on Single 36", 36},
        {"Bet 5 on Single 01", 1},
        {"Bet 5 on Single  \t09", 9},   // blanks before the figures are skipped
        {"Bet 5 on Single 12abc", 12},  // reading stops at the first non-figure
        {"Single 00", 0},
        {"Bet 5 on Split 04/01", std::nullopt},
        {"Bet 5 on Corner 04/01/05/02", std::nullopt},
        {"Bet 5 on Red", std::nullopt},
        {"", std::nullopt},
        {"Bet 5 on single 04", std::nullopt},  // case-sensitive
        {"Bet 5 on Single", std::nullopt},     // nothing after the word
        {"Bet 5 on Single xx", std::nullopt},
        {"Bet 5 on Single 37", std::nullopt},  // no such number on the wheel
        {"Bet 5 on Single -4", std::nullopt},
        {"Bet 5 on Single 99999999999999999999", std::nullopt},
    };
    for (const TooltipCase& c : cases)
        EXPECT_EQ(numberFromSingleTooltip(c.tooltip), c.number) << '"' << c.tooltip << '"';
}

TEST(MarkerOnChip, ThirtyTwipsInFromTheChip) {
    EXPECT_EQ(markerOnChip({6180, 280}), (Point{6210, 280}));
    EXPECT_EQ(markerOnChip({0, 0}), (Point{30, 0}));
}

}  // namespace
}  // namespace brisvale
