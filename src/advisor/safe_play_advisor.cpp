// SPDX-License-Identifier: GPL-3.0-or-later
// Safer play on the Advisor: the session's figures after each press, the advice to stop at a
// limit or at a stake above the balance, the question at a Start below the minimum balance,
// the reality check, and the limits the player sets.

#include "advisor/advisor.hpp"
#include "selection/bet_table.hpp"
#include "storage/properties.hpp"
#include "util/numbers.hpp"

namespace brisvale {

void SafetyGuard::safeOpen() {
    // What a crash in the middle of a write left beside the limits file is cleared first.
    if (d_.files_) recoverBackup(d_.dataDir_ / kLimitsFileName, &log_);
    d_.safe_.open(d_.files_ ? d_.dataDir_ / kLimitsFileName : std::filesystem::path(),
                  ports_.clock.nowMs(), &log_);
    // A window nobody looks at (the simulator's) is never interrupted.
    if (!d_.shown_ || !d_.files_) d_.safe_.force(LimitName::RealityCheck, std::nullopt);
}

void SafetyGuard::safeSave() {
    d_.limitsDue_ = false;
    if (!d_.files_) return;
    d_.tellWrite(d_.safe_.save(s_.session, ports_.clock.nowMs()), d_.dataDir_ / kLimitsFileName,
                 "The limits hold for this session.");
}

SafetyGuard::PressBefore SafetyGuard::safeBeforePress() {
    // One reading of the clock per press, so that undo carries the press out again on it.
    d_.pressNowMs_ = ports_.clock.nowMs();
    d_.safe_.applyDue(d_.pressNowMs_);
    return {s_.playing(), s_.Balance, d_.pressNowMs_};
}

void SafetyGuard::safeAfterPress(const PressBefore& before) {
    if (!d_.pressTaken_) return;
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
        // The press put the limits due at its time in place before it played.
        const auto reached =
            real ? limitReached(d_.safe_.book(), d_.safe_.figures(s_.session, before.nowMs))
                 : std::nullopt;
        if (reached) {
            s_.stop.limit = reached;
            stopAdvising(stopAdvice(*reached));
        } else if (s_.BetOpen && !s_.QuitPending &&
                   static_cast<double>(stakesOpen(s_)) > s_.Balance) {
            s_.stop.balanceTooLow = true;
            stopAdvising("Balance too low: stop now");
        }
    }
    if (!before.playing || !real || d_.replaying_) return;
    if (d_.safe_.checkDue(before.nowMs)) d_.safe_.openCheck();
    // The day's figures are kept now and then, after the press with the run file, and when the
    // window closes.
    if (d_.files_ && d_.safe_.saveDue(before.nowMs)) d_.limitsDue_ = true;
}

long long SafetyView::minimumBalance() const {
    return brisvale::minimumBalance(d_.s_.UnitWager(), d_.s_.style.conservative);
}

bool SafetyGuard::safeStartAllowed() {
    if (s_.ReplayMode) return true;
    const std::int64_t now = d_.pressNowMs_;
    if (const auto reached =
            limitReached(d_.safe_.bookAt(now), d_.safe_.figures(s_.session, now))) {
        s_.advice = Advice::stop(stopAdvice(*reached));
        d_.view.showAdvice();
        d_.view.paint(s_.QuitColor);
        return false;
    }
    // Undo carries out a Start that was accepted: it is not asked again.
    if (!d_.shown_ || d_.replaying_) return true;
    const double balance = parseNumber(entries_.balance).value_or(0);
    const long long least = brisvale::minimumBalance(s_.UnitWager(), s_.style.conservative);
    if (balance >= static_cast<double>(least)) return true;
    return ports_.dialogs.askYesNo("Your balance is below the minimum balance of $" +
                                       std::to_string(least) + " for this wager. Start anyway?",
                                   s_.AppTitle);
}

// The run ends as at a quit mark, with the reason in the advice.
void SafetyGuard::stopAdvising(std::string_view advice) {
    s_.phase = RunPhase::Quit;
    s_.advice = Advice::stop(advice);
    d_.view.showQuit();
    d_.board.hideChips();
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
    d_.safe_.set(*limit, amount, now);
    if (d_.files_) {
        d_.tellWrite(d_.safe_.save(s_.session, now), d_.dataDir_ / kLimitsFileName,
                     "The limit holds for this session.", true);
    }
    // A tighter limit already passed stops the advice now; undo cannot carry that out again.
    if (s_.playing() && !s_.ReplayMode) {
        if (const auto reached =
                limitReached(d_.safe_.bookAt(now), d_.safe_.figures(s_.session, now))) {
            s_.stop.limit = reached;
            d_.guard.stopAdvising(stopAdvice(*reached));
            d_.journal.endUndoHistory();
            d_.runFile.markRunDirty();
        }
    }
    return {};
}

ActionResult Advisor::userAnswerCheck(CheckAnswer answer) {
    if (!d_.safe_.checkOpen()) return ActionResult::refused("no reality check is open");
    d_.safe_.answerCheck(ports_.clock.nowMs());
    if (answer == CheckAnswer::Balance) d_.safe_.askBalance();
    if (answer == CheckAnswer::Stop) return userMenu("mnuRestart", 0);
    return {};
}

LimitsView SafetyView::limits() const {
    const std::int64_t now = d_.ports_.clock.nowMs();
    SafePlay safe = d_.safe_;
    LimitsView view{safe.bookAt(now), std::nullopt};
    view.reached = limitReached(view.book, safe.figures(d_.s_.session, now));
    return view;
}

SessionView SafetyView::session() const {
    const PlayState& s = d_.s_;
    SessionView view;
    view.seconds = d_.safe_.sessionSeconds(d_.ports_.clock.nowMs());
    view.tally = s.session;
    if (s.phase != RunPhase::Idle && !s.RunBalances.empty())
        view.runNet = s.Balance - s.RunBalances[0];
    return view;
}

}  // namespace brisvale
