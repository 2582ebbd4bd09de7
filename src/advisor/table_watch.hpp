// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tables watched beside the run: spins entered there, their undo steps, their alerts, and
// the run's presses that raise alerts.

#include <string>
#include <string_view>

#include "advisor/part.hpp"

namespace brisvale {

// A spin entered at a watched table, as its undo step.
struct TableStep {
    std::string name;
    TableCounts before;    // the table as it stood before the spin
    std::size_t line = 0;  // and the length of its line
    int spin = 0;
    std::size_t stamp = 0;  // the run's undo steps when it was entered
};

class TableWatch : public Part {
  public:
    using Part::Part;

    const WatchStyle& watchStyle() const;
    ActionResult watchClick(int cell);
    ActionResult watchKey(std::string_view key);
    ActionResult watchPress();
    // The start button pressed (Start, then Submit): at the target table, or in the run.
    ActionResult pressStart();
    // A press of the start button for the run, with the alerts it raises.
    ActionResult runPress(Act act, int arg);
    void raise(Alert::Kind kind, std::string table, std::string text);
    // True when the last step to undo (redo) is a watched table's spin, which it then undoes.
    bool undoTableSpin();
    bool redoTableSpin();
    void dropTableSteps(std::string_view name);
    // The watched tables' spins in Edit > Undo Spin and Redo Spin.
    void addTableSteps(EditMenuView& view, bool reachable) const;
    void writeTableLine(const WatchedTable& table);
    // A casino chosen for the run is no longer watched; keys follow a deleted casino.
    void unwatchChosen(std::string_view name);
    void rekeyWatched();
    Json watchingJson() const;
    void resumeWatching(const Json& watching);
};

}  // namespace brisvale
