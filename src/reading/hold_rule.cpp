// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/hold_rule.hpp"

#include <algorithm>
#include <utility>

namespace brisvale::reading {

Reading Reading::of(std::vector<int> newestFirst) {
    const bool valid = !newestFirst.empty() &&
                       std::ranges::all_of(newestFirst, [](int n) { return n >= 0 && n <= 36; });
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
        if (reading.status != Reading::Status::Unsure) settled_ = reading;
        return {};
    }
    return kind_ == DisplayKind::Result ? settleResult(reading) : settleStrip(reading);
}

Settled HoldRule::settleResult(const Reading& r) {
    settled_ = r;
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
    // The smallest shift that lays the old strip over the new one: the numbers in front of it
    // are new. A strip never shrinks, and an old strip must be seen again where it overlaps.
    std::size_t shift = 0;
    for (std::size_t k = 1; k <= kMostNewAtOnce && k <= now.size() && now.size() >= was.size();
         ++k) {
        const std::size_t overlap = std::min(was.size(), now.size() - k);
        if (now.size() - k > was.size() || (overlap == 0 && !was.empty())) continue;
        if (std::equal(was.begin(), was.begin() + static_cast<std::ptrdiff_t>(overlap),
                       now.begin() + static_cast<std::ptrdiff_t>(k))) {
            shift = k;
            break;
        }
    }
    settled_ = r;
    const int asked = std::exchange(askedOfPlayer_, 0);
    if (shift == 0) return {{}, true};
    // The oldest new numbers are those the player was asked for.
    const std::size_t skip = std::min<std::size_t>(static_cast<std::size_t>(asked), shift);
    Settled s;
    for (std::size_t i = shift - skip; i-- > 0;) s.entered.push_back(now[i]);
    return s;
}

}  // namespace brisvale::reading
