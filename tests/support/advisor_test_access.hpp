// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tests' one door behind the Advisor's public face, for states that no user action
// reaches quickly. Front ends never see this header.

#include "advisor/advisor.hpp"

namespace brisvale {

class AdvisorTestAccess {
  public:
    static PlayState& state(Advisor& a) { return a.d_.s_; }
    static Form& form(Advisor& a) { return a.d_.form_; }
};

}  // namespace brisvale
