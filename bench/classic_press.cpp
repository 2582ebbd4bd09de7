// SPDX-License-Identifier: GPL-3.0-or-later
// One Classic press with every family watched, as the engine sees it: a number clicked,
// Button1 pressed, and the ticks that re-enable the button; with the undo history kept (1)
// and without it (0).

#include <benchmark/benchmark.h>

#include <random>

#include "bench_table.hpp"

namespace {

using namespace brisvale;
using namespace brisvale::testing;

void BM_ClassicPress(benchmark::State& st) {
    bench::BenchTable<> t({.recordUndo = st.range(0) != 0});
    for (const char* box : {"chk7", "chk1", "chk2", "chk3", "chk4", "chk5", "chk6"}) {
        t.set(box, "1");
    }
    t.set("cboSpins", "1");
    t.set("cboWins", "999");
    t.set("cboTime", "999");
    t.set("Text18", "1000000000");
    t.advisor.userPress("Button1");
    std::mt19937 wheel(7);
    long long presses = 0, playing = 0;
    for (auto _ : st) {
        t.spin(static_cast<int>(wheel() % 37));
        playing += t.advisor.state().playing() ? 1 : 0;
        ++presses;
    }
    st.counters["playing"] = presses ? static_cast<double>(playing) / presses : 0.0;
}
BENCHMARK(BM_ClassicPress)->Arg(1)->Arg(0);

}  // namespace
