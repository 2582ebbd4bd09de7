// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the main window, in its fixed order, and closing.

#include <system_error>

#include "play/advisor.hpp"
#include "remote/chip_setup.hpp"
#include "remote/file_names.hpp"
#include "remote/remote_settings.hpp"
#include "remote/remote_startup.hpp"
#include "selection/bet_table.hpp"
#include "storage/properties.hpp"
#include "storage/spin_file.hpp"
#include "storage/whole_file.hpp"

namespace brisvale {
namespace {

std::vector<std::string> numberItems(int from, int to) {
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(to - from + 1));
    for (int i = from; i <= to; ++i) items.push_back(std::to_string(i));
    return items;
}

}  // namespace

Advisor::Advisor(Ports ports)
    : dialogs_(ports.dialogs),
      clock_(ports.clock),
      ports_{dialogs_, ports.browser, clock_, ports.random, ports.fetcher} {
    Form& f = s_.form;
    const int maxima[kHowManyCount] = {2, 2, 4, 6, 10, 16, 34};
    for (int k = 0; k < kHowManyCount; ++k) {
        f.howMany[k].items = numberItems(0, maxima[k]);
        f.howMany[k].index = 0;
    }
    f.cboSpins.items = numberItems(1, 9);
    f.Casino.items = {"Select Casino", "New..."};
    f.Casino.index = 0;
    f.BetStyle[1].value = true;
    f.Option3.value = true;
    f.Check[8].value = 1;
    for (int i = 2; i <= 17; ++i) f.Text[i].text = "0";
    f.highLabelEnabled.fill(true);
    f.frmWagering.Combo1.items = numberItems(1, 1000);
    f.frmWagering.Combo2.items = numberItems(1, 10);
}

// The folder's lock stays with `other`, and the copy's undo history starts empty: its first
// press begins one of its own.
Advisor::Advisor(Ports ports, const Advisor& other)
    : dialogs_(ports.dialogs),
      clock_(ports.clock),
      ports_{dialogs_, ports.browser, clock_, ports.random, ports.fetcher},
      files_(other.files_),
      style_(other.style_),
      s_(other.s_),
      settings_(other.settings_),
      log_(other.log_),
      dataDir_(other.dataDir_),
      settingsFile_(other.settingsFile_),
      wageringFile_(other.wageringFile_),
      historyFile_(other.historyFile_),
      runFile_(other.runFile_),
      history_(other.history_),
      historyLine_(other.historyLine_),
      casinoKeys_(other.casinoKeys_),
      historyKey_(other.historyKey_),
      unwrittenSpins_(other.unwrittenSpins_),
      writeNotice_(other.writeNotice_),
      exitRequested_(other.exitRequested_),
      instructionsAddress_(other.instructionsAddress_),
      termsAddress_(other.termsAddress_),
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

StoredStyle readStoredStyle(const std::filesystem::path& dataDir) {
    const RemoteSettings& rs = builtInRemoteSettings();
    StoredStyle style;
    // Reads write nothing, so the window may hold the folder meanwhile.
    style.settings = readSettingsFile(dataDir / rs.settingsFile);
    LoadWagering(style.wagering, dataDir / rs.wageringFile, nullptr, false);
    return style;
}

ActionResult Advisor::claimDataFolder(const StartOptions& options) {
    if (options.style) return {};  // no folder is used
    if (lock_.status() == FolderLock::Status::None) {
        dataDir_ = options.dataDir;
        std::error_code ec;
        std::filesystem::create_directories(dataDir_, ec);
        // Two programs writing one folder would tear its files: the second goes before it writes.
        lock_ = FolderLock(dataDir_);
    }
    if (lock_.status() == FolderLock::Status::Busy) {
        exitRequested_ = true;
        return ActionResult::refused(std::string(kAlreadyRunning));
    }
    return {};
}

