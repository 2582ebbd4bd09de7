#pragma once
// Recording stand-ins for the ports the remote start-up talks to.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "state/ports.hpp"

namespace brisvale::test {

struct ShownMessage {
    std::string text;
    std::string title;
    bool operator==(const ShownMessage&) const = default;
};

class RecordingDialogs final : public Dialogs {
  public:
    void message(std::string_view text, std::string_view title) override {
        shown.push_back({std::string(text), std::string(title)});
    }
    bool askYesNo(std::string_view text, std::string_view title) override {
        shown.push_back({std::string(text), std::string(title)});
        return false;
    }
    std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                        std::string_view) override {
        shown.push_back({std::string(prompt), std::string(title)});
        return std::nullopt;
    }
    void about(std::string_view buildDate, const std::function<void()>&) override {
        shown.push_back({std::string(buildDate), "About"});
    }
    void showGuide() override { ++guides; }
    std::vector<ShownMessage> shown;
    int guides = 0;
};

class RecordingBrowser final : public Browser {
  public:
    bool open(std::string_view address) override {
        opened.emplace_back(address);
        return true;
    }
    std::vector<std::string> opened;
};

// Serves the files it was given by full address; everything else is missing.
class MapFetcher final : public Fetcher {
  public:
    std::optional<std::string> fetch(std::string_view url) override {
        requested.emplace_back(url);
        const auto found = files.find(std::string(url));
        if (found == files.end()) return std::nullopt;
        return found->second;
    }
    std::map<std::string, std::string> files;
    std::vector<std::string> requested;
};

}  // namespace brisvale::test
