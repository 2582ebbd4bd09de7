// SPDX-License-Identifier: GPL-3.0-or-later
// One Super press with every family watched and every count box at its maximum, driven as the
// user drives it: click a number, press Submit, let the timer re-enable the button; with the
// undo history kept (1) and without it (0).

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "bench_table.hpp"

namespace {

using namespace brisvale;
using namespace brisvale::testing;

// Every family at its most, the spin interval one second.
struct SuperTable : bench::BenchTable<> {
    explicit SuperTable(bool recordUndo) : BenchTable({.recordUndo = recordUndo, .seed = 3}) {
        bench::superStyle(*this);
        set("cboSpins", "1");
        advisor.userPress("Button1");
    }
};

void BM_SuperPress(benchmark::State& st) {
    SuperTable table(st.range(0) != 0);
    unsigned seed = 1;
    long long bets = 0;
    long long presses = 0, playing = 0;
    for (auto _ : st) {
        seed = seed * 1103515245u + 12345u;
        table.spin(static_cast<int>((seed >> 16) % 37));
        bets += table.advisor.state().CurrentBet.size();
        ++presses;
        playing += table.advisor.state().playing() ? 1 : 0;
    }
    st.counters["playing"] = presses ? static_cast<double>(playing) / presses : 0.0;
    st.counters["open_bets_avg"] = presses ? static_cast<double>(bets) / presses : 0.0;
}
BENCHMARK(BM_SuperPress)->Arg(1)->Arg(0);

}  // namespace
