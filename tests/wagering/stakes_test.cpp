#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "wagering/sequences.hpp"

namespace brisvale {
namespace {

// The default sequences as the user's documentation prints them, typed out again here so
// that the tests do not lean on the program's own table.
struct DefaultCase {
    Family family;
    const char* key;
    std::vector<int> chips;  // the elements before the closing "Q"
    int quitStep;            // first step the conservative limit turns into a quit
    long long spentBefore;   // chips spent by the stakes played before it
};

const std::vector<DefaultCase>& defaultCases() {
    static const std::vector<DefaultCase> cases = {
        {Family::Even, "even", {1, 2, 4, 8, 16, 32, 64}, 6, 63},
        {Family::Dozen, "dozen", {1, 2, 3, 4, 6, 9, 13, 20, 30, 45, 67}, 9, 88},
        {Family::Row, "row", {1, 2, 3, 4, 6, 9, 13, 20, 30, 45, 67}, 9, 88},
        {Family::Line,
         "line",
         {1, 1, 1, 1, 2, 2, 2, 3, 3, 4, 5, 6, 7, 8, 10, 12, 14, 17, 21, 25, 30},
         17,
         82},
        {Family::Corner,
         "corner",
         {1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 4, 4, 5, 5, 6, 7, 8, 9, 10, 12, 14, 16, 18, 20, 23},
         22,
         90},
        {Family::Trio,
         "trio",
         {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2,  2,  2,  2,  3,  3,  3,
          3, 4, 4, 4, 5, 5, 6, 6, 7, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
         30,
         90},
        {Family::Split,
         "split",
         {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2,  2,  2, 3,
          3, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 6, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11},
         38,
         87},
        {Family::Single, "single", {}, 62, 103},  // built below: 33 ones, 17 twos, ... 6 sixes
    };
    return cases;
}

std::vector<int> chipsOf(const DefaultCase& c) {
    if (c.family != Family::Single) return c.chips;
    std::vector<int> out;
    const int counts[] = {33, 17, 12, 8, 7, 6};
    for (int value = 1; value <= 6; ++value) out.insert(out.end(), counts[value - 1], value);
    return out;
}

std::string textOf(const std::vector<int>& chips) {
    std::string out;
    for (int c : chips) out += std::to_string(c) + ",";
    return out + "Q";
}

Wagering withSequence(Family family, std::string_view text) {
    Wagering w;
    w.WagerSequence[static_cast<int>(family)] = splitSequence(text);
    return w;
}

TEST(DefaultSequences, KeysAndTextsAreTheDocumentedOnes) {
    for (const DefaultCase& c : defaultCases()) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(sequenceKey(c.family), c.key);
        EXPECT_EQ(defaultSequenceText(c.family), textOf(chipsOf(c)));
    }
    EXPECT_EQ(chipsOf(defaultCases().back()).size(), 83U);
}

TEST(DefaultSequences, ConservativeLimitPlaysHalfTheTotal) {
    for (const DefaultCase& c : defaultCases()) {
        SCOPED_TRACE(c.key);
        const std::vector<int> chips = chipsOf(c);
        const Wagering w = withSequence(c.family, defaultSequenceText(c.family));
        std::vector<int> played;
        long long spent = 0;
        int step = 0;
        std::int32_t stake = -1;
        int code = kStepStake;
        while ((code = NextStake(w, c.family, step, true, 1, stake)) == kStepStake) {
            played.push_back(stake);
            spent += stake;
            ++step;
        }
        EXPECT_EQ(code, kStepQuit);
        EXPECT_EQ(step, c.quitStep);
        EXPECT_EQ(spent, c.spentBefore);
        EXPECT_EQ(played, std::vector<int>(chips.begin(), chips.begin() + c.quitStep));
        // The step that quits would have overspent half the total.
        long long total = 0;
        for (int x : chips) total += x;
        EXPECT_GT(2 * (spent + chips[static_cast<std::size_t>(c.quitStep)]), total);
        EXPECT_LE(2 * spent, total);
    }
}

TEST(DefaultSequences, WithoutTheLimitEveryElementIsPlayedAtTheUnit) {
    for (const DefaultCase& c : defaultCases()) {
        SCOPED_TRACE(c.key);
        const std::vector<int> chips = chipsOf(c);
        const Wagering w = withSequence(c.family, defaultSequenceText(c.family));
        std::int32_t stake = 0;
        for (std::size_t i = 0; i < chips.size(); ++i) {
            ASSERT_EQ(NextStake(w, c.family, static_cast<int>(i), false, 5, stake), kStepStake);
            EXPECT_EQ(stake, chips[i] * 5);
        }
        EXPECT_EQ(NextStake(w, c.family, static_cast<int>(chips.size()), false, 5, stake),
                  kStepQuit);
    }
}

TEST(NextStake, EvenMoneyAfterSixAndSevenLosses) {
    const Wagering w = withSequence(Family::Even, "1,2,4,8,16,32,64,Q");
    std::int32_t stake = 0;
    EXPECT_EQ(NextStake(w, Family::Even, 6, false, 1, stake), kStepStake);
    EXPECT_EQ(stake, 64);
    EXPECT_EQ(NextStake(w, Family::Even, 7, false, 1, stake), kStepQuit);
    EXPECT_EQ(stake, 64);  // a mark leaves the stake alone
    stake = 0;
    EXPECT_EQ(NextStake(w, Family::Even, 5, true, 1, stake), kStepStake);
    EXPECT_EQ(stake, 32);
    EXPECT_EQ(NextStake(w, Family::Even, 6, true, 1, stake), kStepQuit);
}

TEST(NextStake, StopMarksAndOddSteps) {
    struct Case {
        const char* text;
        int step;
        bool conservative;
        int code;
        std::int32_t stake;  // expected stake; 0 = untouched
    };
    const Case cases[] = {
        {"1,2,4,8,16,32,64,S", 6, true, kStepStake, 64},  // a stop mark: never limited
        {"1,2,4,8,16,32,64,S", 7, true, kStepStop, 0},
        {"1,S,100,Q", 2, true, kStepStake, 100},  // the stop mark need not be last
        {"1,100,Q,S", 1, true, kStepQuit, 0},     // a stop after the quit does not count
        {"1,100,Q,S", 1, false, kStepStake, 100},
        {"1,2,Q", 3, false, kStepQuit, 0},  // beyond the last element
        {"1,2,Q", 50, true, kStepQuit, 0},
        {"1,2,Q", -1, false, kStepQuit, 0},
        {"1,x,4,Q", 1, false, kStepQuit, 0},  // unreadable: never staked
        {"1,,4,Q", 1, false, kStepQuit, 0},
        {"1,2.5,4,Q", 1, false, kStepQuit, 0},
        {"", 0, false, kStepQuit, 0},
        {"1,s,4,Q", 1, false, kStepStop, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " step " + std::to_string(c.step));
        const Wagering w = withSequence(Family::Line, c.text);
        std::int32_t stake = 0;
        EXPECT_EQ(NextStake(w, Family::Line, c.step, c.conservative, 1, stake), c.code);
        EXPECT_EQ(stake, c.stake);
    }
}

TEST(ParseStep, MarksNumbersAndUnreadableElements) {
    struct Case {
        const char* element;
        long long unit;
        int code;
        std::int32_t stake;  // -7 = untouched
    };
    const Case cases[] = {
        {"Q", 1, kStepQuit, -7},
        {"q", 1, kStepQuit, -7},
        {"S", 1, kStepStop, -7},
        {"s", 1, kStepStop, -7},
        {"7", 5, kStepStake, 35},
        {"1", 1, kStepStake, 1},
        {"0", 9, kStepStake, 0},
        {"007", 2, kStepStake, 14},
        {"", 1, kStepQuit, -7},
        {"abc", 1, kStepQuit, -7},
        {" 2", 1, kStepQuit, -7},
        {"2 ", 1, kStepQuit, -7},
        {"2.5", 1, kStepQuit, -7},
        {"-3", 1, kStepQuit, -7},
        {"+3", 1, kStepQuit, -7},
        {"1e3", 1, kStepQuit, -7},
        {"QQ", 1, kStepQuit, -7},
        {"3000000000", 1, kStepQuit, -7},
        {"40000", 1, kStepStake, 40000},  // wider than the old 16-bit product
        {"2147483647", 1, kStepStake, 2147483647},
        {"2147483647", 100, kStepStake, 2147483647},  // saturates instead of wrapping
        {"67", 100000000, kStepStake, 2147483647},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.element);
        std::int32_t stake = -7;
        EXPECT_EQ(ParseStep(c.element, c.unit, stake), c.code);
        EXPECT_EQ(stake, c.stake);
    }
}

TEST(Stakes, SaturateAtThe32BitEnds) {
    constexpr std::int32_t hi = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t lo = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(stakeOf(64, 100), 6400);
    EXPECT_EQ(stakeOf(3000000, 1000), hi);
    EXPECT_EQ(stakeOf(std::numeric_limits<long long>::max(), 2), hi);
    EXPECT_EQ(stakeOf(-5, std::numeric_limits<long long>::max()), lo);
    EXPECT_EQ(stakeOf(std::numeric_limits<long long>::min(), std::numeric_limits<long long>::min()),
              hi);
    EXPECT_EQ(stakeOf(0, std::numeric_limits<long long>::max()), 0);
    EXPECT_EQ(stakeOf(46341, 46341), hi);  // 2147488281
    EXPECT_EQ(stakeOf(46340, 46340), 2147395600);
}

TEST(ElementValue, WholeNumbersInDecimalFiguresOnly) {
    EXPECT_EQ(elementValue("16"), 16);
    EXPECT_EQ(elementValue("0"), 0);
    EXPECT_EQ(elementValue("2147483647"), 2147483647LL);
    EXPECT_EQ(elementValue("2147483648"), std::nullopt);
    EXPECT_EQ(elementValue("99999999999999999999999"), std::nullopt);
    for (const char* text : {"", "Q", "S", "-1", "+1", "1.0", "1,2", " 1", "0x10", "１"})
        EXPECT_EQ(elementValue(text), std::nullopt) << text;
}

TEST(ChipsForResult, WinsPayTheFamilyOddsAndLossesTheElement) {
    struct Case {
        Family family;
        long long payout;
    };
    const Case cases[] = {{Family::Even, 1},   {Family::Dozen, 2},  {Family::Row, 2},
                          {Family::Line, 5},   {Family::Corner, 8}, {Family::Trio, 11},
                          {Family::Split, 17}, {Family::Single, 35}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(sequenceKey(c.family)));
        const Wagering w = withSequence(c.family, "1,7,S,x,Q");
        EXPECT_EQ(ChipsForResult(w, c.family, 0, true), c.payout);
        EXPECT_EQ(ChipsForResult(w, c.family, 1, true), 7 * c.payout);
        EXPECT_EQ(ChipsForResult(w, c.family, 1, false), 7);
        for (int step : {2, 3, 4, 5, -1}) {
            EXPECT_EQ(ChipsForResult(w, c.family, step, true), 0) << step;
            EXPECT_EQ(ChipsForResult(w, c.family, step, false), 0) << step;
        }
    }
}

