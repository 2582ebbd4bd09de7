// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A table for the benchmarks: an Advisor on a scratch data folder with the test ports, driven
// as the user drives it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "advisor/advisor.hpp"
#include "storage/properties.hpp"
#include "support/files.hpp"
#include "support/ports.hpp"

namespace brisvale::bench {

struct TableOptions {
    bool recordUndo = true;
    std::uint64_t seed = 1;
    std::vector<std::string> history = {};  // the history file's lines before the window opens
};

template <class Dialogs = testing::FakeDialogs>
struct BenchTable {
    testing::TempDir folder;
    Dialogs dialogs;
    testing::FakeBrowser browser;
    testing::FakeClock clock;
    SeededRandom random;
    Advisor advisor{Ports{dialogs, browser, clock, random, nullptr}};

    explicit BenchTable(const TableOptions& o = {}) : random(o.seed) {
        dialogs.quiet = true;
        // No reality check: after an hour of the fake clock it would hold every later press,
        // and the figures would be those of refused presses.
        writeLines(folder.path / "limits.txt", {"reality-check=none"}, nullptr, false);
        if (!o.history.empty()) {
            writeLines(folder.path / "CasinoHistory.dat", o.history, nullptr, false);
        }
        StartOptions options{folder.path, false, ""};
        options.recordUndo = o.recordUndo;
        options.keepRunFile = false;
        advisor.userOpenWindow(options);
    }
    void set(std::string_view name, std::string_view value) { advisor.userSet(name, value); }
    // Lets the spin interval pass, then enters the number and presses Submit.
    void spin(int number) {
        while (!advisor.form().startButton.enabled) {
            clock.now += advisor.timer().interval;
            advisor.userTick();
        }
        advisor.userClickCell(number);
        // A new run below the minimum balance asks first: the player starts anyway, or every
        // later Start would be refused and the figures would be those of refusals.
        if (dialogs.answers.empty()) dialogs.answers.push_back("yes");
        advisor.userPress("Button1");
    }
};

// Super play with every family watched at threshold 0 (Random off) and every count box at its
// maximum, so every family bets as much as its box allows; no table change.
template <class Table>
void superStyle(Table& t) {
    t.set("BetStyle3", "1");
    for (const char* box :
         {"chk7_1", "chk7_2", "chk7_3", "chk1", "chk2", "chk3", "chk4", "chk5", "chk6", "Chk8"}) {
        t.set(box, "1");
    }
    t.set("Check8", "0");
    for (int k = 0; k < 8; ++k) {
        const std::string randomBox = "Check" + std::to_string(k < 7 ? k + 1 : 9);
        t.set(randomBox, "1");
        t.set("Text" + std::to_string(2 * k + 3), "0");
        t.set("Text" + std::to_string(2 * k + 2), "0");
        t.set(randomBox, "0");
    }
    const char* lists[] = {"cboDozen", "cboRow",   "cboLine",  "cboCorner",
                           "cboTrio",  "cboSplit", "cboSingle"};
    const char* maxima[] = {"2", "2", "4", "6", "10", "16", "34"};
    for (int k = 0; k < 7; ++k) t.set(lists[k], maxima[k]);
    for (const char* list : {"cboWins", "cboTime"}) t.set(list, "999");
    t.set("Text18", "1000000000");
}

// Classic play on Red/Black that only counts and records (both thresholds at their top), at the
// casino "Big", with $1000.
template <class Table>
void neverBettingClassicAtBig(Table& t) {
    t.set("Casino", "Big");
    t.set("chk7_1", "1");
    t.set("Check1", "1");
    t.set("Text3", "32767");
    t.set("Text2", "32767");
    t.set("Check1", "0");
    t.set("Text18", "1000");
}

}  // namespace brisvale::bench
