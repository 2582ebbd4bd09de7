// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tests' one door behind the Advisor's public face, for states that no user action
// reaches quickly. Front ends never see this header.

#include "advisor/advisor.hpp"

namespace brisvale {

class AdvisorTestAccess {
  public:
    static PlayState& state(Advisor& a) { return a.d_.s_; }
    // The window as the front ends see it; what the player has entered lives in the entries.
    static Form& form(Advisor& a) {
        a.d_.panel.showEntries();
        return a.d_.form_;
    }
    static PanelEntries& entries(Advisor& a) {
        a.d_.entriesShown_ = false;
        return a.d_.entries_;
    }
};

}  // namespace brisvale
