// The minimum wager as the engine raises and lowers it: one row per case.

#include <gtest/gtest.h>

#include <limits>

#include "wagering/sequences.hpp"

namespace brisvale {
namespace {

constexpr long long kMax = std::numeric_limits<long long>::max();

using Change = void (*)(const Wagering&, MinimumWager&);

TEST(MinimumWager, RaisesAndLowerings) {
    struct Row {
        Change change;
        int autoIncrease, increaseChips, increaseSteps, index;
        long long start, net;
        int wantIndex;  // UnitWager follows it
        long long wantNet;
    };
    const Row rows[] = {
        {raiseClassic, 1, 200, 1, 0, 1, 200, 1, 0},      // exactly enough
        {raiseClassic, 1, 200, 1, 0, 1, 199, 0, 199},    // one short
        {raiseClassic, 1, 200, 3, 4, 1, 650, 7, 450},    // one raise of three entries only
        {raiseClassic, 0, 200, 1, 0, 1, 900, 0, 900},    // auto-increase off
        {raiseClassic, 2, 200, 1, 0, 1, 900, 0, 900},    // ... or anything but 1
        {raiseClassic, 1, 200, 5, 97, 1, 200, 99, 0},    // stops at $100
        {raiseClassic, 1, 200, 1, 99, 1, 300, 99, 100},  // already there: the chips still pay
        {raiseClassic, 1, 0, 1, 0, 1, 0, 0, 0},          // no chips per raise: no raise
        {raiseClassic, 1, -5, 1, 0, 1, 10, 0, 10},
        {raiseMulti, 1, 200, 1, 2, 1, 650, 5, 50},  // three raises at once
        {raiseMulti, 1, 200, 2, 0, 1, 400, 4, 0},
        {raiseMulti, 1, 200, 1, 2, 1, 199, 2, 199},
        {raiseMulti, 0, 200, 1, 2, 1, 650, 2, 650},
        {raiseMulti, 1, 0, 1, 2, 1, 650, 2, 650},
        {raiseMulti, 1, 1, 1, 0, 1, kMax, 99, 0},           // a flood of chips
        {raiseMulti, 1, 1, 32767, 0, 1, 1LL << 40, 99, 0},  // many entries each
        // Lowering: NetChips / IncreaseChips rounded half to even, from $10.
        {lowerWager, 1, 200, 1, 9, 1, -150, 8, -150},  // -0.75
        {lowerWager, 1, 200, 1, 9, 1, -100, 9, -100},  // -0.5
        {lowerWager, 1, 200, 1, 9, 1, -300, 7, -300},  // -1.5
        {lowerWager, 1, 200, 1, 9, 1, -250, 8, -250},  // -1.25
        {lowerWager, 1, 200, 1, 9, 1, -500, 7, -500},  // -2.5
        {lowerWager, 1, 5, 1, 9, 1, -2, 9, -2},        // -0.4
        {lowerWager, 1, 5, 1, 9, 1, -3, 8, -3},        // -0.6
        {lowerWager, 1, 200, 1, 9, 1, 0, 9, 0},
        {lowerWager, 1, 200, 1, 9, 1, 1, 9, 1},        // chips won
        {lowerWager, 1, 200, 1, 9, 9, -600, 8, -600},  // not below the start
        {lowerWager, 1, 1, 1, 9, 4, -kMax - 1, 3, -kMax - 1},
        {lowerWager, 1, 200, 1, 0, 1, -900, 0, -900},
        {lowerWager, 0, 200, 1, 9, 1, -900, 9, -900},
        {lowerWager, 1, 0, 1, 9, 1, -900, 9, -900},
        {lowerWager, 1, 200, 1, 2, 5, -150, 2, -150},  // picked below the start by hand: kept
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &r - rows);
        Wagering w;
        w.AutoIncrease = r.autoIncrease;
        w.IncreaseChips = r.increaseChips;
        w.IncreaseSteps = r.increaseSteps;
        MinimumWager m{r.index, r.index + 1, r.start, r.net};
        r.change(w, m);
        EXPECT_EQ(std::tuple(m.cboWagerIndex, m.UnitWager, m.StartUnitWager, m.NetChips),
                  std::tuple(r.wantIndex, r.wantIndex + 1LL, r.start, r.wantNet));
    }
    // A multi-bet raise that leaves no chips over is not undone by the lowering after it.
    Wagering w;
    w.AutoIncrease = w.IncreaseSteps = 1;
    w.IncreaseChips = 200;
    MinimumWager m{2, 3, 3, 200};
    raiseMulti(w, m);
    lowerWager(w, m);
    EXPECT_EQ(std::tuple(m.cboWagerIndex, m.UnitWager, m.NetChips), std::tuple(3, 4LL, 0LL));
}

}  // namespace
}  // namespace brisvale
