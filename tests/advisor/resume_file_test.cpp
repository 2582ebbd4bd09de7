// SPDX-License-Identifier: GPL-3.0-or-later
// The run file against hostile contents: a random generator said to have drawn more numbers
// than any run can, and files written before the generator's own state was kept.

#include <gtest/gtest.h>

#include "run/state_json.hpp"
#include "support/advisor_fixture.hpp"

namespace brisvale::testing {
namespace {

namespace fs = std::filesystem;

class ResumeFile : public AdvisorFixture {
  protected:
    // A Classic run on Red/Black with random thresholds, three spins in, closed.
    Json closedRun() {
        act("chk7_1=1 Text2=0 Text3=9 Check1=1 Text18=1000 Button1 17 4 0 close");
        return Json::parse(readBytes(a().files().run));
    }
    void rewrite(const Json& run) { writeBytes(advisor->files().run, run.dump() + "\r\n"); }
    // The run file refused as the window opens: one box that says why, no run, no file kept.
    void expectRefused(const Json& run, const std::string& why, const std::string& what) {
        rewrite(run);
        dialogs.boxes.clear();
        restart();
        ASSERT_EQ(dialogs.boxes.size(), 1u) << what;
        EXPECT_NE(dialogs.boxes[0].text.find(why), std::string::npos) << dialogs.boxes[0].text;
        EXPECT_FALSE(fs::exists(a().files().run)) << what;
        EXPECT_EQ(form().startButton.caption, "Start") << what;
    }
};

TEST_F(ResumeFile, TheGeneratorGoesStraightToItsStateOrStepsThroughTheDrawsOfAnOlderFile) {
    for (const bool withEngine : {true, false}) {
        Json run = closedRun();
        const RandomState saved = random.state();
        ASSERT_GT(saved.draws, 0u);
        SeededRandom expected(saved.seed);
        expected.restore(saved);
        if (!withEngine) run["random"].erase("engine");
        rewrite(run);
        random.restore({saved.seed + 1, 5});  // the next session starts from another seed
        act("answer:yes restart");
        EXPECT_EQ(random.state(), saved) << withEngine;
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(random.uniform(0, 1 << 30), expected.uniform(0, 1 << 30));
        act("menu:mnuRestart");
    }
}

TEST_F(ResumeFile, ADrawCountOrAStateOutOfRangeIsRefusedAtOnce) {
    const Json whole = closedRun();
    for (const auto& [member, value] :
         {std::pair<const char*, Json>{"draws", Json(9223372036854775808ULL)},
          {"draws", Json(100'000'001)},
          {"engine", Json("1 2 3")},
          {"engine", Json(whole["random"]["engine"].get<std::string>() + " 9")}}) {
        Json run = whole;
        run["random"][member] = value;
        expectRefused(run, "random generator", member);
    }
    // The most draws a run can make are taken, with the generator's own state.
    Json run = whole;
    run["random"]["draws"] = 100'000'000;
    rewrite(run);
    dialogs.boxes.clear();
    act("answer:yes restart");
    ASSERT_EQ(dialogs.boxes.size(), 1u);  // the question, and no word of the generator
    EXPECT_EQ(dialogs.boxes[0].text.find("random generator"), std::string::npos);
    EXPECT_TRUE(state().playing());
    EXPECT_EQ(random.state().draws, 100'000'000u);
}

// A settings value is taken from the run file only within the range the settings file's reader
// takes, so that saving it never makes that file unreadable.
TEST_F(ResumeFile, SettingsValuesTakeTheSettingsFilesOwnRange) {
    const Json whole = closedRun();
    const std::pair<int, long long> outside[] = {{0, 32768}, {3, -32769}, {14, 2147483648LL}};
    for (const auto& [pos, value] : outside) {
        Json run = whole;
        run["settings"][static_cast<std::size_t>(pos)] = value;
        expectRefused(run, "cannot be resumed", std::to_string(pos));
    }
    // The range's ends are what the settings file reads back.
    for (int pos = 0; pos < kSettingsCount; ++pos) {
        for (const std::int64_t end : {settingRange(pos).first, settingRange(pos).second}) {
            Settings values = defaultSettings();
            values[pos] = static_cast<std::int32_t>(end);
            ASSERT_TRUE(writeSettingsFile(dir / "s.txt", values));
            const SettingsRead read = readSettingsFile(dir / "s.txt");
            ASSERT_EQ(read.status, SettingsStatus::Loaded) << pos << " " << end;
            EXPECT_EQ(read.values[pos], end);
        }
    }
}

TEST(SeededRandomState, BackAndOnFromAResumedStateGiveTheSameNumbers) {
    SeededRandom original(99);
    for (int i = 0; i < 50; ++i) original.uniform(0, 36);
    const RandomState mid = original.state();
    SeededRandom resumed(1);
    ASSERT_TRUE(resumed.restoreEngine(mid, original.engineText()));
    EXPECT_FALSE(resumed.restoreEngine(mid, "not a state"));
    std::vector<int> first;
    for (int i = 0; i < 20; ++i) first.push_back(resumed.uniform(0, 36));
    for (int i = 0; i < 20; ++i) EXPECT_EQ(original.uniform(0, 36), first[i]);
    // Undo goes back to the resumed position, and before it by the seed.
    resumed.restore(mid);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(resumed.uniform(0, 36), first[i]);
    resumed.restore({99, 10});
    SeededRandom fresh(99);
    fresh.restore({99, 10});
    EXPECT_EQ(resumed.uniform(0, 36), fresh.uniform(0, 36));
}

}  // namespace
}  // namespace brisvale::testing
