// SPDX-License-Identifier: GPL-3.0-or-later
// The menus: File, Tools, Casinos and Help, and the About box.

#include "advisor/advisor.hpp"
#include "remote/remote_settings.hpp"
#include "util/text.hpp"

namespace brisvale {

// mnuRestart_Click
void MenuBar::restart() {
    d_.run.PrepareRun();
    d_.view.panelReleased();
}

// mnuLoadSettings_Click
void MenuBar::reloadSettings() {
    if (!ports_.dialogs.askYesNo("Confirm Restore Default Settings", "Default Settings")) return;
    d_.journal.endUndoHistory();
    d_.style.WriteDefaultSettings();
    d_.style.ApplySettings();
    d_.style.settleStyleControls();
}

// mnuExit_Click
void MenuBar::exitProgram() {
    closeWindow();
}

// mnuTop_Click
void MenuBar::toggleOnTop() {
    d_.view.toggleOnTop();
}

// mnuAbout_Click
void MenuBar::showAbout() {
    ports_.dialogs.about(buildDate(), [this] { showTerms(); });
}

// The terms are the licence, which ships with the program; a terms page only when the remote
// settings name one and it opens.
// AboutLabel4_Click
void MenuBar::showTerms() {
    if (openInBrowser(ports_.browser, d_.termsAddress_)) return;
    ports_.dialogs.message(kLicenceNotice, "Terms and Conditions");
}

// The guide ships with the program, so it opens without a network. The announcement of the
// web page comes only when the remote settings name one, and the guide stands in for a page
// that does not open.
// mnuInstructions_Click
void MenuBar::showInstructions() {
    if (trimBlanks(d_.instructionsAddress_).empty()) {
        ports_.dialogs.showGuide();
        return;
    }
    ports_.dialogs.message("The Instructions section of the Brisvale Website will open.",
                           s_.AppTitle);
    if (!openInBrowser(ports_.browser, d_.instructionsAddress_)) ports_.dialogs.showGuide();
}

// mnuCasino_Click
void MenuBar::openCasinoSite(int k) {
    if (k < 0 || k >= static_cast<int>(d_.casinoSites_.size())) return;
    openInBrowser(ports_.browser, d_.casinoSites_[static_cast<std::size_t>(k)].address);
}

}  // namespace brisvale
