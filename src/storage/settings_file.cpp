// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/settings_file.hpp"

#include <limits>
#include <optional>
#include <vector>

#include "storage/properties.hpp"
#include "util/numbers.hpp"
#include "util/text.hpp"

namespace brisvale {

namespace {

// The file order. Written out in full so that a key can be found by searching the source.
// clang-format off
constexpr std::array<std::string_view, kSettingsCount> kKeys = {
    "EvenBets", "RedBlack", "OddEven", "HighLow", "Dozen", "Line", "Trio", "Row", "Corner", "Split",
    "Single", "WinsPer", "PlayTime", "MinWage", "Acct", "ProgSing", "MultiBet", "ProgMulti",
    "ConsBetting", "AggrDefault", "ConsDefault", "SpinInt", "cboDozen", "cboRow", "cboLine",
    "cboCorner", "cboTrio", "cboSplit", "cboSingle",
    // Random boxes of the four presets (check8 is the conservative-betting box, not a preset).
    "ProgSingAggcheck1", "ProgSingAggcheck2", "ProgSingAggcheck3", "ProgSingAggcheck4",
    "ProgSingAggcheck5", "ProgSingAggcheck6", "ProgSingAggcheck7", "ProgSingAggcheck9",
    "ProgSingConscheck1", "ProgSingConscheck2", "ProgSingConscheck3", "ProgSingConscheck4",
    "ProgSingConscheck5", "ProgSingConscheck6", "ProgSingConscheck7", "ProgSingConscheck9",
    "ProgMultiBetAggcheck1", "ProgMultiBetAggcheck2", "ProgMultiBetAggcheck3",
    "ProgMultiBetAggcheck4", "ProgMultiBetAggcheck5", "ProgMultiBetAggcheck6",
    "ProgMultiBetAggcheck7", "ProgMultiBetAggcheck9", "ProgMultiBetConscheck1",
    "ProgMultiBetConscheck2", "ProgMultiBetConscheck3", "ProgMultiBetConscheck4",
    "ProgMultiBetConscheck5", "ProgMultiBetConscheck6", "ProgMultiBetConscheck7",
    "ProgMultiBetConscheck9",
    // Low/High start thresholds, Low then High per family.
    "ProgSingAggLowEven", "ProgSingAggHighEven", "ProgSingAggLowDoz", "ProgSingAggHighDoz",
    "ProgSingAggLowRow", "ProgSingAggHighRow", "ProgSingAggLowLine", "ProgSingAggHighLine",
    "ProgSingAggLowCorn", "ProgSingAggHighCorn", "ProgSingAggLowTrio", "ProgSingAggHighTrio",
    "ProgSingAggLowSplit", "ProgSingAggHighSplit", "ProgSingConsLowEven", "ProgSingConsHighEven",
    "ProgSingConsLowDoz", "ProgSingConsHighDoz", "ProgSingConsLowRow", "ProgSingConsHighRow",
    "ProgSingConsLowLine", "ProgSingConsHighLine", "ProgSingConsLowCorn", "ProgSingConsHighCorn",
    "ProgSingConsLowTrio", "ProgSingConsHighTrio", "ProgSingConsLowSplit", "ProgSingConsHighSplit",
    "ProgMultiBetAggLowEven", "ProgMultiBetAggHighEven", "ProgMultiBetAggLowDoz",
    "ProgMultiBetAggHighDoz", "ProgMultiBetAggLowRow", "ProgMultiBetAggHighRow",
    "ProgMultiBetAggLowLine", "ProgMultiBetAggHighLine", "ProgMultiBetAggLowCorn",
    "ProgMultiBetAggHighCorn", "ProgMultiBetAggLowTrio", "ProgMultiBetAggHighTrio",
    "ProgMultiBetAggLowSplit", "ProgMultiBetAggHighSplit", "ProgMultiBetAggLowSingle",
    "ProgMultiBetAggHighSingle", "ProgMultiBetConsLowEven", "ProgMultiBetConsHighEven",
    "ProgMultiBetConsLowDoz", "ProgMultiBetConsHighDoz", "ProgMultiBetConsLowRow",
    "ProgMultiBetConsHighRow", "ProgMultiBetConsLowLine", "ProgMultiBetConsHighLine",
    "ProgMultiBetConsLowCorn", "ProgMultiBetConsHighCorn", "ProgMultiBetConsLowTrio",
    "ProgMultiBetConsHighTrio", "ProgMultiBetConsLowSplit", "ProgMultiBetConsHighSplit",
    "ProgMultiBetConsLowSingle", "ProgMultiBetConsHighSingle",
};
// clang-format on

constexpr int kFamilies = 8;  // Even, Dozen, Row, Line, Corner, Trio, Split, Single
constexpr int kSingleFamily = 7;
constexpr int kChecksPerTable = 8;

// Default Low/High per preset table and family; the single-bet tables have no Single pair.
struct LowHigh {
    std::int16_t low;
    std::int16_t high;
};
constexpr LowHigh kDefaultThresholds[4][kFamilies] = {
    {{5, 6}, {5, 7}, {5, 7}, {14, 15}, {29, 30}, {34, 47}, {45, 50}, {0, 0}},
    {{6, 7}, {9, 11}, {7, 8}, {16, 17}, {32, 34}, {39, 42}, {50, 55}, {0, 0}},
    {{4, 5}, {6, 8}, {4, 5}, {9, 11}, {10, 12}, {12, 14}, {14, 17}, {22, 38}},
    {{6, 7}, {9, 11}, {7, 8}, {16, 17}, {32, 34}, {40, 43}, {50, 55}, {60, 70}},
};

constexpr std::array<int, 4> kFirstLowPos = {61, 75, 89, 105};

// At most this much of a bad value is quoted back to the user, in plain printable characters.
constexpr std::size_t kQuoteLimit = 24;

bool validFamily(int family) {
    return family >= 0 && family < kFamilies;
}

bool equalsNoCase(std::string_view text, std::string_view lower) {
    if (text.size() != lower.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != lower[i]) return false;
    }
    return true;
}

std::string quoteForUser(std::string_view value) {
    std::string out = "\"";
    for (std::size_t i = 0; i < value.size() && i < kQuoteLimit; ++i) {
        const auto byte = static_cast<unsigned char>(value[i]);
        out += (byte >= 0x20 && byte < 0x7F) ? static_cast<char>(byte) : '?';
    }
    if (value.size() > kQuoteLimit) out += "...";
    return out + "\"";
}

// The value part of a line: after the first ':' (the whole line when it holds none), trimmed.
std::string_view valueText(std::string_view line) {
    const auto colon = line.find(':');
    return trimBlanks(colon == std::string_view::npos ? line : line.substr(colon + 1));
}

// Converts the value of line `lineNo` (1-based) for position `pos`; a problem text on failure.
std::optional<std::string> convertValue(std::string_view text, int pos, std::size_t lineNo,
                                        std::int32_t& out) {
    if (equalsNoCase(text, "true")) {
        out = 1;
        return std::nullopt;
    }
    if (equalsNoCase(text, "false")) {
        out = 0;
        return std::nullopt;
    }
    const auto [low, high] = settingRange(pos);
    if (const auto value = parseWhole(text, low, high)) {
        out = static_cast<std::int32_t>(*value);
        return std::nullopt;
    }
    std::string problem = "line " + std::to_string(lineNo) + " (" + std::string(kKeys[pos]) + ")";
    if (text.empty()) return problem + " holds no value";
    problem += " holds " + quoteForUser(text);
    if (!isWhole(text)) return problem + ", not a number";
    return problem + ", not a whole number from " + std::to_string(low) + " to " +
           std::to_string(high);
}

SettingsRead damaged(std::string problem, const DebugLog* log) {
    if (log != nullptr) log->write("Settings file damaged: " + problem);
    SettingsRead read;
    read.status = SettingsStatus::Damaged;
    read.problem = std::move(problem);
    return read;
}

}  // namespace

