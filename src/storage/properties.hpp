// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Properties files: a section line "index: 1" followed by lines of key + ": " + value.
//
// Writes are atomic: the whole new file is built in a temporary file of its own beside it
// ("<file>.tmp-XXXXXX"), flushed, synced and renamed over the file, so a crash leaves the old
// file or the new one. Reads and writes never touch another writer's temporary file; what a
// crash left behind is cleared by recoverBackup, which only the folder's one writer calls. Keys
// match exactly (a line belongs to key k when it begins with k + ":"). Lines end in CR LF when
// written; CR LF, a lone CR and a lone LF all end a line when read. Text is single-byte and passed
// through unchanged.

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/debug_log.hpp"

namespace brisvale {

inline constexpr std::string_view kMissing = "!";        // what a missing file or key reads as
inline constexpr std::string_view kTempInfix = ".tmp-";  // "<file>.tmp-XXXXXX": a write underway

// True when path names an existing regular file.
bool FileExists(const std::filesystem::path& path);

// The trimmed value of key in section `index` ("index: N"; -99 = any section), "!" when the
// file or the key is missing, "" on an I/O error. The search runs from the section line (from
// the first line when there is none, or for -99) to the end of the file; the first match wins.
std::string GetProperty(std::int32_t index, std::string_view key, const std::filesystem::path& path,
                        const DebugLog* log = nullptr);

// Makes key hold value: replaces the key's line in place, or appends it after the last line,
// or creates the file as "index: N" and the key line. Every other line survives byte for byte.
// Returns false when the write failed (the file is then untouched). A key holding a colon or a
// line break, the key "index" (the section line's own), or a value holding a line break, is
// refused: it could not be read back as written.
bool SetProperty(std::int16_t index, std::string_view key, std::string_view value,
                 const std::filesystem::path& path, const DebugLog* log = nullptr,
                 bool sync = true);

// Removes every line of key (exact key) from the section line onward, in the file at path.
// A missing file or key is not a failure. Returns false when the file could not be rewritten,
// or for a key that SetProperty refuses.
bool DeleteProperty(std::int16_t index, std::string_view key, const std::filesystem::path& path,
                    const DebugLog* log = nullptr);

// Puts "<path>.bac" (the older writers' backup) in place of path. On failure writes "CopyFile
// <errno> File: <path>" to the debug log (even while it is off) and returns false.
bool RestoreFromBackup(const std::filesystem::path& path, const DebugLog* log = nullptr);

// --- The pieces the settings file and the casino history share ---

enum class ReadStatus { Ok, Missing, Failed };
struct FileText {
    ReadStatus status = ReadStatus::Failed;
    std::string bytes;
};
// The whole file as it is. Missing only when the path (or a folder on it) does not exist.
FileText readFile(const std::filesystem::path& path);

// Reads a whole file as lines (any line end). nullopt when it is missing or unreadable.
std::optional<std::vector<std::string>> readLines(const std::filesystem::path& path,
                                                  const DebugLog* log = nullptr);
// Replaces path atomically by these lines, each followed by CR LF.
// Refuses (false, file untouched) a line that holds a CR or LF of its own.
bool writeLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                const DebugLog* log = nullptr, bool sync = true);
// Appends whole lines to text that ends with a line end. A lone CR before a piece that starts
// with LF becomes CR LF, so the two lines do not read as one after the line between them left.
void appendLines(std::string& text, std::string_view lines);
// Replaces path atomically by these bytes.
bool writeFileAtomic(const std::filesystem::path& path, std::string_view bytes,
                     const DebugLog* log = nullptr, bool sync = true);
// Replaces path atomically by these pieces, one after the other.
bool writeFileAtomic(const std::filesystem::path& path,
                     std::initializer_list<std::string_view> pieces, const DebugLog* log = nullptr,
                     bool sync = true);
// Clears what interrupted writes left beside path; called by the holder of the folder's lock
// before it reads the file. Temporary files of the file are removed. A "<path>.bac" of the
// older writers is put in place when it is whole and the file is missing or a cut-short copy
// of it, and discarded otherwise (the file is then intact and the backup an unfinished write).
void recoverBackup(const std::filesystem::path& path, const DebugLog* log = nullptr);
// Deletes a file and any backup beside it (which would otherwise bring the file back); false
// only when the file exists and cannot be deleted, or is not a file (a folder, a pipe, a
// device: never deleted).
bool removeFile(const std::filesystem::path& path);

}  // namespace brisvale
