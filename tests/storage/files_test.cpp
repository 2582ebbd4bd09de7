// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cerrno>
#include <limits>
#include <map>
#include <numeric>
#include <random>
#include <set>

#include "storage/casino_history.hpp"
#include "storage/properties.hpp"
#include "storage/settings_file.hpp"
#include "storage/spin_file.hpp"
#include "support/files.hpp"
#include "support/properties_model.hpp"

namespace brisvale::testing {
namespace {

namespace fs = std::filesystem;

// The properties store against a model of its lines: random files (every line end, keys
// that share a prefix, sections, foreign lines) under random sets and deletes read back what
// was written and keep every other byte.

TEST(Properties, RandomSetsAndDeletesMatchTheModel) {
    // clang-format off
    const std::vector<std::string> texts = {"index: 1", "index: 2", "index: 10", "index: 1x", "name1: a", "name10: b",
        "name: 1", "a: index 5", "x: name1: d", " name1: e", "k:v", "", "\xe9\x80 b"}, ends = {"\r\n", "\r", "\n", ""},
        keys = {"name1", "name10", "name", "a", "k", "index", "a:b", "x\r"}, values = {"1", "", "index: 1", " v w\t", "name1: z", "b\nc"};
    // clang-format on
    std::mt19937 random(11);
    const auto pick = [&](const std::vector<std::string>& p) { return p[random() % p.size()]; };
    for (int round = 0; round < 120; ++round) {
        TempDir dir;
        const fs::path file = dir / "f.dat";
        std::string bytes;
        for (int n = round % 6 ? static_cast<int>(random() % 8) : 0; n > 0; --n)
            bytes += pick(texts) + pick(ends);
        auto model = PropertiesModel::parse(bytes, round % 6 != 0);
        if (model.exists) writeBytes(file, bytes);
        for (int op = 0; op < 12; ++op) {
            const std::string key = pick(keys), value = pick(values);
            const int index = 1 + static_cast<int>(random() % 2);
            const bool set = random() % 2 == 0, oneLine = value.find('\n') == value.npos;
            const bool valid = PropertiesModel::writableKey(key) && (oneLine || !set);
            ASSERT_EQ(set ? SetProperty(index, key, value, file, nullptr, false)
                          : DeleteProperty(index, key, file),
                      valid);
            if (valid) set ? model.set(index, key, value) : model.erase(index, key);
            ASSERT_EQ(FileExists(file), model.exists);
            if (!model.exists) continue;
            ASSERT_EQ(readBytes(file), model.bytes()) << "round " << round << ", op " << op;
            std::vector<std::string> lines;
            for (const auto& line : model.lines) lines.push_back(line.text);
            ASSERT_EQ(readLines(file), lines);
            for (const std::string k : {"name1", "name10", "name", "a", "k"})
                for (int i : {1, 2, -99}) ASSERT_EQ(GetProperty(i, k, file), model.get(i, k)) << k;
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), {}), model.exists ? 1 : 0)
            << "a write left a file behind";
    }
}

// The file is replaced whole or not at all and keeps its permissions; what cannot be read is
// never taken for a missing file.
TEST(Properties, WritesAreAtomic) {
    TempDir dir;
    const fs::path file = dir / "f.dat", folder = dir / "folder";
    ASSERT_TRUE(SetProperty(3, "Even", "1,2,4,Q", file));
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(file, perms);
    ASSERT_TRUE(SetProperty(1, "a", "2", file));
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, perms);
    EXPECT_FALSE(SetProperty(1, "a", "1", dir / "none" / "f.dat"));
    fs::create_directories(folder / "inside");
    fs::create_symlink("loop", folder / "loop");
    for (const fs::path& unreadable : {folder, folder / "loop"})
        EXPECT_FALSE(GetProperty(1, "a", unreadable) != "" ||
                     SetProperty(1, "a", "1", unreadable) || DeleteProperty(1, "a", unreadable));
    // A file whose size is not known before it is read, as under /proc, is read whole.
    EXPECT_GT(readLines("/proc/self/status").value().size(), 1u);
    EXPECT_FALSE(writeLines(file, {"a", "b\nc"}));
    EXPECT_EQ(readBytes(file), "index: 3\r\nEven: 1,2,4,Q\r\na: 2\r\n");
    writeBytes(file, "\rk: 1\r\n\na: 2\r\n");  // the lone CR and the LF stay two line ends
    ASSERT_TRUE(DeleteProperty(1, "k", file));
    EXPECT_EQ(readBytes(file), "\r\n\na: 2\r\n");
    // The failed rename is logged although the log is off; other lines only while it is on.
    DebugLog log(dir / "debug.txt");
    EXPECT_FALSE(writeFileAtomic(folder, "x\r\n", &log));
    log.write("quiet");
    log.setEnabled(true);
    log.write("loud");
    EXPECT_EQ(readBytes(log.file()),
              "CopyFile " + std::to_string(EISDIR) + " File: " + folder.string() + "\r\nloud\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), {}), 3);
}

