// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bet catalogue: the 150 bets of a single-zero layout as compile-time data.
// A bet is identified by its index in bet-table order (BetId 0..149); every text the user
// sees (labels, list entries, winners entries, captions) is rendered from here.

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace brisvale {

using BetId = std::uint8_t;
inline constexpr int kBetCount = 150;

// Bit n set = number n covered (n = 0..36). Number 0 is covered by no bet.
using NumberMask = std::uint64_t;

// A set of bets, by id.
using BetSet = std::bitset<kBetCount>;

// The eight bet families; also the threshold families and the keys of the wager sequences.
enum class Family : std::uint8_t { Even, Dozen, Row, Line, Corner, Trio, Split, Single };
inline constexpr int kFamilyCount = 8;

struct Bet {
    std::array<char, 20> text;          // the label, NUL-padded
    std::uint8_t length;                // characters of the label
    NumberMask numbers;                 // the numbers covered
    NumberMask printed;                 // the numbers printed in the label (lines print only two)
    std::array<std::uint8_t, 18> list;  // the numbers covered, ascending
    std::uint8_t count;                 // how many numbers are covered
    Family family;
    std::uint8_t netPayout;     // net win per unit staked: 1, 2, 5, 8, 11, 17, 35
    std::uint8_t returnFactor;  // returned per unit staked, stake included: 2, 3, 6, 9, 12, 18, 36

    constexpr std::string_view label() const { return {text.data(), length}; }
    constexpr bool covers(int n) const { return n > 0 && n <= 36 && ((numbers >> n) & 1U) != 0; }
};

// Bet-table ids of the named bets and the first id of each block (bet-table order).
namespace bet_ids {
inline constexpr BetId FirstDozen = 0, SecondDozen = 1, ThirdDozen = 2;
inline constexpr BetId Row1 = 3, Row2 = 4, Row3 = 5;
inline constexpr BetId FirstLine = 6;     // 11 lines, "Line 06/03" .. "Line 36/33"
inline constexpr BetId FirstCorner = 17;  // 22 corners by ascending n
inline constexpr BetId FirstTrio = 39;    // 12 trios ascending
inline constexpr BetId FirstSplit = 51;   // 57 splits in the multi-bet scan order
inline constexpr BetId Black = 108, Red = 109, Odd = 110, Even = 111, Low = 112, High = 113;
inline constexpr BetId FirstSingle = 114;  // "Single 01" .. "Single 36"
}  // namespace bet_ids

namespace detail {
extern const std::array<Bet, kBetCount> betTable;
}

// Ids must be below kBetCount. Inline: the triggers and the settlement call it in their loops.
inline const Bet& bet(BetId id) {
    return detail::betTable[id];
}
std::string_view label(BetId id);
const std::array<Bet, kBetCount>& allBets();
// The numbers the bet covers, ascending.
std::span<const std::uint8_t> numbersOf(BetId id);

// The four text forms of a label.
std::string listEntry(BetId id);     // "Red,"
std::string winnersEntry(BetId id);  // ",Red"
// The Classic caption: "Bet $" & amount & suffix (" on Red", " Even", " on 1 to 18", ...).
std::string caption(BetId id, long long amount);
// The single-number bet of n (1..36).
BetId singleOf(int n);

// Scan orders, as ordered id lists.
std::span<const BetId> betTableOrder();    // 0..149
std::span<const BetId> multiSplitOrder();  // the 57 splits, bet-table order
// Trigger order inside a family. Even: Red, Black, 01 to 18, 19 to 36, Even, Odd.
// Split: natural order, column splits by column, then row splits (Classic); multi-bet play
// scans multiSplitOrder().
std::span<const BetId> triggerOrder(Family family);
std::span<const BetId> winnersOrder();  // trios; Red, Black, 01 to 18, 19 to 36, Even, Odd; ...
std::span<const BetId> zeroCountsOrder();
// For each number 0..36, the bets that cover it.
const std::array<BetSet, 37>& betsCovering();  // the same order as the winners text

// Lookups by label text.
std::optional<BetId> findLabel(std::string_view label);
// Return factor by the label rule: exact even-money labels 2, exact dozens 3, then by the
// family word ("Row" 3, "Line" 6, "Corner" 9, "Trio" 12, "Split" 18, "Single" 36), else 0.
int returnFactorOf(std::string_view label);
// Family by the label rule of the catalogue (exact even-money and dozen labels, then words).
std::optional<Family> familyOf(std::string_view label);
// Family of the wager sequence used for a label: "Single", "Split", "Trio", an exact
// even-money label, "Corner", "Line", an exact dozen, an exact row, in that order.
std::optional<Family> sequenceFamilyOf(std::string_view label);

// Every bet whose label occurs in text (case-sensitive substring search).
BetSet betsInText(std::string_view text);

std::string_view familyName(Family family);  // "Even", "Dozen", "Row", ...

}  // namespace brisvale
