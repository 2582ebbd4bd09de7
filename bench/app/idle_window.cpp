// SPDX-License-Identifier: GPL-3.0-or-later
// The window's CPU while nobody touches it: the real main window with 8 tables watched (the
// strip shown) and a run open, its timer running, for a number of seconds (default 60) on the
// display it is given (for example under xvfb-run). Prints the CPU time the process used, as
// a share of one core.
//     xvfb-run -a build/bin/bench_idle_window [SECONDS]

#include <sys/resource.h>

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/main_window.hpp"
#include "app/qt_ports.hpp"
#include "support/files.hpp"
#include "support/ports.hpp"

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace brisvale;
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    testing::TempDir config;
    qputenv("XDG_CONFIG_HOME", config.path.string().c_str());
    QApplication app(argc, argv);
    testing::TempDir folder;
    testing::FakeDialogs dialogs;
    dialogs.quiet = true;
    testing::FakeBrowser browser;
    app::SystemClock clock;
    SeededRandom random{9};
    Advisor advisor{Ports{dialogs, browser, clock, random, nullptr}};
    advisor.userOpenWindow({folder.path, false, ""});
    for (const char* box : {"chk7_1", "chk6", "chk1"}) advisor.userSet(box, "1");
    advisor.userSet("Text18", "1000");
    advisor.userPress("Button1");
    for (int i = 0; i < 8; ++i) {
        const std::string name = "Table " + std::to_string(i + 1);
        advisor.userWatch(name);
        advisor.userTarget(name);
        for (int n : {i + 3, 17, 30 - i}) {
            advisor.userClickCell(n);
            advisor.userPress("Button1");
        }
    }
    advisor.userTarget(std::nullopt);
    app::MainWindow window(advisor);
    window.action("mnuTables")->trigger();
    window.show();
    window.startTimer1();
    // Settled first: the start-up's drawing is not idle time.
    const auto settle = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < settle)
        app.processEvents(QEventLoop::WaitForMoreEvents, 100);
    const double before = cpuSeconds();
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    app.exec();
    const double used = cpuSeconds() - before;
    std::printf("idle %d s, 8 tables watched: %.3f s CPU, %.2f %% of one core\n", seconds, used,
                100.0 * used / seconds);
    window.close();
    return 0;
}
