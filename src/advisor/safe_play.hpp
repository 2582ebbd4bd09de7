// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Advisor's part for safer play: the limits the player set (kept in the data folder), the
// day's figures they are measured on, and the reality check's timing. The session's own
// figures live in the run state, so that undo takes them back with each press.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "run/limits.hpp"
#include "storage/debug_log.hpp"

namespace brisvale {

// The limits file of the data folder.
inline constexpr std::string_view kLimitsFileName = "limits.txt";

// The minimum balance the panel shows for a minimum wager: 100 units when betting
// conservatively, 200 otherwise.
inline long long minimumBalance(long long unitWager, bool conservative) {
    return unitWager * (conservative ? 100 : 200);
}

// The limits as they stand, and the one that stops advice now.
struct LimitsView {
    LimitBook book;
    std::optional<LimitName> reached;
};

// The session's figures for the status bar and the reality check.
struct SessionView {
    std::int64_t seconds = 0;  // play time since the program started
    SessionTally tally;
    double runNet = 0;  // the balance less the balance at the run's Start
};

// What the reality check's box says: the play time, spins, staked, won, and the net of the
// session and of the run, one to a line.
std::string realityCheckText(const SessionView& view);

class SafePlay {
  public:
    // Reads the limits file (none: limits held in memory only, as the simulator's) and starts
    // the session at `nowMs`.
    void open(const std::filesystem::path& file, std::int64_t nowMs, const DebugLog* log);
    bool usesFile() const { return !file_.empty(); }
    // The limits as they stand at `nowMs`, a looser value whose time has come put in place.
    LimitBook bookAt(std::int64_t nowMs) const;
    // The limits as they stand since the last applyDue.
    const LimitBook& book() const { return book_; }
    // Puts the due looser values in place; true when one was (the file wants writing).
    bool applyDue(std::int64_t nowMs) { return book_.applyDue(nowMs); }
    LimitBook::Change set(LimitName name, std::optional<double> value, std::int64_t nowMs);
    void force(LimitName name, std::optional<double> value) { book_.force(name, value); }

    std::int64_t sessionSeconds(std::int64_t nowMs) const;
    // The figures the limits are measured on, with the session's at `nowMs`. A new day starts
    // the day's figures afresh.
    LimitFigures figures(const SessionTally& session, std::int64_t nowMs);
    // Writes the limits and the day's figures; false when the write failed.
    bool save(const SessionTally& session, std::int64_t nowMs);

    // The day's figures are written at most once a minute while play goes on.
    bool saveDue(std::int64_t nowMs) const { return nowMs - savedMs_ >= 60'000; }

    // The reality check: due once its interval has passed since the session started or the
    // last check was answered.
    bool checkDue(std::int64_t nowMs) const;
    bool checkOpen() const { return checkOpen_; }
    void openCheck() { checkOpen_ = true; }
    void answerCheck(std::int64_t nowMs) {
        checkOpen_ = false;
        checkFromMs_ = nowMs;
    }
    // The front end's request to show the balance chart, taken once.
    void askBalance() { balanceAsked_ = true; }
    bool takeBalanceAsked() { return std::exchange(balanceAsked_, false); }

  private:
    void rollDay(const SessionTally& session, std::int64_t nowMs);

    LimitBook book_;
    std::filesystem::path file_;
    const DebugLog* log_ = nullptr;
    std::int64_t sessionStartMs_ = 0;
    // The day's figures: those the file held for today when the session started (or 0 from a
    // new day on), and the session's figures when the day began.
    std::string day_;
    double dayNetBefore_ = 0;
    std::int64_t dayMsBefore_ = 0;
    double daySessionNet_ = 0;
    std::int64_t dayStartMs_ = 0;
    std::int64_t daySureUntilMs_ = 0;  // the day goes on at least until then

    std::int64_t savedMs_ = 0;
    bool checkOpen_ = false;
    std::int64_t checkFromMs_ = 0;
    bool balanceAsked_ = false;
};

}  // namespace brisvale
