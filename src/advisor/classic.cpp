// SPDX-License-Identifier: GPL-3.0-or-later
// Classic play: one bet at a time, from Start to "Quit NOW".

#include <charconv>
#include <cmath>

#include "advisor/advisor.hpp"
#include "model/numbers.hpp"
#include "selection/bet_table.hpp"
#include "selection/passes.hpp"
#include "selection/thresholds.hpp"
#include "util/numbers.hpp"

namespace brisvale {

// pressPlay
void RunCycle::pressPlay() {
    const SafetyGuard::PressBefore before = d_.guard.safeBeforePress();
    d_.pressTaken_ = false;
    s_.settled.clear();
    d_.view.paint(s_.NormalColor);
    if (!d_.style.styleChosen()) return;
    if (s_.style.style == PlayStyle::Classic) {
        d_.classic.ProgSingle();
    } else {
        d_.multi.MultiSpin();
    }
    d_.guard.safeAfterPress(before);
}

void ClassicEngine::ProgSingle() {
    d_.wagering.syncUnitWager();
    if (!s_.playing()) {
        d_.run.openRun(false);
    } else if (!s_.BetOpen) {
        classicNoBet();
    } else {
        classicBetOpen();
    }
}

void RunCycle::openRun(bool multi) {
    if (!ValidateStart()) return;
    if (multi && !d_.multi.ValidateMultiSettings()) return;
    if (!d_.guard.safeStartAllowed()) return;
    PrepareRun();
    if (!d_.style.drawStartThresholds()) return;
    if (s_.advancedShown) d_.style.toggleAdvanced();
    BeginRun();
    s_.wager.StartUnitWager = s_.wager.UnitWager;
    CommonEnding();
    d_.pressTaken_ = true;
}

bool RunCycle::ValidateStart() {
    if (d_.balanceStale_) {
        d_.view.showBalanceAgain();
        d_.balanceStale_ = false;
    }
    if (!s_.style.anyWatched) {
        ports_.dialogs.message("Play Style is not properly set up", s_.AppTitle);
        return false;
    }
    if (entries_.balance.empty()) {
        d_.view.askForBalance();
        ports_.dialogs.message("You need to enter your account balance.", s_.AppTitle);
        return false;
    }
    if (!parseNumber(entries_.balance)) {
        d_.view.askForBalance();
        ports_.dialogs.message("Enter numbers only.", s_.AppTitle);
        return false;
    }
    return true;
}

void RunCycle::PrepareRun() {
    s_.acceptsPress = true;
    s_.StepIndex = 0;
    InitBetTable(s_);
    s_.SpinWaitActive = false;
    s_.advice = Advice::of(Advice::Kind::Configure);
    s_.RunStart = ports_.clock.nowMs();
    s_.phase = RunPhase::Idle;
    s_.sleepers.clearAll();
    s_.QuitPending = false;
    s_.Wins = 0;
    s_.wager.NetChips = 0;
    s_.CurrentBet.clear();
    s_.BetOpen = false;
    s_.TableSpins = 0;
    s_.RunBalances.clear();
    s_.runTally.clear();
    d_.view.runPrepared();
}

void RunCycle::BeginRun() {
    // The bankroll as the player entered it.
    s_.Balance = parseNumber(entries_.balance).value_or(0);
    s_.RunStart = ports_.clock.nowMs();
    // The undo history replays the Start of a resumed run on the resumed run's times.
    if (!d_.replaying_) d_.awayMs_ = 0;
    s_.SpinWaitActive = false;
    s_.advice = Advice::spinOnly();
    s_.phase = RunPhase::Playing;
    s_.Wins = 0;
    d_.view.runBegun();
}

void RunCycle::CommonEnding() {
    s_.RunBalances.push_back(s_.Balance);
    if (!s_.ReplayMode) s_.acceptsPress = false;
    s_.SpinWaitActive = true;
    s_.SpinWaitLeft = s_.SpinInterval;
    s_.SpinPending = false;
    d_.view.spinWaitStarted();
}

void RunCycle::EndBet(bool countSpin) {
    s_.sleepers.ZeroCountsMod(std::span<const BetId>(s_.CurrentBet.begin(), s_.CurrentBet.end()),
                              s_.SpinNumber);
    d_.style.drawStartThresholds();
    if (countSpin) {
        countUp(s_.TotalSpins);
        countUp(s_.TableSpins);
    }
    s_.acceptsPress = true;
    s_.advice = Advice::spinOnly();
    s_.BetOpen = false;
    s_.SpinWaitActive = true;
    d_.view.betEnded();
}

// "Quit NOW": the run ends, and the next press starts a new one.
void RunCycle::adviseQuit() {
    s_.phase = RunPhase::Quit;
    s_.advice = Advice::of(Advice::Kind::Quit);
    d_.view.showQuit();
}

// Takes the pending number; without one the press is refused and nothing changes.
bool RunCycle::takeSpin() {
    if (!s_.SpinPending) {
        ports_.dialogs.message("Select a Number!", s_.AppTitle);
        return false;
    }
    s_.runTally.add(s_.SpinNumber);
    d_.pressTaken_ = true;
    return true;
}

void ClassicEngine::classicNoBet() {
    if (!d_.run.takeSpin()) return;
    d_.casinos.RecordCasinoSpin();
    s_.sleepers.AdvanceCounters(s_.SpinNumber);
    d_.view.listSpin();
    countUp(s_.TotalSpins);
    countUp(s_.TableSpins);
    d_.view.writeRunCaption();

    // Singles are never bet in Classic play; from rows on, a family is asked only while no
    // bet is open yet.
    s_.advice = Advice::spinOnly();
    const auto& passes = familyPasses();
    for (int i = 0; i < kPassCount - 1; ++i) {
        if (i >= kEvenPasses && s_.BetOpen) break;
        runPass(s_, passes[i], s_.TotalSpins);
    }
    d_.view.showAdvice();

    if (s_.BetOpen) {
        // The first spin of a bet is played and settled at one unit, whatever the sequence says.
        s_.Stake = stakeOf(1, s_.UnitWager());
        d_.board.layClassicChip(true);
    }
    d_.run.CommonEnding();
}

void ClassicEngine::classicBetOpen() {
    if (!d_.run.takeSpin()) return;
    d_.casinos.RecordCasinoSpin();
    const Family family = bet(s_.CurrentBet[0]).family;
    const bool conservative = s_.style.conservative;

    if (CheckValidLose(s_, s_.SpinNumber)) {
        s_.wager.NetChips -= ChipsForResult(s_.wagering, family, s_.StepIndex, false);
        SettleBalance(s_);
        s_.sleepers.ResetNumberCounters(s_.SpinNumber);
        s_.sleepers.AdvanceDozenCounts(s_.SpinNumber);
        d_.view.listSpin();
        countUp(s_.TotalSpins);
        countUp(s_.TableSpins);
        countUp(s_.StepIndex);
        const int code =
            NextStake(s_.wagering, family, s_.StepIndex, conservative, s_.UnitWager(), s_.Stake);
        d_.view.showBalance();
        if (code == kStepStop) {
            // A stop mark closes the bet at once, with no spin wait. The spin is taken: left
            // pending, a second press would enter it again.
            d_.run.EndBet(false);
            s_.SpinPending = false;
            s_.StepIndex = 0;
            d_.wagering.changeWager({lowerWager});
            s_.RunBalances.push_back(s_.Balance);
            return;
        }
        if (code == kStepQuit) s_.QuitPending = true;
        if (!s_.QuitPending) {
            s_.advice = Advice::betAgain(s_.CurrentBet[0], s_.Stake);
            d_.board.layClassicChip(false);
            d_.view.showAdvice();
        } else {
            d_.run.adviseQuit();
            d_.board.hideChips();
        }
        d_.run.CommonEnding();
        return;
    }

    d_.view.listSpin();
    SettleBalance(s_);
    s_.wager.NetChips += ChipsForResult(s_.wagering, family, s_.StepIndex, true);
    s_.sleepers.ResetNumberCounters(s_.SpinNumber);
    d_.run.EndBet();
    countUp(s_.Wins);
    d_.wagering.changeWager({raiseClassic});
    d_.view.showBalance();
    s_.StepIndex = 0;
    d_.run.CommonEnding();
}

}  // namespace brisvale
