// SPDX-License-Identifier: GPL-3.0-or-later
// User actions by control name: refused when the user could not reach the control, otherwise
// carried out with the handlers the user's click, release or leaving of the box runs.

#include <algorithm>
#include <variant>

#include "advisor/advisor.hpp"
#include "advisor/control_table.hpp"
#include "util/numbers.hpp"

namespace brisvale {
namespace {

// Two digits typed within this time make one two-digit number.
constexpr std::int64_t kDigitJoinMs = 1000;

// A check box takes "0" or "1".
std::optional<int> checkValue(std::string_view value) {
    if (value != "0" && value != "1") return std::nullopt;
    return value == "1" ? 1 : 0;
}

ActionResult unknown(std::string_view name) {
    return ActionResult::refused("no control named " + std::string(name));
}
ActionResult disabled(std::string_view name) {
    return ActionResult::refused(std::string(name) + " is disabled");
}

// The number the list's entry shows.
int numberIn(const ListBox& list, int position) {
    return static_cast<int>(
        parseWhole(list.items[static_cast<std::size_t>(position)], -2147483647, 2147483647)
            .value_or(0));
}

// The position of the entry whose text is the value, as a click on it in the open list picks
// it; refused when the list is closed or holds no such entry.
std::variant<int, ActionResult> pickEntry(const ListBox& list, std::string_view name,
                                          std::string_view value) {
    if (!list.enabled) return disabled(name);
    const auto it = std::find(list.items.begin(), list.items.end(), value);
    if (it == list.items.end()) {
        return ActionResult::refused(std::string(name) + " has no entry \"" + std::string(value) +
                                     "\"");
    }
    return static_cast<int>(it - list.items.begin());
}

}  // namespace

ActionResult Advisor::choosePlayStyle(PlayStyle style) {
    return userSet("BetStyle" + std::to_string(static_cast<int>(style) + 1), "1");
}

ActionResult Advisor::enterBalance(double dollars) {
    return userSet("Text18", formatNumber(dollars));
}

ActionResult Advisor::startRun() {
    return d_.watch.pressStart();
}

ActionResult Advisor::enterSpin(int number) {
    if (const ActionResult clicked = userClickCell(number); !clicked.ok) return clicked;
    return d_.watch.pressStart();
}

ActionResult ControlAdapter::doSet(std::string_view name, std::string_view value) {
    const Form& f = form_;
    if (name.substr(0, 12) == "frmWagering.") return setInWageringDialog(name, value);
    if (ActionResult r = d_.wagering.refusedWhileWageringOpen(); !r.ok) return r;
    const ControlEntry* control = findControl(name);
    if (!control || control->wageringDialog) return unknown(name);
    const ControlEntry& c = *control;
    switch (c.kind) {
        case ControlKind::Check: {
            // 0 or 1, and nothing to do when the box already shows it.
            if (!checkBoxOf(f, c)->enabled) return disabled(name);
            const std::optional<int> v = checkValue(value);
            if (!v) return ActionResult::refused("a check box takes 0 or 1");
            int& tick = *tickOf(changeEntries(), c);
            if (tick == *v) return {};
            tick = *v;
            if (c.role == ControlRole::WatchFamily && c.index == 7) d_.style.evenBetsToggled();
            if (c.role == ControlRole::WatchEvenChance) d_.style.evenPairReleased(c.index);
            if (c.role == ControlRole::ConservativeBetting) d_.style.conservativeToggled();
            if (c.role == ControlRole::RandomThreshold) {
                d_.style.randomToggled(c.index);
                d_.style.randomReleased(c.index);
            }
            return {};
        }
        case ControlKind::Option: {
            if (!optionOf(f, c)->enabled) return disabled(name);
            if (value != "1") return ActionResult::refused("an option button takes 1");
            if (c.role == ControlRole::PlayStyle) {
                PanelEntries& e = changeEntries();
                for (int i = 1; i <= 3; ++i) e.style[i] = i == c.index;
                if (c.index == 1) d_.style.chooseClassic();
                if (c.index == 2) d_.style.chooseMulti();
                if (c.index == 3) d_.style.chooseSuper();
            } else {
                PanelEntries& e = changeEntries();
                const bool aggressive = choiceOf(e, c) == &e.aggressiveDefaults;
                e.aggressiveDefaults = aggressive;
                e.conservativeDefaults = !aggressive;
                if (aggressive) d_.style.applyAggressiveDefaults();
                if (!aggressive) d_.style.applyConservativeDefaults();
            }
            return {};
        }
        case ControlKind::Text: {
            // Typed into, then left.
            if (!textBoxOf(f, c)->enabled) return disabled(name);
            typedOf(changeEntries(), c)->assign(value);
            if (c.role != ControlRole::Balance) {
                d_.style.thresholdLeft(c.index, c.role == ControlRole::ThresholdHigh);
            }
            return {};
        }
        case ControlKind::List: {
            // The entry whose text is the value.
            const auto picked = pickEntry(*listOf(f, c), name, value);
            if (const auto* refused = std::get_if<ActionResult>(&picked)) return *refused;
            const int position = std::get<int>(picked);
            if (int* number = numberOf(changeEntries(), c))
                *number = numberIn(*listOf(f, c), position);
            if (c.role == ControlRole::UnitWager) d_.style.unitWagerChosen();
            if (c.role == ControlRole::SpinLimit) d_.style.spinIntervalChosen();
            if (c.role == ControlRole::Casino) {
                // The list's two first entries are no casinos.
                if (position == 0) d_.casinos.chooseNoCasino();
                if (position == 1) d_.casinos.chooseNewCasino();
                if (position >= 2) d_.casinos.chooseCasino(static_cast<std::size_t>(position - 2));
            }
            if (c.role == ControlRole::HowMany) d_.style.howManyChosen(c.index);
            return {};
        }
        case ControlKind::Button:
        case ControlKind::Label:
            break;
    }
    return unknown(name);
}

ActionResult ControlAdapter::setInWageringDialog(std::string_view name, std::string_view value) {
    if (ActionResult r = d_.wagering.refusedUnlessWageringOpen(); !r.ok) return r;
    const ControlEntry* control = findControl(name);
    if (!control || !control->wageringDialog) return unknown(name);
    const Form& f = form_;
    switch (control->kind) {
        case ControlKind::Text:
            typedOf(changeEntries(), *control)->assign(value);
            return {};
        case ControlKind::Check: {
            const std::optional<int> v = checkValue(value);
            if (!v) return ActionResult::refused("a check box takes 0 or 1");
            int& tick = *tickOf(changeEntries(), *control);
            if (tick == *v) return {};
            tick = *v;
            d_.wagering.autoIncreaseToggled();
            return {};
        }
        case ControlKind::List: {
            const ListBox& list = *listOf(f, *control);
            const auto picked = pickEntry(list, name, value);
            if (const auto* refused = std::get_if<ActionResult>(&picked)) return *refused;
            *numberOf(changeEntries(), *control) = numberIn(list, std::get<int>(picked));
            return {};
        }
        default:
            return unknown(name);
    }
}

ActionResult ControlAdapter::doPress(std::string_view name) {
    const Form& f = form_;
    if (name.substr(0, 12) == "frmWagering.") {
        if (ActionResult r = d_.wagering.refusedUnlessWageringOpen(); !r.ok) return r;
        const ControlEntry* control = findControl(name);
        if (!control) return unknown(name);
        switch (control->role) {
            case ControlRole::WageringDefaults:
                d_.wagering.wageringDefaults();
                return {};
            case ControlRole::WageringOk:
                d_.wagering.wageringOk();
                return {};
            case ControlRole::WageringCancel:
                d_.wagering.wageringCancel();
                return {};
            default:
                return unknown(name);
        }
    }
    if (ActionResult r = d_.wagering.refusedWhileWageringOpen(); !r.ok) return r;
    const ControlEntry* control = findControl(name);
    const Button* button = control && !control->wageringDialog ? buttonOf(f, *control) : nullptr;
    if (!button) return unknown(name);
    if (!button->enabled) return disabled(name);
    switch (control->role) {
        case ControlRole::Start:
            return doPressStart();
        case ControlRole::MoreOrLess:
            d_.style.toggleAdvanced();
            break;
        case ControlRole::DeleteCasino:
            d_.casinos.deleteSelectedCasino();
            break;
        default:
            d_.replay.startReplay();
            break;
    }
    return {};
}

ActionResult ControlAdapter::doPressStart() {
    if (ActionResult r = d_.wagering.refusedWhileWageringOpen(); !r.ok) return r;
    // The button is greyed exactly while the run takes no press.
    if (!s_.acceptsPress) return disabled(controlName(ControlRole::Start));
    d_.run.pressPlay();
    return {};
}

ActionResult ControlAdapter::doClickCell(int cell) {
    if (ActionResult r = d_.wagering.refusedWhileWageringOpen(); !r.ok) return r;
    if (cell < 0 || cell >= board::kCellCount)
        return ActionResult::refused("no board cell " + std::to_string(cell));
    d_.run.clickBoard(cell);
    return {};
}

ActionResult ControlAdapter::doClickChip(int chip) {
    if (ActionResult r = d_.wagering.refusedWhileWageringOpen(); !r.ok) return r;
    if (chip < 0 || chip >= board::kChipCount)
        return ActionResult::refused("no chip " + std::to_string(chip));
    if (!form_.chips[chip].visible)
        return ActionResult::refused("chip " + std::to_string(chip) + " is hidden");
    d_.run.clickChip(chip);
    return {};
}

ActionResult ControlAdapter::doFlip() {
    if (ActionResult r = d_.wagering.refusedWhileWageringOpen(); !r.ok) return r;
    d_.run.flipBoard();
    return {};
}

ActionResult ControlAdapter::doMenu(std::string_view name, int k) {
    if (ActionResult r = d_.wagering.refusedWhileWageringOpen(); !r.ok) return r;
    if (name == "mnuRestart")
        d_.menus.restart();
    else if (name == "mnuLoadSettings")
        d_.menus.reloadSettings();
    else if (name == "mnuExit")
        d_.menus.exitProgram();
    else if (name == "mnuTop")
        d_.menus.toggleOnTop();
    else if (name == "mnuProg")
        d_.wagering.openWageringDialog();
    else if (name == "mnuAbout")
        d_.menus.showAbout();
    else if (name == "mnuInstructions")
        d_.menus.showInstructions();
    else if (name == "mnuCasino") {
        if (k < 0 || k >= static_cast<int>(form_.casinoMenu.size())) {
            return ActionResult::refused("no Casinos menu entry " + std::to_string(k));
        }
        if (!form_.casinoMenu[k].enabled) return disabled("mnuCasino " + std::to_string(k));
        d_.menus.openCasinoSite(k);
    } else {
        return ActionResult::refused("no menu item named " + std::string(name));
    }
    return {};
}

ActionResult ControlAdapter::doKey(std::string_view key) {
    const bool enter = key == "Enter";
    if (!enter && (key.size() != 1 || key[0] < '0' || key[0] > '9')) {
        return ActionResult::refused("no key named " + std::string(key));
    }
    if (ActionResult r = d_.wagering.refusedWhileWageringOpen(); !r.ok) return r;
    // After the advice to stop, a new run begins only by a deliberate press of Start: a key
    // meant as the next spin would start one unseen.
    if (s_.phase == RunPhase::Quit || s_.phase == RunPhase::SwitchTable) {
        return ActionResult::refused("Press Start to begin a new run.");
    }
    if (enter) {
        // The number typed stays selected for the end of the spin wait.
        if (!s_.acceptsPress && s_.SpinWaitActive && !d_.replay_) {
            const int left = std::max(1, s_.SpinWaitLeft + 1);
            return ActionResult::refused("Wait " + std::to_string(left) + " s for the next spin");
        }
        d_.typed_.reset();
        return doPressStart();
    }
    const int digit = key[0] - '0';
    const std::int64_t now = ports_.clock.nowMs();
    if (d_.typed_ && now - d_.typed_->atMs < kDigitJoinMs) {
        const int number = d_.typed_->digit * 10 + digit;
        d_.typed_.reset();
        // A pair that names no number on the wheel ("45") is a slip: the first digit stands.
        return number <= 36 ? doClickCell(number) : ActionResult{};
    }
    d_.typed_ = TypedDigit{digit, now};
    return doClickCell(digit);
}

}  // namespace brisvale
