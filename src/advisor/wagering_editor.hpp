// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The wager sequences and their dialog, and the minimum wager.

#include "advisor/advisor_types.hpp"

namespace brisvale {

struct Desk;

class WageringEditor {
  public:
    explicit WageringEditor(Desk& desk);
    WageringEditor(const WageringEditor&) = delete;
    WageringEditor& operator=(const WageringEditor&) = delete;

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
    ActionResult wageringSet(std::string_view name, std::string_view value);
    // The dialog is modal: while it is open, the main window takes no action. Each guard
    // refuses with the reason the user reads, and is ok otherwise.
    bool wageringOpen() const { return s_.form.wageringDialog.open; }
    void syncUnitWager();
    // Runs the automatic minimum-wager rules in order on the wager the list shows.
    void changeWager(std::initializer_list<WagerRule> rules);

  private:
    Desk& d_;
    PlayState& s_;
    Ports& ports_;
    Settings& settings_;
    DebugLog& log_;
};

}  // namespace brisvale
