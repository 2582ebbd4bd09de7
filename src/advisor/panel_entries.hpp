// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the player has put into the panel and the wagering dialog: the ticks, the choices and
// the typed texts, as they stand. The play style, the settings and a run's bankroll are read
// from here; the panel presenter shows these in the window, and nothing reads them back from it.

#include <array>
#include <string>

#include "model/bets.hpp"
#include "view/form.hpp"

namespace brisvale {

struct ControlEntry;

// A row of thresholds as typed: the low and high texts, and the random tick.
struct TypedThresholds {
    std::string low;
    std::string high;
    int random = 0;
    bool operator==(const TypedThresholds&) const = default;
};

struct WageringEntries {
    bool open = false;                                // the dialog is up
    std::array<std::string, kFamilyCount> sequences;  // as typed, Even first
    int autoIncrease = 0;
    int increaseChips = 0;  // the numbers chosen in the two lists; 0: none
    int increaseSteps = 0;
    bool operator==(const WageringEntries&) const = default;
};

struct PanelEntries {
    std::string balance;                                   // the account balance as typed
    std::array<TypedThresholds, kFamilyCount> thresholds;  // by family, Even first
    // The play style chosen: [1] Classic, [2] Multi, [3] Super; none at all is possible.
    std::array<bool, 4> style{};
    bool aggressiveDefaults = false;
    bool conservativeDefaults = false;
    int conservativeBetting = 0;
    // The families watched: 0 unticked, 1 ticked, 2 grey (Even Bets with some of its pairs).
    std::array<int, 8> families{};   // [1]..[7]: rows, Line, Corner, Trio, Split, Dozen, Even
    std::array<int, 4> evenPairs{};  // [1]..[3]: Red/Black, Odd/Even, High/Low
    int singles = 0;
    // The numbers chosen in the lists. How many bets at once: -1 for none chosen; the others
    // start at 1, and 0 is none chosen.
    std::array<int, kHowManyCount> betsAtOnce{-1, -1, -1, -1, -1, -1, -1};
    int unitWager = 0;
    int spinInterval = 0;
    int winLimit = 0;
    int timeLimit = 0;
    WageringEntries wagering;

    TypedThresholds& threshold(int family) { return thresholds[static_cast<std::size_t>(family)]; }
    const TypedThresholds& threshold(int family) const {
        return thresholds[static_cast<std::size_t>(family)];
    }
    bool operator==(const PanelEntries&) const = default;
};

// The entries a window shows, for a window kept in a file or an undo step.
PanelEntries entriesShownIn(const Form& window);
// Shows the entries in the window's boxes and lists; the lists' entries and every box's
// enabled state are left as they are.
void showEntriesIn(const PanelEntries& entries, Form& window);

// Where the player's entries keep a control's value: nullptr when the entry is of another kind,
// and for the casino list, which shows the casino book's choice.
int* tickOf(PanelEntries& entries, const ControlEntry& control);           // a check box
bool* choiceOf(PanelEntries& entries, const ControlEntry& control);        // an option button
std::string* typedOf(PanelEntries& entries, const ControlEntry& control);  // a text box
int* numberOf(PanelEntries& entries, const ControlEntry& control);         // a list

}  // namespace brisvale
