// SPDX-License-Identifier: GPL-3.0-or-later
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <numeric>
#include <random>
#include <thread>

#include "storage/folder_lock.hpp"
#include "storage/properties.hpp"
#include "support/files.hpp"

extern char** environ;

namespace brisvale::testing {
namespace {

namespace fs = std::filesystem;
using Status = FolderLock::Status;

// A writer killed at random moments: after every kill the file is there, whole, and holds for
// every key its previous value or its new one; the next start clears what the kills left.
using Generations = std::vector<std::int64_t>;
constexpr int kKeys = 20;

// Long enough that a write takes a while; consecutive generations differ in every byte.
std::string valueOf(std::int64_t generation, int key) {
    return std::to_string(generation) + "," +
           std::string(9000, static_cast<char>('a' + (generation * 7 + key) % 26));
}

std::string fileBytes(const Generations& generations) {
    std::string bytes = "index: 1\r\n";
    for (int key = 1; key <= kKeys; ++key)
        bytes += "name" + std::to_string(key) + ": " + valueOf(generations[key - 1], key) + "\r\n";
    return bytes;
}

// Read without the code under test: the writer writes every key at generation g, then at
// g + 1, ..., so the keys read g, ..., g, g - 1, ..., g - 1; nullopt for anything else.
std::optional<Generations> stateOnDisk(const fs::path& path) {
    const std::string bytes = readBytes(path);
    Generations g;
    for (std::size_t pos = 0; g.size() < kKeys; ++pos) {
        if ((pos = bytes.find(": ", bytes.find('\n', pos))) == bytes.npos) return std::nullopt;
        g.push_back(std::atoll(bytes.c_str() + pos + 2));
    }
    const bool ordered = std::ranges::is_sorted(g, std::greater<>()) && g.back() >= g[0] - 1;
    return ordered && bytes == fileBytes(g) ? std::optional(g) : std::nullopt;
}

// As the program starts, and then writes on from where the file stands until it is killed.
[[noreturn]] void writeForEver(const fs::path& path, const Generations& g, bool sync) {
    const FolderLock lock(path.parent_path());
    if (lock.status() != Status::Held) ::_exit(4);
    recoverBackup(path);
    int key = 1;
    while (key <= kKeys && g[key - 1] == g[0]) ++key;
    for (std::int64_t generation = g[0] + (key > kKeys);; ++generation, key = 1) {
        for (key = key > kKeys ? 1 : key; key <= kKeys; ++key)
            if (!SetProperty(1, "name" + std::to_string(key), valueOf(generation, key), path,
                             nullptr, sync))
                ::_exit(3);
    }
}

TEST(CrashTest, KilledWriterLeavesTheOldOrTheNewFile) {
    TempDir dir;
    const fs::path path = dir / "CasinoHistory.dat";
    Generations last(kKeys, 0);
    writeBytes(path, fileBytes(last));
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    // A synced write takes milliseconds, so the pauses reach past that; every other writer
    // skips the syncs, for many more writes (and kill points) per second.
    const auto sum = [](const Generations& g) { return std::accumulate(g.begin(), g.end(), 0LL); };
    for (int kill = 0; kill < 300; ++kill) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) writeForEver(path, last, kill % 2 == 0);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 30000));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "writer ended with " << WEXITSTATUS(status);
        const auto now = stateOnDisk(path);
        ASSERT_TRUE(now && sum(*now) >= sum(last))
            << "damaged or older, kill " << kill << ", seed " << seed;
        last = *now;
    }
    EXPECT_GT(last[0], 0) << "the writer never finished a write";
    const FolderLock lock(dir.path);
    ASSERT_EQ(lock.status(), Status::Held);
    recoverBackup(path);
    EXPECT_EQ(readBytes(path), fileBytes(last));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), {}), 2) << "the file and the lock";
}

// The data folder's lock: one holder at a time, for as long as it lives, and never inherited
// by a program it starts; it and the writes work on descriptor 0 too.

TEST(FolderLock, OneHolderAtATimeNotInheritedByAStartedProgram) {
    TempDir dir;
    FolderLock first(dir.path);
    EXPECT_EQ(first.status(), Status::Held);
    EXPECT_EQ(FolderLock(dir.path).status(), Status::Busy);
    FolderLock moved = std::move(first);
    EXPECT_EQ(FolderLock(dir.path).status(), Status::Busy) << "a moved lock is still held";
    pid_t child = -1;
    char sleep[] = "sleep", seconds[] = "30";
    char* argv[] = {sleep, seconds, nullptr};
    ASSERT_EQ(::posix_spawnp(&child, "sleep", nullptr, nullptr, argv, environ), 0);
    moved = FolderLock();
    // The spawning parent goes on while the child's exec is still closing its descriptors: a
    // lock the child really inherited would stay taken for its 30 seconds.
    for (int i = 0; i < 100 && FolderLock(dir.path).status() != Status::Held; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(FolderLock(dir.path).status(), Status::Held);
    EXPECT_EQ(FolderLock(dir.path).status(), Status::Held) << "a lock ends with its holder";
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(FolderLock(dir / "missing").status(), Status::Unavailable);
    // A program started with its standard input closed gets descriptor 0 for its first file.
    const int saved = ::dup(0);
    ::close(0);
    EXPECT_EQ(FolderLock(dir.path).status(), Status::Held);
    EXPECT_TRUE(SetProperty(1, "a", "1", dir / "f.dat"));
    ::dup2(saved, 0);
    ::close(saved);
}

}  // namespace
}  // namespace brisvale::testing
