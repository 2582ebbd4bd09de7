// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Advisor: the one front of the core. It offers what a user or a simulated player does
// (open the window, set a control, press, click the board, undo, start a run, enter a spin)
// and what they see; its parts, on the desk, do the work.

#include <iterator>
#include <vector>

#include "advisor/desk.hpp"
#include "advisor/views.hpp"

namespace brisvale {

class Advisor {
  public:
    explicit Advisor(Ports ports);
    // A second Advisor standing exactly where `other` stands, answering through its own ports.
    Advisor(Ports ports, const Advisor& other);
    Advisor(const Advisor&) = delete;
    Advisor& operator=(const Advisor&) = delete;

    // --- What a user can do; a refused action changes nothing ---
    // Opening the window: start-up, in the window's order. Refused, with nothing written,
    // while another program holds the data folder.
    ActionResult userOpenWindow(const StartOptions& options);
    // Takes the data folder before start-up, so that a second program on it is refused at
    // once; userOpenWindow goes on with the folder held. Refused while another program holds it.
    ActionResult claimDataFolder(const StartOptions& options);
    // Closing the window with its close box (File, Exit closes it through userMenu).
    void userCloseWindow();
    ActionResult userSet(std::string_view name, std::string_view value);
    ActionResult userPress(std::string_view name);
    ActionResult userClickCell(int cell);
    ActionResult userClickChip(int chip);
    ActionResult userFlip();
    ActionResult userMenu(std::string_view name, int k);
    ActionResult userCloseWagering();
    // A key typed on the main window: "0".."9" or "Enter". A digit selects its number; a
    // second digit within a second of the first joins it into a two-digit number.
    ActionResult userKey(std::string_view key);
    // Timer1 fires; front ends call it every timer().interval milliseconds.
    void userTick();
    // A program playing the run lets the spin wait run out: timer ticks until the run takes a
    // spin again (true) or has ended (false). The clock stands still while it does.
    bool passSpinWait();
    // Edit > Undo Spin and Redo Spin: back to just before the last press of Button1, and on
    // to just after it again.
    ActionResult userUndo();
    ActionResult userRedo();
    // File > Import Spins... and Export Spins...: the file is asked for through the Dialogs
    // port. Importing with no casino selected asks for a new casino's name first.
    ActionResult userImportSpins();
    ActionResult userExportSpins();
    // The run file keeps an open run for the next session, and the limits file the day's
    // figures. The core notes what changed; the front end writes them when it suits (after its
    // events), and the core when the window closes.
    bool filesDirty() const { return (d_.keepRunFile_ && d_.runDirty_) || d_.limitsDue_; }
    void flushFiles();

    // --- The game's verbs, for a player that is a program (the simulator) ---
    // The same user actions as above, named for what they do in the game.
    ActionResult choosePlayStyle(PlayStyle style);
    ActionResult enterBalance(double dollars);
    ActionResult startRun();             // Start, with the balance entered
    ActionResult enterSpin(int number);  // the number of the spin, then Submit
    // The run's end, the spin wait and the stakes, as such a player asks after them.
    GameView game() const { return GameView(d_); }

    // --- Safer play: the player's limits, the session's figures and the reality check ---
    // Sets a limit by its name ("loss-session", ...) to a number, or removes it ("none").
    ActionResult userSetLimit(std::string_view name, std::string_view value);
    enum class CheckAnswer { Keep, Stop, Balance };
    // The reality check's "Keep playing", "Stop here" (as Restart) and "Show my balance".
    ActionResult userAnswerCheck(CheckAnswer answer);
    // "Show my balance" was chosen: the front end shows the balance chart (once).
    bool takeBalanceRequest() { return d_.safe_.takeBalanceAsked(); }
    SafetyView safety() const { return SafetyView(d_); }

    // --- What the user sees ---
    const PlayState& state() const { return s_; }
    // The window, its boxes showing what the player has entered.
    const Form& form() const {
        d_.panel.showEntries();
        return form_;
    }
    // The settings variables, as the settings file holds them.
    const Settings& settings() const { return settings_; }
    // The play style as the panel shows it: the settings closing the window would save, and
    // the wager sequences in use.
    StoredStyle styleShown() const;
    // How long every bet has slept, the numbers' hits and the run's balance, as they stand.
    Statistics statistics() const;
    DataFiles files() const {
        return {d_.files_,        d_.dataDir_,     d_.settingsFile_,
                d_.wageringFile_, d_.historyFile_, d_.runFile_};
    }
    MenusView menus() const;
    TimerView timer() const {
        return {d_.replay_ ? 1 : 1000, d_.replay_.has_value(), d_.exitRequested_};
    }

    // --- Watched tables (watching.cpp) ---
    // Watch a casino's table beside the run (the casino is made when missing), and stop.
    ActionResult userWatch(std::string_view name);
    ActionResult userUnwatch(std::string_view name);
    // Where clicks, typed digits and Submit enter spins: a watched table, or the run (nullopt).
    ActionResult userTarget(std::optional<std::string_view> name);
    // The card's "Play here": ends the table as the table-switch advice does, chooses that
    // casino and starts the run warm, with the sleeper tables counted there.
    ActionResult userPlayHere(std::string_view name);
    WatchView watching() const { return WatchView(d_); }
    // The alerts raised since the last call, oldest first.
    std::vector<Alert> takeAlerts() {
        std::vector<Alert> taken(std::make_move_iterator(d_.alerts_.begin()),
                                 std::make_move_iterator(d_.alerts_.end()));
        d_.alerts_.clear();
        return taken;
    }

  private:
    // Tests set up scenarios that no user action reaches quickly through this one door.
    friend class AdvisorTestAccess;

    Desk d_;
    PlayState& s_ = d_.s_;
    Form& form_ = d_.form_;
    Ports& ports_ = d_.ports_;
    Settings& settings_ = d_.settings_;
    DebugLog& log_ = d_.log_;
};

}  // namespace brisvale
