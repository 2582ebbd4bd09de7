// SPDX-License-Identifier: GPL-3.0-or-later
// The settings variables and the controls they feed: loading, applying, capturing, saving.

#include <cmath>

#include "advisor/advisor.hpp"
#include "advisor/control_table.hpp"
#include "advisor/panel_presenter.hpp"
#include "selection/thresholds.hpp"
#include "storage/properties.hpp"
#include "util/numbers.hpp"

namespace brisvale {
namespace {

std::int32_t shownNumber(const ListBox& list, std::int32_t previous) {
    return static_cast<std::int32_t>(parseWhole(list.text(), -32768, 32767).value_or(previous));
}

}  // namespace

std::optional<Preset> StylePanel::shownPreset() const {
    const bool aggressive = form_.aggressiveDefaults.value;
    if (form_.styleButtons[1].value) {
        return aggressive ? Preset::SingleAggressive : Preset::SingleConservative;
    }
    if (form_.styleButtons[3].value) {
        return aggressive ? Preset::MultiAggressive : Preset::MultiConservative;
    }
    return std::nullopt;
}

// ApplySettings
void StylePanel::ApplySettings() {
    d_.panel.showSettings();
}

StyleSettings StylePanel::panelStyle() const {
    const Form& f = form_;
    StyleSettings style;
    // With no style chosen nothing is played; what is shown of it reads as Multi play.
    style.style = f.styleButtons[1].value   ? PlayStyle::Classic
                  : f.styleButtons[3].value ? PlayStyle::Super
                                            : PlayStyle::Multi;
    const CheckBox* boxes[kPassCount] = {
        &f.evenPairBoxes[1], &f.evenPairBoxes[2], &f.evenPairBoxes[3], &f.familyBoxes[1],
        &f.familyBoxes[6],   &f.familyBoxes[2],   &f.familyBoxes[3],   &f.familyBoxes[4],
        &f.familyBoxes[5],   &f.singleBox};
    for (int p = 0; p < kPassCount; ++p) style.watched[p] = boxes[p]->value == 1;
    constexpr Family kCounted[kHowManyCount] = {Family::Dozen,  Family::Row,  Family::Line,
                                                Family::Corner, Family::Trio, Family::Split,
                                                Family::Single};
    for (int k = 0; k < kHowManyCount; ++k) {
        style.betsAtOnce[static_cast<int>(kCounted[k])] = f.howMany[k].index;
    }
    style.conservative = f.conservativeBetting.value == 1;
    style.winsPerTable =
        static_cast<int>(parseWhole(f.winLimitList.text(), 0, 1000000).value_or(0));
    style.minutesPerTable =
        static_cast<int>(parseWhole(f.timeLimitList.text(), 0, 1000000).value_or(0));
    style.unitWager =
        parseWhole(f.unitWagerList.text(), kLowestWager, kHighestWager).value_or(kLowestWager);
    style.thresholds = thresholdEntries();
    style.chosen = f.styleButtons[1].value || f.styleButtons[2].value || f.styleButtons[3].value;
    // A grey Even Bets box (some of its pairs ticked) is a play style too.
    style.anyWatched =
        f.familyBoxes[7].value == 1 || f.familyBoxes[7].value == 2 || f.singleBox.value == 1;
    for (int i = 1; i <= 6; ++i) style.anyWatched = style.anyWatched || f.familyBoxes[i].value == 1;
    return style;
}

bool StylePanel::styleChosen() const {
    return s_.style.chosen;
}

ThresholdEntries StylePanel::thresholdEntries() const {
    ThresholdEntries entries;
    for (int k = 0; k < kFamilyCount; ++k) {
        entries[k] = {parseInt16(form_.threshold(k).low.text),
                      parseInt16(form_.threshold(k).high.text),
                      form_.threshold(k).random.value == 1};
    }
    return entries;
}

bool StylePanel::drawStartThresholds() {
    const auto problem =
        drawThresholds(s_.style.thresholds, s_.MultiBetPlay, ports_.random, s_.StartThreshold);
    if (!problem) return true;
    ports_.dialogs.message(problem->message(), s_.AppTitle);
    if (problem->kind == ThresholdProblem::Kind::NotNumeric) {
        const int k = static_cast<int>(problem->family);
        d_.panel.focusOn(std::string(thresholdBoxName(k, problem->high)));
    }
    return false;
}

// Everything of the panel that does not depend on the style shown.
void StylePanel::capturePanel() {
    capturePanelInto(settings_);
}

void StylePanel::CaptureSettings() {
    CaptureSettingsInto(settings_);
}

StoredStyle Advisor::styleShown() const {
    StoredStyle style;
    style.settings.status = SettingsStatus::Loaded;
    style.settings.values = settings_;
    d_.style.CaptureSettingsInto(style.settings.values);
    style.wagering = s_.wagering;
    return style;
}

void StylePanel::capturePanelInto(Settings& out) const {
    const Form& f = form_;
    for (int pos = EvenBets; pos <= Single; ++pos) out[pos] = familyBoxAt(f, pos).value;
    out[WinsPer] = shownNumber(f.winLimitList, out[WinsPer]);
    out[PlayTime] = shownNumber(f.timeLimitList, out[PlayTime]);
    out[MinWage] = shownNumber(f.unitWagerList, out[MinWage]);
    // A balance box that holds no number keeps the last account figure.
    if (const auto acct = parseNumber(f.balanceBox.text)) {
        const double rounded = std::nearbyint(*acct);
        if (rounded >= -2147483648.0 && rounded <= 2147483647.0) {
            out[Acct] = static_cast<std::int32_t>(rounded);
        }
    }
    out[ConsBetting] = f.conservativeBetting.value;
    out[SpinInt] = shownNumber(f.spinIntervalList, out[SpinInt]);
    for (int k = 0; k < kHowManyCount; ++k) {
        out[CboDozen + k] = shownNumber(f.howMany[k], out[CboDozen + k]);
    }
}

void StylePanel::CaptureSettingsInto(Settings& out) const {
    capturePanelInto(out);
    const Form& f = form_;
    for (int style = 1; style <= 3; ++style)
        out[ProgSing + style - 1] = f.styleButtons[style].value ? -1 : 0;
    out[AggrDefault] = f.aggressiveDefaults.value ? -1 : 0;
    out[ConsDefault] = f.conservativeDefaults.value ? -1 : 0;
    const auto preset = shownPreset();
    if (!preset) return;
    for (int k = 0; k < kFamilyCount; ++k) {
        out[presetCheckPos(*preset, k)] = f.threshold(k).random.value;
        if (presetLowPos(*preset, k) < 0) continue;
        // A box that holds no number keeps the stored value.
        const ThresholdRow& row = f.threshold(k);
        for (const auto& [box, pos] : {std::pair{&row.low, presetLowPos(*preset, k)},
                                       std::pair{&row.high, presetHighPos(*preset, k)}}) {
            if (const auto value = parseInt16(box->text)) out[pos] = *value;
        }
    }
}

void StylePanel::SaveSettings() {
    if (!d_.files_) return;
    d_.tellWrite(writeSettingsFile(d_.settingsFile_, settings_, &log_), d_.settingsFile_,
                 "The settings saved before were kept.");
}

void StylePanel::LoadSettings() {
    const SettingsRead read =
        d_.files_ ? readSettingsFile(d_.settingsFile_, &log_) : d_.style_->settings;
    if (read.status == SettingsStatus::Loaded) {
        settings_ = read.values;
    } else {
        settings_ = defaultSettings();
        // Without files the damage was told when the style was read, and nothing is kept.
        if (read.status == SettingsStatus::Damaged && d_.files_) {
            keepDamagedSettings(d_.settingsFile_);
            writeSettingsFile(d_.settingsFile_, settings_, &log_);
            ports_.dialogs.message("The settings file could not be read (" + read.problem +
                                       "). It has been kept as " +
                                       d_.settingsFile_.filename().string() +
                                       ".bad and the default settings are loaded.",
                                   s_.AppTitle);
        }
    }
    ApplySettings();
}

void StylePanel::WriteDefaultSettings() {
    if (d_.files_) {
        removeFile(d_.settingsFile_);
        d_.tellWrite(writeSettingsFile(d_.settingsFile_, defaultSettings(), &log_),
                     d_.settingsFile_, "The default settings are used for now.");
        LoadSettings();
    } else {
        settings_ = defaultSettings();
        ApplySettings();
    }
    // Applied, the default settings select Classic play and the conservative set themselves.
}

// After the program itself has loaded settings, the controls stand as the user's click on the
// selected style would leave them.
void StylePanel::settleStyleControls() {
    const Form& f = form_;
    const bool multi = !f.styleButtons[1].value;
    d_.panel.setStyleControlsEnabled(multi);
    s_.MultiBetPlay = multi;
    if (multi) {
        d_.view.refreshTotalRisk();
    } else {
        d_.panel.untickSingles();
        d_.view.clearTotalRisk();
    }
    d_.panel.ApplyHighBoxes();
    d_.panel.showSingleThresholds(f.aggressiveDefaults.value ? Preset::MultiAggressive
                                                             : Preset::MultiConservative);
    syncStyle();
    d_.wagering.syncUnitWager();
    d_.view.refreshBalanceLabels();
    spinIntervalChosen();
}

}  // namespace brisvale
