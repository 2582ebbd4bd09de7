// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The console's side of the core's ports: boxes are recorded (and questions answered from a
// queue), web pages are only noted, and time moves only when the script says so.

#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "run/ports.hpp"

namespace brisvale::cli {

// Writes each error as one "error: " line on standard error and remembers that one happened.
class ErrorSink {
  public:
    void report(std::string_view message);
    bool any() const { return count_ > 0; }

  private:
    int count_ = 0;
};

// A box as it was shown: questions and input boxes also carry the answer given.
struct ShownBox {
    std::string title;
    std::string text;
    std::optional<std::string> answer;
};

class ConsoleDialogs final : public Dialogs {
  public:
    explicit ConsoleDialogs(ErrorSink& errors) : errors_(errors) {}

    void queueAnswer(std::string answer) { answers_.push_back(std::move(answer)); }
    // The answer queued first, left in the queue; null when none is.
    const std::string* firstAnswer() const {
        return answers_.empty() ? nullptr : &answers_.front();
    }
    void dropAnswer() { answers_.pop_front(); }
    // A box the core shows as a state of its own (the reality check), once answered.
    void noteShown(ShownBox box) { shown_.push_back(std::move(box)); }
    // The boxes shown since the last call, oldest first.
    std::vector<ShownBox> takeShown();
    std::size_t shownCount() const { return shown_.size(); }
    // Boxes taken but still to be listed go back, before any shown since.
    void putBack(std::vector<ShownBox> boxes) {
        boxes.insert(boxes.end(), shown_.begin(), shown_.end());
        shown_ = std::move(boxes);
    }
    // Whether the guide was shown since the last call.
    bool takeGuideShown() { return std::exchange(guideShown_, false); }

    void message(std::string_view text, std::string_view title) override;
    bool askYesNo(std::string_view text, std::string_view title) override;
    std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                        std::string_view defaultText) override;
    void about(std::string_view buildDate, const std::function<void()>& openTerms) override;
    void showGuide() override { guideShown_ = true; }
    // The file of `import FILE` and `export FILE` answers the file question of that command.
    void queueFile(std::filesystem::path file) { file_ = std::move(file); }
    void dropFiles() { file_.reset(); }
    std::optional<std::filesystem::path> askOpenFile(std::string_view title) override;
    std::optional<std::filesystem::path> askSaveFile(std::string_view title,
                                                     std::string_view suggested) override;

  private:
    std::optional<std::string> nextAnswer();
    std::optional<std::filesystem::path> nextFile(std::string_view title);

    ErrorSink& errors_;
    std::deque<std::string> answers_;
    std::optional<std::filesystem::path> file_;
    std::vector<ShownBox> shown_;
    bool guideShown_ = false;
};

class ConsoleBrowser final : public Browser {
  public:
    bool open(std::string_view address) override;
    // The addresses opened since the last call, oldest first.
    std::vector<std::string> takeOpened();

  private:
    std::vector<std::string> opened_;
};

// Starts at the given time and moves only when told to.
class VirtualClock final : public Clock {
  public:
    explicit VirtualClock(std::int64_t startMs) : now_(startMs) {}
    std::int64_t nowMs() override { return now_; }
    void advance(std::int64_t ms) { now_ += ms; }

  private:
    std::int64_t now_;
};

}  // namespace brisvale::cli
