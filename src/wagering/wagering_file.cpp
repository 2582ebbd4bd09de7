// SPDX-License-Identifier: GPL-3.0-or-later
// The wagering file: the eight sequences and the three auto-increase settings.

#include <string>

#include "storage/properties.hpp"
#include "util/numbers.hpp"
#include "wagering/sequences.hpp"

namespace brisvale {

namespace {

constexpr std::int16_t kSection = 1;

constexpr std::string_view kAutoIncreaseKey = "autoincrease";
constexpr std::string_view kIncreaseChipsKey = "wagerincreasechips";
constexpr std::string_view kIncreaseStepsKey = "wagerincreasehowmanychips";

constexpr int kDefaultAutoIncrease = 1;
constexpr int kDefaultIncreaseChips = 200;
constexpr int kDefaultIncreaseSteps = 1;

// The sequences are read in this order, as the program always has.
constexpr std::array<Family, kFamilyCount> kReadOrder = {
    Family::Even,   Family::Row,  Family::Dozen, Family::Line,
    Family::Corner, Family::Trio, Family::Split, Family::Single};

// Written in this order, which is the order a fresh file shows.
constexpr std::array<Family, kFamilyCount> kWriteOrder = {
    Family::Even,   Family::Dozen, Family::Row,   Family::Line,
    Family::Corner, Family::Trio,  Family::Split, Family::Single};

void note(const DebugLog* log, const std::string& line) {
    if (log != nullptr) log->write(line);
}

// Reads one auto-increase setting. A value that is not a number falls back to its default in
// memory only: rewriting the whole file for it would throw away the user's own sequences.
int readSetting(std::string_view key, const std::string& text, int fallback,
                const std::filesystem::path& file, const DebugLog* log) {
    if (const std::optional<int> value = parseInt16(text)) return *value;
    note(log, "Wagering: " + std::string(key) + " is not a number in " + file.string() +
                  "; using " + std::to_string(fallback));
    return fallback;
}

}  // namespace

void WriteDefaultWagering(const std::filesystem::path& file, const DebugLog* log) {
    bool ok = true;
    for (Family family : kWriteOrder)
        ok = SetProperty(kSection, sequenceKey(family), defaultSequenceText(family), file, log) &&
             ok;
    ok = SetProperty(kSection, kAutoIncreaseKey, std::to_string(kDefaultAutoIncrease), file, log) &&
         ok;
    ok = SetProperty(kSection, kIncreaseChipsKey, std::to_string(kDefaultIncreaseChips), file,
                     log) &&
         ok;
    ok = SetProperty(kSection, kIncreaseStepsKey, std::to_string(kDefaultIncreaseSteps), file,
                     log) &&
         ok;
    if (!ok) note(log, "Wagering: could not write the default wagering to " + file.string());
}

Wagering defaultWagering() {
    Wagering wagering;
    for (Family family : kWriteOrder) {
        wagering.WagerSequence[static_cast<int>(family)] =
            splitSequence(defaultSequenceText(family));
    }
    wagering.AutoIncrease = kDefaultAutoIncrease;
    wagering.IncreaseChips = kDefaultIncreaseChips;
    wagering.IncreaseSteps = kDefaultIncreaseSteps;
    return wagering;
}

void LoadWagering(Wagering& wagering, const std::filesystem::path& file, const DebugLog* log,
                  bool writeDefaults) {
    const std::string chips = GetProperty(kSection, kIncreaseChipsKey, file, log);
    const std::string autoIncrease = GetProperty(kSection, kAutoIncreaseKey, file, log);
    const std::string steps = GetProperty(kSection, kIncreaseStepsKey, file, log);

    if (chips == kMissing || autoIncrease == kMissing || steps == kMissing) {
        // A fresh or incomplete file: write the defaults and hold exactly what was written.
        if (writeDefaults) WriteDefaultWagering(file, log);
        wagering.IncreaseChips = kDefaultIncreaseChips;
        wagering.AutoIncrease = kDefaultAutoIncrease;
        wagering.IncreaseSteps = kDefaultIncreaseSteps;
    } else {
        wagering.IncreaseChips =
            readSetting(kIncreaseChipsKey, chips, kDefaultIncreaseChips, file, log);
        wagering.AutoIncrease =
            readSetting(kAutoIncreaseKey, autoIncrease, kDefaultAutoIncrease, file, log);
        wagering.IncreaseSteps =
            readSetting(kIncreaseStepsKey, steps, kDefaultIncreaseSteps, file, log);
    }

    for (Family family : kReadOrder) {
        std::string text = GetProperty(kSection, sequenceKey(family), file, log);
        if (text == kMissing || text.empty()) {
            // Never stake from the missing-key answer, and an empty value (or a read error)
            // holds no sequence at all; the family's default is the safe reading of both.
            note(log, "Wagering: no " + std::string(sequenceKey(family)) + " sequence in " +
                          file.string() + "; using the default");
            text = defaultSequenceText(family);
        }
        wagering.WagerSequence[static_cast<int>(family)] = splitSequence(text);
    }
}

}  // namespace brisvale
