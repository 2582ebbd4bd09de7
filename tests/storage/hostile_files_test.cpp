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
#include "storage/properties.hpp"
#include "storage/spin_file.hpp"
#include "storage/whole_file.hpp"
#include "support/files.hpp"

namespace brisvale::testing {
namespace {

namespace fs = std::filesystem;
using Status = FolderLock::Status;

TEST(FolderLock, HoldsTheFolderWhenTheLockFileCannotBeHad) {
    // What stands where the lock file belongs, and how it is made.
    const std::pair<const char*, std::function<void(const TempDir&)>> cases[] = {
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
    for (const auto& [what, make] : cases) {
        TempDir dir;
        make(dir);
        const FolderLock first(dir.path);
        EXPECT_EQ(first.status(), Status::Held) << what;
        EXPECT_EQ(FolderLock(dir.path).status(), Status::Busy) << what;
        EXPECT_FALSE(fs::exists(dir / "gone")) << what << ": nothing is made outside";
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

// Whatever stands where a file is read, the read returns at once and says what is there; a write
// never replaces it and a removal never deletes it. A file that opens but fails to read (the
// process's own memory at an unmapped address) says why, and every way out of a read closes the
// file.
TEST(WholeFile, WhatIsNotAFileOrFailsToReadIsToldAndLeftAloneAndNothingStaysOpen) {
    TempDir dir;
    writeBytes(dir / "file", "x");
    const long before = openDescriptors();
    fs::create_directory(dir / "folder");
    ::mkfifo((dir / "pipe").c_str(), 0600);
    // A device of the machine's own: other programs on a shared machine have been seen to
    // replace one by a file, so the first that still is a device is used.
    fs::path device;
    for (const char* candidate : {"/dev/null", "/dev/zero", "/dev/full", "/dev/urandom"}) {
        if (device.empty() && fs::is_character_file(candidate)) device = candidate;
    }
    ASSERT_FALSE(device.empty()) << "no character device to link to";
    fs::create_symlink(device, dir / "device");
    fs::create_symlink(dir / "loop", dir / "loop");
    fs::create_symlink(dir / "gone", dir / "dangling");
    const std::pair<const char*, const char*> cases[] = {
        {"folder", "it is a folder, not a file"},
        {"pipe", "it is a named pipe, not a file"},
        {"device", "it is a device, not a file"},
        {"loop", "it is a symbolic link that leads round in a loop"},
        {"dangling", "it is a symbolic link that leads nowhere"},
    };
    for (const auto& [name, why] : cases) {
        const WholeFile read = readWholeFile(dir / name, 1000);
        EXPECT_EQ(read.status, WholeFile::Status::Unreadable) << name;
        EXPECT_EQ(read.why, why) << name;
        EXPECT_EQ(whatIsThere(dir / name), why) << name;
        // A link that leads nowhere is no one's file: a write may put one in its place.
        if (std::string_view(name) == "dangling" || std::string_view(name) == "loop") continue;
        EXPECT_FALSE(writeFileAtomic(dir / name, "new\r\n")) << name;
        EXPECT_FALSE(removeFile(dir / name)) << name;
    }
    EXPECT_TRUE(fs::is_fifo(dir / "pipe"));
    EXPECT_TRUE(fs::is_character_file(device)) << "the device behind the link is untouched";
    EXPECT_EQ(readWholeFile(dir / "none", 1000).status, WholeFile::Status::Missing);
    EXPECT_EQ(whatIsThere(dir / "file"), "");
    // Set aside, each goes whole, so it is met only once.
    for (const char* name : {"folder", "pipe", "loop"}) {
        EXPECT_TRUE(keepAsBad(dir / name)) << name;
        EXPECT_FALSE(fs::exists(fs::symlink_status(dir / name))) << name;
    }
    const WholeFile failed = readWholeFile("/proc/self/mem", 1000);
    EXPECT_EQ(failed.status, WholeFile::Status::Unreadable);
    EXPECT_EQ(failed.why, "it cannot be read (Input/output error)");
    EXPECT_EQ(failed.bytes, "") << "nothing half read";
    EXPECT_EQ(readWholeFile(dir / "file", 1000).status, WholeFile::Status::Read);
    EXPECT_EQ(readWholeFile(dir / "file", 0).status, WholeFile::Status::TooLarge);
    EXPECT_EQ(openDescriptors(), before);
}

// Older programs lock only the lock file: a lock handed on by assignment keeps holding it, and
// the lock it replaced lets its own folder go.
TEST(FolderLock, ALockAssignedKeepsTheLockFileAndFreesTheOneItReplaced) {
    TempDir first, second;
    FolderLock kept(first.path);
    {
        FolderLock handed(second.path);
        kept = std::move(handed);
    }
    EXPECT_EQ(FolderLock(first.path).status(), Status::Held);
    EXPECT_EQ(FolderLock(second.path).status(), Status::Busy);
    const int older = ::open((second / "brisvale.lock").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(older, 0);
    EXPECT_NE(::flock(older, LOCK_EX | LOCK_NB), 0) << "the lock file is still held";
    ::close(older);
}

TEST(SpinFile, MoreSpinsThanAHistoryTakesAreRefusedWhole) {
    TempDir dir;
    std::string many;
    many.reserve(2 * (kMostSpins + 1));
    for (std::size_t i = 0; i <= kMostSpins; ++i) many += "7\n";
    writeBytes(dir / "many.txt", many);
    const SpinFileRead read = readSpinFile(dir / "many.txt");
    EXPECT_TRUE(read.spins.empty());
    EXPECT_EQ(read.problem,
              "The file many.txt holds more than 10000000 spins. Nothing was imported.");
    many.resize(2 * kMostSpins);
    writeBytes(dir / "many.txt", many);
    EXPECT_EQ(readSpinFile(dir / "many.txt").spins.size(), kMostSpins);
}

}  // namespace
}  // namespace brisvale::testing
