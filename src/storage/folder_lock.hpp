// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One writer per data folder: the program holds an exclusive lock on the data folder itself and
// on "brisvale.lock" in it for as long as it runs, so a second window or console on the same
// folder is refused before it writes anything. The folder's own lock holds even when the lock
// file cannot be had (a folder, a pipe or a symbolic link in its place, a file of another user);
// the lock file keeps out older versions of the program, which lock only the file.

#include <filesystem>
#include <string_view>

namespace brisvale {

inline constexpr std::string_view kLockFileName = "brisvale.lock";

class FolderLock {
  public:
    enum class Status {
        None,         // no lock asked for yet
        Held,         // this program is the folder's one writer
        Busy,         // another program holds the folder
        Unavailable,  // the folder cannot be opened (missing, or not readable): nothing can be
                      // written there either, so there is no writer to keep out
    };

    FolderLock() = default;
    // Takes the lock without waiting.
    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&& other) noexcept;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    Status status() const { return status_; }

  private:
    void release();

    int folderFd_ = -1;
    int fileFd_ = -1;
    Status status_ = Status::None;
};

}  // namespace brisvale
