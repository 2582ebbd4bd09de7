// SPDX-License-Identifier: GPL-3.0-or-later
// The sleeper tables against a reference written here: random operations, every counter
// compared after each one.

#include "model/sleepers.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "model/numbers.hpp"

namespace brisvale {
namespace {

using Counts = std::array<std::array<int, 37>, kTableCount>;

Counts countsOf(const SleeperTables& s) {
    Counts c{};
    for (int t = 0; t < kTableCount; ++t) std::ranges::copy(s[Table(t)], c[t].begin());
    return c;
}

// The table a won bet clears: its family's, the even-money pairs each their own (never the
// Even table, which only counts spins).
Table tableFor(BetId id) {
    using namespace bet_ids;
    constexpr Table byFamily[] = {Table::HighLow, Table::Dozen, Table::Row,   Table::Line,
                                  Table::Corner,  Table::Trio,  Table::Split, Table::Single};
    return id == Red || id == Black  ? Table::RedBlack
           : id == Odd || id == Even ? Table::OddEven
                                     : byFamily[static_cast<int>(bet(id).family)];
}

TEST(SleeperTables, FollowTheReferenceThroughRandomOperations) {
    std::mt19937 gen(2024);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(gen); };
    SleeperTables s;
    Counts want{};
    for (int step = 0; step < 4000; ++step) {
        for (int t = 0; t < kTableCount && step % 400 == 0; ++t) {  // counters near the top
            for (int n = 0; n <= 36; ++n) s.set(Table(t), n, want[t][n] = 32767 - pick(0, 9));
        }
        const int n = pick(-1, 37), op = pick(0, 7);
        const bool number = n >= 0 && n <= 36;
        const auto id = static_cast<BetId>(pick(0, kBetCount - 1));
        BetSet bets;
        std::vector<BetId> list;  // the same bets as a list, a bet picked twice in it twice
        std::string text;
        for (int k = pick(0, 4); k > 0; --k) {
            list.push_back(static_cast<BetId>(pick(0, kBetCount - 1)));
            bets.set(list.back());
        }
        for (int i = 0; i < kBetCount; ++i) text += bets.test(i) ? listEntry(BetId(i)) : "";
        if (op <= 1) s.AdvanceCounters(n);
        if (op == 2) s.AdvanceDozenCounts(n);  // the dozen table alone, zero counted too
        if (op == 3) s.ResetNumberCounters(n);
        if (op == 4 && step % 2 == 0) s.ZeroCountsMod(bets, n);
        if (op == 4 && step % 2 == 1) s.ZeroCountsMod(list, n);
        if (op == 5) s.ZeroCountsMod(text, PadNumber(n));  // "-1" and "37" name no number
        if (op == 6) s.ZeroCountsMod(text, "0" + PadNumber(n));
        if (op == 7) s.clearBet(id);
        for (int t = 0; t < kTableCount && number; ++t) {
            if (op > 3 || (op == 2 && t != int(Table::Dozen))) continue;
            for (int& c : want[t]) c = op == 3 || (n == 0 && op != 2) ? c : std::min(c + 1, 32767);
            want[t][n] = 0;
        }
        for (int i = 0; i < kBetCount; ++i) {  // a bet won, or the one dropped, clears its table
            const auto b = BetId(i);
            const bool won = (op == 4 || op == 5) && bets.test(b) && bet(b).covers(n);
            for (int m : numbersOf(b)) want[int(tableFor(b))][m] *= !won && (op != 7 || b != id);
            EXPECT_TRUE(step > 0 || SleeperTables::tableOf(b) == tableFor(b)) << label(b);
        }
        ASSERT_EQ(countsOf(s), want) << "step " << step << ", operation " << op << ", n " << n;
    }
    s.clearAll();
    EXPECT_EQ(countsOf(s), Counts{});
}

// A list of bets clears what the set of the same bets clears, at every spin and at none
// outside the wheel: here every bet, the list holding each one twice.
TEST(SleeperTables, AListOfBetsClearsAsTheSetOfThem) {
    BetSet all;
    all.set();
    std::vector<BetId> twice;
    for (int i = 0; i < 2 * kBetCount; ++i) twice.push_back(static_cast<BetId>(i % kBetCount));
    for (int n = -1; n <= 37; ++n) {
        SleeperTables bySet, byList;
        for (int t = 0; t < kTableCount; ++t) {
            for (int m = 0; m <= 36; ++m) bySet.set(Table(t), m, 7), byList.set(Table(t), m, 7);
        }
        bySet.ZeroCountsMod(all, n);
        byList.ZeroCountsMod(twice, n);
        EXPECT_EQ(countsOf(byList), countsOf(bySet)) << n;
        EXPECT_EQ(byList.at(Table::Single, std::clamp(n, 0, 36)), n >= 1 && n <= 36 ? 0 : 7) << n;
    }
}

// Each table holds its own value, so the answer names the table read: Classic reads the even-money
// bets off the Even table, Multi off each pair's own. One number of the bet lower still gives the
// bet's slept, zero (outside every bet) does not.
TEST(SleeperTables, SleptIsTheLeastCounterOfTheTableTheTriggerReads) {
    for (int i = 0; i < kBetCount; ++i) {
        const auto id = BetId(i);
        for (bool multi : {false, true}) {
            const Table read =
                !multi && bet(id).family == Family::Even ? Table::Even : tableFor(id);
            EXPECT_EQ(SleeperTables::triggerTable(id, multi), read) << label(id);
            SleeperTables s;
            for (int t = 0; t < kTableCount; ++t) {
                for (int n = 0; n <= 36; ++n)
                    s.set(Table(t), n, static_cast<std::int16_t>(100 + t));
            }
            s.set(read, 0, 3);  // no bet covers zero
            EXPECT_EQ(s.slept(id, multi), 100 + int(read)) << label(id) << " multi " << multi;
            s.set(read, numbersOf(id)[0], 5);
            EXPECT_EQ(s.slept(id, multi), 5) << label(id) << " multi " << multi;
        }
    }
}

}  // namespace
}  // namespace brisvale
