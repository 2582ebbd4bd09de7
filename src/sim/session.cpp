// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/session.hpp"

#include <algorithm>
#include <array>

#include "model/bets.hpp"
#include "sim/random_streams.hpp"
#include "util/numbers.hpp"

namespace brisvale::sim {
namespace {

// Boxes are answered as a player who only reads them would: OK, No, Cancel. The last text is
// kept, to say why a Start was refused.
class QuietDialogs final : public Dialogs {
  public:
    void message(std::string_view text, std::string_view) override { last = text; }
    bool askYesNo(std::string_view, std::string_view) override { return false; }
    std::optional<std::string> inputBox(std::string_view, std::string_view,
                                        std::string_view) override {
        return std::nullopt;
    }
    void about(std::string_view, const std::function<void()>&) override {}
    std::string last;
};

class NoBrowser final : public Browser {
  public:
    bool open(std::string_view) override { return false; }
};

// Play time, moved on by the session itself.
class PlayClock final : public Clock {
  public:
    std::int64_t nowMs() override { return now; }
    // A fixed start, so that nothing depends on when the simulation ran.
    std::int64_t now = 1'700'000'000'000;
};

class WheelFeed final : public SpinFeed {
  public:
    WheelFeed(std::uint64_t seed, std::uint64_t session)
        : generator_(seed, session, Stream::Wheel) {}
    std::optional<int> next() override { return static_cast<int>(generator_.below(37)); }

  private:
    StreamGenerator generator_;
};

}  // namespace

double spinVariance(const Settlement& settled) {
    const int count = settled.bets.size();
    if (count == 0) return 0;
    if (count == 1) {
        // s (k + 1) paid with probability q: s^2 (k + 1)^2 q (1 - q).
        const Bet& b = bet(settled.bets[0]);
        const double paid = static_cast<double>(settled.stakes[0]) * b.returnFactor;
        const double q = b.count / 37.0;
        return paid * paid * q * (1 - q);
    }
    std::array<double, 37> paid{};
    for (int i = 0; i < count; ++i) {
        const Bet& b = bet(settled.bets[i]);
        const double amount = static_cast<double>(settled.stakes[i]) * b.returnFactor;
        for (int k = 0; k < b.count; ++k) paid[b.list[k]] += amount;
    }
    double sum = 0;
    double squares = 0;
    for (const double p : paid) {
        sum += p;
        squares += p * p;
    }
    const double mean = sum / 37.0;
    return std::max(0.0, squares / 37.0 - mean * mean);
}

std::string_view endingName(Ending ending) {
    switch (ending) {
        case Ending::Quit:
            return "quit";
        case Ending::SwitchTable:
            return "switch_table";
        case Ending::Broke:
            return "broke";
        case Ending::MaxSpins:
            return "max_spins";
        case Ending::Limit:
            return "limit";
        case Ending::OutOfSpins:
            break;
    }
    return "out_of_spins";
}

struct Table::Ports {
    QuietDialogs dialogs;
    NoBrowser browser;
    PlayClock clock;
    StreamRandom random{0, 0};
};

Table::Table(const TableSetup& setup) : setup_(setup), ports_(std::make_unique<Ports>()) {
    opened_ = std::make_unique<Advisor>(
        brisvale::Ports{ports_->dialogs, ports_->browser, ports_->clock, ports_->random, nullptr});
    StartOptions options;
    options.style = setup_.style;
    options.shown = false;
    options.sessionLimits = {{LimitName::LossSession, setup_.lossLimit},
                             {LimitName::WinSession, setup_.winGoal},
                             {LimitName::TimeDay, setup_.timeLimit}};
    opened_->userOpenWindow(options);
    if (setup_.playStyle) opened_->choosePlayStyle(*setup_.playStyle);
    if (setup_.bankroll) opened_->enterBalance(*setup_.bankroll);
}

Table::~Table() = default;

std::unique_ptr<Table> Table::clone() const {
    TableSetup setup = setup_;
    setup.style = std::make_shared<const StoredStyle>(*setup_.style);
    return std::make_unique<Table>(setup);
}

std::optional<std::string> Table::startProblem() const {
    Ports ports;
    Advisor a(brisvale::Ports{ports.dialogs, ports.browser, ports.clock, ports.random, nullptr},
              *opened_);
    a.startRun();
    if (!a.game().runEnded()) return std::nullopt;
    return ports.dialogs.last.empty() ? std::string("the run does not start") : ports.dialogs.last;
}

std::string_view Table::styleName() const {
    switch (opened_->game().playStyle()) {
        case PlayStyle::Classic:
            return "classic";
        case PlayStyle::Multi:
            return "multi";
        case PlayStyle::Super:
            break;
    }
    return "super";
}

double Table::bankroll() const {
    // The balance entered, or else the one the stored style opens with.
    return setup_.bankroll ? *setup_.bankroll : static_cast<double>(opened_->settings()[Acct]);
}

SessionResult Table::play(std::uint64_t seed, std::uint64_t session, SpinFeed& spins,
                          std::vector<double>* balances, std::stop_token stop) const {
    QuietDialogs dialogs;
    NoBrowser browser;
    PlayClock clock;
    StreamRandom random(seed, session);
    Advisor a(brisvale::Ports{dialogs, browser, clock, random, nullptr}, *opened_);
    const std::int64_t spinMs = static_cast<std::int64_t>(setup_.spinSeconds) * 1000;

    SessionResult r;
    a.startRun();
    // The spin interval runs after Start as after every spin; the button comes back with it.
    const double bankroll = a.state().Balance;
    double peak = bankroll;
    if (balances) balances->push_back(bankroll);
    if (a.game().runEnded() || !a.passSpinWait()) {
        r.ending = Ending::SwitchTable;
        return r;
    }
    for (;;) {
        if (r.spins >= setup_.maxSpins) {
            r.ending = Ending::MaxSpins;
            break;
        }
        // The player cannot lay the chips the advice asks for.
        if (a.state().Balance < static_cast<double>(a.game().stakesOpen())) {
            r.ending = Ending::Broke;
            break;
        }
        if ((r.spins & 1023) == 1023 && stop.stop_requested()) break;
        const std::optional<int> spin = spins.next();
        if (!spin) {
            r.ending = Ending::OutOfSpins;
            break;
        }
        a.enterSpin(*spin);
        ++r.spins;
        clock.now += spinMs;
        const long long staked = a.state().settled.total();
        r.staked += staked;
        r.largestStake = std::max(r.largestStake, staked);
        if (staked > 0) r.stakeVariance += spinVariance(a.state().settled);
        const double balance = a.state().Balance;
        peak = std::max(peak, balance);
        r.maxDrawdown = std::max(r.maxDrawdown, peak - balance);
        if (balances) balances->push_back(balance);
        if (a.game().runEnded()) {
            // The advisor stops at a stake the balance cannot cover, as the player must.
            const AdviceStop& why = a.state().stop;
            r.ending = why.balanceTooLow ? Ending::Broke : why.limit ? Ending::Limit : Ending::Quit;
            r.limit = why.limit;
            break;
        }
        if (!a.passSpinWait()) {
            r.ending = Ending::SwitchTable;
            break;
        }
    }
    r.net = a.state().Balance - bankroll;
    return r;
}

std::unique_ptr<SpinFeed> wheelFeed(std::uint64_t seed, std::uint64_t session) {
    return std::make_unique<WheelFeed>(seed, session);
}

}  // namespace brisvale::sim
