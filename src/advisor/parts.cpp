// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/desk.hpp"

namespace brisvale {

Part::Part(Desk& desk)
    : d_(desk), s_(desk.s_), ports_(desk.ports_), settings_(desk.settings_), log_(desk.log_) {}

void Presenter::listSpin() {
    if (d_.shown_) s_.form.historyBox.AddHistoryLine(s_.SpinNumber);
}

void UndoJournal::endUndoHistory() {
    d_.undo_.clear();
}

bool UndoJournal::recording() const {
    return d_.recordUndo_ && !d_.replaying_ && !d_.replay_;
}

void RunFileKeeper::markRunDirty() {
    d_.runDirty_ = true;
}

}  // namespace brisvale
