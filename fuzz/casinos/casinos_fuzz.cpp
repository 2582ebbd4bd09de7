// SPDX-License-Identifier: GPL-3.0-or-later
// The casino history file as found, under the list's operations. Input: the file (empty:
// none), then NUL-separated operations "a" value (a new casino), "d" K (delete casino K) or
// "s" K "=" value (record into casino K). Each changes only what it should: the list keeps
// every other casino, deletes shift only the casinos right after the deleted one, and lines
// that are not casino lines survive.

#include <charconv>
#include <map>

#include "common.hpp"
#include "storage/casino_history.hpp"
#include "storage/properties.hpp"
#include "util/text.hpp"

using namespace brisvale;

namespace {

std::map<int, std::string> listed(const std::filesystem::path& file) {
    std::map<int, std::string> out;
    const auto casinos = readCasinos(file);
    FUZZ_CHECK(casinos.has_value());
    for (const CasinoLine& c : *casinos) out[c.key] = c.value;
    return out;
}

// The lines that are not casino lines (read by the store, whose own line splitting the
// properties target checks).
std::vector<std::string> otherLines(const std::filesystem::path& file) {
    std::vector<std::string> out;
    for (std::string& line : readLines(file).value_or(std::vector<std::string>{}))
        if (!line.starts_with("name")) out.push_back(std::move(line));
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr int kKeys = 1'000'000'000;  // keys have at most nine digits
    const auto parts = fuzz::splitAtNul({reinterpret_cast<const char*>(data), size});
    const auto file = fuzz::freshFolder() / "CasinoHistory.dat";
    if (!parts[0].empty()) fuzz::writeBytes(file, parts[0]);
    for (std::size_t p = 1; p < parts.size(); ++p) {
        const std::string_view op = parts[p].substr(std::min<std::size_t>(1, parts[p].size()));
        const std::string_view value = op.substr(std::min(op.size(), op.find('=') + 1));
        int k = 0;
        std::from_chars(op.data(), op.data() + op.size(), k);
        auto expected = listed(file);
        const auto others = otherLines(file);
        const bool existed = FileExists(file), clean = value.find_first_of("\r\n") == value.npos;
        if (parts[p].starts_with('a')) {
            const int next = expected.empty() ? 1 : expected.rbegin()->first + 1;
            const auto key = addCasino(file, op);
            FUZZ_CHECK(key == (op.find_first_of("\r\n") == op.npos && next < kKeys
                                   ? std::optional(next)
                                   : std::nullopt));
            if (key) expected[*key] = std::string(trimBlanks(op));
        } else if (parts[p].starts_with('d')) {
            FUZZ_CHECK(deleteCasino(file, k));
            // K goes, and the run of casinos right after it moves down one key.
            for (int j = k + 1; expected.erase(j - 1) == 1 && expected.contains(j); ++j)
                expected[j - 1] = expected[j];
        } else if (parts[p].starts_with('s') && k > 0 && k < kKeys) {
            FUZZ_CHECK(SetProperty(1, casinoKey(k), value, file) == clean);
            if (clean) expected[k] = std::string(trimBlanks(value));
        } else {
            continue;
        }
        FUZZ_CHECK(listed(file) == expected);
        FUZZ_CHECK(!existed || otherLines(file) == others);  // a new file starts "index: 1"
    }
    return 0;
}
