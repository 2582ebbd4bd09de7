// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/bet_lists.hpp"

#include <algorithm>

namespace brisvale {

void BetList::remove(BetId id) {
    if (!members_.test(id)) return;
    auto* last = std::remove(ids_.begin(), ids_.begin() + count_, id);
    count_ = static_cast<int>(last - ids_.begin());
    members_.reset(id);
    printedStale_ = true;
}

void BetList::removeAll(const BetSet& gone) {
    if ((members_ & gone).none()) return;
    auto* last = std::remove_if(ids_.begin(), ids_.begin() + count_,
                                [&gone](BetId id) { return gone.test(id); });
    count_ = static_cast<int>(last - ids_.begin());
    members_ &= ~gone;
    printedStale_ = true;
}

void BetList::gatherPrinted() const {
    printed_ = 0;
    for (int i = 0; i < count_; ++i) printed_ |= bet(ids_[i]).printed;
    printedStale_ = false;
}

std::string BetList::listText() const {
    std::string out;
    for (int i = 0; i < count_; ++i) {
        out += label(ids_[i]);
        out += ',';
    }
    return out;
}

std::string BetList::winnersText() const {
    std::string out;
    for (int i = 0; i < count_; ++i) {
        out += ',';
        out += label(ids_[i]);
    }
    return out;
}

std::string BetList::plainText() const {
    return count_ == 0 ? std::string() : std::string(label(ids_[0]));
}

}  // namespace brisvale
