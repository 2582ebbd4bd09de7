// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Limits the player sets on their own play: a loss limit per session and per day, a win goal
// per session, a time limit per day and the interval of the reality check. A tighter limit
// applies at once; a looser one (raised, or removed) only a day later, so that it is never
// loosened in the heat of play.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisvale {

enum class LimitName : std::uint8_t { LossSession, LossDay, WinSession, TimeDay, RealityCheck };
inline constexpr int kLimitCount = 5;
inline constexpr std::array<LimitName, kLimitCount> kLimitNames{
    LimitName::LossSession, LimitName::LossDay, LimitName::WinSession, LimitName::TimeDay,
    LimitName::RealityCheck};

// "loss-session", "loss-day", "win-session", "time-day", "reality-check".
std::string_view limitKey(LimitName name);
std::optional<LimitName> limitNamed(std::string_view key);

// The reality check's intervals in minutes; 0 is off.
inline constexpr std::array<int, 5> kCheckIntervals{0, 15, 30, 60, 120};
inline constexpr int kDefaultCheckMinutes = 60;
// How long a looser limit waits before it applies.
inline constexpr std::int64_t kLoosenDelayMs = 24LL * 60 * 60 * 1000;

struct LimitEntry {
    std::optional<double> value;    // none: no limit (the reality check: off)
    bool waiting = false;           // a looser value waits to apply
    std::optional<double> pending;  // that value; none: the limit goes
    std::int64_t appliesMs = 0;     // when it applies, ms since the epoch
};

// Why a value cannot be a limit of that name, or nullopt when it can. Money and minutes are
// above 0; the reality check takes one of kCheckIntervals.
std::optional<std::string> limitProblem(LimitName name, double value);

class LimitBook {
  public:
    LimitBook();
    const LimitEntry& entry(LimitName name) const { return entries_[index(name)]; }
    std::optional<double> value(LimitName name) const { return entry(name).value; }

    enum class Change : std::uint8_t { AtOnce, Waiting, Unchanged };
    // Sets a limit (none: removes it) at `nowMs`. A new or tighter value applies at once and
    // drops any looser one waiting; a looser one waits kLoosenDelayMs. The value must pass
    // limitProblem.
    Change set(LimitName name, std::optional<double> value, std::int64_t nowMs);
    // Sets a limit at once, whatever it was: the simulator's sessions.
    void force(LimitName name, std::optional<double> value);
    // Puts in place the looser values whose time has come; true when one did.
    bool applyDue(std::int64_t nowMs);

    // As lines "key=value" for the limits file, and back. Lines that are no such limit are
    // skipped; a value that is no limit leaves the default.
    std::vector<std::string> toLines() const;
    static LimitBook fromLines(const std::vector<std::string>& lines);

  private:
    static int index(LimitName name) { return static_cast<int>(name); }
    std::array<LimitEntry, kLimitCount> entries_;
};

// The session's figures, since the program started: the spins entered, the dollars put on
// the table and paid back, and the net.
struct SessionTally {
    int spins = 0;
    long long staked = 0;
    double won = 0;
    double net = 0;
    friend bool operator==(const SessionTally&, const SessionTally&) = default;
};

// Why the advisor itself stopped advising in this run, beside the quit marks of the wager
// sequences: a stake above the balance, or a limit reached.
struct AdviceStop {
    bool balanceTooLow = false;
    std::optional<LimitName> limit;
    bool any() const { return balanceTooLow || limit.has_value(); }
};

// What the limits are measured on.
struct LimitFigures {
    double sessionNet = 0;
    double dayNet = 0;
    std::int64_t daySeconds = 0;
};
// The first limit of loss-session, loss-day, win-session and time-day that these figures
// reach, or nullopt.
std::optional<LimitName> limitReached(const LimitBook& book, const LimitFigures& figures);
// The advice a reached limit gives: "Loss limit reached: stop now", ...
std::string_view stopAdvice(LimitName name);

// Local time: the day as "2026-12-06", and the moment as ISO 8601 "2026-12-06T21:40:00".
std::string localDay(std::int64_t ms);
std::string localIso(std::int64_t ms);
// A moment, in ms since the epoch, before which the local day of `ms` surely goes on: the next
// local midnight, or on a day when summer time starts or ends an hour less (`ms` itself within
// that day's last hour).
std::int64_t localDaySureUntilMs(std::int64_t ms);
// Play time as h:mm:ss.
std::string clockText(std::int64_t seconds);

}  // namespace brisvale