std::pair<std::int64_t, std::int64_t> settingRange(int pos) {
    // The balance is money; every other value is a 16-bit number of the described program.
    if (pos == Acct) {
        return {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()};
    }
    return {std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()};
}

int presetCheckPos(Preset preset, int family) {
    if (!validFamily(family)) return -1;
    return FirstPresetCheck + static_cast<int>(preset) * kChecksPerTable + family;
}

int presetLowPos(Preset preset, int family) {
    const bool multi = preset == Preset::MultiAggressive || preset == Preset::MultiConservative;
    if (!validFamily(family) || (!multi && family == kSingleFamily)) return -1;
    return kFirstLowPos[static_cast<std::size_t>(preset)] + 2 * family;
}

int presetHighPos(Preset preset, int family) {
    const int low = presetLowPos(preset, family);
    return low < 0 ? -1 : low + 1;
}

std::span<const std::string_view> settingsKeys() {
    return kKeys;
}

Settings defaultSettings() {
    Settings s;  // the family switches and the how-many lists start at 0
    s[WinsPer] = 3;
    s[PlayTime] = 15;
    s[MinWage] = 1;
    s[Acct] = 0;
    s[ProgSing] = 1;
    s[MultiBet] = 0;
    s[ProgMulti] = 0;
    s[ConsBetting] = 1;
    s[AggrDefault] = 0;
    s[ConsDefault] = 1;
    s[SpinInt] = 3;
    for (int t = 0; t < 4; ++t) {
        const auto preset = static_cast<Preset>(t);
        for (int k = 0; k < kFamilies; ++k) {
            s[presetCheckPos(preset, k)] = 1;
            const int low = presetLowPos(preset, k);
            if (low < 0) continue;
            s[low] = kDefaultThresholds[t][k].low;
            s[low + 1] = kDefaultThresholds[t][k].high;
        }
    }
    return s;
}