TEST(ChipsForResult, CornerAtAStepHoldingThree) {
    const Wagering w = withSequence(Family::Corner, defaultSequenceText(Family::Corner));
    // Ten steps in, past six ones and four twos, the default corner sequence holds 3.
    EXPECT_EQ(ChipsForResult(w, Family::Corner, 10, true), 24);
    EXPECT_EQ(ChipsForResult(w, Family::Corner, 10, false), 3);
}

TEST(ConservativeLimit, SumsStopAtMarksAndUnreadableElements) {
    struct Case {
        const char* text;
        int step;
        bool within;
    };
    const Case cases[] = {
        {"1,2,x,100,Q", 0, true},   // total 3, spent 1
        {"1,2,x,100,Q", 1, false},  // spent 3 > 1.5
        {"1,2,x,100,Q", 3, false},  // spending stops at x: still 3
        {"1,x,S", 0, false},        // x quits before the stop mark is seen
        {"1,1,S", 1, true},         // a stop mark: never limited
        {"2,2,Q", 0, true},         // 2 <= 2 exactly
        {"2,2,Q", 1, false},
        {"3,3,q", 0, true},       // lower-case quit mark ends the total too
        {"3,3,s", 1, true},       // lower-case stop mark: never limited
        {"1,2,Q,100", 1, false},  // the total stops at the quit mark
        {"1,2,Q", 10, false},     // beyond the end spends the whole sequence
        {"1,2,Q", -1, true},      // nothing spent yet
        {"", 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " step " + std::to_string(c.step));
        EXPECT_EQ(WithinConservativeLimit(splitSequence(c.text), c.step, true), c.within);
        EXPECT_TRUE(WithinConservativeLimit(splitSequence(c.text), c.step, false));
    }
}

