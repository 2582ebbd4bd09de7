// The properties store on any file with any keys. Input: the file (empty: none), then NUL-
// separated operations "s" key "=" value (set) or "d" key (delete). A set changes its key's
// line or adds one at the end, a delete removes its key's lines, and every other line stays
// byte for byte; what was set reads back.

#include "common.hpp"
#include "storage/properties.hpp"
#include "util/text.hpp"

using namespace brisvale;

namespace {

std::string_view content(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    return line;
}

std::size_t sectionLine(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (content(lines[i]) == "index: 1") return i;
    }
    return 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::splitAtNul({reinterpret_cast<const char*>(data), size});
    const auto file = fuzz::scratch().fresh() / "file.dat";
    if (!parts[0].empty()) fuzz::writeAll(file, parts[0]);
    for (std::size_t p = 1; p < parts.size(); ++p) {
        if (parts[p].empty()) continue;
        const char kind = parts[p][0];
        const std::string_view op = parts[p].substr(1);
        const std::string key(op.substr(0, op.find('=')));
        const std::string value(op.find('=') == op.npos ? "" : op.substr(op.find('=') + 1));
        const bool existed = FileExists(file);
        const auto before = fuzz::linesOf(fuzz::readAll(file));
        const std::size_t from = sectionLine(before);
        const auto isKeyLine = [&](std::size_t i) {
            return i >= from && content(before[i]).starts_with(key + ":");
        };
        const bool validKey = key.find_first_of(":\r\n") == std::string::npos && key != "index";
        std::vector<std::string> expected;
        if (kind == 's') {
            const bool valid = validKey && value.find_first_of("\r\n") == std::string::npos;
            FUZZ_CHECK(SetProperty(1, key, value, file, nullptr, false) == valid);
            expected = before;
            std::size_t i = from;
            while (i < before.size() && !isKeyLine(i)) ++i;
            const std::string written = key + ": " + value + "\r\n";
            if (!valid) {
            } else if (!existed) {
                expected = {"index: 1\r\n", written};
            } else if (i < before.size()) {
                expected[i] = written;
            } else {
                if (!expected.empty() && content(expected.back()) == expected.back()) {
                    expected.back() += "\r\n";
                }
                expected.push_back(written);
            }
            if (valid) FUZZ_CHECK(GetProperty(1, key, file) == trimBlanks(value));
        } else if (kind == 'd') {
            FUZZ_CHECK(DeleteProperty(1, key, file) == validKey);
            for (std::size_t i = 0; i < before.size(); ++i) {
                if (!validKey || !isKeyLine(i)) expected.push_back(before[i]);
            }
            if (validKey) FUZZ_CHECK(GetProperty(1, key, file) == kMissing);
        } else {
            continue;
        }
        // A delete may end a lone CR's line with CR LF, so that no two lines merge.
        auto after = fuzz::linesOf(fuzz::readAll(file));
        if (kind == 'd') {
            for (auto* lines : {&after, &expected}) {
                for (auto& line : *lines) line.resize(content(line).size());
            }
        }
        FUZZ_CHECK(after == expected);
    }
    return 0;
}
