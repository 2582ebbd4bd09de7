// SPDX-License-Identifier: GPL-3.0-or-later
// The guide's pictures of Read From Screen..., taken on a real X server with the fake table
// beside the window (the overlay is translucent, so only a picture of the screen shows it):
//     xvfb-run -s "-screen 0 1280x800x24" brisvale_reading_screenshots OUTDIR

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "advisor/advisor.hpp"
#include "app/fake_table_look.hpp"
#include "app/main_window.hpp"
#include "app/qt_ports.hpp"
#include "app/region_overlay.hpp"
#include "app/table_reading.hpp"

namespace {

using namespace brisvale;

void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A casino's table window: felt, a title, and the result disc at `disc` inside it.
QPixmap casino(const std::vector<int>& numbers, QPoint disc) {
    QPixmap table(460, 240);
    table.fill(QColor(10, 74, 30));
    QPainter p(&table);
    p.setPen(QColor(230, 220, 160));
    p.setFont(QFont("DejaVu Serif", 14));
    p.drawText(QRect(0, 10, 460, 30), Qt::AlignHCenter, "Example Casino - Roulette");
    app::FakeFrame f;
    f.numbers = numbers;
    f.message = numbers.empty();
    p.drawImage(disc, app::paintFakeFrame(f));
    p.setPen(QColor(200, 200, 200));
    p.setFont(QFont("DejaVu Sans", 10));
    p.drawText(QRect(0, 200, 460, 30), Qt::AlignHCenter, "Place your bets");
    return table;
}

void save(const QRect& area, const QString& file) {
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(),
                                                                      area.width(), area.height());
    if (shot.isNull() || !shot.save(file)) {
        std::fprintf(stderr, "cannot save %s\n", qPrintable(file));
        std::exit(1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const QTemporaryDir preferences, data;
    qputenv("XDG_CONFIG_HOME", preferences.path().toLocal8Bit());
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);

    app::QtDialogs dialogs;
    app::QtBrowser browser;
    app::SystemClock clock;
    SeededRandom random{1};
    Advisor advisor(Ports{dialogs, browser, clock, random, nullptr});
    advisor.userOpenWindow({data.path().toStdString(), false, ""});
    app::MainWindow window(advisor);
    window.move(0, 0);
    window.show();
    for (const auto& [name, value] :
         std::vector<std::pair<std::string, std::string>>{{"chk7_1", "1"}, {"Text18", "1000"}}) {
        advisor.userSet(name, value);
    }
    advisor.userPress("Button1");
    window.render();
    window.startTimer1();

    const QPoint tableAt(window.frameGeometry().left() + 40, window.frameGeometry().bottom() + 30);
    const QPoint discAt(190, 60);
    QLabel table;
    table.setWindowFlags(Qt::FramelessWindowHint);
    table.setPixmap(casino({}, discAt));
    table.move(tableAt);
    table.show();
    wait(800);

    const QSize disc = app::fakeFrameSize(app::FakeLook::Disc, 32);
    const QPoint from = tableAt + discAt - QPoint(6, 6);
    const QPoint to = from + QPoint(disc.width() + 11, disc.height() + 11);
    app::TableReading& reading = *window.tableReading();
    auto* overlay = new app::RegionOverlay(
        std::nullopt, [&](std::optional<reading::Region> r) { reading.setRegion(r); });
    overlay->open();
    overlay->select(from, to);
    wait(600);
    const QRect around(tableAt - QPoint(20, 60), QSize(760, 330));
    save(around, out + "/30-read-from-screen-overlay.png");
    overlay->finish(true);
    // The spin wait after Start is over before the result shows.
    wait(3500);
    // The display changes to a result, which the reader proposes on the board.
    table.setPixmap(casino({17}, discAt));
    wait(1500);
    save(window.frameGeometry().united(table.geometry()).adjusted(0, 0, 20, 10),
         out + "/31-read-from-screen-reading.png");
    return 0;
}
