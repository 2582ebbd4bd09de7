// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Advisor: owns the run state and the Form, and answers the window's events. Its handlers
// carry the names of those events (Button1_Click, Picture3_Click, Timer1_Timer, ...); the window
// and the console call them and render the Form afterwards.

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "play/safe_play.hpp"
#include "play/statistics.hpp"
#include "play/undo.hpp"
#include "selection/thresholds.hpp"
#include "state/controls.hpp"
#include "state/ports.hpp"
#include "state/series.hpp"
#include "state/spin_history.hpp"
#include "state/state.hpp"
#include "storage/casino_history.hpp"
#include "storage/debug_log.hpp"
#include "storage/folder_lock.hpp"
#include "storage/settings_file.hpp"
#include "storage/write_notice.hpp"

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
};

// A casino's history as the history file holds it.
struct CasinoRecord {
    std::string name;
    SpinHistory spins;  // oldest first; -1 for a field that is no number of the wheel
    Series<char> line;  // its line's value, ending with a comma; empty: nothing to record
    int key = 0;        // the key it is written under
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
    // Timer1 fires; front ends call it every timerInterval() milliseconds.
    void userTick();
    // Edit > Undo Spin and Redo Spin: back to just before the last press of Button1, and on
    // to just after it again.
    ActionResult userUndo();
    ActionResult userRedo();
    // File > Import Spins... and Export Spins...: the file is asked for through the Dialogs
    // port. Importing with no casino selected asks for a new casino's name first.
    ActionResult userImportSpins();
    ActionResult userExportSpins();
    // The run file keeps an open run for the next session. The core notes what changed; the
    // front end writes it when it suits (after its events), and the core when the window
    // closes.
    bool runFileDirty() const { return keepRunFile_ && runDirty_; }
    void flushRunFile();

    // --- The game's verbs, for a player that is a program (the simulator) ---
    // The same user actions as above, named for what they do in the game.
    ActionResult choosePlayStyle(PlayStyle style);
    ActionResult enterBalance(double dollars);
    ActionResult startRun();             // Start, with the balance entered
    ActionResult enterSpin(int number);  // the number of the spin, then Submit
    // The run has ended (or never started): the next press is a Start.
    bool runEnded() const { return !s_.playing(); }
    // The spin wait is over: the advisor takes the next spin.
    bool awaitingSpin() const { return s_.acceptsPress; }
    PlayStyle playStyle() const { return panelStyle().style; }
    // The balance as entered in the panel; 0 when it holds no number.
    double balanceEntered() const;

    // --- Safer play: the player's limits, the session's figures and the reality check ---
    // Sets a limit by its name ("loss-session", ...) to a number, or removes it ("none").
    ActionResult userSetLimit(std::string_view name, std::string_view value);
    enum class CheckAnswer { Keep, Stop, Balance };
    // The reality check's "Keep playing", "Stop here" (as Restart) and "Show my balance".
    ActionResult userAnswerCheck(CheckAnswer answer);
    bool realityCheckOpen() const { return safe_.checkOpen(); }
    // "Show my balance" was chosen: the front end shows the balance chart (once).
    bool takeBalanceRequest() { return safe_.takeBalanceAsked(); }
    // The simulator's limits, applied to each session at once and kept in no file.
    void limitSessions(LimitName name, std::optional<double> value) { safe_.force(name, value); }
    LimitsView limits() const;
    SessionView session() const;
    // The "Minimum Balance" for the minimum wager: a Start below it asks first.
    long long minimumBalance() const;

    // --- What the user sees ---
    const PlayState& state() const { return s_; }
    const Form& form() const { return s_.form; }
    // The settings variables, as the settings file holds them.
    const Settings& settings() const { return settings_; }
    // The play style as the panel shows it: the settings closing the window would save, and
    // the wager sequences in use.
    StoredStyle styleShown() const;
    // What the last press of Button1 settled: the open bets and the dollars each put on the
    // table; empty when the press settled nothing.
    const Settlement& settled() const { return s_.settled; }
    // How long every bet has slept, the numbers' hits and the run's balance, as they stand.
    Statistics statistics() const;
    // The dollars that the bets now open will put on the table at the next spin.
    long long stakesOpen() const;
    // False for a window opened on a stored style: it reads and writes no file.
    bool usesFiles() const { return files_; }
    // The play-style panel as the user sees it, and the disabled controls of the window, sorted.
    std::vector<ControlView> panelControls() const;
    std::vector<std::string> disabledControls() const;
    bool exitRequested() const { return exitRequested_; }
    // Milliseconds between two ticks: 1 while a history replay runs.
    int timerInterval() const { return replay_ ? 1 : 1000; }
    bool replayRunning() const { return replay_.has_value(); }
    const std::filesystem::path& dataDir() const { return dataDir_; }
    const std::filesystem::path& settingsFile() const { return settingsFile_; }
    const std::filesystem::path& wageringFile() const { return wageringFile_; }
    const std::filesystem::path& historyFile() const { return historyFile_; }
    const std::filesystem::path& runFile() const { return runFile_; }
    EditMenuView editMenu() const;
    MenuItemView importSpinsItem() const;
    MenuItemView exportSpinsItem() const;

