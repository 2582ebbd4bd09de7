#pragma once
// What the fuzz targets share: a scratch folder emptied for every input, inputs split at NUL
// bytes, and lines with their line ends.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/files.hpp"

namespace brisvale::fuzz {

// Stops the run with the input kept as a crash when an invariant does not hold.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: %s does not hold\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

// The run's scratch folder (under $TMPDIR: /dev/shm makes runs faster), emptied.
inline const std::filesystem::path& freshFolder() {
    static const testing::TempDir scratch;
    if (scratch.path.empty()) std::abort();
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(scratch.path, ec)) {
        std::filesystem::remove_all(entry.path(), ec);
    }
    return scratch.path;
}

inline std::vector<std::string_view> splitAtNul(std::string_view data) {
    std::vector<std::string_view> parts;
    for (std::size_t nul; (nul = data.find('\0')) != data.npos; data.remove_prefix(nul + 1)) {
        parts.push_back(data.substr(0, nul));
    }
    parts.push_back(data);
    return parts;
}

// Each line with its line end (CR LF, CR or LF), as the files are read.
inline std::vector<std::string> linesOf(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        std::size_t end = text.find_first_of("\r\n");
        end = end == text.npos ? text.size() : end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return lines;
}

using testing::readBytes;
using testing::writeBytes;

}  // namespace brisvale::fuzz
