// SPDX-License-Identifier: GPL-3.0-or-later
// An empty main window that exits after its first paint: the yardstick for the window's
// start-up time (bench/startup.sh).

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

namespace {

class FirstPaintQuit final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool done_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(809, 223);
    FirstPaintQuit quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
