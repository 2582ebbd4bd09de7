// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces of the Advisor that every play style uses: colours, chips, captions, the wager.

#include <algorithm>
#include <charconv>

#include "advisor/advisor.hpp"
#include "board/chips.hpp"
#include "model/numbers.hpp"
#include "util/numbers.hpp"

namespace brisvale {

// paint
void Presenter::paint(std::string_view color) {
    if (!d_.shown_) return;
    // A run paints with the same few colours over and over: the last ones are kept read.
    auto kept = std::ranges::find(painted_, color, &PaintedColor::text);
    if (kept == painted_.end()) {
        kept = painted_.begin() + static_cast<std::ptrdiff_t>(nextPainted_);
        nextPainted_ = (nextPainted_ + 1) % painted_.size();
        kept->text.assign(color);
        kept->value = parseWhole(color, -2147483648LL, 4294967295LL);
    }
    if (kept->value) form_.backColor = *kept->value;
}

void Presenter::stateRestored(Form window) {
    form_ = std::move(window);
    d_.timerCaption_.reset();
    showCasinos();
}

void Presenter::writeRunCaption() {
    if (!d_.shown_) return;
    d_.timerCaption_.reset();
    // Written at every spin: the caption's buffer is reused.
    form_.caption.assign(captionStart()).append(" ").append(s_.CasinoName);
}

const std::string& Presenter::captionStart() {
    // Each press changes it, and the timer's caption at the next tick starts the same way.
    if (start_.totalSpins == s_.TotalSpins && start_.tableSpins == s_.TableSpins &&
        start_.appTitle == s_.AppTitle) {
        return start_.text;
    }
    start_.totalSpins = s_.TotalSpins;
    start_.tableSpins = s_.TableSpins;
    start_.appTitle = s_.AppTitle;
    // The figures go into room made at the end, each part copied whole.
    constexpr std::string_view kTotal = " - Total Spins: ", kTable = " - Spins This Table: ";
    constexpr std::size_t kRoom = kTotal.size() + kTable.size() + 2 * 11;
    std::string& text = start_.text;
    text.assign(s_.AppTitle);
    const std::size_t title = text.size();
    text.resize(title + kRoom);
    char* at = text.data() + title;
    char* const end = at + kRoom;
    at = std::copy(kTotal.begin(), kTotal.end(), at);
    at = std::to_chars(at, end, s_.TotalSpins).ptr;
    at = std::copy(kTable.begin(), kTable.end(), at);
    at = std::to_chars(at, end, s_.TableSpins).ptr;
    text.resize(static_cast<std::size_t>(at - text.data()));
    return text;
}

void Presenter::showBalance() {
    // Nobody reads a hidden window's balance box until the next Start.
    if (!d_.shown_) {
        d_.balanceStale_ = true;
        return;
    }
    // Most presses settle nothing: the box may say this balance already.
    if (balance_.holds(s_.Balance, entries_.balance)) return;
    std::string& text = changeBalance();
    formatNumberInto(text, s_.Balance);
    balance_.note(s_.Balance, text);
}

// Every press starts from the minimum wager the list shows.
void WageringEditor::syncUnitWager() {
    s_.wager.UnitWager = s_.style.unitWager;
}

// The engine moves the minimum-wager list itself, which runs no click handler (only a user's
// click does). The balance figures still follow the new minimum wager, as they do whenever it
// changes.
void WageringEditor::changeWager(std::initializer_list<WagerRule> rules) {
    MinimumWager wager = s_.wager;
    for (WagerRule rule : rules) rule(s_.wagering, wager);
    const bool changed = s_.style.unitWager != wager.UnitWager;
    s_.style.unitWager = wager.UnitWager;
    s_.wager = wager;
    d_.view.showUnitWager();
    if (changed) d_.view.refreshBalanceLabels();
}

void Presenter::showQuit() {
    showAdvice();
    paint(s_.QuitColor);
    form_.picture.visible = true;
    form_.startButton.caption = "Start";
}

// The minimum-wager list shows the wager of the style.
void Presenter::showUnitWager() {
    const int wager = static_cast<int>(s_.style.unitWager);
    if (entries_.unitWager != wager) changeEntries().unitWager = wager;
}

void Presenter::showAdvice() {
    if (!d_.shown_) return;
    // Spin after spin the advice is often the same, and the label says it already.
    std::string& words = form_.adviceLabel.caption;
    if (advice_.holds(s_.advice, words)) return;
    words = s_.advice.text();
    advice_.note(s_.advice, words);
}

// The button takes a press exactly when the run does.
void Presenter::showPressAccepted() {
    form_.startButton.enabled = s_.acceptsPress;
}

void Presenter::runPrepared() {
    Form& f = form_;
    showPressAccepted();
    d_.board.hideChips();
    d_.board.hideMarker();
    showAdvice();
    f.adviceLabel.visible = true;
    f.startButton.caption = "Start";
    if (s_.RecordedSpins == 0) f.historyBox.clear();
    paint(s_.NormalColor);
    writeRunCaption();
}

// The style and the bankroll hold for the whole run.
void Presenter::runBegun() {
    setRunControlsEnabled(false);
    showAdvice();
    form_.startButton.caption = "Submit";
}

void Presenter::setRunControlsEnabled(bool on) {
    Form& f = form_;
    for (int i = 1; i <= 7; ++i) f.familyBoxes[i].enabled = on;
    for (int i = 1; i <= 3; ++i) f.evenPairBoxes[i].enabled = on;
    f.singleBox.enabled = on;
    f.winLimitList.enabled = on;
    f.timeLimitList.enabled = on;
    f.unitWagerList.enabled = on;
    f.balanceBox.enabled = on;
    f.picture.visible = on;
}

void Presenter::spinWaitStarted() {
    showBalance();
    showPressAccepted();
    d_.board.hideMarker();
}

void Presenter::spinWaitOver() {
    showPressAccepted();
    form_.adviceLabel.visible = true;
}

// The advice blinks while the spin wait runs, in a window someone looks at.
void Presenter::blink() {
    if (d_.shown_) form_.adviceLabel.visible = !form_.adviceLabel.visible;
}

void Presenter::betEnded() {
    d_.board.hideChips();
    paint(s_.NormalColor);
    showPressAccepted();
    d_.board.hideMarker();
    showAdvice();
}

void Presenter::showSwitchTable() {
    showAdvice();
    d_.board.hideChips();
    paint(s_.NormalColor);
    form_.picture.visible = true;
    form_.startButton.caption = "Start";
}

// Restart: the panel is the player's again.
void Presenter::panelReleased() {
    setRunControlsEnabled(true);
    form_.moreButton.enabled = true;
    for (int i = 1; i <= 3; ++i) form_.styleButtons[i].enabled = true;
}

void Presenter::noBetsLaid() {
    paint(s_.NormalColor);
    showAdvice();
    d_.board.hideChips();
}

void Presenter::refreshBalanceLabels() {
    const bool conservative = entries_.conservativeBetting == 1;
    const long long unit = s_.UnitWager();
    form_.minimumBalanceLabel.caption =
        "Minimum Balance:$" + std::to_string(brisvale::minimumBalance(unit, conservative));
    form_.betCycleLabel.caption =
        "$" + std::to_string(unit * (conservative ? 30 : 67)) + " per spot";
}

void Presenter::refreshTotalRisk() {
    int sum = 0;
    for (const int count : entries_.betsAtOnce) sum += count > 0 ? count : 0;
    form_.totalRiskLabel.caption = "Total Risk: " + std::to_string(sum) + " Chips";
}

void Presenter::showCasinos() {
    std::vector<std::string> items{"Select Casino", "New..."};
    items.reserve(d_.casinos_.size() + 2);
    for (const CasinoEntry& casino : d_.casinos_) items.push_back(casino.name);
    form_.casinoList.items = std::move(items);
    showChosenCasino();
}

void Presenter::showChosenCasino() {
    form_.casinoList.index = d_.chosen_ ? static_cast<int>(*d_.chosen_) + 2 : 0;
}

void RunCycle::selectSpin(int number) {
    s_.SpinPending = true;
    s_.SpinNumber = number;
    const std::string text = PadNumber(number);
    s_.SpinText = {text[0], text[1], '\0'};
}

bool Desk::tellWrite(bool ok, const std::filesystem::path& file, std::string_view kept,
                     bool asked) {
    if (writeNotice_.tell(ok, file) || (asked && !ok)) {
        ports_.dialogs.message(
            "Brisvale could not write to " + file.filename().string() + ". " + std::string(kept),
            s_.AppTitle);
    }
    return ok;
}

}  // namespace brisvale
