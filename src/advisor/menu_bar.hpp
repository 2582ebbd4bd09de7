// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menus of the main window.

#include "advisor/part.hpp"

namespace brisvale {

class MenuBar : public Part {
  public:
    using Part::Part;

    // Start-up, in the window's order, and the data folder taken before it.
    ActionResult openWindow(const StartOptions& options);
    ActionResult claimDataFolder(const StartOptions& options);
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
    // Tells the user of a program file that is not a file (a folder, a pipe, a device).
    void tellNotAFile();
};

}  // namespace brisvale
