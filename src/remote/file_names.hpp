// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings and wagering file names come from the remote site and are joined to the data
// folder, so only plain names of files in that folder are taken from it.

#include <string>
#include <string_view>
#include <vector>

namespace brisvale {

struct RemoteSettings;

// Names the program keeps for its own files in the data folder.
inline constexpr std::string_view kHistoryFileName = "CasinoHistory.dat";
inline constexpr std::string_view kDebugLogName = "debug.txt";
inline constexpr std::string_view kRunFileName = "run.json";

// Why a name cannot name a file of the data folder (empty, absolute, a path, "..", a control
// character, longer than 244 bytes, so that its temporary file's name fits, or one of the program's
// own files); empty when it can.
std::string fileNameProblem(std::string_view name);

// True when two names may stand for one file, or one for the other's leftovers ("a.txt" and
// "A.TXT", "a.txt" and "a.txt.bac"): letter case is ignored, for folders on such file systems.
bool fileNamesClash(std::string_view a, std::string_view b);

// Puts the built-in name in place of a settings or wagering file name that cannot be used, or
// of both when the two would clash. Returns one line for the debug log per name replaced.
std::vector<std::string> keepSafeFileNames(RemoteSettings& settings);

}  // namespace brisvale
