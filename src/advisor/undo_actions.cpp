// SPDX-License-Identifier: GPL-3.0-or-later
// The user's actions as the front ends call them: each is carried out, taken into the undo
// history (or ends it), and marks the run file for writing. Edit > Undo Spin and Redo Spin.

#include <memory>

#include "advisor/advisor.hpp"
#include "advisor/control_table.hpp"

namespace brisvale {
namespace {

std::string stepCaption(const char* verb, const UndoStep* step) {
    if (!step) return std::string(verb) + " Spin";
    if (step->start) return std::string(verb) + " Start";
    return std::string(verb) + " Spin " + std::to_string(step->number);
}

}  // namespace

template <class Action>
ActionResult UndoJournal::logged(Act act, int arg, Action&& action, std::string_view text) {
    const bool taping = recording() && d_.undo_.active();
    if (taping) d_.clock_.tape();
    const ActionResult result = action();
    if (taping) {
        const auto clocks = d_.clock_.taped();
        if (result.ok) d_.undo_.note(act, arg, clocks, text);
    }
    if (result.ok) d_.runFile.markRunDirty();
    return result;
}

ActionResult UndoJournal::pressButton1(Act act, int arg) {
    if (d_.safe_.checkOpen() && !d_.replaying_) {
        return ActionResult::refused("Answer the reality check first.");
    }
    const bool taping = recording();
    const bool starting = !s_.playing();
    // A Start begins a new history; so does the first press after the history ended. (On the
    // heap: a checkpoint is large, and most presses need none.)
    std::unique_ptr<Checkpoint> base;
    if (taping && (starting || !d_.undo_.active()))
        base = std::make_unique<Checkpoint>(checkpoint());
    if (taping) d_.clock_.tape();
    d_.pressTaken_ = false;
    const ActionResult result =
        act == Act::Key ? d_.controls.doKey("Enter") : d_.controls.doPressStart();
    if (taping) {
        const auto clocks = d_.clock_.taped();
        if (result.ok && d_.pressTaken_) {
            if (base) d_.undo_.begin(std::move(*base));
            if (d_.undo_.notePress(act, arg, clocks, starting, s_.SpinNumber)) {
                d_.undo_.addCheckpoint(checkpoint());
            }
        } else if (result.ok || act == Act::Key) {
            // Refused presses still paint the panel, and Enter forgets a typed digit.
            d_.undo_.note(act, arg, clocks);
        }
    }
    if (result.ok) d_.runFile.markRunDirty();
    return result;
}

ActionResult Advisor::userOpenWindow(const StartOptions& options) {
    // A window on a stored style touches no file and keeps nothing for later.
    d_.recordUndo_ = options.recordUndo && !options.style;
    d_.keepRunFile_ = options.keepRunFile && !options.style;
    d_.shown_ = options.shown;
    const ActionResult result = d_.menus.openWindow(options);
    for (const auto& [name, value] : options.sessionLimits) d_.safe_.force(name, value);
    d_.style.syncStyle();
    return result;
}

void Advisor::userCloseWindow() {
    d_.menus.closeWindow();
}

ActionResult Advisor::userSet(std::string_view name, std::string_view value) {
    if (name.substr(0, 12) == "frmWagering.") {
        const std::string text = std::string(name) + "=" + std::string(value);
        return d_.journal.logged(
            Act::WageringSet, 0, [&] { return d_.controls.doSet(name, value); }, text);
    }
    const ActionResult result = d_.controls.doSet(name, value);
    if (result.ok) {
        d_.journal.endUndoHistory();
        d_.runFile.markRunDirty();
    }
    d_.style.syncStyle();
    return result;
}

ActionResult Advisor::userPress(std::string_view name) {
    const ControlEntry* control = findControl(name);
    const auto is = [control](ControlRole role) { return control && control->role == role; };
    if (is(ControlRole::Start)) return d_.watch.pressStart();
    if (is(ControlRole::MoreOrLess)) {
        return d_.journal.logged(Act::Press, kPressMore, [&] { return d_.controls.doPress(name); });
    }
    if (is(ControlRole::WageringCancel)) {
        return d_.journal.logged(Act::Press, kPressWageringCancel,
                                 [&] { return d_.controls.doPress(name); });
    }
    const ActionResult result = d_.controls.doPress(name);
    // Deleting a casino ends the history only when the user says Yes (deleteSelectedCasino).
    if (result.ok && !is(ControlRole::DeleteCasino)) d_.journal.endUndoHistory();
    if (result.ok) d_.runFile.markRunDirty();
    d_.style.syncStyle();
    return result;
}

ActionResult TableWatch::pressStart() {
    return d_.target_ && !d_.replaying_ ? watchPress() : runPress(Act::Press, kPressButton1);
}

ActionResult Advisor::userClickCell(int cell) {
    if (d_.target_ && !d_.replaying_) return d_.watch.watchClick(cell);
    return d_.journal.logged(Act::ClickCell, cell, [&] { return d_.controls.doClickCell(cell); });
}

ActionResult Advisor::userClickChip(int chip) {
    return d_.journal.logged(Act::ClickChip, chip, [&] { return d_.controls.doClickChip(chip); });
}

ActionResult Advisor::userFlip() {
    return d_.journal.logged(Act::Flip, 0, [&] { return d_.controls.doFlip(); });
}

ActionResult Advisor::userMenu(std::string_view name, int k) {
    if (name == "mnuTop")
        return d_.journal.logged(Act::Menu, kMenuTop, [&] { return d_.controls.doMenu(name, k); });
    if (name == "mnuProg")
        return d_.journal.logged(Act::Menu, kMenuProg, [&] { return d_.controls.doMenu(name, k); });
    const ActionResult result = d_.controls.doMenu(name, k);
    // Default Settings ends the history when the user says Yes (reloadSettings); About,
    // Instructions and the casino sites change nothing.
    if (result.ok && name == "mnuRestart") d_.journal.endUndoHistory();
    if (result.ok) d_.runFile.markRunDirty();
    d_.style.syncStyle();
    return result;
}

ActionResult Advisor::userCloseWagering() {
    if (ActionResult r = d_.wagering.refusedUnlessWageringOpen(); !r.ok) return r;
    d_.wagering.wageringClosed();
    d_.journal.endUndoHistory();
    d_.runFile.markRunDirty();
    return {};
}

ActionResult Advisor::userKey(std::string_view key) {
    if (d_.target_ && !d_.replaying_) return d_.watch.watchKey(key);
    if (key == "Enter") return d_.watch.runPress(Act::Key, kKeyEnter);
    const int digit = key.size() == 1 ? key[0] - '0' : -1;
    return d_.journal.logged(Act::Key, digit, [&] { return d_.controls.doKey(key); });
}

void Advisor::userTick() {
    const bool dirty = d_.runDirty_, ready = s_.acceptsPress, open = d_.runFile.runOpen(),
               bet = s_.BetOpen;
    d_.journal.logged(Act::Tick, 0, [&] {
        d_.run.tick();
        return ActionResult{};
    });
    // Most ticks only count down and blink: the run file is written for the ticks that end a
    // spin wait or the run.
    d_.runDirty_ =
        dirty || s_.acceptsPress != ready || d_.runFile.runOpen() != open || s_.BetOpen != bet;
}

bool Advisor::passSpinWait() {
    // With no undo history to tape and no run file to keep, a tick is the timer's step alone.
    const bool plain = !d_.journal.recording() && !d_.keepRunFile_;
    // Nobody looks, and the clock stands still: the ticks between the first and the last only
    // count the wait down, since nothing else they look at can change.
    const bool unseen = plain && !d_.shown_ && !d_.replay_;
    do {
        if (plain) {
            d_.run.tick();
            if (unseen && s_.SpinWaitActive && s_.SpinWaitLeft > 0) s_.SpinWaitLeft = 0;
        } else {
            userTick();
        }
        if (!s_.playing()) return false;
    } while (!s_.acceptsPress);
    return true;
}

// --- Undo and redo ---

Checkpoint UndoJournal::checkpoint() const {
    return {
        s_,       form_, entries_, settings_, d_.history_, d_.historyLine_, ports_.random.state(),
        d_.typed_};
}

void UndoJournal::restore(const Checkpoint& c) {
    s_ = c.state;
    changeEntries() = c.entries;
    // The casinos are the book's, which no press changes: the list shows them as they are.
    d_.view.stateRestored(c.window);
    settings_ = c.settings;
    d_.history_ = c.history;
    d_.historyLine_ = c.historyLine;
    ports_.random.restore(c.random);
    d_.typed_ = c.typed;
}

ActionResult Advisor::userUndo() {
    if (d_.replay_) return ActionResult::refused("nothing can be undone while the replay runs");
    if (ActionResult r = d_.wagering.refusedWhileWageringOpen(); !r.ok) return r;
    if (d_.watch.undoTableSpin()) return {};
    if (!d_.recordUndo_ || d_.undo_.undoCount() == 0)
        return ActionResult::refused("nothing to undo");
    return d_.journal.travel(d_.undo_.undo());
}

ActionResult Advisor::userRedo() {
    if (d_.replay_) return ActionResult::refused("nothing can be redone while the replay runs");
    if (ActionResult r = d_.wagering.refusedWhileWageringOpen(); !r.ok) return r;
    if (d_.watch.redoTableSpin()) return {};
    if (!d_.recordUndo_ || d_.undo_.redoCount() == 0)
        return ActionResult::refused("nothing to redo");
    return d_.journal.travel(d_.undo_.redo());
}

ActionResult UndoJournal::travel(const UndoHistory::Route& route) {
    const std::size_t lineBefore = d_.historyLine_.size();
    if (route.from) restore(*route.from);
    d_.style.syncStyle();
    d_.replaying_ = true;
    d_.dialogs_.quiet = true;
    const ActionLog& log = d_.undo_.log();
    for (LogPosition at = route.start; at.action < route.stop.action; ++at.action) {
        const LoggedAction& a = log.action(at.action);
        d_.clock_.play(log.clocks(at.clock, a.clocks));
        carryOut(a, at);
        at.clock += a.clocks;
        if (a.hasText) ++at.text;
    }
    d_.clock_.stop();
    d_.dialogs_.quiet = false;
    d_.replaying_ = false;
    // The line only grows within a history: its length tells whether the file must follow.
    if (d_.historyLine_.size() != lineBefore) d_.casinos.SaveCasinoHistory();
    d_.runFile.markRunDirty();
    return {};
}

void UndoJournal::carryOut(const LoggedAction& a, const LogPosition& at) {
    switch (a.act) {
        case Act::ClickCell:
            d_.front->userClickCell(a.arg);
            break;
        case Act::ClickChip:
            d_.front->userClickChip(a.arg);
            break;
        case Act::Flip:
            d_.front->userFlip();
            break;
        case Act::Key:
            d_.front->userKey(a.arg == kKeyEnter ? std::string("Enter")
                                                 : std::string(1, char('0' + a.arg)));
            break;
        case Act::Tick:
            d_.front->userTick();
            break;
        case Act::Press:
            d_.front->userPress(controlName(a.arg == kPressButton1 ? ControlRole::Start
                                            : a.arg == kPressMore  ? ControlRole::MoreOrLess
                                                                   : ControlRole::WageringCancel));
            break;
        case Act::Menu:
            d_.front->userMenu(a.arg == kMenuTop ? "mnuTop" : "mnuProg", 0);
            break;
        case Act::WageringSet: {
            const std::string& text = d_.undo_.log().text(at.text);
            const std::size_t equals = text.find('=');
            d_.front->userSet(std::string_view(text).substr(0, equals),
                              std::string_view(text).substr(equals + 1));
            break;
        }
    }
}

MenusView Advisor::menus() const {
    MenusView menus;
    EditMenuView& view = menus.edit;
    const bool reachable = d_.recordUndo_ && !d_.replay_ && !d_.wagering.wageringOpen();
    view.undoSteps = static_cast<int>(d_.undo_.undoCount());
    view.redoSteps = static_cast<int>(d_.undo_.redoCount());
    view.undo = {stepCaption("Undo", view.undoSteps ? &d_.undo_.undoStep() : nullptr),
                 reachable && view.undoSteps > 0};
    view.redo = {stepCaption("Redo", view.redoSteps ? &d_.undo_.redoStep() : nullptr),
                 reachable && view.redoSteps > 0};
    d_.watch.addTableSteps(view, !d_.replay_ && !d_.wagering.wageringOpen());
    menus.importSpins = {"Import Spins...", !d_.replay_ && !d_.wagering.wageringOpen()};
    menus.exportSpins = {"Export Spins...", d_.chosen_.has_value() && !d_.wagering.wageringOpen()};
    return menus;
}

}  // namespace brisvale
