// Casinos: the list, creating, choosing and deleting one, and recording its spins.

#include "play/advisor.hpp"
#include "play/text.hpp"
#include "storage/properties.hpp"

namespace brisvale {
namespace {

std::string casinoKey(int k) { return "name" + std::to_string(k); }

// Why a casino name cannot be stored, or empty when it can.
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

}  // namespace

void Advisor::fillCasinoList() {
    ListBox& list = s_.form.Casino;
    list.items = {"Select Casino", "New..."};
    for (int k = 1;; ++k) {
        const std::string value = GetProperty(1, casinoKey(k), historyFile_, &log_);
        if (value == kMissing || value.empty()) break;
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
    }
}

void Advisor::newCasino() {
    const auto answer = ports_.dialogs.inputBox("Enter the Casino Name", "New Casino", "");
    if (!answer || answer->empty()) {
        s_.form.Casino.index = 0;
        return;
    }
    if (const std::string problem = nameProblem(*answer); !problem.empty()) {
        ports_.dialogs.message(problem, s_.AppTitle);
        s_.form.Casino.index = 0;
        return;
    }
    ListBox& list = s_.form.Casino;
    list.items.push_back(*answer);
    list.index = static_cast<int>(list.items.size()) - 1;
    s_.form.Text1.clear();
    const int k = static_cast<int>(list.items.size()) - 2;
    historyLine_ = *answer + ",";
    SetProperty(1, casinoKey(k), historyLine_, historyFile_, &log_);
    s_.RecordedSpins = 0;
    s_.CasinoName = "- " + *answer;
    history_.clear();
}

void Advisor::loadCasino(int position) {
    s_.form.Text1.clear();
    const std::string value = GetProperty(1, casinoKey(position - 1), historyFile_, &log_);
    if (value == kMissing || value.empty()) return;
    history_.clear();
    std::size_t start = value.find(',');
    const std::string name = value.substr(0, start);
    // Every field after the name ends with a comma; a field that is not a number (or a text
    // without its final comma) is kept as 0 and not shown.
    while (start != std::string::npos) {
        const std::size_t end = value.find(',', start + 1);
        if (end == std::string::npos) break;
        const auto field = std::string_view(value).substr(start + 1, end - start - 1);
        const auto number = parseWhole(field, 0, 36);
        history_.push_back(number ? static_cast<int>(*number) : 0);
        if (number) s_.form.Text1.AddHistoryLine(static_cast<int>(*number));
        start = end;
    }
    historyLine_ = name + ",";
    for (int n : history_) historyLine_ += std::to_string(n) + ",";
    s_.RecordedSpins = static_cast<int>(std::min<std::size_t>(history_.size(), kCountMax));
    s_.CasinoName = "- " + name;
}

void Advisor::RecordCasinoSpin() {
    // A replay feeds recorded spins; recording them again would double the history.
    if (s_.form.Casino.index < 1 || s_.ReplayMode) return;
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
    const int deleted = position - 1;
    // Rebuilt whole: the kept casinos renumbered from 1, each line byte for byte.
    std::vector<std::string> lines{"index: 1"};
    int j = 0;
    for (int i = 1;; ++i) {
        if (i == deleted) continue;
        const std::string value = GetProperty(1, casinoKey(i), historyFile_, &log_);
        if (value == kMissing || value.empty()) break;
        lines.push_back(casinoKey(++j) + ": " + value);
    }
    writeLines(historyFile_, lines, &log_);
    fillCasinoList();
    s_.form.Text1.clear();
    s_.form.Casino.index = 0;
}

}  // namespace brisvale
