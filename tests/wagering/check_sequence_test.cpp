#include <gtest/gtest.h>

#include <string>

#include "wagering/sequences.hpp"

namespace brisvale {
namespace {

TEST(CheckSequence, AcceptsAndRefusesTheEditorsTexts) {
    struct Case {
        const char* text;
        bool invalid;
    };
    const Case cases[] = {
        {"1,2,4,8,16,32,64,Q", false},
        {"1,1,S", false},
        {"1,S,2", false},  // a mark may stand anywhere but first
        {"1,S,Q", false},
        {"0,Q", false},
        {"007,S", false},
        {"2147483647,Q", false},
        {"", true},       // empty
        {"1,2,3", true},  // no end mark
        {"Q,1,2", true},  // mark first
        {"S,1,Q", true},
        {"s,1,Q", true},  // mark first, lower case
        {"q,1,S", true},
        {"1,2,q", true},  // lower-case mark
        {"1,2,s", true},
        {"1,,2,Q", true},  // empty element
        {"1,2,Q,", true},  // trailing comma
        {",1,Q", true},
        {"Q", true},
        {"S", true},
        {"1, 2,Q", true},  // blanks
        {" ", true},
        {"1,2, Q", true},
        {"1.5,Q", true},  // whole numbers only
        {"-1,2,Q", true},
        {"+1,2,Q", true},
        {"1e2,Q", true},
        {"1,X,Q", true},
        {"3000000000,Q", true},  // larger than any stake can be
        {"1,2,Q,Q", false},
    };
    for (const Case& c : cases) EXPECT_EQ(CheckSequence(c.text), c.invalid) << '"' << c.text << '"';
}

TEST(CheckSequence, AcceptsEveryDefault) {
    for (int f = 0; f < kFamilyCount; ++f) {
        const Family family = static_cast<Family>(f);
        EXPECT_FALSE(CheckSequence(defaultSequenceText(family))) << sequenceKey(family);
    }
}

// What the editor accepts is exactly what play can stake: every number it lets through is a
// whole number to the stake rules, and nothing it lets through quits for being unreadable.
TEST(CheckSequence, AgreesWithTheStakeRules) {
    for (const char* element : {"1", "0", "42", "-1", "+1", "1.5", " 1", "x", "", "3000000000"}) {
        const std::string text = std::string("1,") + element + ",Q";
        std::int32_t stake = 0;
        const bool readable = ParseStep(element, 1, stake) == kStepStake;
        EXPECT_EQ(!CheckSequence(text), readable) << text;
    }
}

}  // namespace
}  // namespace brisvale
