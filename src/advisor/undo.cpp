// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/undo.hpp"

#include <algorithm>

namespace brisvale {

void ActionLog::add(Act act, int arg, std::span<const std::int64_t> clocks, std::string_view text) {
    const bool hasText = act == Act::WageringSet;
    actions_.push_back(
        {act, static_cast<std::int16_t>(arg), static_cast<std::uint16_t>(clocks.size()), hasText});
    clocks_.insert(clocks_.end(), clocks.begin(), clocks.end());
    if (hasText) texts_.emplace_back(text);
}

void ActionLog::append(const ActionLog& more) {
    actions_.insert(actions_.end(), more.actions_.begin(), more.actions_.end());
    clocks_.insert(clocks_.end(), more.clocks_.begin(), more.clocks_.end());
    texts_.insert(texts_.end(), more.texts_.begin(), more.texts_.end());
}

void ActionLog::truncate(const LogPosition& at) {
    actions_.resize(at.action);
    clocks_.resize(at.clock);
    texts_.resize(at.text);
}

void ActionLog::dropFront(const LogPosition& at) {
    const auto cut = [](auto& items, std::size_t n) {
        items.erase(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(n));
    };
    cut(actions_, at.action);
    cut(clocks_, at.clock);
    cut(texts_, at.text);
}

namespace {

LogPosition minus(const LogPosition& a, const LogPosition& b) {
    return {a.action - b.action, a.clock - b.clock, a.text - b.text};
}

// Just after the press at `at`.
LogPosition after(const ActionLog& log, const LogPosition& at) {
    const LoggedAction& a = log.action(at.action);
    return {at.action + 1, at.clock + a.clocks, at.text + (a.hasText ? 1 : 0)};
}

}  // namespace

void UndoHistory::clear() {
    log_.clear();
    pending_.clear();
    attach_ = {};
    steps_.clear();
    checkpoints_.clear();
    cursor_ = 0;
}

void UndoHistory::begin(Checkpoint base) {
    clear();
    checkpoints_.push_back({std::move(base), {}});
}

void UndoHistory::note(Act act, int arg, std::span<const std::int64_t> clocks,
                       std::string_view text) {
    if (active()) pending_.add(act, arg, clocks, text);
}

bool UndoHistory::notePress(Act act, int arg, std::span<const std::int64_t> clocks, bool start,
                            int number) {
    // What could be redone lies beyond the present state: it goes.
    log_.truncate(attach_);
    steps_.resize(cursor_);
    while (checkpoints_.size() > 1 && checkpoints_.back().at.action > attach_.action) {
        checkpoints_.pop_back();
    }
    log_.append(pending_);
    pending_.clear();
    const LogPosition press = log_.end();
    log_.add(act, arg, clocks, {});
    steps_.push_back({press, start, number});
    cursor_ = steps_.size();
    attach_ = log_.end();
    dropOldest();
    return stepsFrom(checkpoints_.back().at) >= kCheckpointEvery;
}

std::size_t UndoHistory::stepsFrom(const LogPosition& at) const {
    const auto first = std::partition_point(steps_.begin(), steps_.end(), [&](const UndoStep& s) {
        return s.press.action < at.action;
    });
    return static_cast<std::size_t>(steps_.end() - first);
}

void UndoHistory::addCheckpoint(Checkpoint now) {
    checkpoints_.push_back({std::move(now), attach_});
}

// Past kReach + kDropEvery presses, the oldest go, up to the last checkpoint that keeps at
// least kReach: it becomes the start of the history.
void UndoHistory::dropOldest() {
    if (steps_.size() < kReach + kDropEvery) return;
    std::size_t keep = 0;
    while (keep + 1 < checkpoints_.size() && stepsFrom(checkpoints_[keep + 1].at) >= kReach) ++keep;
    if (keep == 0) return;
    const LogPosition from = checkpoints_[keep].at;
    const std::size_t dropped = steps_.size() - stepsFrom(from);
    steps_.erase(steps_.begin(), steps_.begin() + static_cast<std::ptrdiff_t>(dropped));
    cursor_ -= dropped;
    checkpoints_.erase(checkpoints_.begin(),
                       checkpoints_.begin() + static_cast<std::ptrdiff_t>(keep));
    log_.dropFront(from);
    for (UndoStep& s : steps_) s.press = minus(s.press, from);
    for (Saved& c : checkpoints_) c.at = minus(c.at, from);
    attach_ = minus(attach_, from);
}

UndoHistory::Route UndoHistory::routeTo(const LogPosition& goal, bool fromPresent) const {
    if (fromPresent && pending_.empty() && attach_.action <= goal.action) {
        return {nullptr, attach_, goal};
    }
    const auto it = std::find_if(checkpoints_.rbegin(), checkpoints_.rend(),
                                 [&](const Saved& c) { return c.at.action <= goal.action; });
    return {&it->state, it->at, goal};
}

UndoHistory::Route UndoHistory::undo() {
    --cursor_;
    const LogPosition goal = steps_[cursor_].press;
    const Route route = routeTo(goal, false);
    pending_.clear();
    attach_ = goal;
    return route;
}

UndoHistory::Route UndoHistory::redo() {
    const LogPosition goal = after(log_, steps_[cursor_].press);
    const Route route = routeTo(goal, true);
    pending_.clear();
    attach_ = goal;
    ++cursor_;
    return route;
}

}  // namespace brisvale