// What a killed writer of older versions left: a whole "<file>.bac" wins over a missing file or
// a cut-short copy of it, otherwise the file stands. Only recovery, which the folder's one writer
// runs, clears the file's own temporary files; a read leaves them, and every other file, alone.
TEST(Properties, RecoveryOfLeftovers) {
    using Text = std::optional<std::string>;
    const std::string whole = "index: 1\r\na: 7\r\n", own = "H.dat.tmp-Ab3xYz";
    // clang-format off
    const std::tuple<Text, std::string, Text> rows[] = {{std::nullopt, whole, whole},
        {std::nullopt, "index: 1\r\na: 7", std::nullopt}, {"index: 1\r\na:", whole, whole},
        {"index: 1\r\na: 1\r\n", whole + "b: 1\r\n", "index: 1\r\na: 1\r\n"}, {"index: 1\r\n", "index: 1\r\na: 7", "index: 1\r\n"}};
    // clang-format on
    for (const auto& [before, backup, after] : rows) {
        TempDir dir;
        const fs::path file = dir / "H.dat";
        if (before) writeBytes(file, *before);
        writeBytes(withBac(file), backup);
        for (const char* name : {"H.dat.tmp-Ab3xYz", "x.dat.tmp-Ab3xYz", "H.dat.tmp-long123"})
            writeBytes(dir / name, "index: 1\r\na: 9");
        (void)GetProperty(1, "a", file);
        EXPECT_TRUE(fs::exists(dir / own));
        recoverBackup(file);
        EXPECT_EQ(FileExists(file) ? Text(readBytes(file)) : std::nullopt, after);
        EXPECT_FALSE(fs::exists(withBac(file)) || fs::exists(dir / own));
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), {}), after ? 3 : 2);
        writeBytes(withBac(file), "index: 1\r\n");  // deleting takes the backup along
        EXPECT_TRUE(removeFile(file));
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), {}), 2);
    }
}

// The settings file: read by position, refused whole when damaged, and whatever is written
// reads back.
using Int = std::numeric_limits<std::int32_t>;

