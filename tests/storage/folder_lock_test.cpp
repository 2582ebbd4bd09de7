// The data folder's lock: one holder at a time, for as long as it lives, and never inherited
// by a program it starts.

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include "storage/folder_lock.hpp"
#include "support/files.hpp"

extern char** environ;

namespace brisvale::testing {
namespace {

using Status = FolderLock::Status;

TEST(FolderLock, OneHolderAtATime) {
    TempDir dir;
    FolderLock first(dir.path);
    EXPECT_EQ(first.status(), Status::Held);
    EXPECT_EQ(FolderLock(dir.path).status(), Status::Busy);
    FolderLock moved = std::move(first);
    EXPECT_EQ(FolderLock(dir.path).status(), Status::Busy) << "a moved lock is still held";
    moved = FolderLock();
    EXPECT_EQ(FolderLock(dir.path).status(), Status::Held);
    EXPECT_EQ(FolderLock(dir / "missing").status(), Status::Unavailable);
}

TEST(FolderLock, AStartedProgramDoesNotKeepIt) {
    TempDir dir;
    pid_t child = -1;
    {
        FolderLock lock(dir.path);
        ASSERT_EQ(lock.status(), Status::Held);
        char sleep[] = "sleep", seconds[] = "30";
        char* argv[] = {sleep, seconds, nullptr};
        ASSERT_EQ(::posix_spawnp(&child, "sleep", nullptr, nullptr, argv, environ), 0);
    }
    EXPECT_EQ(FolderLock(dir.path).status(), Status::Held);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

}  // namespace
}  // namespace brisvale::testing
