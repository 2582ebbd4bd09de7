// SPDX-License-Identifier: GPL-3.0-or-later
// One Super press with every family watched and every count box at its maximum, driven as the
// user drives it: click a number, press Submit, let the timer re-enable the button; with the
// undo history kept (1) and without it (0).

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "play/advisor.hpp"
#include "support/files.hpp"
#include "support/ports.hpp"

namespace {

using namespace brisvale;
using namespace brisvale::testing;

struct SuperTable {
    TempDir folder;
    FakeDialogs dialogs;
    FakeBrowser browser;
    FakeClock clock;
    SeededRandom random{3};
    Advisor advisor{Ports{dialogs, browser, clock, random, nullptr}};

    explicit SuperTable(bool recordUndo) {
        dialogs.quiet = true;
        StartOptions options{folder.path, false, ""};
        options.recordUndo = recordUndo;
        options.keepRunFile = false;
        advisor.userOpenWindow(options);
        set("BetStyle3", "1");
        for (const char* box : {"chk7_1", "chk7_2", "chk7_3", "chk1", "chk2", "chk3", "chk4",
                                "chk5", "chk6", "Chk8", "Check8"}) {
            set(box, box == std::string_view("Check8") ? "0" : "1");
        }
        // Every threshold 0 (Random off), so every family bets as much as its box allows.
        for (int k = 0; k < 8; ++k) {
            const std::string randomBox = "Check" + std::to_string(k < 7 ? k + 1 : 9);
            set(randomBox, "1");
            set("Text" + std::to_string(2 * k + 3), "0");
            set("Text" + std::to_string(2 * k + 2), "0");
            set(randomBox, "0");
        }
        const char* boxes[] = {"cboDozen", "cboRow",   "cboLine",  "cboCorner",
                               "cboTrio",  "cboSplit", "cboSingle"};
        const char* maxima[] = {"2", "2", "4", "6", "10", "16", "34"};
        for (int k = 0; k < 7; ++k) set(boxes[k], maxima[k]);
        set("cboSpins", "1");
        set("cboWins", "999");
        set("cboTime", "999");
        set("Text18", "1000000");
        advisor.userPress("Button1");
    }
    void set(std::string_view name, std::string_view value) { advisor.userSet(name, value); }
    void tick() {
        clock.now += advisor.timerInterval();
        advisor.userTick();
    }
    // One spin: click, press, and the ticks until the button is back.
    void spin(int number) {
        advisor.userClickCell(number);
        advisor.userPress("Button1");
        for (int i = 0; i < 10 && !advisor.form().Button1.enabled; ++i) tick();
    }
};

void BM_SuperPress(benchmark::State& st) {
    SuperTable table(st.range(0) != 0);
    unsigned seed = 1;
    long long bets = 0;
    long long presses = 0;
    for (auto _ : st) {
        seed = seed * 1103515245u + 12345u;
        table.spin(static_cast<int>((seed >> 16) % 37));
        bets += table.advisor.state().CurrentBet.size();
        ++presses;
    }
    st.counters["open_bets_avg"] = presses ? static_cast<double>(bets) / presses : 0.0;
}
BENCHMARK(BM_SuperPress)->Arg(1)->Arg(0);

}  // namespace
