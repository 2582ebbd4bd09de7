// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Safer play around each press: the session's figures, the player's limits, the advice to
// stop, the question at a Start below the minimum balance, and the reality check.

#include <cstdint>
#include <string_view>

#include "advisor/advisor_types.hpp"

namespace brisvale {

struct Desk;

class SafetyGuard {
  public:
    explicit SafetyGuard(Desk& desk);
    SafetyGuard(const SafetyGuard&) = delete;
    SafetyGuard& operator=(const SafetyGuard&) = delete;

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

  private:
    Desk& d_;
    PlayState& s_;
    Ports& ports_;
    Settings& settings_;
    DebugLog& log_;
};

}  // namespace brisvale
