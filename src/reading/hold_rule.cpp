// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/hold_rule.hpp"

#include <algorithm>
#include <utility>

namespace brisvale::reading {

Reading Reading::of(std::vector<int> newestFirst) {
    const bool valid =
        std::ranges::any_of(newestFirst, [](int n) { return n != kUnread; }) &&
        std::ranges::all_of(newestFirst, [](int n) { return n == kUnread || (n >= 0 && n <= 36); });
    if (!valid) return unsure();
    return {Status::Numbers, std::move(newestFirst)};
}

HoldRule::HoldRule(DisplayKind kind, int holdCaptures)
    : kind_(kind), hold_(std::max(1, holdCaptures)) {}

void HoldRule::reset() {
    candidate_ = {};
    seen_ = 0;
    started_ = false;
    settled_ = {};
    askedOfPlayer_ = 0;
    settles_ = 0;
}

void HoldRule::settle(const Reading& r) {
    settled_ = r;
    // What is settled is where the next move is counted from.
    settled_.moved = kind_ == DisplayKind::Strip ? 0 : Reading::kMoveUnknown;
    ++settles_;
}

Settled HoldRule::observe(const Reading& reading) {
    if (seen_ > 0 && reading == candidate_) {
        ++seen_;
    } else {
        candidate_ = reading;
        seen_ = 1;
    }
    // Settles once, on the capture that completes the hold, and only what differs.
    if (seen_ != hold_ || (started_ && reading == settled_)) return {};
    if (!started_) {
        // A strip hidden at the start says nothing of where it stands.
        if (kind_ == DisplayKind::Strip && reading.status == Reading::Status::Blank) return {};
        started_ = true;
        if (reading.status != Reading::Status::Unsure) settle(reading);
        return {};
    }
    return kind_ == DisplayKind::Result ? settleResult(reading) : settleStrip(reading);
}

Settled HoldRule::settleResult(const Reading& r) {
    settle(r);
    switch (r.status) {
        case Reading::Status::Blank:
            askedOfPlayer_ = 0;
            return {};
        case Reading::Status::Unsure:
            if (askedOfPlayer_ > 0) return {};
            askedOfPlayer_ = 1;
            return {{}, true};
        case Reading::Status::Numbers:
            if (askedOfPlayer_ > 0) return {};
            return {{r.numbers.front()}, false};
    }
    return {};
}

Settled HoldRule::settleStrip(const Reading& r) {
    // A strip that blanks between spins keeps its last numbers.
    if (r.status == Reading::Status::Blank) return {};
    if (r.status == Reading::Status::Unsure) {
        askedOfPlayer_ = std::min<int>(askedOfPlayer_ + 1, kMostNewAtOnce);
        return {{}, true};
    }
    const std::vector<int>& was = settled_.numbers;
    const std::vector<int>& now = r.numbers;
    const std::optional<std::size_t> found =
        r.moved >= 0 ? movedAsShown(was, now, r.moved) : shiftOf(was, now);
    std::vector<int> merged = now;
    // What was read of a cell before stays known where the new reading missed it.
    if (found) {
        for (std::size_t i = *found; i < merged.size() && i - *found < was.size(); ++i) {
            if (merged[i] == Reading::kUnread) merged[i] = was[i - *found];
        }
    }
    if (found && *found == 0) {
        Reading same = settled_;
        same.numbers = merged;
        settle(same);
        return {};
    }
    const std::size_t shift = found.value_or(0);
    // The oldest new numbers are those the player was asked for; the others must all be read.
    const std::size_t skip = std::min<std::size_t>(static_cast<std::size_t>(askedOfPlayer_), shift);
    if (std::any_of(now.begin(), now.begin() + static_cast<std::ptrdiff_t>(shift - skip),
                    [](int n) { return n == Reading::kUnread; })) {
        // Asked of the player, and the strip stays where it was, so the next sure reading still
        // lines up with it.
        askedOfPlayer_ = std::min<int>(askedOfPlayer_ + 1, kMostNewAtOnce);
        return {{}, true};
    }
    Reading moved = r;
    moved.numbers = merged;
    settle(moved);
    askedOfPlayer_ = 0;
    if (shift == 0) return {{}, true};
    Settled s;
    for (std::size_t i = shift - skip; i-- > 0;) s.entered.push_back(now[i]);
    return s;
}

}  // namespace brisvale::reading

namespace brisvale::reading {

std::optional<std::size_t> HoldRule::shiftOf(const std::vector<int>& was,
                                             const std::vector<int>& now) const {
    // A strip never shrinks, and the old strip must be seen again where the two overlap.
    if (now.size() < was.size()) return std::nullopt;
    const auto same = [](int a, int b) {
        return a == b || a == Reading::kUnread || b == Reading::kUnread;
    };
    // Cells not read match anything, so more than one shift may fit: then nothing is sure.
    std::optional<std::size_t> fits;
    for (std::size_t k = 0; k <= kMostNewAtOnce && k <= now.size(); ++k) {
        const std::size_t overlap = std::min(was.size(), now.size() - k);
        if (now.size() - k > was.size() || (overlap == 0 && !was.empty())) continue;
        if (std::equal(was.begin(), was.begin() + static_cast<std::ptrdiff_t>(overlap),
                       now.begin() + static_cast<std::ptrdiff_t>(k), same)) {
            if (fits) return std::nullopt;
            fits = k;
        }
    }
    return fits;
}

std::optional<std::size_t> HoldRule::movedAsShown(const std::vector<int>& was,
                                                  const std::vector<int>& now, int moved) {
    const auto k = static_cast<std::size_t>(moved);
    if (k > kMostNewAtOnce || now.size() < was.size() || k > now.size()) return std::nullopt;
    for (std::size_t i = k; i < now.size() && i - k < was.size(); ++i) {
        const int a = now[i], b = was[i - k];
        if (a != b && a != Reading::kUnread && b != Reading::kUnread) return std::nullopt;
    }
    return k;
}

}  // namespace brisvale::reading
