// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The play style: the settings file and the panel that edits it.

#include "advisor/part.hpp"

namespace brisvale {

class StylePanel : public Part {
  public:
    using Part::Part;

    std::optional<Preset> shownPreset() const;
    void ApplySettings();
    // The play style as the panel shows it, and whether a style is chosen at all.
    StyleSettings panelStyle() const;
    bool styleChosen() const;
    // The panel after its settings changed: the controls of the style, the wager, the labels.
    void settleStyleControls();
    // The thresholds as the panel's boxes hold them.
    ThresholdEntries thresholdEntries() const;
    // DrawThresholds on the panel's entries; false, after its message, on a bad entry.
    bool drawStartThresholds();
    void capturePanel();
    void CaptureSettings();
    void capturePanelInto(Settings& settings) const;
    // The same into any settings variables, the Advisor's own left as they are.
    void CaptureSettingsInto(Settings& settings) const;
    void SaveSettings();
    // Settings.
    void LoadSettings();
    void WriteDefaultSettings();
    // The rules read the style as the panel last showed it: only the user's and the program's
    // changes of the panel move it, never a press or a tick.
    void syncStyle() { s_.style = panelStyle(); }
    // The play-style panel.
    void chooseClassic();
    void chooseMulti();
    void chooseSuper();
    void applyAggressiveDefaults();
    void applyConservativeDefaults();
    void randomToggled(int family);
    void randomReleased(int family);            // reads the controls back into the settings
    void thresholdLeft(int family, bool high);  // the numeric check of a threshold box
    void howManyChosen(int list);
    void unitWagerChosen();
    void conservativeToggled();
    void spinIntervalChosen();
    void evenBetsToggled();
    void evenPairReleased(int sub);  // chk7_1..chk7_3
    void toggleAdvanced();
};

}  // namespace brisvale
