// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The casino history file: after "index: 1", one line per casino, "name" + K + ": " + the
// casino's name + "," + its spins. K counts from 1 in the order the casinos were made; a file
// may hold gaps (name1, name3), and every casino line is kept whatever its K.

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/debug_log.hpp"

namespace brisvale {

struct CasinoLine {
    int key = 0;        // K of "nameK"
    std::string value;  // trimmed, as GetProperty reads it

    bool operator==(const CasinoLine&) const = default;
};

// "name" + k.
std::string casinoKey(int k);

// Every casino line from the section line on, in K order; a key written twice counts once, by
// its first line. Empty for a missing file, nullopt when the file cannot be read.
std::optional<std::vector<CasinoLine>> readCasinos(const std::filesystem::path& file,
                                                   const DebugLog* log = nullptr);

// Adds the line of a new casino under the key after the highest one in the file (the file is
// made when missing). Its key, or nullopt when the file could not be read or written.
std::optional<int> addCasino(const std::filesystem::path& file, std::string_view value,
                             const DebugLog* log = nullptr);

// Removes the lines of casino k. The casinos right after it (k + 1, k + 2, ... up to the first
// key missing) move down one key each; keys beyond a gap keep theirs, and every other byte of
// the file stays as it was. A missing key changes nothing. False when the file could not be
// read or rewritten (it is then untouched).
bool deleteCasino(const std::filesystem::path& file, int k, const DebugLog* log = nullptr);

// Recording spins without rewriting the whole history. The casino's line is moved to the end of
// the file once, by one atomic rewrite; from then on the new spins are written in place at the
// end of that line, so a spin costs a few bytes however long the file is.
class HistoryAppender {
  public:
    // Makes casino k's line hold value ("name,17,4,"), as SetProperty would. While the file is
    // the one this appender last wrote (same file, same size) and value only adds spins to
    // what it wrote, the new spins are written in place; otherwise the file is rewritten
    // atomically with the casino's line at the end. False when the write failed (the file then
    // holds what it held).
    bool write(const std::filesystem::path& file, int k, std::string_view value,
               const DebugLog* log = nullptr);

  private:
    bool appendInPlace(const std::filesystem::path& file, int k, std::string_view value);
    void remember(const std::filesystem::path& file, int k, std::size_t valueSize);

    dev_t dev_ = 0;
    ino_t ino_ = 0;  // 0: no file known
    off_t size_ = 0;
    int key_ = 0;
    std::size_t valueSize_ = 0;  // of the value last written, the end of the file
};

}  // namespace brisvale
