// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the front ends read of the Advisor beyond the window model, grouped by what it is about:
// the data folder's files, the menus, the watched tables and safer play.

#include <filesystem>
#include <optional>

#include "advisor/desk.hpp"
#include "selection/bet_table.hpp"

namespace brisvale {

// The files of the data folder that the Advisor reads and writes.
struct DataFiles {
    bool used = true;  // false for a window opened on a stored style: it touches no file
    std::filesystem::path folder;
    std::filesystem::path settings;
    std::filesystem::path wagering;
    std::filesystem::path history;
    std::filesystem::path run;
};

// The menu items whose state the core decides.
struct MenusView {
    EditMenuView edit;  // Edit > Undo Spin and Redo Spin
    MenuItemView importSpins;
    MenuItemView exportSpins;
};

// The tables watched beside the run, as the strip of cards shows them.
class WatchView {
  public:
    explicit WatchView(const Desk& desk) : d_(desk) {}
    const WatchedTables& tables() const { return d_.watched_; }
    // Where clicks, typed digits and Submit enter spins: a watched table, or the run (nullopt).
    std::optional<int> target() const { return d_.target_; }
    // The number selected for the target table, waiting for Submit.
    std::optional<int> pending() const { return d_.watchPending_; }
    // The bets the play style shown plays, with the thresholds the run uses (before a Start:
    // the Low entries).
    const WatchStyle& style() const { return d_.watch.watchStyle(); }
    // The table-switch advice names this table when it is given: the ripest watched one.
    std::optional<int> ripest() const { return d_.watched_.ripestTable(style()); }

  private:
    const Desk& d_;
};

// The run as a player that is a program follows it (the simulator, the screen reader).
class GameView {
  public:
    explicit GameView(const Desk& desk) : d_(desk) {}
    // The run has ended (or never started): the next press is a Start.
    bool runEnded() const { return !d_.s_.playing(); }
    // The spin wait is over: the advisor takes the next spin.
    bool awaitingSpin() const { return d_.s_.acceptsPress; }
    PlayStyle playStyle() const { return d_.style.panelStyle().style; }
    // The dollars that the bets now open will put on the table at the next spin.
    long long stakesOpen() const { return brisvale::stakesOpen(d_.s_); }

  private:
    const Desk& d_;
};

// What the front end's timer and its close need to know.
struct TimerView {
    // Milliseconds between two ticks: 1 while a history replay runs.
    int interval = 1000;
    bool replayRunning = false;
    bool exitRequested = false;  // File > Exit, or a close the core decided
};

// Safer play as the window shows it: the player's limits, the session's figures and the
// reality check.
class SafetyView {
  public:
    explicit SafetyView(const Desk& desk) : d_(desk) {}
    bool checkOpen() const { return d_.safe_.checkOpen(); }
    LimitsView limits() const;
    SessionView session() const;
    // The "Minimum Balance" for the minimum wager: a Start below it asks first.
    long long minimumBalance() const;

  private:
    const Desk& d_;
};

}  // namespace brisvale
