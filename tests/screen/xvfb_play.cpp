// SPDX-License-Identifier: GPL-3.0-or-later
// End to end on a real X server (run under xvfb-run): the fake table plays seeded spins in its
// own window, the window reads them off the screen, and its history must be exactly the spins
// played. Also prints the timings of the run (display to entry, capture costs).
//     screen_xvfb_play FAKE_TABLE_PROGRAM [look] [spins] [seed]

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <vector>

#include "advisor/advisor.hpp"
#include "app/fake_table_look.hpp"
#include "app/main_window.hpp"
#include "app/qt_ports.hpp"
#include "app/table_reading.hpp"
#include "support/files.hpp"
#include "support/ports.hpp"

using namespace brisvale;

int main(int argc, char** argv) {
    QTemporaryDir preferences;
    qputenv("XDG_CONFIG_HOME", preferences.path().toLocal8Bit());
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    const QString look = argc > 2 ? argv[2] : "disc";
    const int spins = argc > 3 ? std::atoi(argv[3]) : 100;
    const QString seed = argc > 4 ? argv[4] : "7";
    const int px = 32;
    const QPoint at(300, 560);
    const QSize size = app::fakeFrameSize(look == "panel"   ? app::FakeLook::Panel
                                          : look == "strip" ? app::FakeLook::Strip
                                                            : app::FakeLook::Disc,
                                          px);
    // A region chosen and confirmed before, around the fake table's display.
    std::filesystem::create_directories(app::TableReading::confPath().parent_path());
    std::ofstream(app::TableReading::confPath())
        << "run.region: " << at.x() << "," << at.y() << "," << size.width() << "," << size.height()
        << "," << (look == "strip" ? "strip-left" : "result") << "\r\n"
        << "run.confirmed: 5\r\n";

    testing::TempDir dir;
    testing::FakeDialogs dialogs;
    testing::FakeBrowser browser;
    app::SystemClock clock;
    SeededRandom random{1};
    Advisor advisor(Ports{dialogs, browser, clock, random, nullptr});
    advisor.userOpenWindow({dir.path, false, ""});
    app::MainWindow window(advisor);
    window.move(0, 0);
    window.show();
    // A style that never bets, so no win or quit ends the run while the table plays.
    for (const auto& [name, value] :
         std::vector<std::pair<std::string, std::string>>{{"chk7_1", "1"},
                                                          {"Text3", "5000"},
                                                          {"Text2", "5000"},
                                                          {"Check1", "0"},
                                                          {"Text18", "1000"},
                                                          {"cboSpins", "1"}}) {
        if (!advisor.userSet(name, value).ok) std::fprintf(stderr, "cannot set %s\n", name.c_str());
    }
    dialogs.answers = {"yes", "yes"};
    if (const ActionResult r = advisor.userPress("Button1"); !r.ok || advisor.game().runEnded()) {
        std::fprintf(stderr, "no run: %s\n", r.error.c_str());
        for (const std::string& text : dialogs.texts())
            std::fprintf(stderr, "  %s\n", text.c_str());
        return 1;
    }
    window.render();
    window.startTimer1();
    // What the reader tells the player, for the log of a failed run.
    QObject::connect(window.statusBar(), &QStatusBar::messageChanged, [&](const QString& note) {
        if (!note.isEmpty()) std::fprintf(stderr, "note: %s\n", qPrintable(note));
    });

    std::vector<int> played;
    std::vector<qint64> shownAt;
    // The monotonic clock, as the fake table prints it: display to entry across the processes.
    const auto nowMs = [] {
        QElapsedTimer now;
        now.start();
        return now.msecsSinceReference();
    };
    QProcess table;
    table.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QObject::connect(&table, &QProcess::readyReadStandardOutput, [&] {
        while (table.canReadLine()) {
            const QByteArray line = table.readLine().trimmed();
            if (line.startsWith("spin ")) {
                const QList<QByteArray> fields = line.split(' ');
                played.push_back(fields.value(1).toInt());
                shownAt.push_back(fields.size() > 2 ? fields[2].toLongLong() : nowMs());
                if (qEnvironmentVariableIsSet("BRISVALE_READING_LOG"))
                    qDebug("table shows %s", line.constData());
            }
        }
    });
    std::vector<qint64> latency;
    int entered = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const int now = static_cast<int>(advisor.form().historyBox.lineCount());
        for (; entered < now && entered < static_cast<int>(shownAt.size()); ++entered) {
            latency.push_back(nowMs() - shownAt[static_cast<std::size_t>(entered)]);
        }
    });
    watch.start(5);
    QObject::connect(&table, &QProcess::finished,
                     [&] { QTimer::singleShot(4000, &app, &QApplication::quit); });
    table.start(argv[1], {"--look", look, "--size", QString::number(px), "--seed", seed, "--spins",
                          QString::number(spins), "--period", "2400", "--at",
                          QStringLiteral("%1,%2").arg(at.x()).arg(at.y())});
    app.exec();

    const auto& history = advisor.form().historyBox;
    std::vector<int> read;
    for (std::size_t i = history.lineCount(); i-- > 0;) read.push_back(history.number(i));
    const auto& costs = window.tableReading()->reader().costs();
    std::vector<std::size_t> slow;
    for (std::size_t i = 0; i < latency.size(); ++i) {
        if (latency[i] > 600) slow.push_back(i);
    }
    if (!slow.empty()) {
        std::printf("over 600 ms:");
        for (const std::size_t i : slow)
            std::printf(" spin %zu (%lld ms)", i + 1, static_cast<long long>(latency[i]));
        std::printf("\n");
    }
    std::sort(latency.begin(), latency.end());
    std::printf("played %zu, read %zu, run open %d\n", played.size(), read.size(),
                !advisor.game().runEnded());
    if (!latency.empty()) {
        std::printf("display to entry: median %lld ms, worst %lld ms\n",
                    static_cast<long long>(latency[latency.size() / 2]),
                    static_cast<long long>(latency.back()));
    }
    std::printf(
        "captures %d unchanged (%.3f ms compare each), %d recognised (%.1f ms each), "
        "%.2f ms per capture\n",
        costs.unchanged, costs.unchanged ? costs.unchangedNs / 1e6 / costs.unchanged : 0.0,
        costs.recognised, costs.recognised ? costs.recognisedNs / 1e6 / costs.recognised : 0.0,
        (costs.unchanged + costs.recognised)
            ? costs.captureNs / 1e6 / (costs.unchanged + costs.recognised)
            : 0.0);
    if (read != played) {
        std::printf("history differs from the spins played\n");
        for (std::size_t i = 0; i < std::max(read.size(), played.size()); ++i) {
            std::printf("%zu: played %d read %d\n", i, i < played.size() ? played[i] : -1,
                        i < read.size() ? read[i] : -1);
        }
        return 1;
    }
    std::printf("history equals the spins played\n");
    return 0;
}
