#pragma once
// Quiet ports and a private data folder for benchmarks that drive the Advisor.

#include <stdlib.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "state/ports.hpp"

namespace brisvale::bench {

struct QuietDialogs : Dialogs {
    void message(std::string_view, std::string_view) override {}
    bool askYesNo(std::string_view, std::string_view) override { return false; }
    std::optional<std::string> inputBox(std::string_view, std::string_view,
                                        std::string_view) override {
        return std::nullopt;
    }
    void about(std::string_view, const std::function<void()>&) override {}
};

struct NoBrowser : Browser {
    bool open(std::string_view) override { return true; }
};

struct StepClock : Clock {
    std::int64_t now = 1'700'000'000'000;
    std::int64_t nowMs() override { return now; }
};

// A private data folder, removed afterwards.
struct Folder {
    std::filesystem::path path;
    Folder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "brisvale-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) path = pattern;
    }
    ~Folder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
};

}  // namespace brisvale::bench
