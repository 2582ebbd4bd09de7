// Start-up of the main window, in its fixed order, and closing.

#include <system_error>

#include "play/advisor.hpp"
#include "remote/remote_startup.hpp"
#include "selection/bet_table.hpp"
#include "storage/properties.hpp"

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

void Advisor::Form_Load(const StartOptions& options) {
    dataDir_ = options.dataDir;
    std::error_code ec;
    std::filesystem::create_directories(dataDir_, ec);
    log_ = DebugLog(dataDir_ / "debug.txt");
    log_.setEnabled(false);
    if (options.deleteDebugLog) log_.remove();

    log_.write("1");
    InitBetTable(s_);
    log_.write("2");
    const RemoteStartup remote =
        loadRemote(ports_.fetcher, options.remoteSite, ports_.dialogs, ports_.browser);
    log_.write("3");
    const RemoteSettings& rs = remote.settings;
    settingsFile_ = dataDir_ / rs.settingsFile;
    wageringFile_ = dataDir_ / rs.wageringFile;
    historyFile_ = dataDir_ / "CasinoHistory.dat";
    runFile_ = dataDir_ / "run.json";
    s_.AppTitle = rs.appTitle;
    instructionsAddress_ = rs.instructionsAddress;

    Form& f = s_.form;
    f.casinoMenu.clear();
    for (const CasinoSite& site : remote.casinos) f.casinoMenu.push_back({site.name, site.address});
    // The menu always drops down, so the user sees that there are no sites rather than nothing.
    if (f.casinoMenu.empty()) f.casinoMenu.push_back({"(no casino sites)", "", false});
    f.caption = s_.AppTitle;

    f.chipWidth = rs.chipWidth > 0 ? rs.chipWidth : board::kChipWidth;
    f.chipHeight = rs.chipHeight > 0 ? rs.chipHeight : board::kChipHeight;
    hideChips();
    f.marker.width = rs.markerWidth > 0 ? rs.markerWidth : board::kMarkerWidth;
    f.marker.height = rs.markerHeight > 0 ? rs.markerHeight : board::kMarkerHeight;
    f.Picture4 = {true, rs.picture4Left, rs.picture4Top, rs.picture4Width, rs.picture4Height};

    s_.NormalColor = std::to_string(f.backColor);
    s_.BetColor = "8454016";
    s_.QuitColor = "192";

    LoadWagering(s_.wagering, wageringFile_, &log_);

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
    if (!FileExists(settingsFile_)) WriteDefaultSettings();
    LoadSettings();
    settleStyleControls();
    offerResume();
    log_.write("17");
}

void Advisor::Form_Unload() {
    CaptureSettings();
    SaveSettings();
    // Closing keeps an open run for the next session, exactly as it stands.
    markRunDirty();
    flushRunFile();
    exitRequested_ = true;
}

}  // namespace brisvale
