// SPDX-License-Identifier: GPL-3.0-or-later
// The console's command interpreter fed any text, in-process, on a fresh data folder: every
// command line a script may hold, with the core's handlers behind it.

#include "advisor/advisor.hpp"
#include "cli/console.hpp"
#include "common.hpp"

using namespace brisvale;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static std::FILE* const nowhere = std::fopen("/dev/null", "w");
    std::string_view text(reinterpret_cast<const char*>(data), size);
    cli::ErrorSink errors;
    cli::ConsoleDialogs dialogs(errors);
    cli::ConsoleBrowser browser;
    cli::VirtualClock clock(1'700'000'000'000);
    SeededRandom random(size);
    Advisor advisor(Ports{dialogs, browser, clock, random, nullptr});
    cli::Console console(advisor, {fuzz::freshFolder(), false, ""}, dialogs, browser, clock, errors,
                         nowhere);
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        // Time is all a long tick costs; a few ticks reach every state a thousand would.
        const std::string_view command = line.substr(std::min(line.find_first_not_of(" \t"), end));
        if (command.starts_with("tick") && command.size() > 7) continue;
        if (!console.run(line)) break;
    }
    console.close();
    return 0;
}
