// SPDX-License-Identifier: GPL-3.0-or-later
// The change-and-hold rule, capture by capture: what a run of readings enters and asks of the
// player.

#include "reading/hold_rule.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brisvale::reading {
namespace {

// "-" blank, "?" unsure, "17" a result, "17.5.9" a strip newest first, "x" a cell not read,
// ">1" after a strip: the pictures showed it moved by one cell since it last settled.
int cell(const std::string& text) {
    return text == "x" ? Reading::kUnread : std::stoi(text);
}

Reading parse(std::string word) {
    int moved = Reading::kMoveUnknown;
    if (const auto mark = word.find('>'); mark != std::string::npos) {
        moved = std::stoi(word.substr(mark + 1));
        word.resize(mark);
    }
    if (word == "-") return Reading::blank();
    if (word == "?") return Reading::unsure();
    std::vector<int> numbers;
    std::size_t start = 0;
    for (std::size_t dot; (dot = word.find('.', start)) != std::string::npos; start = dot + 1) {
        numbers.push_back(cell(word.substr(start, dot - start)));
    }
    numbers.push_back(cell(word.substr(start)));
    Reading r = Reading::of(numbers);
    r.moved = moved;
    return r;
}

struct Captures {
    std::string name;
    DisplayKind kind;
    std::vector<std::string> captures;
    std::vector<int> entered;
    int unsure;
};

TEST(HoldRule, EntersWhatChangedAndHeldAndAsksWhatIsUnsure) {
    using enum DisplayKind;
    // clang-format off
    const std::vector<Captures> runs = {
        {"the number shown at the start is not entered", Result, {"17", "17", "17"}, {}, 0},
        {"a change held twice enters once", Result, {"-", "-", "17", "17", "17", "17"}, {17}, 0},
        {"a change seen once is a flicker", Result, {"-", "-", "17", "-", "-"}, {}, 0},
        {"a repeat shows after a blank", Result, {"-", "-", "17", "17", "-", "-", "17", "17"}, {17, 17}, 0},
        {"a new number without a blank", Result, {"5", "5", "8", "8", "8"}, {8}, 0},
        {"the hold is in a row", Result, {"-", "-", "17", "9", "17", "9"}, {}, 0},
        {"out of range is unsure", Result, {"-", "-", "37", "37", "37"}, {}, 1},
        {"unsure asks once", Result, {"-", "-", "?", "?", "?", "?"}, {}, 1},
        {"a clear reading after unsure waits for a blank", Result, {"-", "-", "?", "?", "17", "17", "-", "-", "4", "4"}, {4}, 1},
        {"an unsure start is no question", Result, {"?", "?", "-", "-", "3", "3"}, {3}, 0},
        {"a strip shift enters the new number", Strip, {"5.8.9", "5.8.9", "2.5.8", "2.5.8"}, {2}, 0},
        {"a strip sees a repeat", Strip, {"5.8.9", "5.8.9", "5.5.8", "5.5.8"}, {5}, 0},
        {"a full strip drops its oldest", Strip, {"1.2.3", "1.2.3", "4.1.2", "4.1.2"}, {4}, 0},
        {"a strip grows from one", Strip, {"1", "1", "4.1", "4.1", "4.4.1", "4.4.1"}, {4, 4}, 0},
        {"two new at once, oldest first", Strip, {"1.2.3", "1.2.3", "7.6.1", "7.6.1"}, {6, 7}, 0},
        {"a strip blanking keeps its place", Strip, {"1.2.3", "1.2.3", "-", "-", "1.2.3", "1.2.3", "6.1.2", "6.1.2"}, {6}, 0},
        {"a hidden strip at the start is no start", Strip, {"-", "-", "1.2", "1.2", "1.2"}, {}, 0},
        {"a strip that does not follow is unsure", Strip, {"1.2.3", "1.2.3", "7.8.9", "7.8.9"}, {}, 1},
        {"a strip that shrinks is unsure", Strip, {"1.2.3", "1.2.3", "4.1", "4.1"}, {}, 1},
        {"more new than a reader can miss is unsure", Strip, {"1.2.3.4.5", "1.2.3.4.5", "9.9.9.9.1", "9.9.9.9.1"}, {}, 1},
        {"the spin asked of the player is not entered again", Strip, {"1.2.3", "1.2.3", "?", "?", "6.1.2", "6.1.2", "7.6.1", "7.6.1"}, {7}, 1},
        {"a misread inside the strip is unsure, then followed", Strip, {"1.2.3", "1.2.3", "6.1.8", "6.1.8", "5.6.1", "5.6.1"}, {5}, 1},
        {"cells not read fit two moves: unsure", Strip, {"5.x.x", "5.x.x", "5.5.x", "5.5.x"}, {}, 1},
        {"the pictures' move makes the repeat sure", Strip, {"5.x.x", "5.x.x", "5.5.x>1", "5.5.x>1"}, {5}, 0},
        {"a move the numbers contradict is unsure", Strip, {"1.2.3", "1.2.3", "4.9.2>1", "4.9.2>1"}, {}, 1},
        {"no move shown, nothing new", Strip, {"1.x.3", "1.x.3", "1.2.3>0", "1.2.3>0"}, {}, 0},
        {"a new cell not read is asked, the next move counts from the last settled", Strip,
         {"1.2.3", "1.2.3", "x.1.2>1", "x.1.2>1", "7.x.1>2", "7.x.1>2"}, {7}, 1},
    };
    // clang-format on
    for (const Captures& run : runs) {
        HoldRule rule(run.kind);
        std::vector<int> entered;
        int unsure = 0;
        for (const std::string& capture : run.captures) {
            const Settled s = rule.observe(parse(capture));
            entered.insert(entered.end(), s.entered.begin(), s.entered.end());
            unsure += s.unsure ? 1 : 0;
        }
        EXPECT_EQ(entered, run.entered) << run.name;
        EXPECT_EQ(unsure, run.unsure) << run.name;
    }
}

TEST(HoldRule, HoldsForAsManyCapturesAsAsked) {
    HoldRule rule(DisplayKind::Result, 3);
    for (const char* word : {"-", "-", "-", "12", "12"}) {
        EXPECT_EQ(rule.observe(parse(word)), Settled{}) << word;
    }
    EXPECT_EQ(rule.observe(parse("12")), (Settled{{12}, false}));
    rule.reset();
    // After a reset the display shown is where the reader starts again.
    for (int i = 0; i < 4; ++i) EXPECT_EQ(rule.observe(parse("12")), Settled{});
}

}  // namespace
}  // namespace brisvale::reading
