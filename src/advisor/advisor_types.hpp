// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words the Advisor and its parts speak: ports, start options, what an action came to.

#include <deque>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "advisor/alerts.hpp"
#include "advisor/safe_play.hpp"
#include "advisor/statistics.hpp"
#include "advisor/undo.hpp"
#include "advisor/watched_tables.hpp"
#include "run/ports.hpp"
#include "run/spin_history.hpp"
#include "run/state.hpp"
#include "selection/thresholds.hpp"
#include "storage/casino_history.hpp"
#include "storage/debug_log.hpp"
#include "storage/folder_lock.hpp"
#include "storage/settings_file.hpp"
#include "storage/write_notice.hpp"
#include "util/series.hpp"
#include "view/controls.hpp"

namespace brisvale {

struct Ports {
    Dialogs& dialogs;
    Browser& browser;
    Clock& clock;
    Random& random;
    Fetcher* fetcher = nullptr;  // none: the built-in remote settings
};

// A play style as a data folder stores it (the settings and wagering files, named by the
// built-in remote settings), read once and never written.
struct StoredStyle {
    SettingsRead settings;
    Wagering wagering;
};
// Reads the style of a data folder without creating, locking or writing anything in it.
StoredStyle readStoredStyle(const std::filesystem::path& dataDir);

struct StartOptions {
    std::filesystem::path dataDir;  // the data folder, created when missing
    bool deleteDebugLog = false;    // "-d"
    std::string remoteSite;         // empty: the built-in remote settings
    // Given: the window opens on this style and touches no file at all: no data folder, no
    // debug log, no casino history, nothing saved (the simulator plays while a window may hold
    // the folder). No undo history is kept then either, and no run file is offered or written.
    std::shared_ptr<const StoredStyle> style = nullptr;
    // Sessions that want no undo history or no run file switch these off.
    bool recordUndo = true;
    bool keepRunFile = true;
    // False for a window nobody looks at (the simulator's): the texts that only tell the user
    // (the window caption, the blinking advice) are not kept up to date.
    bool shown = true;
    // The simulator's limits, applied to each session at once and kept in no file; nullopt:
    // no limit of that name.
    std::vector<std::pair<LimitName, std::optional<double>>> sessionLimits = {};
};

// A casino's history as the history file holds it.
struct CasinoRecord {
    std::string name;
    SpinHistory spins;  // oldest first; -1 for a field that is no number of the wheel
    Series<char> line;  // its line's value, ending with a comma; empty: nothing to record
    int key = 0;        // the key it is written under
};

// A casino of the history file: its name and the key of its line.
struct CasinoEntry {
    std::string name;
    int key = 0;
};

// A menu item as the user sees it.
struct MenuItemView {
    std::string caption;
    bool enabled = false;
};

// Edit > Undo Spin / Redo Spin, and how many steps each can go.
struct EditMenuView {
    MenuItemView undo;
    MenuItemView redo;
    int undoSteps = 0;
    int redoSteps = 0;
};

// What a user action came to, for the front ends: refused actions change nothing.
struct ActionResult {
    bool ok = true;
    std::string error;  // why the action was refused
    static ActionResult refused(std::string why) { return {false, std::move(why)}; }
};

inline constexpr std::string_view kAlreadyRunning =
    "Brisvale is already running with this data folder.";
// What Help > About says of this build: the day its sources were made, "December 6, 2026".
std::string buildDate();
// "2026-12-06" as "December 6, 2026"; a text that is no such date comes back as it is.
std::string longDate(std::string_view isoDate);
// The licence, shown by the About box's terms link when the remote settings give no terms page.
inline constexpr std::string_view kLicenceNotice =
    "Brisvale is free software: you can redistribute it and/or modify it under the terms of the "
    "GNU General Public License as published by the Free Software Foundation, either version 3 "
    "of the License, or (at your option) any later version (GPL-3.0-or-later).\r\n\r\n"
    "Brisvale is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; "
    "without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. "
    "See the GNU General Public License for more details: "
    "https://www.gnu.org/licenses/gpl-3.0.html";

using WagerRule = void (*)(const Wagering&, MinimumWager&);
enum class ReplayPhase { WaitButton, WaitSpin };
struct Replay {
    std::size_t next = 0;
    ReplayPhase phase = ReplayPhase::WaitButton;
};
// What the timer's caption was last written from: each tick writes it only when one of these
// changed. Forgotten whenever a whole run state is put back.
struct TimerCaptionKey {
    int totalSpins = 0;
    int tableSpins = 0;
    int wins = 0;
    int recordedSpins = 0;
    std::string casinoName;
    std::string appTitle;
};
// The stakes a multi-bet pass laid on its chips: how many, and whether all are one stake.
struct LaidStakes {
    int count = 0;
    bool same = true;
    long long stake = 0;
};
}  // namespace brisvale
