// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/casino_history.hpp"

#include <algorithm>
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

}  // namespace brisvale
