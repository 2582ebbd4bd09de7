// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One writer per data folder: the program holds an exclusive lock on "brisvale.lock" in its data
// folder for as long as it runs, so a second window or console on the same folder is refused
// before it writes anything.

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
        Unavailable,  // no lock file can be had (a missing or read-only folder): nothing can be
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
    int fd_ = -1;
    Status status_ = Status::None;
};

}  // namespace brisvale
