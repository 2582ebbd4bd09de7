#pragma once
// The tests' one door behind the Advisor's public face: scenarios that no user action reaches
// quickly (a history handed over directly, a threshold at the edge of its range, a Form state
// that only the engine itself produces). Front ends never see this header.

#include <utility>
#include <vector>

#include "play/advisor.hpp"

namespace brisvale {

class AdvisorTestAccess {
  public:
    static PlayState& state(Advisor& a) { return a.s_; }
    // The casino's recorded spins, for the next history replay.
    static void setHistory(Advisor& a, const std::vector<int>& spins) {
        a.history_.clear();
        for (int n : spins) a.history_.push_back(n);
    }
};

}  // namespace brisvale
