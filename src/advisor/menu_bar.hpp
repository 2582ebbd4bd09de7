// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menus of the main window.

#include "advisor/part.hpp"

namespace brisvale {

class MenuBar : public Part {
  public:
    using Part::Part;

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
};

}  // namespace brisvale
