// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/alert_centre.hpp"

#include <QApplication>
#include <QAudioDevice>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QSystemTrayIcon>
#include <QUrl>

#include "app/app_icon.hpp"
#include "app/qt_ports.hpp"

namespace brisvale::app {
namespace {

// The sounds are built into the program (data/sounds, made by scripts/make-sounds).
const char* soundOf(Alert::Kind kind) {
    switch (kind) {
        case Alert::Kind::Due:
            return "qrc:/sounds/due.wav";
        case Alert::Kind::Stake:
            return "qrc:/sounds/stake.wav";
        case Alert::Kind::Quit:
        case Alert::Kind::Limit:
            break;
    }
    return "qrc:/sounds/quit.wav";
}

}  // namespace

DesktopAlertSink::DesktopAlertSink() = default;
DesktopAlertSink::~DesktopAlertSink() = default;

void DesktopAlertSink::playSound(Alert::Kind kind) {
    if (QMediaDevices::audioOutputs().isEmpty()) {
        QApplication::beep();
        return;
    }
    const auto k = static_cast<std::size_t>(kind);
    if (sounds_.size() <= k) sounds_.resize(k + 1);
    if (!sounds_[k]) {
        sounds_[k] = std::make_unique<QSoundEffect>();
        sounds_[k]->setSource(QUrl(QString::fromLatin1(soundOf(kind))));
        sounds_[k]->setVolume(0.6f);
    }
    sounds_[k]->play();
}

void DesktopAlertSink::notify(const QString& title, const QString& text) {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    if (!tray_) {
        tray_ = std::make_unique<QSystemTrayIcon>(appIcon());
        tray_->setToolTip(title);
        tray_->show();
    }
    // A balloon of the tray never takes the focus from the casino's window.
    tray_->showMessage(title, text, QSystemTrayIcon::Information, 8000);
}

// Where nothing can be heard or seen (the offscreen platform of the tests and the screenshot
// tool), alerts reach no speaker and no desktop.
namespace {
class SilentSink final : public AlertSink {
  public:
    void playSound(Alert::Kind) override {}
    void notify(const QString&, const QString&) override {}
};
}  // namespace

AlertSink* AlertCentre::sink() {
    if (sink_) return sink_;
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        static SilentSink silent;
        return &silent;
    }
    if (!desktop_) desktop_ = std::make_unique<DesktopAlertSink>();
    return desktop_.get();
}

void AlertCentre::deliver(const std::vector<Alert>& alerts, bool windowActive) {
    if (alerts.empty()) return;
    for (const Alert& a : alerts) {
        emit raised(static_cast<int>(a.kind), toQt(a.table), toQt(a.text));
        if (notifications && !windowActive)
            sink()->notify(QStringLiteral("Brisvale"), toQt(a.text));
    }
    // One sound for what one action raised: several bets due at once ring once.
    if (sound) sink()->playSound(alerts.back().kind);
}

}  // namespace brisvale::app
