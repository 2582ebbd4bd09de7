// Start thresholds: the order of the checks, their messages, and the draws.

#include <gtest/gtest.h>

#include <set>

#include "selection/thresholds.hpp"
#include "support/ports.hpp"

namespace brisvale {
namespace {

using testing::FakeDialogs;

// Every pair Low 5 / High 6 with its Random box clear.
PlayState boxes(bool multi) {
    PlayState s;
    s.MultiBetPlay = multi;
    for (int k = 0; k < kFamilyCount; ++k) {
        s.form.Text[lowBox(k)].text = "5";
        s.form.Text[highBox(k)].text = "6";
        s.form.Check[randomBox(k)].value = 0;
    }
    return s;
}

TEST(DrawThresholds, ChecksInOrderAndChangesNothingOnFailure) {
    struct Case {
        const char* name;
        bool multi;
        std::vector<std::pair<int, const char*>> texts;  // box number, text
        bool ok;
        const char* message;
    };
    const Case cases[] = {
        {"all valid", false, {}, true, ""},
        {"equal values pass", false, {{2, "6"}}, true, ""},
        {"dozen before row",
         false,
         {{4, "12"}, {5, "8"}, {6, "9"}, {7, "3"}},
         false,
         "Low Dozen value is invalid"},
        {"split", false, {{14, "60"}}, false, "Low Split value is invalid"},
        {"single unchecked in Classic", false, {{16, "9"}, {17, "3"}}, true, ""},
        {"single checked in multi-bet play",
         true,
         {{16, "9"}, {17, "3"}},
         false,
         "Low Single value is invalid"},
        {"not a number", false, {{9, "1x"}}, false, "Value must be numeric!"},
        {"out of range", false, {{2, "40000"}}, false, "Value must be numeric!"},
        {"empty", true, {{17, ""}}, false, "Value must be numeric!"},
        {"blanks and sign are numbers", false, {{2, " -3 "}, {3, "+7"}}, true, ""},
    };
    for (const Case& c : cases) {
        PlayState s = boxes(c.multi);
        for (const auto& [box, text] : c.texts) s.form.Text[box].text = text;
        s.StartThreshold.fill(99);
        FakeDialogs dialogs;
        SeededRandom random(1);
        EXPECT_EQ(DrawThresholds(s, dialogs, random), c.ok) << c.name;
        if (c.ok) {
            EXPECT_TRUE(dialogs.boxes.empty()) << c.name;
            EXPECT_NE(s.StartThreshold[0], 99) << c.name;
        } else {
            ASSERT_EQ(dialogs.boxes.size(), 1U) << c.name;
            EXPECT_EQ(dialogs.boxes[0].text, c.message) << c.name;
            EXPECT_EQ(dialogs.boxes[0].title, s.AppTitle) << c.name;
            for (std::int16_t t : s.StartThreshold) EXPECT_EQ(t, 99) << c.name;
        }
    }
}

TEST(DrawThresholds, LowUnlessRandomIsTicked) {
    PlayState s = boxes(false);
    s.form.Text[16].text = "9";  // a Single pair never checked in Classic play takes its Low
    s.form.Text[17].text = "3";
    s.form.Check[9].value = 1;
    FakeDialogs dialogs;
    SeededRandom random(7);
    ASSERT_TRUE(DrawThresholds(s, dialogs, random));
    for (int k = 0; k < 7; ++k) EXPECT_EQ(s.StartThreshold[k], 5);
    EXPECT_EQ(s.StartThreshold[7], 9);
}

TEST(DrawThresholds, RandomDrawsCoverLowToHighOnly) {
    PlayState s = boxes(true);
    s.form.Check[1].value = 1;  // Even 5..6
    s.form.Check[2].value = 1;  // Dozen 4..4
    s.form.Text[4].text = "4";
    s.form.Text[5].text = "4";
    s.form.Check[7].value = 1;  // Split 10..20
    s.form.Text[14].text = "10";
    s.form.Text[15].text = "20";
    FakeDialogs dialogs;
    SeededRandom random(42);
    std::set<int> even, split;
    for (int i = 0; i < 400; ++i) {
        ASSERT_TRUE(DrawThresholds(s, dialogs, random));
        even.insert(s.StartThreshold[0]);
        split.insert(s.StartThreshold[6]);
        EXPECT_EQ(s.StartThreshold[1], 4);
    }
    EXPECT_EQ(even, (std::set<int>{5, 6}));
    EXPECT_EQ(split.size(), 11U);
    EXPECT_EQ(*split.begin(), 10);
    EXPECT_EQ(*split.rbegin(), 20);
}

TEST(DrawThresholds, OneGeneratorGivesDifferentDrawsInOneInstant) {
    // Re-seeding from the clock before every draw would make these all equal.
    PlayState s = boxes(false);
    s.form.Check[1].value = 1;
    s.form.Text[2].text = "0";
    s.form.Text[3].text = "1000";
    FakeDialogs dialogs;
    SeededRandom random(3);
    std::set<int> seen;
    for (int i = 0; i < 20; ++i) {
        DrawThresholds(s, dialogs, random);
        seen.insert(s.StartThreshold[0]);
    }
    EXPECT_GT(seen.size(), 10U);
}

}  // namespace
}  // namespace brisvale
