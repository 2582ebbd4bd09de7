#pragma once
// Ports: what the core asks of the world. The window implements them with Qt, the console
// with text, the tests with scripted answers; the core never blocks on a real dialog.

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace brisvale {

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A modal box with an OK button only.
    virtual void message(std::string_view text, std::string_view title) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(std::string_view text, std::string_view title) = 0;
    // An input box; nullopt when cancelled.
    virtual std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                                std::string_view defaultText) = 0;
    // The modal About box: the build date, the notices and "Terms and Conditions", whose
    // click runs openTerms.
    virtual void about(std::string_view buildDate, const std::function<void()>& openTerms) = 0;
    // The user guide, shown beside the window without blocking it. Front ends without a
    // guide to show leave it out.
    virtual void showGuide() {}
};

class Browser {
  public:
    virtual ~Browser() = default;
    virtual bool open(std::string_view address) = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    // Milliseconds since the epoch.
    virtual std::int64_t nowMs() = 0;
};

class Random {
  public:
    virtual ~Random() = default;
    // A whole number drawn uniformly from lo..hi inclusive (lo <= hi).
    virtual int uniform(int lo, int hi) = 0;
};

class Fetcher {
  public:
    virtual ~Fetcher() = default;
    // The body of the file at url, or nullopt when it cannot be had in time.
    virtual std::optional<std::string> fetch(std::string_view url) = 0;
};

// One generator, seeded once.
class SeededRandom final : public Random {
  public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    int uniform(int lo, int hi) override {
        return std::uniform_int_distribution<int>(lo, hi)(engine_);
    }

  private:
    std::mt19937_64 engine_;
};

}  // namespace brisvale
