// SPDX-License-Identifier: GPL-3.0-or-later
// Casinos: the list, creating, choosing and deleting one, recording its spins, and bringing
// spins in from a spin file or taking them out to one.

#include <optional>

#include "advisor/advisor.hpp"
#include "storage/casino_history.hpp"
#include "storage/properties.hpp"
#include "storage/spin_file.hpp"
#include "util/numbers.hpp"
#include "util/text.hpp"

namespace brisvale {
namespace {

// Why a casino name cannot be stored, or empty when it can. The name is the text before the
// first comma of its line, so a comma would cut it.
std::string nameProblem(std::string_view name) {
    if (trimBlanks(name).empty()) return "Please enter a name for the casino.";
    if (name.find(',') != std::string_view::npos) {
        return "A casino name cannot contain a comma.";
    }
    for (unsigned char c : name) {
        if (c < 32) return "A casino name must be one line of text.";
    }
    // The list's own entries: a casino of that name could never be chosen.
    if (trimBlanks(name) == "New..." || trimBlanks(name) == "Select Casino") {
        return "A casino cannot be named \"New...\" or \"Select Casino\".";
    }
    return {};
}

// The value of casino k's line: "!" when there is none, nullopt when the history file cannot
// be read at all (then nothing may be written over what could not be read).
std::optional<std::string> casinoValue(int k, const std::filesystem::path& file,
                                       const DebugLog* log) {
    std::string value = GetProperty(1, casinoKey(k), file, log);
    // GetProperty answers "" both for an empty value and for a file it could not read.
    if (value.empty() && !readLines(file, log)) return std::nullopt;
    return value;
}

}  // namespace

std::string casinoNameProblem(std::string_view name) {
    return nameProblem(name);
}

void CasinoBook::fillCasinoList() {
    d_.casinos_.clear();
    d_.chosen_.reset();
    // A damaged (even empty) line keeps its place, so every entry stays on its own key.
    const auto casinos = d_.files_ ? readCasinos(d_.historyFile_, &log_) : std::nullopt;
    for (const CasinoLine& casino : casinos ? *casinos : std::vector<CasinoLine>{}) {
        d_.casinos_.push_back({casino.value.substr(0, casino.value.find(',')), casino.key});
    }
    d_.view.showCasinos();
}

const CasinoEntry* CasinoBook::chosenCasino() const {
    return d_.chosen_ ? &d_.casinos_.at(*d_.chosen_) : nullptr;
}

// The first casino of that name, as the list shows them.
std::optional<std::size_t> CasinoBook::findCasino(std::string_view name) const {
    for (std::size_t k = 0; k < d_.casinos_.size(); ++k) {
        if (d_.casinos_[k].name == name) return k;
    }
    return std::nullopt;
}

void CasinoBook::chooseNoCasino() {
    flushCasinoHistory();
    d_.chosen_.reset();
    d_.view.showChosenCasino();
    endRecording();
}

// No casino is recorded any more: the caption stops naming it and a replay has nothing to play.
void CasinoBook::endRecording() {
    s_.CasinoName.clear();
    s_.RecordedSpins = 0;
    d_.history_.clear();
    d_.historyLine_.clear();
    d_.unwrittenSpins_ = 0;
}

void CasinoBook::chooseNewCasino() {
    flushCasinoHistory();
    // Without files there is no history to record into.
    const auto answer = d_.files_
                            ? ports_.dialogs.inputBox("Enter the Casino Name", "New Casino", "")
                            : std::nullopt;
    // Without a new casino the list shows "Select Casino", and nothing is recorded (the spins
    // of the casino left were written above).
    if (!answer || answer->empty()) return chooseNoCasino();
    if (const std::string problem = nameProblem(*answer); !problem.empty()) {
        ports_.dialogs.message(problem, s_.AppTitle);
        return chooseNoCasino();
    }
    // The file keeps values trimmed; the name is kept as it will read back.
    const std::string name(trimBlanks(*answer));
    const std::optional<int> key = addCasino(d_.historyFile_, name + ",", &log_);
    if (!key) {
        ports_.dialogs.message(
            "The casino could not be saved to " + d_.historyFile_.filename().string() + ".",
            s_.AppTitle);
        return chooseNoCasino();
    }
    CasinoRecord record{name, {}, {}, *key};
    record.line.append(name.data(), name.size());
    record.line.push_back(',');
    addChosen(record);
}

// A casino just written to the file: it joins the list, chosen, and its spins are recorded.
void CasinoBook::addChosen(const CasinoRecord& record) {
    d_.casinos_.push_back({record.name, record.key});
    d_.chosen_ = d_.casinos_.size() - 1;
    d_.view.showCasinos();
    d_.view.clearHistory();
    useCasino(record);
}

void CasinoBook::chooseCasino(std::size_t k) {
    flushCasinoHistory();
    const std::string name = d_.casinos_.at(k).name;
    d_.chosen_ = k;
    d_.view.showChosenCasino();
    d_.view.clearHistory();
    s_.CasinoName = "- " + name;
    d_.watch.unwatchChosen(name);
    useCasino(readCasino(k).value_or(CasinoRecord{}));
}

std::optional<CasinoRecord> CasinoBook::readCasino(std::size_t k) const {
    const std::string item = d_.casinos_.at(k).name;
    const int key = d_.casinos_.at(k).key;
    const auto value = casinoValue(key, d_.historyFile_, &log_);
    // Unreadable: nothing is recorded, so the line that could not be read is never overwritten.
    if (!value) return std::nullopt;
    CasinoRecord record;
    record.key = key;
    if (*value == kMissing) {
        record.name = item;
        const std::string line = item + ",";
        record.line.append(line.data(), line.size());
        return record;
    }
    std::size_t start = value->find(',');
    record.name = value->substr(0, start);
    // Every field after the name ends with a comma. A field that is not a number of the wheel
    // is not shown and not replayed (-1), but stays in the line as it was, so the next save
    // loses nothing; a last field without its comma is read all the same.
    while (start != std::string::npos && start + 1 < value->size()) {
        const std::size_t end = value->find(',', start + 1);
        const auto field = std::string_view(*value).substr(start + 1, end - start - 1);
        const auto number = parseWhole(field, 0, 36);
        record.spins.push_back(number ? static_cast<int>(*number) : -1);
        start = end;
    }
    std::string line = *value;
    if (line.empty() || line.back() != ',') line += ',';
    record.line.append(line.data(), line.size());
    return record;
}

// The casino's spins become the recorded ones, and the history box lists them. An empty
// record (no line) records nothing.
void CasinoBook::useCasino(const CasinoRecord& record) {
    d_.history_ = record.spins;
    d_.historyLine_ = record.line;
    d_.historyKey_ = record.key;
    d_.unwrittenSpins_ = 0;
    d_.view.listRecorded(d_.history_.spins());
    s_.RecordedSpins = static_cast<int>(std::min<std::size_t>(d_.history_.size(), kCountMax));
    if (!record.line.empty()) s_.CasinoName = "- " + record.name;
}

void CasinoBook::RecordCasinoSpin() {
    // A replay feeds recorded spins; recording them again would double the history.
    if (!d_.chosen_ || s_.ReplayMode || d_.historyLine_.empty()) return;
    d_.history_.push_back(s_.SpinNumber);
    const std::string field = std::to_string(s_.SpinNumber) + ",";
    d_.historyLine_.append(field.data(), field.size());
    // The line holds every spin, so one that could not be written goes with the next write.
    // The undo history carries presses out again without the files: it writes the line once
    // it has arrived.
    if (!d_.replaying_) d_.unwrittenSpins_ = SaveCasinoHistory() ? 0 : d_.unwrittenSpins_ + 1;
    countUp(s_.RecordedSpins);
}

bool CasinoBook::SaveCasinoHistory(std::string_view kept) {
    if (d_.historyLine_.empty()) return true;
    const std::string_view line(d_.historyLine_.data(), d_.historyLine_.size());
    return d_.tellWrite(d_.historyAppender_.write(d_.historyFile_, d_.historyKey_, line, &log_),
                        d_.historyFile_, kept);
}

std::string CasinoBook::recordedName() const {
    const std::string_view line(d_.historyLine_.data(), d_.historyLine_.size());
    return std::string(line.substr(0, line.find(',')));
}

void CasinoBook::flushCasinoHistory() {
    if (d_.unwrittenSpins_ > 0 && !SaveCasinoHistory()) {
        const std::string spins = d_.unwrittenSpins_ == 1
                                      ? "The last spin of " + recordedName() + " was"
                                      : "The last " + std::to_string(d_.unwrittenSpins_) +
                                            " spins of " + recordedName() + " were";
        ports_.dialogs.message("Brisvale could not write to " +
                                   d_.historyFile_.filename().string() + ". " + spins +
                                   " not kept.",
                               s_.AppTitle);
    }
    d_.unwrittenSpins_ = 0;
}

// deleteSelectedCasino
void CasinoBook::deleteSelectedCasino() {
    const CasinoEntry* chosen = chosenCasino();
    if (!chosen) return;
    // A casino's spins cannot be had back once deleted, so the user confirms first.
    const std::string question = "Delete casino " + chosen->name + " and its " +
                                 std::to_string(d_.history_.size()) + " recorded spins?";
    if (!ports_.dialogs.askYesNo(question, s_.AppTitle)) return;
    if (!deleteCasino(d_.historyFile_, chosen->key, &log_)) {
        ports_.dialogs.message(
            "The casino could not be deleted from " + d_.historyFile_.filename().string() + ".",
            s_.AppTitle);
        return;
    }
    fillCasinoList();
    d_.watch.rekeyWatched();
    d_.view.clearHistory();
    endRecording();
    d_.journal.endUndoHistory();
}

// --- Spin files ---

ActionResult Advisor::userImportSpins() {
    if (ActionResult r = d_.wagering.refusedWhileWageringOpen(); !r.ok) return r;
    // A replay walks the recorded spins while it plays them.
    if (d_.replay_) return ActionResult::refused("spins cannot be imported while the replay runs");
    std::string newName;
    if (!d_.casinos.chosenCasino()) {
        const auto answer = ports_.dialogs.inputBox("Enter the Casino Name", "New Casino", "");
        if (!answer || answer->empty()) return {};
        if (const std::string problem = nameProblem(*answer); !problem.empty()) {
            ports_.dialogs.message(problem, s_.AppTitle);
            return {};
        }
        newName = std::string(trimBlanks(*answer));
    }
    const auto path = ports_.dialogs.askOpenFile("Import Spins");
    if (!path) return {};
    const SpinFileRead read = readSpinFile(*path);
    if (!read.problem.empty()) {
        ports_.dialogs.message(read.problem, s_.AppTitle);
        return {};
    }
    const bool imported = newName.empty() ? d_.casinos.appendSpins(read.spins)
                                          : d_.casinos.importIntoNewCasino(read.spins, newName);
    if (!imported) return {};
    // The recorded spins the history would take out again have changed under it.
    d_.journal.endUndoHistory();
    d_.runFile.markRunDirty();
    ports_.dialogs.message(std::to_string(read.spins.size()) + " spins imported into " +
                               d_.casinos.chosenCasino()->name + ".",
                           s_.AppTitle);
    return {};
}

// One write of the casino's line with the new spins after its own; the state follows only when
// the file took them.
bool CasinoBook::appendSpins(const std::vector<int>& spins) {
    const std::string name = chosenCasino()->name;
    if (d_.historyLine_.empty()) {
        ports_.dialogs.message(
            "The history of " + name + " could not be read, so nothing was imported.", s_.AppTitle);
        return false;
    }
    if (d_.history_.size() + spins.size() > kMostSpins) {
        ports_.dialogs.message("The history of " + name + " would hold more than " +
                                   std::to_string(kMostSpins) + " spins. Nothing was imported.",
                               s_.AppTitle);
        return false;
    }
    std::string line(d_.historyLine_.data(), d_.historyLine_.size());
    const std::size_t old = line.size();
    line.reserve(old + spins.size() * 3);
    for (int n : spins) line.append(std::to_string(n)).push_back(',');
    const bool written = d_.historyAppender_.write(d_.historyFile_, d_.historyKey_, line, &log_);
    if (!d_.tellWrite(written, d_.historyFile_, "Nothing was imported.", true)) return false;
    d_.historyLine_.append(line.data() + old, line.size() - old);
    // The whole line is in the file now, spins that once failed included.
    d_.unwrittenSpins_ = 0;
    for (int n : spins) d_.history_.push_back(n);
    d_.view.listRecorded(spins);
    s_.RecordedSpins = static_cast<int>(std::min<std::size_t>(d_.history_.size(), kCountMax));
    d_.view.writeTimerCaption();
    return true;
}

// The new casino is written with its spins at once, so a failed import leaves no empty casino.
bool CasinoBook::importIntoNewCasino(const std::vector<int>& spins, const std::string& name) {
    std::string line = name + ",";
    line.reserve(line.size() + spins.size() * 3);
    for (int n : spins) line.append(std::to_string(n)).push_back(',');
    const std::optional<int> key = addCasino(d_.historyFile_, line, &log_);
    if (!d_.tellWrite(key.has_value(), d_.historyFile_, "Nothing was imported.", true))
        return false;
    CasinoRecord record{name, SpinHistory(spins), {}, *key};
    record.line.append(line.data(), line.size());
    addChosen(record);
    d_.view.writeTimerCaption();
    return true;
}

ActionResult Advisor::userExportSpins() {
    if (ActionResult r = d_.wagering.refusedWhileWageringOpen(); !r.ok) return r;
    const CasinoEntry* chosen = d_.casinos.chosenCasino();
    if (!chosen) return ActionResult::refused("no casino is selected");
    const std::string name = chosen->name;
    std::string suggested = name + ".txt";
    for (char& c : suggested) {
        if (c == '/' || c == '\\') c = '-';
    }
    const auto path = ports_.dialogs.askSaveFile("Export Spins", suggested);
    if (!path) return {};
    std::vector<int> spins;
    spins.reserve(d_.history_.size());
    for (int n : d_.history_) {
        if (n >= 0) spins.push_back(n);
    }
    if (const std::string problem = spinFileTargetProblem(*path); !problem.empty()) {
        ports_.dialogs.message("The spins could not be written to " + shownFileName(*path) + ": " +
                                   problem + ". Nothing was exported.",
                               s_.AppTitle);
        return {};
    }
    if (!writeSpinFile(*path, spins)) {
        ports_.dialogs.message("The spins could not be written to " + shownFileName(*path) + ".",
                               s_.AppTitle);
        return {};
    }
    ports_.dialogs.message(std::to_string(spins.size()) + " spins of " + name + " exported to " +
                               shownFileName(*path) + ".",
                           s_.AppTitle);
    return {};
}

}  // namespace brisvale