SettingsRead readSettingsFile(const std::filesystem::path& file, const DebugLog* log) {
    const auto lines = readLines(file, log);
    if (!lines) {
        if (!FileExists(file)) return SettingsRead{};
        return damaged("the file cannot be read", log);
    }
    SettingsRead read;
    int taken = 0;
    std::size_t ignored = 0;
    for (std::size_t i = 0; i < lines->size(); ++i) {
        const std::string_view line = (*lines)[i];
        // Any line naming "index" is a section line, wherever the word stands.
        if (line.find("index") != std::string_view::npos) continue;
        if (taken == kSettingsCount) {
            ++ignored;
            continue;
        }
        if (auto problem = convertValue(valueText(line), taken, i + 1, read.values[taken])) {
            return damaged(std::move(*problem), log);
        }
        ++taken;
    }
    if (taken < kSettingsCount) {
        return damaged("the file holds " + std::to_string(taken) + " of its " +
                           std::to_string(kSettingsCount) + " values",
                       log);
    }
    if (ignored > 0 && log != nullptr) {
        log->write("Settings file: " + std::to_string(ignored) +
                   " lines after the last value ignored");
    }
    read.status = SettingsStatus::Loaded;
    return read;
}

bool writeSettingsFile(const std::filesystem::path& file, const Settings& values,
                       const DebugLog* log) {
    std::vector<std::string> lines;
    lines.reserve(kSettingsCount + 1);
    lines.emplace_back("index: 1");
    for (int pos = 0; pos < kSettingsCount; ++pos) {
        lines.push_back(std::string(kKeys[pos]) + ": " + std::to_string(values[pos]));
    }
    return writeLines(file, lines, log);
}

bool keepDamagedSettings(const std::filesystem::path& file) {
    if (!FileExists(file)) return false;
    std::filesystem::path bad = file;
    bad += ".bad";
    std::error_code ec;
    // rename replaces an older copy on every platform we build for.
    std::filesystem::rename(file, bad, ec);
    return !ec;
}

void writeStyleKeys(const std::filesystem::path& file, bool classic, bool multi, bool super,
                    const DebugLog* log) {
    // A missing file would be created holding three values and then read as damaged;
    // the whole file is written at close anyway.
    if (!FileExists(file)) return;
    const auto flag = [](bool on) {
        return on ? std::string_view("True") : std::string_view("False");
    };
    SetProperty(1, "ProgSing", flag(classic), file, log);
    SetProperty(1, "MultiBet", flag(multi), file, log);
    SetProperty(1, "ProgMulti", flag(super), file, log);
}

}  // namespace brisvale
