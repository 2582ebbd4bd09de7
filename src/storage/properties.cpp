// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/properties.hpp"
#include "storage/whole_file.hpp"
#include "util/text.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <initializer_list>
#include <limits>
#include <system_error>

namespace brisvale {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::int32_t kAnySection = -99;

fs::path backupPath(const fs::path& path) {
    fs::path backup = path;
    backup += ".bac";
    return backup;
}

// Two memchr scans; find_first_of would make a call per byte of a long value.
bool hasLineBreak(std::string_view text) {
    return text.find('\r') != text.npos || text.find('\n') != text.npos;
}

// A key with a colon would be found again under the part before the colon, so it is refused;
// so is "index", whose first line is the section line itself.
bool isWritableKey(std::string_view key) {
    return !hasLineBreak(key) && key.find(':') == key.npos && key != "index";
}

// --- Finding lines in the text of a file. CR LF, a lone CR and a lone LF all end a line. ---

bool isLineStart(std::string_view text, std::size_t pos) {
    return pos == 0 || text[pos - 1] == '\r' || text[pos - 1] == '\n';
}

// A plain loop: find_first_of tests every byte against the set with a call of its own, and
// lines of the casino history run to many kilobytes.
std::size_t lineEndAt(std::string_view text, std::size_t pos) {
    while (pos < text.size() && text[pos] != '\r' && text[pos] != '\n') ++pos;
    return pos;
}

std::size_t nextLineStart(std::string_view text, std::size_t lineEnd) {
    if (lineEnd >= text.size()) return text.size();
    const bool crlf =
        text[lineEnd] == '\r' && lineEnd + 1 < text.size() && text[lineEnd + 1] == '\n';
    return lineEnd + (crlf ? 2 : 1);
}

// The start of the first line at or after `from` that begins with prefix (npos when none).
// Searching for the prefix itself is far quicker than walking every line of a long file.
std::size_t findLineStartingWith(std::string_view text, std::string_view prefix, std::size_t from) {
    for (std::size_t pos = text.find(prefix, from); pos != text.npos;
         pos = text.find(prefix, pos + 1)) {
        if (isLineStart(text, pos)) return pos;
    }
    return text.npos;
}

// Where the key search begins: the line that equals "index: N", else the first line.
std::size_t sectionStart(std::string_view text, std::int32_t index) {
    const std::string section = "index: " + std::to_string(index);
    for (std::size_t pos = findLineStartingWith(text, section, 0); pos != text.npos;
         pos = findLineStartingWith(text, section, pos + 1)) {
        if (lineEndAt(text, pos) == pos + section.size()) return pos;
    }
    return 0;
}

// A line belongs to a key only when it begins with the key and a colon.
std::size_t findKeyLine(std::string_view text, std::string_view key, std::size_t from) {
    std::string prefix;
    prefix.reserve(key.size() + 1);
    prefix.append(key).push_back(':');
    return findLineStartingWith(text, prefix, from);
}

bool endsWithLineBreak(std::string_view text) {
    return !text.empty() && (text.back() == '\r' || text.back() == '\n');
}

// --- Writing ---

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t done = ::write(fd, bytes.data(), bytes.size());
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(done));
    }
    return true;
}

