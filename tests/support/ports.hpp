// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stand-ins for the ports: boxes answered from a queue and recorded, a browser that records,
// a clock that moves only when told, and a fetcher that serves a fixed set of files. Random
// numbers come from SeededRandom.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "run/ports.hpp"

namespace brisvale::testing {

struct Box {
    // kind: "message", "question", "input" or "about"; text: for an input box its prompt, for
    // the About box the build date
    std::string kind, title, text;
    bool operator==(const Box&) const = default;
};

struct FakeDialogs : Dialogs {
    std::vector<Box> boxes;
    std::deque<std::string> answers;  // "yes"/"no" or input-box text; none left: No / Cancel
    bool quiet = false;               // record nothing (long benchmark runs)

    void message(std::string_view text, std::string_view title) override {
        record("message", title, text);
    }
    bool askYesNo(std::string_view text, std::string_view title) override {
        return record("question", title, text), next() == "yes";
    }
    std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                        std::string_view) override {
        return record("input", title, prompt), next();
    }
    void about(std::string_view buildDate, const std::function<void()>& openTerms) override {
        record("about", "", buildDate);
        termsLink = openTerms;
    }
    void showGuide() override { ++guides; }
    int guides = 0;                   // how often the guide was shown
    std::function<void()> termsLink;  // the last About box's "Terms and Conditions"

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const Box& b : boxes) out.push_back(b.text);
        return out;
    }

  private:
    void record(std::string_view kind, std::string_view title, std::string_view text) {
        if (!quiet) boxes.push_back({std::string(kind), std::string(title), std::string(text)});
    }
    std::optional<std::string> next() {
        std::optional<std::string> answer;
        if (!answers.empty()) answer = answers.front(), answers.pop_front();
        return answer;
    }
};

struct FakeBrowser : Browser {
    std::vector<std::string> opened;
    bool works = true;  // false: every page fails to open (no browser, no network)
    bool open(std::string_view address) override {
        if (!works) return false;
        return opened.emplace_back(address), true;
    }
};

struct FakeClock : Clock {
    std::int64_t now = 1'700'000'000'000;
    std::int64_t nowMs() override { return now; }
};

// Serves the files it was given by full address; everything else is missing.
struct MapFetcher : Fetcher {
    std::map<std::string, std::string> files;
    std::vector<std::string> requested;
    std::optional<std::string> fetch(std::string_view url) override {
        requested.emplace_back(url);
        const auto found = files.find(std::string(url));
        return found == files.end() ? std::nullopt : std::optional(found->second);
    }
};

}  // namespace brisvale::testing
