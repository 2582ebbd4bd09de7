// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Wager sequences: one progression per bet family ("1,2,4,8,16,32,64,Q"), the stakes they give
// and the wagering file that holds them with the three auto-increase settings.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/bets.hpp"
#include "storage/debug_log.hpp"
#include "wagering/sequence.hpp"

namespace brisvale {

struct Wagering {
    std::array<Sequence, kFamilyCount> WagerSequence;  // indexed by Family
    int AutoIncrease = 0;
    int IncreaseChips = 0;
    int IncreaseSteps = 0;

    const Sequence& of(Family f) const { return WagerSequence[static_cast<int>(f)]; }
};

// The wagering file's key of a family: "even", "dozen", "row", "line", ...
std::string_view sequenceKey(Family family);
// The default sequence text of a family ("1,2,4,8,16,32,64,Q" for Even).
std::string_view defaultSequenceText(Family family);
// Splits a sequence text at every comma, exactly as stored ("1,,2" has an empty element);
// the empty text holds no elements.
Sequence splitSequence(std::string_view text);
std::string joinSequence(const Sequence& sequence);

// Reads the three auto-increase keys and the eight sequences; a missing auto-increase key
// writes the defaults first and then holds what it wrote. A setting that is not a 16-bit whole
// number takes its own default (the file is left alone); a missing or empty sequence reads as
// the family's default. With writeDefaults false nothing is written: a missing
// auto-increase key reads as the defaults all the same.
void LoadWagering(Wagering& wagering, const std::filesystem::path& file, const DebugLog* log,
                  bool writeDefaults = true);
// The sequences and auto-increase settings of a fresh wagering file.
Wagering defaultWagering();
// Writes the eleven keys with their defaults, in the fixed key order.
void WriteDefaultWagering(const std::filesystem::path& file, const DebugLog* log);

// Codes of ParseStep and NextStake.
inline constexpr int kStepStake = 0;
inline constexpr int kStepStop = 1;
inline constexpr int kStepQuit = 2;

// 32-bit stake of n chips at unitWager dollars each, saturating instead of wrapping.
std::int32_t stakeOf(long long chips, long long unitWager);

// "Q"/"q" -> 2, "S"/"s" -> 1, a whole number n -> 0 and stake = n * unitWager; anything else
// counts as a quit mark (2) so that no unreadable amount is ever staked.
int ParseStep(std::string_view element, long long unitWager, std::int32_t& stake);
// ParseStep of the element at `step` of the family's sequence after the conservative test;
// a step beyond the last element reads as a quit mark.
int NextStake(const Wagering& wagering, Family family, int step, bool conservative,
              long long unitWager, std::int32_t& stake);
// Chips won (element * net payout of the family) or lost (element) at `step`; 0 when the step
// holds no whole number or lies outside the sequence.
long long ChipsForResult(const Wagering& wagering, Family family, int step, bool win);
// True while conservative betting is off, or while the chips spent up to `step` are at most
// half the total of the sequence; sequences holding an "S" before any "Q" are never limited.
// Marks count in either case; an unreadable element ends both sums like a "Q".
bool WithinConservativeLimit(const Sequence& sequence, int step, bool conservative);
// x with its fractional part cut off (toward zero); saturates beyond the 64-bit range, 0 for NaN.
long long RoundDown(double x);
// The custom wagering editor's rule: whole-number elements and at least one "S" or "Q" mark,
// not first; no empty element, blank, sign or lower-case mark.
bool isValidSequence(std::string_view text);

// A sequence as typed into the custom wagering editor, read leniently: blanks around an element
// go and a lower-case mark counts as its capital. `text` is the sequence as it is stored;
// `problem` is empty when it is a valid sequence that stakes something at every number, and
// otherwise says what its first bad entry is ("entry 3 \"x\" is not a whole number, S or Q").
struct TypedSequence {
    std::string text;
    std::string problem;
};
TypedSequence readTypedSequence(std::string_view typed);

// The minimum wager as the engine changes it: the unit in dollars ($1..$100, the amounts the
// player can choose), the unit the run started with, and the chips won since the last change.
struct MinimumWager {
    long long UnitWager = 1;
    long long StartUnitWager = 1;
    long long NetChips = 0;
};
inline constexpr long long kLowestWager = 1;
inline constexpr long long kHighestWager = 100;

// Every change keeps UnitWager within $1..$100 and needs AutoIncrease == 1 and
// IncreaseChips >= 1.
// After a Classic win.
void raiseClassic(const Wagering& wagering, MinimumWager& wager);
// After a multi-bet spin with a win that left no bet open.
void raiseMulti(const Wagering& wagering, MinimumWager& wager);
// After a Classic stop mark, or a multi-bet spin that left no bet open.
void lowerWager(const Wagering& wagering, MinimumWager& wager);

}  // namespace brisvale