TEST(SettingsFile, ValuesReadBack) {
    TempDir dir;
    const fs::path file = dir / "settings.txt";
    Settings s;  // every value its own, the ends of the ranges among them
    for (int pos = 0; pos < kSettingsCount; ++pos) s[pos] = pos % 2 ? 32768 - pos : pos - 32768;
    for (const std::int32_t acct : {Int::min(), Int::max()}) {
        s[Acct] = acct;
        ASSERT_TRUE(writeSettingsFile(file, s));
        const SettingsRead read = readSettingsFile(file);
        ASSERT_EQ(read.status, SettingsStatus::Loaded) << read.problem;
        EXPECT_EQ(read.values.values, s.values);
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
    for (int t = 0; t < 4; ++t)
        for (int family = -1; family <= 8; ++family) {
            const auto preset = static_cast<Preset>(t);
            const int check = presetCheckPos(preset, family), low = presetLowPos(preset, family);
            EXPECT_EQ(low >= 0, check >= 0 && (t >= 2 || family < 7)) << t << "/" << family;
            EXPECT_EQ(presetHighPos(preset, family), low < 0 ? -1 : low + 1);
            EXPECT_TRUE((check < 0 || d[check] == 1) && (low < 0 || d[low] <= d[low + 1]));
            if (check >= 0) taken.insert(check);
            if (low >= 0) taken.insert({low, low + 1});
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
    const Settings d = defaultSettings();
    for (int pos = 0; pos < count; ++pos)
        text += "k: " + (edits.contains(pos) ? edits[pos] : std::to_string(d[pos])) + "\r\n";
    return text;
}

TEST(SettingsFile, ReadByPositionOrRefusedWhole) {
    const std::string range = ", not a whole number from -32768 to 32767";
    // The text, a position and its value read, the problem (empty: the file loads).
    const std::tuple<std::string, int, std::int32_t, std::string> rows[] = {
        // clang-format off
        {settingsText({{15, "tRUE"}, {16, " FALSE "}}), 15, 1, ""}, {settingsText({{16, "\tFalse"}}), 16, 0, ""},
        {settingsText({{13, "+7"}}), 13, 7, ""}, {settingsText({{12, "20\r\nindexed: x"}}), 12, 20, ""},
        {settingsText({}) + "Spare: junk\r\n", 120, 70, ""}, {"", 0, 0, "the file holds 0 of its 121 values"},
        {settingsText({{13, "abc"}}), 0, 0, "line 15 (MinWage) holds \"abc\", not a number"},
        {settingsText({{11, "40000"}}), 0, 0, "line 13 (WinsPer) holds \"40000\"" + range},
        {settingsText({{12, "-32769"}}), 0, 0, "line 14 (PlayTime) holds \"-32769\"" + range},
        {settingsText({{Acct, "3000000000"}}), 0, 0,
         "line 16 (Acct) holds \"3000000000\", not a whole number from -2147483648 to 2147483647"},
        {settingsText({{0, ""}}), 0, 0, "line 2 (EvenBets) holds no value"},
        {settingsText({{0, "\x01" + std::string(30, 'x')}}), 0, 0,
         "line 2 (EvenBets) holds \"?" + std::string(23, 'x') + "...\", not a number"},
        {settingsText({}, 120), 0, 0, "the file holds 120 of its 121 values"},
        // clang-format on
    };
    TempDir dir;
    const fs::path file = dir / "settings.txt";
    for (const auto& [text, pos, value, problem] : rows) {
        writeBytes(file, text);
        const SettingsRead read = readSettingsFile(file);
        EXPECT_EQ(
            std::tuple(read.problem, read.status, read.values[pos], read.values[120]),
            std::tuple(problem, problem.empty() ? SettingsStatus::Loaded : SettingsStatus::Damaged,
                       value, problem.empty() ? 70 : 0));
        EXPECT_EQ(read.values.values == Settings().values, !problem.empty()) << "half applied";
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
    lines[ProgSing + 1] = "ProgSing: False", lines[MultiBet + 1] = "MultiBet: True";
    lines[ProgMulti + 1] = "ProgMulti: False";
    EXPECT_EQ(readLines(file), lines);
    writeBytes(dir / "settings.txt.bad", "older");
    writeBytes(file, "index: 1\r\nEvenBets: x\r\n");
    ASSERT_TRUE(keepDamagedSettings(file));
    EXPECT_EQ(readBytes(dir / "settings.txt.bad"), "index: 1\r\nEvenBets: x\r\n");
    EXPECT_FALSE(fs::exists(file) || keepDamagedSettings(file));
}

// The casino lines of the history file, and spin files moving spins in and out of it.
// Listed whatever their keys, added after the highest, deleted without touching any other
// byte; only the run of keys right after the deleted one moves down.
TEST(CasinoHistory, ListAddAndDelete) {
    // The file, the keys listed, the key deleted, the file after and the key a new casino gets.
    const std::tuple<std::string, std::vector<int>, int, std::string, int> rows[] = {
        // clang-format off
        {"index: 1\r\nname1: A,\r\nname3: C,4,\r\n", {1, 3}, 1, "index: 1\r\nname3: C,4,\r\n", 4},
        {"index: 1\r\nname1: A,\r\nname2: B,\r\nname3: C,\r\nname5: E,\r\n", {1, 2, 3, 5}, 2,
         "index: 1\r\nname1: A,\r\nname2: C,\r\nname5: E,\r\n", 6},
        {"junk\r\nindex: 1\nname2:  B, \rname10: J,\r\nforeign: x\r\nname1: A,\r\nname3: C",
         {1, 2, 3, 10}, 1, "junk\r\nindex: 1\nname1:  B, \rname10: J,\r\nforeign: x\r\nname2: C", 11},
        {"index: 1\r\nname1: A,\r\nname1: A2,\r\nname2: B,\r\n", {1, 2}, 1, "index: 1\r\nname1: B,\r\n", 2},
        {"index: 1\r\nname01: Z,\r\nname0: Y,\r\nnameX: Q,\r\nname1: A,\r\n", {1}, 1,
         "index: 1\r\nname01: Z,\r\nname0: Y,\r\nnameX: Q,\r\n", 1},
        {"name1: Pre,\r\nindex: 1\r\nname1: A,\r\n", {1}, 1, "name1: Pre,\r\nindex: 1\r\n", 1},
        {"index: 1\r\n\rname1: A,\r\n\nname3: C,\r\n", {1, 3}, 1, "index: 1\r\n\r\n\nname3: C,\r\n", 4},
        {"index: 1\r\nname2: B,\r\n", {2}, 7, "index: 1\r\nname2: B,\r\n", 3},
        // clang-format on
    };
    TempDir dir;
    const auto file = dir / "CasinoHistory.dat";
    for (const auto& [text, keys, deleted, after, next] : rows) {
        SCOPED_TRACE(text);
        writeBytes(file, text);
        std::vector<int> listed;
        for (const CasinoLine& line : readCasinos(file).value_or(std::vector<CasinoLine>{}))
            listed.push_back(line.key);
        EXPECT_EQ(listed, keys);
        ASSERT_TRUE(deleteCasino(file, deleted));
        EXPECT_EQ(readBytes(file), after);
        EXPECT_EQ(addCasino(file, " New, "), next);
        EXPECT_EQ(readCasinos(file)->back(), (CasinoLine{next, "New,"}));
    }
    writeBytes(file, "index: 1\r\nname999999999: Z,\r\n");
    EXPECT_EQ(addCasino(file, "A,"), std::nullopt) << "no key after the highest";
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    EXPECT_EQ(readCasinos(file), std::nullopt);
    EXPECT_FALSE(deleteCasino(file, 1));
}

TEST(SpinFile, WrittenSpinsReadBackAndBadEntriesAreNamed) {
    std::vector<int> all(37);
    std::iota(all.begin(), all.end(), 0);
    EXPECT_EQ(std::get<std::vector<int>>(parseSpinFile(formatSpinFile(all))), all);
    EXPECT_EQ(formatSpinFile(std::vector{0, 36}), "number\r\n0\r\n36\r\n");
    // clang-format off
    const std::tuple<std::string, std::vector<int>, int, int, std::string> rows[] = {
        {"17", {17}, 0, 0, ""}, {"spin\n1, 2;3\t4  5\r6\r\n\n7", {1, 2, 3, 4, 5, 6, 7}, 0, 0, ""},
        {"\xEF\xBB\xBFnumber\n07\n", {7}, 0, 0, ""}, {"\xEF\xBB\xBF" "5,6", {5, 6}, 0, 0, ""},
        {"number\r\n", {}, 0, 0, ""}, {"1,00,2", {}, 1, 3, "00"}, {"number\n5\n 37", {}, 3, 2, "37"},
        {"-1", {}, 1, 1, "-1"}, {"4;1.5", {}, 1, 3, "1.5"}, {"10\n# a header only first", {}, 2, 1, "#"},
        {std::string(100, '7'), {}, 1, 1, "777777777777..."}, {"1,\x01\x7fz", {}, 1, 3, "??z"}};
    // clang-format on
    for (const auto& [text, spins, line, column, entry] : rows) {
        const auto result = parseSpinFile(text);
        const auto* read = std::get_if<std::vector<int>>(&result);
        const auto e = read ? SpinFileError{} : std::get<SpinFileError>(result);
        EXPECT_EQ(std::tie(read ? *read : spins, e.line, e.column, e.entry),
                  std::tie(spins, line, column, entry))
            << text;
    }
    // The messages made of these: see the console's import tests.
}

}  // namespace
}  // namespace brisvale::testing
