// SPDX-License-Identifier: GPL-3.0-or-later
// The user's actions as the front ends call them: each is carried out, taken into the undo
// history (or ends it), and marks the run file for writing. Edit > Undo Spin and Redo Spin.

#include <memory>

#include "play/advisor.hpp"
#include "play/control_table.hpp"

namespace brisvale {
namespace {

std::string stepCaption(const char* verb, const UndoStep* step) {
    if (!step) return std::string(verb) + " Spin";
    if (step->start) return std::string(verb) + " Start";
    return std::string(verb) + " Spin " + std::to_string(step->number);
}

}  // namespace

template <class Action>
ActionResult Advisor::logged(Act act, int arg, Action&& action, std::string_view text) {
    const bool taping = recording() && undo_.active();
    if (taping) clock_.tape();
    const ActionResult result = action();
    if (taping) {
        const auto clocks = clock_.taped();
        if (result.ok) undo_.note(act, arg, clocks, text);
    }
    if (result.ok) markRunDirty();
    return result;
}

ActionResult Advisor::pressButton1(Act act, int arg) {
    if (safe_.checkOpen() && !replaying_) {
        return ActionResult::refused("Answer the reality check first.");
    }
    const bool taping = recording();
    const bool starting = !s_.playing();
    // A Start begins a new history; so does the first press after the history ended. (On the
    // heap: a checkpoint is large, and most presses need none.)
    std::unique_ptr<Checkpoint> base;
    if (taping && (starting || !undo_.active())) base = std::make_unique<Checkpoint>(checkpoint());
    if (taping) clock_.tape();
    pressTaken_ = false;
    const ActionResult result = act == Act::Key ? doKey("Enter") : doPress("Button1");
    if (taping) {
        const auto clocks = clock_.taped();
        if (result.ok && pressTaken_) {
            if (base) undo_.begin(std::move(*base));
            if (undo_.notePress(act, arg, clocks, starting, s_.SpinNumber)) {
                undo_.addCheckpoint(checkpoint());
            }
        } else if (result.ok || act == Act::Key) {
            // Refused presses still paint the panel, and Enter forgets a typed digit.
            undo_.note(act, arg, clocks);
        }
    }
    if (result.ok) markRunDirty();
    return result;
}

ActionResult Advisor::userOpenWindow(const StartOptions& options) {
    // A window on a stored style touches no file and keeps nothing for later.
    recordUndo_ = options.recordUndo && !options.style;
    keepRunFile_ = options.keepRunFile && !options.style;
    shown_ = options.shown;
    const ActionResult result = Form_Load(options);
    syncStyle();
    return result;
}

void Advisor::userCloseWindow() {
    Form_Unload();
}

ActionResult Advisor::userSet(std::string_view name, std::string_view value) {
    if (name.substr(0, 12) == "frmWagering.") {
        const std::string text = std::string(name) + "=" + std::string(value);
        return logged(
            Act::WageringSet, 0, [&] { return doSet(name, value); }, text);
    }
    const ActionResult result = doSet(name, value);
    if (result.ok) {
        endUndoHistory();
        markRunDirty();
    }
    syncStyle();
    return result;
}

ActionResult Advisor::userPress(std::string_view name) {
    const ControlEntry* control = findControl(name);
    const auto is = [control](ControlRole role) { return control && control->role == role; };
    if (is(ControlRole::Start)) return pressButton1(Act::Press, kPressButton1);
    if (is(ControlRole::MoreOrLess)) {
        return logged(Act::Press, kPressMore, [&] { return doPress(name); });
    }
    if (is(ControlRole::WageringCancel)) {
        return logged(Act::Press, kPressWageringCancel, [&] { return doPress(name); });
    }
    const ActionResult result = doPress(name);
    // Deleting a casino ends the history only when the user says Yes (Command1_Click).
    if (result.ok && !is(ControlRole::DeleteCasino)) endUndoHistory();
    if (result.ok) markRunDirty();
    syncStyle();
    return result;
}

ActionResult Advisor::userClickCell(int cell) {
    return logged(Act::ClickCell, cell, [&] { return doClickCell(cell); });
}

ActionResult Advisor::userClickChip(int chip) {
    return logged(Act::ClickChip, chip, [&] { return doClickChip(chip); });
}

ActionResult Advisor::userFlip() {
    return logged(Act::Flip, 0, [&] { return doFlip(); });
}

ActionResult Advisor::userMenu(std::string_view name, int k) {
    if (name == "mnuTop") return logged(Act::Menu, kMenuTop, [&] { return doMenu(name, k); });
    if (name == "mnuProg") return logged(Act::Menu, kMenuProg, [&] { return doMenu(name, k); });
    const ActionResult result = doMenu(name, k);
    // Default Settings ends the history when the user says Yes (mnuLoadSettings_Click); About,
    // Instructions and the casino sites change nothing.
    if (result.ok && name == "mnuRestart") endUndoHistory();
    if (result.ok) markRunDirty();
    syncStyle();
    return result;
}

ActionResult Advisor::userCloseWagering() {
    if (ActionResult r = refusedUnlessWageringOpen(); !r.ok) return r;
    frmWagering_QueryUnload();
    endUndoHistory();
    markRunDirty();
    return {};
}

ActionResult Advisor::userKey(std::string_view key) {
    if (key == "Enter") return pressButton1(Act::Key, kKeyEnter);
    const int digit = key.size() == 1 ? key[0] - '0' : -1;
    return logged(Act::Key, digit, [&] { return doKey(key); });
}

void Advisor::userTick() {
    const bool dirty = runDirty_, ready = s_.acceptsPress, open = runOpen(), bet = s_.BetOpen;
    logged(Act::Tick, 0, [&] {
        Timer1_Timer();
        return ActionResult{};
    });
    // Most ticks only count down and blink: the run file is written for the ticks that end a
    // spin wait or the run.
    runDirty_ = dirty || s_.acceptsPress != ready || runOpen() != open || s_.BetOpen != bet;
}

// --- Undo and redo ---

Checkpoint Advisor::checkpoint() const {
    return {s_, settings_, history_, historyLine_, ports_.random.state(), typed_};
}

void Advisor::restore(const Checkpoint& c) {
    s_ = c.state;
    settings_ = c.settings;
    history_ = c.history;
    historyLine_ = c.historyLine;
    ports_.random.restore(c.random);
    typed_ = c.typed;
}

ActionResult Advisor::userUndo() {
    if (replay_) return ActionResult::refused("nothing can be undone while the replay runs");
    if (ActionResult r = refusedWhileWageringOpen(); !r.ok) return r;
    if (!recordUndo_ || undo_.undoCount() == 0) return ActionResult::refused("nothing to undo");
    return travel(undo_.undo());
}

ActionResult Advisor::userRedo() {
    if (replay_) return ActionResult::refused("nothing can be redone while the replay runs");
    if (ActionResult r = refusedWhileWageringOpen(); !r.ok) return r;
    if (!recordUndo_ || undo_.redoCount() == 0) return ActionResult::refused("nothing to redo");
    return travel(undo_.redo());
}

ActionResult Advisor::travel(const UndoHistory::Route& route) {
    const std::size_t lineBefore = historyLine_.size();
    if (route.from) restore(*route.from);
    syncStyle();
    replaying_ = true;
    dialogs_.quiet = true;
    const ActionLog& log = undo_.log();
    for (LogPosition at = route.start; at.action < route.stop.action; ++at.action) {
        const LoggedAction& a = log.action(at.action);
        clock_.play(log.clocks(at.clock, a.clocks));
        carryOut(a, at);
        at.clock += a.clocks;
        if (a.hasText) ++at.text;
    }
    clock_.stop();
    dialogs_.quiet = false;
    replaying_ = false;
    // The line only grows within a history: its length tells whether the file must follow.
    if (historyLine_.size() != lineBefore) SaveCasinoHistory();
    markRunDirty();
    return {};
}

void Advisor::carryOut(const LoggedAction& a, const LogPosition& at) {
    switch (a.act) {
        case Act::ClickCell:
            userClickCell(a.arg);
            break;
        case Act::ClickChip:
            userClickChip(a.arg);
            break;
        case Act::Flip:
            userFlip();
            break;
        case Act::Key:
            userKey(a.arg == kKeyEnter ? std::string("Enter") : std::string(1, char('0' + a.arg)));
            break;
        case Act::Tick:
            userTick();
            break;
        case Act::Press:
            userPress(controlName(a.arg == kPressButton1 ? ControlRole::Start
                                  : a.arg == kPressMore  ? ControlRole::MoreOrLess
                                                         : ControlRole::WageringCancel));
            break;
        case Act::Menu:
            userMenu(a.arg == kMenuTop ? "mnuTop" : "mnuProg", 0);
            break;
        case Act::WageringSet: {
            const std::string& text = undo_.log().text(at.text);
            const std::size_t equals = text.find('=');
            userSet(std::string_view(text).substr(0, equals),
                    std::string_view(text).substr(equals + 1));
            break;
        }
    }
}

EditMenuView Advisor::editMenu() const {
    EditMenuView view;
    const bool reachable = recordUndo_ && !replay_ && !wageringOpen();
    view.undoSteps = static_cast<int>(undo_.undoCount());
    view.redoSteps = static_cast<int>(undo_.redoCount());
    view.undo = {stepCaption("Undo", view.undoSteps ? &undo_.undoStep() : nullptr),
                 reachable && view.undoSteps > 0};
    view.redo = {stepCaption("Redo", view.redoSteps ? &undo_.redoStep() : nullptr),
                 reachable && view.redoSteps > 0};
    return view;
}

}  // namespace brisvale
