// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ordered lists of bets: the family lists, the multi-bet CurrentBet and the winners of a spin.
// They keep ids in the order added plus a membership set; the text the user sees is rendered.

#include <array>
#include <cstdint>
#include <string>

#include "model/bets.hpp"

namespace brisvale {

class BetList {
  public:
    int size() const { return count_; }
    bool empty() const { return count_ == 0; }
    BetId operator[](int i) const { return ids_[i]; }
    const BetId* begin() const { return ids_.data(); }
    const BetId* end() const { return ids_.data() + count_; }
    bool contains(BetId id) const { return members_.test(id); }
    const BetSet& members() const { return members_; }
    // The numbers printed in the labels of the list (the overlap search of inside bets). Only
    // the inside families' lists are asked, so a removal leaves it to be gathered again then.
    NumberMask printed() const {
        if (printedStale_) gatherPrinted();
        return printed_;
    }

    // Inline: the triggers add and clear inside their scans.
    void push_back(BetId id) {
        ids_[count_++] = id;
        members_.set(id);
        printed_ |= bet(id).printed;  // (still stale if it was: the gathering adds it then)
    }
    void remove(BetId id);
    // Removes every member of `gone` in one walk.
    void removeAll(const BetSet& gone);
    void clear() {
        count_ = 0;
        members_.reset();
        printed_ = 0;
        printedStale_ = false;
    }
    void assignSingle(BetId id) {
        clear();
        push_back(id);
    }

    // Entries joined: "Red,1st 12," (list entries), or ",Red,1st 12" (winners entries).
    std::string listText() const;
    std::string winnersText() const;
    // Classic CurrentBet: the one label, "" when empty.
    std::string plainText() const;

  private:
    void gatherPrinted() const;

    std::array<BetId, kBetCount> ids_{};
    int count_ = 0;
    BetSet members_;
    mutable NumberMask printed_ = 0;
    mutable bool printedStale_ = false;
};

}  // namespace brisvale
