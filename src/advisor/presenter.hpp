// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window shows of the run: colours, chips, captions, labels.

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "advisor/part.hpp"

namespace brisvale {

struct ChipSetup;
struct RemoteStartup;

class Presenter : public Part {
  public:
    using Part::Part;

    // Shared pieces.
    void paint(std::string_view color);
    void writeRunCaption();
    // The spin just entered, on top of the history box.
    void listSpin();
    // The history box empty, or listing the recorded spins that are numbers of the wheel.
    void clearHistory();
    void listRecorded(std::span<const int> spins);
    // The balance box: the balance once more, or emptied for a new entry with the focus in it.
    void showBalanceAgain();
    void askForBalance();
    void toggleOnTop();
    void showBalance();
    void showQuit();
    void refreshBalanceLabels();
    // The advice of the run, in words.
    void showAdvice();
    void showUnitWager();
    void showPressAccepted();
    void runPrepared();
    void runBegun();
    // The panel's controls of a run: the style, the limits, the wager and the bankroll.
    void setRunControlsEnabled(bool on);
    void panelReleased();
    void spinWaitStarted();
    void spinWaitOver();
    void blink();
    void betEnded();
    void showSwitchTable();
    void noBetsLaid();
    void refreshTotalRisk();
    void writeTimerCaption();
    // Classic play has no total risk.
    void clearTotalRisk();
    // The casino list: the casinos of the book after its two entries, and the one chosen.
    void showCasinos();
    // A whole run state was put back (undo, resume): the window kept with it comes back, and
    // shows the casinos of the book.
    void stateRestored(Form window);
    void showChosenCasino();
    void layOutWindow(const RemoteStartup& remote, const ChipSetup& setup);

  private:
    // "Brisvale - Total Spins: 5 - Spins This Table: 5", the start of the run's caption and of
    // the timer's.
    const std::string& captionStart();

    struct CaptionStart {
        int totalSpins = -1;
        int tableSpins = -1;
        std::string appTitle;
        std::string text;
    };
    CaptionStart start_;
    // The colours last painted, as the settings give them, and their values.
    struct PaintedColor {
        std::string text;
        std::optional<long long> value;
    };
    std::array<PaintedColor, 3> painted_;
    std::size_t nextPainted_ = 0;
    // A text of the Form as the presenter last wrote it, and what it wrote it from. While the
    // Form still holds that text, the same source needs no writing again; anything else that
    // writes the text (an undo, a Start) leaves it different, and it is written again.
    template <class Source>
    struct Written {
        std::optional<Source> source;
        std::string text;

        bool holds(const Source& now, const std::string& shown) const {
            return source == now && shown == text;
        }
        void note(const Source& now, const std::string& shown) {
            source = now;
            text = shown;
        }
    };
    Written<double> balance_;  // the balance box
    Written<Advice> advice_;   // the advice label
};

}  // namespace brisvale
