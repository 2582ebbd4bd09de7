// The settings file: read by position, refused whole when damaged, and whatever is written
// reads back.

#include "storage/settings_file.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <random>
#include <set>

#include "storage/properties.hpp"
#include "support/files.hpp"

namespace brisvale::testing {
namespace {

namespace fs = std::filesystem;
using Int = std::numeric_limits<std::int32_t>;

TEST(SettingsFile, RandomValuesReadBack) {
    TempDir dir;
    const fs::path file = dir / "settings.txt";
    std::mt19937 random(5);
    for (int round = 0; round < 40; ++round) {
        Settings s;
        for (int pos = 0; pos < kSettingsCount; ++pos) {
            s[pos] = pos == Acct ? std::uniform_int_distribution<std::int32_t>(Int::min())(random)
                                 : std::uniform_int_distribution<int>(-32768, 32767)(random);
        }
        if (round == 0) s.values = {-32768, 32767, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, Int::min()};
        ASSERT_TRUE(writeSettingsFile(file, s));
        const SettingsRead read = readSettingsFile(file);
        ASSERT_EQ(read.status, SettingsStatus::Loaded) << read.problem;
        EXPECT_EQ(read.values.values, s.values);
        EXPECT_EQ(readLines(file)->front(), "index: 1");
        for (int pos = 0; pos < kSettingsCount; ++pos)
            ASSERT_EQ(GetProperty(1, settingsKeys()[pos], file), std::to_string(s[pos])) << pos;
    }
    // The names other installs know the file by, first and last.
    const auto keys = settingsKeys();
    EXPECT_EQ((std::vector{keys[0], keys[Acct], keys[120]}),
              (std::vector<std::string_view>{"EvenBets", "Acct", "ProgMultiBetConsHighSingle"}));
}

// Each preset table has a Random box per family and a Low/High pair per family it can bet
// (the single-bet tables have no Single); together they fill the file after the run settings.
TEST(SettingsFile, PresetPositionsAndDefaults) {
    std::multiset<int> taken, all;
    const Settings d = defaultSettings();
    for (int t = 0; t < 4; ++t) {
        for (int family = -1; family <= 8; ++family) {
            const auto preset = static_cast<Preset>(t);
            const int check = presetCheckPos(preset, family), low = presetLowPos(preset, family);
            EXPECT_EQ(low >= 0, check >= 0 && (t >= 2 || family < 7)) << t << "/" << family;
            EXPECT_EQ(presetHighPos(preset, family), low < 0 ? -1 : low + 1);
            EXPECT_TRUE((check < 0 || d[check] == 1) && (low < 0 || d[low] <= d[low + 1]));
            if (check >= 0) taken.insert(check);
            if (low >= 0) taken.insert({low, low + 1});
        }
    }
    for (int pos = FirstPresetCheck; pos < kSettingsCount; ++pos) all.insert(pos);
    EXPECT_EQ(taken, all);
    // Known answers: the Multi Conservative Single pair, the first pair, the run settings.
    const auto multi = Preset::MultiConservative;
    EXPECT_EQ((std::vector{d[presetLowPos(multi, 7)], d[presetHighPos(multi, 7)],
                           d[presetLowPos(Preset::SingleAggressive, 0)], d[WinsPer], d[PlayTime],
                           d[MinWage], d[ProgSing], d[ConsBetting], d[ConsDefault], d[SpinInt]}),
              (std::vector{60, 70, 5, 3, 15, 1, 1, 1, 1, 3}));
}

// A file of the default values with some replaced; keys are not read, so any name will do.
std::string settingsText(std::map<int, std::string> edits, int count = kSettingsCount) {
    std::string text = "index: 1\r\n";
    for (int pos = 0; pos < count; ++pos) {
        text += "k: " + (edits.contains(pos) ? edits[pos] : std::to_string(defaultSettings()[pos]));
        text += "\r\n";
    }
    return text;
}

TEST(SettingsFile, ReadByPositionOrRefusedWhole) {
    const std::string range = ", not a whole number from -32768 to 32767";
    const struct {
        std::string text;
        int pos;
        std::int32_t value;
        std::string problem;  // empty: the file loads
    } rows[] = {
        // clang-format off
        {settingsText({{15, "tRUE"}, {16, " FALSE "}}), 15, 1, ""},
        {settingsText({{16, "\tFalse"}}), 16, 0, ""},
        {settingsText({{13, "+7"}}), 13, 7, ""},
        {settingsText({{12, "20\r\nindexed: x"}}), 12, 20, ""},
        {settingsText({}) + "Spare: junk\r\n", 120, 70, ""},
        {settingsText({{13, "abc"}}), 0, 0, "line 15 (MinWage) holds \"abc\", not a number"},
        {settingsText({{11, "40000"}}), 0, 0, "line 13 (WinsPer) holds \"40000\"" + range},
        {settingsText({{12, "-32769"}}), 0, 0, "line 14 (PlayTime) holds \"-32769\"" + range},
        {settingsText({{Acct, "3000000000"}}), 0, 0,
         "line 16 (Acct) holds \"3000000000\", not a whole number from -2147483648 to 2147483647"},
        {settingsText({{0, ""}}), 0, 0, "line 2 (EvenBets) holds no value"},
        {settingsText({{0, "\x01" + std::string(30, 'x')}}), 0, 0,
         "line 2 (EvenBets) holds \"?" + std::string(23, 'x') + "...\", not a number"},
        {settingsText({}, 120), 0, 0, "the file holds 120 of its 121 values"},
        {"", 0, 0, "the file holds 0 of its 121 values"},
        // clang-format on
    };
    TempDir dir;
    const fs::path file = dir / "settings.txt";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.problem + " " + std::to_string(row.pos));
        writeBytes(file, row.text);
        const SettingsRead read = readSettingsFile(file);
        EXPECT_EQ(read.problem, row.problem);
        EXPECT_EQ(read.status,
                  row.problem.empty() ? SettingsStatus::Loaded : SettingsStatus::Damaged);
        EXPECT_EQ(read.values[row.pos], row.value);
        EXPECT_EQ(read.values[120], row.problem.empty() ? 70 : 0) << "a value moved";
        EXPECT_EQ(read.values.values == Settings().values, !row.problem.empty()) << "half applied";
    }
    EXPECT_EQ(readSettingsFile(dir / "none").status, SettingsStatus::Missing);
}

TEST(SettingsFile, StyleKeysAndDamagedFiles) {
    TempDir dir;
    const fs::path file = dir / "settings.txt";
    writeStyleKeys(file, true, false, false);
    EXPECT_FALSE(fs::exists(file)) << "three values alone would read as damaged";
    ASSERT_TRUE(writeSettingsFile(file, defaultSettings()));
    writeBytes(file, readBytes(file) + "index: 0\r\nMultiBet: 7\r\n");  // a foreign section
    auto lines = *readLines(file);
    writeStyleKeys(file, false, true, false);
    lines[ProgSing + 1] = "ProgSing: False";
    lines[MultiBet + 1] = "MultiBet: True";
    lines[ProgMulti + 1] = "ProgMulti: False";
    EXPECT_EQ(readLines(file), lines);
    writeBytes(file, "older");
    ASSERT_TRUE(keepDamagedSettings(file));
    writeBytes(file, "index: 1\r\nEvenBets: x\r\n");
    ASSERT_TRUE(keepDamagedSettings(file));
    EXPECT_EQ(readBytes(dir / "settings.txt.bad"), "index: 1\r\nEvenBets: x\r\n");
    EXPECT_FALSE(fs::exists(file) || keepDamagedSettings(file));
}

}  // namespace
}  // namespace brisvale::testing
