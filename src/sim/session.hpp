// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One session at the table: a player who follows every advice, from Start to the end of the
// run, driven through the user's own actions on an Advisor that touches no file.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "advisor/advisor.hpp"

namespace brisvale::sim {

enum class Ending { Quit, SwitchTable, Broke, MaxSpins, Limit, OutOfSpins };
inline constexpr int kEndingCount = 6;
// "quit", "switch_table", "broke", "max_spins", "limit", "out_of_spins"
std::string_view endingName(Ending ending);

struct SessionResult {
    int spins = 0;
    long long staked = 0;        // dollars put on the table, as settled
    double net = 0;              // the balance at the end less the bankroll
    double maxDrawdown = 0;      // the deepest fall of the balance below its highest point
    long long largestStake = 0;  // the most dollars put on the table for one spin
    Ending ending = Ending::MaxSpins;
    std::optional<LimitName> limit = std::nullopt;  // Limit: the limit the session reached
    std::size_t firstSpin = 0;  // a backtest's session starts at this spin of the list
    // The variance the stakes carry: over the spins with bets, the variance of the spin's net
    // over the 37 equally likely numbers. net - edge * staked varies by this much whatever
    // the spins turned out to be.
    double stakeVariance = 0;
};

// Where the spins come from: a wheel, or a list played in order.
class SpinFeed {
  public:
    virtual ~SpinFeed() = default;
    // The next spin, nullopt when there are no more.
    virtual std::optional<int> next() = 0;
};

struct TableSetup {
    std::shared_ptr<const StoredStyle> style;
    std::optional<PlayStyle> playStyle = std::nullopt;  // chosen first; none: as stored
    std::optional<double> bankroll = std::nullopt;      // entered as the balance; none: as stored
    int spinSeconds = 40;  // play time of one spin, for the table-switch advice
    int maxSpins = 1000;
    // The player's limits, applied to each session: a loss limit and a win goal in dollars,
    // a time limit in minutes of play.
    std::optional<double> lossLimit = std::nullopt;
    std::optional<double> winGoal = std::nullopt;
    std::optional<double> timeLimit = std::nullopt;
};

// The style opened once; every session starts from an exact copy of it.
class Table {
  public:
    explicit Table(const TableSetup& setup);
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // Why Start refuses this style and bankroll (the message the window would show), or
    // nullopt when a run starts.
    std::optional<std::string> startProblem() const;
    // "classic", "multi" or "super".
    std::string_view styleName() const;
    // The balance each session starts with, and the minimum balance the style asks for (the
    // sessions start below it without asking).
    double bankroll() const;
    long long minimumBalance() const { return opened_->safety().minimumBalance(); }
    int maxSpins() const { return setup_.maxSpins; }
    // The same table opened again from a copy of the style, sharing nothing with this one, so
    // that threads never contend for it.
    std::unique_ptr<Table> clone() const;

    // Plays one session. The thresholds are drawn from the stream of (seed, session). With
    // `balances`, the balance after Start and after every spin is appended to it. A stop
    // request ends the session early (it is then not a result to report).
    SessionResult play(std::uint64_t seed, std::uint64_t session, SpinFeed& spins,
                       std::vector<double>* balances = nullptr, std::stop_token stop = {}) const;

  private:
    struct Ports;
    TableSetup setup_;
    std::unique_ptr<Ports> ports_;
    std::unique_ptr<Advisor> opened_;
};

// The variance of one press's net over the 37 equally likely numbers of the wheel.
double spinVariance(const Settlement& settled);

// The wheel of one session: uniform on 0..36, on the session's own stream.
std::unique_ptr<SpinFeed> wheelFeed(std::uint64_t seed, std::uint64_t session);
// Spins of a list from `first` on; `used` counts the spins taken.
class ListFeed final : public SpinFeed {
  public:
    ListFeed(std::span<const int> spins, std::size_t first) : spins_(spins), next_(first) {}
    std::optional<int> next() override {
        if (next_ >= spins_.size()) return std::nullopt;
        return spins_[next_++];
    }
    std::size_t position() const { return next_; }

  private:
    std::span<const int> spins_;
    std::size_t next_;
};

}  // namespace brisvale::sim
