// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Watches one region of the screen: four captures a second while a region is set. A capture
// that shows exactly the picture before it is only compared, never recognised again; what the
// change-and-hold rule settles is handed on as numbers read or as a question to the player.

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

#include "app/digit_reader.hpp"
#include "reading/hold_rule.hpp"
#include "reading/region.hpp"

namespace brisvale::app {

class ScreenReader final : public QObject {
  public:
    static constexpr int kCaptureMs = 250;

    // What the reader settled and saw. Numbers read surely, one at a time, oldest first.
    struct Listener {
        std::function<void(int number)> read;
        std::function<void()> unsure;
        // The display as last read: "17", "5 8 9" ("5 ? 9": a cell not read), "" blank, "?"
        // unsure.
        std::function<void(const QString& shown)> shown;
    };
    // Captures come from the screen unless a test gives its own source of pictures.
    using Source = std::function<QImage(const reading::Region&)>;

    explicit ScreenReader(Listener listener, QObject* parent = nullptr);
    ~ScreenReader() override;

    // Why nothing can be read here, or "": Wayland, or no Tesseract data.
    QString unavailable() const;
    // Starts reading a region anew (nullopt stops reading).
    void setRegion(std::optional<reading::Region> region);
    const std::optional<reading::Region>& region() const { return region_; }
    void setSource(Source source) { source_ = std::move(source); }
    // One capture, as the timer makes it.
    void capture();
    // The player entered `number` for the result last asked of them: the reader learns its shape.
    void teach(int number);
    DigitReader& digits() { return digits_; }

    // Work done so far, for the benchmark: captures unchanged and recognised, and their cost.
    struct Costs {
        int unchanged = 0;
        int recognised = 0;
        qint64 unchangedNs = 0;  // comparing (capture not included)
        qint64 recognisedNs = 0;
        qint64 captureNs = 0;
    };
    const Costs& costs() const { return costs_; }

  private:
    QString describe(const reading::Reading& r) const;
    // A changed picture's reading. A strip that only moved on from the picture it settled on
    // reads its new cells alone and keeps the numbers it knew of the others.
    reading::Reading readFrame(const QImage& frame);

    Listener listener_;
    Source source_;
    DigitReader digits_;
    std::optional<reading::Region> region_;
    reading::HoldRule hold_{reading::DisplayKind::Result};
    QTimer timer_;
    QImage last_;
    reading::Reading lastReading_;
    std::optional<reading::Shape> toTeach_;
    QImage settledFrame_;  // the picture the hold rule last settled on
    int settles_ = 0;
    QString lastShown_;
    Costs costs_;
    bool log_;  // BRISVALE_READING_LOG: each picture read, and what it took
};

// The picture of a region of the screen; null when the screen cannot be read.
QImage grabRegion(const reading::Region& region);

}  // namespace brisvale::app
