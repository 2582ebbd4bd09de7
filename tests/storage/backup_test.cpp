#include <unistd.h>

#include <cerrno>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "storage/debug_log.hpp"
#include "storage/properties.hpp"
#include "storage/test_files.hpp"

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

// A backup with no file beside it is what a crash during the first write of a file leaves;
// every entry point puts it in place before doing its own work.
struct RecoveryCase {
    const char* name;
    std::function<void(const std::filesystem::path&, const DebugLog&)> operation;
    std::string after;
};

class RecoveryCases : public BackupTest, public ::testing::WithParamInterface<RecoveryCase> {};

TEST_P(RecoveryCases, WholeBackupWithoutFileIsRecovered) {
    writeBytes(bac, "index: 1\r\na: 7\r\n");
    GetParam().operation(file, log);
    EXPECT_EQ(readBytes(file), GetParam().after);
    EXPECT_FALSE(std::filesystem::exists(bac));
}

const RecoveryCase kRecoveryCases[] = {
    {"get", [](const auto& p, const auto& l) { EXPECT_EQ(GetProperty(1, "a", p, &l), "7"); },
     "index: 1\r\na: 7\r\n"},
    {"set", [](const auto& p, const auto& l) { EXPECT_TRUE(SetProperty(1, "b", "8", p, &l)); },
     "index: 1\r\na: 7\r\nb: 8\r\n"},
    {"delete", [](const auto& p, const auto& l) { EXPECT_TRUE(DeleteProperty(1, "a", p, &l)); },
     "index: 1\r\n"},
    {"read_lines",
     [](const auto& p, const auto& l) {
         const auto lines = readLines(p, &l);
         ASSERT_TRUE(lines.has_value());
         EXPECT_EQ(*lines, (std::vector<std::string>{"index: 1", "a: 7"}));
     },
     "index: 1\r\na: 7\r\n"},
    {"recover", [](const auto& p, const auto& l) { recoverBackup(p, &l); }, "index: 1\r\na: 7\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Storage, RecoveryCases, ::testing::ValuesIn(kRecoveryCases),
                         testing::CaseName());

TEST_F(BackupTest, CutShortBackupWithoutFileIsDiscarded) {
    for (const std::string partial : {"index: 1\r\na: 7", "index: 1\r\na: 7\r", "", "\n"}) {
        writeBytes(bac, partial);
        EXPECT_EQ(GetProperty(1, "a", file), "!") << partial;
        EXPECT_FALSE(std::filesystem::exists(file)) << partial;
        EXPECT_FALSE(std::filesystem::exists(bac)) << partial;
    }
}

// Beside an intact file the backup is an unfinished write and must never reach the file.
TEST_F(BackupTest, BackupBesideIntactFileIsDiscarded) {
    writeBytes(file, "index: 1\r\na: 1\r\n");
    writeBytes(bac, "index: 1\r\na: 99\r\nstale: 1\r\n");
    ASSERT_TRUE(SetProperty(1, "b", "2", file));
    EXPECT_EQ(readBytes(file), "index: 1\r\na: 1\r\nb: 2\r\n");
    EXPECT_FALSE(std::filesystem::exists(bac));

    writeBytes(bac, "index: 1\r\na: 99\r\n");
    EXPECT_EQ(GetProperty(1, "a", file), "1");
    EXPECT_FALSE(std::filesystem::exists(bac));
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

namespace brisvale {
namespace {

// A reader that must not write (another program may be writing the file) leaves every
// backup alone, and reads a whole one in place of a missing file, as recovery would.
TEST_F(BackupTest, ReadsWithoutRecoveryWriteNothing) {
    writeBytes(bac, "index: 1\r\nname1: A,3,\r\n");
    EXPECT_EQ(GetProperty(1, "name1", file, &log, false), "A,3,");
    EXPECT_EQ(GetPropertySeries(1, "name", file, &log, false)->size(), 1u);
    EXPECT_EQ(readLines(file, &log, false)->size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(file));
    writeBytes(file, "index: 1\r\nname1: B,\r\n");
    EXPECT_EQ(GetProperty(1, "name1", file, &log, false), "B,") << "the file is the truth";
    EXPECT_EQ(readBytes(bac), "index: 1\r\nname1: A,3,\r\n") << "an unfinished write stays";
}

}  // namespace
}  // namespace brisvale
