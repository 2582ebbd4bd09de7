// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The play data that the triggers, the settlement and the engine share: the run state, the
// sleeper tables, the family lists, the bet table and the wager sequences. The window that
// shows them is kept beside them, never in them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/bets.hpp"
#include "model/sleepers.hpp"
#include "run/bet_lists.hpp"
#include "run/limits.hpp"
#include "util/series.hpp"
#include "wagering/sequences.hpp"

namespace brisvale {

inline constexpr std::int16_t kCountMax = 32767;

// Adds one to a run counter, saturating at 32767 instead of wrapping.
inline void countUp(int& counter, int by = 1) {
    counter = counter + by > kCountMax ? kCountMax : counter + by;
}

// What one press settled: each bet that was open, with the dollars it put on the table.
struct Settlement {
    BetList bets;
    std::array<long long, kBetCount> stakes{};  // stakes[i] is what bets[i] put on the table

    void clear() { bets.clear(); }
    void add(BetId id, long long stake) {
        stakes[bets.size()] = stake;
        bets.push_back(id);
    }
    long long total() const {
        long long sum = 0;
        for (int i = 0; i < bets.size(); ++i) sum += stakes[i];
        return sum;
    }
};

// The current run's spins per number: hits since Start, and spins since each last came up
// (-1: not yet in this run). Zeros count here, as every spin the player enters does.
struct RunTally {
    std::array<int, 37> hits{};
    std::array<int, 37> since = [] {
        std::array<int, 37> none{};
        none.fill(-1);
        return none;
    }();

    void clear() {
        hits.fill(0);
        since.fill(-1);
    }
    void add(int spin) {
        if (spin < 0 || spin > 36) return;
        for (int& s : since) s += s >= 0 && s < kCountMax ? 1 : 0;
        since[spin] = 0;
        if (hits[spin] < kCountMax) ++hits[spin];
    }
};

enum class PlayStyle : std::uint8_t { Classic, Multi, Super };

// Where the run stands: none yet, being played, or ended by the advice to quit or to switch
// tables (the next Start begins a new one).
enum class RunPhase : std::uint8_t { Idle, Playing, Quit, SwitchTable };

// The family passes of a spin, in their fixed order: the three even-money pairs, rows, dozens,
// lines, corners, trios, splits, and singles last.
enum class Pass : std::uint8_t {
    RedBlack,
    OddEven,
    HighLow,
    Row,
    Dozen,
    Line,
    Corner,
    Trio,
    Split,
    Single
};
inline constexpr int kPassCount = 10;
inline constexpr int kEvenPasses = 3;

// One family's threshold as the player set it: its Low and High (nullopt: not a whole number
// from -32768 to 32767), and whether the threshold is drawn between them.
struct ThresholdEntry {
    std::optional<std::int16_t> low;
    std::optional<std::int16_t> high;
    bool random = false;
};
using ThresholdEntries = std::array<ThresholdEntry, kFamilyCount>;

// The play style the player chose: what the rules read of the panel.
struct StyleSettings {
    bool chosen = false;  // a play style is chosen at all: without one nothing is played
    // Some family is watched, or the Even Bets box is ticked or grey: without one nothing is.
    bool anyWatched = false;
    PlayStyle style = PlayStyle::Classic;
    std::array<bool, kPassCount> watched{};
    // Multi and Super: how many bets of each family at once (the even-money pairs have none).
    std::array<int, kFamilyCount> betsAtOnce{};
    bool conservative = false;
    int winsPerTable = 0;     // the table-switch advice after this many wins
    int minutesPerTable = 0;  // or after this many minutes at the table
    long long unitWager = 1;  // the minimum wager, in dollars
    // Where each family's threshold is drawn at Start and after every bet.
    ThresholdEntries thresholds{};

