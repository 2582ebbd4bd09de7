// SPDX-License-Identifier: GPL-3.0-or-later
// Safer play on the Advisor: the session's figures after each press, the advice to stop at a
// limit or at a stake above the balance, the question at a Start below the minimum balance,
// the reality check, and the limits the player sets.

#include "play/advisor.hpp"
#include "storage/properties.hpp"
#include "util/numbers.hpp"

namespace brisvale {

void Advisor::safeOpen() {
    // What a crash in the middle of a write left beside the limits file is cleared first.
    if (files_) recoverBackup(dataDir_ / kLimitsFileName, &log_);
    safe_.open(files_ ? dataDir_ / kLimitsFileName : std::filesystem::path(), ports_.clock.nowMs(),
               &log_);
    // A window nobody looks at (the simulator's) is never interrupted.
    if (!shown_ || !files_) safe_.force(LimitName::RealityCheck, std::nullopt);
}

void Advisor::safeSave() {
    if (!files_) return;
    tellWrite(safe_.save(s_.session, ports_.clock.nowMs()), dataDir_ / kLimitsFileName,
              "The limits hold for this session.");
}

Advisor::PressBefore Advisor::safeBeforePress() {
    // One reading of the clock per press, so that undo carries the press out again on it.
    pressNowMs_ = ports_.clock.nowMs();
    safe_.applyDue(pressNowMs_);
    return {s_.playing(), s_.Balance, pressNowMs_};
}

void Advisor::safeAfterPress(const PressBefore& before) {
    if (!pressTaken_) return;
    if (!before.playing) s_.stop = {};
    // A history replay tests the style on recorded spins: no money is played.
    const bool real = !s_.ReplayMode;
    if (before.playing && real) {
        SessionTally& t = s_.session;
        const double net = s_.Balance - before.balance;
        const long long staked = s_.settled.total();
        countUp(t.spins);
        t.staked += staked;
        t.won += net + static_cast<double>(staked);
        t.net += net;
    }
    if (s_.playing()) {
        const auto reached =
            real ? limitReached(safe_.bookAt(before.nowMs), safe_.figures(s_.session, before.nowMs))
                 : std::nullopt;
        if (reached) {
            s_.stop.limit = reached;
            stopAdvising(stopAdvice(*reached));
        } else if (s_.BetOpen && !s_.QuitPending &&
                   static_cast<double>(stakesOpen()) > s_.Balance) {
            s_.stop.balanceTooLow = true;
            stopAdvising("Balance too low: stop now");
        }
    }
    if (!before.playing || !real || replaying_) return;
    if (safe_.checkDue(before.nowMs)) safe_.openCheck();
    // The day's figures are kept now and then, and when the window closes.
    if (files_ && safe_.saveDue(before.nowMs)) safeSave();
}

long long Advisor::minimumBalance() const {
    return brisvale::minimumBalance(s_.UnitWager(), s_.form.Check[8].value == 1);
}

bool Advisor::safeStartAllowed() {
    if (s_.ReplayMode) return true;
    const std::int64_t now = pressNowMs_;
    if (const auto reached = limitReached(safe_.bookAt(now), safe_.figures(s_.session, now))) {
        s_.form.Label1.caption = std::string(stopAdvice(*reached));
        set_backcolor(s_.QuitColor);
        return false;
    }
    // Undo carries out a Start that was accepted: it is not asked again.
    if (!shown_ || replaying_) return true;
    const double balance = parseNumber(s_.form.Text[18].text).value_or(0);
    const long long least = minimumBalance();
    if (balance >= static_cast<double>(least)) return true;
    return ports_.dialogs.askYesNo("Your balance is below the minimum balance of $" +
                                       std::to_string(least) + " for this wager. Start anyway?",
                                   s_.AppTitle);
}

// The run ends as at a quit mark, with the reason in the advice.
void Advisor::stopAdvising(std::string_view advice) {
    Form& f = s_.form;
    f.Label1.caption = std::string(advice);
    set_backcolor(s_.QuitColor);
    f.Picture4.visible = true;
    s_.phase = RunPhase::Quit;
    f.Button1.caption = "Start";
    hideChips();
}

ActionResult Advisor::userSetLimit(std::string_view name, std::string_view value) {
    const std::optional<LimitName> limit = limitNamed(name);
    if (!limit) {
        return ActionResult::refused("no limit named \"" + std::string(name) +
                                     "\" (loss-session, loss-day, win-session, time-day, "
                                     "reality-check)");
    }
    std::optional<double> amount;
    if (value != "none") {
        amount = parseNumber(value);
        if (!amount) {
            return ActionResult::refused(std::string(name) + " takes a number or none, not \"" +
                                         std::string(value) + "\"");
        }
        if (auto problem = limitProblem(*limit, *amount)) return ActionResult::refused(*problem);
    }
    const std::int64_t now = ports_.clock.nowMs();
    safe_.set(*limit, amount, now);
    if (files_) {
        tellWrite(safe_.save(s_.session, now), dataDir_ / kLimitsFileName,
                  "The limit holds for this session.", true);
    }
    // A tighter limit already passed stops the advice now; undo cannot carry that out again.
    if (s_.playing() && !s_.ReplayMode) {
        if (const auto reached = limitReached(safe_.bookAt(now), safe_.figures(s_.session, now))) {
            s_.stop.limit = reached;
            stopAdvising(stopAdvice(*reached));
            endUndoHistory();
            markRunDirty();
        }
    }
    return {};
}

ActionResult Advisor::userAnswerCheck(CheckAnswer answer) {
    if (!safe_.checkOpen()) return ActionResult::refused("no reality check is open");
    safe_.answerCheck(ports_.clock.nowMs());
    if (answer == CheckAnswer::Balance) safe_.askBalance();
    if (answer == CheckAnswer::Stop) return userMenu("mnuRestart", 0);
    return {};
}

LimitsView Advisor::limits() const {
    const std::int64_t now = ports_.clock.nowMs();
    SafePlay safe = safe_;
    LimitsView view{safe.bookAt(now), std::nullopt};
    view.reached = limitReached(view.book, safe.figures(s_.session, now));
    return view;
}

SessionView Advisor::session() const {
    SessionView view;
    view.seconds = safe_.sessionSeconds(ports_.clock.nowMs());
    view.tally = s_.session;
    if (s_.phase != RunPhase::Idle && !s_.RunBalances.empty())
        view.runNet = s_.Balance - s_.RunBalances[0];
    return view;
}

}  // namespace brisvale
