// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/desk.hpp"

namespace brisvale {

Presenter::Presenter(Desk& desk)
    : d_(desk), s_(desk.s_), ports_(desk.ports_), settings_(desk.settings_), log_(desk.log_) {}

RunCycle::RunCycle(Desk& desk)
    : d_(desk), s_(desk.s_), ports_(desk.ports_), settings_(desk.settings_), log_(desk.log_) {}

ClassicEngine::ClassicEngine(Desk& desk)
    : d_(desk), s_(desk.s_), ports_(desk.ports_), settings_(desk.settings_), log_(desk.log_) {}

MultiEngine::MultiEngine(Desk& desk)
    : d_(desk), s_(desk.s_), ports_(desk.ports_), settings_(desk.settings_), log_(desk.log_) {}

CasinoBook::CasinoBook(Desk& desk)
    : d_(desk), s_(desk.s_), ports_(desk.ports_), settings_(desk.settings_), log_(desk.log_) {}

StylePanel::StylePanel(Desk& desk)
    : d_(desk), s_(desk.s_), ports_(desk.ports_), settings_(desk.settings_), log_(desk.log_) {}

WageringEditor::WageringEditor(Desk& desk)
    : d_(desk), s_(desk.s_), ports_(desk.ports_), settings_(desk.settings_), log_(desk.log_) {}

UndoJournal::UndoJournal(Desk& desk)
    : d_(desk), s_(desk.s_), ports_(desk.ports_), settings_(desk.settings_), log_(desk.log_) {}

RunFileKeeper::RunFileKeeper(Desk& desk)
    : d_(desk), s_(desk.s_), ports_(desk.ports_), settings_(desk.settings_), log_(desk.log_) {}

HistoryReplay::HistoryReplay(Desk& desk)
    : d_(desk), s_(desk.s_), ports_(desk.ports_), settings_(desk.settings_), log_(desk.log_) {}

ControlAdapter::ControlAdapter(Desk& desk)
    : d_(desk), s_(desk.s_), ports_(desk.ports_), settings_(desk.settings_), log_(desk.log_) {}

MenuBar::MenuBar(Desk& desk)
    : d_(desk), s_(desk.s_), ports_(desk.ports_), settings_(desk.settings_), log_(desk.log_) {}

TableWatch::TableWatch(Desk& desk)
    : d_(desk), s_(desk.s_), ports_(desk.ports_), settings_(desk.settings_), log_(desk.log_) {}

SafetyGuard::SafetyGuard(Desk& desk)
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
