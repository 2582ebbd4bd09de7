// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The debug log, "debug.txt" in the data folder. Off for the whole run; a failed restore of a
// properties file writes its one line even so.

#include <filesystem>
#include <string_view>

namespace brisvale {

class DebugLog {
  public:
    DebugLog() = default;
    explicit DebugLog(std::filesystem::path file) : file_(std::move(file)) {}

    const std::filesystem::path& file() const { return file_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool on) { enabled_ = on; }

    // Appends one line (CR LF) while logging is on.
    void write(std::string_view line) const;
    // Appends one line whether logging is on or not.
    void forceWrite(std::string_view line) const;
    // Deletes the log file ("-d").
    void remove() const;

  private:
    std::filesystem::path file_;
    bool enabled_ = false;
};

}  // namespace brisvale
