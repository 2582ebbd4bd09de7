#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "storage/debug_log.hpp"
#include "storage/properties.hpp"
#include "support/files.hpp"

namespace brisvale {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::withBac;
using testing::writeBytes;

class BackupTest : public ::testing::Test {
  protected:
    TempDir dir;
    std::filesystem::path file = dir / "CasinoHistory.dat";
    std::filesystem::path bac = withBac(file);
    DebugLog log{dir / "debug.txt"};
};

// What the older writers' "<file>.bac" leaves, and what recovery at start-up makes of it:
// a whole backup wins over a missing file or a cut-short copy of it; otherwise the file is the
// truth. The backup is gone afterwards either way.
struct RecoveryCase {
    const char* name;
    std::optional<std::string> file;
    std::string backup;
    std::optional<std::string> after;
};

class RecoveryCases : public BackupTest, public ::testing::WithParamInterface<RecoveryCase> {};

TEST_P(RecoveryCases, BackupOfOlderWriters) {
    if (GetParam().file) writeBytes(file, *GetParam().file);
    writeBytes(bac, GetParam().backup);
    recoverBackup(file, &log);
    const auto after =
        std::filesystem::exists(file) ? std::optional(readBytes(file)) : std::nullopt;
    EXPECT_EQ(after, GetParam().after);
    EXPECT_FALSE(std::filesystem::exists(bac));
}

const std::string kWhole = "index: 1\r\na: 7\r\n";
const RecoveryCase kRecoveryCases[] = {
    {"whole_backup_alone", std::nullopt, kWhole, kWhole},
    {"cut_short_backup_alone", std::nullopt, "index: 1\r\na: 7", std::nullopt},
    {"empty_backup_alone", std::nullopt, "", std::nullopt},
    {"copy_cut_short", "index: 1\r\na:", kWhole, kWhole},
    {"copy_done", kWhole, kWhole, kWhole},
    {"unfinished_write", "index: 1\r\na: 1\r\n", "index: 1\r\na: 99\r\nstale: 1\r\n",
     "index: 1\r\na: 1\r\n"},
    {"cut_short_write", "index: 1\r\n", "index: 1\r\na: 7", "index: 1\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Storage, RecoveryCases, ::testing::ValuesIn(kRecoveryCases),
                         testing::CaseName());

// Reads and writes never touch what may be another writer's file in progress; recovery, which
// only the folder's one writer runs, clears the file's own temporary files and nothing else.
TEST_F(BackupTest, OnlyRecoveryClearsLeftovers) {
    writeBytes(file, "index: 1\r\na: 1\r\n");
    const std::vector<std::string> theirs = {"CasinoHistory.dat.tmp-Ab3xYz",
                                             "CasinoHistory.dat.bac"};
    const std::vector<std::string> kept = {"other.txt.tmp-Ab3xYz", "CasinoHistory.dat.tmp-long123",
                                           "CasinoHistory.dat.tmp"};
    for (const auto& name : theirs) writeBytes(dir / name, "index: 1\r\na: 9");
    for (const auto& name : kept) writeBytes(dir / name, "x");
    EXPECT_EQ(GetProperty(1, "a", file), "1");
    EXPECT_TRUE(SetProperty(1, "b", "2", file));
    EXPECT_TRUE(DeleteProperty(1, "b", file));
    EXPECT_TRUE(readLines(file).has_value());
    EXPECT_TRUE(writeLines(file, {"index: 1", "a: 1"}));
    for (const auto& name : theirs) EXPECT_TRUE(std::filesystem::exists(dir / name)) << name;
    recoverBackup(file, &log);
    for (const auto& name : theirs) EXPECT_FALSE(std::filesystem::exists(dir / name)) << name;
    for (const auto& name : kept) EXPECT_TRUE(std::filesystem::exists(dir / name)) << name;
    EXPECT_EQ(readBytes(file), "index: 1\r\na: 1\r\n");
}

// A folder where the file should be gives a read error, not a missing file.
TEST_F(BackupTest, ReadErrorReadsAsEmptyAndWritesFail) {
    std::filesystem::create_directory(file);
    EXPECT_EQ(GetProperty(1, "a", file), "");
    EXPECT_FALSE(SetProperty(1, "a", "1", file));
    EXPECT_FALSE(DeleteProperty(1, "a", file));
    EXPECT_FALSE(readLines(file).has_value());
    EXPECT_TRUE(std::filesystem::is_directory(file));
    EXPECT_FALSE(std::filesystem::exists(bac));
}

TEST_F(BackupTest, UnreadableFileReadsAsEmpty) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop the superuser";
    const std::string before = "index: 1\r\na: 1\r\n";
    writeBytes(file, before);
    std::filesystem::permissions(file, std::filesystem::perms::none);
    EXPECT_EQ(GetProperty(1, "a", file), "");
    EXPECT_FALSE(SetProperty(1, "a", "2", file));
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    EXPECT_EQ(readBytes(file), before);
}

TEST_F(BackupTest, FailedRestoreWritesCopyFileLineWhileLogIsOff) {
    std::filesystem::create_directories(file / "inside");
    writeBytes(bac, "index: 1\r\n");
    ASSERT_FALSE(log.enabled());
    EXPECT_FALSE(RestoreFromBackup(file, &log));
    EXPECT_FALSE(log.enabled());
    const std::string expected = "CopyFile " + std::to_string(EISDIR) + " File: " + file.string();
    EXPECT_EQ(readBytes(log.file()), expected + "\r\n");
}

TEST_F(BackupTest, FailedAtomicWriteLogsAndLeavesNoBackup) {
    std::filesystem::create_directories(file / "inside");
    EXPECT_FALSE(writeFileAtomic(file, "index: 1\r\n", &log));
    const std::string expected = "CopyFile " + std::to_string(EISDIR) + " File: " + file.string();
    EXPECT_EQ(readBytes(log.file()), expected + "\r\n");
    EXPECT_FALSE(std::filesystem::exists(bac));
    EXPECT_TRUE(std::filesystem::exists(file / "inside"));
}

TEST_F(BackupTest, RestoreReplacesTheFile) {
    writeBytes(file, "old\r\n");
    writeBytes(bac, "new\r\n");
    EXPECT_TRUE(RestoreFromBackup(file, &log));
    EXPECT_EQ(readBytes(file), "new\r\n");
    EXPECT_FALSE(std::filesystem::exists(bac));
    EXPECT_FALSE(std::filesystem::exists(log.file()));
}

struct SplitCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

class ReadLinesCases : public BackupTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(ReadLinesCases, SplitsAtEveryLineEnd) {
    writeBytes(file, GetParam().bytes);
    const auto lines = readLines(file);
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, GetParam().lines);
}

