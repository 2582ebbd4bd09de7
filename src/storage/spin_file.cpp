// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/spin_file.hpp"

#include <algorithm>

#include "storage/properties.hpp"
#include "storage/whole_file.hpp"
#include "util/windows1252.hpp"

namespace brisvale {

namespace {

constexpr std::size_t kShownEntry = 12;  // a longer bad entry is cut in the message

bool isSeparator(char c) {
    return c == ',' || c == ';' || c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The end of the line that starts at pos, and the start of the next one (CR LF, LF or CR).
std::size_t lineEnd(std::string_view text, std::size_t pos) {
    while (pos < text.size() && !isLineEnd(text[pos])) ++pos;
    return pos;
}
std::size_t nextLine(std::string_view text, std::size_t end) {
    if (end < text.size() && text[end] == '\r')
        ++end;
    else if (end < text.size())
        return end + 1;
    if (end < text.size() && text[end] == '\n') ++end;
    return end;
}

// 0..36 written with one or two digits; "00" is the double zero of another wheel.
int spinValue(std::string_view entry) {
    if (entry.empty() || entry.size() > 2 || !std::all_of(entry.begin(), entry.end(), isDigit))
        return -1;
    if (entry == "00") return -1;
    const int value = entry.size() == 1 ? entry[0] - '0' : (entry[0] - '0') * 10 + entry[1] - '0';
    return value <= 36 ? value : -1;
}

}  // namespace

std::variant<std::vector<int>, SpinFileError> parseSpinFile(std::string_view text) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    std::size_t pos = text.substr(0, kBom.size()) == kBom ? kBom.size() : 0;
    int line = 1;
    const std::size_t firstEnd = lineEnd(text, pos);
    if (std::none_of(text.begin() + pos, text.begin() + firstEnd, isDigit)) {
        pos = nextLine(text, firstEnd);
        line = 2;
    }
    std::vector<int> spins;
    spins.reserve(text.size() / 3);
    while (pos < text.size()) {
        const std::size_t start = pos, end = lineEnd(text, pos);
        while (pos < end) {
            if (isSeparator(text[pos])) {
                ++pos;
                continue;
            }
            std::size_t stop = pos;
            while (stop < end && !isSeparator(text[stop])) ++stop;
            const std::string_view entry = text.substr(pos, stop - pos);
            const int value = spinValue(entry);
            if (value < 0) {
                std::string shown(entry.substr(0, kShownEntry));
                // The message is shown in a box: no control bytes of a binary file in it.
                for (char& c : shown)
                    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
                if (entry.size() > kShownEntry) shown += "...";
                return SpinFileError{line, static_cast<int>(pos - start) + 1, std::move(shown)};
            }
            spins.push_back(value);
            pos = stop;
        }
        pos = nextLine(text, end);
        ++line;
    }
    if (spins.empty()) return SpinFileError{};
    return spins;
}

std::string spinFileMessage(const SpinFileError& error) {
    if (error.line == 0) return "The file holds no spins. Nothing was imported.";
    return "Line " + std::to_string(error.line) + ", column " + std::to_string(error.column) +
           ": \"" + error.entry + "\" is not a number from 0 to 36. Nothing was imported.";
}

std::string formatSpinFile(std::span<const int> spins) {
    std::string text = "number\r\n";
    text.reserve(text.size() + spins.size() * 4);
    for (const int spin : spins) {
        text += std::to_string(spin);
        text += "\r\n";
    }
    return text;
}

std::string shownFileName(const std::filesystem::path& path) {
    return windows1252FromUtf8(path.filename().string());
}

SpinFileRead readSpinFile(const std::filesystem::path& path) {
    SpinFileRead read;
    const std::string name = shownFileName(path);
    const WholeFile file = readWholeFile(path, kSpinFileLimit);
    switch (file.status) {
        case WholeFile::Status::Missing:
            read.problem = "The file " + name + " could not be found. Nothing was imported.";
            return read;
        case WholeFile::Status::Unreadable:
            read.problem = "The file " + name + " could not be read. Nothing was imported.";
            return read;
        case WholeFile::Status::TooLarge:
            read.problem =
                "The file " + name + " is too large to be a spin file. Nothing was imported.";
            return read;
        case WholeFile::Status::Read:
            break;
    }
    auto parsed = parseSpinFile(file.bytes);
    if (auto* error = std::get_if<SpinFileError>(&parsed)) {
        read.problem = name + ": " + spinFileMessage(*error);
    } else {
        read.spins = std::move(std::get<std::vector<int>>(parsed));
    }
    return read;
}

bool writeSpinFile(const std::filesystem::path& path, std::span<const int> spins) {
    return writeFileAtomic(path, formatSpinFile(spins));
}

}  // namespace brisvale
