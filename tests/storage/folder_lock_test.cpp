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
    EXPECT_EQ(FolderLock(dir.path).status(), Status::Held);
    EXPECT_EQ(FolderLock(dir.path).status(), Status::Held) << "a lock ends with its holder";
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(FolderLock(dir / "missing").status(), Status::Unavailable);
}

}  // namespace
}  // namespace brisvale::testing
