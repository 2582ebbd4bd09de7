// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/console_ports.hpp"

#include <cstdio>

#include "util/windows1252.hpp"

namespace brisvale::cli {

void ErrorSink::report(std::string_view message) {
    // Core texts are Windows-1252; the terminal gets them as UTF-8 like everything else.
    const std::string text = utf8FromWindows1252(message);
    std::fflush(stdout);
    std::fprintf(stderr, "error: %s\n", text.c_str());
    ++count_;
}

std::vector<ShownBox> ConsoleDialogs::takeShown() {
    std::vector<ShownBox> out;
    out.swap(shown_);
    return out;
}

std::optional<std::string> ConsoleDialogs::nextAnswer() {
    if (answers_.empty()) return std::nullopt;
    std::string answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

void ConsoleDialogs::message(std::string_view text, std::string_view title) {
    shown_.push_back({std::string(title), std::string(text), std::nullopt});
}

bool ConsoleDialogs::askYesNo(std::string_view text, std::string_view title) {
    const std::optional<std::string> answer = nextAnswer();
    if (!answer) {
        errors_.report("no answer queued for the question \"" + std::string(text) +
                       "\": answered no");
    } else if (*answer != "yes" && *answer != "no") {
        errors_.report("the question \"" + std::string(text) + "\" takes yes or no, not \"" +
                       *answer + "\": answered no");
    }
    const bool yes = answer && *answer == "yes";
    shown_.push_back({std::string(title), std::string(text), yes ? "yes" : "no"});
    return yes;
}

std::optional<std::string> ConsoleDialogs::inputBox(std::string_view prompt, std::string_view title,
                                                    std::string_view /*defaultText*/) {
    const std::optional<std::string> answer = nextAnswer();
    if (!answer) {
        errors_.report("no answer queued for the input box \"" + std::string(prompt) +
                       "\": cancelled");
    }
    shown_.push_back({std::string(title), std::string(prompt), answer.value_or("")});
    if (!answer || answer->empty()) return std::nullopt;
    return answer;
}

std::optional<std::filesystem::path> ConsoleDialogs::nextFile(std::string_view title) {
    std::optional<std::filesystem::path> file = std::exchange(file_, std::nullopt);
    shown_.push_back({std::string(title), "", file ? std::optional(file->string()) : ""});
    return file;
}

std::optional<std::filesystem::path> ConsoleDialogs::askOpenFile(std::string_view title) {
    return nextFile(title);
}

std::optional<std::filesystem::path> ConsoleDialogs::askSaveFile(std::string_view title,
                                                                 std::string_view /*suggested*/) {
    return nextFile(title);
}

void ConsoleDialogs::about(std::string_view buildDate, const std::function<void()>& /*openTerms*/) {
    // The terms link needs a click on the box, which the console has no command for.
    shown_.push_back({"About Brisvale", "Build Date: " + std::string(buildDate), std::nullopt});
}

bool ConsoleBrowser::open(std::string_view address) {
    opened_.emplace_back(address);
    return true;
}

std::vector<std::string> ConsoleBrowser::takeOpened() {
    std::vector<std::string> out;
    out.swap(opened_);
    return out;
}

}  // namespace brisvale::cli
