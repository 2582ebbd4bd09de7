// SPDX-License-Identifier: GPL-3.0-or-later
// A spin entered at a watched table, with 8 tables watched and every family of Super play on:
// the watched tables' own part alone, and the whole way through the Advisor (target, click,
// Submit) on a window that writes no file, so the history file's disk writes are left out.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench_table.hpp"

namespace {

using namespace brisvale;
using namespace brisvale::testing;

constexpr std::array<std::int16_t, kFamilyCount> kThresholds{6, 9, 8, 14, 17, 19, 26, 40};

void BM_WatchedSpinPart(benchmark::State& st) {
    WatchedTables tables;
    for (int i = 0; i < kMostWatched; ++i) tables.add("Table " + std::to_string(i), 0, "", {});
    const WatchStyle style(BetSet().set(), kThresholds);
    std::vector<SleepingBet> due;
    unsigned seed = 1;
    long long alerts = 0;
    int at = 0;
    for (auto _ : st) {
        seed = seed * 1103515245u + 12345u;
        tables.enter(at, static_cast<int>((seed >> 16) % 37), style, due);
        alerts += static_cast<long long>(due.size());
        at = (at + 1) % kMostWatched;
    }
    st.counters["due_per_spin"] =
        static_cast<double>(alerts) / static_cast<double>(st.iterations());
}
BENCHMARK(BM_WatchedSpinPart);

// Super with every family watched at the thresholds above, on a stored style: the window reads
// and writes no file.
struct WatchingWindow {
    TempDir folder;
    FakeDialogs dialogs;
    FakeBrowser browser;
    FakeClock clock;
    SeededRandom random{3};
    std::unique_ptr<Advisor> advisor;

    WatchingWindow() {
        dialogs.quiet = true;
        {
            bench::BenchTable<> setup;
            bench::superStyle(setup);
            for (int k = 0; k < kFamilyCount; ++k) {
                const std::string randomBox = "Check" + std::to_string(k < 7 ? k + 1 : 9);
                const std::string n = std::to_string(kThresholds[static_cast<std::size_t>(k)]);
                setup.set(randomBox, "1");
                setup.set("Text" + std::to_string(2 * k + 3), n);
                setup.set("Text" + std::to_string(2 * k + 2), n);
                setup.set(randomBox, "0");
            }
            setup.advisor.userCloseWindow();
            StartOptions options{folder.path, false, ""};
            options.style = std::make_shared<const StoredStyle>(readStoredStyle(setup.folder.path));
            advisor = std::make_unique<Advisor>(Ports{dialogs, browser, clock, random, nullptr});
            advisor->userOpenWindow(options);
        }
        for (int i = 0; i < kMostWatched; ++i) advisor->userWatch("Table " + std::to_string(i));
    }
};

// Arg 0: before the first Start (the thresholds are the Low entries); 1: while a run is open.
void BM_WatchedSpinAdvisor(benchmark::State& st) {
    WatchingWindow w;
    if (st.range(0) != 0) w.advisor->userPress("Button1");
    std::vector<std::string> names;
    for (int i = 0; i < kMostWatched; ++i) names.push_back("Table " + std::to_string(i));
    unsigned seed = 1;
    int at = 0;
    for (auto _ : st) {
        seed = seed * 1103515245u + 12345u;
        w.advisor->userTarget(names[static_cast<std::size_t>(at)]);
        w.advisor->userClickCell(static_cast<int>((seed >> 16) % 37));
        w.advisor->userPress("Button1");
        benchmark::DoNotOptimize(w.advisor->takeAlerts());
        at = (at + 1) % kMostWatched;
    }
    st.counters["spins_watched"] = w.advisor->watching().tables()[0].spins;
    st.counters["run_open"] = w.advisor->state().playing();
}
BENCHMARK(BM_WatchedSpinAdvisor)->Arg(0)->Arg(1);

}  // namespace
