// The properties store against a model of its lines: random files (every line end, keys
// that share a prefix, sections, foreign lines) under random sets and deletes read back what
// was written and keep every other byte.

#include "storage/properties.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <random>

#include "support/files.hpp"
#include "support/properties_model.hpp"

namespace brisvale::testing {
namespace {

namespace fs = std::filesystem;

TEST(Properties, RandomSetsAndDeletesMatchTheModel) {
    const std::vector<std::string> texts = {"index: 1",    "index: 2",  "index: 10", "index: 1x",
                                            "name1: a",    "name10: b", "name: 1",   "a: index 5",
                                            "x: name1: d", " name1: e", "k:v",       "",
                                            "\xe9\x80 b"},
                                   ends = {"\r\n", "\r", "\n", ""},
                                   keys = {"name1", "name10", "name", "a",
                                           "k",     "index",  "a:b",  "x\r"},
                                   values = {"1", "", "index: 1", " v w\t", "name1: z", "b\nc"};
    std::mt19937 random(11);
    const auto pick = [&](const std::vector<std::string>& pool) {
        return pool[random() % pool.size()];
    };
    for (int round = 0; round < 120; ++round) {
        TempDir dir;
        const fs::path file = dir / "f.dat";
        std::string bytes;
        for (int n = round % 6 ? static_cast<int>(random() % 8) : 0; n > 0; --n) {
            bytes += pick(texts) + pick(ends);
        }
        auto model = PropertiesModel::parse(bytes, round % 6 != 0);
        if (model.exists) writeBytes(file, bytes);
        for (int op = 0; op < 12; ++op) {
            const std::string key = pick(keys), value = pick(values);
            const int index = 1 + static_cast<int>(random() % 2);
            const bool validKey = PropertiesModel::writableKey(key);
            if (random() % 2 == 0) {
                const bool valid = validKey && value.find('\n') == value.npos;
                ASSERT_EQ(SetProperty(index, key, value, file, nullptr, false), valid) << key;
                if (valid) model.set(index, key, value);
            } else {
                ASSERT_EQ(DeleteProperty(index, key, file), validKey) << key;
                if (validKey) model.erase(index, key);
            }
            ASSERT_EQ(FileExists(file), model.exists);
            if (!model.exists) continue;
            ASSERT_EQ(readBytes(file), model.bytes()) << "round " << round << ", op " << op;
            std::vector<std::string> lines;
            for (const auto& line : model.lines) lines.push_back(line.text);
            ASSERT_EQ(readLines(file), lines);
            for (const std::string k : {"name1", "name10", "name", "a", "k"}) {
                for (int i : {1, 2, -99}) ASSERT_EQ(GetProperty(i, k, file), model.get(i, k)) << k;
            }
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
    EXPECT_EQ(readBytes(file), "index: 3\r\nEven: 1,2,4,Q\r\n");
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(file, perms);
    ASSERT_TRUE(SetProperty(1, "a", "2", file));
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, perms);
    EXPECT_FALSE(SetProperty(1, "a", "1", dir / "none" / "f.dat"));
    fs::create_directories(folder / "inside");
    fs::create_symlink("loop", folder / "loop");
    for (const fs::path& unreadable : {folder, folder / "loop"}) {
        EXPECT_EQ(GetProperty(1, "a", unreadable), "");
        EXPECT_FALSE(SetProperty(1, "a", "1", unreadable) || DeleteProperty(1, "a", unreadable));
    }
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
    const std::tuple<Text, std::string, Text> rows[] = {
        {std::nullopt, whole, whole},
        {std::nullopt, "index: 1\r\na: 7", std::nullopt},
        {"index: 1\r\na:", whole, whole},
        {"index: 1\r\na: 1\r\n", whole + "b: 1\r\n", "index: 1\r\na: 1\r\n"},
        {"index: 1\r\n", "index: 1\r\na: 7", "index: 1\r\n"}};
    for (const auto& [before, backup, after] : rows) {
        TempDir dir;
        const fs::path file = dir / "H.dat";
        if (before) writeBytes(file, *before);
        writeBytes(withBac(file), backup);
        for (const auto& name :
             {own, std::string("x.dat.tmp-Ab3xYz"), std::string("H.dat.tmp-long123")})
            writeBytes(dir / name, "index: 1\r\na: 9");
        (void)GetProperty(1, "a", file);
        EXPECT_TRUE(fs::exists(dir / own));
        recoverBackup(file);
        EXPECT_EQ(FileExists(file) ? Text(readBytes(file)) : std::nullopt, after);
        EXPECT_FALSE(fs::exists(withBac(file)) || fs::exists(dir / own));
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), {}), after ? 3 : 2);
    }
    TempDir dir;
    writeBytes(dir / "f", "a\r\n");
    writeBytes(withBac(dir / "f"), "b\r\n");
    EXPECT_TRUE(removeFile(dir / "f"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), {}), 0);
}

}  // namespace
}  // namespace brisvale::testing
