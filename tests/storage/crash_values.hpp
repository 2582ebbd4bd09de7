#pragma once
// The file that the crash test's writer keeps rewriting: a casino-history-like properties file
// of kKeys keys, each value a generation number followed by a few thousand two-digit spins.
// The spins depend on the key and the generation, so a value can be checked whole.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisvale::crashtest {

inline constexpr int kKeys = 20;
inline constexpr int kSpinsPerValue = 3000;

inline std::string keyName(int key) {
    return "name" + std::to_string(key);
}

inline std::string valueOf(std::int64_t generation, int key) {
    std::string value = std::to_string(generation);
    value.reserve(value.size() + 3 * kSpinsPerValue);
    auto state = static_cast<std::uint32_t>(generation * 2654435761u + key * 40503u + 1u);
    for (int i = 0; i < kSpinsPerValue; ++i) {
        state = state * 1103515245u + 12345u;
        const unsigned spin = (state >> 16) % 37;
        value += ',';
        value += static_cast<char>('0' + spin / 10);
        value += static_cast<char>('0' + spin % 10);
    }
    return value;
}

// The generation a value claims to be; nullopt when it does not start with one.
inline std::optional<std::int64_t> generationOf(std::string_view value) {
    const std::size_t comma = value.find(',');
    if (comma == 0 || comma == value.npos || comma > 12) return std::nullopt;
    std::int64_t generation = 0;
    for (char c : value.substr(0, comma)) {
        if (c < '0' || c > '9') return std::nullopt;
        generation = generation * 10 + (c - '0');
    }
    return generation;
}

// The exact bytes of the file when key i (1-based) is at generations[i - 1].
inline std::string fileBytes(const std::vector<std::int64_t>& generations) {
    std::string bytes = "index: 1\r\n";
    for (int key = 1; key <= kKeys; ++key) {
        bytes += keyName(key) + ": " + valueOf(generations[static_cast<std::size_t>(key - 1)], key);
        bytes += "\r\n";
    }
    return bytes;
}

// The writer writes name1..name20 at generation g, then at g + 1, and so on. So at any moment
// the keys read g, ..., g, g - 1, ..., g - 1 from the first key to the last.
inline bool isWriterOrder(const std::vector<std::int64_t>& generations) {
    const std::int64_t first = generations.front();
    for (std::size_t i = 1; i < generations.size(); ++i) {
        if (generations[i] > generations[i - 1] || generations[i] < first - 1) return false;
    }
    return true;
}

}  // namespace brisvale::crashtest
