#pragma once
// What the fuzz targets share: a scratch folder (on a memory file system where there is one)
// emptied for every input, inputs split at NUL bytes, and lines with their line ends.

#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace brisvale::fuzz {

// Stops the run with the input kept as a crash when an invariant does not hold.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: %s does not hold\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

// A folder of its own for the run, removed at its end.
struct Scratch {
    std::filesystem::path path;
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

// The scratch folder, emptied.
inline const std::filesystem::path& freshFolder() {
    static const Scratch scratch = [] {
        const bool shm = std::filesystem::is_directory("/dev/shm");
        std::string pattern =
            ((shm ? "/dev/shm" : std::filesystem::temp_directory_path()) / "brisvale-fuzz-XXXXXX")
                .string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        return Scratch{pattern};
    }();
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

inline std::string readAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void writeAll(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary).write(bytes.data(), std::ssize(bytes));
}

}  // namespace brisvale::fuzz
