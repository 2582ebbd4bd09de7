// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Many sessions of one style, spread over worker threads. Each session draws from streams of
// its own (or, in a backtest, takes the spins where the previous session stopped), so the
// results, combined in session order, never depend on the number of threads.

#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <vector>

#include "sim/session.hpp"

namespace brisvale::sim {

struct RunOptions {
    long long sessions = 1000;  // a backtest plays at most this many
    std::uint64_t seed = 0;
    // The first session's number: a run that goes on where another stopped plays the sessions
    // that a longer run would have played.
    long long firstSession = 0;
    int threads = 1;
    // A backtest: these spins in order, sessions back to back until they run out.
    std::optional<std::vector<int>> spins;
};

struct RunResult {
    std::vector<SessionResult> sessions;  // in session order
    double seconds = 0;                   // wall-clock time of the run
    int threads = 1;                      // workers that played
    bool cancelled = false;               // stopped before the end: the sessions are not whole
};

// Called on the caller's thread while the sessions run: sessions done, sessions planned (a
// backtest's plan is the spins: spins played, spins in the list).
using ProgressFn = std::function<void(long long done, long long total)>;

RunResult runSessions(const Table& table, const RunOptions& options,
                      const ProgressFn& progress = {}, std::stop_token stop = {});

// Plays sessions until the share that went broke is known to within +/-targetError (its 95 %
// Wilson interval), at most options.sessions of them; `reached` tells whether it was. The
// sessions are those of one longer run: the result does not depend on the steps taken.
RunResult runToPrecision(const Table& table, const RunOptions& options, double targetError,
                         bool& reached, const ProgressFn& progress = {}, std::stop_token stop = {});

// Plays session `index` of a run again and returns its balance after Start and after each
// spin.
std::vector<double> balanceCurve(const Table& table, const RunOptions& options,
                                 const RunResult& run, std::size_t index);

}  // namespace brisvale::sim
