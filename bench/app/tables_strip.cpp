// SPDX-License-Identifier: GPL-3.0-or-later
// The strip of watched tables drawn again: 8 tables watched, one spin entered at one of them,
// then the strip rendered from the advisor and painted, as the window does after the spin.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "advisor/advisor.hpp"
#include "app/tables_strip.hpp"
#include "support/files.hpp"
#include "support/ports.hpp"

namespace {

using namespace brisvale;
using namespace brisvale::testing;

// Arg 0: the whole strip painted; 1: only the card of the table that took the spin, as the
// window repaints (an unchanged card is not drawn again).
void BM_StripRedraw(benchmark::State& st) {
    TempDir folder;
    FakeDialogs dialogs;
    dialogs.quiet = true;
    FakeBrowser browser;
    FakeClock clock;
    SeededRandom random{5};
    Advisor advisor{Ports{dialogs, browser, clock, random, nullptr}};
    StartOptions options{folder.path, false, ""};
    options.keepRunFile = false;
    advisor.userOpenWindow(options);
    for (const char* box : {"chk7_1", "chk7_2", "chk7_3", "chk6", "chk1", "chk2", "chk3"}) {
        advisor.userSet(box, "1");
    }
    for (int i = 0; i < kMostWatched; ++i) advisor.userWatch("Table " + std::to_string(i + 1));
    app::TablesStrip strip;
    strip.resize(8 * (app::TableCard::kWidth + 4) + 8, app::TableCard::kHeight + 6);
    strip.render(advisor);
    QImage image(strip.size(), QImage::Format_ARGB32_Premultiplied);
    unsigned seed = 1;
    int at = 0;
    for (auto _ : st) {
        seed = seed * 1103515245u + 12345u;
        st.PauseTiming();
        advisor.userTarget("Table " + std::to_string(at + 1));
        advisor.userClickCell(static_cast<int>((seed >> 16) % 37));
        advisor.userPress("Button1");
        st.ResumeTiming();
        strip.render(advisor);
        QPainter painter(&image);
        QWidget& painted = st.range(0) != 0 ? *strip.card(at) : static_cast<QWidget&>(strip);
        painted.render(&painter);
        at = (at + 1) % kMostWatched;
    }
}
BENCHMARK(BM_StripRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
