// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The undo history: checkpoints, and actions carried out again.

#include "advisor/part.hpp"

namespace brisvale {

class UndoJournal : public Part {
  public:
    using Part::Part;

    // An action that is carried out again when the history goes back or on.
    template <class Action>
    ActionResult logged(Act act, int arg, Action&& action, std::string_view text = {});
    // A press of Button1, typed (Enter) or clicked: an undo step when it is accepted.
    ActionResult pressButton1(Act act, int arg);
    Checkpoint checkpoint() const;
    void restore(const Checkpoint& c);
    ActionResult travel(const UndoHistory::Route& route);
    void carryOut(const LoggedAction& a, const LogPosition& at);
    // An action the history cannot carry out again (settings, casinos, files) ends it.
    void endUndoHistory();
    bool recording() const;
    Json undoJson() const;
    // The undo history of a resumed run; false when the file's cannot be used.
    bool resumeUndo(const Json& undo);
};

}  // namespace brisvale
