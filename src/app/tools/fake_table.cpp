// SPDX-License-Identifier: GPL-3.0-or-later
// A fake roulette table for the screen reader's tests and demonstrations. It shows seeded
// results in a small frameless window and prints each one as it shows it ("spin 17 T", T the
// monotonic clock's milliseconds):
//     brisvale_fake_table [--look disc|panel|strip] [--font FAMILY] [--size PX] [--seed N]
//                         [--spins N] [--period MS] [--at X,Y] [--newest-right] [--plain]
// Between two results the display is blank, or says "No more bets" (a strip keeps its numbers).
// With --fixtures DIR it writes the pictures of the reader's unit tests and their list instead.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "app/fake_table_look.hpp"

namespace {

using namespace brisvale::app;

FakeLook lookNamed(const QString& name) {
    if (name == QLatin1String("panel")) return FakeLook::Panel;
    if (name == QLatin1String("strip")) return FakeLook::Strip;
    return FakeLook::Disc;
}

// The pictures of the unit tests and fixtures.txt: "file kind expected", kind "result" or
// "strip", expected "-" (blank) or the numbers newest first, "x" for a cell not read.
int writeFixtures(const QString& folder) {
    QDir().mkpath(folder);
    QFile list(folder + "/fixtures.txt");
    if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
    QTextStream out(&list);
    const QStringList families = fakeTableFamilies();
    int k = 0;
    // `beyond`: numbers the recogniser cannot read in that picture, expected as "x" (not read).
    const auto add = [&](const FakeFrame& f, const char* kind, std::vector<int> beyond = {}) {
        const QString name = QStringLiteral("frame%1.png").arg(k++, 2, 10, QLatin1Char('0'));
        paintFakeFrame(f).save(folder + "/" + name);
        QStringList expected;
        for (const int n : f.numbers) {
            expected << (std::ranges::count(beyond, n) ? QStringLiteral("x") : QString::number(n));
        }
        out << name << ' ' << kind << ' ' << (expected.isEmpty() ? "-" : expected.join('.'))
            << '\n';
    };
    // Every colour, one and two digits, each look, the three font families, 14 to 48 px.
    const int numbers[] = {0, 7, 10, 19, 26, 32, 36, 8};
    const int sizes[] = {14, 20, 28, 36, 48};
    for (int i = 0; i < 8; ++i) {
        for (const FakeLook look : {FakeLook::Disc, FakeLook::Panel}) {
            FakeFrame f{look, families[i % families.size()], sizes[i % 5], {numbers[i]}, false,
                        false};
            add(f, "result");
        }
    }
    add({FakeLook::Disc, families[0], 32, {}, true, false}, "result");
    add({FakeLook::Panel, families[2], 24, {}, true, false}, "result");
    add({FakeLook::Panel, families[1], 24, {}, false}, "result");
    // A strip before and after a repeat of its newest number, and one newest at the right.
    const std::vector<int> strip = {17, 4, 0, 33, 21, 9, 12, 28, 35, 2};
    std::vector<int> repeated = strip;
    repeated.insert(repeated.begin(), 17);
    repeated.pop_back();
    add({FakeLook::Strip, families[0], 20, strip, false, false}, "strip");
    add({FakeLook::Strip, families[0], 20, repeated, false, false}, "strip");
    add({FakeLook::Strip, families[3], 16, strip, false, true}, "strip-right");
    // Two new numbers at once; then a repeat at 14 px, newest at the right (0 and 30 are beyond
    // the recogniser at that size).
    std::vector<int> twoMore = repeated;
    twoMore.insert(twoMore.begin(), 8);
    twoMore.pop_back();
    add({FakeLook::Strip, families[0], 20, twoMore, false, false}, "strip");
    const std::vector<int> small = {23, 5, 36, 11, 0, 14, 30, 6, 19, 27};
    std::vector<int> smallRepeat = small;
    smallRepeat.insert(smallRepeat.begin(), 23);
    smallRepeat.pop_back();
    add({FakeLook::Strip, families[4], 14, small, false, true}, "strip-right", {0, 30});
    add({FakeLook::Strip, families[4], 14, smallRepeat, false, true}, "strip-right", {0, 30});
    // Then a 0, which the recogniser cannot read at that size, and its repeat.
    std::vector<int> zero = smallRepeat;
    for (int i = 0; i < 2; ++i) {
        zero.insert(zero.begin(), 0);
        zero.pop_back();
        add({FakeLook::Strip, families[4], 14, zero, false, true}, "strip-right", {0, 30});
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption look("look", "disc, panel or strip", "LOOK", "disc");
    const QCommandLineOption font("font", "font family", "FAMILY", "DejaVu Sans");
    const QCommandLineOption size("size", "digit size in pixels", "PX", "32");
    const QCommandLineOption seed("seed", "seed of the results", "N", "1");
    const QCommandLineOption spins("spins", "how many results", "N", "100");
    const QCommandLineOption period("period", "milliseconds from one result to the next", "MS",
                                    "2000");
    const QCommandLineOption at("at", "where the display stands", "X,Y", "600,500");
    const QCommandLineOption right("newest-right", "a strip's newest number at its right");
    const QCommandLineOption plain("plain", "blank frames say nothing");
    const QCommandLineOption fixtures("fixtures", "write the test pictures", "DIR");
    parser.addOptions({look, font, size, seed, spins, period, at, right, plain, fixtures});
    parser.process(app);
    if (parser.isSet(fixtures)) return writeFixtures(parser.value(fixtures));

    FakeFrame frame;
    frame.look = lookNamed(parser.value(look));
    frame.family = parser.value(font);
    frame.pixelSize = std::clamp(parser.value(size).toInt(), 14, 48);
    frame.newestRight = parser.isSet(right);
    const int count = std::max(1, parser.value(spins).toInt());
    // A strip starts full of earlier results, as a table joined during play.
    std::vector<int> all = fakeSpins(parser.value(seed).toUInt(), count + kStripLength);
    std::vector<int> shown(all.rbegin() + count, all.rend());
    const QStringList place = parser.value(at).split(',');

    QLabel display;
    display.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    display.setFixedSize(fakeFrameSize(frame.look, frame.pixelSize));
    display.move(place.value(0).toInt(), place.value(1).toInt());
    const auto show = [&](bool blank) {
        FakeFrame f = frame;
        f.numbers = blank && f.look != FakeLook::Strip ? std::vector<int>() : shown;
        f.message = blank && !parser.isSet(plain);
        display.setPixmap(QPixmap::fromImage(paintFakeFrame(f)));
    };
    show(frame.look != FakeLook::Strip);
    display.show();

    int next = 0;
    const int ms = std::max(400, parser.value(period).toInt());
    QTimer blank, result;
    blank.setSingleShot(true);
    QObject::connect(&result, &QTimer::timeout, [&] {
        if (next == count) {
            app.quit();
            return;
        }
        const int n = all[static_cast<std::size_t>(kStripLength + next++)];
        shown.insert(shown.begin(), n);
        if (shown.size() > kStripLength) shown.pop_back();
        show(false);
        // Painted now, so that the time printed is when the result stands on the screen: the
        // monotonic clock's milliseconds, which a reader's test can compare with its own.
        display.repaint();
        QElapsedTimer now;
        now.start();
        std::printf("spin %d %lld\n", n, static_cast<long long>(now.msecsSinceReference()));
        std::fflush(stdout);
        blank.start(ms / 2);
    });
    QObject::connect(&blank, &QTimer::timeout, [&] { show(true); });
    result.start(ms);
    return app.exec();
}
