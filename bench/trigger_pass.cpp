// SPDX-License-Identifier: GPL-3.0-or-later
// One trigger pass of multi-bet play over all ten family triggers, every count box at its
// maximum: the work a Super press does to choose its bets.

#include <benchmark/benchmark.h>

#include <utility>

#include "run/state.hpp"
#include "selection/triggers.hpp"

namespace {

using namespace brisvale;

constexpr void (*kTriggers[])(PlayState&) = {
    TriggerRedBlack, TriggerOddEven, TriggerHighLow, TriggerRow,   TriggerDozen,
    TriggerLine,     TriggerCorner,  TriggerTrio,    TriggerSplit, TriggerSingle};

// Multi-bet play with the count boxes at their largest entries.
PlayState multiState(int threshold) {
    PlayState s;
    s.MultiBetPlay = true;
    // The largest entry of each family's count box.
    const std::pair<Family, int> maxima[] = {
        {Family::Dozen, 2}, {Family::Row, 2},    {Family::Line, 4},   {Family::Corner, 6},
        {Family::Trio, 10}, {Family::Split, 16}, {Family::Single, 34}};
    for (const auto& [family, most] : maxima) s.style.betsAtOnce[static_cast<int>(family)] = most;
    s.StartThreshold.fill(static_cast<std::int16_t>(threshold));
    s.wager.UnitWager = 1;
    // Counters as after a run of spins: number n last came up n spins ago.
    s.sleepers.clearAll();
    for (int n = 36; n >= 1; --n) s.sleepers.AdvanceCounters(n);
    return s;
}

void pass(PlayState& s, int spin) {
    s.SpinNumber = spin;
    s.SpinText = {static_cast<char>('0' + spin / 10), static_cast<char>('0' + spin % 10), '\0'};
    for (auto trigger : kTriggers) trigger(s);
}

// Empty lists every pass: every family fills its count box (the busiest pass).
void BM_TriggerPassFilling(benchmark::State& st) {
    PlayState s = multiState(0);
    int spin = 0;
    for (auto _ : st) {
        for (BetList& list : s.lists) list.clear();
        s.BetOpen = false;
        pass(s, spin);
        benchmark::DoNotOptimize(s.BetOpen);
        spin = (spin + 7) % 37;
    }
    int bets = 0;
    for (const BetList& list : s.lists) bets += list.size();
    st.counters["bets"] = bets;
}
BENCHMARK(BM_TriggerPassFilling);

// Lists already full from earlier spins: every trigger scans and finds no room.
void BM_TriggerPassCarrying(benchmark::State& st) {
    PlayState s = multiState(0);
    pass(s, 0);
    int spin = 0;
    for (auto _ : st) {
        pass(s, spin);
        benchmark::DoNotOptimize(s.BetOpen);
        spin = (spin + 7) % 37;
    }
}
BENCHMARK(BM_TriggerPassCarrying);

// A threshold that only some bets reach: the due tests decide.
void BM_TriggerPassPartlyDue(benchmark::State& st) {
    PlayState s = multiState(18);
    int spin = 0;
    for (auto _ : st) {
        for (BetList& list : s.lists) list.clear();
        pass(s, spin);
        benchmark::DoNotOptimize(s.BetOpen);
        spin = (spin + 7) % 37;
    }
}
BENCHMARK(BM_TriggerPassPartlyDue);

}  // namespace
