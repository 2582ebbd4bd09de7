// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/desk.hpp"
#include "util/numbers.hpp"

namespace brisvale {

Part::Part(Desk& desk)
    : d_(desk),
      s_(desk.s_),
      entries_(desk.entries_),
      form_(desk.form_),
      ports_(desk.ports_),
      settings_(desk.settings_),
      log_(desk.log_) {}

PanelEntries& Part::changeEntries() {
    d_.entriesShown_ = false;
    return d_.entries_;
}

// Play changes the balance box alone, and often.
std::string& Part::changeBalance() {
    d_.balanceShown_ = false;
    return d_.entries_.balance;
}

void Presenter::listSpin() {
    if (d_.shown_) form_.historyBox.AddHistoryLine(s_.SpinNumber);
}

void Presenter::clearHistory() {
    form_.historyBox.clear();
}

void Presenter::listRecorded(std::span<const int> spins) {
    for (int n : spins) {
        if (n >= 0) form_.historyBox.AddHistoryLine(n);
    }
}

void Presenter::showBalanceAgain() {
    formatNumberInto(changeBalance(), s_.Balance);
}

void Presenter::askForBalance() {
    changeBalance().clear();
    d_.panel.focusOn("Text18");
}

void Presenter::toggleOnTop() {
    form_.alwaysOnTop = !form_.alwaysOnTop;
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
