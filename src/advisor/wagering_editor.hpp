// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The wager sequences and their dialog, and the minimum wager.

#include "advisor/part.hpp"

namespace brisvale {

class WageringEditor : public Part {
  public:
    using Part::Part;

    ActionResult refusedWhileWageringOpen() const;   // an action on the main window
    ActionResult refusedUnlessWageringOpen() const;  // an action on the dialog
    void openWageringDialog();
    // Wagering dialog.
    void LoadControls();
    void autoIncreaseToggled();
    // The custom wagering dialog.
    void wageringDefaults();  // Defaults
    void wageringOk();        // OK
    void wageringCancel();    // Cancel
    void wageringClosed();    // the close box
    bool SaveWagering();
    // The dialog is modal: while it is open, the main window takes no action. Each guard
    // refuses with the reason the user reads, and is ok otherwise.
    bool wageringOpen() const { return entries_.wagering.open; }
    void syncUnitWager();
    // Runs the automatic minimum-wager rules in order on the wager the list shows.
    void changeWager(std::initializer_list<WagerRule> rules);
};

}  // namespace brisvale
