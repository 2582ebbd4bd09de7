// SPDX-License-Identifier: GPL-3.0-or-later
// The timer: caption statistics, the spin wait with its blinking label, the table-switch
// advice, and the steps of a history replay.

#include <algorithm>
#include <charconv>

#include "play/advisor.hpp"
#include "util/numbers.hpp"

namespace brisvale {

namespace {

void appendNumber(std::string& out, long long n) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, n).ptr;
    out.append(buffer, end);
}

}  // namespace

void Advisor::writeTimerCaption() {
    if (!shown_) return;
    // Rebuilt in place every tick, so the caption's buffer is reused.
    std::string& caption = s_.form.caption;
    caption.assign(s_.AppTitle);
    caption += " - Total Spins: ";
    appendNumber(caption, s_.TotalSpins);
    caption += " - Spins This Table: ";
    appendNumber(caption, s_.TableSpins);
    caption += " - Wins: ";
    appendNumber(caption, s_.Wins);
    caption += ' ';
    if (!s_.CasinoName.empty()) {
        caption += s_.CasinoName;
        caption += " - ";
        appendNumber(caption, s_.RecordedSpins);
        caption += " Recorded Spins";
    }
}

void Advisor::SwitchTableAdvice() {
    Form& f = s_.form;
    s_.BetOpen = true;
    f.Label1.caption = "Switch Table/Press Start";
    hideChips();
    set_backcolor(s_.NormalColor);
    f.Picture4.visible = true;
    s_.CurrentBet.clear();
    s_.phase = RunPhase::SwitchTable;
    f.Button1.caption = "Start";
}

void Advisor::Timer1_Timer() {
    Form& f = s_.form;
    writeTimerCaption();

    // The limits are read only when the advice could be given, and the bet table (a walk over
    // every bet) only once a limit is reached.
    const auto switchDue = [&] {
        const long long elapsed = ports_.clock.nowMs() / 1000 - s_.RunStart / 1000;
        const long long timeLimit = s_.style.minutesPerTable * 60LL;
        if (elapsed < timeLimit && s_.Wins < s_.style.winsPerTable) return false;
        return std::none_of(s_.betSteps.begin(), s_.betSteps.end(),
                            [](std::int16_t step) { return step > 1; });
    };
    if (!s_.BetOpen && switchDue()) SwitchTableAdvice();

    if (s_.SpinWaitLeft > 0 || !s_.SpinWaitActive) {
        if (s_.SpinWaitLeft < -10000) s_.SpinWaitLeft = s_.SpinInterval;
        --s_.SpinWaitLeft;
        if (s_.SpinWaitActive && shown_) f.Label1.visible = !f.Label1.visible;
    } else {
        s_.acceptsPress = true;
        f.Button1.enabled = true;
        s_.SpinWaitActive = false;
        f.Label1.visible = true;
    }

    if (replay_) replayStep();
}

}  // namespace brisvale

namespace brisvale {

// The replay feeds the selected casino's recorded spins through the engine. It runs as steps
// of the timer (1 ms apart), so the window keeps serving its events while it plays.
void Advisor::Command2_Click() {
    if (replay_) return;  // one replay at a time; a second would enter its spins twice
    // The replay plays from a Start of its own: a live run is ended only when the user says so.
    if (runOpen()) {
        // Without a casino there is nothing to replay, and no reason to end the run.
        if (historyLine_.empty()) return;
        const std::string question =
            "Replaying ends the current run. Replay the history of " + recordedName() + "?";
        if (!ports_.dialogs.askYesNo(question, s_.AppTitle)) return;
        mnuRestart_Click();
    }
    const bool starting = !s_.playing();
    Button1_Click();
    // A run that could not start has told the user why; pressing Start again for every
    // recorded spin would only repeat that message.
    if (starting && !s_.playing()) return;
    // The box lists the casino's spins already, and the replay lists each one as it plays it.
    if (!history_.empty()) s_.form.Text1.clear();
    s_.ReplayMode = true;
    replay_ = Replay{};
    selected_ = false;
}

void Advisor::replayStep() {
    Replay& r = *replay_;
    if (r.phase == ReplayPhase::WaitSpin) {
        if (s_.SpinWaitLeft > 0) return;
        if (s_.phase == RunPhase::Quit &&
            !ports_.dialogs.askYesNo("Quit Now Has Came Up - Keep Testing?", "Quit Now")) {
            endReplay();
            return;
        }
        ++r.next;
        r.phase = ReplayPhase::WaitButton;
        selected_ = false;
    }
    // Unreadable slots of a damaged history line hold no spin to replay.
    while (r.next < history_.size() && history_[r.next] < 0) ++r.next;
    if (r.next >= history_.size()) {
        endReplay();
        return;
    }
    const int number = history_[r.next];
    if (!selected_) {
        Picture3_Click(number);
        selected_ = true;
    }
    if (!s_.acceptsPress) return;
    // A click of the user's while the replay waited must not change the recorded spin.
    if (!s_.SpinPending || s_.SpinNumber != number) Picture3_Click(number);
    Button1_Click();
    s_.SpinWaitLeft = 1;
    r.phase = ReplayPhase::WaitSpin;
}

void Advisor::endReplay() {
    s_.ReplayMode = false;
    replay_.reset();
}

}  // namespace brisvale
