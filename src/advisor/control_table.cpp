// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/control_table.hpp"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

namespace brisvale {
namespace {

using K = ControlKind;
using R = ControlRole;

constexpr ControlEntry kControls[] = {
    {"BetStyle1", K::Option, R::PlayStyle, 1},
    {"BetStyle2", K::Option, R::PlayStyle, 2},
    {"BetStyle3", K::Option, R::PlayStyle, 3},
    {"Option2", K::Option, R::Defaults, 2},
    {"Option3", K::Option, R::Defaults, 3},
    {"chk1", K::Check, R::WatchFamily, 1},
    {"chk2", K::Check, R::WatchFamily, 2},
    {"chk3", K::Check, R::WatchFamily, 3},
    {"chk4", K::Check, R::WatchFamily, 4},
    {"chk5", K::Check, R::WatchFamily, 5},
    {"chk6", K::Check, R::WatchFamily, 6},
    {"chk7", K::Check, R::WatchFamily, 7},
    {"chk7_1", K::Check, R::WatchEvenChance, 1},
    {"chk7_2", K::Check, R::WatchEvenChance, 2},
    {"chk7_3", K::Check, R::WatchEvenChance, 3},
    {"Chk8", K::Check, R::WatchSingle, 0},
    {"Check1", K::Check, R::RandomThreshold, 0},
    {"Check2", K::Check, R::RandomThreshold, 1},
    {"Check3", K::Check, R::RandomThreshold, 2},
    {"Check4", K::Check, R::RandomThreshold, 3},
    {"Check5", K::Check, R::RandomThreshold, 4},
    {"Check6", K::Check, R::RandomThreshold, 5},
    {"Check7", K::Check, R::RandomThreshold, 6},
    {"Check8", K::Check, R::ConservativeBetting, 0},
    {"Check9", K::Check, R::RandomThreshold, 7},
    {"Text2", K::Text, R::ThresholdLow, 0},
    {"Text3", K::Text, R::ThresholdHigh, 0},
    {"Text4", K::Text, R::ThresholdLow, 1},
    {"Text5", K::Text, R::ThresholdHigh, 1},
    {"Text6", K::Text, R::ThresholdLow, 2},
    {"Text7", K::Text, R::ThresholdHigh, 2},
    {"Text8", K::Text, R::ThresholdLow, 3},
    {"Text9", K::Text, R::ThresholdHigh, 3},
    {"Text10", K::Text, R::ThresholdLow, 4},
    {"Text11", K::Text, R::ThresholdHigh, 4},
    {"Text12", K::Text, R::ThresholdLow, 5},
    {"Text13", K::Text, R::ThresholdHigh, 5},
    {"Text14", K::Text, R::ThresholdLow, 6},
    {"Text15", K::Text, R::ThresholdHigh, 6},
    {"Text16", K::Text, R::ThresholdLow, 7},
    {"Text17", K::Text, R::ThresholdHigh, 7},
    {"Text18", K::Text, R::Balance, 0},
    {"cboDozen", K::List, R::HowMany, 0},
    {"cboRow", K::List, R::HowMany, 1},
    {"cboLine", K::List, R::HowMany, 2},
    {"cboCorner", K::List, R::HowMany, 3},
    {"cboTrio", K::List, R::HowMany, 4},
    {"cboSplit", K::List, R::HowMany, 5},
    {"cboSingle", K::List, R::HowMany, 6},
    {"cboWager", K::List, R::UnitWager, 0},
    {"cboSpins", K::List, R::SpinLimit, 0},
    {"cboWins", K::List, R::WinLimit, 0},
    {"cboTime", K::List, R::TimeLimit, 0},
    {"Casino", K::List, R::Casino, 0},
    {"Button1", K::Button, R::Start, 0},
    {"cmdMore", K::Button, R::MoreOrLess, 0},
    {"Command1", K::Button, R::DeleteCasino, 0},
    {"Command2", K::Button, R::ReplayHistory, 0},
    {"Label15", K::Label, R::HighLabel, 0},
    {"Label18", K::Label, R::HighLabel, 1},
    {"Label21", K::Label, R::HighLabel, 2},
    {"Label24", K::Label, R::HighLabel, 3},
    {"Label27", K::Label, R::HighLabel, 4},
    {"Label30", K::Label, R::HighLabel, 5},
    {"Label33", K::Label, R::HighLabel, 6},
    {"Label43", K::Label, R::HighLabel, 7},
    {"frmWagering.Text1", K::Text, R::WagerSequence, 0, true},
    {"frmWagering.Text2", K::Text, R::WagerSequence, 1, true},
    {"frmWagering.Text3", K::Text, R::WagerSequence, 2, true},
    {"frmWagering.Text4", K::Text, R::WagerSequence, 3, true},
    {"frmWagering.Text5", K::Text, R::WagerSequence, 4, true},
    {"frmWagering.Text6", K::Text, R::WagerSequence, 5, true},
    {"frmWagering.Text7", K::Text, R::WagerSequence, 6, true},
    {"frmWagering.Text8", K::Text, R::WagerSequence, 7, true},
    {"frmWagering.Check1", K::Check, R::AutoIncrease, 0, true},
    {"frmWagering.Combo1", K::List, R::IncreaseChips, 0, true},
    {"frmWagering.Combo2", K::List, R::IncreaseSteps, 0, true},
    {"frmWagering.Command1", K::Button, R::WageringDefaults, 0, true},
    {"frmWagering.Command2", K::Button, R::WageringOk, 0, true},
    {"frmWagering.Command3", K::Button, R::WageringCancel, 0, true},
};

constexpr bool namesUnique() {
    for (std::size_t i = 0; i < std::size(kControls); ++i) {
        for (std::size_t j = i + 1; j < std::size(kControls); ++j) {
            if (kControls[i].name == kControls[j].name) return false;
        }
    }
    return true;
}
static_assert(namesUnique(), "a control name is in the table twice");

// The first entry of a role: the entries of one role stand together, in index order.
constexpr const ControlEntry* firstOf(ControlRole role) {
    for (const ControlEntry& c : kControls) {
        if (c.role == role) return &c;
    }
    return nullptr;
}

template <class F>
auto checkBoxIn(F& form, const ControlEntry& control) -> decltype(&form.singleBox) {
    switch (control.role) {
        case R::WatchFamily:
            return &form.familyBoxes[control.index];
        case R::WatchEvenChance:
            return &form.evenPairBoxes[control.index];
        case R::WatchSingle:
            return &form.singleBox;
        case R::RandomThreshold:
            return &form.threshold(control.index).random;
        case R::ConservativeBetting:
            return &form.conservativeBetting;
        case R::AutoIncrease:
            return &form.wageringDialog.autoIncrease;
        default:
            return nullptr;
    }
}

template <class F>
auto optionIn(F& form, const ControlEntry& control) -> decltype(&form.aggressiveDefaults) {
    switch (control.role) {
        case R::PlayStyle:
            return &form.styleButtons[control.index];
        case R::Defaults:
            return control.index == 2 ? &form.aggressiveDefaults : &form.conservativeDefaults;
        default:
            return nullptr;
    }
}

template <class F>
auto textBoxIn(F& form, const ControlEntry& control) -> decltype(&form.balanceBox) {
    switch (control.role) {
        case R::ThresholdLow:
            return &form.threshold(control.index).low;
        case R::ThresholdHigh:
            return &form.threshold(control.index).high;
        case R::Balance:
            return &form.balanceBox;
        case R::WagerSequence:
            return &form.wageringDialog.sequenceBoxes[static_cast<std::size_t>(control.index)];
        default:
            return nullptr;
    }
}

template <class F>
auto listIn(F& form, const ControlEntry& control) -> decltype(&form.casinoList) {
    switch (control.role) {
        case R::HowMany:
            return &form.howMany[control.index];
        case R::UnitWager:
            return &form.unitWagerList;
        case R::SpinLimit:
            return &form.spinIntervalList;
        case R::WinLimit:
            return &form.winLimitList;
        case R::TimeLimit:
            return &form.timeLimitList;
        case R::Casino:
            return &form.casinoList;
        case R::IncreaseChips:
            return &form.wageringDialog.increaseChips;
        case R::IncreaseSteps:
            return &form.wageringDialog.increaseSteps;
        default:
            return nullptr;
    }
}

template <class F>
auto buttonIn(F& form, const ControlEntry& control) -> decltype(&form.startButton) {
    switch (control.role) {
        case R::Start:
            return &form.startButton;
        case R::MoreOrLess:
            return &form.moreButton;
        case R::DeleteCasino:
            return &form.deleteCasinoButton;
        case R::ReplayHistory:
            return &form.replayButton;
        default:
            return nullptr;
    }
}

}  // namespace

std::span<const ControlEntry> controlTable() {
    return kControls;
}

const ControlEntry* findControl(std::string_view name) {
    // Looked up on every press and every click.
    static const auto byName = [] {
        std::unordered_map<std::string_view, const ControlEntry*> names;
        for (const ControlEntry& c : kControls) names.emplace(c.name, &c);
        return names;
    }();
    const auto it = byName.find(name);
    return it != byName.end() ? it->second : nullptr;
}

std::string_view controlName(ControlRole role) {
    const ControlEntry* first = firstOf(role);
    return first ? first->name : std::string_view();
}

CheckBox* checkBoxOf(Form& form, const ControlEntry& control) {
    return checkBoxIn(form, control);
}
const CheckBox* checkBoxOf(const Form& form, const ControlEntry& control) {
    return checkBoxIn(form, control);
}
OptionButton* optionOf(Form& form, const ControlEntry& control) {
    return optionIn(form, control);
}
const OptionButton* optionOf(const Form& form, const ControlEntry& control) {
    return optionIn(form, control);
}
TextBox* textBoxOf(Form& form, const ControlEntry& control) {
    return textBoxIn(form, control);
}
const TextBox* textBoxOf(const Form& form, const ControlEntry& control) {
    return textBoxIn(form, control);
}
ListBox* listOf(Form& form, const ControlEntry& control) {
    return listIn(form, control);
}
const ListBox* listOf(const Form& form, const ControlEntry& control) {
    return listIn(form, control);
}
Button* buttonOf(Form& form, const ControlEntry& control) {
    return buttonIn(form, control);
}
const Button* buttonOf(const Form& form, const ControlEntry& control) {
    return buttonIn(form, control);
}

bool controlEnabled(const Form& form, const ControlEntry& control) {
    switch (control.kind) {
        case K::Check:
            return checkBoxOf(form, control)->enabled;
        case K::Option:
            return optionOf(form, control)->enabled;
        case K::Text:
            return textBoxOf(form, control)->enabled;
        case K::List:
            return listOf(form, control)->enabled;
        case K::Button:
            // The dialog's buttons answer whenever the dialog is open.
            return control.wageringDialog || buttonOf(form, control)->enabled;
        case K::Label:
            return form.threshold(control.index).highLabelEnabled;
    }
    return true;
}

std::string_view howManyName(int k) {
    const ControlEntry* first = firstOf(R::HowMany);
    return k >= 0 && k < kHowManyCount ? first[k].name : std::string_view();
}

std::string_view highLabelName(int family) {
    for (const ControlEntry& c : kControls) {
        if (c.role == R::HighLabel && c.index == family) return c.name;
    }
    return {};
}

std::string_view thresholdBoxName(int family, bool high) {
    for (const ControlEntry& c : kControls) {
        if (c.role == (high ? R::ThresholdHigh : R::ThresholdLow) && c.index == family) {
            return c.name;
        }
    }
    return {};
}

std::string_view randomBoxName(int family) {
    for (const ControlEntry& c : kControls) {
        if (c.role == R::RandomThreshold && c.index == family) return c.name;
    }
    return {};
}

std::vector<ControlView> panelControls(const Form& f) {
    std::vector<ControlView> out;
    using V = ControlView::Kind;
    for (const ControlEntry& c : controlTable()) {
        if (c.wageringDialog) continue;
        const bool enabled = controlEnabled(f, c);
        switch (c.kind) {
            case ControlKind::Check:
                out.push_back(
                    {std::string(c.name), V::Check, checkBoxOf(f, c)->value, false, {}, enabled});
                break;
            case ControlKind::Option:
                out.push_back(
                    {std::string(c.name), V::Option, 0, optionOf(f, c)->value, {}, enabled});
                break;
            case ControlKind::Text:
                out.push_back(
                    {std::string(c.name), V::Text, 0, false, textBoxOf(f, c)->text, enabled});
                break;
            case ControlKind::List:
                out.push_back({std::string(c.name), V::List, 0, false,
                               std::string(listOf(f, c)->text()), enabled});
                break;
            case ControlKind::Button:
            case ControlKind::Label:
                break;
        }
    }
    return out;
}

std::vector<std::string> disabledControls(const Form& form) {
    std::vector<std::string> out;
    for (const ControlEntry& c : controlTable()) {
        if (!c.wageringDialog && !controlEnabled(form, c)) out.emplace_back(c.name);
    }
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace brisvale
