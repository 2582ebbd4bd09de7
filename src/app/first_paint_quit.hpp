// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ends the program right after the first paint of the window it watches: the start-up
// measurements (bench/startup.sh) time the window and its empty yardstick with it.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

namespace brisvale::app {

class FirstPaintQuit final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool done_ = false;
};

}  // namespace brisvale::app
