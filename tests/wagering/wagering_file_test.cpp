// SPDX-License-Identifier: GPL-3.0-or-later
// The wagering file: the defaults a fresh folder gets, and what each kind of damage costs.

#include <gtest/gtest.h>

#include "support/files.hpp"
#include "wagering/sequences.hpp"

namespace brisvale {
namespace {

using testing::readBytes;

const std::array<std::string, kFamilyCount> kCustom = {"1,3,9,Q", "2,4,S", "1,1,Q", "5,S",
                                                       "1,2,x,Q", "7,Q",   "1,S,2", "1,2,3,q"};

std::string sequenceText(int f, bool custom) {
    return custom ? kCustom[f] : std::string(defaultSequenceText(Family(f)));
}

// The custom file, or the one written with the defaults.
std::string fileText(bool custom) {
    std::string text = "index: 1\r\n";
    for (int f = 0; f < kFamilyCount; ++f)
        text += std::string(sequenceKey(Family(f))) + ": " + sequenceText(f, custom) + "\r\n";
    return text + "autoincrease: " + (custom ? "0" : "1") +
           "\r\nwagerincreasechips: " + (custom ? "350" : "200") +
           "\r\nwagerincreasehowmanychips: " + (custom ? "3" : "1") + "\r\n";
}

TEST(WageringFile, DamageCostsOnlyWhatIsDamaged) {
    const std::string custom = fileText(true);
    // The edit of the custom file ("" = none, "-" = no file); the settings and the trio
    // sequence read (nullptr: the default); whether the file was rewritten with the defaults.
    using Row = std::tuple<std::string, std::string, int, int, int, const char*, bool>;
    // A complete file is read, never written; a missing setting rewrites the defaults; a
    // setting that is no 16-bit number costs its own value; a missing sequence its own.
    // clang-format off
    const Row rows[] = {
        {"", "", 0, 350, 3, "7,Q", false}, {"-", "", 1, 200, 1, nullptr, true},
        {"autoincrease: 0\r\n", "", 1, 200, 1, nullptr, true}, {"wagerincreasechips: 350\r\n", "", 1, 200, 1, nullptr, true},
        {"wagerincreasehowmanychips: 3\r\n", "", 1, 200, 1, nullptr, true},
        {"chips: 350", "chips: 99999", 0, 200, 3, "7,Q", false}, {"chips: 350", "chips: 1.5", 0, 200, 3, "7,Q", false},
        {"autoincrease: 0", "autoincrease: ", 1, 350, 3, "7,Q", false}, {"manychips: 3", "manychips: 3 3", 0, 350, 1, "7,Q", false},
        {"manychips: 3", "manychips: -2", 0, 350, -2, "7,Q", false}, {"trio: 7,Q\r\n", "", 0, 350, 3, nullptr, false},
        {"trio: 7,Q", "trio: ", 0, 350, 3, nullptr, false},
    };
    // clang-format on
    for (const auto& [from, to, autoIncrease, chips, steps, trio, rewritten] : rows) {
        SCOPED_TRACE(from + " -> " + to);
        testing::TempDir tmp;
        const auto file = tmp / "wagering.txt";
        std::string text = custom;
        if (from != "-") testing::writeBytes(file, text.replace(text.find(from), from.size(), to));
        const std::string before = readBytes(file);
        Wagering w;
        LoadWagering(w, file, nullptr);
        EXPECT_EQ(std::tuple(w.AutoIncrease, w.IncreaseChips, w.IncreaseSteps),
                  std::tuple(autoIncrease, chips, steps));
        EXPECT_EQ(joinSequence(w.of(Family::Trio)),
                  trio ? trio : defaultSequenceText(Family::Trio));
        for (int f : {0, 1, 2, 3, 4, 6, 7})  // all but the trio
            EXPECT_EQ(joinSequence(w.WagerSequence[f]), sequenceText(f, !rewritten));
        const std::string got = readBytes(file), want = fileText(false);
        EXPECT_EQ(got == before, !rewritten);
        EXPECT_TRUE(from != "-" || got == want) << got;
        // A missing key is written after the others, which keep their places.
        for (std::size_t at = 0, end; rewritten && (end = want.find('\n', at)) != want.npos;
             at = end + 1)
            EXPECT_NE(got.find(want.substr(at, end + 1 - at)), got.npos) << got;
        EXPECT_EQ(got.size(), rewritten ? want.size() : before.size());
    }
    testing::TempDir tmp;  // the file's place is taken by a folder: still the defaults
    std::filesystem::create_directories(tmp / "wagering.txt");
    Wagering w;
    LoadWagering(w, tmp / "wagering.txt", nullptr);
    EXPECT_TRUE(w.WagerSequence == defaultWagering().WagerSequence && w.IncreaseChips == 200);
    testing::writeBytes(tmp / "custom.txt", custom);
    WriteDefaultWagering(tmp / "custom.txt", nullptr);
    EXPECT_EQ(readBytes(tmp / "custom.txt"), fileText(false));
}

}  // namespace
}  // namespace brisvale
