// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Advisor's parts share: the run's state, the settings, the ports and the files, and
// the parts themselves, each of one concept.

#include "advisor/advisor_types.hpp"
#include "advisor/board_presenter.hpp"
#include "advisor/casino_book.hpp"
#include "advisor/classic_engine.hpp"
#include "advisor/control_adapter.hpp"
#include "advisor/history_replay.hpp"
#include "advisor/menu_bar.hpp"
#include "advisor/multi_engine.hpp"
#include "advisor/panel_entries.hpp"
#include "advisor/panel_presenter.hpp"
#include "advisor/presenter.hpp"
#include "advisor/run_cycle.hpp"
#include "advisor/run_file_keeper.hpp"
#include "advisor/safety_guard.hpp"
#include "advisor/style_panel.hpp"
#include "advisor/table_watch.hpp"
#include "advisor/undo_journal.hpp"
#include "advisor/wagering_editor.hpp"
#include "remote/remote_settings.hpp"

namespace brisvale {

class Advisor;

struct Desk {
    explicit Desk(Ports ports);
    // A second desk standing exactly where `other` stands, answering through its own ports.
    Desk(Ports ports, const Desk& other);
    Desk(const Desk&) = delete;
    Desk& operator=(const Desk&) = delete;

    // Tells the user, once while it keeps failing, that file could not be written and what was
    // kept. Returns ok.
    // `asked`: the user asked for this write, so its failure is told even when told before.
    bool tellWrite(bool ok, const std::filesystem::path& file, std::string_view kept,
                   bool asked = false);

    // The ports the handlers call: the front end's, quieted and scripted while the undo
    // history carries actions out again.
    QuietableDialogs dialogs_;
    ScriptedClock clock_;
    Ports ports_;
    bool files_ = true;
    std::shared_ptr<const StoredStyle> style_;  // the style read beforehand, when files_ is false
    FolderLock lock_;  // held for the Advisor's life, which is the program's
    PlayState s_;
    // What the player has put into the panel, and the window that shows the run and them.
    // Only the presenters write the window; nothing decides on what it shows.
    PanelEntries entries_;
    Form form_;
    // The window's boxes show the entries as they stand: all of them, and the balance box.
    bool entriesShown_ = false;
    bool balanceShown_ = false;
    Settings settings_ = defaultSettings();
    DebugLog log_;
    std::filesystem::path dataDir_;
    std::filesystem::path settingsFile_;
    std::filesystem::path wageringFile_;
    std::filesystem::path historyFile_;
    std::filesystem::path runFile_;
    SpinHistory history_;       // the selected casino's recorded spins, oldest first
    Series<char> historyLine_;  // its line in the history file, kept ready for the next spin
    std::vector<CasinoEntry> casinos_;   // the casinos of the history file, in its order
    std::optional<std::size_t> chosen_;  // the casino the run records into, if any
    int historyKey_ = 0;                 // the key historyLine_ is written under
    HistoryAppender historyAppender_;    // new spins go to the end of the casino's line
    int unwrittenSpins_ = 0;  // spins in historyLine_ that a failed write left out of the file
    WriteNotice writeNotice_;
    bool exitRequested_ = false;
    // Help > Instructions' web page and the About box's terms page, from the remote settings;
    // empty: none to open.
    std::string instructionsAddress_;
    std::string termsAddress_;
    std::vector<CasinoSite> casinoSites_;  // the Casinos menu's sites, in its order
    std::optional<Replay> replay_;
    bool selected_ = false;  // the replay has selected the number of its next step
    BetSet nonzeroSteps_;    // bets with a step count, while a pass lays its chips
    LaidStakes laid_;
    std::optional<TimerCaptionKey> timerCaption_;  // none: the caption says something else
    // The first digit typed, waiting up to a second for a second one.
    std::optional<TypedDigit> typed_;
    UndoHistory undo_;
    bool recordUndo_ = true;
    bool replaying_ = false;   // the undo history is carrying actions out again
    bool pressTaken_ = false;  // the last press of Button1 started a run or took a spin
    bool keepRunFile_ = true;
    bool runDirty_ = false;
    // The time the open run stood closed between sessions: no play time, but its start stays
    // when it was.
    std::int64_t awayMs_ = 0;
    bool shown_ = true;
    bool balanceStale_ = false;    // the balance box of a window nobody looks at lags the balance
    SafePlay safe_;                // the player's limits, the day's figures, the reality check
    bool limitsDue_ = false;       // the day's figures wait to be kept with the run file
    std::int64_t pressNowMs_ = 0;  // the clock at the press under way
    // The tables watched beside the run, and where entered spins go (none: the run).
    WatchedTables watched_;
    std::optional<int> target_;
    std::optional<int> watchPending_;
    std::optional<TypedDigit> watchTyped_;
    std::deque<TableStep> tableUndo_;
    std::vector<TableStep> tableRedo_;
    std::deque<Alert> alerts_;  // the oldest go first when nobody takes them
    std::vector<SleepingBet> newlyDue_;
    mutable std::optional<WatchStyle> watchStyleKept_;
    mutable StyleSettings watchStyleOf_;

    // The front door, through which the undo history carries the user's actions out again.
    Advisor* front = nullptr;
    Presenter view{*this};
    BoardPresenter board{*this};
    PanelPresenter panel{*this};
    RunCycle run{*this};
    ClassicEngine classic{*this};
    MultiEngine multi{*this};
    CasinoBook casinos{*this};
    StylePanel style{*this};
    WageringEditor wagering{*this};
    UndoJournal journal{*this};
    RunFileKeeper runFile{*this};
    HistoryReplay replay{*this};
    ControlAdapter controls{*this};
    MenuBar menus{*this};
    TableWatch watch{*this};
    SafetyGuard guard{*this};
};

}  // namespace brisvale
