// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/desk.hpp"
#include "util/numbers.hpp"

namespace brisvale {

Part::Part(Desk& desk)
    : d_(desk), s_(desk.s_), ports_(desk.ports_), settings_(desk.settings_), log_(desk.log_) {}

void Presenter::listSpin() {
    if (d_.shown_) s_.form.historyBox.AddHistoryLine(s_.SpinNumber);
}

void Presenter::clearHistory() {
    s_.form.historyBox.clear();
}

void Presenter::listRecorded(std::span<const int> spins) {
    for (int n : spins) {
        if (n >= 0) s_.form.historyBox.AddHistoryLine(n);
    }
}

void Presenter::showBalanceAgain() {
    formatNumberInto(s_.form.balanceBox.text, s_.Balance);
}

void Presenter::askForBalance() {
    s_.form.balanceBox.text.clear();
    d_.panel.focusOn("Text18");
}

void Presenter::toggleOnTop() {
    s_.form.alwaysOnTop = !s_.form.alwaysOnTop;
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
