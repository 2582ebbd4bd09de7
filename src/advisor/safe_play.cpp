// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/safe_play.hpp"

#include <algorithm>

#include "storage/properties.hpp"
#include "util/numbers.hpp"

namespace brisvale {
namespace {

constexpr std::string_view kDay = "day=";
constexpr std::string_view kDayNet = "day-net=";
constexpr std::string_view kDaySeconds = "day-seconds=";

std::optional<std::string_view> after(std::string_view line, std::string_view key) {
    if (!line.starts_with(key)) return std::nullopt;
    return line.substr(key.size());
}

// "$25", "-$25".
std::string dollars(double amount) {
    return (amount < 0 ? "-$" : "$") + formatNumber(amount < 0 ? -amount : amount);
}

}  // namespace

std::string realityCheckText(const SessionView& view) {
    const SessionTally& t = view.tally;
    return "You have played for " + clockText(view.seconds) +
           ".\r\n\r\nSpins: " + std::to_string(t.spins) +
           "\r\nStaked: " + dollars(static_cast<double>(t.staked)) + "\r\nWon: " + dollars(t.won) +
           "\r\nNet since the session started: " + dollars(t.net) +
           "\r\nNet of this run: " + dollars(view.runNet);
}

void SafePlay::open(const std::filesystem::path& file, std::int64_t nowMs, const DebugLog* log) {
    file_ = file;
    log_ = log;
    sessionStartMs_ = dayStartMs_ = checkFromMs_ = savedMs_ = nowMs;
    day_ = localDay(nowMs);
    daySureUntilMs_ = localDaySureUntilMs(nowMs);
    if (file_.empty()) return;
    const auto lines = readLines(file_, log_);
    if (!lines) return;
    book_ = LimitBook::fromLines(*lines);
    book_.applyDue(nowMs);
    // The day's figures count only on the day they were written.
    bool today = false;
    for (const std::string& line : *lines) {
        if (const auto v = after(line, kDay)) today = *v == day_;
    }
    if (!today) return;
    for (const std::string& line : *lines) {
        if (const auto v = after(line, kDayNet)) dayNetBefore_ = parseNumber(*v).value_or(0);
        if (const auto v = after(line, kDaySeconds))
            dayMsBefore_ = parseWhole(*v, 0, 86400).value_or(0) * 1000;
    }
}

LimitBook SafePlay::bookAt(std::int64_t nowMs) const {
    LimitBook book = book_;
    book.applyDue(nowMs);
    return book;
}

LimitBook::Change SafePlay::set(LimitName name, std::optional<double> value, std::int64_t nowMs) {
    book_.applyDue(nowMs);
    return book_.set(name, value, nowMs);
}

std::int64_t SafePlay::sessionSeconds(std::int64_t nowMs) const {
    return std::max<std::int64_t>(0, nowMs - sessionStartMs_) / 1000;
}

void SafePlay::rollDay(const SessionTally& session, std::int64_t nowMs) {
    // The day's name is looked up only where the day may have changed.
    if (nowMs < daySureUntilMs_ || nowMs < dayStartMs_) return;
    daySureUntilMs_ = localDaySureUntilMs(nowMs);
    const std::string today = localDay(nowMs);
    if (today == day_) return;
    day_ = today;
    dayNetBefore_ = 0;
    dayMsBefore_ = 0;
    daySessionNet_ = session.net;
    dayStartMs_ = nowMs;
}

LimitFigures SafePlay::figures(const SessionTally& session, std::int64_t nowMs) {
    rollDay(session, nowMs);
    LimitFigures f;
    f.sessionNet = session.net;
    f.dayNet = dayNetBefore_ + session.net - daySessionNet_;
    f.daySeconds = (dayMsBefore_ + std::max<std::int64_t>(0, nowMs - dayStartMs_)) / 1000;
    return f;
}

bool SafePlay::save(const SessionTally& session, std::int64_t nowMs) {
    if (file_.empty()) return true;
    savedMs_ = nowMs;
    const LimitFigures f = figures(session, nowMs);
    std::vector<std::string> lines = book_.toLines();
    lines.push_back(std::string(kDay) + day_);
    lines.push_back(std::string(kDayNet) + formatNumber(f.dayNet));
    lines.push_back(std::string(kDaySeconds) + std::to_string(f.daySeconds));
    return writeLines(file_, lines, log_);
}

bool SafePlay::checkDue(std::int64_t nowMs) const {
    const std::optional<double> minutes = book_.value(LimitName::RealityCheck);
    if (!minutes || checkOpen_) return false;
    return nowMs - checkFromMs_ >= static_cast<std::int64_t>(*minutes * 60'000);
}

}  // namespace brisvale
