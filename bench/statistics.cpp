// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics panel's view at every press: all 150 bets and 37 numbers, in a Super run
// watching every family at a casino whose record holds 100,000 spins.

#include <benchmark/benchmark.h>

#include <string>

#include "big_casino.hpp"
#include "play/advisor.hpp"
#include "storage/properties.hpp"
#include "support/files.hpp"
#include "support/ports.hpp"

namespace {

using namespace brisvale;
using namespace brisvale::testing;

constexpr int kSpins = 100000;

struct Table {
    TempDir folder;
    FakeDialogs dialogs;
    FakeBrowser browser;
    FakeClock clock;
    SeededRandom random{1};
    Advisor advisor{Ports{dialogs, browser, clock, random, nullptr}};

    explicit Table(bool casino) {
        dialogs.quiet = true;
        if (casino) {
            writeLines(folder.path / "CasinoHistory.dat",
                       {"index: 1", "name1: " + bench::bigCasinoLine(kSpins)}, nullptr, false);
        }
        advisor.userOpenWindow({folder.path, false, ""});
        if (casino) advisor.userSet("Casino", "Big");
        advisor.userSet("BetStyle3", "1");
        for (const char* box : {"chk7", "chk1", "chk6", "chk2", "chk3", "chk4", "chk5", "Chk8"}) {
            advisor.userSet(box, "1");
        }
        advisor.userSet("cboSingle", "2");
        advisor.userSet("cboSpins", "1");
        advisor.userSet("Text18", "1000");
        advisor.userPress("Button1");
        for (int spin : {5, 30, 11, 17, 0, 23, 36, 2}) {
            while (!advisor.form().Button1.enabled) {
                clock.now += advisor.timerInterval();
                advisor.userTick();
            }
            advisor.userClickCell(spin);
            advisor.userPress("Button1");
        }
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