  private:
    // Tests set up scenarios that no user action reaches quickly through this one door.
    friend class AdvisorTestAccess;

    // --- Events of the main window ---
    ActionResult Form_Load(const StartOptions& options);
    void Button1_Click();
    void Picture3_Click(int cell);
    void lblWager_Click(int chip);
    void Picture2_Click();
    void Timer1_Timer();
    void cmdMore_Click();
    void Command1_Click();  // delete the selected casino
    void Command2_Click();  // history replay, driven by the timer
    void Casino_Click();
    void Form_Unload();

    // The play-style panel.
    void BetStyle1_Click();
    void BetStyle2_Click();
    void BetStyle3_Click();
    void Option2_Click();
    void Option3_Click();
    void RandomBox_Click(int check);    // Check1..Check7, Check9
    void RandomBox_MouseUp(int check);  // reads the controls back into the settings
    void Text_LostFocus(int box);       // Text2..Text15: the numeric check
    void HowMany_Click(int list);
    void cboWager_Click();
    void Check8_Click();
    void cboSpins_Click();
    void chk7_Click();
    void chk7_sub_MouseUp(int sub);  // chk7_1..chk7_3

    // Menus.
    void mnuRestart_Click();
    void mnuLoadSettings_Click();
    void mnuExit_Click();
    void mnuTop_Click();
    void mnuProg_Click();
    void mnuAbout_Click();
    void mnuInstructions_Click();
    void mnuCasino_Click(int k);
    void AboutLabel4_Click();  // "Terms and Conditions"

    // The custom wagering dialog.
    void frmWagering_Command1_Click();  // Defaults
    void frmWagering_Command2_Click();  // OK
    void frmWagering_Command3_Click();  // Cancel
    void frmWagering_Check1_Click();
    void frmWagering_QueryUnload();  // the close box

    // Classic play.
    void ProgSingle();
    bool ValidateStart();
    void PrepareRun();
    void BeginRun();
    void EndBet(bool countSpin = true);
    void CommonEnding();
    void classicNoBet();
    void classicBetOpen();
    bool takeSpin();
    void startRun(bool multi);

    // Multi-bet play.
    void MultiSpin();
    bool ValidateMultiSettings();
    void ProgMultiBet();
    void ContMultiBet();
    int StepBet(BetId id);
    void ReleaseBet(BetId id);
    void multiNoBet();
    void multiLoss();
    void multiWin();
    void multiEnding();
    void multiPasses(bool super);
    void layMultiChips(bool super, const BetList& former);
    void multiCaption();

    // Shared pieces.
    void set_backcolor(std::string_view color);
    void hideChips();
    void PlaceChip(int chip, BetId id);
    void setImage(int chip, BetId id, bool withSingle);
    void writeRunCaption();
    // The spin just entered, on top of the history box.
    void listSpin() {
        if (shown_) s_.form.Text1.AddHistoryLine(s_.SpinNumber);
    }
    void showBalance();
    void syncUnitWager();
    using WagerRule = void (*)(const Wagering&, MinimumWager&);
    // Runs the automatic minimum-wager rules in order on the wager the list shows.
    void changeWager(std::initializer_list<WagerRule> rules);
    void showQuit();
    void refreshBalanceLabels();
    // Tells the user of a program file that is not a file (a folder, a pipe, a device).
    void tellNotAFile();
    // Tells the user, once while it keeps failing, that file could not be written and what was
    // kept. Returns ok.
    // `asked`: the user asked for this write, so its failure is told even when told before.
    bool tellWrite(bool ok, const std::filesystem::path& file, std::string_view kept,
                   bool asked = false);
    void refreshTotalRisk();
    void selectSpin(int number);

    // Settings.
    void LoadSettings();
    void ApplySettings();
    void CaptureSettings();
    void capturePanel();
    // The same into any settings variables, the Advisor's own left as they are.
    void CaptureSettingsInto(Settings& settings) const;
    void capturePanelInto(Settings& settings) const;
    void SaveSettings();
    void WriteDefaultSettings();
    void settleStyleControls();
    void ApplyHighBoxes();
    // The play style as the panel shows it, and whether a style is chosen at all.
    StyleSettings panelStyle() const;
    // The rules read the style as the panel last showed it: only the user's and the program's
    // changes of the panel move it, never a press or a tick.
    void syncStyle() { s_.style = panelStyle(); }
    bool styleChosen() const;
    // The thresholds as the panel's boxes hold them.
    ThresholdEntries thresholdEntries() const;
    // DrawThresholds on the panel's entries; false, after its message, on a bad entry.
    bool drawStartThresholds();
    std::optional<Preset> shownPreset() const;
    void setStyleControlsEnabled(bool multi);

    // Casinos.
    void fillCasinoList();
    void RecordCasinoSpin();
    void loadCasino(int position);
    std::optional<CasinoRecord> readCasino(int position) const;
    void useCasino(const CasinoRecord& record);
    void newCasino();
    void endRecording();
    bool SaveCasinoHistory(
        std::string_view kept = "The spin was kept and will be written with the next one.");
    std::string recordedName() const;  // the recorded casino's name, from its line
    void flushCasinoHistory();  // before the casino's spins are left: one more try to write them
    int selectedKey() const;    // the history key of the selected casino

