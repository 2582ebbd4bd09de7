// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The undo history of a run. It keeps what the user did since the run's Start, action by
// action (clicks, ticks, presses, ...) with the clock's readings each took, and now and then a
// checkpoint: a whole copy of the Advisor's state. Going back or on restores the nearest
// checkpoint before the goal and carries the logged actions out again from there, with the
// messages kept quiet and the files left alone. A press costs the log a few bytes; a
// checkpoint is taken every kCheckpointEvery presses.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The window before the settings file: the settings' positions (Line, Row, ...) are plain
// names of the namespace, and would hide the board's Line from the window's headers.
#include "advisor/panel_entries.hpp"
#include "view/form.hpp"

#include "run/ports.hpp"
#include "run/spin_history.hpp"
#include "run/state.hpp"
#include "storage/settings_file.hpp"
#include "util/series.hpp"

namespace brisvale {

using Json = nlohmann::json;

// The first digit typed on the window, waiting up to a second for a second one.
struct TypedDigit {
    int digit;
    std::int64_t atMs;
};

// Everything of the Advisor that a user action can change.
struct Checkpoint {
    PlayState state;
    // The window as it stood, and the player's entries, which its boxes show once it is kept.
    Form window;
    PanelEntries entries;
    Settings settings;
    SpinHistory history;       // the selected casino's recorded spins
    Series<char> historyLine;  // its line in the history file
    RandomState random;
    std::optional<TypedDigit> typed;
};

// The actions that are carried out again. Those that change the settings, the casinos or the
// stored files end the history instead.
enum class Act : std::uint8_t { ClickCell, ClickChip, Flip, Key, Tick, Press, Menu, WageringSet };
// Press arguments, Key's argument for Enter, and Menu arguments.
enum : int { kPressButton1 = 0, kPressMore = 1, kPressWageringCancel = 2 };
inline constexpr int kKeyEnter = 10;
enum : int { kMenuTop = 0, kMenuProg = 1 };

struct LogPosition {
    std::size_t action = 0;
    std::size_t clock = 0;
    std::size_t text = 0;
};

struct LoggedAction {
    Act act;
    std::int16_t arg;
    std::uint16_t clocks;  // readings of the clock it took
    bool hasText;          // WageringSet: "name=value"
};

class ActionLog {
  public:
    void add(Act act, int arg, std::span<const std::int64_t> clocks, std::string_view text);
    void append(const ActionLog& more);
    void truncate(const LogPosition& at);
    void dropFront(const LogPosition& at);
    // Keeps the room taken: the pending actions are cleared at every press.
    void clear() {
        actions_.clear();
        clocks_.clear();
        texts_.clear();
    }
    bool empty() const { return actions_.empty(); }
    LogPosition end() const { return {actions_.size(), clocks_.size(), texts_.size()}; }
    // Every clock reading moved by `ms`.
    void shiftClocks(std::int64_t ms);
    Json toJson() const;
    // Throws BadStateJson when the log is not whole.
    static ActionLog fromJson(const Json& j);

    const LoggedAction& action(std::size_t i) const { return actions_[i]; }
    std::span<const std::int64_t> clocks(std::size_t from, std::size_t count) const {
        return std::span(clocks_).subspan(from, count);
    }
    const std::string& text(std::size_t i) const { return texts_[i]; }

  private:
    std::vector<LoggedAction> actions_;
    std::vector<std::int64_t> clocks_;
    std::vector<std::string> texts_;
};

// One accepted press of Button1.
struct UndoStep {
    LogPosition press;  // its action in the log
    bool start;         // it started the run
    int number;         // the spin it entered
};

class UndoHistory {
  public:
    static constexpr std::size_t kReach = 1000;  // presses that can always be undone
    static constexpr std::size_t kCheckpointEvery = 32;
    // Presses beyond kReach are dropped this many at a time, which keeps the work of moving
    // the log down off most presses.
    static constexpr std::size_t kDropEvery = 256;

    bool active() const { return !checkpoints_.empty(); }
    std::size_t undoCount() const { return cursor_; }
    std::size_t redoCount() const { return steps_.size() - cursor_; }
    const UndoStep& undoStep() const { return steps_[cursor_ - 1]; }
    const UndoStep& redoStep() const { return steps_[cursor_]; }
    const ActionLog& log() const { return log_; }

