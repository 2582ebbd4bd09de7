// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/folder_lock.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace brisvale {
namespace {

int openRetrying(const char* path, int flags, mode_t mode = 0) {
    int fd = -1;
    do {
        fd = ::open(path, flags, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

enum class Take { Held, Busy, Failed };

Take lockExclusive(int fd) {
    int result = 0;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) return Take::Held;
    return errno == EWOULDBLOCK ? Take::Busy : Take::Failed;
}

// The lock file, or -1 when none can be had. A symbolic link is never followed (it could make
// the program create a file outside the folder), and a pipe or a device in its place is opened
// without waiting and left alone.
int openLockFile(const std::filesystem::path& file) {
    const int fd = openRetrying(
        file.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

FolderLock::FolderLock(const std::filesystem::path& folder) {
    // Read-only is enough for flock, and close-on-exec keeps a browser started from the program
    // from holding the folder after the program has ended. The file stays: removing it would
    // let a starting program lock a name that another has just unlinked.
    folderFd_ = openRetrying(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd_ < 0) {
        status_ = Status::Unavailable;
        return;
    }
    const Take folderTake = lockExclusive(folderFd_);
    if (folderTake != Take::Held) {
        // A file system without flock on folders leaves the lock file to decide.
        ::close(folderFd_);
        folderFd_ = -1;
        if (folderTake == Take::Busy) {
            status_ = Status::Busy;
            return;
        }
    }
    fileFd_ = openLockFile(folder / kLockFileName);
    const Take fileTake = fileFd_ >= 0 ? lockExclusive(fileFd_) : Take::Failed;
    if (fileTake != Take::Held && fileFd_ >= 0) {
        ::close(fileFd_);
        fileFd_ = -1;
    }
    if (fileTake == Take::Busy) {
        release();
        status_ = Status::Busy;
    } else if (folderFd_ >= 0 || fileFd_ >= 0) {
        status_ = Status::Held;
    } else {
        status_ = Status::Unavailable;
    }
}

void FolderLock::release() {
    if (folderFd_ >= 0) ::close(folderFd_);
    if (fileFd_ >= 0) ::close(fileFd_);
    folderFd_ = -1;
    fileFd_ = -1;
}

FolderLock::~FolderLock() {
    release();
}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : folderFd_(std::exchange(other.folderFd_, -1)),
      fileFd_(std::exchange(other.fileFd_, -1)),
      status_(std::exchange(other.status_, Status::None)) {}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept {
    if (this != &other) {
        release();
        folderFd_ = std::exchange(other.folderFd_, -1);
        fileFd_ = std::exchange(other.fileFd_, -1);
        status_ = std::exchange(other.status_, Status::None);
    }
    return *this;
}

}  // namespace brisvale