    // Wagering dialog.
    void LoadControls();
    bool SaveWagering();
    ActionResult wageringSet(std::string_view name, std::string_view value);
    // The dialog is modal: while it is open, the main window takes no action. Each guard
    // refuses with the reason the user reads, and is ok otherwise.
    bool wageringOpen() const { return s_.form.frmWagering.open; }
    ActionResult refusedWhileWageringOpen() const;   // an action on the main window
    ActionResult refusedUnlessWageringOpen() const;  // an action on the dialog

    // The history replay, one step per tick.
    void replayStep();
    void endReplay();

    // User actions as carried out, without the undo history's bookkeeping.
    ActionResult doSet(std::string_view name, std::string_view value);
    ActionResult doPress(std::string_view name);
    ActionResult doClickCell(int cell);
    ActionResult doClickChip(int chip);
    ActionResult doFlip();
    ActionResult doMenu(std::string_view name, int k);
    ActionResult doKey(std::string_view key);
    // An action that is carried out again when the history goes back or on.
    template <class Action>
    ActionResult logged(Act act, int arg, Action&& action, std::string_view text = {});
    // A press of Button1, typed (Enter) or clicked: an undo step when it is accepted.
    ActionResult pressButton1(Act act, int arg);
    // An action the history cannot carry out again (settings, casinos, files) ends it.
    void endUndoHistory() { undo_.clear(); }
    bool recording() const { return recordUndo_ && !replaying_ && !replay_; }
    Checkpoint checkpoint() const;
    void restore(const Checkpoint& c);
    ActionResult travel(const UndoHistory::Route& route);
    void carryOut(const LoggedAction& a, const LogPosition& at);

    // Safer play (safe_play_advisor.cpp): around each press of Button1, at Start, and the
    // advice to stop.
    struct PressBefore {
        bool playing;
        double balance;
        std::int64_t nowMs;
    };
    PressBefore safeBeforePress();
    void safeAfterPress(const PressBefore& before);
    bool safeStartAllowed();
    void stopAdvising(std::string_view advice);
    void safeOpen();
    void safeSave();

    // The run file.
    bool runOpen() const;
    void markRunDirty() { runDirty_ = true; }
    // `closing`: the undo history goes with the run, for the next session.
    bool writeRunFile(bool closing = false);
    void offerResume();
    Json undoJson() const;
    // The undo history of a resumed run; false when the file's cannot be used.
    bool resumeUndo(const Json& undo, int casino);

    // Spin files.
    bool appendSpins(const std::vector<int>& spins);
    bool importIntoNewCasino(const std::vector<int>& spins, const std::string& name);
    void writeTimerCaption();

    // The ports the handlers call: the front end's, quieted and scripted while the undo
    // history carries actions out again.
    QuietableDialogs dialogs_;
    ScriptedClock clock_;
    Ports ports_;
    bool files_ = true;
    std::shared_ptr<const StoredStyle> style_;  // the style read beforehand, when files_ is false
    FolderLock lock_;  // held for the Advisor's life, which is the program's
    PlayState s_;
    Settings settings_ = defaultSettings();
    DebugLog log_;
    std::filesystem::path dataDir_;
    std::filesystem::path settingsFile_;
    std::filesystem::path wageringFile_;
    std::filesystem::path historyFile_;
    std::filesystem::path runFile_;
    SpinHistory history_;              // the selected casino's recorded spins, oldest first
    Series<char> historyLine_;         // its line in the history file, kept ready for the next spin
    std::vector<int> casinoKeys_;      // the history key of each casino of the list, in list order
    int historyKey_ = 0;               // the key historyLine_ is written under
    HistoryAppender historyAppender_;  // new spins go to the end of the casino's line
    int unwrittenSpins_ = 0;  // spins in historyLine_ that a failed write left out of the file
    WriteNotice writeNotice_;
    bool exitRequested_ = false;
    // Help > Instructions' web page and the About box's terms page, from the remote settings;
    // empty: none to open.
    std::string instructionsAddress_;
    std::string termsAddress_;

    enum class ReplayPhase { WaitButton, WaitSpin };
    struct Replay {
        std::size_t next = 0;
        ReplayPhase phase = ReplayPhase::WaitButton;
    };
    std::optional<Replay> replay_;
    bool selected_ = false;  // the replay has selected the number of its next step
    BetSet nonzeroSteps_;    // bets with a step count, while a pass lays its chips
    // The stakes a multi-bet pass laid on its chips: how many, and whether all are one stake.
    struct LaidStakes {
        int count = 0;
        bool same = true;
        long long stake = 0;
    };
    LaidStakes laid_;

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
    bool balanceStale_ = false;  // the balance box of a window nobody looks at lags the balance
    SafePlay safe_;
    std::int64_t pressNowMs_ = 0;  // the clock at the press of Button1 under way
};

}  // namespace brisvale
