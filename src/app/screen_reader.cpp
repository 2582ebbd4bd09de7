// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screen_reader.hpp"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstring>

#include "app/strip_shift.hpp"

namespace brisvale::app {

QImage grabRegion(const reading::Region& r) {
    const QRect wanted(r.x, r.y, r.width, r.height);
    QScreen* screen = QGuiApplication::screenAt(wanted.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    // The whole desktop (window 0), from the region's place on it.
    const QPixmap shot = screen->grabWindow(0, r.x - screen->geometry().x(),
                                            r.y - screen->geometry().y(), r.width, r.height);
    if (shot.isNull()) return {};
    QImage image = shot.toImage().convertToFormat(QImage::Format_RGB32);
    // A high-density screen gives device pixels; the reader works on the picture as it is.
    return image;
}

ScreenReader::ScreenReader(Listener listener, QObject* parent)
    : QObject(parent),
      listener_(std::move(listener)),
      source_(grabRegion),
      log_(qEnvironmentVariableIsSet("BRISVALE_READING_LOG")) {
    timer_.setInterval(kCaptureMs);
    // Four captures a second exactly: a coarse timer's slack would add to every result's wait.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ScreenReader::capture);
}

ScreenReader::~ScreenReader() = default;

QString ScreenReader::unavailable() const {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return QStringLiteral(
            "Reading the screen needs an X11 session; under Wayland the screen cannot be "
            "captured. Log in with an X11 session to read results, or keep entering them on "
            "the board.");
    }
    if (!digits_.ready()) return digits_.error();
    return {};
}

void ScreenReader::setRegion(std::optional<reading::Region> region) {
    region_ = region;
    last_ = QImage();
    lastReading_ = reading::Reading::blank();
    settledFrame_ = QImage();
    settles_ = 0;
    lastShown_.clear();
    toTeach_.reset();
    // Another region may be another table's look: its shapes are learned anew.
    digits_.shapes().clear();
    if (region_) {
        hold_ = reading::HoldRule(region_->kind);
        timer_.start();
    } else {
        timer_.stop();
    }
}

void ScreenReader::capture() {
    if (!region_) return;
    QElapsedTimer clock;
    clock.start();
    const QImage frame = source_(*region_).convertToFormat(QImage::Format_RGB32);
    costs_.captureNs += clock.nsecsElapsed();
    clock.restart();
    reading::Reading now;
    if (frame.isNull()) {
        now = reading::Reading::unsure();
    } else if (frame.size() == last_.size() &&
               std::memcmp(frame.constBits(), last_.constBits(),
                           static_cast<std::size_t>(frame.sizeInBytes())) == 0) {
        now = lastReading_;
        ++costs_.unchanged;
        costs_.unchangedNs += clock.nsecsElapsed();
    } else {
        now = readFrame(frame);
        last_ = frame;
        ++costs_.recognised;
        costs_.recognisedNs += clock.nsecsElapsed();
        if (log_) {
            qDebug("read in %.1f ms (moved %d): %s", clock.nsecsElapsed() / 1e6, now.moved,
                   qPrintable(describe(now)));
        }
    }
    lastReading_ = now;
    const QString shown = describe(now);
    if (shown != lastShown_) {
        lastShown_ = shown;
        if (listener_.shown) listener_.shown(shown);
    }
    const reading::Settled settled = hold_.observe(now);
    if (hold_.settles() != settles_) {
        settles_ = hold_.settles();
        settledFrame_ = frame;
    }
    if (settled.unsure) {
        toTeach_ = digits_.unsureShape();
        if (listener_.unsure) listener_.unsure();
    }
    for (const int n : settled.entered) {
        if (listener_.read) listener_.read(n);
    }
}

void ScreenReader::teach(int number) {
    if (toTeach_) digits_.shapes().learn(number, *toTeach_);
    toTeach_.reset();
}

reading::Reading ScreenReader::readFrame(const QImage& frame) {
    using reading::Reading;
    const Reading& was = hold_.settled();
    if (region_->kind != reading::DisplayKind::Strip || settledFrame_.isNull() ||
        was.status != Reading::Status::Numbers) {
        return digits_.read(frame, region_->kind, region_->newest);
    }
    const int moved = stripMoved(settledFrame_, frame, region_->newest);
    if (moved == 0) return was;
    if (moved > 0) {
        const auto count = static_cast<std::size_t>(moved);
        DigitReader::Newest fresh = digits_.readNewest(frame, region_->newest, count);
        if (fresh.numbers.size() == count && fresh.cells >= was.numbers.size()) {
            std::vector<int> numbers = std::move(fresh.numbers);
            for (std::size_t i = count; i < fresh.cells; ++i) {
                numbers.push_back(i - count < was.numbers.size() ? was.numbers[i - count]
                                                                 : Reading::kUnread);
            }
            Reading r = Reading::of(std::move(numbers));
            if (r.status == Reading::Status::Numbers) {
                r.moved = moved;
                return r;
            }
        }
    }
    return digits_.read(frame, region_->kind, region_->newest);
}

QString ScreenReader::describe(const reading::Reading& r) const {
    switch (r.status) {
        case reading::Reading::Status::Blank:
            return {};
        case reading::Reading::Status::Unsure:
            return QStringLiteral("?");
        case reading::Reading::Status::Numbers:
            break;
    }
    QStringList numbers;
    for (const int n : r.numbers) {
        numbers << (n == reading::Reading::kUnread ? QStringLiteral("?") : QString::number(n));
    }
    return numbers.join(QLatin1Char(' '));
}

}  // namespace brisvale::app
