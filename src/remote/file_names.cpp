// SPDX-License-Identifier: GPL-3.0-or-later
#include "remote/file_names.hpp"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "remote/remote_settings.hpp"
#include "storage/folder_lock.hpp"
#include "storage/properties.hpp"

namespace brisvale {
namespace {

// Linux file systems allow 255 bytes a name, and a write goes through "<name>.tmp-XXXXXX".
constexpr std::size_t kLongestName = 255 - kTempInfix.size() - 6;

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

// b is a plus a dot and more ("a.txt" and "a.txt.bac").
bool extends(std::string_view a, std::string_view b) {
    return b.size() > a.size() && b[a.size()] == '.' && sameText(a, b.substr(0, a.size()));
}

// The name as the debug log may hold it: one line, not too long.
std::string printable(std::string_view name) {
    std::string out;
    for (char c : name.substr(0, 80)) {
        out.push_back(static_cast<unsigned char>(c) < 32 || c == 127 ? '?' : c);
    }
    if (name.size() > 80) out += "...";
    return out;
}

}  // namespace

std::string fileNameProblem(std::string_view name) {
    if (name.empty()) return "it is empty";
    if (name.size() > kLongestName) {
        return "it is longer than " + std::to_string(kLongestName) + " bytes";
    }
    if (name.front() == '/' || name.front() == '\\') return "it is an absolute path";
    if (name.find_first_of("/\\") != name.npos) return "it holds a folder";
    if (name.find("..") != name.npos || name == ".") return "it leads out of the data folder";
    for (unsigned char c : name) {
        if (c < 32 || c == 127) return "it holds a control character";
    }
    for (std::string_view own : {kHistoryFileName, kDebugLogName, kRunFileName, kLockFileName}) {
        if (fileNamesClash(name, own)) return "it is a file of the program's own";
    }
    return {};
}

bool fileNamesClash(std::string_view a, std::string_view b) {
    return sameText(a, b) || extends(a, b) || extends(b, a);
}

std::vector<std::string> keepSafeFileNames(RemoteSettings& settings) {
    const RemoteSettings& builtIn = builtInRemoteSettings();
    std::vector<std::string> notes;
    const auto replace = [&notes](std::string& name, const std::string& with, std::string why) {
        notes.push_back("Remote file name \"" + printable(name) + "\" not used (" + why +
                        "); using " + with);
        name = with;
    };
    for (auto [name, fallback] : {std::pair{&settings.settingsFile, &builtIn.settingsFile},
                                  std::pair{&settings.wageringFile, &builtIn.wageringFile}}) {
        if (std::string why = fileNameProblem(*name); !why.empty()) replace(*name, *fallback, why);
    }
    if (fileNamesClash(settings.settingsFile, settings.wageringFile)) {
        for (auto [name, fallback] : {std::pair{&settings.settingsFile, &builtIn.settingsFile},
                                      std::pair{&settings.wageringFile, &builtIn.wageringFile}}) {
            if (*name != *fallback) replace(*name, *fallback, "the two files would clash");
        }
    }
    return notes;
}

}  // namespace brisvale
