// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/numbers.hpp"

#include <gtest/gtest.h>

namespace brisvale {
namespace {

// Whole amounts as figures alone, others with their fraction; from 10^15 on in the shortest
// form, which reads back the same.
TEST(Numbers, AnAmountAsText) {
    const std::pair<double, const char*> cases[] = {
        {1000, "1000"},     {-985, "-985"}, {0, "0"},
        {1234.5, "1234.5"}, {-0.5, "-0.5"}, {999999999999999, "999999999999999"},
        {1e15, "1e+15"},    {-0.0, "0"}};
    std::string box = "a longer text than any figure";
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(formatNumber(value), text) << value;
        formatNumberInto(box, value);
        EXPECT_EQ(box, text) << "written over the box's text";
        EXPECT_EQ(parseNumber(formatNumber(value)), value) << value;
    }
}

}  // namespace
}  // namespace brisvale
