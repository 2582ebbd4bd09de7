// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A properties file as its lines and their ends, and what sets and deletes should make of it:
// the reference that the store's tests and its fuzz target compare the real files against.

#include <string>
#include <string_view>
#include <vector>

#include "util/text.hpp"

namespace brisvale::testing {

struct PropertiesModel {
    struct Line {
        std::string text, end;
    };
    bool exists = false;
    std::vector<Line> lines;

    // The lines of a file's bytes; CR LF, a lone CR and a lone LF each end one.
    static PropertiesModel parse(std::string_view bytes, bool exists = true) {
        PropertiesModel m{exists, {}};
        while (!bytes.empty()) {
            const std::size_t end = std::min(bytes.find_first_of("\r\n"), bytes.size());
            const std::size_t next =
                end + (bytes.substr(end, 2) == "\r\n" ? 2 : end < bytes.size());
            m.lines.push_back(
                {std::string(bytes.substr(0, end)), std::string(bytes.substr(end, next - end))});
            bytes.remove_prefix(next);
        }
        return m;
    }
    static bool writableKey(std::string_view key) {
        return key.find_first_of(":\r\n") == key.npos && key != "index";
    }
    std::string bytes() const {
        std::string out;
        for (const Line& l : lines) out += l.text + l.end;
        return out;
    }
    // The key's first line from the section line "index: N" on (from the first line without
    // one, or for the index -99).
    std::size_t keyLine(int index, std::string_view key) const {
        std::size_t i = 0;
        while (index != -99 && i < lines.size() &&
               lines[i].text != "index: " + std::to_string(index))
            ++i;
        for (i = i == lines.size() ? 0 : i; i < lines.size(); ++i) {
            if (lines[i].text.starts_with(std::string(key) + ":")) break;
        }
        return i;
    }
    std::string get(int index, std::string_view key) const {
        const std::size_t i = keyLine(index, key);
        if (i == lines.size()) return "!";
        return std::string(trimBlanks(std::string_view(lines[i].text).substr(key.size() + 1)));
    }
    // For a key and a value that the store takes.
    void set(int index, std::string_view key, std::string_view value) {
        const Line written{std::string(key) + ": " + std::string(value), "\r\n"};
        const std::size_t i = keyLine(index, key);
        if (i < lines.size()) return void(lines[i] = written);
        if (!exists) lines.push_back({"index: " + std::to_string(index), "\r\n"});
        if (!lines.empty() && lines.back().end.empty()) lines.back().end = "\r\n";
        lines.push_back(written);
        exists = true;
    }
    void erase(int index, std::string_view key) {
        for (std::size_t i = keyLine(index, key); i < lines.size(); i = keyLine(index, key)) {
            lines.erase(lines.begin() + static_cast<long>(i));
        }
        // A lone CR meeting an empty LF line would read as one CR LF.
        for (std::size_t i = 1; i < lines.size(); ++i) {
            if (lines[i - 1].end == "\r" && lines[i].text.empty() && lines[i].end == "\n") {
                lines[i - 1].end = "\r\n";
            }
        }
    }
};

}  // namespace brisvale::testing
