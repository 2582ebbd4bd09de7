#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/files.hpp"
#include "wagering/sequences.hpp"

namespace brisvale {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kDefaultLines = {
    "index: 1",
    "even: 1,2,4,8,16,32,64,Q",
    "dozen: 1,2,3,4,6,9,13,20,30,45,67,Q",
    "row: 1,2,3,4,6,9,13,20,30,45,67,Q",
    "line: 1,1,1,1,2,2,2,3,3,4,5,6,7,8,10,12,14,17,21,25,30,Q",
    "corner: 1,1,1,1,1,1,2,2,2,2,3,3,4,4,5,5,6,7,8,9,10,12,14,16,18,20,23,Q",
    "trio: 1,1,1,1,1,1,1,1,1,1,2,2,2,2,2,2,3,3,3,3,4,4,4,5,5,6,6,7,7,8,9,10,11,12,13,14,15,16,Q",
    "split: 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,2,2,2,2,2,2,2,2,3,3,3,3,3,3,4,4,4,4,5,5,5,6,6,6,7,7,"
    "8,8,9,9,10,10,11,Q",
    "single: 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,2,2,2,2,2,2,2,2,2,"
    "2,2,2,2,2,2,2,2,3,3,3,3,3,3,3,3,3,3,3,3,4,4,4,4,4,4,4,4,5,5,5,5,5,5,5,6,6,6,6,6,6,Q",
    "autoincrease: 1",
    "wagerincreasechips: 200",
    "wagerincreasehowmanychips: 1",
};

// A custom file as the wagering dialog leaves it.
const char* const kCustom =
    "index: 1\r\n"
    "even: 1,3,9,Q\r\n"
    "dozen: 2,4,S\r\n"
    "row: 1,1,Q\r\n"
    "line: 5,S\r\n"
    "corner: 1,2,x,Q\r\n"
    "trio: 7,Q\r\n"
    "split: 1,S,2\r\n"
    "single: 1,2,3,q\r\n"
    "autoincrease: 0\r\n"
    "wagerincreasechips: 350\r\n"
    "wagerincreasehowmanychips: 3\r\n";

class WageringFile : public ::testing::Test {
  protected:
    void write(const std::string& bytes) const {
        std::ofstream out(file_, std::ios::binary);
        out << bytes;
    }
    std::string bytes() const {
        std::ifstream in(file_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // The file's lines; every line must end in CR LF.
    std::vector<std::string> lines() const {
        const std::string text = bytes();
        std::vector<std::string> out;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos;
             start = end + 2)
            out.push_back(text.substr(start, end - start));
        EXPECT_EQ(start, text.size()) << "text after the last line end";
        return out;
    }
    static std::string replaced(std::string text, const std::string& from, const std::string& to) {
        text.replace(text.find(from), from.size(), to);
        return text;
    }
    static void expectDefaults(const Wagering& w) {
        EXPECT_EQ(w.IncreaseChips, 200);
        EXPECT_EQ(w.AutoIncrease, 1);
        EXPECT_EQ(w.IncreaseSteps, 1);
        for (int f = 0; f < kFamilyCount; ++f) {
            const std::string& line = kDefaultLines[static_cast<std::size_t>(f) + 1];
            EXPECT_EQ(joinSequence(w.WagerSequence[static_cast<std::size_t>(f)]),
                      line.substr(line.find(": ") + 2))
                << line;
        }
    }

    testing::TempDir tmp_;
    fs::path file_ = tmp_ / "wagering.txt";
};

TEST_F(WageringFile, FreshFolderGetsTheDefaultsInOrder) {
    Wagering w;
    LoadWagering(w, file_, nullptr);
    EXPECT_EQ(lines(), kDefaultLines);
    expectDefaults(w);
}

TEST_F(WageringFile, WriteDefaultsReplacesCustomValuesInPlace) {
    write(kCustom);
    WriteDefaultWagering(file_, nullptr);
    EXPECT_EQ(lines(), kDefaultLines);
}

TEST_F(WageringFile, AMissingAutoIncreaseKeyRestoresAllDefaults) {
    for (const char* key : {"autoincrease: 0\r\n", "wagerincreasechips: 350\r\n",
                            "wagerincreasehowmanychips: 3\r\n"}) {
        SCOPED_TRACE(key);
        write(replaced(kCustom, key, ""));
        Wagering w;
        LoadWagering(w, file_, nullptr);
        expectDefaults(w);
        // Keys are rewritten in place; the one that was missing comes last.
        std::vector<std::string> got = lines(), want = kDefaultLines;
        std::sort(got.begin(), got.end());
        std::sort(want.begin(), want.end());
        EXPECT_EQ(got, want);
    }
}

TEST_F(WageringFile, CustomSequencesAndSettingsAreLoadedAsStored) {
    write(kCustom);
    Wagering w;
    LoadWagering(w, file_, nullptr);
    EXPECT_EQ(w.AutoIncrease, 0);
    EXPECT_EQ(w.IncreaseChips, 350);
    EXPECT_EQ(w.IncreaseSteps, 3);
    EXPECT_EQ(w.of(Family::Even), (Sequence{"1", "3", "9", "Q"}));
    EXPECT_EQ(w.of(Family::Dozen), (Sequence{"2", "4", "S"}));
    EXPECT_EQ(w.of(Family::Row), (Sequence{"1", "1", "Q"}));
    EXPECT_EQ(w.of(Family::Line), (Sequence{"5", "S"}));
    EXPECT_EQ(w.of(Family::Corner), (Sequence{"1", "2", "x", "Q"}));
    EXPECT_EQ(w.of(Family::Trio), (Sequence{"7", "Q"}));
    EXPECT_EQ(w.of(Family::Split), (Sequence{"1", "S", "2"}));
    EXPECT_EQ(w.of(Family::Single), (Sequence{"1", "2", "3", "q"}));
    EXPECT_EQ(bytes(), kCustom);  // reading never rewrites a complete file

    // The unreadable corner element quits instead of staking; the lower-case q still quits.
    std::int32_t stake = 0;
    EXPECT_EQ(NextStake(w, Family::Corner, 1, false, 4, stake), kStepStake);
    EXPECT_EQ(stake, 8);
    EXPECT_EQ(NextStake(w, Family::Corner, 2, false, 4, stake), kStepQuit);
    EXPECT_EQ(stake, 8);
    EXPECT_EQ(NextStake(w, Family::Single, 3, false, 4, stake), kStepQuit);
    EXPECT_EQ(NextStake(w, Family::Split, 1, true, 4, stake), kStepStop);
}

TEST_F(WageringFile, AMissingSequenceReadsAsTheDefault) {
    write(replaced(kCustom, "trio: 7,Q\r\n", ""));
    const std::string before = bytes();
    Wagering w;
    LoadWagering(w, file_, nullptr);
    EXPECT_EQ(joinSequence(w.of(Family::Trio)), std::string(defaultSequenceText(Family::Trio)));
    EXPECT_EQ(w.of(Family::Even), (Sequence{"1", "3", "9", "Q"}));
    EXPECT_EQ(w.IncreaseChips, 350);
    EXPECT_EQ(bytes(), before);
    std::int32_t stake = 0;
    EXPECT_EQ(NextStake(w, Family::Trio, 0, false, 1, stake), kStepStake);
    EXPECT_EQ(stake, 1);
}

TEST_F(WageringFile, ASettingThatIsNoNumberTakesItsDefaultOnly) {
    struct Case {
        const char* from;
        const char* to;
        int autoIncrease, chips, steps;
    };
    const Case cases[] = {
        {"wagerincreasechips: 350", "wagerincreasechips: abc", 0, 200, 3},
        {"wagerincreasechips: 350", "wagerincreasechips: 99999", 0, 200, 3},
        {"wagerincreasechips: 350", "wagerincreasechips: 1.5", 0, 200, 3},
        {"autoincrease: 0", "autoincrease: yes", 1, 350, 3},
        {"autoincrease: 0", "autoincrease: ", 1, 350, 3},
        {"wagerincreasehowmanychips: 3", "wagerincreasehowmanychips: 3 3", 0, 350, 1},
        {"wagerincreasehowmanychips: 3", "wagerincreasehowmanychips: -2", 0, 350, -2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.to);
        write(replaced(kCustom, c.from, c.to));
        const std::string before = bytes();
        Wagering w;
        LoadWagering(w, file_, nullptr);
        EXPECT_EQ(w.AutoIncrease, c.autoIncrease);
        EXPECT_EQ(w.IncreaseChips, c.chips);
        EXPECT_EQ(w.IncreaseSteps, c.steps);
        EXPECT_EQ(w.of(Family::Even), (Sequence{"1", "3", "9", "Q"}));  // custom work kept
        EXPECT_EQ(bytes(), before);
    }
}

TEST_F(WageringFile, AnUnwritableFolderStillYieldsTheDefaults) {
    // The file's place is taken by a folder: nothing can be read or written there.
    fs::create_directories(file_);
    Wagering w;
    LoadWagering(w, file_, nullptr);
    expectDefaults(w);
}

}  // namespace
}  // namespace brisvale
