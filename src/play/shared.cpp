// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces of the Advisor that every play style uses: colours, chips, captions, the wager.

#include "board/chips.hpp"
#include "model/numbers.hpp"
#include "play/advisor.hpp"
#include "util/numbers.hpp"

namespace brisvale {

void Advisor::set_backcolor(std::string_view color) {
    if (!shown_) return;
    if (const auto value = parseWhole(color, -2147483648LL, 4294967295LL)) {
        s_.form.backColor = *value;
    }
}

void Advisor::hideChips() {
    if (!shown_) return;
    for (Chip& chip : s_.form.chips) chip.visible = false;
}

void Advisor::PlaceChip(int chip, BetId id) {
    Chip& c = s_.form.chips[chip];
    if (const auto spot = chipSpot(id, s_.form.board.BoardFlipped())) {
        c.left = spot->left;
        c.top = spot->top;
    }
    c.bet = id;
    c.visible = true;
}

void Advisor::setImage(int chip, BetId id, bool withSingle) {
    Chip& c = s_.form.chips[chip];
    c.image = withSingle ? familyImage(label(id)) : multiFamilyImage(label(id));
    c.blackText = blackText(c.image);
}

void Advisor::writeRunCaption() {
    if (!shown_) return;
    s_.form.caption = s_.AppTitle + " - Total Spins: " + std::to_string(s_.TotalSpins) +
                      " - Spins This Table: " + std::to_string(s_.TableSpins) + " " + s_.CasinoName;
}

void Advisor::showBalance() {
    // Nobody reads a hidden window's balance box until the next Start.
    if (!shown_) {
        balanceStale_ = true;
        return;
    }
    s_.form.Text[18].text = formatNumber(s_.Balance);
}

// Every press starts from the minimum wager the list shows.
void Advisor::syncUnitWager() {
    s_.wager.UnitWager = s_.form.cboWager.index + 1;
}

// The engine moves the minimum-wager list itself, which runs no click handler (only a user's
// click does). The balance figures still follow the new minimum wager, as they do whenever it
// changes.
void Advisor::changeWager(std::initializer_list<WagerRule> rules) {
    MinimumWager wager = s_.wager;
    for (WagerRule rule : rules) rule(s_.wagering, wager);
    const int index = static_cast<int>(wager.UnitWager - kLowestWager);
    const bool changed = s_.form.cboWager.index != index;
    s_.form.cboWager.index = index;
    s_.wager = wager;
    if (changed) refreshBalanceLabels();
}

// "Quit NOW": the run ends, and the next press starts a new one.
void Advisor::showQuit() {
    s_.form.Label1.caption = "Quit NOW";
    set_backcolor(s_.QuitColor);
    s_.form.Picture4.visible = true;
    s_.phase = RunPhase::Quit;
    s_.form.Button1.caption = "Start";
}

void Advisor::refreshBalanceLabels() {
    const bool conservative = s_.form.Check[8].value == 1;
    const long long unit = s_.UnitWager();
    s_.form.Label12.caption =
        "Minimum Balance:$" + std::to_string(brisvale::minimumBalance(unit, conservative));
    s_.form.Label41.caption = "$" + std::to_string(unit * (conservative ? 30 : 67)) + " per spot";
}

void Advisor::refreshTotalRisk() {
    int sum = 0;
    for (const ListBox& list : s_.form.howMany) sum += list.index > 0 ? list.index : 0;
    s_.form.Label35.caption = "Total Risk: " + std::to_string(sum) + " Chips";
}

void Advisor::selectSpin(int number) {
    s_.SpinPending = true;
    s_.SpinNumber = number;
    const std::string text = PadNumber(number);
    s_.SpinText = {text[0], text[1], '\0'};
}

bool Advisor::tellWrite(bool ok, const std::filesystem::path& file, std::string_view kept,
                        bool asked) {
    if (writeNotice_.tell(ok, file) || (asked && !ok)) {
        ports_.dialogs.message(
            "Brisvale could not write to " + file.filename().string() + ". " + std::string(kept),
            s_.AppTitle);
    }
    return ok;
}

}  // namespace brisvale
