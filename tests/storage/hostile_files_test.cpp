// SPDX-License-Identifier: GPL-3.0-or-later
// Files that are not what they should be: a folder, a pipe, a device or a symbolic link where a
// file belongs. Nothing waits on them, nothing follows them out of the folder, and a folder
// whose lock file cannot be had still has one writer.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <functional>

#include "storage/folder_lock.hpp"
#include "support/files.hpp"

namespace brisvale::testing {
namespace {

namespace fs = std::filesystem;
using Status = FolderLock::Status;

struct LockCase {
    const char* what;
    std::function<void(const TempDir&)> make;
};

TEST(FolderLock, HoldsTheFolderWhenTheLockFileCannotBeHad) {
    const LockCase cases[] = {
        {"a folder", [](const TempDir& d) { fs::create_directory(d / "brisvale.lock"); }},
        {"a dangling link",
         [](const TempDir& d) { fs::create_symlink(d / "gone" / "x", d / "brisvale.lock"); }},
        {"a link to a file",
         [](const TempDir& d) {
             writeBytes(d / "elsewhere", "");
             fs::create_symlink(d / "elsewhere", d / "brisvale.lock");
         }},
        {"a pipe", [](const TempDir& d) { ::mkfifo((d / "brisvale.lock").c_str(), 0600); }},
        // Run as root, a file of mode 000 still opens, and the lock file itself keeps the second
        // program out; run as a user, the folder's own lock does.
        {"an unreadable file",
         [](const TempDir& d) {
             writeBytes(d / "brisvale.lock", "");
             fs::permissions(d / "brisvale.lock", fs::perms::none);
         }},
    };
    for (const LockCase& c : cases) {
        TempDir dir;
        c.make(dir);
        const FolderLock first(dir.path);
        EXPECT_EQ(first.status(), Status::Held) << c.what;
        EXPECT_EQ(FolderLock(dir.path).status(), Status::Busy) << c.what;
        EXPECT_FALSE(fs::exists(dir / "gone")) << c.what << ": nothing is made outside";
    }
}

TEST(FolderLock, AnOlderProgramHoldingOnlyTheLockFileKeepsANewOneOut) {
    TempDir dir;
    // The older programs lock the file alone.
    const int older = ::open((dir / "brisvale.lock").c_str(), O_RDONLY | O_CREAT, 0644);
    ASSERT_GE(older, 0);
    ASSERT_EQ(::flock(older, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(FolderLock(dir.path).status(), Status::Busy);
    EXPECT_EQ(FolderLock(dir.path).status(), Status::Busy) << "a refused lock leaves the folder's";
    ::close(older);
    EXPECT_EQ(FolderLock(dir.path).status(), Status::Held);
}

}  // namespace
}  // namespace brisvale::testing
