// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A private temporary folder, and files read and written byte for byte without the code under
// test, so that tests compare against what is really on disk.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>

namespace brisvale::testing {

class TempDir {
  public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "brisvale-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) path = pattern;
    }
    ~TempDir() {
        std::error_code ec;
        if (path.empty()) return;
        // A test may have taken the owner's rights away to make the folder unwritable.
        std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::filesystem::path operator/(std::string_view name) const { return path / name; }

    std::filesystem::path path;
};

inline std::filesystem::path withBac(const std::filesystem::path& path) {
    std::filesystem::path backup = path;
    backup += ".bac";
    return backup;
}

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// How many files this process holds open: a code path that forgets to close one shows here.
inline long openDescriptors() {
    std::error_code ec;
    const std::filesystem::directory_iterator fds("/proc/self/fd", ec);
    return ec ? -1 : std::distance(fds, std::filesystem::directory_iterator());
}

}  // namespace brisvale::testing
