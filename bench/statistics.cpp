// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics panel's view at every press: all 150 bets and 37 numbers, in a Super run
// watching every family at a casino whose record holds 100,000 spins.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_table.hpp"
#include "big_casino.hpp"

namespace {

using namespace brisvale;
using namespace brisvale::testing;

constexpr int kSpins = 100000;

struct Table : bench::BenchTable<> {
    explicit Table(bool casino)
        : BenchTable({.history = casino ? std::vector<std::string>{"index: 1",
                                                                   "name1: " +
                                                                       bench::bigCasinoLine(kSpins)}
                                        : std::vector<std::string>{}}) {
        if (casino) set("Casino", "Big");
        set("BetStyle3", "1");
        for (const char* box : {"chk7", "chk1", "chk6", "chk2", "chk3", "chk4", "chk5", "Chk8"}) {
            set(box, "1");
        }
        set("cboSingle", "2");
        set("cboSpins", "1");
        set("Text18", "1000");
        advisor.userPress("Button1");
        for (int number : {5, 30, 11, 17, 0, 23, 36, 2}) spin(number);
    }
};

void statistics(benchmark::State& st, bool casino) {
    Table table(casino);
    if (table.advisor.state().RunBalances.size() != 9 ||
        (casino && table.advisor.statistics().numbers[17].history < 1000)) {
        st.SkipWithError("the run did not reach its spins at the table");
        return;
    }
    for (auto _ : st) {
        const Statistics stats = table.advisor.statistics();
        benchmark::DoNotOptimize(stats.bets[0].slept);
        benchmark::DoNotOptimize(stats.numbers[36].last);
    }
}

void BM_StatisticsAtBigCasino(benchmark::State& st) {
    statistics(st, true);
}
void BM_StatisticsNoCasino(benchmark::State& st) {
    statistics(st, false);
}
BENCHMARK(BM_StatisticsAtBigCasino);
BENCHMARK(BM_StatisticsNoCasino);

}  // namespace
