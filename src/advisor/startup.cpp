// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the main window, in its fixed order, and closing.

#include <system_error>

#include "advisor/advisor.hpp"
#include "remote/chip_setup.hpp"
#include "remote/file_names.hpp"
#include "remote/remote_settings.hpp"
#include "remote/remote_startup.hpp"
#include "selection/bet_table.hpp"
#include "storage/properties.hpp"
#include "storage/spin_file.hpp"
#include "storage/whole_file.hpp"

namespace brisvale {

Desk::Desk(Ports ports)
    : dialogs_(ports.dialogs),
      clock_(ports.clock),
      ports_{dialogs_, ports.browser, clock_, ports.random, ports.fetcher} {
    panel.setUpPanel();
}

// The folder's lock stays with `other`, and the copy's undo history starts empty: its first
// press begins one of its own.
Desk::Desk(Ports ports, const Desk& other)
    : dialogs_(ports.dialogs),
      clock_(ports.clock),
      ports_{dialogs_, ports.browser, clock_, ports.random, ports.fetcher},
      files_(other.files_),
      style_(other.style_),
      s_(other.s_),
      entries_(other.entries_),
      form_(other.form_),
      settings_(other.settings_),
      log_(other.log_),
      dataDir_(other.dataDir_),
      settingsFile_(other.settingsFile_),
      wageringFile_(other.wageringFile_),
      historyFile_(other.historyFile_),
      runFile_(other.runFile_),
      history_(other.history_),
      historyLine_(other.historyLine_),
      casinos_(other.casinos_),
      chosen_(other.chosen_),
      historyKey_(other.historyKey_),
      unwrittenSpins_(other.unwrittenSpins_),
      writeNotice_(other.writeNotice_),
      exitRequested_(other.exitRequested_),
      instructionsAddress_(other.instructionsAddress_),
      termsAddress_(other.termsAddress_),
      casinoSites_(other.casinoSites_),
      replay_(other.replay_),
      selected_(other.selected_),
      nonzeroSteps_(other.nonzeroSteps_),
      typed_(other.typed_),
      recordUndo_(other.recordUndo_),
      pressTaken_(other.pressTaken_),
      keepRunFile_(other.keepRunFile_),
      runDirty_(other.runDirty_),
      awayMs_(other.awayMs_),
      shown_(other.shown_),
      balanceStale_(other.balanceStale_),
      safe_(other.safe_) {}

Advisor::Advisor(Ports ports) : d_(ports) {
    d_.front = this;
}

Advisor::Advisor(Ports ports, const Advisor& other) : d_(ports, other.d_) {
    d_.front = this;
}

StoredStyle readStoredStyle(const std::filesystem::path& dataDir) {
    const RemoteSettings& rs = builtInRemoteSettings();
    StoredStyle style;
    // Reads write nothing, so the window may hold the folder meanwhile.
    style.settings = readSettingsFile(dataDir / rs.settingsFile);
    LoadWagering(style.wagering, dataDir / rs.wageringFile, nullptr, false);
    return style;
}

ActionResult MenuBar::claimDataFolder(const StartOptions& options) {
    if (options.style) return {};  // no folder is used
    if (d_.lock_.status() == FolderLock::Status::None) {
        d_.dataDir_ = options.dataDir;
        std::error_code ec;
        std::filesystem::create_directories(d_.dataDir_, ec);
        // Two programs writing one folder would tear its files: the second goes before it writes.
        d_.lock_ = FolderLock(d_.dataDir_);
    }
    if (d_.lock_.status() == FolderLock::Status::Busy) {
        d_.exitRequested_ = true;
        return ActionResult::refused(std::string(kAlreadyRunning));
    }
    return {};
}

ActionResult Advisor::claimDataFolder(const StartOptions& options) {
    return d_.menus.claimDataFolder(options);
}

// openWindow
// The window as the remote settings lay it out: the casino sites, the chips' look, the marker,
// the board picture and the window's size.
void Presenter::layOutWindow(const RemoteStartup& remote, const ChipSetup& setup) {
    const RemoteSettings& rs = remote.settings;
    Form& f = form_;
    f.casinoMenu.clear();
    for (const CasinoSite& site : d_.casinoSites_)
        f.casinoMenu.push_back({site.name, site.address});
    // The menu always drops down, so the user sees that there are no sites rather than nothing.
    if (f.casinoMenu.empty()) f.casinoMenu.push_back({"(no casino sites)", "", false});
    f.caption = s_.AppTitle;
    f.chipWidth = setup.width;
    f.chipHeight = setup.height;
    for (Chip& chip : f.chips) {
        chip.appearance = setup.appearance;
        chip.borderStyle = setup.borderStyle;
        chip.label = setup.label;
        chip.caption.clear();
    }
    d_.board.hideChips();
    f.marker.width = rs.markerWidth > 0 ? rs.markerWidth : board::kMarkerWidth;
    f.marker.height = rs.markerHeight > 0 ? rs.markerHeight : board::kMarkerHeight;
    f.picture = {true, rs.picture4Left, rs.picture4Top, rs.picture4Width, rs.picture4Height};
    if (rs.windowWidth > 0) f.width = rs.windowWidth;
    if (rs.windowHeight > 0) f.height = rs.windowHeight;
}

ActionResult MenuBar::openWindow(const StartOptions& options) {
    d_.files_ = options.style == nullptr;
    d_.style_ = options.style;
    if (d_.files_) {
        if (ActionResult claimed = claimDataFolder(options); !claimed.ok) return claimed;
        log_ = DebugLog(d_.dataDir_ / kDebugLogName);
        log_.setEnabled(false);
        if (options.deleteDebugLog) log_.remove();
    }

    log_.write("1");
    InitBetTable(s_);
    log_.write("2");
    const RemoteStartup remote =
        loadRemote(ports_.fetcher, options.remoteSite, ports_.dialogs, ports_.browser);
    log_.write("3");
    for (const std::string& note : remote.notes) log_.forceWrite(note);
    const RemoteSettings& rs = remote.settings;
    if (d_.files_) {
        d_.settingsFile_ = d_.dataDir_ / rs.settingsFile;
        d_.wageringFile_ = d_.dataDir_ / rs.wageringFile;
        d_.historyFile_ = d_.dataDir_ / kHistoryFileName;
        d_.runFile_ = d_.dataDir_ / kRunFileName;
        for (const auto* file :
             {&d_.settingsFile_, &d_.wageringFile_, &d_.historyFile_, &d_.runFile_}) {
            recoverBackup(*file, &log_);
        }
        tellNotAFile();
    }
    s_.AppTitle = rs.appTitle;
    d_.instructionsAddress_ = rs.instructionsAddress;
    d_.termsAddress_ = rs.termsAddress;
    d_.casinoSites_ = remote.casinos;

    // The debug log is off, but a site's values that cannot be used are worth its lines.
    const ChipSetup setup = chipSetup(rs);
    for (const std::string& note : setup.notes) log_.forceWrite(note);
    d_.view.layOutWindow(remote, setup);

    s_.NormalColor = std::to_string(kWindowColor);
    s_.BetColor = "8454016";
    s_.QuitColor = "192";

    if (d_.files_) {
        LoadWagering(s_.wagering, d_.wageringFile_, &log_);
    } else {
        s_.wagering = d_.style_->wagering;
    }

    d_.panel.setUpRunLists();
    d_.style.spinIntervalChosen();
    d_.run.PrepareRun();

    d_.casinos.fillCasinoList();
    const bool stored = d_.files_ ? FileExists(d_.settingsFile_)
                                  : d_.style_->settings.status != SettingsStatus::Missing;
    if (!stored) d_.style.WriteDefaultSettings();
    d_.style.LoadSettings();
    d_.style.settleStyleControls();
    d_.guard.safeOpen();
    d_.runFile.offerResume();
    log_.write("17");
    return {};
}

// A folder, a pipe or a device where a file of the program belongs is left alone and never
// waited on; the user hears of it once, and not again at each failed write.
void MenuBar::tellNotAFile() {
    for (const auto* file : {&d_.settingsFile_, &d_.wageringFile_, &d_.historyFile_}) {
        const std::string there = whatIsThere(*file);
        if (there.empty() || !d_.writeNotice_.tell(false, *file)) continue;
        ports_.dialogs.message("The file " + shownFileName(*file) +
                                   " in the data folder cannot be used: " + there +
                                   ". Brisvale leaves it as it is and goes on without it.",
                               s_.AppTitle);
    }
}

// closeWindow
void MenuBar::closeWindow() {
    d_.casinos.flushCasinoHistory();
    d_.style.CaptureSettings();
    d_.style.SaveSettings();
    d_.guard.safeSave();
    // Closing keeps an open run for the next session, exactly as it stands.
    if (d_.keepRunFile_ && d_.runFile.runOpen()) {
        d_.runDirty_ = false;
        d_.runFile.writeRunFile(true);
    } else {
        d_.runFile.markRunDirty();
        d_.runFile.flush();
    }
    d_.exitRequested_ = true;
}

}  // namespace brisvale
