// SPDX-License-Identifier: GPL-3.0-or-later
// The digit reader and the screen reader on pictures the fake table recorded: every look,
// colour and font; blank and "No more bets" frames; a strip before and after a repeat.

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <deque>

#include "app/digit_reader.hpp"
#include "app/screen_reader.hpp"
#include "reading/colour.hpp"

namespace brisvale::reading {
void PrintTo(const Reading& r, std::ostream* out) {
    *out << (r.status == Reading::Status::Blank    ? "blank"
             : r.status == Reading::Status::Unsure ? "unsure"
                                                   : "numbers");
    for (const int n : r.numbers) *out << ' ' << n;
}
}  // namespace brisvale::reading

namespace brisvale::app {
namespace {

std::string seen(const DigitReader& reader) {
    std::string words;
    for (const auto& w : reader.lastWords()) {
        words += " '" + w.text.toStdString() + "'@" + std::to_string(w.confidence);
    }
    return words;
}

using reading::DisplayKind;
using reading::NewestEnd;
using reading::Reading;

QGuiApplication& application() {
    static int argc = 1;
    static char name[] = "test_screen";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return app;
}

struct Fixture {
    QString file;
    DisplayKind kind;
    NewestEnd newest;
    Reading expected;
};

std::vector<Fixture> fixtures() {
    QFile list(QStringLiteral(BRISVALE_SCREEN_FIXTURES "/fixtures.txt"));
    EXPECT_TRUE(list.open(QIODevice::ReadOnly));
    std::vector<Fixture> all;
    QTextStream in(&list);
    while (!in.atEnd()) {
        const QStringList parts = in.readLine().split(' ');
        if (parts.size() != 3) continue;
        Fixture f{parts[0], parts[1] == "result" ? DisplayKind::Result : DisplayKind::Strip,
                  parts[1] == "strip-right" ? NewestEnd::Right : NewestEnd::Left, Reading::blank()};
        if (parts[2] != "-") {
            std::vector<int> numbers;
            for (const QString& n : parts[2].split('.')) numbers.push_back(n.toInt());
            f.expected = Reading::of(numbers);
        }
        all.push_back(f);
    }
    return all;
}

QImage picture(const QString& file) {
    return QImage(QStringLiteral(BRISVALE_SCREEN_FIXTURES "/") + file);
}

TEST(DigitReader, ReadsEveryRecordedLookExactly) {
    application();
    DigitReader reader;
    ASSERT_TRUE(reader.ready()) << reader.error().toStdString();
    const auto all = fixtures();
    ASSERT_GE(all.size(), 20U);
    for (const Fixture& f : all) {
        const QImage image = picture(f.file);
        ASSERT_FALSE(image.isNull()) << f.file.toStdString();
        EXPECT_EQ(reader.read(image, f.kind, f.newest), f.expected)
            << f.file.toStdString() << seen(reader);
    }
}

TEST(DigitReader, ANumberInTheWrongColourIsUnsure) {
    application();
    DigitReader reader;
    // A red 19 with its colour turned to green, and to grey: the digits alone do not decide.
    for (const QRgb other : {qRgb(10, 140, 40), qRgb(128, 128, 128)}) {
        QImage image = picture("frame06.png").convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (qRed(line[x]) > 150 && qGreen(line[x]) < 80) line[x] = other;
            }
        }
        EXPECT_EQ(reader.read(image, DisplayKind::Result), Reading::unsure());
    }
}

// The screen reader fed recorded pictures capture by capture, as the timer would.
struct Played {
    std::vector<int> read;
    int unsure = 0;
    int recognised = 0;
};
Played play(const reading::Region& region, const std::vector<QString>& files) {
    Played played;
    ScreenReader reader({[&](int n) { played.read.push_back(n); }, [&] { ++played.unsure; }, {}});
    std::deque<QString> queue(files.begin(), files.end());
    reader.setSource([&](const reading::Region&) {
        const QImage image = picture(queue.front());
        queue.pop_front();
        return image;
    });
    reader.setRegion(region);
    while (!queue.empty()) reader.capture();
    played.recognised = reader.costs().recognised;
    return played;
}

TEST(ScreenReader, EntersAResultOnceItHeldAndSeesARepeatOnAStrip) {
    application();
    const reading::Region result{0, 0, 80, 70, DisplayKind::Result, NewestEnd::Left};
    // No more bets, 19 held, no more bets, 19 again (a repeat after a blank), then a 0 seen once.
    const Played r = play(result, {"frame16.png", "frame16.png", "frame06.png", "frame06.png",
                                   "frame06.png", "frame16.png", "frame16.png", "frame06.png",
                                   "frame06.png", "frame00.png", "frame16.png"});
    EXPECT_EQ(r.read, (std::vector<int>{19, 19}));
    EXPECT_EQ(r.unsure, 0);
    // Only a changed picture is recognised.
    EXPECT_EQ(r.recognised, 6);

    const reading::Region strip{0, 0, 400, 40, DisplayKind::Strip, NewestEnd::Left};
    const Played s = play(strip, {"frame19.png", "frame19.png", "frame20.png", "frame20.png"});
    EXPECT_EQ(s.read, (std::vector<int>{17}));
    EXPECT_EQ(s.unsure, 0);
}

}  // namespace
}  // namespace brisvale::app