TEST(RoundDown, CutsTowardZero) {
    EXPECT_EQ(RoundDown(2.7), 2);
    EXPECT_EQ(RoundDown(-2.7), -2);
    EXPECT_EQ(RoundDown(5.0), 5);
    EXPECT_EQ(RoundDown(-0.5), 0);
    EXPECT_EQ(RoundDown(0.0), 0);
    EXPECT_EQ(RoundDown(3.25), 3);
    EXPECT_EQ(RoundDown(1e300), std::numeric_limits<long long>::max());
    EXPECT_EQ(RoundDown(-1e300), std::numeric_limits<long long>::min());
    EXPECT_EQ(RoundDown(std::nan("")), 0);
}

TEST(SplitSequence, KeepsEveryElementAsStored) {
    EXPECT_EQ(splitSequence("1,2,Q"), (Sequence{"1", "2", "Q"}));
    EXPECT_EQ(splitSequence("1,,2"), (Sequence{"1", "", "2"}));
    EXPECT_EQ(splitSequence("1,2,Q,"), (Sequence{"1", "2", "Q", ""}));
    EXPECT_EQ(splitSequence(",1"), (Sequence{"", "1"}));
    EXPECT_EQ(splitSequence(" 1 , q"), (Sequence{" 1 ", " q"}));
    EXPECT_TRUE(splitSequence("").empty());
    for (const char* text : {"1,2,4,8,16,32,64,Q", "1,,2", "1,2,Q,", ","})
        EXPECT_EQ(joinSequence(splitSequence(text)), text);
}

}  // namespace
}  // namespace brisvale
