#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "wagering/sequences.hpp"

namespace brisvale {
namespace {

struct Before {
    int autoIncrease;
    int increaseChips;
    int increaseSteps;
    int index;
    long long unit;
    long long start;
    long long net;
};

struct After {
    int index;
    long long unit;
    long long net;
};

struct Case {
    const char* name;
    Before before;
    After after;
};

using Change = void (*)(const Wagering&, MinimumWager&);

void run(Change change, const Case& c) {
    SCOPED_TRACE(c.name);
    Wagering w;
    w.AutoIncrease = c.before.autoIncrease;
    w.IncreaseChips = c.before.increaseChips;
    w.IncreaseSteps = c.before.increaseSteps;
    MinimumWager m{c.before.index, c.before.unit, c.before.start, c.before.net};
    change(w, m);
    EXPECT_EQ(m.cboWagerIndex, c.after.index);
    EXPECT_EQ(m.UnitWager, c.after.unit);
    EXPECT_EQ(m.NetChips, c.after.net);
    EXPECT_EQ(m.StartUnitWager, c.before.start);
}

TEST(MinimumWager, ClassicRaise) {
    const Case cases[] = {
        {"exactly enough", {1, 200, 1, 0, 1, 1, 200}, {1, 2, 0}},
        {"one short", {1, 200, 1, 0, 1, 1, 199}, {0, 1, 199}},
        {"one raise only", {1, 200, 1, 4, 5, 1, 650}, {5, 6, 450}},
        {"three entries", {1, 200, 3, 4, 5, 1, 450}, {7, 8, 250}},
        {"auto-increase off", {0, 200, 1, 0, 1, 1, 900}, {0, 1, 900}},
        {"auto-increase 2", {2, 200, 1, 0, 1, 1, 900}, {0, 1, 900}},
        {"stops at 100", {1, 200, 5, 97, 98, 1, 200}, {99, 100, 0}},
        {"already at 100", {1, 200, 1, 99, 100, 1, 300}, {99, 100, 100}},
        {"no chips per raise", {1, 0, 1, 0, 1, 1, 0}, {0, 1, 0}},
        {"negative chips per raise", {1, -5, 1, 0, 1, 1, 10}, {0, 1, 10}},
    };
    for (const Case& c : cases) run(raiseClassic, c);
}

TEST(MinimumWager, MultiRaise) {
    const Case cases[] = {
        {"one raise", {1, 200, 1, 2, 3, 1, 200}, {3, 4, 0}},
        {"three at once", {1, 200, 1, 2, 3, 1, 650}, {5, 6, 50}},
        {"two of two entries", {1, 200, 2, 0, 1, 1, 400}, {4, 5, 0}},
        {"one short", {1, 200, 1, 2, 3, 1, 199}, {2, 3, 199}},
        {"off", {0, 200, 1, 2, 3, 1, 650}, {2, 3, 650}},
        {"no chips per raise", {1, 0, 1, 2, 3, 1, 650}, {2, 3, 650}},
        {"stops at 100", {1, 200, 1, 95, 96, 1, 2000}, {99, 100, 0}},
        {"a flood of chips",
         {1, 1, 1, 0, 1, 1, std::numeric_limits<long long>::max()},
         {99, 100, 0}},
        {"many entries each", {1, 1, 32767, 0, 1, 1, 1LL << 40}, {99, 100, 0}},
    };
    for (const Case& c : cases) run(raiseMulti, c);
}

TEST(MinimumWager, LoweringRoundsHalfToEven) {
    const Case cases[] = {
        {"-0.75 -> -1", {1, 200, 1, 9, 10, 1, -150}, {8, 9, -150}},
        {"-0.5 -> 0", {1, 200, 1, 9, 10, 1, -100}, {9, 10, -100}},
        {"-1.5 -> -2", {1, 200, 1, 9, 10, 1, -300}, {7, 8, -300}},
        {"-1.25 -> -1", {1, 200, 1, 9, 10, 1, -250}, {8, 9, -250}},
        {"-2.5 -> -2", {1, 200, 1, 9, 10, 1, -500}, {7, 8, -500}},
        {"-3.5 -> -4", {1, 200, 1, 9, 10, 1, -700}, {5, 6, -700}},
        {"-0.4 -> 0", {1, 5, 1, 9, 10, 1, -2}, {9, 10, -2}},
        {"-0.6 -> -1", {1, 5, 1, 9, 10, 1, -3}, {8, 9, -3}},
        {"nothing lost", {1, 200, 1, 9, 10, 1, 0}, {9, 10, 0}},
        {"not below the start", {1, 200, 1, 9, 10, 9, -600}, {8, 9, -600}},
        {"all the way to the start",
         {1, 1, 1, 9, 10, 4, std::numeric_limits<long long>::min()},
         {3, 4, std::numeric_limits<long long>::min()}},
        {"chips won", {1, 200, 1, 9, 10, 1, 1}, {9, 10, 1}},
        {"first entry", {1, 200, 1, 0, 1, 1, -900}, {0, 1, -900}},
        {"off", {0, 200, 1, 9, 10, 1, -900}, {9, 10, -900}},
        {"no chips per raise", {1, 0, 1, 9, 10, 1, -900}, {9, 10, -900}},
        // The user picked a smaller wager by hand during the run: a lowering never raises it.
        {"below the start by hand", {1, 200, 1, 2, 3, 5, -150}, {2, 3, -150}},
    };
    for (const Case& c : cases) run(lowerWager, c);
}

// A multi-bet raise that leaves no chips over is not undone by the lowering that follows it.
TEST(MinimumWager, RaiseThenLowerKeepsTheRaise) {
    Wagering w;
    w.AutoIncrease = 1;
    w.IncreaseChips = 200;
    w.IncreaseSteps = 1;
    MinimumWager m{2, 3, 3, 200};
    raiseMulti(w, m);
    lowerWager(w, m);
    EXPECT_EQ(m.cboWagerIndex, 3);
    EXPECT_EQ(m.UnitWager, 4);
    EXPECT_EQ(m.NetChips, 0);
}

}  // namespace
}  // namespace brisvale
