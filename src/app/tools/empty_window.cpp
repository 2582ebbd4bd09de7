// SPDX-License-Identifier: GPL-3.0-or-later
// An empty main window that exits after its first paint: the yardstick for the window's
// start-up time (bench/startup.sh).

#include <QApplication>
#include <QMainWindow>

#include "app/first_paint_quit.hpp"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(809, 223);
    brisvale::app::FirstPaintQuit quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
