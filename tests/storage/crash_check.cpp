// Kills the crash writer at random moments and checks after every kill that the file is there,
// whole, and holds for every key either its previous value or its new one.

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <numeric>
#include <random>
#include <thread>

#include <gtest/gtest.h>

#include "storage/crash_values.hpp"
#include "storage/folder_lock.hpp"
#include "storage/properties.hpp"
#include "support/files.hpp"

extern char** environ;

namespace brisvale {
namespace {

using namespace crashtest;

constexpr int kKills = 300;

// The generations of the file as it is on disk, parsed without the code under test. nullopt
// unless the file is exactly what the writer writes for some generations.
std::optional<std::vector<std::int64_t>> stateOnDisk(const std::filesystem::path& path) {
    if (!std::filesystem::is_regular_file(path)) return std::nullopt;
    const std::string bytes = testing::readBytes(path);
    std::vector<std::int64_t> generations;
    std::size_t pos = 0;
    for (int key = 1; key <= kKeys; ++key) {
        pos = bytes.find("\r\n" + keyName(key) + ": ", pos);
        if (pos == bytes.npos) return std::nullopt;
        pos += 2 + keyName(key).size() + 2;
        const auto generation = generationOf(std::string_view(bytes).substr(pos, 24));
        if (!generation) return std::nullopt;
        generations.push_back(*generation);
    }
    if (bytes != fileBytes(generations)) return std::nullopt;
    return generations;
}

pid_t startWriter(const std::filesystem::path& path, bool sync) {
    std::string program = CRASH_WRITER;
    std::string file = path.string();
    std::string noSync = "--no-sync";
    char* argv[] = {program.data(), file.data(), sync ? nullptr : noSync.data(), nullptr};
    pid_t pid = -1;
    if (::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) return -1;
    return pid;
}

TEST(CrashTest, KilledWriterLeavesTheOldOrTheNewFile) {
    testing::TempDir dir;
    const auto path = dir / "CasinoHistory.dat";
    std::vector<std::int64_t> last(kKeys, 0);
    testing::writeBytes(path, fileBytes(last));

    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    // The writer needs a few milliseconds to start and a synced write takes about as long
    // again, so the pauses reach past that; every other round writes unsynced and quickly.
    std::uniform_int_distribution<int> pauseUs(0, 30000);
    int kills = 0, failures = 0, leftovers = 0;
    for (int round = 0; round < kKills; ++round) {
        const pid_t pid = startWriter(path, round % 2 == 0);
        ASSERT_GT(pid, 0) << "cannot start " << CRASH_WRITER;
        std::this_thread::sleep_for(std::chrono::microseconds(pauseUs(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ++kills;
        if (!WIFSIGNALED(status)) {
            ++failures;
            ADD_FAILURE() << "writer ended by itself, status " << status << ", kill " << kills;
            break;
        }
        for (const auto& entry : std::filesystem::directory_iterator(dir.path)) {
            leftovers += entry.path().filename().string().starts_with("CasinoHistory.dat.tmp-");
        }
        const auto now = stateOnDisk(path);
        const bool sound = now && isWriterOrder(*now) &&
                           std::accumulate(now->begin(), now->end(), std::int64_t{0}) >=
                               std::accumulate(last.begin(), last.end(), std::int64_t{0});
        if (!sound) {
            ++failures;
            ADD_FAILURE() << "damaged or older file after kill " << kills;
            break;
        }
        last = *now;
    }
    const std::int64_t writes = std::accumulate(last.begin(), last.end(), std::int64_t{0});
    std::printf("kills: %d, failures: %d, seed: %u, writes seen: %lld, temporary files left: %d\n",
                kills, failures, seed, static_cast<long long>(writes), leftovers);
    EXPECT_EQ(kills, kKills);
    EXPECT_EQ(failures, 0);
    EXPECT_GT(writes, 0) << "the writer never finished a write";
    // The next start clears what the kills left and sees the file as it was.
    const FolderLock lock(dir.path);
    ASSERT_EQ(lock.status(), FolderLock::Status::Held);
    recoverBackup(path);
    EXPECT_EQ(GetProperty(1, keyName(kKeys), path), valueOf(last.back(), kKeys));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 2)
        << "only the file and the lock file";
}

}  // namespace
}  // namespace brisvale
