// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/spin_file.hpp"

#include <sys/stat.h>
#include <unistd.h>

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

// Whether text is well-formed UTF-8 (overlong forms and surrogates aside: the conversion takes
// care of those).
bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t more = c < 0x80             ? 0
                                 : (c & 0xE0) == 0xC0 ? 1
                                 : (c & 0xF0) == 0xE0 ? 2
                                 : (c & 0xF8) == 0xF0 ? 3
                                                      : 4;
        if (more == 4 || more > text.size() - i - 1) return false;
        for (std::size_t k = 1; k <= more; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += more + 1;
    }
    return true;
}

// The bad entry as the message shows it: in the program's own single-byte text, whatever the
// file's encoding (UTF-8 with a character beyond ASCII, or single-byte), cut when long, and
// without the control bytes of a binary file.
std::string shownEntry(std::string_view entry, bool utf8) {
    std::string shown = utf8 ? windows1252FromUtf8(entry) : std::string(entry);
    const bool cut = shown.size() > kShownEntry;
    shown.resize(std::min(shown.size(), kShownEntry));
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    if (cut) shown += "...";
    return shown;
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
                return SpinFileError{line, static_cast<int>(pos - start) + 1,
                                     shownEntry(entry, isUtf8(text))};
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
            read.problem = "The file " + name + " could not be read" +
                           (file.why.empty() ? "" : ": " + file.why) + ". Nothing was imported.";
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
        if (read.spins.size() > kMostSpins) {
            read.spins.clear();
            read.problem = "The file " + name + " holds more than " + std::to_string(kMostSpins) +
                           " spins. Nothing was imported.";
        }
    }
    return read;
}

std::string spinFileTargetProblem(const std::filesystem::path& path) {
    if (std::string there = whatIsThere(path); !there.empty()) return there;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return "";
    // Root may write a file of mode 0444, but its owner made it read-only for a reason.
    if ((info.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0) {
        return "it is a read-only file";
    }
    return "";
}

bool writeSpinFile(const std::filesystem::path& path, std::span<const int> spins) {
    return spinFileTargetProblem(path).empty() && writeFileAtomic(path, formatSpinFile(spins));
}

}  // namespace brisvale
