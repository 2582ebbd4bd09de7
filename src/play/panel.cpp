// SPDX-License-Identifier: GPL-3.0-or-later
// The play-style panel: styles, presets, Random boxes, thresholds, lists and their figures.

#include "play/advisor.hpp"
#include "selection/thresholds.hpp"
#include "util/numbers.hpp"

namespace brisvale {

void Advisor::setStyleControlsEnabled(bool multi) {
    Form& f = s_.form;
    f.Check[9].enabled = multi;
    f.Text[16].enabled = multi;
    f.Text[17].enabled = multi;
    for (ListBox& list : f.howMany) list.enabled = multi;
    f.Chk8.enabled = multi;
}

// The style and preset options carry their choice into the settings variables before
// ApplySettings, which would otherwise put the stored choice back. The rest of the panel is
// read first too, so that boxes ticked since the last save survive the switch.
void Advisor::BetStyle1_Click() {
    capturePanel();
    setStyleControlsEnabled(false);
    s_.form.Label35.caption = "Total Risk: N/A";
    settings_[ProgSing] = 1;
    settings_[MultiBet] = 0;
    settings_[ProgMulti] = 0;
    s_.MultiBetPlay = false;
    s_.form.Chk8.value = 0;
    settings_[Single] = 0;
    ApplySettings();
}

void Advisor::BetStyle2_Click() {
    capturePanel();
    setStyleControlsEnabled(true);
    s_.MultiBetPlay = true;
    refreshTotalRisk();
    settings_[ProgSing] = 0;
    settings_[MultiBet] = 1;
    settings_[ProgMulti] = 0;
    if (files_) writeStyleKeys(settingsFile_, false, true, false, &log_);
    ApplySettings();
}

void Advisor::BetStyle3_Click() {
    capturePanel();
    setStyleControlsEnabled(true);
    s_.MultiBetPlay = true;
    settings_[ProgSing] = 0;
    settings_[MultiBet] = 0;
    settings_[ProgMulti] = 1;
    ApplySettings();
}

void Advisor::Option2_Click() {
    capturePanel();
    settings_[AggrDefault] = 1;
    settings_[ConsDefault] = 0;
    ApplySettings();
}

void Advisor::Option3_Click() {
    capturePanel();
    settings_[AggrDefault] = 0;
    settings_[ConsDefault] = 1;
    ApplySettings();
}

void Advisor::RandomBox_Click(int check) {
    for (int k = 0; k < kFamilyCount; ++k) {
        if (randomBox(k) != check) continue;
        const bool on = s_.form.Check[check].value == 1;
        s_.form.Text[highBox(k)].enabled = on;
        s_.form.highLabelEnabled[check] = on;
    }
}

void Advisor::RandomBox_MouseUp(int) {
    CaptureSettings();
}

void Advisor::Text_LostFocus(int box) {
    if (box < 2 || box > 15) return;
    if (!parseInt16(s_.form.Text[box].text)) {
        ports_.dialogs.message("Value must be numeric!", s_.AppTitle);
        s_.form.requestFocus("Text" + std::to_string(box));
        return;
    }
    CaptureSettings();
}

void Advisor::HowMany_Click(int) {
    refreshTotalRisk();
}

void Advisor::cboWager_Click() {
    s_.wager.UnitWager = s_.form.cboWager.index + 1;
    refreshBalanceLabels();
}

void Advisor::Check8_Click() {
    refreshBalanceLabels();
}

void Advisor::cboSpins_Click() {
    s_.SpinInterval = s_.form.cboSpins.index + 1;
}

void Advisor::chk7_Click() {
    const int value = s_.form.chk[7].value;
    if (value == 2) return;
    for (int i = 1; i <= 3; ++i) s_.form.chk7_[i].value = value;
}

void Advisor::chk7_sub_MouseUp(int) {
    int ticked = 0;
    for (int i = 1; i <= 3; ++i) ticked += s_.form.chk7_[i].value == 1 ? 1 : 0;
    s_.form.chk[7].value = ticked == 3 ? 1 : ticked == 0 ? 0 : 2;
}

void Advisor::cmdMore_Click() {
    if (s_.form.cmdMore.caption == "More >>") {
        s_.form.height = 5610;
        s_.form.cmdMore.caption = "<< Less";
    } else {
        s_.form.height = 3350;
        s_.form.cmdMore.caption = "More >>";
    }
}

}  // namespace brisvale
