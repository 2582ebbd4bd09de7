// The data folder's lock: one holder at a time, for as long as it lives, and never inherited
// by a program it starts; it and the writes work on descriptor 0 too.

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "storage/folder_lock.hpp"
#include "storage/properties.hpp"
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
