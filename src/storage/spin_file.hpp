// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Spin files: the numbers of a wheel as plain text, for moving spins in and out of the program.
// Numbers 0 to 36 separated by commas, semicolons, blanks, tabs or line ends, oldest first; a
// first line without any digit is a header. Reading is all or nothing: the first bad entry is
// reported with its line and column, and no spin is taken.

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace brisvale {

struct SpinFileError {
    int line = 0;       // 1-based
    int column = 0;     // 1-based, in bytes
    std::string entry;  // the bad entry, shortened when long; empty when the file holds no spin
};

// The spins of a spin file, oldest first, or its first bad entry. A file without a single spin
// is an error too: there is nothing to import.
std::variant<std::vector<int>, SpinFileError> parseSpinFile(std::string_view text);

// What to tell the user about a spin file that could not be read.
std::string spinFileMessage(const SpinFileError& error);

// The text of a spin file: the header "number", then one spin per line, oldest first.
std::string formatSpinFile(std::span<const int> spins);

// A spin file read from disk: its spins, or what to tell the user (naming the file) and no spin.
struct SpinFileRead {
    std::vector<int> spins;
    std::string problem;
};
inline constexpr std::size_t kSpinFileLimit = 64u << 20;  // far beyond any table's spins
// The most spins a casino's history takes, by import or by hand: years of a table that never
// stops. Three bytes a spin in the history file and in the run file keep both well inside what
// their readers take.
inline constexpr std::size_t kMostSpins = 10'000'000;
SpinFileRead readSpinFile(const std::filesystem::path& path);

// Why a spin file cannot be written over what stands at path ("it is a read-only file", "it is
// a device, not a file", ...), or "" when it can: nothing is there, or a writable regular file.
std::string spinFileTargetProblem(const std::filesystem::path& path);

// Writes the spins as a spin file, atomically: the file is the old one or the new one, never a
// part. False when it cannot be written, or when spinFileTargetProblem refuses the target.
bool writeSpinFile(const std::filesystem::path& path, std::span<const int> spins);

// The file's name as the program's texts hold it (Windows-1252), for messages.
std::string shownFileName(const std::filesystem::path& path);

}  // namespace brisvale
