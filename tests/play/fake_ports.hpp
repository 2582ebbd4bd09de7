#pragma once
// Scripted ports for driving the Advisor in tests: boxes are recorded, questions answered from
// a queue, the clock moves only when told.

#include <deque>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "state/ports.hpp"

namespace brisvale::testing {

struct FakeDialogs : Dialogs {
    struct Box {
        std::string title;
        std::string text;
    };
    std::vector<Box> boxes;
    std::deque<std::string> answers;  // "yes"/"no" or input-box text; empty queue: no/Cancel

    void message(std::string_view text, std::string_view title) override {
        boxes.push_back({std::string(title), std::string(text)});
    }
    bool askYesNo(std::string_view text, std::string_view title) override {
        boxes.push_back({std::string(title), std::string(text)});
        if (answers.empty()) return false;
        const bool yes = answers.front() == "yes";
        answers.pop_front();
        return yes;
    }
    std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                        std::string_view) override {
        boxes.push_back({std::string(title), std::string(prompt)});
        if (answers.empty()) return std::nullopt;
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void about(std::string_view buildDate, const std::function<void()>&) override {
        boxes.push_back({"About Brisvale", std::string(buildDate)});
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const Box& b : boxes) out.push_back(b.text);
        return out;
    }
};

struct FakeBrowser : Browser {
    std::vector<std::string> opened;
    bool open(std::string_view address) override {
        opened.emplace_back(address);
        return true;
    }
};

struct FakeClock : Clock {
    std::int64_t now = 1'700'000'000'000;
    std::int64_t nowMs() override { return now; }
};

// A fresh folder under the system's temporary folder, removed at the end of the test.
struct TempDir {
    std::filesystem::path path;
    TempDir() {
        std::random_device rd;
        path = std::filesystem::temp_directory_path() /
               ("brisvale-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
};

}  // namespace brisvale::testing
