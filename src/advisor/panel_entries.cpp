// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/panel_entries.hpp"

#include <charconv>

#include "advisor/control_table.hpp"
#include "util/numbers.hpp"

namespace brisvale {
namespace {

// The number a list shows, or `none` when it shows nothing.
int numberShown(const ListBox& list, int none) {
    return static_cast<int>(parseWhole(list.text(), -2147483647, 2147483647).value_or(none));
}

// Selects the list's entry that shows the number, or nothing when it holds none. The lists
// count up one by one from their first entry, so the entry can only be at one place.
void showNumber(ListBox& list, int value) {
    list.index = -1;
    if (list.items.empty()) return;
    const auto first = parseWhole(list.items[0], -2147483647, 2147483647);
    const long long at = first ? static_cast<long long>(value) - *first : -1;
    if (at < 0 || at >= static_cast<long long>(list.items.size())) return;
    char text[16];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    if (list.items[static_cast<std::size_t>(at)] ==
        std::string_view(text, static_cast<std::size_t>(end - text))) {
        list.index = static_cast<int>(at);
    }
}

using K = ControlKind;
using R = ControlRole;

}  // namespace

PanelEntries entriesShownIn(const Form& f) {
    PanelEntries e;
    e.balance = f.balanceBox.text;
    for (int k = 0; k < kFamilyCount; ++k) {
        e.threshold(k) = {f.threshold(k).low.text, f.threshold(k).high.text,
                          f.threshold(k).random.value};
    }
    for (int i = 0; i < 4; ++i) e.style[i] = f.styleButtons[i].value;
    e.aggressiveDefaults = f.aggressiveDefaults.value;
    e.conservativeDefaults = f.conservativeDefaults.value;
    e.conservativeBetting = f.conservativeBetting.value;
    for (int i = 0; i < 8; ++i) e.families[i] = f.familyBoxes[i].value;
    for (int i = 0; i < 4; ++i) e.evenPairs[i] = f.evenPairBoxes[i].value;
    e.singles = f.singleBox.value;
    for (int k = 0; k < kHowManyCount; ++k) e.betsAtOnce[k] = numberShown(f.howMany[k], -1);
    e.unitWager = numberShown(f.unitWagerList, 0);
    e.spinInterval = numberShown(f.spinIntervalList, 0);
    e.winLimit = numberShown(f.winLimitList, 0);
    e.timeLimit = numberShown(f.timeLimitList, 0);
    const WageringForm& w = f.wageringDialog;
    e.wagering.open = w.open;
    for (int k = 0; k < kFamilyCount; ++k) e.wagering.sequences[k] = w.sequenceBoxes[k].text;
    e.wagering.autoIncrease = w.autoIncrease.value;
    e.wagering.increaseChips = numberShown(w.increaseChips, 0);
    e.wagering.increaseSteps = numberShown(w.increaseSteps, 0);
    return e;
}

void showEntriesIn(const PanelEntries& e, Form& f) {
    f.balanceBox.text = e.balance;
    for (int k = 0; k < kFamilyCount; ++k) {
        ThresholdRow& row = f.threshold(k);
        row.low.text = e.threshold(k).low;
        row.high.text = e.threshold(k).high;
        row.random.value = e.threshold(k).random;
    }
    for (int i = 0; i < 4; ++i) f.styleButtons[i].value = e.style[i];
    f.aggressiveDefaults.value = e.aggressiveDefaults;
    f.conservativeDefaults.value = e.conservativeDefaults;
    f.conservativeBetting.value = e.conservativeBetting;
    for (int i = 0; i < 8; ++i) f.familyBoxes[i].value = e.families[i];
    for (int i = 0; i < 4; ++i) f.evenPairBoxes[i].value = e.evenPairs[i];
    f.singleBox.value = e.singles;
    for (int k = 0; k < kHowManyCount; ++k) showNumber(f.howMany[k], e.betsAtOnce[k]);
    showNumber(f.unitWagerList, e.unitWager);
    showNumber(f.spinIntervalList, e.spinInterval);
    showNumber(f.winLimitList, e.winLimit);
    showNumber(f.timeLimitList, e.timeLimit);
    WageringForm& w = f.wageringDialog;
    w.open = e.wagering.open;
    for (int k = 0; k < kFamilyCount; ++k) w.sequenceBoxes[k].text = e.wagering.sequences[k];
    w.autoIncrease.value = e.wagering.autoIncrease;
    showNumber(w.increaseChips, e.wagering.increaseChips);
    showNumber(w.increaseSteps, e.wagering.increaseSteps);
}

int* tickOf(PanelEntries& e, const ControlEntry& control) {
    if (control.kind != K::Check) return nullptr;
    switch (control.role) {
        case R::WatchFamily:
            return &e.families[static_cast<std::size_t>(control.index)];
        case R::WatchEvenChance:
            return &e.evenPairs[static_cast<std::size_t>(control.index)];
        case R::WatchSingle:
            return &e.singles;
        case R::RandomThreshold:
            return &e.threshold(control.index).random;
        case R::ConservativeBetting:
            return &e.conservativeBetting;
        case R::AutoIncrease:
            return &e.wagering.autoIncrease;
        default:
            return nullptr;
    }
}

bool* choiceOf(PanelEntries& e, const ControlEntry& control) {
    if (control.kind != K::Option) return nullptr;
    if (control.role == R::PlayStyle) return &e.style[static_cast<std::size_t>(control.index)];
    return control.index == 2 ? &e.aggressiveDefaults : &e.conservativeDefaults;
}

std::string* typedOf(PanelEntries& e, const ControlEntry& control) {
    if (control.kind != K::Text) return nullptr;
    switch (control.role) {
        case R::ThresholdLow:
            return &e.threshold(control.index).low;
        case R::ThresholdHigh:
            return &e.threshold(control.index).high;
        case R::Balance:
            return &e.balance;
        case R::WagerSequence:
            return &e.wagering.sequences[static_cast<std::size_t>(control.index)];
        default:
            return nullptr;
    }
}

int* numberOf(PanelEntries& e, const ControlEntry& control) {
    if (control.kind != K::List) return nullptr;
    switch (control.role) {
        case R::HowMany:
            return &e.betsAtOnce[static_cast<std::size_t>(control.index)];
        case R::UnitWager:
            return &e.unitWager;
        case R::SpinLimit:
            return &e.spinInterval;
        case R::WinLimit:
            return &e.winLimit;
        case R::TimeLimit:
            return &e.timeLimit;
        case R::IncreaseChips:
            return &e.wagering.increaseChips;
        case R::IncreaseSteps:
            return &e.wagering.increaseSteps;
        default:
            return nullptr;
    }
}

}  // namespace brisvale
