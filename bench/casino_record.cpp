// SPDX-License-Identifier: GPL-3.0-or-later
// Recording one spin at a casino that already holds 100,000 spins: the storage call the
// Advisor makes for it, with and without syncing to the disk, and the whole press.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench_table.hpp"
#include "big_casino.hpp"

namespace {

using namespace brisvale;
using namespace brisvale::testing;

constexpr int kSpins = 100000;

// A history of three casinos, the big one in the middle, as the file stands before a spin.
std::vector<std::string> historyLines(const std::string& big) {
    return {"index: 1", "name1: Small,4,5,", "name2: " + big, "name3: Other,17,"};
}

// The call the Advisor makes for each spin. Two lines of one extra spin alternate, so every
// call really rewrites the file.
void recordCall(benchmark::State& st, bool sync) {
    TempDir folder;
    const std::string before = bench::bigCasinoLine(kSpins);
    const std::string after[] = {before + "9,", before + "12,"};
    const std::filesystem::path file = folder.path / "CasinoHistory.dat";
    writeLines(file, historyLines(before), nullptr, false);
    int which = 0;
    for (auto _ : st) {
        if (!SetProperty(1, "name2", after[which], file, nullptr, sync)) {
            st.SkipWithError("SetProperty failed");
            break;
        }
        which ^= 1;
    }
    st.SetBytesProcessed(st.iterations() *
                         static_cast<std::int64_t>(std::filesystem::file_size(file)));
}

void BM_RecordSpinNoSync(benchmark::State& st) {
    recordCall(st, false);
}
void BM_RecordSpinSync(benchmark::State& st) {
    recordCall(st, true);
}
BENCHMARK(BM_RecordSpinNoSync)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordSpinSync)->Unit(benchmark::kMillisecond);

// The whole press at that casino in Classic play that never bets: click, Submit (which
// records and syncs), and the ticks until the button is back.
void BM_AdvisorPressAtBigCasino(benchmark::State& st) {
    bench::BenchTable<> t({.history = historyLines(bench::bigCasinoLine(kSpins))});
    bench::neverBettingClassicAtBig(t);
    t.set("cboSpins", "1");
    t.advisor.userPress("Button1");
    if (t.advisor.form().startButton.caption != "Submit" ||
        t.advisor.state().RecordedSpins < 32767) {
        st.SkipWithError("the run did not start at the big casino");
        return;
    }
    int spin = 0;
    for (auto _ : st) {
        t.spin(spin);
        spin = (spin + 11) % 37;
    }
}
BENCHMARK(BM_AdvisorPressAtBigCasino)->Unit(benchmark::kMillisecond);

}  // namespace
