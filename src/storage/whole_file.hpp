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
};

// The file's bytes; Missing when it does not exist, Unreadable when it is not a readable
// regular file, TooLarge past maxBytes (nothing is read then).
WholeFile readWholeFile(const std::filesystem::path& path, std::size_t maxBytes);

// Keeps a file that cannot be used beside it as "<name>.bad", replacing an older one. False
// when there is no file or it cannot be moved.
bool keepAsBad(const std::filesystem::path& file);

}  // namespace brisvale
