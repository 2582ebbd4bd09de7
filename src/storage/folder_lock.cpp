// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/folder_lock.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace brisvale {

FolderLock::FolderLock(const std::filesystem::path& folder) {
    // Read-only is enough for flock, and close-on-exec keeps a browser started from the program
    // from holding the folder after the program has ended. The file stays: removing it would
    // let a starting program lock a name that another has just unlinked.
    const std::filesystem::path file = folder / kLockFileName;
    do {
        fd_ = ::open(file.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOCTTY, 0644);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0) {
        status_ = Status::Unavailable;
        return;
    }
    int result = 0;
    do {
        result = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        status_ = Status::Held;
        return;
    }
    status_ = errno == EWOULDBLOCK ? Status::Busy : Status::Unavailable;
    ::close(fd_);
    fd_ = -1;
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) ::close(fd_);
}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), status_(std::exchange(other.status_, Status::None)) {}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        status_ = std::exchange(other.status_, Status::None);
    }
    return *this;
}

}  // namespace brisvale
