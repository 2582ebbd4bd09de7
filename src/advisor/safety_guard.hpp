// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Safer play around each press: the session's figures, the player's limits, the advice to
// stop, the question at a Start below the minimum balance, and the reality check.

#include <cstdint>
#include <string_view>

#include "advisor/part.hpp"

namespace brisvale {

class SafetyGuard : public Part {
  public:
    using Part::Part;

    // What a press found before it ran.
    struct PressBefore {
        bool playing;
        double balance;
        std::int64_t nowMs;
    };
    PressBefore safeBeforePress();
    void safeAfterPress(const PressBefore& before);
    bool safeStartAllowed();
    void stopAdvising(std::string_view advice);
    void safeOpen();
    void safeSave();
};

}  // namespace brisvale
