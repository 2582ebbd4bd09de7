// SPDX-License-Identifier: GPL-3.0-or-later
// The timer: caption statistics, the spin wait with its blinking label, the table-switch
// advice, and the steps of a history replay.

#include <algorithm>
#include <charconv>

#include "advisor/advisor.hpp"
#include "util/numbers.hpp"

namespace brisvale {

namespace {

void appendNumber(std::string& out, long long n) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, n).ptr;
    out.append(buffer, end);
}

}  // namespace

void Presenter::writeTimerCaption() {
    if (!d_.shown_) return;
    // Every tick asks for it, while its figures change only with a press or a casino.
    const auto same = [&](const TimerCaptionKey& k) {
        return k.totalSpins == s_.TotalSpins && k.tableSpins == s_.TableSpins &&
               k.wins == s_.Wins && k.recordedSpins == s_.RecordedSpins &&
               k.casinoName == s_.CasinoName && k.appTitle == s_.AppTitle;
    };
    if (d_.timerCaption_ && same(*d_.timerCaption_)) return;
    // The key and the caption are rebuilt in place, so that their buffers are reused.
    TimerCaptionKey& key = d_.timerCaption_ ? *d_.timerCaption_ : d_.timerCaption_.emplace();
    key.totalSpins = s_.TotalSpins;
    key.tableSpins = s_.TableSpins;
    key.wins = s_.Wins;
    key.recordedSpins = s_.RecordedSpins;
    key.casinoName.assign(s_.CasinoName);
    key.appTitle.assign(s_.AppTitle);
    std::string& caption = form_.caption;
    caption.assign(captionStart());
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

// The table-switch advice: the run has had what this table gives.
void RunCycle::adviseSwitchTable() {
    s_.BetOpen = true;
    s_.advice = Advice::of(Advice::Kind::SwitchTable);
    s_.CurrentBet.clear();
    s_.phase = RunPhase::SwitchTable;
    d_.view.showSwitchTable();
}

// tick
void RunCycle::tick() {
    d_.view.writeTimerCaption();

    // The limits are read only when the advice could be given, and the bet table (a walk over
    // every bet) only once a limit is reached.
    const auto switchDue = [&] {
        const long long elapsed = ports_.clock.nowMs() / 1000 - s_.RunStart / 1000;
        const long long timeLimit = s_.style.minutesPerTable * 60LL;
        if (elapsed < timeLimit && s_.Wins < s_.style.winsPerTable) return false;
        return std::none_of(s_.betSteps.begin(), s_.betSteps.end(),
                            [](std::int16_t step) { return step > 1; });
    };
    if (!s_.BetOpen && switchDue()) adviseSwitchTable();

    if (s_.SpinWaitLeft > 0 || !s_.SpinWaitActive) {
        if (s_.SpinWaitLeft < -10000) s_.SpinWaitLeft = s_.SpinInterval;
        --s_.SpinWaitLeft;
        if (s_.SpinWaitActive) d_.view.blink();
    } else {
        s_.acceptsPress = true;
        s_.SpinWaitActive = false;
        d_.view.spinWaitOver();
    }

    if (d_.replay_) d_.replay.replayStep();
}

}  // namespace brisvale

namespace brisvale {

// The replay feeds the selected casino's recorded spins through the engine. It runs as steps
// of the timer (1 ms apart), so the window keeps serving its events while it plays.
// startReplay
void HistoryReplay::startReplay() {
    if (d_.replay_) return;  // one replay at a time; a second would enter its spins twice
    // The replay plays from a Start of its own: a live run is ended only when the user says so.
    if (d_.runFile.runOpen()) {
        // Without a casino there is nothing to replay, and no reason to end the run.
        if (d_.historyLine_.empty()) return;
        const std::string question = "Replaying ends the current run. Replay the history of " +
                                     d_.casinos.recordedName() + "?";
        if (!ports_.dialogs.askYesNo(question, s_.AppTitle)) return;
        d_.menus.restart();
    }
    const bool starting = !s_.playing();
    d_.run.pressPlay();
    // A run that could not start has told the user why; pressing Start again for every
    // recorded spin would only repeat that message.
    if (starting && !s_.playing()) return;
    // The box lists the casino's spins already, and the replay lists each one as it plays it.
    if (!d_.history_.empty()) d_.view.clearHistory();
    s_.ReplayMode = true;
    d_.replay_ = Replay{};
    d_.selected_ = false;
}

void HistoryReplay::replayStep() {
    Replay& r = *d_.replay_;
    if (r.phase == ReplayPhase::WaitSpin) {
        if (s_.SpinWaitLeft > 0) return;
        if (s_.phase == RunPhase::Quit &&
            !ports_.dialogs.askYesNo("Quit Now Has Came Up - Keep Testing?", "Quit Now")) {
            endReplay();
            return;
        }
        ++r.next;
        r.phase = ReplayPhase::WaitButton;
        d_.selected_ = false;
    }
    // Unreadable slots of a damaged history line hold no spin to replay.
    while (r.next < d_.history_.size() && d_.history_[r.next] < 0) ++r.next;
    if (r.next >= d_.history_.size()) {
        endReplay();
        return;
    }
    const int number = d_.history_[r.next];
    if (!d_.selected_) {
        d_.run.clickBoard(number);
        d_.selected_ = true;
    }
    if (!s_.acceptsPress) return;
    // A click of the user's while the replay waited must not change the recorded spin.
    if (!s_.SpinPending || s_.SpinNumber != number) d_.run.clickBoard(number);
    d_.run.pressPlay();
    s_.SpinWaitLeft = 1;
    r.phase = ReplayPhase::WaitSpin;
}

void HistoryReplay::endReplay() {
    s_.ReplayMode = false;
    d_.replay_.reset();
}

}  // namespace brisvale
