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

// Chooses the number when the list holds it; a number the list does not hold leaves the
// choice alone.
void chooseNumber(int& chosen, const ListBox& list, std::int32_t value) {
    const std::string text = std::to_string(value);
    if (std::find(list.items.begin(), list.items.end(), text) != list.items.end()) chosen = value;
}

std::vector<std::string> numberItems(int from, int to) {
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(to - from + 1));
    for (int i = from; i <= to; ++i) items.push_back(std::to_string(i));
    return items;
}

int& familyTickAt(PanelEntries& entries, int settingsPos) {
    return const_cast<int&>(familyTickAt(static_cast<const PanelEntries&>(entries), settingsPos));
}

}  // namespace

const int& familyTickAt(const PanelEntries& e, int settingsPos) {
    switch (settingsPos) {
        case EvenBets:
            return e.families[7];
        case RedBlack:
            return e.evenPairs[1];
        case OddEven:
            return e.evenPairs[2];
        case HighLow:
            return e.evenPairs[3];
        case Dozen:
            return e.families[6];
        case Line:
            return e.families[2];
        case Trio:
            return e.families[4];
        case Row:
            return e.families[1];
        case Corner:
            return e.families[3];
        case Split:
            return e.families[5];
        default:
            return e.singles;
    }
}

// What the player has put into the panel, in the window's boxes and lists.
void PanelPresenter::showEntries() const {
    // Front ends ask for the window at every event; most events change no entry, or only the
    // balance.
    if (!d_.entriesShown_) {
        showEntriesIn(entries_, form_);
    } else if (!d_.balanceShown_) {
        form_.balanceBox.text = entries_.balance;
    }
    d_.entriesShown_ = d_.balanceShown_ = true;
}

void PanelPresenter::setUpPanel() {
    Form& f = form_;
    PanelEntries& e = changeEntries();
    const int maxima[kHowManyCount] = {2, 2, 4, 6, 10, 16, 34};
    for (int k = 0; k < kHowManyCount; ++k) {
        f.howMany[k].items = numberItems(0, maxima[k]);
        e.betsAtOnce[k] = 0;
    }
    f.spinIntervalList.items = numberItems(1, 9);
    f.casinoList.items = {"Select Casino", "New..."};
    f.casinoList.index = 0;
    e.style[1] = true;
    e.conservativeDefaults = true;
    e.conservativeBetting = 1;
    for (int k = 0; k < kFamilyCount; ++k) {
        e.threshold(k).low = e.threshold(k).high = "0";
        f.threshold(k).highLabelEnabled = true;
    }
    f.wageringDialog.increaseChips.items = numberItems(1, 1000);
    f.wageringDialog.increaseSteps.items = numberItems(1, 10);
}

void PanelPresenter::setUpRunLists() {
    Form& f = form_;
    f.unitWagerList.items = numberItems(1, 100);
    f.winLimitList.items = numberItems(1, 999);
    f.timeLimitList.items = f.winLimitList.items;
    PanelEntries& e = changeEntries();
    e.unitWager = 1;
    e.spinInterval = 3;
    e.winLimit = 3;
    e.timeLimit = 15;
}

