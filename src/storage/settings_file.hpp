// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file: "index: 1" and 121 key lines in a fixed order, read by position.

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "storage/debug_log.hpp"

namespace brisvale {

inline constexpr int kSettingsCount = 121;

// Positions of the settings variables (the order of the file).
enum SettingPos : int {
    EvenBets = 0,
    RedBlack,
    OddEven,
    HighLow,
    Dozen,
    Line,
    Trio,
    Row,
    Corner,
    Split,
    Single,
    WinsPer,
    PlayTime,
    MinWage,
    Acct,
    ProgSing,
    MultiBet,
    ProgMulti,
    ConsBetting,
    AggrDefault,
    ConsDefault,
    SpinInt,
    CboDozen,
    CboRow,
    CboLine,
    CboCorner,
    CboTrio,
    CboSplit,
    CboSingle,
    FirstPresetCheck = 29,  // four tables of 8 Random boxes: ProgSingAgg, ProgSingCons, ...
    FirstPresetLowHigh = 61,
};

// The four preset tables.
enum class Preset : int {
    SingleAggressive = 0,
    SingleConservative,
    MultiAggressive,
    MultiConservative
};

// Position of the Random box of threshold family k (0 Even .. 7 Single) in a preset table.
// The values position pos may hold, the one range every reader of a settings value checks
// (the settings file, the run file), so that what one takes the other reads back.
std::pair<std::int64_t, std::int64_t> settingRange(int pos);

int presetCheckPos(Preset preset, int family);
// Positions of the Low and High values of family k; single-bet tables have no Single (k = 7):
// -1 then.
int presetLowPos(Preset preset, int family);
int presetHighPos(Preset preset, int family);

struct Settings {
    // Every value fits 16 bits except Acct (position 14), which is 32-bit.
    std::array<std::int32_t, kSettingsCount> values{};
    std::int32_t& operator[](int pos) { return values[pos]; }
    std::int32_t operator[](int pos) const { return values[pos]; }
};

std::span<const std::string_view> settingsKeys();
Settings defaultSettings();

enum class SettingsStatus { Loaded, Missing, Damaged };
struct SettingsRead {
    SettingsStatus status = SettingsStatus::Missing;
    Settings values;      // valid only when Loaded
    std::string problem;  // what is wrong with a damaged file, for the user
};

// Reads by position: lines containing "index" are skipped, the text after the first ":" is
// trimmed, "true"/"false" in any case read as 1/0. A short file or a value that is not a number
// in its range is Damaged; nothing is half-applied. Lines after the 121st value are ignored.
SettingsRead readSettingsFile(const std::filesystem::path& file, const DebugLog* log = nullptr);
// Writes "index: 1" and the 121 lines from the values, in table order, atomically.
bool writeSettingsFile(const std::filesystem::path& file, const Settings& values,
                       const DebugLog* log = nullptr);
// Keeps a damaged file beside it as "<name>.bad" (replacing an older one). False when there is
// no file or it cannot be moved.
bool keepDamagedSettings(const std::filesystem::path& file);
// The three style keys, written one at a time in place ("False"/"True"). Nothing is written
// when the file is missing: a file of three values would read as damaged at the next start.
void writeStyleKeys(const std::filesystem::path& file, bool classic, bool multi, bool super,
                    const DebugLog* log = nullptr);

}  // namespace brisvale
