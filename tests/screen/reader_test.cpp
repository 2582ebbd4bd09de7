// SPDX-License-Identifier: GPL-3.0-or-later
// The digit reader and the screen reader on pictures the fake table recorded: every look,
// colour and font; blank and "No more bets" frames; a strip before and after a repeat.

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <deque>

#include "app/digit_reader.hpp"
#include "app/screen_reader.hpp"
#include "app/strip_shift.hpp"
#include "app/table_reading.hpp"
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
            for (const QString& n : parts[2].split('.'))
                numbers.push_back(n == "x" ? Reading::kUnread : n.toInt());
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
    int byShape = 0;
};
// `answers`: what the player enters for each result asked of them, in turn.
Played play(const reading::Region& region, const std::vector<QString>& files,
            std::vector<int> answers = {}) {
    Played played;
    ScreenReader* self = nullptr;
    ScreenReader reader({[&](int n) { played.read.push_back(n); },
                         [&] {
                             if (static_cast<std::size_t>(played.unsure) < answers.size())
                                 self->teach(answers[static_cast<std::size_t>(played.unsure)]);
                             ++played.unsure;
                         },
                         {}});
    self = &reader;
    std::deque<QString> queue(files.begin(), files.end());
    reader.setSource([&](const reading::Region&) {
        const QImage image = picture(queue.front());
        queue.pop_front();
        return image;
    });
    reader.setRegion(region);
    while (!queue.empty()) reader.capture();
    played.recognised = reader.costs().recognised;
    played.byShape = reader.digits().byShape();
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

TEST(ScreenReader, ThePlayersAnswerTeachesTheShapeOfANumberTheRecogniserCannotRead) {
    application();
    // At 14 px the recogniser cannot read a 0 in this font: the first 0 is asked, and the
    // player's answer lets its repeat be read by shape. Without the answer the repeat is asked.
    const std::vector<QString> files = {"frame23.png", "frame23.png", "frame24.png", "frame24.png",
                                        "frame25.png", "frame25.png", "frame26.png", "frame26.png"};
    const reading::Region strip{0, 0, 400, 40, DisplayKind::Strip, NewestEnd::Right};
    const Played taught = play(strip, files, {0});
    EXPECT_EQ(taught.read, (std::vector<int>{23, 0}));
    EXPECT_EQ(taught.unsure, 1);
    EXPECT_GE(taught.byShape, 1);
    const Played untaught = play(strip, files);
    EXPECT_EQ(untaught.read, (std::vector<int>{23}));
    EXPECT_EQ(untaught.unsure, 2);
}

void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

TEST(TableReading, ThePlayersEntryAfterAQuestionTeachesTheReader) {
    application();
    QTemporaryDir folder;
    int spins = 0, newest = -1, asked = 0;
    std::vector<int> proposed;
    TableReading::Entry entry;
    entry.enter = [&](int) { return TableReading::Entered::Yes; };
    entry.propose = [&](int n) { proposed.push_back(n); };
    entry.spinsTaken = [&] { return spins; };
    entry.newestSpin = [&] { return newest; };
    entry.note = [&](const QString& note) { asked += note.startsWith("Not sure") ? 1 : 0; };
    TableReading table("t", entry, nullptr,
                       std::filesystem::path(folder.path().toStdString()) / "reading.conf");
    // The 14 px strip: 23 read, then a 0 it cannot read (asked), then the 0 again.
    bool answered = false;
    std::deque<QString> queue = {"frame23.png", "frame23.png", "frame24.png",
                                 "frame24.png", "frame25.png", "frame25.png"};
    table.reader().setSource([&](const reading::Region&) {
        if (queue.empty()) return picture(answered ? "frame26.png" : "frame25.png");
        const QString next = queue.front();
        queue.pop_front();
        return picture(next);
    });
    table.setRegion(reading::Region{0, 0, 400, 40, DisplayKind::Strip, NewestEnd::Right});
    for (int i = 0; i < 40 && asked == 0; ++i) wait(50);
    ASSERT_EQ(asked, 1);
    // The player enters the 0 on the board.
    ++spins, newest = 0;
    wait(400);
    answered = true;
    for (int i = 0; i < 40 && proposed.size() < 2; ++i) wait(50);
    // A new region's numbers are proposed: 23, then the repeated 0 read by its learned shape.
    EXPECT_EQ(proposed, (std::vector<int>{23, 0}));
    EXPECT_EQ(asked, 1);
    table.stop();
}

TEST(ShapeBook, TakesAPictureOnlyForANumberItLearned) {
    application();
    // Shapes of the numbers of one recorded strip (frame19: 17 4 0 33 21 9 12 28 35 2).
    const QImage strip = picture("frame19.png").convertToFormat(QImage::Format_RGB32);
    const Ink ink = findInk(strip);
    ASSERT_EQ(ink.groups.size(), 10U);
    const int numbers[] = {17, 4, 0, 33, 21, 9, 12, 28, 35, 2};
    const auto shape = [&](std::size_t cell) { return shapeOf(ink, ink.groups[cell]); };
    // The same numbers one cell further on, in the strip after a repeat of 17 (frame20).
    const QImage moved = picture("frame20.png").convertToFormat(QImage::Format_RGB32);
    const Ink movedInk = findInk(moved);
    ASSERT_EQ(movedInk.groups.size(), 10U);

    reading::ShapeBook book;
    book.learn(17, shape(0));
    book.learn(4, shape(1));
    EXPECT_FALSE(book.match(shape(0)).has_value()) << "matched before enough were learned";
    book.learn(33, shape(3));
    struct Case {
        std::size_t cell;  // in frame20
        std::optional<int> taken;
    };
    // Never learned: 0, 21, 28 and 35 (two digits, as 33 is).
    const Case cases[] = {{0, 17},           {1, 17},           {2, 4},
                          {4, 33},           {3, std::nullopt}, {5, std::nullopt},
                          {8, std::nullopt}, {9, std::nullopt}};
    for (const Case& c : cases) {
        EXPECT_EQ(book.match(shapeOf(movedInk, movedInk.groups[c.cell])), c.taken)
            << "cell " << c.cell;
    }
    // Every number learned: each cell is taken for its own number only.
    for (std::size_t i = 0; i < 10; ++i) book.learn(numbers[i], shape(i));
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(book.match(shape(i)), numbers[i]) << numbers[i];
    }
}

