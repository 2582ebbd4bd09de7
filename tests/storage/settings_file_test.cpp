#include "storage/settings_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "support/files.hpp"

namespace brisvale {
namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
  protected:
    void writeRaw(const std::string& bytes) const {
        std::ofstream out(file_, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::string readRaw(const fs::path& p) const {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> rawLines() const {
        std::vector<std::string> lines;
        std::string text = readRaw(file_);
        std::size_t start = 0;
        for (auto end = text.find("\r\n"); end != std::string::npos;
             end = text.find("\r\n", start)) {
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        EXPECT_EQ(start, text.size()) << "the file must end with CR LF";
        return lines;
    }

    testing::TempDir tmp_;
    fs::path dir_ = tmp_.path;
    fs::path file_ = dir_ / "settings.txt";
};

// The key order, built from its naming rule rather than copied from the code.
std::vector<std::string> expectedKeys() {
    std::vector<std::string> keys = {
        "EvenBets",    "RedBlack",    "OddEven",     "HighLow",  "Dozen",    "Line",
        "Trio",        "Row",         "Corner",      "Split",    "Single",   "WinsPer",
        "PlayTime",    "MinWage",     "Acct",        "ProgSing", "MultiBet", "ProgMulti",
        "ConsBetting", "AggrDefault", "ConsDefault", "SpinInt",  "cboDozen", "cboRow",
        "cboLine",     "cboCorner",   "cboTrio",     "cboSplit", "cboSingle"};
    const std::vector<std::string> tables = {"ProgSingAgg", "ProgSingCons", "ProgMultiBetAgg",
                                             "ProgMultiBetCons"};
    for (const auto& t : tables) {
        for (int c : {1, 2, 3, 4, 5, 6, 7, 9}) keys.push_back(t + "check" + std::to_string(c));
    }
    for (const auto& t : tables) {
        std::vector<std::string> fams = {"Even", "Doz", "Row", "Line", "Corn", "Trio", "Split"};
        if (t.starts_with("ProgMultiBet")) fams.push_back("Single");
        for (const auto& f : fams) {
            keys.push_back(t + "Low" + f);
            keys.push_back(t + "High" + f);
        }
    }
    return keys;
}

// A whole file: "index: 1" then one line per value, each ending in `eol`.
std::string fileText(const std::vector<std::string>& values, const std::string& eol = "\r\n") {
    const auto keys = expectedKeys();
    std::string text = "index: 1" + eol;
    for (std::size_t i = 0; i < values.size(); ++i) {
        text += (i < keys.size() ? keys[i] : "Extra") + ": " + values[i] + eol;
    }
    return text;
}

std::vector<std::string> defaultValueTexts() {
    const Settings d = defaultSettings();
    std::vector<std::string> v;
    for (int i = 0; i < kSettingsCount; ++i) v.push_back(std::to_string(d[i]));
    return v;
}

TEST_F(SettingsFileTest, KeysAreInFileOrder) {
    const auto keys = settingsKeys();
    const auto expected = expectedKeys();
    ASSERT_EQ(keys.size(), 121u);
    ASSERT_EQ(expected.size(), 121u);
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(keys[i], expected[i]) << i;
}

TEST_F(SettingsFileTest, FreshDefaultsFileText) {
    ASSERT_TRUE(writeSettingsFile(file_, defaultSettings()));
    const auto lines = rawLines();
    ASSERT_EQ(lines.size(), 122u);
    const std::vector<std::pair<int, std::string>> expected = {
        {0, "index: 1"},
        {1, "EvenBets: 0"},
        {11, "Single: 0"},
        {12, "WinsPer: 3"},
        {13, "PlayTime: 15"},
        {14, "MinWage: 1"},
        {15, "Acct: 0"},
        {16, "ProgSing: 1"},
        {17, "MultiBet: 0"},
        {18, "ProgMulti: 0"},
        {19, "ConsBetting: 1"},
        {20, "AggrDefault: 0"},
        {21, "ConsDefault: 1"},
        {22, "SpinInt: 3"},
        {23, "cboDozen: 0"},
        {29, "cboSingle: 0"},
        {30, "ProgSingAggcheck1: 1"},
        {37, "ProgSingAggcheck9: 1"},
        {61, "ProgMultiBetConscheck9: 1"},
        {62, "ProgSingAggLowEven: 5"},
        {63, "ProgSingAggHighEven: 6"},
        {75, "ProgSingAggHighSplit: 50"},
        {76, "ProgSingConsLowEven: 6"},
        {89, "ProgSingConsHighSplit: 55"},
        {90, "ProgMultiBetAggLowEven: 4"},
        {104, "ProgMultiBetAggLowSingle: 22"},
        {105, "ProgMultiBetAggHighSingle: 38"},
        {117, "ProgMultiBetConsHighTrio: 43"},
        {121, "ProgMultiBetConsHighSingle: 70"},
    };
    for (const auto& [line, text] : expected) EXPECT_EQ(lines[line], text) << "line " << line;
}

TEST_F(SettingsFileTest, DefaultThresholdTable) {
    const std::vector<std::string> fams = {"Even", "Doz",  "Row",   "Line",
                                           "Corn", "Trio", "Split", "Single"};
    struct Table {
        std::string prefix;
        std::vector<std::pair<int, int>> lowHigh;
    };
    const std::vector<Table> tables = {
        {"ProgSingAgg", {{5, 6}, {5, 7}, {5, 7}, {14, 15}, {29, 30}, {34, 47}, {45, 50}}},
        {"ProgSingCons", {{6, 7}, {9, 11}, {7, 8}, {16, 17}, {32, 34}, {39, 42}, {50, 55}}},
        {"ProgMultiBetAgg",
         {{4, 5}, {6, 8}, {4, 5}, {9, 11}, {10, 12}, {12, 14}, {14, 17}, {22, 38}}},
        {"ProgMultiBetCons",
         {{6, 7}, {9, 11}, {7, 8}, {16, 17}, {32, 34}, {40, 43}, {50, 55}, {60, 70}}},
    };
    ASSERT_TRUE(writeSettingsFile(file_, defaultSettings()));
    const std::string text = readRaw(file_);
    for (const auto& t : tables) {
        for (std::size_t k = 0; k < t.lowHigh.size(); ++k) {
            const auto low = t.prefix + "Low" + fams[k] + ": " + std::to_string(t.lowHigh[k].first);
            const auto high =
                t.prefix + "High" + fams[k] + ": " + std::to_string(t.lowHigh[k].second);
            EXPECT_NE(text.find("\r\n" + low + "\r\n" + high + "\r\n"), std::string::npos) << low;
        }
    }
}

TEST_F(SettingsFileTest, PresetPositions) {
    struct Row {
        Preset preset;
        int family, check, low, high;
    };
    const std::vector<Row> rows = {
        {Preset::SingleAggressive, 0, 29, 61, 62},    {Preset::SingleAggressive, 6, 35, 73, 74},
        {Preset::SingleAggressive, 7, 36, -1, -1},    {Preset::SingleConservative, 0, 37, 75, 76},
        {Preset::SingleConservative, 6, 43, 87, 88},  {Preset::SingleConservative, 7, 44, -1, -1},
        {Preset::MultiAggressive, 0, 45, 89, 90},     {Preset::MultiAggressive, 7, 52, 103, 104},
        {Preset::MultiConservative, 1, 54, 107, 108}, {Preset::MultiConservative, 7, 60, 119, 120},
        {Preset::MultiConservative, 8, -1, -1, -1},   {Preset::SingleAggressive, -1, -1, -1, -1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(r.preset) << "/" << r.family);
        EXPECT_EQ(presetCheckPos(r.preset, r.family), r.check);
        EXPECT_EQ(presetLowPos(r.preset, r.family), r.low);
        EXPECT_EQ(presetHighPos(r.preset, r.family), r.high);
    }
}

struct LoadCase {
    std::string name;
    std::string text;
    std::vector<std::pair<int, std::int32_t>> expect;  // position, value
};

TEST_F(SettingsFileTest, LoadsByPosition) {
    auto with = [](std::vector<std::pair<int, std::string>> changes) {
        auto v = defaultValueTexts();
        for (const auto& [pos, text] : changes) v[pos] = text;
        return v;
    };
    std::string renamed = "index: 1\r\n";
    for (const auto& v : with({{11, "7"}, {14, "250"}})) renamed += "Renamed: " + v + "\r\n";
    std::string withNote = fileText(with({{12, "20"}}));
    withNote.insert(withNote.find("MinWage"), "see index below\r\n");
    const std::vector<LoadCase> cases = {
        {"keys edited, order kept", renamed, {{11, 7}, {14, 250}, {120, 70}}},
        {"true and false in any case",
         fileText(with({{15, "tRUE"}, {16, "  FALSE "}, {17, "True"}, {18, "false"}})),
         {{15, 1}, {16, 0}, {17, 1}, {18, 0}}},
        {"a saved option button", fileText(with({{19, "-1"}, {20, "0"}})), {{19, -1}, {20, 0}}},
        {"Acct beyond 16 bits", fileText(with({{14, "100000"}})), {{14, 100000}}},
        {"Acct at its lower limit", fileText(with({{14, "-2147483648"}})), {{14, -2147483647 - 1}}},
        {"16-bit limits",
         fileText(with({{11, "32767"}, {12, "-32768"}})),
         {{11, 32767}, {12, -32768}}},
        {"sign and blanks", fileText(with({{13, "+7"}, {21, "   5   "}})), {{13, 7}, {21, 5}}},
        {"lines naming index are skipped", withNote, {{12, 20}, {13, 1}, {120, 70}}},
        {"extra lines ignored", fileText(with({})) + "Spare: junk\r\nMore: 1\r\n", {{120, 70}}},
        {"LF line ends", fileText(with({{11, "9"}}), "\n"), {{11, 9}, {120, 70}}},
        {"CR line ends", fileText(with({{11, "8"}}), "\r"), {{11, 8}, {120, 70}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeRaw(c.text);
        const SettingsRead read = readSettingsFile(file_);
        ASSERT_EQ(read.status, SettingsStatus::Loaded) << read.problem;
        for (const auto& [pos, value] : c.expect) EXPECT_EQ(read.values[pos], value) << pos;
    }
}

TEST_F(SettingsFileTest, DamagedFilesAreRefusedWhole) {
    auto with = [](int pos, std::string text) {
        auto v = defaultValueTexts();
        v[pos] = std::move(text);
        return fileText(v);
    };
    auto firstValues = [](std::size_t n) {
        auto v = defaultValueTexts();
        v.resize(n);
        return fileText(v);
    };
    const std::vector<std::pair<std::string, std::string>> cases = {
        {with(13, "abc"), "line 15 (MinWage) holds \"abc\", not a number"},
        {with(11, "40000"),
         "line 13 (WinsPer) holds \"40000\", not a whole number from -32768 "
         "to 32767"},
        {with(14, "3000000000"),
         "line 16 (Acct) holds \"3000000000\", not a whole number from "
         "-2147483648 to 2147483647"},
        {with(12, "3.5"), "line 14 (PlayTime) holds \"3.5\", not a number"},
        {with(0, ""), "line 2 (EvenBets) holds no value"},
        {with(5, "- 1"), "line 7 (Line) holds \"- 1\", not a number"},
        {firstValues(40), "the file holds 40 of its 121 values"},
        {firstValues(120), "the file holds 120 of its 121 values"},
        {"index: 1\r\n", "the file holds 0 of its 121 values"},
        {"", "the file holds 0 of its 121 values"},
    };
    for (const auto& [text, problem] : cases) {
        SCOPED_TRACE(problem);
        writeRaw(text);
        const SettingsRead read = readSettingsFile(file_);
        EXPECT_EQ(read.status, SettingsStatus::Damaged);
        EXPECT_EQ(read.problem, problem);
        for (int i = 0; i < kSettingsCount; ++i) EXPECT_EQ(read.values[i], 0) << i;
    }
}

TEST_F(SettingsFileTest, MissingFile) {
    EXPECT_EQ(readSettingsFile(file_).status, SettingsStatus::Missing);
}

TEST_F(SettingsFileTest, GarbageNeverCrashes) {
    std::mt19937 gen(12345);
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>(gen() & 0xFF);
    const std::string megaLine = "index: 1\r\nEvenBets: " + std::string(1 << 20, '7') + "\r\n";
    std::string megaOk = fileText(defaultValueTexts());
    megaOk += "Tail: " + std::string(1 << 20, 'x') + "\r\n";
    const std::vector<std::pair<std::string, SettingsStatus>> cases = {
        {binary, SettingsStatus::Damaged},
        {std::string(1 << 20, '\0'), SettingsStatus::Damaged},
        {megaLine, SettingsStatus::Damaged},
        {megaOk, SettingsStatus::Loaded},
        {std::string(5000, '\r'), SettingsStatus::Damaged},
        {"index: 1\r\nEvenBets: \x01\xff\r\n", SettingsStatus::Damaged},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        writeRaw(cases[i].first);
        const SettingsRead read = readSettingsFile(file_);
        EXPECT_EQ(read.status, cases[i].second);
        EXPECT_LT(read.problem.size(), 120u);  // a bad value is quoted short
        for (char c : read.problem) EXPECT_TRUE(c >= 0x20 && c < 0x7F);
    }
}

TEST_F(SettingsFileTest, RoundTrip) {
    Settings s = defaultSettings();
    s[EvenBets] = 1;
    s[Acct] = 1234567;
    s[ProgSing] = 0;
    s[ProgMulti] = -1;
    s[CboSingle] = 4;
    s[119] = -32768;
    s[120] = 32767;
    ASSERT_TRUE(writeSettingsFile(file_, s));
    const SettingsRead read = readSettingsFile(file_);
    ASSERT_EQ(read.status, SettingsStatus::Loaded);
    EXPECT_EQ(read.values.values, s.values);
    EXPECT_FALSE(fs::exists(file_.string() + ".bac"));
}

TEST_F(SettingsFileTest, StyleKeysWrittenInPlace) {
    ASSERT_TRUE(writeSettingsFile(file_, defaultSettings()));
    const auto before = rawLines();
    writeStyleKeys(file_, false, true, false);
    const auto after = rawLines();
    ASSERT_EQ(after.size(), 122u);
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i == 16) {
            EXPECT_EQ(after[i], "ProgSing: False");
        } else if (i == 17) {
            EXPECT_EQ(after[i], "MultiBet: True");
        } else if (i == 18) {
            EXPECT_EQ(after[i], "ProgMulti: False");
        } else {
            EXPECT_EQ(after[i], before[i]) << "line " << i;
        }
    }
    const SettingsRead read = readSettingsFile(file_);
    ASSERT_EQ(read.status, SettingsStatus::Loaded);
    EXPECT_EQ(read.values[ProgSing], 0);
    EXPECT_EQ(read.values[MultiBet], 1);
    EXPECT_EQ(read.values[ProgMulti], 0);
    EXPECT_EQ(read.values[ProgSing + 3], 1);  // ConsBetting untouched
}

TEST_F(SettingsFileTest, StyleKeysLeaveAMissingFileMissing) {
    writeStyleKeys(file_, true, false, false);
    EXPECT_FALSE(fs::exists(file_));
}

TEST_F(SettingsFileTest, KeepDamagedMovesTheFileAside) {
    const fs::path bad = dir_ / "settings.txt.bad";
    writeRaw("older damage");
    ASSERT_TRUE(keepDamagedSettings(file_));
    writeRaw("index: 1\r\nEvenBets: x\r\n");
    ASSERT_TRUE(keepDamagedSettings(file_));
    EXPECT_FALSE(fs::exists(file_));
    EXPECT_EQ(readRaw(bad), "index: 1\r\nEvenBets: x\r\n");
    EXPECT_FALSE(keepDamagedSettings(file_));  // nothing left to keep
}

}  // namespace
}  // namespace brisvale
