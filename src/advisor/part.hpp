// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every part of the Advisor reaches: the desk it shares with the others, and the run's
// state, the ports, the settings and the debug log on that desk.

#include "advisor/advisor_types.hpp"
#include "advisor/panel_entries.hpp"

namespace brisvale {

struct Desk;

class Part {
  public:
    explicit Part(Desk& desk);
    Part(const Part&) = delete;
    Part& operator=(const Part&) = delete;

  protected:
    ~Part() = default;

    Desk& d_;
    PlayState& s_;
    // What the player has entered, to read; every change goes through changeEntries(), or
    // changeBalance() for the balance box alone, so that the window shows it.
    const PanelEntries& entries_;
    PanelEntries& changeEntries();
    std::string& changeBalance();
    Form& form_;
    Ports& ports_;
    Settings& settings_;
    DebugLog& log_;
};

}  // namespace brisvale