// Makes a finished rename survive a power cut. Best effort: the new contents are already in place.
void syncDirectory(const fs::path& path) {
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Puts `from` in place of path; a failure is logged even while the log is off.
bool renameOver(const fs::path& from, const fs::path& path, const DebugLog* log, bool sync) {
    if (::rename(from.c_str(), path.c_str()) != 0) {
        const int error = errno;
        if (log != nullptr) {
            log->forceWrite("CopyFile " + std::to_string(error) + " File: " + path.string());
        }
        return false;
    }
    if (sync) syncDirectory(path);
    return true;
}

// The permissions a new file gets from open(): only umask() can tell the mask, and it is read
// back at once; the core writes files from one thread only.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A temporary file of its own for every write, beside the file so that the rename stays on one
// file system: "<file>.tmp-XXXXXX". Its name is left in `name`.
int createTemp(const fs::path& path, std::string& name) {
    name = path.string();
    name.append(kTempInfix).append("XXXXXX");
    int fd = -1;
    do {
        fd = ::mkostemp(name.data(), O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// The new file is the pieces in order. They are written to a temporary file, synced, and that
// is renamed over the file, so the file is at every moment either the old one or the new one.
bool writePiecesAtomic(const fs::path& path, std::initializer_list<std::string_view> pieces,
                       const DebugLog* log, bool sync) {
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    // A device or a pipe is never replaced by a file: its name is not one of ours to take. (The
    // rename refuses a folder by itself.)
    if (exists && !S_ISREG(old.st_mode) && !S_ISDIR(old.st_mode)) return false;
    const bool replacing = exists;
    std::string temp;
    const int fd = createTemp(path, temp);
    if (fd < 0) return false;
    bool ok = ::fchmod(fd, replacing ? (old.st_mode & 07777) : newFileMode()) == 0;
    for (std::string_view piece : pieces) ok = ok && writeAll(fd, piece);
    if (ok && sync) ok = ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (!ok || !renameOver(temp, path, log, sync)) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

// Everything a writer of these files writes ends with CR LF, so a backup that does not was cut
// short.
bool isWhole(std::string_view bytes) {
    return bytes.ends_with(kLineEnd);
}

// "<file>.tmp-" and the six characters mkostemp puts in.
bool isTempOf(const std::string& name, const std::string& file) {
    return name.size() == file.size() + kTempInfix.size() + 6 && name.starts_with(file) &&
           std::string_view(name).substr(file.size(), kTempInfix.size()) == kTempInfix;
}

}  // namespace

bool FileExists(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

FileText readFile(const fs::path& path) {
    // No size limit: a properties file is read whole, however long its history lines are.
    WholeFile whole = readWholeFile(path, std::numeric_limits<std::size_t>::max() / 2);
    FileText result;
    if (whole.status == WholeFile::Status::Read) {
        result.status = ReadStatus::Ok;
        result.bytes = std::move(whole.bytes);
    } else if (whole.status == WholeFile::Status::Missing) {
        result.status = ReadStatus::Missing;
    }
    return result;
}

namespace {

// The trimmed value of key's line in text, searched from `from`; nullopt when no line holds it.
std::optional<std::string> valueIn(std::string_view text, std::string_view key, std::size_t from) {
    if (hasLineBreak(key)) return std::nullopt;
    const std::size_t line = findKeyLine(text, key, from);
    if (line == text.npos) return std::nullopt;
    const std::size_t valueStart = line + key.size() + 1;
    return std::string(
        trimBlanks(text.substr(valueStart, lineEndAt(text, valueStart) - valueStart)));
}

}  // namespace

std::string GetProperty(std::int32_t index, std::string_view key, const fs::path& path,
                        const DebugLog*) {
    const FileText file = readFile(path);
    if (file.status == ReadStatus::Missing) return std::string(kMissing);
    if (file.status == ReadStatus::Failed) return {};
    const std::string_view text = file.bytes;
    const std::size_t from = index == kAnySection ? 0 : sectionStart(text, index);
    return valueIn(text, key, from).value_or(std::string(kMissing));
}

bool SetProperty(std::int16_t index, std::string_view key, std::string_view value,
                 const fs::path& path, const DebugLog* log, bool sync) {
    if (!isWritableKey(key) || hasLineBreak(value)) return false;
    const FileText file = readFile(path);
    if (file.status == ReadStatus::Failed) return false;
    std::string keyLine;
    keyLine.reserve(key.size() + 2 + value.size());
    keyLine.append(key).append(": ").append(value);
    if (file.status == ReadStatus::Missing) {
        const std::string section = "index: " + std::to_string(index);
        return writePiecesAtomic(path, {section, kLineEnd, keyLine, kLineEnd}, log, sync);
    }
    const std::string_view text = file.bytes;
    const std::size_t line = findKeyLine(text, key, sectionStart(text, index));
    if (line == text.npos) {
        const std::string_view separator = text.empty() || endsWithLineBreak(text) ? "" : kLineEnd;
        return writePiecesAtomic(path, {text, separator, keyLine, kLineEnd}, log, sync);
    }
    const std::size_t end = lineEndAt(text, line);
    if (text.substr(line, end - line) == keyLine && text.substr(end, 2) == kLineEnd) return true;
    // The written line ends in CR LF; every byte before and after it is kept as it was.
    const std::string_view rest = text.substr(nextLineStart(text, end));
    return writePiecesAtomic(path, {text.substr(0, line), keyLine, kLineEnd, rest}, log, sync);
}

bool DeleteProperty(std::int16_t index, std::string_view key, const fs::path& path,
                    const DebugLog* log) {
    if (!isWritableKey(key)) return false;
    const FileText file = readFile(path);
    if (file.status == ReadStatus::Missing) return true;
    if (file.status == ReadStatus::Failed) return false;
    const std::string_view text = file.bytes;
    std::size_t line = findKeyLine(text, key, sectionStart(text, index));
    if (line == text.npos) return true;
    std::string kept;
    kept.reserve(text.size());
    std::size_t copied = 0;
    while (line != text.npos) {
        appendLines(kept, text.substr(copied, line - copied));
        copied = nextLineStart(text, lineEndAt(text, line));
        line = findKeyLine(text, key, copied);
    }
    appendLines(kept, text.substr(copied));
    return writePiecesAtomic(path, {kept}, log, true);
}

bool RestoreFromBackup(const fs::path& path, const DebugLog* log) {
    return renameOver(backupPath(path), path, log, true);
}

std::optional<std::vector<std::string>> readLines(const fs::path& path, const DebugLog*) {
    const FileText file = readFile(path);
    if (file.status != ReadStatus::Ok) return std::nullopt;
    const std::string_view text = file.bytes;
    std::vector<std::string> lines;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t end = lineEndAt(text, pos);
        lines.emplace_back(text.substr(pos, end - pos));
        pos = nextLineStart(text, end);
    }
    return lines;
}

bool writeLines(const fs::path& path, const std::vector<std::string>& lines, const DebugLog* log,
                bool sync) {
    std::size_t size = 0;
    for (const std::string& line : lines) {
        if (hasLineBreak(line)) return false;
        size += line.size() + kLineEnd.size();
    }
    std::string bytes;
    bytes.reserve(size);
    for (const std::string& line : lines) bytes.append(line).append(kLineEnd);
    return writeFileAtomic(path, bytes, log, sync);
}

void appendLines(std::string& text, std::string_view lines) {
    if (!text.empty() && text.back() == '\r' && lines.starts_with('\n')) text.push_back('\n');
    text.append(lines);
}

bool writeFileAtomic(const fs::path& path, std::string_view bytes, const DebugLog* log, bool sync) {
    return writePiecesAtomic(path, {bytes}, log, sync);
}

bool writeFileAtomic(const fs::path& path, std::initializer_list<std::string_view> pieces,
                     const DebugLog* log, bool sync) {
    return writePiecesAtomic(path, pieces, log, sync);
}

void recoverBackup(const fs::path& path, const DebugLog* log) {
    std::error_code ec;
    // Temporary files of writes that never finished; the folder's lock says no writer is left.
    const std::string file = path.filename().string();
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (isTempOf(it->path().filename().string(), file)) fs::remove(it->path(), ec);
    }
    // The backup of the older writers: written whole, then (by the oldest) copied over the file
    // after deleting it, or (later) renamed over it.
    const fs::path backup = backupPath(path);
    if (!fs::is_regular_file(backup, ec)) return;
    const FileText saved = readFile(backup);
    const FileText current = readFile(path);
    if (saved.status != ReadStatus::Ok || current.status == ReadStatus::Failed) return;
    // Missing beside a whole backup, or a cut-short copy of it: the backup is the newest whole
    // file. Otherwise the file is intact and the backup an unfinished write.
    const bool backupWins =
        isWhole(saved.bytes) &&
        (current.status == ReadStatus::Missing ||
         (current.bytes.size() < saved.bytes.size() && saved.bytes.starts_with(current.bytes)));
    if (backupWins) {
        RestoreFromBackup(path, log);
    } else {
        fs::remove(backup, ec);
    }
}

bool removeFile(const fs::path& path) {
    // A folder, a pipe or a device where a file belongs is the user's, not a file to delete.
    // A link that leads nowhere may go; one to such a thing stays with it.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return false;
    std::error_code ec;
    // A leftover backup would otherwise bring the deleted file back on the next read.
    fs::remove(backupPath(path), ec);
    ec.clear();
    fs::remove(path, ec);
    return !ec;
}

}  // namespace brisvale
