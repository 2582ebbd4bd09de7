// SPDX-License-Identifier: GPL-3.0-or-later
// The undo history and spin files: the memory the history holds per press over a Super run of
// 1,000 presses, one undo at a casino of 100,000 recorded spins, and importing 1,000,000 spins.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "bench_table.hpp"
#include "big_casino.hpp"
#include "support/files.hpp"

namespace {

using namespace brisvale;
using namespace brisvale::testing;

// Scripted answers: the file questions of import and export.
struct FileDialogs : FakeDialogs {
    FileDialogs() { quiet = true; }
    std::filesystem::path file;
    std::optional<std::string> name;
    std::optional<std::filesystem::path> askOpenFile(std::string_view) override { return file; }
    std::optional<std::string> inputBox(std::string_view, std::string_view,
                                        std::string_view) override {
        return name;
    }
};

using Table = bench::BenchTable<FileDialogs>;

std::size_t heapInUse() {
    return mallinfo2().uordblks;
}

// The heap a 1,000-press Super run holds with the history, less the same run without it.
void BM_UndoMemoryPerPress(benchmark::State& st) {
    constexpr int kPresses = 1000;
    double perPress = 0;
    for (auto _ : st) {
        std::size_t held[2];
        for (bool record : {false, true}) {
            Table t({.recordUndo = record, .seed = 3});
            bench::superStyle(t);
            const std::size_t before = heapInUse();
            t.advisor.userPress("Button1");
            for (int i = 0; i < kPresses; ++i) t.spin((i * 17 + 5) % 37);
            held[record] = heapInUse() - before;
            if (record && t.advisor.menus().edit.undoSteps < kPresses) {
                st.SkipWithError("the run ended early");
            }
        }
        perPress = (static_cast<double>(held[1]) - static_cast<double>(held[0])) / kPresses;
    }
    st.counters["bytes_per_press"] = perPress;
}
BENCHMARK(BM_UndoMemoryPerPress)->Unit(benchmark::kMillisecond)->Iterations(1);

// One undo of a spin recorded at a casino of 100,000 spins (its line rewritten and synced),
// in Classic play that never bets; each is redone, untimed, before the next.
void BM_UndoAtBigCasino(benchmark::State& st) {
    Table t({.seed = 3, .history = {"index: 1", "name1: " + bench::bigCasinoLine()}});
    bench::neverBettingClassicAtBig(t);
    t.set("cboTime", "999");
    t.advisor.userPress("Button1");
    for (int i = 0; i < 40; ++i) t.spin(i % 37);
    for (auto _ : st) {
        if (!t.advisor.userUndo().ok) st.SkipWithError("nothing to undo");
        st.PauseTiming();
        t.advisor.userRedo();
        st.ResumeTiming();
    }
}
BENCHMARK(BM_UndoAtBigCasino)->Unit(benchmark::kMillisecond);

// Importing a spin file of 1,000,000 spins into a new casino.
void BM_ImportMillionSpins(benchmark::State& st) {
    TempDir files;
    const std::filesystem::path file = files.path / "spins.csv";
    {
        std::ofstream out(file, std::ios::binary);
        out << "number\r\n";
        for (int i = 0; i < 1000000; ++i) out << (i * 7 + i / 37) % 37 << "\r\n";
    }
    for (auto _ : st) {
        st.PauseTiming();
        auto t = std::make_unique<Table>(bench::TableOptions{.recordUndo = false, .seed = 3});
        t->dialogs.file = file;
        t->dialogs.name = "Imported";
        st.ResumeTiming();
        t->advisor.userImportSpins();
        st.PauseTiming();
        if (t->advisor.state().RecordedSpins != 32767) st.SkipWithError("nothing imported");
        t.reset();
        st.ResumeTiming();
    }
}
BENCHMARK(BM_ImportMillionSpins)->Unit(benchmark::kMillisecond);

}  // namespace
