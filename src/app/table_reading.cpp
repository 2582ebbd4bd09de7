// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/table_reading.hpp"

#include <QApplication>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPointer>
#include <QSoundEffect>
#include <string_view>

#include "app/region_overlay.hpp"
#include "app/window_conf.hpp"
#include "storage/properties.hpp"

namespace brisvale::app {
namespace {

std::optional<std::string> valueOf(const std::vector<std::string>& lines, const std::string& key) {
    for (const std::string& line : lines) {
        if (line.rfind(key + ": ", 0) == 0) return line.substr(key.size() + 2);
    }
    return std::nullopt;
}

}  // namespace

std::filesystem::path TableReading::confPath() {
    return windowConfPath().parent_path() / "reading.conf";
}

TableReading::TableReading(std::string key, Entry entry, QWidget* window,
                           std::filesystem::path conf)
    : QObject(window),
      key_(std::move(key)),
      entry_(std::move(entry)),
      window_(window),
      conf_(std::move(conf)),
      reader_({[this](int n) { read(n); }, [this] { ask(); },
               [this](const QString& shown) {
                   shown_ = shown;
                   if (qEnvironmentVariableIsSet("BRISVALE_READING_LOG"))
                       qDebug("shown %s", qPrintable(shown));
                   if (entry_.changed) entry_.changed();
               }},
              this) {
    pump_.setInterval(ScreenReader::kCaptureMs);
    connect(&pump_, &QTimer::timeout, this, &TableReading::pump);
    const auto lines = readLines(conf_);
    if (!lines) return;
    if (const auto n = valueOf(*lines, key_ + ".confirmed")) {
        for (int i = std::atoi(n->c_str()); i > 0 && confirm_.active(); --i)
            confirm_.answered(true);
    }
    // A kept region is read again only where the screen can be read.
    const auto region = valueOf(*lines, key_ + ".region");
    if (region && reader_.unavailable().isEmpty())
        reader_.setRegion(reading::regionFromText(*region));
}

TableReading::~TableReading() = default;

void TableReading::ask() {
    // The question's own chime (one of the program's sounds), a beep without an audio device;
    // nothing where nobody hears (the offscreen platform).
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        if (QMediaDevices::audioOutputs().isEmpty()) {
            QApplication::beep();
        } else {
            if (!chime_) {
                chime_ = std::make_unique<QSoundEffect>();
                chime_->setSource(QUrl(QStringLiteral("qrc:/sounds/ask.wav")));
                chime_->setVolume(0.6f);
            }
            chime_->play();
        }
    }
    if (entry_.note) entry_.note("Not sure of the result read: enter it by hand.");
    // The player enters this spin by hand; the next spin taken is theirs.
    askedAt_ = entry_.spinsTaken ? entry_.spinsTaken() : -1;
    if (askedAt_ >= 0 && !pump_.isActive()) pump_.start();
}

void TableReading::chooseRegion() {
    const QString why = reader_.unavailable();
    if (!why.isEmpty()) {
        QMessageBox::information(window_, QApplication::applicationDisplayName(), why);
        return;
    }
    QPointer<TableReading> self(this);
    auto* overlay = new RegionOverlay(region(), [self](std::optional<reading::Region> chosen) {
        if (self && chosen) self->setRegion(chosen);
    });
    overlay->open();
}

void TableReading::setRegion(std::optional<reading::Region> region) {
    const bool changed = region != reader_.region();
    reader_.setRegion(region);
    waiting_.clear();
    proposal_.reset();
    askedAt_ = -1;
    // A new region is confirmed anew.
    if (changed && region) confirm_ = {};
    shown_.clear();
    save();
    if (entry_.changed) entry_.changed();
}

void TableReading::read(int number) {
    // A number read before the player answered: the next spin taken may not be the answer.
    askedAt_ = -1;
    waiting_.push_back(number);
    pump();
}

void TableReading::pump() {
    if (askedAt_ >= 0 && entry_.spinsTaken() > askedAt_) {
        reader_.teach(entry_.newestSpin());
        askedAt_ = -1;
    }
    if (proposal_ && entry_.spinsTaken() > proposal_->spinsBefore) {
        confirm_.answered(entry_.newestSpin() == proposal_->number);
        proposal_.reset();
        save();
    }
    while (!waiting_.empty()) {
        const int n = waiting_.front();
        if (confirm_.active()) {
            // A proposal not taken before the next result is read is left to the player.
            waiting_.pop_front();
            proposal_ = Proposal{n, entry_.spinsTaken()};
            entry_.propose(n);
            if (entry_.note) {
                entry_.note(QStringLiteral("Read %1: press Enter to enter it, or click the right "
                                           "number.")
                                .arg(n));
            }
            continue;
        }
        const Entered entered = entry_.enter(n);
        if (entered == Entered::Later) break;
        waiting_.pop_front();
    }
    const bool busy = !waiting_.empty() || proposal_ || askedAt_ >= 0;
    if (busy && !pump_.isActive()) pump_.start();
    if (!busy) pump_.stop();
}

void TableReading::save() const {
    std::vector<std::string> lines = readLines(conf_).value_or(std::vector<std::string>());
    std::erase_if(lines, [&](const std::string& line) { return line.rfind(key_ + ".", 0) == 0; });
    if (reader_.region()) lines.push_back(key_ + ".region: " + regionText(*reader_.region()));
    lines.push_back(key_ + ".confirmed: " + std::to_string(confirm_.confirmed()));
    std::error_code error;
    std::filesystem::create_directories(conf_.parent_path(), error);
    writeLines(conf_, lines);
}

}  // namespace brisvale::app
