// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces of the Advisor that every play style uses: colours, chips, captions, the wager.

#include "board/chips.hpp"
#include "model/numbers.hpp"
#include "play/advisor.hpp"
#include "util/numbers.hpp"

namespace brisvale {

// set_backcolor
void Presenter::paint(std::string_view color) {
    if (!d_.shown_) return;
    if (const auto value = parseWhole(color, -2147483648LL, 4294967295LL)) {
        s_.form.backColor = *value;
    }
}

void Presenter::hideChips() {
    if (!d_.shown_) return;
    for (Chip& chip : s_.form.chips) chip.visible = false;
}

void Presenter::PlaceChip(int chip, BetId id) {
    Chip& c = s_.form.chips[chip];
    if (const auto spot = chipSpot(id, s_.form.board.BoardFlipped())) {
        c.left = spot->left;
        c.top = spot->top;
    }
    c.bet = id;
    c.visible = true;
}

void Presenter::setImage(int chip, BetId id, bool withSingle) {
    Chip& c = s_.form.chips[chip];
    c.image = withSingle ? familyImage(label(id)) : multiFamilyImage(label(id));
    c.blackText = blackText(c.image);
}

void Presenter::writeRunCaption() {
    if (!d_.shown_) return;
    s_.form.caption = s_.AppTitle + " - Total Spins: " + std::to_string(s_.TotalSpins) +
                      " - Spins This Table: " + std::to_string(s_.TableSpins) + " " + s_.CasinoName;
}

void Presenter::showBalance() {
    // Nobody reads a hidden window's balance box until the next Start.
    if (!d_.shown_) {
        d_.balanceStale_ = true;
        return;
    }
    s_.form.balanceBox.text = formatNumber(s_.Balance);
}

// Every press starts from the minimum wager the list shows.
void WageringEditor::syncUnitWager() {
    s_.wager.UnitWager = s_.form.unitWagerList.index + 1;
}

// The engine moves the minimum-wager list itself, which runs no click handler (only a user's
// click does). The balance figures still follow the new minimum wager, as they do whenever it
// changes.
void WageringEditor::changeWager(std::initializer_list<WagerRule> rules) {
    MinimumWager wager = s_.wager;
    for (WagerRule rule : rules) rule(s_.wagering, wager);
    const int index = static_cast<int>(wager.UnitWager - kLowestWager);
    const bool changed = s_.form.unitWagerList.index != index;
    s_.form.unitWagerList.index = index;
    s_.wager = wager;
    if (changed) d_.view.refreshBalanceLabels();
}

// "Quit NOW": the run ends, and the next press starts a new one.
void Presenter::showQuit() {
    s_.form.adviceLabel.caption = "Quit NOW";
    paint(s_.QuitColor);
    s_.form.picture.visible = true;
    s_.phase = RunPhase::Quit;
    s_.form.startButton.caption = "Start";
}

void Presenter::refreshBalanceLabels() {
    const bool conservative = s_.form.conservativeBetting.value == 1;
    const long long unit = s_.UnitWager();
    s_.form.minimumBalanceLabel.caption =
        "Minimum Balance:$" + std::to_string(unit * (conservative ? 100 : 200));
    s_.form.betCycleLabel.caption =
        "$" + std::to_string(unit * (conservative ? 30 : 67)) + " per spot";
}

void Presenter::refreshTotalRisk() {
    int sum = 0;
    for (const ListBox& list : s_.form.howMany) sum += list.index > 0 ? list.index : 0;
    s_.form.totalRiskLabel.caption = "Total Risk: " + std::to_string(sum) + " Chips";
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
