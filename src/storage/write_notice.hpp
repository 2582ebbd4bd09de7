// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which files the user has been told could not be written. A file that keeps failing (a full
// disk) is told once; it is told again only after a write to it has succeeded in between.

#include <filesystem>
#include <set>

namespace brisvale {

class WriteNotice {
  public:
    // Records how a write to file went; true when its failure is news to the user.
    bool tell(bool ok, const std::filesystem::path& file) {
        if (ok) {
            failing_.erase(file);
            return false;
        }
        return failing_.insert(file).second;
    }
    bool failing(const std::filesystem::path& file) const { return failing_.contains(file); }

  private:
    std::set<std::filesystem::path> failing_;
};

}  // namespace brisvale