const SplitCase kSplitCases[] = {
    {"crlf", "a\r\nb\r\n", {"a", "b"}},
    {"cr", "a\rb\r", {"a", "b"}},
    {"lf", "a\nb\n", {"a", "b"}},
    {"mixed_unended", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
    {"empty_lines", "a\r\n\r\n\n\r", {"a", "", "", ""}},
    {"lf_cr_is_two_ends", "a\n\rb", {"a", "", "b"}},
    {"empty_file", "", {}},
    {"bytes_kept", std::string("\xe9\x80\x00x\r\n", 6), {std::string("\xe9\x80\x00x", 4)}},
};

INSTANTIATE_TEST_SUITE_P(Storage, ReadLinesCases, ::testing::ValuesIn(kSplitCases),
                         testing::CaseName());

TEST_F(BackupTest, ReadLinesOfMissingFileIsNothing) {
    EXPECT_FALSE(readLines(file).has_value());
}

TEST_F(BackupTest, WriteLinesEndsEveryLineWithCrLf) {
    ASSERT_TRUE(writeLines(file, {"index: 1", "", "a: \xe9"}, nullptr, false));
    EXPECT_EQ(readBytes(file), "index: 1\r\n\r\na: \xe9\r\n");
    ASSERT_TRUE(writeLines(file, {}));
    EXPECT_EQ(readBytes(file), "");
    EXPECT_FALSE(std::filesystem::exists(bac));
}

TEST_F(BackupTest, WriteLinesRefusesLineBreaksInsideLines) {
    writeBytes(file, "keep\r\n");
    EXPECT_FALSE(writeLines(file, {"a", "b\nc"}));
    EXPECT_FALSE(writeLines(file, {"a\r"}));
    EXPECT_EQ(readBytes(file), "keep\r\n");
}

TEST_F(BackupTest, RemoveFileTakesItsBackupToo) {
    writeBytes(file, "index: 1\r\n");
    writeBytes(bac, "index: 1\r\na: 1\r\n");
    EXPECT_TRUE(removeFile(file));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(std::filesystem::exists(bac));
    EXPECT_TRUE(removeFile(file)) << "a missing file is already removed";
    std::filesystem::create_directories(file / "inside");
    EXPECT_FALSE(removeFile(file));
}

TEST_F(BackupTest, DebugLogWritesOnlyWhileOnUnlessForced) {
    log.write("quiet");
    EXPECT_FALSE(std::filesystem::exists(log.file()));
    log.forceWrite("forced");
    log.setEnabled(true);
    log.write("loud");
    EXPECT_EQ(readBytes(log.file()), "forced\r\nloud\r\n");
    log.remove();
    EXPECT_FALSE(std::filesystem::exists(log.file()));
    DebugLog nowhere;
    nowhere.forceWrite("dropped");  // no file named: nothing to do, nothing thrown
}

}  // namespace
}  // namespace brisvale
