// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menus of the main window.

#include "play/advisor_types.hpp"

namespace brisvale {

struct Desk;

class MenuBar {
  public:
    explicit MenuBar(Desk& desk);
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    void Form_Unload();
    // Menus.
    void mnuRestart_Click();
    void mnuLoadSettings_Click();
    void mnuExit_Click();
    void mnuTop_Click();
    void mnuAbout_Click();
    void AboutLabel4_Click();  // "Terms and Conditions"
    void mnuInstructions_Click();
    void mnuCasino_Click(int k);

  private:
    Desk& d_;
    PlayState& s_;
    Ports& ports_;
    Settings& settings_;
    DebugLog& log_;
};

}  // namespace brisvale
