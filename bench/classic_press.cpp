// SPDX-License-Identifier: GPL-3.0-or-later
// One Classic press with every family watched, as the engine sees it: a number clicked,
// Button1 pressed, and the ticks that re-enable the button; with the undo history kept (1)
// and without it (0).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "play/advisor.hpp"
#include "support/files.hpp"
#include "support/ports.hpp"

namespace {

using namespace brisvale;
using namespace brisvale::testing;

void BM_ClassicPress(benchmark::State& st) {
    TempDir folder;
    FakeDialogs dialogs;
    dialogs.quiet = true;
    FakeBrowser browser;
    FakeClock clock;
    SeededRandom random(1);
    Advisor a(Ports{dialogs, browser, clock, random, nullptr});
    StartOptions options{folder.path, false, ""};
    options.recordUndo = st.range(0) != 0;
    options.keepRunFile = false;
    a.userOpenWindow(options);
    for (const char* box : {"chk7", "chk1", "chk2", "chk3", "chk4", "chk5", "chk6"}) {
        a.userSet(box, "1");
    }
    a.userSet("cboSpins", "1");
    a.userSet("cboWins", "999");
    a.userSet("cboTime", "999");
    a.userSet("Text18", "100000");
    a.userPress("Button1");
    std::mt19937 wheel(7);
    for (auto _ : st) {
        while (!a.form().Button1.enabled) {
            clock.now += 1000;
            a.userTick();
        }
        a.userClickCell(static_cast<int>(wheel() % 37));
        a.userPress("Button1");
        if (a.form().Button1.caption == "Start") a.userPress("Button1");  // a quit: start again
    }
}
BENCHMARK(BM_ClassicPress)->Arg(1)->Arg(0);

}  // namespace
