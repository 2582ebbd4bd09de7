// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as text: amounts as the boxes show them, and figures as the JSON reports write them.
#include "util/numbers.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "util/json_number.hpp"

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

TEST(JsonNumber, WholeAmountsWithoutAFractionOthersShortest) {
    // 100000 is not 1e+05; 2^53 is the last whole double kept whole.
    // clang-format off
    const std::pair<double, const char*> cases[] = {
        {1000, "1000"}, {-0.0, "0"}, {100000, "100000"}, {-985, "-985"}, {1234.56, "1234.56"},
        {0.5, "0.5"}, {-0.027027027027027029, "-0.02702702702702703"},
        {123456789012, "123456789012"}, {9007199254740992.0, "9007199254740992"},
        {9.1e15, "9.1e+15"}, {std::numeric_limits<double>::quiet_NaN(), "null"},
        {std::numeric_limits<double>::infinity(), "null"}};
    // clang-format on
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(jsonNumber(value).dump(), text) << value;
        EXPECT_EQ(jsonNumber<nlohmann::ordered_json>(value).dump(), text) << value;
    }
}

TEST(JsonNumber, ReadsBackAsTheSameDouble) {
    for (double v : {0.1, 1234.56, -0.005766121361993532, 1e-7, 1.5e300, 9.1e15}) {
        EXPECT_EQ(nlohmann::json::parse(jsonNumber(v).dump()).get<double>(), v) << v;
    }
}

}  // namespace
}  // namespace brisvale
