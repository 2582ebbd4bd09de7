// SPDX-License-Identifier: GPL-3.0-or-later
// Recording spins at the end of a casino's line: the file reads as SetProperty would leave it,
// and only the first write of a session rewrites the file.

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <random>
#include <thread>

#include "storage/casino_history.hpp"
#include "storage/properties.hpp"
#include "support/files.hpp"

namespace brisvale::testing {
namespace {

ino_t inodeOf(const std::filesystem::path& file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 ? info.st_ino : 0;
}

TEST(HistoryAppender, NewSpinsGoInPlaceAndTheFileReadsAsIfRewritten) {
    TempDir dir;
    const auto file = dir / "CasinoHistory.dat";
    writeBytes(file, "index: 1\r\nname1: A,1,\r\nname2: B,2,\r\nname3: C,3,\r\n");
    const long openBefore = openDescriptors();
    HistoryAppender appender;
    // The first write moves B's line to the end; the spins after it are written in place.
    ASSERT_TRUE(appender.write(file, 2, "B,2,17,"));
    const ino_t moved = inodeOf(file);
    EXPECT_EQ(readBytes(file), "index: 1\r\nname1: A,1,\r\nname3: C,3,\r\nname2: B,2,17,\r\n");
    std::string value = "B,2,17,";
    for (const char* spin : {"4,", "36,", "0,"}) {
        value += spin;
        ASSERT_TRUE(appender.write(file, 2, value));
        EXPECT_EQ(GetProperty(1, "name2", file), value);
    }
    EXPECT_EQ(inodeOf(file), moved) << "written in place";
    EXPECT_EQ(readBytes(file),
              "index: 1\r\nname1: A,1,\r\nname3: C,3,\r\nname2: " + value + "\r\n");
    // A spin taken back (undo) and one that replaces it: the file follows, never appended to a
    // line that does not match.
    ASSERT_TRUE(appender.write(file, 2, "B,2,17,4,36,"));
    ASSERT_TRUE(appender.write(file, 2, "B,2,17,4,36,5,"));
    ASSERT_TRUE(appender.write(file, 2, "B,2,17,4,9,9,"));
    EXPECT_EQ(GetProperty(1, "name2", file), "B,2,17,4,9,9,");
    // Another writer's change (a new file) or another casino: rewritten, nothing lost.
    ASSERT_TRUE(SetProperty(1, "name1", "A,1,5,", file));
    ASSERT_TRUE(appender.write(file, 2, "B,2,17,4,9,9,8,"));
    ASSERT_TRUE(appender.write(file, 3, "C,3,1,"));
    for (const auto& [key, expected] :
         {std::pair{"name1", "A,1,5,"}, {"name2", "B,2,17,4,9,9,8,"}, {"name3", "C,3,1,"}}) {
        EXPECT_EQ(GetProperty(1, key, file), expected);
    }
    EXPECT_EQ(openDescriptors(), openBefore) << "every write closes what it opened";
}

TEST(HistoryAppender, AKeyWrittenTwiceOrAMissingOneIsWrittenAsSetPropertyWould) {
    TempDir dir;
    const auto file = dir / "CasinoHistory.dat";
    const std::string twice = "index: 1\r\nname1: A,1,\r\nname2: B,2,\r\nname1: Old,9,\r\n";
    writeBytes(file, twice);
    HistoryAppender appender;
    ASSERT_TRUE(appender.write(file, 1, "A,1,3,"));
    ASSERT_TRUE(appender.write(file, 1, "A,1,3,4,"));
    EXPECT_EQ(readBytes(file), "index: 1\r\nname1: A,1,3,4,\r\nname2: B,2,\r\nname1: Old,9,\r\n");
    ASSERT_TRUE(appender.write(file, 4, "D,"));
    ASSERT_TRUE(appender.write(file, 4, "D,7,"));
    EXPECT_EQ(GetProperty(1, "name4", file), "D,7,");
    EXPECT_EQ(GetProperty(1, "name1", file), "A,1,3,4,");
}

// What `write` returns while files may not grow past `bytes`: a longer write fails as on a full
// disk.
bool withFileSizeLimit(rlim_t bytes, const std::function<bool()>& write) {
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    const sighandler_t handler = ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, before.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const bool written = write();
    ::setrlimit(RLIMIT_FSIZE, &before);
    ::signal(SIGXFSZ, handler);
    return written;
}

TEST(HistoryAppender, AWriteThatFailsSaysSoAndLeavesTheFileAsItWas) {
    TempDir dir;
    const auto file = dir / "CasinoHistory.dat";
    const std::string start = "index: 1\r\nname1: A,1,\r\nname2: B,2,\r\n";
    writeBytes(file, start);
    HistoryAppender appender;
    // The first write of a session rewrites the file, which has no room to grow.
    EXPECT_FALSE(
        withFileSizeLimit(start.size(), [&] { return appender.write(file, 1, "A,1,17,"); }));
    EXPECT_EQ(readBytes(file), start);
    ASSERT_TRUE(appender.write(file, 1, "A,1,17,"));
    const std::string written = readBytes(file);
    // Later spins go in place, where the file has no room either.
    EXPECT_FALSE(
        withFileSizeLimit(written.size(), [&] { return appender.write(file, 1, "A,1,17,4,"); }));
    EXPECT_EQ(readBytes(file), written);
    // With room again the spin is recorded after the line as the file holds it.
    ASSERT_TRUE(appender.write(file, 1, "A,1,17,4,"));
    EXPECT_EQ(readBytes(file), "index: 1\r\nname2: B,2,\r\nname1: A,1,17,4,\r\n");
}

// The spins 0, 1, 2, ... (modulo 37) after the name: what the killed recorder below writes.
std::string spinsLine(std::size_t count) {
    std::string value = "B,";
    for (std::size_t i = 0; i < count; ++i) value += std::to_string(i % 37) + ",";
    return value;
}

// A recorder killed at random moments: each start rewrites the file once, then records in
// place. After every kill the file holds the other casinos as they were and every spin recorded
// so far, in order, and never a part of one.
TEST(HistoryAppender, AKilledRecorderLosesNoSpinAndTearsNone) {
    TempDir dir;
    const auto file = dir / "CasinoHistory.dat";
    writeBytes(file, "index: 1\r\nname1: A,1,\r\nname2: B,\r\nname3: C,3,\r\n");
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::size_t recorded = 0;
    for (int kill = 0; kill < 60; ++kill) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            HistoryAppender appender;
            std::string value = GetProperty(1, "name2", file);
            for (auto n = static_cast<std::size_t>(std::ranges::count(value, ',') - 1);; ++n) {
                value += std::to_string(n % 37) + ",";
                if (!appender.write(file, 2, value)) ::_exit(3);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the recorder ended with " << WEXITSTATUS(status);
        const std::string value = GetProperty(1, "name2", file);
        std::size_t count = 0;
        while (spinsLine(count).size() < value.size()) ++count;
        ASSERT_EQ(value, spinsLine(count)) << "kill " << kill << ", seed " << seed;
        ASSERT_GE(count, recorded) << "kill " << kill << ", seed " << seed;
        recorded = count;
        ASSERT_EQ(GetProperty(1, "name1", file), "A,1,");
        ASSERT_EQ(GetProperty(1, "name3", file), "C,3,");
    }
    EXPECT_GT(recorded, 0u) << "no spin was ever recorded";
}

}  // namespace
}  // namespace brisvale::testing