ActionResult Advisor::Form_Load(const StartOptions& options) {
    files_ = options.style == nullptr;
    style_ = options.style;
    if (files_) {
        if (ActionResult claimed = claimDataFolder(options); !claimed.ok) return claimed;
        log_ = DebugLog(dataDir_ / kDebugLogName);
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
    if (files_) {
        settingsFile_ = dataDir_ / rs.settingsFile;
        wageringFile_ = dataDir_ / rs.wageringFile;
        historyFile_ = dataDir_ / kHistoryFileName;
        runFile_ = dataDir_ / kRunFileName;
        for (const auto* file : {&settingsFile_, &wageringFile_, &historyFile_, &runFile_}) {
            recoverBackup(*file, &log_);
        }
        tellNotAFile();
    }
    s_.AppTitle = rs.appTitle;
    instructionsAddress_ = rs.instructionsAddress;
    termsAddress_ = rs.termsAddress;

    Form& f = s_.form;
    f.casinoMenu.clear();
    for (const CasinoSite& site : remote.casinos) f.casinoMenu.push_back({site.name, site.address});
    // The menu always drops down, so the user sees that there are no sites rather than nothing.
    if (f.casinoMenu.empty()) f.casinoMenu.push_back({"(no casino sites)", "", false});
    f.caption = s_.AppTitle;

    // The debug log is off, but a site's values that cannot be used are worth its lines.
    const ChipSetup setup = chipSetup(rs);
    for (const std::string& note : setup.notes) log_.forceWrite(note);
    f.chipWidth = setup.width;
    f.chipHeight = setup.height;
    for (Chip& chip : f.chips) {
        chip.appearance = setup.appearance;
        chip.borderStyle = setup.borderStyle;
        chip.label = setup.label;
        chip.caption.clear();
    }
    hideChips();
    f.marker.width = rs.markerWidth > 0 ? rs.markerWidth : board::kMarkerWidth;
    f.marker.height = rs.markerHeight > 0 ? rs.markerHeight : board::kMarkerHeight;
    f.Picture4 = {true, rs.picture4Left, rs.picture4Top, rs.picture4Width, rs.picture4Height};

    s_.NormalColor = std::to_string(f.backColor);
    s_.BetColor = "8454016";
    s_.QuitColor = "192";

    if (files_) {
        LoadWagering(s_.wagering, wageringFile_, &log_);
    } else {
        s_.wagering = style_->wagering;
    }

    f.cboWager.items = numberItems(1, 100);
    f.Check[8].value = 1;
    f.cboWager.index = 0;
    f.cboSpins.index = 2;
    cboSpins_Click();
    PrepareRun();
    f.cboWins.items = numberItems(1, 999);
    f.cboTime.items = f.cboWins.items;
    f.cboWins.index = 2;
    f.cboTime.index = 14;

    if (rs.windowWidth > 0) f.width = rs.windowWidth;
    if (rs.windowHeight > 0) f.height = rs.windowHeight;

    fillCasinoList();
    const bool stored =
        files_ ? FileExists(settingsFile_) : style_->settings.status != SettingsStatus::Missing;
    if (!stored) WriteDefaultSettings();
    LoadSettings();
    settleStyleControls();
    safeOpen();
    offerResume();
    log_.write("17");
    return {};
}

// A folder, a pipe or a device where a file of the program belongs is left alone and never
// waited on; the user hears of it once, and not again at each failed write.
void Advisor::tellNotAFile() {
    for (const auto* file : {&settingsFile_, &wageringFile_, &historyFile_}) {
        const std::string there = whatIsThere(*file);
        if (there.empty() || !writeNotice_.tell(false, *file)) continue;
        ports_.dialogs.message("The file " + shownFileName(*file) +
                                   " in the data folder cannot be used: " + there +
                                   ". Brisvale leaves it as it is and goes on without it.",
                               s_.AppTitle);
    }
}

void Advisor::Form_Unload() {
    flushCasinoHistory();
    CaptureSettings();
    SaveSettings();
    safeSave();
    // Closing keeps an open run for the next session, exactly as it stands.
    if (keepRunFile_ && runOpen()) {
        runDirty_ = false;
        writeRunFile(true);
    } else {
        markRunDirty();
        flushRunFile();
    }
    exitRequested_ = true;
}

}  // namespace brisvale
