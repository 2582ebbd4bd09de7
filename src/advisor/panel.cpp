// SPDX-License-Identifier: GPL-3.0-or-later
// The play-style panel: styles, presets, Random boxes, thresholds, lists and their figures.

#include "advisor/advisor.hpp"
#include "advisor/control_table.hpp"
#include "selection/thresholds.hpp"
#include "util/numbers.hpp"

namespace brisvale {

void Presenter::clearTotalRisk() {
    form_.totalRiskLabel.caption = "Total Risk: N/A";
}

// The style and preset options carry their choice into the settings variables before
// ApplySettings, which would otherwise put the stored choice back. The rest of the panel is
// read first too, so that boxes ticked since the last save survive the switch.
// BetStyle1_Click
void StylePanel::chooseClassic() {
    capturePanel();
    d_.panel.setStyleControlsEnabled(false);
    d_.view.clearTotalRisk();
    settings_[ProgSing] = 1;
    settings_[MultiBet] = 0;
    settings_[ProgMulti] = 0;
    s_.MultiBetPlay = false;
    d_.panel.untickSingles();
    settings_[Single] = 0;
    ApplySettings();
}

// BetStyle2_Click
void StylePanel::chooseMulti() {
    capturePanel();
    d_.panel.setStyleControlsEnabled(true);
    s_.MultiBetPlay = true;
    d_.view.refreshTotalRisk();
    settings_[ProgSing] = 0;
    settings_[MultiBet] = 1;
    settings_[ProgMulti] = 0;
    if (d_.files_) writeStyleKeys(d_.settingsFile_, false, true, false, &log_);
    ApplySettings();
}

// BetStyle3_Click
void StylePanel::chooseSuper() {
    capturePanel();
    d_.panel.setStyleControlsEnabled(true);
    s_.MultiBetPlay = true;
    settings_[ProgSing] = 0;
    settings_[MultiBet] = 0;
    settings_[ProgMulti] = 1;
    ApplySettings();
}

// Option2_Click
void StylePanel::applyAggressiveDefaults() {
    capturePanel();
    settings_[AggrDefault] = 1;
    settings_[ConsDefault] = 0;
    ApplySettings();
}

// Option3_Click
void StylePanel::applyConservativeDefaults() {
    capturePanel();
    settings_[AggrDefault] = 0;
    settings_[ConsDefault] = 1;
    ApplySettings();
}

// RandomBox_Click
void StylePanel::randomToggled(int family) {
    d_.panel.showRandomRow(family);
}

// RandomBox_MouseUp
void StylePanel::randomReleased(int) {
    CaptureSettings();
}

// A threshold box left after typing: the Single pair is checked at Start.
// Text_LostFocus
void StylePanel::thresholdLeft(int family, bool high) {
    if (family < 0 || family >= static_cast<int>(Family::Single)) return;
    const TypedThresholds& row = entries_.threshold(family);
    if (!parseInt16(high ? row.high : row.low)) {
        ports_.dialogs.message("Value must be numeric!", s_.AppTitle);
        d_.panel.focusOn(std::string(thresholdBoxName(family, high)));
        return;
    }
    CaptureSettings();
}

// HowMany_Click
void StylePanel::howManyChosen(int) {
    d_.view.refreshTotalRisk();
}

// cboWager_Click
void StylePanel::unitWagerChosen() {
    syncStyle();
    s_.wager.UnitWager = s_.style.unitWager;
    d_.view.refreshBalanceLabels();
}

// Check8_Click
void StylePanel::conservativeToggled() {
    d_.view.refreshBalanceLabels();
}

// cboSpins_Click
void StylePanel::spinIntervalChosen() {
    s_.SpinInterval = entries_.spinInterval;
}

// chk7_Click
void StylePanel::evenBetsToggled() {
    d_.panel.showPairsOnEvenBets();
}

// chk7_sub_MouseUp
void StylePanel::evenPairReleased(int) {
    d_.panel.showEvenBetsOnPairs();
}

// Opens or closes the advanced settings below the board.
// cmdMore_Click
void StylePanel::toggleAdvanced() {
    s_.advancedShown = !s_.advancedShown;
    d_.panel.showAdvanced();
}

}  // namespace brisvale
