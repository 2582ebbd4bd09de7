// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/debug_log.hpp"

#include <fstream>
#include <system_error>

namespace brisvale {

void DebugLog::write(std::string_view line) const {
    if (enabled_) forceWrite(line);
}

void DebugLog::forceWrite(std::string_view line) const {
    if (file_.empty()) return;
    // Binary mode: the log keeps CR LF line ends on every platform, like the program's other files.
    std::ofstream out(file_, std::ios::binary | std::ios::app);
    if (!out) return;
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
    out.write("\r\n", 2);
}

void DebugLog::remove() const {
    if (file_.empty()) return;
    std::error_code ec;
    std::filesystem::remove(file_, ec);
}

}  // namespace brisvale
