// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ports: what the core asks of the world. The window implements them with Qt, the console
// with text, the tests with scripted answers; the core never blocks on a real dialog.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <sstream>
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
    // The file to read or to write, chosen by the user; nullopt when cancelled. Front ends
    // without files to offer answer Cancel.
    virtual std::optional<std::filesystem::path> askOpenFile(std::string_view /*title*/) {
        return std::nullopt;
    }
    virtual std::optional<std::filesystem::path> askSaveFile(std::string_view /*title*/,
                                                             std::string_view /*suggested*/) {
        return std::nullopt;
    }
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

// Where a generator stands: its seed and the raw numbers it has given since. Enough to go back
// to an earlier draw (undo) or to carry on in the next session (a resumed run).
struct RandomState {
    std::uint64_t seed = 0;
    std::uint64_t draws = 0;
    friend bool operator==(const RandomState&, const RandomState&) = default;
};

class Random {
  public:
    virtual ~Random() = default;
    // A whole number drawn uniformly from lo..hi inclusive (lo <= hi).
    virtual int uniform(int lo, int hi) = 0;
    // Its position, and going to a position it gave (back or on). A generator that cannot
    // tell keeps drawing on.
    virtual RandomState state() const { return {}; }
    virtual void restore(const RandomState& /*state*/) {}
    // The engine's own state as text, and going straight to it (at the position `at`), so that
    // a resumed run does not step through every number drawn before. "" and false for a
    // generator that cannot tell, or text that is not such a state.
    virtual std::string engineText() const { return {}; }
    virtual bool restoreEngine(const RandomState& /*at*/, std::string_view /*text*/) {
        return false;
    }
};

class Fetcher {
  public:
    // The remote files are a few kilobytes of settings and names: a body past this is no such
    // file, and is not read on.
    static constexpr std::size_t kMostBytes = 1u << 20;

    virtual ~Fetcher() = default;
    // The body of the file at url, or nullopt when it cannot be had in time or is longer than
    // kMostBytes.
    virtual std::optional<std::string> fetch(std::string_view url) = 0;
};

// One generator, seeded once. It counts the raw numbers it gives, so that any position can be
// reached again from the seed.
class SeededRandom final : public Random {
  public:
    explicit SeededRandom(std::uint64_t seed) : seed_(seed), engine_(seed), base_(engine_) {}
    int uniform(int lo, int hi) override {
        Counting counting{engine_, draws_};
        return std::uniform_int_distribution<int>(lo, hi)(counting);
    }
    RandomState state() const override { return {seed_, draws_}; }
    void restore(const RandomState& to) override {
        const bool reseed = to.seed != seed_ || to.draws < baseDraws_;
        if (reseed) {
            seed_ = to.seed;
            base_.seed(to.seed);
            baseDraws_ = 0;
        }
        // Going back starts from the nearest known state: the seed, or where a resume began.
        if (reseed || to.draws < draws_) {
            engine_ = base_;
            draws_ = baseDraws_;
        }
        engine_.discard(to.draws - draws_);
        draws_ = to.draws;
    }
    std::string engineText() const override {
        std::ostringstream out;
        out << engine_;
        return out.str();
    }
    bool restoreEngine(const RandomState& at, std::string_view text) override {
        std::istringstream in{std::string(text)};
        std::mt19937_64 engine;
        in >> engine;
        if (in.fail() || !(in >> std::ws).eof()) return false;
        seed_ = at.seed;
        draws_ = baseDraws_ = at.draws;
        engine_ = base_ = engine;
        return true;
    }

  private:
    // The engine as the distribution sees it, counting its calls.
    struct Counting {
        using result_type = std::mt19937_64::result_type;
        static constexpr result_type min() { return std::mt19937_64::min(); }
        static constexpr result_type max() { return std::mt19937_64::max(); }
        result_type operator()() {
            ++draws;
            return engine();
        }
        std::mt19937_64& engine;
        std::uint64_t& draws;
    };

    std::uint64_t seed_;
    std::uint64_t draws_ = 0;
    std::mt19937_64 engine_;
    std::mt19937_64 base_;  // the engine at baseDraws_
    std::uint64_t baseDraws_ = 0;
};

}  // namespace brisvale
