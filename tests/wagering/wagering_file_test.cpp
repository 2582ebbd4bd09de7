// The wagering file: the defaults a fresh folder gets, and what each kind of damage costs.

#include <gtest/gtest.h>

#include "support/files.hpp"
#include "wagering/sequences.hpp"

namespace brisvale {
namespace {

using testing::readBytes;

// The lines of a file holding the given sequences (in family order) and settings.
std::string fileText(const std::array<std::string, kFamilyCount>& sequences, int autoIncrease,
                     int chips, int steps) {
    std::string text = "index: 1\r\n";
    for (int f = 0; f < kFamilyCount; ++f)
        text += std::string(sequenceKey(Family(f))) + ": " + sequences[f] + "\r\n";
    return text + "autoincrease: " + std::to_string(autoIncrease) +
           "\r\nwagerincreasechips: " + std::to_string(chips) +
           "\r\nwagerincreasehowmanychips: " + std::to_string(steps) + "\r\n";
}

std::array<std::string, kFamilyCount> defaults() {
    std::array<std::string, kFamilyCount> out;
    for (int f = 0; f < kFamilyCount; ++f) out[f] = defaultSequenceText(Family(f));
    return out;
}

const std::array<std::string, kFamilyCount> kCustom = {"1,3,9,Q", "2,4,S", "1,1,Q", "5,S",
                                                       "1,2,x,Q", "7,Q",   "1,S,2", "1,2,3,q"};

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

TEST(WageringFile, DamageCostsOnlyWhatIsDamaged) {
    const std::string custom = fileText(kCustom, 0, 350, 3);
    struct Row {
        const char *from, *to;  // the edit of the custom file ("" = none, "-" = no file)
        int autoIncrease, chips, steps;
        const char* trio;  // the trio sequence read
        bool rewritten;    // to the defaults
    };
    const Row rows[] = {
        {"", "", 0, 350, 3, "7,Q", false},  // a complete file is read, never written
        {"-", "", 1, 200, 1, nullptr, true},
        {"autoincrease: 0\r\n", "", 1, 200, 1, nullptr, true},  // a missing setting
        {"wagerincreasechips: 350\r\n", "", 1, 200, 1, nullptr, true},
        {"wagerincreasehowmanychips: 3\r\n", "", 1, 200, 1, nullptr, true},
        {"chips: 350", "chips: 99999", 0, 200, 3, "7,Q", false},  // no 16-bit number
        {"chips: 350", "chips: 1.5", 0, 200, 3, "7,Q", false},
        {"autoincrease: 0", "autoincrease: ", 1, 350, 3, "7,Q", false},
        {"manychips: 3", "manychips: 3 3", 0, 350, 1, "7,Q", false},
        {"manychips: 3", "manychips: -2", 0, 350, -2, "7,Q", false},
        {"trio: 7,Q\r\n", "", 0, 350, 3, nullptr, false},  // a missing sequence
        {"trio: 7,Q", "trio: ", 0, 350, 3, nullptr, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.from) + " -> " + r.to);
        testing::TempDir tmp;
        const auto file = tmp / "wagering.txt";
        if (r.from != std::string("-"))
            testing::writeBytes(file, *r.from ? replaced(custom, r.from, r.to) : custom);
        const std::string before = readBytes(file);
        Wagering w;
        LoadWagering(w, file, nullptr);
        EXPECT_EQ(std::tuple(w.AutoIncrease, w.IncreaseChips, w.IncreaseSteps),
                  std::tuple(r.autoIncrease, r.chips, r.steps));
        EXPECT_EQ(joinSequence(w.of(Family::Trio)),
                  r.trio ? r.trio : defaultSequenceText(Family::Trio));
        for (int f : {0, 1, 2, 3, 4, 6, 7})  // all but the trio
            EXPECT_EQ(joinSequence(w.WagerSequence[f]), r.rewritten ? defaults()[f] : kCustom[f]);
        const std::string got = readBytes(file), want = fileText(defaults(), 1, 200, 1);
        EXPECT_EQ(got == before, !r.rewritten);
        if (r.from == std::string("-")) {
            EXPECT_EQ(got, want);
        }
        // A missing key is written after the others, which keep their places.
        for (std::size_t at = 0, end; r.rewritten && (end = want.find('\n', at)) != want.npos;
             at = end + 1)
            EXPECT_NE(got.find(want.substr(at, end + 1 - at)), got.npos) << got;
        EXPECT_EQ(got.size(), r.rewritten ? want.size() : before.size());
    }
    testing::TempDir tmp;  // the file's place is taken by a folder: still the defaults
    std::filesystem::create_directories(tmp / "wagering.txt");
    Wagering w;
    LoadWagering(w, tmp / "wagering.txt", nullptr);
    EXPECT_EQ(w.WagerSequence, defaultWagering().WagerSequence);
    EXPECT_EQ(w.IncreaseChips, 200);
    testing::writeBytes(tmp / "custom.txt", custom);
    WriteDefaultWagering(tmp / "custom.txt", nullptr);
    EXPECT_EQ(readBytes(tmp / "custom.txt"), fileText(defaults(), 1, 200, 1));
}

}  // namespace
}  // namespace brisvale
