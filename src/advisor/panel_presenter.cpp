// SPDX-License-Identifier: GPL-3.0-or-later
// The panel's boxes and the wagering dialog's fields, written from the settings and the
// wagering.

#include <algorithm>

#include "advisor/advisor.hpp"
#include "selection/thresholds.hpp"
#include "wagering/sequences.hpp"

namespace brisvale {
namespace {

int checkValue(std::int32_t v) {
    return v == 1 || v == 2 ? v : 0;
}

// Selects the entry that shows the number; a number the list does not hold leaves it alone.
void selectNumber(ListBox& list, std::int32_t value) {
    const std::string text = std::to_string(value);
    for (int i = 0; i < static_cast<int>(list.items.size()); ++i) {
        if (list.items[i] == text) {
            list.index = i;
            return;
        }
    }
}

std::vector<std::string> numberItems(int from, int to) {
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(to - from + 1));
    for (int i = from; i <= to; ++i) items.push_back(std::to_string(i));
    return items;
}

CheckBox& familyBoxAt(Form& form, int settingsPos) {
    return const_cast<CheckBox&>(familyBoxAt(static_cast<const Form&>(form), settingsPos));
}

}  // namespace

const CheckBox& familyBoxAt(const Form& f, int settingsPos) {
    switch (settingsPos) {
        case EvenBets:
            return f.familyBoxes[7];
        case RedBlack:
            return f.evenPairBoxes[1];
        case OddEven:
            return f.evenPairBoxes[2];
        case HighLow:
            return f.evenPairBoxes[3];
        case Dozen:
            return f.familyBoxes[6];
        case Line:
            return f.familyBoxes[2];
        case Trio:
            return f.familyBoxes[4];
        case Row:
            return f.familyBoxes[1];
        case Corner:
            return f.familyBoxes[3];
        case Split:
            return f.familyBoxes[5];
        default:
            return f.singleBox;
    }
}

void PanelPresenter::setUpPanel() {
    Form& f = form_;
    const int maxima[kHowManyCount] = {2, 2, 4, 6, 10, 16, 34};
    for (int k = 0; k < kHowManyCount; ++k) {
        f.howMany[k].items = numberItems(0, maxima[k]);
        f.howMany[k].index = 0;
    }
    f.spinIntervalList.items = numberItems(1, 9);
    f.casinoList.items = {"Select Casino", "New..."};
    f.casinoList.index = 0;
    f.styleButtons[1].value = true;
    f.conservativeDefaults.value = true;
    f.conservativeBetting.value = 1;
    for (ThresholdRow& row : f.thresholds) {
        row.low.text = row.high.text = "0";
        row.highLabelEnabled = true;
    }
    f.wageringDialog.increaseChips.items = numberItems(1, 1000);
    f.wageringDialog.increaseSteps.items = numberItems(1, 10);
}

void PanelPresenter::setUpRunLists() {
    Form& f = form_;
    f.unitWagerList.items = numberItems(1, 100);
    f.unitWagerList.index = 0;
    f.spinIntervalList.index = 2;
    f.winLimitList.items = numberItems(1, 999);
    f.timeLimitList.items = f.winLimitList.items;
    f.winLimitList.index = 2;
    f.timeLimitList.index = 14;
}

void PanelPresenter::showSettings() {
    Form& f = form_;
    for (int pos = EvenBets; pos <= Single; ++pos)
        familyBoxAt(f, pos).value = checkValue(settings_[pos]);
    selectNumber(f.winLimitList, settings_[WinsPer]);
    selectNumber(f.timeLimitList, settings_[PlayTime]);
    selectNumber(f.unitWagerList, settings_[MinWage]);
    f.balanceBox.text = std::to_string(settings_[Acct]);
    for (int style = 1; style <= 3; ++style) {
        if (settings_[ProgSing + style - 1] != 0) {
            for (int other = 1; other <= 3; ++other) f.styleButtons[other].value = other == style;
        }
    }
    f.conservativeBetting.value = checkValue(settings_[ConsBetting]);
    if (settings_[AggrDefault] != 0) {
        f.aggressiveDefaults.value = true;
        f.conservativeDefaults.value = false;
    }
    if (settings_[ConsDefault] != 0) {
        f.aggressiveDefaults.value = false;
        f.conservativeDefaults.value = true;
    }
    selectNumber(f.spinIntervalList, settings_[SpinInt]);
    for (int k = 0; k < kHowManyCount; ++k) {
        const int pos = settings_[CboDozen + k];
        if (pos >= 0 && pos < static_cast<int>(f.howMany[k].items.size())) f.howMany[k].index = pos;
    }

    if (const auto preset = d_.style.shownPreset()) {
        for (int k = 0; k < kFamilyCount; ++k) {
            f.threshold(k).random.value = checkValue(settings_[presetCheckPos(*preset, k)]);
            if (presetLowPos(*preset, k) < 0) continue;
            f.threshold(k).low.text = std::to_string(settings_[presetLowPos(*preset, k)]);
            f.threshold(k).high.text = std::to_string(settings_[presetHighPos(*preset, k)]);
        }
    }
    ApplyHighBoxes();
}

