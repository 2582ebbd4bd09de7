// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's speed: spins per second on one core for Classic with every family watched,
// and Multi and Super with every count box at its maximum; and the same runs on two threads.
// Sessions end at quit marks or after 1000 spins (no table change, a bankroll that never runs
// out), so the figure is the engine's pace, not the cost of starting sessions.

#include <benchmark/benchmark.h>

#include <ctime>

#include "sim/simulation.hpp"

namespace {

using namespace brisvale;
using namespace brisvale::sim;

std::shared_ptr<StoredStyle> style(int button) {
    auto s = std::make_shared<StoredStyle>();
    s->settings.status = SettingsStatus::Loaded;
    Settings& v = s->settings.values;
    v = defaultSettings();
    for (int pos = EvenBets; pos <= Split; ++pos) v[pos] = 1;
    v[Single] = button == 3 ? 1 : 0;
    v[WinsPer] = 999;
    v[PlayTime] = 999;
    v[ProgSing] = button == 1;
    v[MultiBet] = button == 2;
    v[ProgMulti] = button == 3;
    const int maxima[] = {2, 2, 4, 6, 10, 16, 34};
    for (int k = 0; k < 7; ++k) v[CboDozen + k] = maxima[k];
    s->wagering = defaultWagering();
    return s;
}

void run(benchmark::State& state, int button) {
    TableSetup setup;
    setup.style = style(button);
    setup.bankroll = 1e12;
    const sim::Table table(setup);
    RunOptions options;
    options.sessions = button == 1 ? 400 : 40;
    options.seed = 1;
    options.threads = static_cast<int>(state.range(0));
    long long spins = 0;
    const std::clock_t cpu0 = std::clock();
    for (auto _ : state) {
        const RunResult r = runSessions(table, options);
        for (const SessionResult& s : r.sessions) spins += s.spins;
    }
    const double cpu = static_cast<double>(std::clock() - cpu0) / CLOCKS_PER_SEC;
    state.SetItemsProcessed(spins);
    state.counters["spins_per_cpu_second"] = cpu > 0 ? static_cast<double>(spins) / cpu : 0;
}

void BM_SimClassic(benchmark::State& state) {
    run(state, 1);
}
void BM_SimMulti(benchmark::State& state) {
    run(state, 2);
}
void BM_SimSuper(benchmark::State& state) {
    run(state, 3);
}
BENCHMARK(BM_SimClassic)->Arg(1)->Arg(2)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(BM_SimMulti)->Arg(1)->Arg(2)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(BM_SimSuper)->Arg(1)->Arg(2)->UseRealTime()->MeasureProcessCPUTime();

}  // namespace
