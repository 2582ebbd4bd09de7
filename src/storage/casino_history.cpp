// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/casino_history.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <map>

#include "storage/properties.hpp"
#include "util/numbers.hpp"
#include "util/text.hpp"

namespace brisvale {
namespace {

constexpr std::string_view kStem = "name";
constexpr int kHighestKey = 999'999'999;  // nine figures: keys stay well inside an int

struct Line {
    std::size_t start = 0;
    std::size_t end = 0;   // where its line end begins
    std::size_t next = 0;  // where the next line begins
};

// The lines of text; CR LF, a lone CR and a lone LF each end one.
std::vector<Line> linesOf(std::string_view text) {
    std::vector<Line> lines;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        std::size_t next = end;
        if (next < text.size()) next += text.substr(next, 2) == "\r\n" ? 2 : 1;
        lines.push_back({pos, end, next});
        pos = next;
    }
    return lines;
}

// K when the line is a casino line ("name" + K + ":", K from 1 without leading zeros).
std::optional<int> keyOf(std::string_view line) {
    if (!line.starts_with(kStem)) return std::nullopt;
    const std::size_t colon = line.find(':');
    if (colon == line.npos) return std::nullopt;
    const std::string_view digits = line.substr(kStem.size(), colon - kStem.size());
    const auto k = parseFigures(digits, kHighestKey);
    if (!k || digits[0] == '0') return std::nullopt;
    return static_cast<int>(*k);
}

struct Parsed {
    std::string text;
    std::vector<Line> lines;
    std::size_t first = 0;                   // the section line, where keys are looked for from
    std::map<int, std::size_t> firstLineOf;  // key -> its first line

    std::string_view line(std::size_t i) const {
        return std::string_view(text).substr(lines[i].start, lines[i].end - lines[i].start);
    }
    std::optional<int> key(std::size_t i) const {
        return i < first ? std::nullopt : keyOf(line(i));
    }
};

std::optional<Parsed> parse(const std::filesystem::path& file) {
    FileText read = readFile(file);
    if (read.status == ReadStatus::Failed) return std::nullopt;
    Parsed p;
    p.text = std::move(read.bytes);
    p.lines = linesOf(p.text);
    for (std::size_t i = 0; i < p.lines.size(); ++i) {
        if (p.line(i) == "index: 1") {
            p.first = i;
            break;
        }
    }
    for (std::size_t i = p.first; i < p.lines.size(); ++i) {
        if (const auto k = p.key(i)) p.firstLineOf.emplace(*k, i);
    }
    return p;
}

}  // namespace

std::string casinoKey(int k) {
    return std::string(kStem) + std::to_string(k);
}

std::optional<std::vector<CasinoLine>> readCasinos(const std::filesystem::path& file,
                                                   const DebugLog*) {
    const auto p = parse(file);
    if (!p) return std::nullopt;
    std::vector<CasinoLine> casinos;
    for (const auto& [k, i] : p->firstLineOf) {
        const std::string_view line = p->line(i);
        casinos.push_back({k, std::string(trimBlanks(line.substr(line.find(':') + 1)))});
    }
    return casinos;
}

std::optional<int> addCasino(const std::filesystem::path& file, std::string_view value,
                             const DebugLog* log) {
    const auto p = parse(file);
    if (!p) return std::nullopt;
    const int highest = p->firstLineOf.empty() ? 0 : p->firstLineOf.rbegin()->first;
    if (highest >= kHighestKey) return std::nullopt;
    if (!SetProperty(1, casinoKey(highest + 1), value, file, log)) return std::nullopt;
    return highest + 1;
}

bool deleteCasino(const std::filesystem::path& file, int k, const DebugLog* log) {
    const auto p = parse(file);
    if (!p) return false;
    if (!p->firstLineOf.contains(k)) return true;
    int last = k;  // the casinos k + 1 .. last move down one key
    while (last < kHighestKey && p->firstLineOf.contains(last + 1)) ++last;
    std::string kept;
    kept.reserve(p->text.size());
    for (std::size_t i = 0; i < p->lines.size(); ++i) {
        const Line& l = p->lines[i];
        const std::optional<int> key = p->key(i);
        const std::string_view whole = std::string_view(p->text).substr(l.start, l.next - l.start);
        if (key == k) continue;
        if (key && *key > k && *key <= last) {
            kept += casinoKey(*key - 1);
            kept += whole.substr(whole.find(':'));
        } else {
            appendLines(kept, whole);
        }
    }
    return writeFileAtomic(file, kept, log);
}