void PanelPresenter::showSingleThresholds(Preset preset) {
    const int single = static_cast<int>(Family::Single);
    form_.threshold(single).low.text = std::to_string(settings_[presetLowPos(preset, single)]);
    form_.threshold(single).high.text = std::to_string(settings_[presetHighPos(preset, single)]);
}

void PanelPresenter::untickSingles() {
    form_.singleBox.value = 0;
}

// chk7_Click: a grey Even Bets box leaves its pairs as they are.
void PanelPresenter::showPairsOnEvenBets() {
    const int value = form_.familyBoxes[7].value;
    if (value == 2) return;
    for (int i = 1; i <= 3; ++i) form_.evenPairBoxes[i].value = value;
}

// chk7_sub_MouseUp: all three pairs tick the Even Bets box, some of them grey it.
void PanelPresenter::showEvenBetsOnPairs() {
    int ticked = 0;
    for (int i = 1; i <= 3; ++i) ticked += form_.evenPairBoxes[i].value == 1 ? 1 : 0;
    form_.familyBoxes[7].value = ticked == 3 ? 1 : ticked == 0 ? 0 : 2;
}

void PanelPresenter::focusOn(std::string control) {
    form_.requestFocus(std::move(control));
}

// The Single row's High box is never open in Classic play, which bets no singles.
void PanelPresenter::showRandomRow(int family) {
    ThresholdRow& row = form_.threshold(family);
    const bool on = row.random.value == 1 && (family != 7 || !form_.styleButtons[1].value);
    row.high.enabled = on;
    row.highLabelEnabled = on;
}

// The High boxes follow their Random boxes.
void PanelPresenter::ApplyHighBoxes() {
    for (int k = 0; k < kFamilyCount; ++k) showRandomRow(k);
}

void PanelPresenter::setStyleControlsEnabled(bool multi) {
    Form& f = form_;
    f.threshold(7).random.enabled = multi;
    f.threshold(7).low.enabled = multi;
    f.threshold(7).high.enabled = multi;
    for (ListBox& list : f.howMany) list.enabled = multi;
    f.singleBox.enabled = multi;
}

void PanelPresenter::showAdvanced() {
    form_.height = s_.advancedShown ? 5610 : 3350;
    form_.moreButton.caption = s_.advancedShown ? "<< Less" : "More >>";
}

void PanelPresenter::showWageringDialog(bool open) {
    form_.wageringDialog.open = open;
}

// LoadControls
void PanelPresenter::showWagering() {
    WageringForm& w = form_.wageringDialog;
    for (int k = 0; k < kFamilyCount; ++k) {
        w.sequenceBoxes[k].text = joinSequence(s_.wagering.WagerSequence[k]);
    }
    w.autoIncrease.value = s_.wagering.AutoIncrease == 1 ? 1 : 0;
    const auto select = [](ListBox& list, int value) {
        const int last = static_cast<int>(list.items.size()) - 1;
        list.index = std::clamp(value - 1, 0, last);
    };
    select(w.increaseChips, s_.wagering.IncreaseChips);
    select(w.increaseSteps, s_.wagering.IncreaseSteps);
    showAutoIncrease();
}

void PanelPresenter::showSequence(int family, std::string text) {
    form_.wageringDialog.sequenceBoxes[static_cast<std::size_t>(family)].text = std::move(text);
}

void PanelPresenter::showAutoIncrease() {
    WageringForm& w = form_.wageringDialog;
    w.increaseChips.enabled = w.autoIncrease.value == 1;
}

}  // namespace brisvale
