// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/console.hpp"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

#include "advisor/advisor.hpp"
#include "cli/show.hpp"
#include "cli/tables.hpp"
#include "sim/style_options.hpp"
#include "storage/properties.hpp"
#include "util/numbers.hpp"
#include "util/windows1252.hpp"

namespace brisvale::cli {
namespace {

constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimLeft(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    return s;
}

// The words of an argument list, separated by blanks.
std::vector<std::string_view> words(std::string_view s) {
    std::vector<std::string_view> out;
    for (s = trimLeft(s); !s.empty(); s = trimLeft(s)) {
        std::size_t n = 0;
        while (n < s.size() && !isBlank(s[n])) ++n;
        out.push_back(s.substr(0, n));
        s.remove_prefix(n);
    }
    return out;
}

std::optional<int> wholeNumber(std::string_view s, int lo = std::numeric_limits<int>::min()) {
    const auto value = parseWhole(s, lo, std::numeric_limits<int>::max());
    if (!value) return std::nullopt;
    return static_cast<int>(*value);
}

// Typed text reaches the core as Windows-1252, as its files hold it.
std::string typed(std::string_view value) {
    return windows1252FromUtf8(value);
}

}  // namespace

bool Console::run(std::string_view line, bool moreWaiting) {
    if (advisor_.timer().exitRequested) return false;
    const std::string_view body = trimLeft(line);
    if (body.empty() || body.front() == '#') return true;
    std::size_t n = 0;
    while (n < body.size() && !isBlank(body[n])) ++n;
    // The rest keeps everything after the single blank that ends the command word.
    const std::string_view rest = n < body.size() ? body.substr(n + 1) : std::string_view();
    const std::string_view command = body.substr(0, n);
    if (command != "answer") open();
    const std::size_t shown = dialogs_.shownCount();
    dispatch(command, rest);
    answerCheck();
    // The boxes of closing (File, Exit) would never be listed by a later show.
    if (advisor_.timer().exitRequested) reportBoxesSince(shown);
    keepRun(moreWaiting);
    return !advisor_.timer().exitRequested;
}

// A box shown while the window closes tells of something lost (spins that could not be
// written): with no show to list it, it becomes an error line, and the exit status says so.
void Console::reportBoxesSince(std::size_t shown) {
    std::vector<ShownBox> boxes = dialogs_.takeShown();
    for (std::size_t i = shown; i < boxes.size(); ++i) {
        if (!boxes[i].answer) fail(utf8FromWindows1252(boxes[i].text));
    }
    boxes.resize(std::min(shown, boxes.size()));
    dialogs_.putBack(std::move(boxes));
}

void Console::open() {
    if (opened_) return;
    opened_ = true;
    if (const ActionResult result = advisor_.userOpenWindow(start_); !result.ok) fail(result.error);
}

void Console::close() {
    open();
    if (advisor_.timer().exitRequested) return;
    const std::size_t shown = dialogs_.shownCount();
    advisor_.userCloseWindow();
    reportBoxesSince(shown);
}

// The run file is written after each command that changed the run, and the limits file once
// the day's figures are due, unless more commands are already waiting; then at least every
// kKeepEvery, so a script of many presses costs a few writes a second, and a person typing has
// every press kept.
void Console::keepRun(bool moreWaiting) {
    constexpr auto kKeepEvery = std::chrono::milliseconds(200);
    if (!opened_ || !advisor_.filesDirty()) return;
    const auto now = std::chrono::steady_clock::now();
    if (moreWaiting && now - lastKept_ < kKeepEvery) return;
    advisor_.flushFiles();
    lastKept_ = now;
}

void Console::dispatch(std::string_view command, std::string_view rest) {
    const auto check = [this](const ActionResult& result) {
        if (!result.ok) fail(result.error);
    };
    const std::vector<std::string_view> args = words(rest);
    const auto one = [&]() -> std::optional<int> {
        if (args.size() == 1) {
            if (auto v = wholeNumber(args[0])) return v;
        }
        fail(std::string(command) + " takes one whole number");
        return std::nullopt;
    };
    if (command == "click") {
        if (const auto n = one()) check(advisor_.userClickCell(*n));
    } else if (command == "chip") {
        if (const auto n = one()) check(advisor_.userClickChip(*n));
    } else if (command == "press") {
        press(rest);
    } else if (command == "set") {
        set(rest);
    } else if (command == "flip") {
        if (!args.empty()) return fail("flip takes no arguments");
        check(advisor_.userFlip());
    } else if (command == "tick") {
        tick(rest);
    } else if (command == "menu") {
        menu(rest);
    } else if (command == "close") {
        if (args.size() != 1 || args[0] != "frmWagering") return fail("close takes frmWagering");
        check(advisor_.userCloseWagering());
    } else if (command == "key") {
        if (args.size() != 1) return fail("key takes one key: a digit or Enter");
        check(advisor_.userKey(args[0]));
    } else if (command == "answer") {
        dialogs_.queueAnswer(typed(rest));
    } else if (command == "undo" || command == "redo") {
        if (!args.empty()) return fail(std::string(command) + " takes no arguments");
        check(command == "undo" ? advisor_.userUndo() : advisor_.userRedo());
    } else if (command == "import" || command == "export") {
        files(command, rest);
    } else if (command == "limits") {
        if (!args.empty()) return fail("limits takes no arguments");
        print(renderLimits(advisor_));
    } else if (command == "set-limit") {
        setLimit(rest);
    } else if (command == "style") {
        // The style as the panel shows it, as a style file for brisvale-sim --style-file.
        if (rest.empty()) return fail("style takes a file name");
        const std::string text =
            sim::styleFileText(advisor_.styleShown(), advisor_.game().playStyle());
        if (!writeFileAtomic(std::filesystem::path(std::string(rest)), text, nullptr, true)) {
            fail("cannot write the style file " + std::string(rest));
        }
    } else if (command == "show") {
        if (!args.empty()) return fail("show takes no arguments");
        print(renderShow(advisor_, dialogs_.takeShown(), browser_.takeOpened(),
                         dialogs_.takeGuideShown(), advisor_.takeAlerts()));
    } else if (command == "watch" || command == "unwatch" || command == "target" ||
               command == "play") {
        // NAME is the rest of the line: a casino's name may hold blanks.
        if (rest.empty()) return fail(std::string(command) + " takes a table name");
        const std::string name = typed(rest);
        check(command == "watch"     ? advisor_.userWatch(name)
              : command == "unwatch" ? advisor_.userUnwatch(name)
              : command == "play"    ? advisor_.userPlayHere(name)
              : name == "run"        ? advisor_.userTarget(std::nullopt)
                                     : advisor_.userTarget(std::string_view(name)));
    } else if (command == "tables") {
        if (!args.empty()) return fail("tables takes no arguments");
        print(renderTables(advisor_));
    } else if (command == "stats") {
        if (!args.empty()) return fail("stats takes no arguments");
        print(renderStats(advisor_));
    } else {
        fail("unknown command \"" + std::string(command) + "\"");
    }
}

// FILE is the rest of the line, as typed: it may hold blanks.
void Console::files(std::string_view command, std::string_view rest) {
    if (rest.empty()) return fail(std::string(command) + " takes a file name");
    dialogs_.queueFile(std::filesystem::path(std::string(rest)));
    const ActionResult result =
        command == "import" ? advisor_.userImportSpins() : advisor_.userExportSpins();
    dialogs_.dropFiles();
    if (!result.ok) fail(result.error);
}

void Console::press(std::string_view rest) {
    const std::vector<std::string_view> args = words(rest);
    if (args.size() > 1) return fail("press takes at most one button name");
    const std::string_view name = args.empty() ? std::string_view("Button1") : args[0];
    const ActionResult result = advisor_.userPress(name);
    if (!result.ok) return fail(result.error);
    // The history replay plays on the timer; the command runs it to its end.
    if (name == "Command2") {
        while (advisor_.timer().replayRunning) tickOnce();
    }
}

void Console::set(std::string_view rest) {
    std::size_t n = 0;
    while (n < rest.size() && !isBlank(rest[n])) ++n;
    const std::string_view name = rest.substr(0, n);
    if (name.empty()) return fail("set takes a control name and a value");
    const std::string_view value = n < rest.size() ? rest.substr(n + 1) : std::string_view();
    const ActionResult result = advisor_.userSet(name, typed(value));
    if (!result.ok) fail(result.error);
}

void Console::tick(std::string_view rest) {
    // Every tick runs the timer's handler, so a count is bounded: ten million take a few
    // seconds and move the clock by months.
    constexpr long long kMostTicks = 10'000'000;
    const std::vector<std::string_view> args = words(rest);
    long long count = 1;
    if (!args.empty()) {
        const bool one = args.size() == 1;
        if (one && isWhole(args[0]) && !args[0].starts_with('-') &&
            !parseWhole(args[0], 0, kMostTicks)) {
            return fail("tick takes at most " + std::to_string(kMostTicks) + " ticks at once");
        }
        const auto n = one ? parseWhole(args[0], 0, kMostTicks) : std::nullopt;
        if (!n) return fail("tick takes a count of 0 or more");
        count = *n;
    }
    for (long long i = 0; i < count; ++i) tickOnce();
}

void Console::tickOnce() {
    clock_.advance(advisor_.timer().interval);
    advisor_.userTick();
}

void Console::menu(std::string_view rest) {
    const std::vector<std::string_view> args = words(rest);
    if (args.empty() || args.size() > 2) return fail("menu takes a menu item name");
    const bool casino = args[0] == "mnuCasino";
    if (casino != (args.size() == 2)) {
        return fail(casino ? "mnuCasino takes the entry number" : "only mnuCasino takes a number");
    }
    int k = 0;
    if (casino) {
        const auto n = wholeNumber(args[1]);
        if (!n) return fail("mnuCasino takes a whole number");
        k = *n;
    }
    const ActionResult result = advisor_.userMenu(args[0], k);
    if (!result.ok) fail(result.error);
}

void Console::print(std::string json) {
    // What a program reads here is in the data folder by then: neither the run file nor the
    // limits file is behind.
    if (advisor_.filesDirty()) {
        advisor_.flushFiles();
        lastKept_ = std::chrono::steady_clock::now();
    }
    json += '\n';
    std::fwrite(json.data(), 1, json.size(), out_);
    std::fflush(out_);
}

}  // namespace brisvale::cli
