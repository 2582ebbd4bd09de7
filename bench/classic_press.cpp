// One Classic press with every family watched, as the engine sees it: a number clicked,
// Button1 pressed, and the ticks that re-enable the button.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "play/advisor.hpp"

namespace {

using namespace brisvale;

struct QuietDialogs : Dialogs {
    void message(std::string_view, std::string_view) override {}
    bool askYesNo(std::string_view, std::string_view) override { return true; }
    std::optional<std::string> inputBox(std::string_view, std::string_view, std::string_view) override {
        return std::nullopt;
    }
    void about(std::string_view, const std::function<void()>&) override {}
};
struct NoBrowser : Browser {
    bool open(std::string_view) override { return true; }
};
struct StepClock : Clock {
    std::int64_t now = 0;
    std::int64_t nowMs() override { return now; }
};

void BM_ClassicPress(benchmark::State& st) {
    const auto dir = std::filesystem::temp_directory_path() / "brisvale-bench-classic";
    std::filesystem::remove_all(dir);
    QuietDialogs dialogs;
    NoBrowser browser;
    StepClock clock;
    SeededRandom random(1);
    Advisor a(Ports{dialogs, browser, clock, random, nullptr});
    a.Form_Load({dir, false, ""});
    for (const char* box : {"chk7", "chk1", "chk2", "chk3", "chk4", "chk5", "chk6"}) {
        a.userSet(box, "1");
    }
    a.userSet("cboSpins", "1");
    a.userSet("cboWins", "999");
    a.userSet("cboTime", "999");
    a.userSet("Text18", "100000");
    a.Button1_Click();
    std::mt19937 wheel(7);
    for (auto _ : st) {
        while (!a.form().Button1.enabled) {
            clock.now += 1000;
            a.Timer1_Timer();
        }
        a.Picture3_Click(static_cast<int>(wheel() % 37));
        a.Button1_Click();
        if (a.form().Button1.caption == "Start") a.Button1_Click();  // a quit: start again
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ClassicPress);

}  // namespace
