// SPDX-License-Identifier: GPL-3.0-or-later
// The screen reader measured on the fake table's pictures:
//     bench_reader [spins per series]     accuracy over every look, font and size, and the
//                                         cost of a 200x60 region (offscreen platform)
//     bench_reader --idle SECONDS         CPU while reading one unchanging region (run under
//                                         xvfb-run: the captures are real screen grabs)
//     bench_reader N --no-shapes          the same with the recogniser alone (no number shapes)
//     bench_reader --shapes               how alike the shapes of different numbers come: the
//                                         margin the shape matcher keeps
// The player is played too: each result asked of them is answered with the spin shown, which
// teaches the reader its shape.
// Prints the figures; exits 1 when a number was entered wrongly.

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <cstdio>
#include <deque>
#include <memory>

#include "app/digit_reader.hpp"
#include "app/fake_table_look.hpp"
#include "app/screen_reader.hpp"

namespace {

using namespace brisvale;
using app::FakeFrame;
using app::FakeLook;

struct Tally {
    int played = 0, entered = 0, wrong = 0, unsure = 0, missed = 0;
    int stripRepeats = 0, stripRepeatsSeen = 0, stripRepeatsAsked = 0;
    int byShape = 0, byRecogniser = 0, recognised = 0;
    qint64 recognisedNs = 0;
    void add(const Tally& t) {
        played += t.played, entered += t.entered, wrong += t.wrong, unsure += t.unsure;
        missed += t.missed, stripRepeats += t.stripRepeats, stripRepeatsSeen += t.stripRepeatsSeen;
        stripRepeatsAsked += t.stripRepeatsAsked;
        byShape += t.byShape, byRecogniser += t.byRecogniser, recognised += t.recognised;
        recognisedNs += t.recognisedNs;
    }
};
bool withShapes = true;

// One series: a table in one look, font and size plays `count` spins, each shown for three
// captures after two or three blank ones ("No more bets" every other spin); strips move on.
void playSeries(const FakeFrame& look, std::uint32_t seed, int count, Tally& tally) {
    const bool strip = look.look == FakeLook::Strip;
    std::vector<int> spins = app::fakeSpins(seed, count + app::kStripLength);
    std::vector<int> shown(spins.rbegin() + count, spins.rend());
    std::deque<QImage> frames;
    std::deque<int> spinShown;  // the spin each frame shows, or -1
    const auto frame = [&](bool blank, bool message) {
        FakeFrame f = look;
        f.numbers = blank && !strip ? std::vector<int>() : shown;
        f.message = message;
        return app::paintFakeFrame(f);
    };
    std::vector<int> played;
    for (int i = 0; i < 3; ++i) frames.push_back(frame(!strip, false)), spinShown.push_back(-1);
    for (int k = 0; k < count; ++k) {
        const int n = spins[static_cast<std::size_t>(app::kStripLength + k)];
        shown.insert(shown.begin(), n);
        shown.resize(std::min<std::size_t>(shown.size(), app::kStripLength));
        played.push_back(n);
        for (int i = 0; i < 3; ++i) frames.push_back(frame(false, false)), spinShown.push_back(n);
        for (int i = 0; i < 2 + k % 2; ++i) {
            frames.push_back(frame(!strip, k % 2 == 0));
            spinShown.push_back(strip ? n : -1);
        }
        if (strip && k > 0 && n == played[played.size() - 2]) ++tally.stripRepeats;
    }
    // What the table's history gets: numbers read, and those the player entered when asked.
    struct Entry {
        int number;
        bool byHand;
    };
    std::vector<Entry> entered;
    int unsure = 0, showing = -1;
    const bool log = qEnvironmentVariableIsSet("BRISVALE_READING_LOG");
    std::unique_ptr<app::ScreenReader> reader;
    reader = std::make_unique<app::ScreenReader>(
        app::ScreenReader::Listener{[&](int n) {
                                        entered.push_back({n, false});
                                    },
                                    [&] {
                                        // The player enters the spin shown by hand, which teaches
                                        // its shape.
                                        ++unsure;
                                        if (showing >= 0) {
                                            entered.push_back({showing, true});
                                            reader->teach(showing);
                                        }
                                    },
                                    [&](const QString& seen) {
                                        if (log) std::printf("    shown %s\n", qPrintable(seen));
                                    }});
    reader->digits().useShapes(withShapes);
    reader->setSource([&](const reading::Region&) {
        QImage next = frames.front();
        frames.pop_front();
        showing = spinShown.front();
        spinShown.pop_front();
        return next;
    });
    const QSize size = app::fakeFrameSize(look.look, look.pixelSize);
    reader->setRegion(
        reading::Region{0, 0, size.width(), size.height(),
                        strip ? reading::DisplayKind::Strip : reading::DisplayKind::Result,
                        look.newestRight ? reading::NewestEnd::Right : reading::NewestEnd::Left});
    while (!frames.empty()) reader->capture();
    tally.byShape += reader->digits().byShape();
    tally.byRecogniser += reader->digits().byRecogniser();
    tally.recognised += reader->costs().recognised;
    tally.recognisedNs += reader->costs().recognisedNs;
    reader->setRegion(std::nullopt);
    // Entries are matched in order; an entry that is not the next spin played is wrong.
    std::size_t p = 0;
    for (const Entry& e : entered) {
        while (p < played.size() && played[p] != e.number) ++p, ++tally.missed;
        if (p == played.size()) {
            ++tally.wrong;
            continue;
        }
        if (strip && p > 0 && played[p] == played[p - 1]) {
            ++(e.byHand ? tally.stripRepeatsAsked : tally.stripRepeatsSeen);
        }
        tally.entered += e.byHand ? 0 : 1;
        ++p;
    }
    tally.missed += static_cast<int>(played.size() - std::min(p, played.size()));
    tally.played += count;
    tally.unsure += unsure;
}

// A 200x60 region: the panel look centred on a panel of that size.
void costOf200x60() {
    std::deque<QImage> frames;
    const auto frame = [](int n, int shade) {
        QImage image(200, 60, QImage::Format_RGB32);
        image.fill(QColor(238 - shade, 234 - shade, 224 - shade));
        FakeFrame f{FakeLook::Panel, QStringLiteral("Liberation Sans"), 32, {n}, false, false};
        const QImage number = app::paintFakeFrame(f);
        QPainter(&image).drawImage((200 - number.width()) / 2, (60 - number.height()) / 2, number);
        return image;
    };
    // Each number once (never read before), each shown for 8 captures; then each again on a
    // panel a shade darker: a picture never seen as such, of a shape the table learned.
    for (const int shade : {0, 6}) {
        for (int n = 0; n <= 36; ++n) {
            for (int i = 0; i < 8; ++i) frames.push_back(frame(n, shade));
        }
    }
    app::ScreenReader reader({{}, {}, {}});
    reader.digits().useShapes(withShapes);
    reader.setSource([&](const reading::Region&) {
        QImage next = frames.front();
        frames.pop_front();
        return next;
    });
    reader.setRegion(reading::Region{0, 0, 200, 60});
    while (frames.size() > 37 * 8) reader.capture();
    const app::ScreenReader::Costs first = reader.costs();
    while (!frames.empty()) reader.capture();
    const auto& c = reader.costs();
    std::printf(
        "200x60 region: %d unchanged frames, %.3f ms each (compare); %d first recognitions, "
        "%.1f ms each; %d again a shade darker, %.2f ms each (%s)\n",
        c.unchanged, c.unchangedNs / 1e6 / std::max(1, c.unchanged), first.recognised,
        first.recognisedNs / 1e6 / std::max(1, first.recognised), c.recognised - first.recognised,
        (c.recognisedNs - first.recognisedNs) / 1e6 / std::max(1, c.recognised - first.recognised),
        withShapes ? "by shape" : "recogniser alone");
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

int idle(QApplication& app, int seconds) {
    // A result that stays on the screen: every capture after the first is only compared.
    QLabel table;
    table.setWindowFlags(Qt::FramelessWindowHint);
    FakeFrame f{FakeLook::Panel, QStringLiteral("DejaVu Sans"), 32, {17}, false, false};
    table.setPixmap(QPixmap::fromImage(app::paintFakeFrame(f)));
    table.move(200, 200);
    table.show();
    app::ScreenReader reader({{}, {}, {}});
    const QSize size = app::fakeFrameSize(FakeLook::Panel, 32);
    QTimer::singleShot(1000, [&] {
        reader.setRegion(reading::Region{200, 200, size.width(), size.height()});
    });
    double cpuStart = 0;
    QElapsedTimer wall;
    QTimer::singleShot(3000, [&] {
        cpuStart = cpuSeconds();
        wall.start();
    });
    QTimer::singleShot(3000 + seconds * 1000, &app, &QApplication::quit);
    app.exec();
    const double cpu = cpuSeconds() - cpuStart;
    const auto& c = reader.costs();
    std::printf(
        "idle reading of one region: %.2f %% of a core over %d s (%d captures, %.2f ms "
        "per screen grab)\n",
        100.0 * cpu / (wall.elapsed() / 1000.0), seconds, c.unchanged + c.recognised,
        c.captureNs / 1e6 / std::max(1, c.unchanged + c.recognised));
    return 0;
}

// Every number in every result look, font and size, read once: the ones not read exactly.
int failures() {
    app::DigitReader reader;
    int failed = 0, all = 0;
    for (const FakeLook look : {FakeLook::Disc, FakeLook::Panel}) {
        for (const QString& family : app::fakeTableFamilies()) {
            for (int px = 14; px <= 48; px += 2) {
                for (int n = 0; n <= 36; ++n) {
                    const FakeFrame f{look, family, px, {n}, false, false};
                    const reading::Reading r =
                        reader.read(app::paintFakeFrame(f), reading::DisplayKind::Result);
                    ++all;
                    if (r == reading::Reading::of({n})) continue;
                    ++failed;
                    std::printf(
                        "%s %s %d px: %d read as %s\n", look == FakeLook::Disc ? "disc" : "panel",
                        qPrintable(family), px, n,
                        reader.lastWords().empty() ? "nothing"
                                                   : qPrintable(reader.lastWords().front().raw));
                }
            }
        }
    }
    std::printf("%d of %d not read exactly\n", failed, all);
    return 0;
}

// The shape matcher takes a picture for a number when it is alike to a kept shape of it by
// ShapeBook::kAlike: here, how alike the shapes of two different numbers ever come, over every
// look, font and size (a table keeps one look and size; sizes within 25 % are compared too).
int shapeMargins() {
    struct Drawn {
        int number;
        reading::Shape shape;
    };
    double worst = -1;
    QString where;
    for (const FakeLook look : {FakeLook::Disc, FakeLook::Panel, FakeLook::Strip}) {
        for (const QString& family : app::fakeTableFamilies()) {
            for (int px = 14; px <= 48; px += 2) {
                std::vector<Drawn> drawn;
                for (int n = 0; n <= 36; ++n) {
                    const app::Ink ink =
                        app::findInk(app::paintFakeFrame({look, family, px, {n}, false, false}));
                    if (ink.groups.size() == 1) {
                        drawn.push_back({n, app::shapeOf(ink, ink.groups.front())});
                    }
                }
                reading::ShapeBook book;
                for (const Drawn& d : drawn) {
                    for (const Drawn& e : drawn) {
                        if (d.number == e.number) continue;
                        book.clear();
                        for (int i = 0; i < reading::ShapeBook::kLearnAfter; ++i)
                            book.learn(e.number, e.shape);
                        const double c = reading::correlation(d.shape, e.shape);
                        if (book.match(d.shape).has_value() || c > worst) {
                            if (c > worst) worst = c;
                            where = QStringLiteral("%1 %2 %3 px: %4 and %5 (%6)%7")
                                        .arg(look == FakeLook::Disc    ? "disc"
                                             : look == FakeLook::Panel ? "panel"
                                                                       : "strip")
                                        .arg(family)
                                        .arg(px)
                                        .arg(d.number)
                                        .arg(e.number)
                                        .arg(c, 0, 'f', 3)
                                        .arg(book.match(d.shape).has_value() ? " TAKEN" : "");
                            if (book.match(d.shape).has_value())
                                std::printf("%s\n", qPrintable(where));
                        }
                    }
                }
            }
        }
    }
    std::printf("most alike two different numbers: %s; a match needs %.2f\n", qPrintable(where),
                reading::ShapeBook::kAlike);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc > 2 && QString(argv[1]) == "--idle") return idle(app, std::atoi(argv[2]));
    if (argc > 1 && QString(argv[1]) == "--failures") return failures();
    if (argc > 1 && QString(argv[1]) == "--shapes") return shapeMargins();
    const int perSeries = argc > 1 ? std::max(10, std::atoi(argv[1])) : 50;
    for (int i = 2; i < argc; ++i) withShapes = withShapes && QString(argv[i]) != "--no-shapes";
    // One series alone, to follow what it read: bench_reader N --only LOOK FAMILY PX
    const bool only = argc > 5 && QString(argv[2]) == "--only";
    const int sizes[] = {14, 20, 28, 36, 48};
    Tally all;
    std::uint32_t seed = 1;
    QElapsedTimer wall;
    wall.start();
    for (const FakeLook look : {FakeLook::Disc, FakeLook::Panel, FakeLook::Strip}) {
        Tally one;
        for (const QString& family : app::fakeTableFamilies()) {
            for (const int px : sizes) {
                FakeFrame f{look, family, px, {}, false, look == FakeLook::Strip && seed % 2};
                if (only && (QString(argv[3]) != (look == FakeLook::Disc    ? "disc"
                                                  : look == FakeLook::Panel ? "panel"
                                                                            : "strip") ||
                             family != argv[4] || px != std::atoi(argv[5]))) {
                    ++seed;
                    continue;
                }
                Tally series;
                playSeries(f, seed++, perSeries, series);
                if (series.wrong || series.unsure || series.missed) {
                    std::printf("  %s %d px: %d wrong, %d unsure, %d missed of %d\n",
                                qPrintable(family), px, series.wrong, series.unsure, series.missed,
                                series.played);
                }
                one.add(series);
            }
        }
        const char* name = look == FakeLook::Disc    ? "disc"
                           : look == FakeLook::Panel ? "panel"
                                                     : "strip";
        std::printf(
            "%s: %d spins, %d entered, %d wrong, %d unsure (%.2f %%), %d missed; %d changed "
            "frames read, %.2f ms each; numbers by shape %d, by the recogniser %d\n",
            name, one.played, one.entered, one.wrong, one.unsure, 100.0 * one.unsure / one.played,
            one.missed, one.recognised, one.recognisedNs / 1e6 / std::max(1, one.recognised),
            one.byShape, one.byRecogniser);
        all.add(one);
    }
    std::printf(
        "all looks%s: %d spins, %d entered, %d wrong, %d unsure (%.2f %%), %d missed; "
        "repeats on strips read %d of %d, asked %d; %.2f ms per changed frame read (%.1f s)\n",
        withShapes ? "" : " (recogniser alone)", all.played, all.entered, all.wrong, all.unsure,
        100.0 * all.unsure / all.played, all.missed, all.stripRepeatsSeen, all.stripRepeats,
        all.stripRepeatsAsked, all.recognisedNs / 1e6 / std::max(1, all.recognised),
        wall.elapsed() / 1000.0);
    costOf200x60();
    return all.wrong == 0 ? 0 : 1;
}
