// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The alerts the core raises, told to the player without taking the focus: a short sound and,
// while the window is not the active one, a desktop notification. Each has its on/off choice
// (View > Alerts). The sound and the notification go through a sink, so tests hear nothing.

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "advisor/alerts.hpp"

class QSoundEffect;
class QSystemTrayIcon;

namespace brisvale::app {

// Where alerts end up: a speaker and the desktop's notifications.
class AlertSink {
  public:
    virtual ~AlertSink() = default;
    virtual void playSound(Alert::Kind kind) = 0;
    virtual void notify(const QString& title, const QString& text) = 0;
};

// The desktop's: the program's own sounds through Qt Multimedia (a beep without an audio
// device), and the system tray's message balloon.
class DesktopAlertSink final : public AlertSink {
  public:
    DesktopAlertSink();
    ~DesktopAlertSink() override;
    void playSound(Alert::Kind kind) override;
    void notify(const QString& title, const QString& text) override;

  private:
    std::vector<std::unique_ptr<QSoundEffect>> sounds_;  // by kind
    std::unique_ptr<QSystemTrayIcon> tray_;
};

class AlertCentre final : public QObject {
    Q_OBJECT
  public:
    // Without a sink the desktop's is made the first time one is needed.
    explicit AlertCentre(QObject* parent = nullptr) : QObject(parent) {}
    void setSink(AlertSink* sink) { sink_ = sink; }
    bool sound = true;
    bool notifications = true;

    // Tells every alert; `windowActive`: the player looks at the window, so no notification.
    void deliver(const std::vector<Alert>& alerts, bool windowActive);

  signals:
    // Every alert, whether or not it is heard or shown.
    void raised(int kind, const QString& table, const QString& text);

  private:
    AlertSink* sink();
    AlertSink* sink_ = nullptr;
    std::unique_ptr<DesktopAlertSink> desktop_;
};

}  // namespace brisvale::app
