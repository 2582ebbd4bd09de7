// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/limits.hpp"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "util/numbers.hpp"

namespace brisvale {
namespace {

constexpr std::array<std::string_view, kLimitCount> kKeys{"loss-session", "loss-day", "win-session",
                                                          "time-day", "reality-check"};
// Far beyond any stake or day: a figure past it is a slip of the keyboard.
constexpr double kMostMoney = 1e12;
constexpr double kMostMinutes = 24 * 60;

// A value is tighter than another when it stops play earlier: any limit is tighter than none,
// a smaller figure tighter than a larger one (a shorter check interval, a nearer win goal).
bool looser(std::optional<double> next, std::optional<double> now) {
    if (!now) return false;
    return !next || *next > *now;
}

// Compared by hand: GCC 12 warns falsely of optional's own comparison.
bool same(std::optional<double> a, std::optional<double> b) {
    if (a.has_value() != b.has_value()) return false;
    return !a || *a == *b;
}

LimitEntry settled(std::optional<double> value) {
    LimitEntry e;
    e.value = value;
    return e;
}

std::string valueText(std::optional<double> value) {
    return value ? formatNumber(*value) : std::string("none");
}

std::string localFormat(std::int64_t ms, const char* format) {
    const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
    std::tm local{};
    char text[32] = "?";
    if (localtime_r(&seconds, &local) != nullptr) std::strftime(text, sizeof text, format, &local);
    return text;
}

}  // namespace

std::string_view limitKey(LimitName name) {
    return kKeys[static_cast<int>(name)];
}

std::optional<LimitName> limitNamed(std::string_view key) {
    for (LimitName name : kLimitNames) {
        if (limitKey(name) == key) return name;
    }
    return std::nullopt;
}

std::optional<std::string> limitProblem(LimitName name, double value) {
    const std::string key(limitKey(name));
    if (name == LimitName::RealityCheck) {
        if (std::ranges::find(kCheckIntervals, value) != kCheckIntervals.end()) return std::nullopt;
        return key + " takes 0 (off), 15, 30, 60 or 120 minutes";
    }
    const bool minutes = name == LimitName::TimeDay;
    const double most = minutes ? kMostMinutes : kMostMoney;
    if (!std::isfinite(value) || value <= 0 || value > most) {
        return key + " takes " + (minutes ? "minutes" : "dollars") + " above 0 and up to " +
               formatNumber(most);
    }
    return std::nullopt;
}

LimitBook::LimitBook() {
    entries_[index(LimitName::RealityCheck)].value = kDefaultCheckMinutes;
}

LimitBook::Change LimitBook::set(LimitName name, std::optional<double> value, std::int64_t nowMs) {
    // The reality check's 0 is off: no check, the loosest value.
    if (name == LimitName::RealityCheck && value && *value == 0) value.reset();
    LimitEntry& e = entries_[index(name)];
    if (looser(value, e.value)) {
        e.waiting = true;
        e.pending = value;
        e.appliesMs = nowMs + kLoosenDelayMs;
        return Change::Waiting;
    }
    const bool unchanged = same(value, e.value) && !e.waiting;
    e = settled(value);
    return unchanged ? Change::Unchanged : Change::AtOnce;
}

void LimitBook::force(LimitName name, std::optional<double> value) {
    if (name == LimitName::RealityCheck && value && *value == 0) value.reset();
    entries_[index(name)] = settled(value);
}

bool LimitBook::applyDue(std::int64_t nowMs) {
    bool changed = false;
    for (LimitEntry& e : entries_) {
        if (e.waiting && nowMs >= e.appliesMs) {
            e = settled(e.pending);
            changed = true;
        }
    }
    return changed;
}

std::vector<std::string> LimitBook::toLines() const {
    std::vector<std::string> lines;
    for (LimitName name : kLimitNames) {
        const LimitEntry& e = entry(name);
        const std::string key(limitKey(name));
        lines.push_back(key + "=" + valueText(e.value));
        if (e.waiting) {
            lines.push_back(key + ".pending=" + valueText(e.pending));
            lines.push_back(key + ".applies=" + std::to_string(e.appliesMs));
        }
    }
    return lines;
}

LimitBook LimitBook::fromLines(const std::vector<std::string>& lines) {
    LimitBook book;
    // A value of the file that is no limit of its name reads as none given.
    const auto read = [](LimitName name, std::string_view text) -> std::optional<double> {
        const std::optional<double> v = parseNumber(text);
        if (!v || limitProblem(name, *v)) return std::nullopt;
        return v;
    };
    for (const std::string& line : lines) {
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string_view key = std::string_view(line).substr(0, eq);
        const std::string_view text = std::string_view(line).substr(eq + 1);
        const std::size_t dot = key.find('.');
        const std::optional<LimitName> name = limitNamed(key.substr(0, dot));
        if (!name) continue;
        LimitEntry& e = book.entries_[index(*name)];
        const std::string_view part = dot == std::string_view::npos ? "" : key.substr(dot + 1);
        if (part.empty()) {
            e.value = text == "none" ? std::nullopt : read(*name, text);
            // Damaged, the reality check keeps its default rather than going off unseen.
            if (*name == LimitName::RealityCheck && text != "none" && !e.value)
                e.value = kDefaultCheckMinutes;
            if (*name == LimitName::RealityCheck && e.value && *e.value == 0) e.value.reset();
        } else if (part == "pending") {
            e.waiting = true;
            e.pending = text == "none" ? std::nullopt : read(*name, text);
            if (*name == LimitName::RealityCheck && e.pending && *e.pending == 0) e.pending.reset();
        } else if (part == "applies") {
            e.appliesMs = parseFigures(text, 1LL << 53).value_or(0);
        }
    }
    // A waiting value without its time, or one looser than nothing, is dropped.
    for (LimitEntry& e : book.entries_) {
        if (e.waiting && (e.appliesMs == 0 || !looser(e.pending, e.value))) {
            e.waiting = false;
            e.pending.reset();
            e.appliesMs = 0;
        }
    }
    return book;
}

std::optional<LimitName> limitReached(const LimitBook& book, const LimitFigures& figures) {
    if (const auto v = book.value(LimitName::LossSession); v && figures.sessionNet <= -*v)
        return LimitName::LossSession;
    if (const auto v = book.value(LimitName::LossDay); v && figures.dayNet <= -*v)
        return LimitName::LossDay;
    if (const auto v = book.value(LimitName::WinSession); v && figures.sessionNet >= *v)
        return LimitName::WinSession;
    if (const auto v = book.value(LimitName::TimeDay);
        v && static_cast<double>(figures.daySeconds) >= *v * 60)
        return LimitName::TimeDay;
    return std::nullopt;
}

std::string_view stopAdvice(LimitName name) {
    switch (name) {
        case LimitName::WinSession:
            return "Win goal reached: stop now";
        case LimitName::TimeDay:
            return "Time limit reached: stop now";
        default:
            return "Loss limit reached: stop now";
    }
}

std::string localDay(std::int64_t ms) {
    return localFormat(ms, "%Y-%m-%d");
}

std::int64_t localDaySureUntilMs(std::int64_t ms) {
    // From the clock's readings alone (mktime would read the time zone again, under no lock).
    const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr) return ms;
    const std::int64_t left = 86400 - (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec);
    // The next midnight as the clock now counts, if summer time neither starts nor ends before
    // it: the offset from UTC is the same on its eve, and the eve is still today.
    const std::time_t eve = static_cast<std::time_t>(seconds + left - 1);
    std::tm atEve{};
    if (localtime_r(&eve, &atEve) != nullptr && atEve.tm_gmtoff == local.tm_gmtoff &&
        atEve.tm_yday == local.tm_yday) {
        return (static_cast<std::int64_t>(seconds) + left) * 1000;
    }
    // A day of summer time's change is an hour shorter or longer: its last hour is never sure.
    return left <= 3600 ? ms : (static_cast<std::int64_t>(seconds) + left - 3600) * 1000;
}

std::string localIso(std::int64_t ms) {
    return localFormat(ms, "%Y-%m-%dT%H:%M:%S");
}

std::string clockText(std::int64_t seconds) {
    seconds = std::max<std::int64_t>(seconds, 0);
    const std::int64_t h = seconds / 3600;
    const int m = static_cast<int>(seconds / 60 % 60);
    const int s = static_cast<int>(seconds % 60);
    return std::to_string(h) + ":" + (m < 10 ? "0" : "") + std::to_string(m) + ":" +
           (s < 10 ? "0" : "") + std::to_string(s);
}

}  // namespace brisvale
