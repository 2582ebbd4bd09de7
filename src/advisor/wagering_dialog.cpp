// SPDX-License-Identifier: GPL-3.0-or-later
// The "Custom Wagering" dialog: edits the eight sequences and the auto-increase settings.

#include <algorithm>

#include "advisor/advisor.hpp"
#include "storage/properties.hpp"

namespace brisvale {
namespace {

// A list's number as the file keeps it; nothing chosen is an empty value.
std::string chosen(int number) {
    return number > 0 ? std::to_string(number) : std::string();
}

}  // namespace

ActionResult WageringEditor::refusedWhileWageringOpen() const {
    return wageringOpen() ? ActionResult::refused("the Custom Wagering dialog is open")
                          : ActionResult{};
}

ActionResult WageringEditor::refusedUnlessWageringOpen() const {
    return wageringOpen() ? ActionResult{}
                          : ActionResult::refused("the Custom Wagering dialog is not open");
}

// mnuProg_Click
void WageringEditor::openWageringDialog() {
    LoadControls();
    d_.panel.showWageringDialog(true);
}

void WageringEditor::LoadControls() {
    d_.panel.showWagering();
}

// frmWagering_Check1_Click
void WageringEditor::autoIncreaseToggled() {
    d_.panel.showAutoIncrease();
}

// frmWagering_Command1_Click
void WageringEditor::wageringDefaults() {
    if (d_.files_) {
        WriteDefaultWagering(d_.wageringFile_, &log_);
        LoadWagering(s_.wagering, d_.wageringFile_, &log_);
    } else {
        s_.wagering = defaultWagering();
    }
    LoadControls();
}

// frmWagering_Command2_Click
void WageringEditor::wageringOk() {
    if (SaveWagering()) d_.panel.showWageringDialog(false);
}

// frmWagering_Command3_Click
void WageringEditor::wageringCancel() {
    d_.panel.showWageringDialog(false);
}

// frmWagering_QueryUnload
void WageringEditor::wageringClosed() {
    SaveWagering();
    d_.panel.showWageringDialog(false);
}

bool WageringEditor::SaveWagering() {
    const WageringEntries& w = entries_.wagering;
    // Blanks and lower-case marks are taken as meant, and the boxes show the sequences as
    // they are stored.
    int invalid = 0;  // the first box that does not hold a sequence
    std::string problem;
    for (int i = 1; i <= kFamilyCount; ++i) {
        TypedSequence typed = readTypedSequence(w.sequences[static_cast<std::size_t>(i - 1)]);
        d_.panel.showSequence(i - 1, std::move(typed.text));
        if (!invalid && !typed.problem.empty()) {
            invalid = i;
            problem = std::move(typed.problem);
        }
    }
    if (invalid) {
        static constexpr const char* kFields[] = {"Even",   "Dozen", "Row",   "Line",
                                                  "Corner", "Trio",  "Split", "Single"};
        d_.panel.focusOn("frmWagering.Text" + std::to_string(invalid));
        ports_.dialogs.message(
            "Invalid Wagering Values.\r\n\r\nNumerical: '1', '2'\r\n\r\nAllowed Characters: 'Q', "
            "'S', or ',' \r\n\r\nAll sequences must have an 'S' or a 'Q'\r\n\r\n'S' or 'Q' can't "
            "be the first digit in the sequence\r\n\r\nEG: 1,2,3,4,6,Q\r\n\r\n" +
                std::string(kFields[invalid - 1]) + ": " + problem + ".",
            s_.AppTitle);
        return false;
    }
    for (int k = 0; k < kFamilyCount; ++k) {
        s_.wagering.WagerSequence[k] = splitSequence(w.sequences[k]);
    }
    s_.wagering.AutoIncrease = w.autoIncrease == 1 ? 1 : 0;
    s_.wagering.IncreaseChips = w.increaseChips;
    s_.wagering.IncreaseSteps = w.increaseSteps;
    if (!d_.files_) return true;
    bool stored = true;
    for (int k = 0; k < kFamilyCount; ++k) {
        stored = SetProperty(1, sequenceKey(static_cast<Family>(k)), w.sequences[k],
                             d_.wageringFile_, &log_) &&
                 stored;
    }
    stored = SetProperty(1, "autoincrease", s_.wagering.AutoIncrease == 1 ? "1" : "0",
                         d_.wageringFile_, &log_) &&
             stored;
    stored =
        SetProperty(1, "wagerincreasechips", chosen(w.increaseChips), d_.wageringFile_, &log_) &&
        stored;
    stored = SetProperty(1, "wagerincreasehowmanychips", chosen(w.increaseSteps), d_.wageringFile_,
                         &log_) &&
             stored;
    if (!stored) {
        // The values apply to this session as typed; reading the file back would undo them.
        ports_.dialogs.message("The wagering settings could not be saved to " +
                                   d_.wageringFile_.filename().string() + ".",
                               s_.AppTitle);
        return false;
    }
    LoadWagering(s_.wagering, d_.wageringFile_, &log_);
    return true;
}

}  // namespace brisvale