    void clear();
    // A new history whose first step is the press that follows `base`.
    void begin(Checkpoint base);
    // An action that is not an accepted press: it belongs to what comes before the next press.
    void note(Act act, int arg, std::span<const std::int64_t> clocks, std::string_view text = {});
    // An accepted press; what could be redone is dropped. True when a checkpoint of the state
    // after it is due.
    bool notePress(Act act, int arg, std::span<const std::int64_t> clocks, bool start, int number);
    // A checkpoint of the state as it is now, right after the last noted press.
    void addCheckpoint(Checkpoint now);

    // The way to a goal: restore `from` (none: go on from the present state) and carry out
    // the logged actions from `start` up to `stop`.
    struct Route {
        const Checkpoint* from;
        LogPosition start;
        LogPosition stop;
    };
    // To just before the last press (undoCount() > 0), and to just after the next one
    // (redoCount() > 0).
    Route undo();
    Route redo();

    // The history as the run file keeps it from one session to the next. The checkpoints are
    // written and read by the functions given; reading throws BadStateJson at any fault and
    // leaves this history as it was.
    Json toJson(const std::function<Json(const Checkpoint&)>& checkpoint) const;
    void fromJson(const Json& j, const std::function<Checkpoint(const Json&)>& checkpoint);
    // Moves every time the history holds by `ms`, as the present moves on resuming a run.
    void shiftTime(std::int64_t ms);
    // Calls `f` on every checkpoint.
    void forEachCheckpoint(const std::function<void(const Checkpoint&)>& f) const;

  private:
    struct Saved {
        Checkpoint state;
        LogPosition at;  // where the actions after it begin
    };
    Route routeTo(const LogPosition& goal, bool fromPresent) const;
    // The steps whose press lies at or after `at`.
    std::size_t stepsFrom(const LogPosition& at) const;
    void dropOldest();

    ActionLog log_;       // the actions of the kept steps, in order
    ActionLog pending_;   // actions since the present state's place in the log
    LogPosition attach_;  // where the present state stands in the log, before pending_
    std::vector<UndoStep> steps_;
    std::vector<Saved> checkpoints_;  // ascending; the first at the start of the log
    std::size_t cursor_ = 0;          // steps that can be undone
};

// The ports as the Advisor sees them while the history carries actions out again: no box is
// shown, and the clock gives the readings the actions took the first time.
class QuietableDialogs final : public Dialogs {
  public:
    explicit QuietableDialogs(Dialogs& outer) : outer_(outer) {}
    bool quiet = false;

    void message(std::string_view text, std::string_view title) override {
        if (!quiet) outer_.message(text, title);
    }
    bool askYesNo(std::string_view text, std::string_view title) override {
        return !quiet && outer_.askYesNo(text, title);
    }
    std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                        std::string_view defaultText) override {
        if (quiet) return std::nullopt;
        return outer_.inputBox(prompt, title, defaultText);
    }
    void about(std::string_view buildDate, const std::function<void()>& openTerms) override {
        if (!quiet) outer_.about(buildDate, openTerms);
    }
    void showGuide() override {
        if (!quiet) outer_.showGuide();
    }
    std::optional<std::filesystem::path> askOpenFile(std::string_view title) override {
        if (quiet) return std::nullopt;
        return outer_.askOpenFile(title);
    }
    std::optional<std::filesystem::path> askSaveFile(std::string_view title,
                                                     std::string_view suggested) override {
        if (quiet) return std::nullopt;
        return outer_.askSaveFile(title, suggested);
    }

  private:
    Dialogs& outer_;
};

class ScriptedClock final : public Clock {
  public:
    explicit ScriptedClock(Clock& outer) : outer_(outer) {}

    std::int64_t nowMs() override {
        if (playing_) {
            if (!script_.empty()) {
                last_ = script_.front();
                script_ = script_.subspan(1);
            }
            return last_;
        }
        const std::int64_t now = outer_.nowMs();
        if (taping_) taped_.push_back(now);
        return now;
    }
    // Recording: the readings from here on are kept.
    void tape() {
        taped_.clear();
        taping_ = true;
    }
    std::span<const std::int64_t> taped() {
        taping_ = false;
        return taped_;
    }
    // Playing: these readings are given out, in order.
    void play(std::span<const std::int64_t> readings) {
        playing_ = true;
        script_ = readings;
        if (!readings.empty()) last_ = readings.front();
    }
    void stop() { playing_ = false; }

  private:
    Clock& outer_;
    bool taping_ = false;
    std::vector<std::int64_t> taped_;
    bool playing_ = false;
    std::span<const std::int64_t> script_;
    std::int64_t last_ = 0;
};

}  // namespace brisvale
