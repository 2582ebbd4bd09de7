// SPDX-License-Identifier: GPL-3.0-or-later
// Classic play: one bet at a time, from Start to "Quit NOW".

#include <charconv>
#include <cmath>

#include "model/numbers.hpp"
#include "play/advisor.hpp"
#include "selection/bet_table.hpp"
#include "selection/passes.hpp"
#include "selection/thresholds.hpp"
#include "util/numbers.hpp"

namespace brisvale {

void Advisor::Button1_Click() {
    const PressBefore before = safeBeforePress();
    pressTaken_ = false;
    s_.settled.clear();
    set_backcolor(s_.NormalColor);
    if (!styleChosen()) return;
    if (s_.style.style == PlayStyle::Classic) {
        ProgSingle();
    } else {
        MultiSpin();
    }
    safeAfterPress(before);
}

void Advisor::ProgSingle() {
    syncUnitWager();
    if (!s_.playing()) {
        startRun(false);
    } else if (!s_.BetOpen) {
        classicNoBet();
    } else {
        classicBetOpen();
    }
}

void Advisor::startRun(bool multi) {
    if (!ValidateStart()) return;
    if (multi && !ValidateMultiSettings()) return;
    if (!safeStartAllowed()) return;
    PrepareRun();
    if (!drawStartThresholds()) return;
    if (s_.form.cmdMore.caption == "<< Less") cmdMore_Click();
    BeginRun();
    s_.wager.StartUnitWager = s_.wager.UnitWager;
    CommonEnding();
    pressTaken_ = true;
}

bool Advisor::ValidateStart() {
    if (balanceStale_) {
        s_.form.Text[18].text = formatNumber(s_.Balance);
        balanceStale_ = false;
    }
    const Form& f = s_.form;
    // A grey Even Bets box (some of its pairs ticked) is a play style too.
    bool watched = f.chk[7].value == 1 || f.chk[7].value == 2 || f.Chk8.value == 1;
    for (int i = 1; i <= 6; ++i) watched = watched || f.chk[i].value == 1;
    if (!watched) {
        ports_.dialogs.message("Play Style is not properly set up", s_.AppTitle);
        return false;
    }
    if (s_.form.Text[18].text.empty()) {
        s_.form.requestFocus("Text18");
        ports_.dialogs.message("You need to enter your account balance.", s_.AppTitle);
        return false;
    }
    if (!parseNumber(s_.form.Text[18].text)) {
        s_.form.Text[18].text.clear();
        s_.form.requestFocus("Text18");
        ports_.dialogs.message("Enter numbers only.", s_.AppTitle);
        return false;
    }
    return true;
}

void Advisor::PrepareRun() {
    Form& f = s_.form;
    s_.acceptsPress = true;
    f.Button1.enabled = true;
    s_.StepIndex = 0;
    InitBetTable(s_);
    hideChips();
    f.marker.visible = false;
    s_.SpinWaitActive = false;
    f.Label1.caption = "Configure Play Style and Press Start";
    f.Label1.visible = true;
    s_.RunStart = ports_.clock.nowMs();
    s_.phase = RunPhase::Idle;
    f.Button1.caption = "Start";
    s_.sleepers.clearAll();
    if (s_.RecordedSpins == 0) f.Text1.clear();
    s_.QuitPending = false;
    s_.Wins = 0;
    s_.wager.NetChips = 0;
    set_backcolor(s_.NormalColor);
    s_.CurrentBet.clear();
    s_.BetOpen = false;
    s_.TableSpins = 0;
    s_.RunBalances.clear();
    s_.runTally.clear();
    writeRunCaption();
}

void Advisor::BeginRun() {
    Form& f = s_.form;
    for (int i = 1; i <= 7; ++i) f.chk[i].enabled = false;
    for (int i = 1; i <= 3; ++i) f.chk7_[i].enabled = false;
    f.Chk8.enabled = false;
    f.cboWins.enabled = false;
    f.cboTime.enabled = false;
    f.cboWager.enabled = false;
    f.Text[18].enabled = false;
    f.Picture4.visible = false;
    s_.Balance = parseNumber(f.Text[18].text).value_or(0);
    s_.RunStart = ports_.clock.nowMs();
    // The undo history replays the Start of a resumed run on the resumed run's times.
    if (!replaying_) awayMs_ = 0;
    s_.SpinWaitActive = false;
    f.Label1.caption = "Spin Only";
    s_.phase = RunPhase::Playing;
    f.Button1.caption = "Submit";
    s_.Wins = 0;
}

void Advisor::CommonEnding() {
    showBalance();
    s_.RunBalances.push_back(s_.Balance);
    if (!s_.ReplayMode) s_.acceptsPress = s_.form.Button1.enabled = false;
    s_.SpinWaitActive = true;
    s_.SpinWaitLeft = s_.SpinInterval;
    s_.SpinPending = false;
    s_.form.marker.visible = false;
}

void Advisor::EndBet(bool countSpin) {
    s_.sleepers.ZeroCountsMod(s_.CurrentBet.members(), s_.SpinNumber);
    drawStartThresholds();
    hideChips();
    set_backcolor(s_.NormalColor);
    if (countSpin) {
        countUp(s_.TotalSpins);
        countUp(s_.TableSpins);
    }
    s_.acceptsPress = s_.form.Button1.enabled = true;
    s_.form.marker.visible = false;
    s_.form.Label1.caption = "Spin Only";
    s_.BetOpen = false;
    s_.SpinWaitActive = true;
}

long long Advisor::stakesOpen() const {
    // A run that has ended (quit, table switch) keeps BetOpen but stakes nothing more.
    if (!s_.BetOpen || !s_.playing()) return 0;
    const bool classic = s_.style.style == PlayStyle::Classic;
    long long sum = 0;
    for (BetId id : s_.CurrentBet) sum += classic ? classicStake(s_, id) : multiStake(s_, id);
    return sum;
}

// Takes the pending number; without one the press is refused and nothing changes.
bool Advisor::takeSpin() {
    if (!s_.SpinPending) {
        ports_.dialogs.message("Select a Number!", s_.AppTitle);
        return false;
    }
    s_.runTally.add(s_.SpinNumber);
    pressTaken_ = true;
    return true;
}

void Advisor::classicNoBet() {
    if (!takeSpin()) return;
    RecordCasinoSpin();
    s_.sleepers.AdvanceCounters(s_.SpinNumber);
    listSpin();
    countUp(s_.TotalSpins);
    countUp(s_.TableSpins);
    writeRunCaption();

    // Singles are never bet in Classic play; from rows on, a family is asked only while no
    // bet is open yet.
    s_.advice = Advice::spinOnly();
    const auto& passes = familyPasses();
    for (int i = 0; i < kPassCount - 1; ++i) {
        if (i >= kEvenPasses && s_.BetOpen) break;
        runPass(s_, passes[i], s_.TotalSpins);
    }
    s_.form.Label1.caption = s_.advice.text();

    if (s_.BetOpen) {
        // The first spin of a bet is played and settled at one unit, whatever the sequence says.
        s_.Stake = stakeOf(1, s_.UnitWager());
        set_backcolor(s_.BetColor);
        s_.form.chips[0].caption = std::to_string(s_.Stake);
        s_.form.chips[0].image = board::kImageOther;
        PlaceChip(0, s_.CurrentBet[0]);
    }
    CommonEnding();
}

void Advisor::classicBetOpen() {
    if (!takeSpin()) return;
    RecordCasinoSpin();
    const Family family = bet(s_.CurrentBet[0]).family;
    const bool conservative = s_.style.conservative;

    if (CheckValidLose(s_, s_.SpinNumber)) {
        s_.wager.NetChips -= ChipsForResult(s_.wagering, family, s_.StepIndex, false);
        SettleBalance(s_);
        s_.sleepers.ResetNumberCounters(s_.SpinNumber);
        s_.sleepers.AdvanceDozenCounts(s_.SpinNumber);
        listSpin();
        countUp(s_.TotalSpins);
        countUp(s_.TableSpins);
        countUp(s_.StepIndex);
        const int code =
            NextStake(s_.wagering, family, s_.StepIndex, conservative, s_.UnitWager(), s_.Stake);
        showBalance();
        if (code == kStepStop) {
            // A stop mark closes the bet at once, with no spin wait. The spin is taken: left
            // pending, a second press would enter it again.
            EndBet(false);
            s_.SpinPending = false;
            s_.StepIndex = 0;
            changeWager({lowerWager});
            s_.RunBalances.push_back(s_.Balance);
            return;
        }
        if (code == kStepQuit) s_.QuitPending = true;
        if (!s_.QuitPending) {
            s_.form.chips[0].caption = std::to_string(s_.Stake);
            set_backcolor(s_.BetColor);
            s_.form.Label1.caption =
                "Bet $" + std::to_string(s_.Stake) + " on " + std::string(label(s_.CurrentBet[0]));
        } else {
            showQuit();
            hideChips();
        }
        CommonEnding();
        return;
    }

    listSpin();
    SettleBalance(s_);
    s_.wager.NetChips += ChipsForResult(s_.wagering, family, s_.StepIndex, true);
    s_.sleepers.ResetNumberCounters(s_.SpinNumber);
    EndBet();
    countUp(s_.Wins);
    changeWager({raiseClassic});
    showBalance();
    s_.StepIndex = 0;
    CommonEnding();
}

}  // namespace brisvale
