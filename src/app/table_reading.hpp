// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One table's results read off the screen: its region (kept in reading.conf beside window.conf,
// under the table's key), the reader, the confirm mode of a new region, and the numbers read,
// handed to the window one at a time. The window enters a number exactly as a click on its
// cell and a press of Button1, so undo, history and alerts behave as for a click.

#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "app/screen_reader.hpp"
#include "reading/region.hpp"

class QSoundEffect;
class QWidget;

namespace brisvale::app {

class TableReading final : public QObject {
  public:
    enum class Entered { Yes, Later, Refused };
    // What the table's owner (the window, or a watched table's card) lets the reader do.
    struct Entry {
        // Enters the number as a click and Submit would; Later while the advisor waits out the
        // spin interval; Refused (with a note) when no run takes spins.
        std::function<Entered(int number)> enter;
        // Chooses the number on the board and leaves the press to the player.
        std::function<void(int number)> propose;
        // How many spins the table has taken, and the newest of them.
        std::function<int()> spinsTaken;
        std::function<int()> newestSpin;
        // A short note for the status bar.
        std::function<void(const QString&)> note;
        // The indicator changed (shown()).
        std::function<void()> changed;
    };

    TableReading(std::string key, Entry entry, QWidget* window,
                 std::filesystem::path conf = confPath());
    ~TableReading() override;

    // Read From Screen...: the overlay, or the message why the screen cannot be read here.
    void chooseRegion();
    void setRegion(std::optional<reading::Region> region);
    void stop() { setRegion(std::nullopt); }
    const std::optional<reading::Region>& region() const { return reader_.region(); }
    // "17", "5 8 9", "?" or "" (blank, or not reading).
    const QString& shown() const { return shown_; }
    bool confirming() const { return confirm_.active(); }
    ScreenReader& reader() { return reader_; }

    // <configuration folder>/brisvale/reading.conf.
    static std::filesystem::path confPath();

  private:
    void read(int number);
    // A result was asked of the player: a chime, a note, and the player's entry teaches the
    // reader its shape.
    void ask();
    void pump();
    void save() const;

    std::string key_;
    Entry entry_;
    QWidget* window_;
    std::filesystem::path conf_;
    ScreenReader reader_;
    reading::ConfirmMode confirm_;
    std::deque<int> waiting_;
    struct Proposal {
        int number;
        int spinsBefore;
    };
    std::optional<Proposal> proposal_;
    int askedAt_ = -1;  // the spins taken when a result was asked of the player; -1 none
    std::unique_ptr<QSoundEffect> chime_;
    QTimer pump_;
    QString shown_;
};

}  // namespace brisvale::app
