// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The panel and the wagering dialog: what the settings and the sequences put into the
// player's entries, the window's boxes showing those entries, which boxes are open, and where
// the focus goes. The presenter's half for the left column and the dialog; the user's own
// typing reaches the entries through the control adapter.

#include <string>
#include <string_view>

#include "advisor/part.hpp"

namespace brisvale {

// The tick of a family's settings position (EvenBets .. Single).
const int& familyTickAt(const PanelEntries& entries, int settingsPos);

class PanelPresenter : public Part {
  public:
    using Part::Part;

    // What the player has put into the panel, in the window's boxes and lists.
    void showEntries() const;
    // A new window's lists and boxes, before any settings are read.
    void setUpPanel();
    // The lists of the minimum wager and the table's limits, and the spin interval's entry, as
    // they stand before the settings are shown.
    void setUpRunLists();
    // ApplySettings: the settings variables in the boxes and lists, the style and preset
    // options, and the shown preset's thresholds.
    void showSettings();
    // The Single row holds the Multi preset's pair whatever style is shown.
    void showSingleThresholds(Preset preset);
    void untickSingles();
    // The Even Bets box and its three pairs follow each other.
    void showEvenBetsOnPairs();
    void showPairsOnEvenBets();
    void focusOn(std::string control);
    // A row's High box is open while its Random box is ticked.
    void showRandomRow(int family);
    void ApplyHighBoxes();
    void setStyleControlsEnabled(bool multi);
    // The advanced settings open or closed, as the run has them.
    void showAdvanced();

    // The wagering dialog.
    void showWageringDialog(bool open);
    // The sequences and the auto-increase as the wagering holds them.
    void showWagering();
    // A family's sequence as it is stored, after the user's typing was read.
    void showSequence(int family, std::string text);
    // The chips list follows the auto-increase box.
    void showAutoIncrease();
};

}  // namespace brisvale