    bool watches(Pass p) const { return watched[static_cast<int>(p)]; }
    int atOnce(Family f) const { return betsAtOnce[static_cast<int>(f)]; }
};

// What the rules advise for the next spin; the label under the board is rendered from it.
struct Advice {
    enum class Kind : std::uint8_t {
        SpinOnly,
        Bet,          // a new bet, in the words of its family
        BetAgain,     // Classic: the next stake of the open bet
        OnAllChips,   // multi-bet play: one stake on every chip shown
        OnEachChip,   // multi-bet play: the stake on each chip
        Configure,    // no run yet
        Quit,         // the progression says stop
        SwitchTable,  // the table has given what it will
        Silent,       // chips are being laid
        Stop,         // the player's limit or the balance says stop: its words
    };
    Kind kind = Kind::SpinOnly;
    BetId bet = 0;             // the bet named
    long long amount = 0;      // the dollars named
    std::string_view words{};  // Stop: why, in words that live as long as the program
    static Advice spinOnly() { return {}; }
    static Advice betOn(BetId id, long long dollars) { return {Kind::Bet, id, dollars}; }
    static Advice betAgain(BetId id, long long dollars) { return {Kind::BetAgain, id, dollars}; }
    static Advice onAllChips(long long dollars) { return {Kind::OnAllChips, 0, dollars}; }
    static Advice of(Kind kind) { return {kind, 0, 0}; }
    static Advice stop(std::string_view why) { return {Kind::Stop, 0, 0, why}; }
    std::string text() const;
    bool operator==(const Advice&) const = default;
};

struct PlayState {
    RunPhase phase = RunPhase::Idle;
    bool acceptsPress = true;    // false while the spin wait runs: the button is greyed
    bool advancedShown = false;  // the advanced settings are open below the board
    // Run counters.
    int TotalSpins = 0;
    int TableSpins = 0;
    int Wins = 0;
    int RecordedSpins = 0;

    // The open bets.
    bool BetOpen = false;
    BetList CurrentBet;   // Classic: one label; multi-bet play: the open bets in order
    BetList WinningBets;  // the winners of the last spin, in the winners order
    std::array<BetList, kFamilyCount> lists;         // EvenList, DozenList, ..., SingleList
    std::array<std::int16_t, kBetCount> betSteps{};  // the bet table's step counts
    int StepIndex = 0;
    std::int32_t Stake = 0;
    MinimumWager wager;  // UnitWager, StartUnitWager, NetChips
    double Balance = 0;
    bool QuitPending = false;
    Settlement settled;  // what the last press of Button1 settled
    // The balance after Start and after each press of the current run, oldest first; copies
    // share it (the undo history keeps many).
    Series<double> RunBalances;
    RunTally runTally;

    // The pending spin.
    bool SpinPending = false;
    int SpinNumber = 0;
    std::array<char, 3> SpinText{'0', '0', '\0'};

    // The spin wait.
    bool SpinWaitActive = false;
    int SpinWaitLeft = 0;
    int SpinInterval = 3;

    std::int64_t RunStart = 0;  // ms since the epoch, on the Clock port
    bool ReplayMode = false;
    bool MultiBetPlay = false;
    std::array<std::int16_t, kFamilyCount> StartThreshold{};

    std::string NormalColor = "15790320";
    std::string BetColor = "8454016";
    std::string QuitColor = "192";
    std::string AppTitle = "Brisvale";
    std::string CasinoName;

    StyleSettings style;  // the panel's play style, as the last press or tick read it
    Advice advice;        // what the passes of the last spin advise
    SleeperTables sleepers;
    Wagering wagering;
    // Kept here so that undo takes them back with the press: the session's figures, and why
    // the advisor stopped advising.
    SessionTally session;
    AdviceStop stop;

    BetList& list(Family f) { return lists[static_cast<int>(f)]; }
    const BetList& list(Family f) const { return lists[static_cast<int>(f)]; }
    std::int16_t threshold(Family f) const { return StartThreshold[static_cast<int>(f)]; }
    std::string_view spinText() const { return {SpinText.data(), 2}; }
    long long UnitWager() const { return wager.UnitWager; }
    bool playing() const { return phase == RunPhase::Playing; }
};

}  // namespace brisvale
