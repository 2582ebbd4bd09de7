// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menus of the main window.

#include "advisor/advisor_types.hpp"

namespace brisvale {

struct Desk;

class MenuBar {
  public:
    explicit MenuBar(Desk& desk);
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    void closeWindow();
    // Menus.
    void restart();
    void reloadSettings();
    void exitProgram();
    void toggleOnTop();
    void showAbout();
    void showTerms();  // "Terms and Conditions"
    void showInstructions();
    void openCasinoSite(int k);

  private:
    Desk& d_;
    PlayState& s_;
    Ports& ports_;
    Settings& settings_;
    DebugLog& log_;
};

}  // namespace brisvale