namespace {

bool writeAllAt(int fd, std::string_view bytes, off_t at) {
    while (!bytes.empty()) {
        const ssize_t done = ::pwrite(fd, bytes.data(), bytes.size(), at);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(done));
        at += done;
    }
    return true;
}

bool readAllAt(int fd, std::string& bytes, off_t at) {
    for (std::size_t used = 0; used < bytes.size();) {
        const ssize_t got =
            ::pread(fd, bytes.data() + used, bytes.size() - used, at + static_cast<off_t>(used));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        used += static_cast<std::size_t>(got);
    }
    return true;
}

}  // namespace

bool HistoryAppender::appendInPlace(const std::filesystem::path& file, int k,
                                    std::string_view value) {
    if (ino_ == 0 || key_ != k || value.size() <= valueSize_) return false;
    const int fd = ::open(file.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_dev == dev_ &&
              info.st_ino == ino_ && info.st_size == size_;
    // The end of the line as the file holds it must be the end of what value extends. The line
    // changes only at its end between two writes (a spin taken back, another entered), so its
    // last kilobytes tell, without reading a long line whole.
    constexpr std::size_t kChecked = 64 * 1024;
    const std::size_t checked = std::min(valueSize_, kChecked);
    std::string tail(checked + 2, '\0');
    ok = ok && readAllAt(fd, tail, size_ - static_cast<off_t>(tail.size())) &&
         tail.ends_with("\r\n") &&
         std::string_view(tail).substr(0, checked) == value.substr(valueSize_ - checked, checked);
    if (ok) {
        std::string added(value.substr(valueSize_));
        added += "\r\n";
        const off_t at = size_ - 2;
        ok = writeAllAt(fd, added, at) && ::fdatasync(fd) == 0;
        if (ok) {
            size_ += static_cast<off_t>(added.size()) - 2;
            valueSize_ = value.size();
        } else {
            // Back to the file as it was: these bytes need no new room on the disk.
            writeAllAt(fd, "\r\n", at);
            if (::ftruncate(fd, size_) == 0) ::fdatasync(fd);
        }
    }
    ::close(fd);
    return ok;
}

void HistoryAppender::remember(const std::filesystem::path& file, int k, std::size_t valueSize) {
    struct stat info {};
    ino_ = 0;
    if (::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return;
    dev_ = info.st_dev;
    ino_ = info.st_ino;
    size_ = info.st_size;
    key_ = k;
    valueSize_ = valueSize;
}

bool HistoryAppender::write(const std::filesystem::path& file, int k, std::string_view value,
                            const DebugLog* log) {
    if (appendInPlace(file, k, value)) return true;
    ino_ = 0;
    const auto p = parse(file);
    if (!p) return false;
    std::vector<std::size_t> own;  // casino k's lines
    for (std::size_t i = p->first; i < p->lines.size(); ++i) {
        if (p->key(i) == k) own.push_back(i);
    }
    // A key written twice counts by its first line; such a file keeps its order.
    if (own.size() != 1) {
        if (!SetProperty(1, casinoKey(k), value, file, log)) return false;
        if (own.empty()) remember(file, k, value.size());
        return true;
    }
    // The file without the casino's line, then the line: written in pieces, so that a long
    // history is not copied once more in memory.
    const std::string_view text = p->text;
    const Line& l = p->lines[own[0]];
    const std::string_view before = text.substr(0, l.start), after = text.substr(l.next);
    // A lone CR before a line that starts with LF would make one line end of the two.
    const std::string_view joint = before.ends_with('\r') && after.starts_with('\n') ? "\n" : "";
    const std::string_view last = after.empty() ? before : after;
    const bool ended = last.empty() || last.back() == '\r' || last.back() == '\n';
    const std::string_view end = ended ? "" : "\r\n";
    const std::string line = casinoKey(k) + ": ";
    if (!writeFileAtomic(file, {before, joint, after, end, line, value, "\r\n"}, log)) return false;
    remember(file, k, value.size());
    return true;
}

}  // namespace brisvale