void PanelPresenter::showSettings() {
    const Form& f = form_;
    PanelEntries& e = changeEntries();
    for (int pos = EvenBets; pos <= Single; ++pos)
        familyTickAt(e, pos) = checkValue(settings_[pos]);
    chooseNumber(e.winLimit, f.winLimitList, settings_[WinsPer]);
    chooseNumber(e.timeLimit, f.timeLimitList, settings_[PlayTime]);
    chooseNumber(e.unitWager, f.unitWagerList, settings_[MinWage]);
    e.balance = std::to_string(settings_[Acct]);
    for (int style = 1; style <= 3; ++style) {
        if (settings_[ProgSing + style - 1] != 0) {
            for (int other = 1; other <= 3; ++other) e.style[other] = other == style;
        }
    }
    e.conservativeBetting = checkValue(settings_[ConsBetting]);
    if (settings_[AggrDefault] != 0) {
        e.aggressiveDefaults = true;
        e.conservativeDefaults = false;
    }
    if (settings_[ConsDefault] != 0) {
        e.aggressiveDefaults = false;
        e.conservativeDefaults = true;
    }
    chooseNumber(e.spinInterval, f.spinIntervalList, settings_[SpinInt]);
    for (int k = 0; k < kHowManyCount; ++k) {
        // The lists count from none, so a position is the number of bets.
        const int count = settings_[CboDozen + k];
        if (count >= 0 && count < static_cast<int>(f.howMany[k].items.size())) {
            e.betsAtOnce[k] = count;
        }
    }

    if (const auto preset = d_.style.shownPreset()) {
        for (int k = 0; k < kFamilyCount; ++k) {
            e.threshold(k).random = checkValue(settings_[presetCheckPos(*preset, k)]);
            if (presetLowPos(*preset, k) < 0) continue;
            e.threshold(k).low = std::to_string(settings_[presetLowPos(*preset, k)]);
            e.threshold(k).high = std::to_string(settings_[presetHighPos(*preset, k)]);
        }
    }
    ApplyHighBoxes();
}

void PanelPresenter::showSingleThresholds(Preset preset) {
    const int single = static_cast<int>(Family::Single);
    TypedThresholds& row = changeEntries().threshold(single);
    row.low = std::to_string(settings_[presetLowPos(preset, single)]);
    row.high = std::to_string(settings_[presetHighPos(preset, single)]);
}

void PanelPresenter::untickSingles() {
    changeEntries().singles = 0;
}

// chk7_Click: a grey Even Bets box leaves its pairs as they are.
void PanelPresenter::showPairsOnEvenBets() {
    const int value = entries_.families[7];
    if (value == 2) return;
    PanelEntries& e = changeEntries();
    for (int i = 1; i <= 3; ++i) e.evenPairs[i] = value;
}

// chk7_sub_MouseUp: all three pairs tick the Even Bets box, some of them grey it.
void PanelPresenter::showEvenBetsOnPairs() {
    int ticked = 0;
    for (int i = 1; i <= 3; ++i) ticked += entries_.evenPairs[i] == 1 ? 1 : 0;
    changeEntries().families[7] = ticked == 3 ? 1 : ticked == 0 ? 0 : 2;
}

void PanelPresenter::focusOn(std::string control) {
    form_.requestFocus(std::move(control));
}

// The Single row's High box is never open in Classic play, which bets no singles.
void PanelPresenter::showRandomRow(int family) {
    ThresholdRow& row = form_.threshold(family);
    const bool on = entries_.threshold(family).random == 1 && (family != 7 || !entries_.style[1]);
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
    changeEntries().wagering.open = open;
}

// LoadControls
void PanelPresenter::showWagering() {
    WageringEntries& w = changeEntries().wagering;
    for (int k = 0; k < kFamilyCount; ++k) {
        w.sequences[k] = joinSequence(s_.wagering.WagerSequence[k]);
    }
    w.autoIncrease = s_.wagering.AutoIncrease == 1 ? 1 : 0;
    // The lists run from 1 up; a number beyond them shows as the nearest they hold.
    const auto choose = [](int& chosen, const ListBox& list, int value) {
        chosen = std::clamp(value, 1, std::max(static_cast<int>(list.items.size()), 1));
    };
    const WageringForm& dialog = form_.wageringDialog;
    choose(w.increaseChips, dialog.increaseChips, s_.wagering.IncreaseChips);
    choose(w.increaseSteps, dialog.increaseSteps, s_.wagering.IncreaseSteps);
    showAutoIncrease();
}

void PanelPresenter::showSequence(int family, std::string text) {
    changeEntries().wagering.sequences[static_cast<std::size_t>(family)] = std::move(text);
}

void PanelPresenter::showAutoIncrease() {
    form_.wageringDialog.increaseChips.enabled = entries_.wagering.autoIncrease == 1;
}

}  // namespace brisvale
