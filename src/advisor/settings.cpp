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

// A list's number, or the previous value when the list shows none (`none`) or one beyond a
// setting's range.
std::int32_t chosenNumber(int number, int none, std::int32_t previous) {
    return number != none && number >= -32768 && number <= 32767 ? number : previous;
}

}  // namespace

std::optional<Preset> StylePanel::shownPreset() const {
    const bool aggressive = entries_.aggressiveDefaults;
    if (entries_.style[1]) {
        return aggressive ? Preset::SingleAggressive : Preset::SingleConservative;
    }
    if (entries_.style[3]) {
        return aggressive ? Preset::MultiAggressive : Preset::MultiConservative;
    }
    return std::nullopt;
}

// ApplySettings
void StylePanel::ApplySettings() {
    d_.panel.showSettings();
}

StyleSettings StylePanel::panelStyle() const {
    const PanelEntries& e = entries_;
    StyleSettings style;
    // With no style chosen nothing is played; what is shown of it reads as Multi play.
    style.style = e.style[1]   ? PlayStyle::Classic
                  : e.style[3] ? PlayStyle::Super
                               : PlayStyle::Multi;
    const int ticks[kPassCount] = {e.evenPairs[1], e.evenPairs[2], e.evenPairs[3], e.families[1],
                                   e.families[6],  e.families[2],  e.families[3],  e.families[4],
                                   e.families[5],  e.singles};
    for (int p = 0; p < kPassCount; ++p) style.watched[p] = ticks[p] == 1;
    constexpr Family kCounted[kHowManyCount] = {Family::Dozen,  Family::Row,  Family::Line,
                                                Family::Corner, Family::Trio, Family::Split,
                                                Family::Single};
    for (int k = 0; k < kHowManyCount; ++k) {
        style.betsAtOnce[static_cast<int>(kCounted[k])] = e.betsAtOnce[k];
    }
    style.conservative = e.conservativeBetting == 1;
    style.winsPerTable = e.winLimit;  // 0, none chosen: no limit
    style.minutesPerTable = e.timeLimit;
    style.unitWager =
        e.unitWager >= kLowestWager && e.unitWager <= kHighestWager ? e.unitWager : kLowestWager;
    style.thresholds = thresholdEntries();
    style.chosen = e.style[1] || e.style[2] || e.style[3];
    // A grey Even Bets box (some of its pairs ticked) is a play style too.
    style.anyWatched = e.families[7] == 1 || e.families[7] == 2 || e.singles == 1;
    for (int i = 1; i <= 6; ++i) style.anyWatched = style.anyWatched || e.families[i] == 1;
    return style;
}

bool StylePanel::styleChosen() const {
    return s_.style.chosen;
}

ThresholdEntries StylePanel::thresholdEntries() const {
    ThresholdEntries entries;
    for (int k = 0; k < kFamilyCount; ++k) {
        const TypedThresholds& typed = entries_.threshold(k);
        entries[k] = {parseInt16(typed.low), parseInt16(typed.high), typed.random == 1};
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
    const PanelEntries& e = entries_;
    for (int pos = EvenBets; pos <= Single; ++pos) out[pos] = familyTickAt(e, pos);
    out[WinsPer] = chosenNumber(e.winLimit, 0, out[WinsPer]);
    out[PlayTime] = chosenNumber(e.timeLimit, 0, out[PlayTime]);
    out[MinWage] = chosenNumber(e.unitWager, 0, out[MinWage]);
    // A balance box that holds no number keeps the last account figure.
    if (const auto acct = parseNumber(e.balance)) {
        const double rounded = std::nearbyint(*acct);
        if (rounded >= -2147483648.0 && rounded <= 2147483647.0) {
            out[Acct] = static_cast<std::int32_t>(rounded);
        }
    }
    out[ConsBetting] = e.conservativeBetting;
    out[SpinInt] = chosenNumber(e.spinInterval, 0, out[SpinInt]);
    for (int k = 0; k < kHowManyCount; ++k) {
        out[CboDozen + k] = chosenNumber(e.betsAtOnce[k], -1, out[CboDozen + k]);
    }
}

void StylePanel::CaptureSettingsInto(Settings& out) const {
    capturePanelInto(out);
    const PanelEntries& e = entries_;
    for (int style = 1; style <= 3; ++style) out[ProgSing + style - 1] = e.style[style] ? -1 : 0;
    out[AggrDefault] = e.aggressiveDefaults ? -1 : 0;
    out[ConsDefault] = e.conservativeDefaults ? -1 : 0;
    const auto preset = shownPreset();
    if (!preset) return;
    for (int k = 0; k < kFamilyCount; ++k) {
        out[presetCheckPos(*preset, k)] = e.threshold(k).random;
        if (presetLowPos(*preset, k) < 0) continue;
        // A box that holds no number keeps the stored value.
        const TypedThresholds& row = e.threshold(k);
        for (const auto& [text, pos] : {std::pair{&row.low, presetLowPos(*preset, k)},
                                        std::pair{&row.high, presetHighPos(*preset, k)}}) {
            if (const auto value = parseInt16(*text)) out[pos] = *value;
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
    const bool multi = !entries_.style[1];
    d_.panel.setStyleControlsEnabled(multi);
    s_.MultiBetPlay = multi;
    if (multi) {
        d_.view.refreshTotalRisk();
    } else {
        d_.panel.untickSingles();
        d_.view.clearTotalRisk();
    }
    d_.panel.ApplyHighBoxes();
    d_.panel.showSingleThresholds(entries_.aggressiveDefaults ? Preset::MultiAggressive
                                                              : Preset::MultiConservative);
    syncStyle();
    d_.wagering.syncUnitWager();
    d_.view.refreshBalanceLabels();
    spinIntervalChosen();
}

}  // namespace brisvale
