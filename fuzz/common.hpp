// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fuzz targets share: a scratch folder emptied for every input, and inputs split at
// NUL bytes.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/files.hpp"

namespace brisvale::fuzz {

// Stops the run with the input kept as a crash when an invariant does not hold.
#define FUZZ_CHECK(c) \
    ((c) ? void()     \
         : (std::fprintf(stderr, "%s:%d: %s fails\n", __FILE__, __LINE__, #c), std::abort()))

// The run's scratch folder (under $TMPDIR: /dev/shm makes runs faster), emptied.
inline const std::filesystem::path& freshFolder() {
    static const testing::TempDir scratch;
    if (scratch.path.empty()) std::abort();
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(scratch.path, ec))
        std::filesystem::remove_all(entry.path(), ec);
    return scratch.path;
}

inline std::vector<std::string_view> splitAtNul(std::string_view data) {
    std::vector<std::string_view> parts;
    for (std::size_t nul; (nul = data.find('\0')) != data.npos; data.remove_prefix(nul + 1))
        parts.push_back(data.substr(0, nul));
    parts.push_back(data);
    return parts;
}

using testing::readBytes;
using testing::writeBytes;

}  // namespace brisvale::fuzz
