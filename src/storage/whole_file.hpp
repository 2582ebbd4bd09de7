// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files read whole, in one go, with a limit on their size: the run file, and the spin files a
// user brings in. Writing goes through writeFileAtomic (properties.hpp).

#include <cstddef>
#include <filesystem>
#include <string>

namespace brisvale {

struct WholeFile {
    enum class Status { Read, Missing, Unreadable, TooLarge };
    Status status = Status::Unreadable;
    std::string bytes;  // when Read
    std::string why;    // when Unreadable: what is there instead, e.g. "it is a folder"
};

// The file's bytes; Missing when it does not exist, Unreadable when it is not a readable
// regular file, TooLarge past maxBytes (nothing is read then). Never waits: a named pipe or a
// device is opened without blocking and refused, as is anything else but a regular file.
WholeFile readWholeFile(const std::filesystem::path& path, std::size_t maxBytes);

// What stands at path when it is not a regular file ("it is a folder", "it is a named pipe",
// ...), or "" for a regular file or nothing at all.
std::string whatIsThere(const std::filesystem::path& path);

// Keeps a file that cannot be used beside it as "<name>.bad", replacing an older one. Whatever
// stands there is moved (a folder, a pipe, a symbolic link itself), so that it is met only once.
// False when there is nothing or it cannot be moved.
bool keepAsBad(const std::filesystem::path& file);

}  // namespace brisvale
