#pragma once
// The play data that the triggers, the settlement and the engine share: the run state, the
// sleeper tables, the family lists, the bet table, the wager sequences and the Form.

#include <array>
#include <cstdint>
#include <string>

#include "model/bets.hpp"
#include "model/sleepers.hpp"
#include "state/bet_lists.hpp"
#include "state/form.hpp"
#include "state/series.hpp"
#include "wagering/sequences.hpp"

namespace brisvale {

inline constexpr std::int16_t kCountMax = 32767;

// Adds one to a run counter, saturating at 32767 instead of wrapping.
inline void countUp(int& counter, int by = 1) {
    counter = counter + by > kCountMax ? kCountMax : counter + by;
}

struct PlayState {
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
    // The balance after the Start of the current run and after each of its presses.
    Series<double> RunBalances;
    bool QuitPending = false;

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

    SleeperTables sleepers;
    Wagering wagering;
    Form form;

    BetList& list(Family f) { return lists[static_cast<int>(f)]; }
    const BetList& list(Family f) const { return lists[static_cast<int>(f)]; }
    std::int16_t threshold(Family f) const { return StartThreshold[static_cast<int>(f)]; }
    std::string_view spinText() const { return {SpinText.data(), 2}; }
    long long UnitWager() const { return wager.UnitWager; }
};

}  // namespace brisvale
