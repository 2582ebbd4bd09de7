// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls a user sets or presses, by name: the one table that the console, the window's
// binder and the panel lists read. Each name comes with the kind of control it is and what it
// stands for in the game.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "view/controls.hpp"
#include "view/form.hpp"

namespace brisvale {

enum class ControlKind { Check, Option, Text, List, Button, Label };

// What a control stands for.
enum class ControlRole {
    PlayStyle,        // Classic, Multi, Super
    Defaults,         // aggressive or conservative defaults
    WatchFamily,      // a family of bets watched (the Even chances as a whole at 7)
    WatchEvenChance,  // one of Red/Black, Odd/Even, High/Low
    WatchSingle,      // the Single numbers
    RandomThreshold,  // the High box of a family draws its threshold at random
    ConservativeBetting,
    ThresholdLow,   // a family's lowest threshold
    ThresholdHigh,  // a family's highest threshold
    Balance,        // the bankroll entered
    HowMany,        // how many bets of a family at once
    UnitWager,
    SpinLimit,
    WinLimit,
    TimeLimit,
    Casino,      // the casino whose history is kept
    Start,       // Start / Submit
    MoreOrLess,  // shows or hides the advanced settings
    DeleteCasino,
    ReplayHistory,
    HighLabel,  // the "High:" label beside a High box
    // The Custom Wagering dialog.
    WagerSequence,  // a family's sequence of wagers
    AutoIncrease,   // the wagers grow with the balance
    IncreaseChips,  // by how many chips
    IncreaseSteps,  // in how many steps
    WageringDefaults,
    WageringOk,
    WageringCancel,
};

struct ControlEntry {
    std::string_view name;
    ControlKind kind;
    ControlRole role;
    // Where the control sits among its like: the family of a threshold box, a Random box, a
    // High label or a wager sequence; familyBoxes[index], howMany[index], styleButtons[index];
    // 0 for a single control.
    int index = 0;
    // The control is on the Custom Wagering dialog, not on the main window's panel.
    bool wageringDialog = false;
};

// Every control: the main window's in the order the panel lists them (option buttons, check
// boxes, text boxes, lists, then the buttons and the labels that are only shown), then the
// Custom Wagering dialog's.
std::span<const ControlEntry> controlTable();
// The entry named exactly `name`, or nullptr.
const ControlEntry* findControl(std::string_view name);
// The name of the (first) control that stands for `role`.
std::string_view controlName(ControlRole role);

// The parts of the Form an entry stands for: nullptr when the entry is of another kind.
CheckBox* checkBoxOf(Form& form, const ControlEntry& control);
const CheckBox* checkBoxOf(const Form& form, const ControlEntry& control);
OptionButton* optionOf(Form& form, const ControlEntry& control);
const OptionButton* optionOf(const Form& form, const ControlEntry& control);
TextBox* textBoxOf(Form& form, const ControlEntry& control);
const TextBox* textBoxOf(const Form& form, const ControlEntry& control);
ListBox* listOf(Form& form, const ControlEntry& control);
const ListBox* listOf(const Form& form, const ControlEntry& control);
Button* buttonOf(Form& form, const ControlEntry& control);
const Button* buttonOf(const Form& form, const ControlEntry& control);
// Whether the user can reach the control now.
bool controlEnabled(const Form& form, const ControlEntry& control);
// The play-style panel as the user sees it, and the disabled controls of the window, sorted.
std::vector<ControlView> panelControls(const Form& form);
std::vector<std::string> disabledControls(const Form& form);

// Names of the how-many lists: "cboDozen", "cboRow", ...
std::string_view howManyName(int k);
// The "High:" label beside a family's High box (Even -> "Label15", ... Single -> "Label43").
std::string_view highLabelName(int family);
// The names of a family's Low or High threshold box and of its Random box.
std::string_view thresholdBoxName(int family, bool high);
std::string_view randomBoxName(int family);

}  // namespace brisvale
