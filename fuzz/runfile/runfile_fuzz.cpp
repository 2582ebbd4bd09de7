// SPDX-License-Identifier: GPL-3.0-or-later
// The run file as found at start-up, with the resume question answered Yes. Input: the run
// file, then optionally after a NUL the casino history file. Whatever it holds, start-up ends
// (a hostile draw count or state must not make it step for ever), and either the run is
// resumed and open, or the file is set aside with one message. A resumed run, closed and
// opened again, resumes to the same state.

#include "advisor/advisor.hpp"
#include "common.hpp"
#include "run/state_json.hpp"
#include "support/ports.hpp"

using namespace brisvale;

namespace {

struct Session {
    testing::FakeDialogs dialogs;
    testing::FakeBrowser browser;
    testing::FakeClock clock;
    SeededRandom random{3};
    Advisor advisor{Ports{dialogs, browser, clock, random, nullptr}};

    explicit Session(const std::filesystem::path& folder) {
        dialogs.answers = {"yes"};
        advisor.userOpenWindow({folder, false, ""});
    }
    bool resumed() const {
        return !dialogs.boxes.empty() && dialogs.boxes[0].kind == "question" &&
               advisor.form().startButton.caption == "Submit";
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::splitAtNul({reinterpret_cast<const char*>(data), size});
    const auto folder = fuzz::freshFolder();
    const auto runFile = folder / "run.json";
    fuzz::writeBytes(runFile, parts[0]);
    if (parts.size() > 1) fuzz::writeBytes(folder / "CasinoHistory.dat", parts[1]);

    Json saved;
    RandomState random;
    {
        Session first(folder);
        if (!first.resumed()) {
            // Not resumed: one box told why, and the file is out of the way.
            FUZZ_CHECK(first.advisor.form().startButton.caption == "Start");
            FUZZ_CHECK(!std::filesystem::exists(runFile));
            return 0;
        }
        saved = toJson(first.advisor.state(), first.advisor.form());
        random = first.random.state();
        first.advisor.userCloseWindow();
    }
    Session second(folder);
    FUZZ_CHECK(second.resumed());
    FUZZ_CHECK(toJson(second.advisor.state(), second.advisor.form()) == saved);
    FUZZ_CHECK(second.random.state() == random);
    return 0;
}