TEST(StripMoved, TellsTheMoveFromThePicturesAlone) {
    application();
    struct Case {
        const char* was;
        const char* now;
        NewestEnd newest;
        int moved;
    };
    const Case cases[] = {
        {"frame19.png", "frame19.png", NewestEnd::Left, 0},
        {"frame19.png", "frame20.png", NewestEnd::Left, 1},   // a repeat of the newest
        {"frame19.png", "frame22.png", NewestEnd::Left, 2},   // a repeat and one more
        {"frame20.png", "frame19.png", NewestEnd::Left, -1},  // back in time
        {"frame23.png", "frame24.png", NewestEnd::Right, 1},  // 14 px, newest at the right
        {"frame23.png", "frame24.png", NewestEnd::Left, -1},  // told the wrong end
        {"frame19.png", "frame21.png", NewestEnd::Left, -1},  // another strip
    };
    for (const Case& c : cases) {
        const QImage was = picture(c.was).convertToFormat(QImage::Format_RGB32);
        const QImage now = picture(c.now).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(stripMoved(was, now, c.newest), c.moved) << c.was << " to " << c.now;
    }
}

TEST(ScreenReader, AStripThatMovedReadsOnlyItsNewCells) {
    application();
    struct Case {
        std::vector<QString> files;
        NewestEnd newest;
        std::vector<int> read;
    };
    const Case cases[] = {
        {{"frame19.png", "frame19.png", "frame22.png", "frame22.png"}, NewestEnd::Left, {17, 8}},
        {{"frame23.png", "frame23.png", "frame24.png", "frame24.png"}, NewestEnd::Right, {23}},
    };
    for (const Case& c : cases) {
        const Played p = play({0, 0, 400, 40, DisplayKind::Strip, c.newest}, c.files);
        EXPECT_EQ(p.read, c.read) << c.files.back().toStdString();
        EXPECT_EQ(p.unsure, 0) << c.files.back().toStdString();
        // The first strip is read whole, the moved one only where it is new.
        EXPECT_EQ(p.recognised, 2);
    }
}

}  // namespace
}  // namespace brisvale::app
