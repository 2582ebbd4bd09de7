#include <gtest/gtest.h>

#include <string>

#include "wagering/sequences.hpp"

namespace brisvale {
namespace {

TEST(ValidSequence, AcceptsAndRefusesTheEditorsTexts) {
    struct Case {
        const char* text;
        bool valid;
    };
    const Case cases[] = {
        {"1,2,4,8,16,32,64,Q", true},
        {"1,1,S", true},
        {"1,S,2", true},  // a mark may stand anywhere but first
        {"1,S,Q", true},
        {"0,Q", true},
        {"007,S", true},
        {"2147483647,Q", true},
        {"", false},       // empty
        {"1,2,3", false},  // no end mark
        {"Q,1,2", false},  // mark first
        {"S,1,Q", false},
        {"s,1,Q", false},  // mark first, lower case
        {"q,1,S", false},
        {"1,2,q", false},  // lower-case mark
        {"1,2,s", false},
        {"1,,2,Q", false},  // empty element
        {"1,2,Q,", false},  // trailing comma
        {",1,Q", false},
        {"Q", false},
        {"S", false},
        {"1, 2,Q", false},  // blanks
        {" ", false},
        {"1,2, Q", false},
        {"1.5,Q", false},  // whole numbers only
        {"-1,2,Q", false},
        {"+1,2,Q", false},
        {"1e2,Q", false},
        {"1,X,Q", false},
        {"3000000000,Q", false},  // larger than any stake can be
        {"1,2,Q,Q", true},
    };
    for (const Case& c : cases) EXPECT_EQ(isValidSequence(c.text), c.valid) << '"' << c.text << '"';
}

TEST(ValidSequence, AcceptsEveryDefault) {
    for (int f = 0; f < kFamilyCount; ++f) {
        const Family family = static_cast<Family>(f);
        EXPECT_TRUE(isValidSequence(defaultSequenceText(family))) << sequenceKey(family);
    }
}

// What the editor accepts is exactly what play can stake: every number it lets through is a
// whole number to the stake rules, and nothing it lets through quits for being unreadable.
TEST(ValidSequence, AgreesWithTheStakeRules) {
    for (const char* element : {"1", "0", "42", "-1", "+1", "1.5", " 1", "x", "", "3000000000"}) {
        const std::string text = std::string("1,") + element + ",Q";
        std::int32_t stake = 0;
        const bool readable = ParseStep(element, 1, stake) == kStepStake;
        EXPECT_EQ(isValidSequence(text), readable) << text;
    }
}

}  // namespace
}  // namespace brisvale
