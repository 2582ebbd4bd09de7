// Casinos: the list, creating, choosing and deleting one, and recording its spins.

#include <optional>

#include "play/advisor.hpp"
#include "storage/properties.hpp"
#include "util/numbers.hpp"
#include "util/text.hpp"

namespace brisvale {
namespace {

std::string casinoKey(int k) {
    return "name" + std::to_string(k);
}

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

// The values of name1, name2, ... up to the first missing key; nullopt when the file cannot be
// read.
std::optional<std::vector<std::string>> casinoValues(const std::filesystem::path& file,
                                                     const DebugLog* log) {
    return GetPropertySeries(1, "name", file, log);
}

}  // namespace

void Advisor::fillCasinoList() {
    ListBox& list = s_.form.Casino;
    list.items = {"Select Casino", "New..."};
    // A damaged (even empty) line keeps its place, so every entry stays on its own key.
    const auto values = files_ ? casinoValues(historyFile_, &log_) : std::nullopt;
    for (const std::string& value : values ? *values : std::vector<std::string>{}) {
        list.items.push_back(value.substr(0, value.find(',')));
    }
    list.index = 0;
}

void Advisor::Casino_Click() {
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
    const int k = static_cast<int>(list.items.size()) - 1;
    if (!SetProperty(1, casinoKey(k), name + ",", historyFile_, &log_)) {
        ports_.dialogs.message(
            "The casino could not be saved to " + historyFile_.filename().string() + ".",
            s_.AppTitle);
        return none();
    }
    list.items.push_back(name);
    list.index = static_cast<int>(list.items.size()) - 1;
    s_.form.Text1.clear();
    historyLine_ = name + ",";
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
    const auto value = casinoValue(position - 1, historyFile_, &log_);
    // Unreadable: nothing is recorded, so the line that could not be read is never overwritten.
    historyLine_.clear();
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
    SaveCasinoHistory();
    countUp(s_.RecordedSpins);
}

void Advisor::SaveCasinoHistory() {
    if (s_.form.Casino.index < 2) return;
    SetProperty(1, casinoKey(s_.form.Casino.index - 1), historyLine_, historyFile_, &log_);
}

void Advisor::Command1_Click() {
    const int position = s_.form.Casino.index;
    if (position <= 1) return;
    // A casino's spins cannot be had back once deleted, so the user confirms first.
    const std::string question = "Delete casino " + s_.form.Casino.items[position] + " and its " +
                                 std::to_string(history_.size()) + " recorded spins?";
    if (!ports_.dialogs.askYesNo(question, s_.AppTitle)) return;
    const int deleted = position - 1;
    const auto values = casinoValues(historyFile_, &log_);
    // Rebuilt whole: the kept casinos renumbered from 1, each value byte for byte.
    std::vector<std::string> lines{"index: 1"};
    if (values) {
        for (int i = 1; i <= static_cast<int>(values->size()); ++i) {
            if (i == deleted) continue;
            lines.push_back(casinoKey(static_cast<int>(lines.size())) + ": " + (*values)[i - 1]);
        }
    }
    if (!values || !writeLines(historyFile_, lines, &log_)) {
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
