// SPDX-License-Identifier: GPL-3.0-or-later
// The undo history and spin files: the memory the history holds per press over a Super run of
// 1,000 presses, one undo at a casino of 100,000 recorded spins, and importing 1,000,000 spins.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "big_casino.hpp"
#include "play/advisor.hpp"
#include "storage/properties.hpp"
#include "support/files.hpp"
#include "support/ports.hpp"

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

struct Table {
    TempDir folder;
    FileDialogs dialogs;
    FakeBrowser browser;
    FakeClock clock;
    SeededRandom random{3};
    Advisor advisor{Ports{dialogs, browser, clock, random, nullptr}};

    explicit Table(bool recordUndo, const std::string& history = {}) {
        if (!history.empty()) {
            writeLines(folder.path / "CasinoHistory.dat", {"index: 1", "name1: " + history},
                       nullptr, false);
        }
        StartOptions options{folder.path, false, ""};
        options.recordUndo = recordUndo;
        options.keepRunFile = false;
        advisor.userOpenWindow(options);
    }
    void set(std::string_view name, std::string_view value) { advisor.userSet(name, value); }
    void spin(int number) {
        while (!advisor.form().Button1.enabled) {
            clock.now += advisor.timerInterval();
            advisor.userTick();
        }
        advisor.userClickCell(number);
        advisor.userPress("Button1");
    }
};

// Super play with every family watched at threshold 0 and every count box at its maximum.
void superStyle(Table& t) {
    t.set("BetStyle3", "1");
    for (const char* box :
         {"chk7_1", "chk7_2", "chk7_3", "chk1", "chk2", "chk3", "chk4", "chk5", "chk6", "Chk8"}) {
        t.set(box, "1");
    }
    t.set("Check8", "0");
    for (int k = 0; k < 8; ++k) {
        const std::string randomBox = "Check" + std::to_string(k < 7 ? k + 1 : 9);
        t.set(randomBox, "1");
        t.set("Text" + std::to_string(2 * k + 3), "0");
        t.set("Text" + std::to_string(2 * k + 2), "0");
        t.set(randomBox, "0");
    }
    const char* lists[] = {"cboDozen", "cboRow",   "cboLine",  "cboCorner",
                           "cboTrio",  "cboSplit", "cboSingle"};
    const char* maxima[] = {"2", "2", "4", "6", "10", "16", "34"};
    for (int k = 0; k < 7; ++k) t.set(lists[k], maxima[k]);
    for (const char* list : {"cboWins", "cboTime"}) t.set(list, "999");
    t.set("Text18", "1000000");
}

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
            Table t(record);
            superStyle(t);
            const std::size_t before = heapInUse();
            t.advisor.userPress("Button1");
            for (int i = 0; i < kPresses; ++i) t.spin((i * 17 + 5) % 37);
            held[record] = heapInUse() - before;
            if (record && t.advisor.editMenu().undoSteps < kPresses) {
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
    Table t(true, bench::bigCasinoLine());
    t.set("Casino", "Big");
    t.set("chk7_1", "1");
    t.set("Check1", "1");
    t.set("Text3", "32767");
    t.set("Text2", "32767");
    t.set("Check1", "0");
    t.set("cboTime", "999");
    t.set("Text18", "1000");
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
        auto t = std::make_unique<Table>(false);
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
