// Casinos: the list, creating, choosing and deleting one, and recording its spins.

#include <optional>

#include "play/advisor.hpp"
#include "storage/casino_history.hpp"
#include "storage/properties.hpp"
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

void Advisor::fillCasinoList() {
    ListBox& list = s_.form.Casino;
    list.items = {"Select Casino", "New..."};
    casinoKeys_.clear();
    // A damaged (even empty) line keeps its place, so every entry stays on its own key.
    const auto casinos = files_ ? readCasinos(historyFile_, &log_) : std::nullopt;
    for (const CasinoLine& casino : casinos ? *casinos : std::vector<CasinoLine>{}) {
        list.items.push_back(casino.value.substr(0, casino.value.find(',')));
        casinoKeys_.push_back(casino.key);
    }
    list.index = 0;
}

int Advisor::selectedKey() const {
    return casinoKeys_.at(static_cast<std::size_t>(s_.form.Casino.index - 2));
}

void Advisor::Casino_Click() {
    flushCasinoHistory();
    const int position = s_.form.Casino.index;
    if (position == 1) {
        newCasino();
    } else if (position > 1) {
        loadCasino(position);
    } else {
        endRecording();
    }
}

// No casino is recorded any more: the caption stops naming it and a replay has nothing to play.
void Advisor::endRecording() {
    s_.CasinoName.clear();
    s_.RecordedSpins = 0;
    history_.clear();
    historyLine_.clear();
    unwrittenSpins_ = 0;
}

void Advisor::newCasino() {
    ListBox& list = s_.form.Casino;
    // Without files there is no history to record into.
    const auto answer =
        files_ ? ports_.dialogs.inputBox("Enter the Casino Name", "New Casino", "") : std::nullopt;
    // Without a new casino the list shows "Select Casino", and nothing is recorded.
    const auto none = [&] {
        list.index = 0;
        endRecording();
    };
    if (!answer || answer->empty()) return none();
    if (const std::string problem = nameProblem(*answer); !problem.empty()) {
        ports_.dialogs.message(problem, s_.AppTitle);
        return none();
    }
    // The file keeps values trimmed; the name is kept as it will read back.
    const std::string name(trimBlanks(*answer));
    const std::optional<int> key = addCasino(historyFile_, name + ",", &log_);
    if (!key) {
        ports_.dialogs.message(
            "The casino could not be saved to " + historyFile_.filename().string() + ".",
            s_.AppTitle);
        return none();
    }
    list.items.push_back(name);
    casinoKeys_.push_back(*key);
    list.index = static_cast<int>(list.items.size()) - 1;
    s_.form.Text1.clear();
    historyLine_ = name + ",";
    historyKey_ = *key;
    s_.RecordedSpins = 0;
    s_.CasinoName = "- " + name;
    history_.clear();
}

void Advisor::loadCasino(int position) {
    s_.form.Text1.clear();
    history_.clear();
    s_.RecordedSpins = 0;
    const std::string item = s_.form.Casino.items[position];
    s_.CasinoName = "- " + item;
    const auto value = casinoValue(selectedKey(), historyFile_, &log_);
    // Unreadable: nothing is recorded, so the line that could not be read is never overwritten.
    historyLine_.clear();
    historyKey_ = selectedKey();
    if (!value) return;
    if (*value == kMissing) {
        historyLine_ = item + ",";
        return;
    }
    std::size_t start = value->find(',');
    const std::string name = value->substr(0, start);
    // Every field after the name ends with a comma. A field that is not a number of the wheel
    // is not shown and not replayed (-1), but stays in the line as it was, so the next save
    // loses nothing; a last field without its comma is read all the same.
    while (start != std::string::npos && start + 1 < value->size()) {
        const std::size_t end = value->find(',', start + 1);
        const auto field = std::string_view(*value).substr(start + 1, end - start - 1);
        const auto number = parseWhole(field, 0, 36);
        history_.push_back(number ? static_cast<int>(*number) : -1);
        if (number) s_.form.Text1.AddHistoryLine(static_cast<int>(*number));
        start = end;
    }
    historyLine_ = *value;
    if (historyLine_.empty() || historyLine_.back() != ',') historyLine_ += ',';
    s_.RecordedSpins = static_cast<int>(std::min<std::size_t>(history_.size(), kCountMax));
    s_.CasinoName = "- " + name;
}

void Advisor::RecordCasinoSpin() {
    // A replay feeds recorded spins; recording them again would double the history.
    if (s_.form.Casino.index < 2 || s_.ReplayMode || historyLine_.empty()) return;
    history_.push_back(s_.SpinNumber);
    historyLine_ += std::to_string(s_.SpinNumber) + ",";
    // The line holds every spin, so one that could not be written goes with the next write.
    unwrittenSpins_ = SaveCasinoHistory() ? 0 : unwrittenSpins_ + 1;
    countUp(s_.RecordedSpins);
}

bool Advisor::SaveCasinoHistory() {
    if (historyLine_.empty()) return true;
    return tellWrite(SetProperty(1, casinoKey(historyKey_), historyLine_, historyFile_, &log_),
                     historyFile_, "The spin was kept and will be written with the next one.");
}

void Advisor::flushCasinoHistory() {
    if (unwrittenSpins_ > 0 && !SaveCasinoHistory()) {
        const std::string spins =
            unwrittenSpins_ == 1
                ? "The last spin of " + historyLine_.substr(0, historyLine_.find(',')) + " was"
                : "The last " + std::to_string(unwrittenSpins_) + " spins of " +
                      historyLine_.substr(0, historyLine_.find(',')) + " were";
        ports_.dialogs.message("Brisvale could not write to " + historyFile_.filename().string() +
                                   ". " + spins + " not kept.",
                               s_.AppTitle);
    }
    unwrittenSpins_ = 0;
}

void Advisor::Command1_Click() {
    const int position = s_.form.Casino.index;
    if (position <= 1) return;
    // A casino's spins cannot be had back once deleted, so the user confirms first.
    const std::string question = "Delete casino " + s_.form.Casino.items[position] + " and its " +
                                 std::to_string(history_.size()) + " recorded spins?";
    if (!ports_.dialogs.askYesNo(question, s_.AppTitle)) return;
    if (!deleteCasino(historyFile_, selectedKey(), &log_)) {
        ports_.dialogs.message(
            "The casino could not be deleted from " + historyFile_.filename().string() + ".",
            s_.AppTitle);
        return;
    }
    fillCasinoList();
    s_.form.Text1.clear();
    s_.form.Casino.index = 0;
    endRecording();
}

}  // namespace brisvale
