// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Compile-time construction of the bet catalogue. Internal to model/: other code reads the
// catalogue through bets.hpp.

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "model/bets.hpp"
#include "model/numbers.hpp"

namespace brisvale::catalogue {

constexpr NumberMask bit(int n) {
    return NumberMask{1} << n;
}

// Accumulates a label into the fixed-size text of a Bet.
struct LabelText {
    std::array<char, 20> text{};
    std::uint8_t length = 0;

    constexpr LabelText& add(std::string_view s) {
        for (char c : s) text[length++] = c;
        return *this;
    }
    constexpr LabelText& add2(int n) {
        text[length++] = static_cast<char>('0' + n / 10);
        text[length++] = static_cast<char>('0' + n % 10);
        return *this;
    }
    // "Corner 04/01/05/02": the word, a space, then two-digit numbers joined by "/".
    constexpr LabelText& numbers(std::string_view word, std::initializer_list<int> ns) {
        add(word).add(" ");
        bool first = true;
        for (int n : ns) {
            if (!first) add("/");
            add2(n);
            first = false;
        }
        return *this;
    }
};

constexpr std::uint8_t netPayoutOf(Family family) {
    switch (family) {
        case Family::Even:
            return 1;
        case Family::Dozen:
        case Family::Row:
            return 2;
        case Family::Line:
            return 5;
        case Family::Corner:
            return 8;
        case Family::Trio:
            return 11;
        case Family::Split:
            return 17;
        case Family::Single:
            return 35;
    }
    return 0;
}

constexpr Bet makeBet(const LabelText& label, NumberMask numbers, NumberMask printed,
                      Family family) {
    Bet b{};
    b.text = label.text;
    b.length = label.length;
    b.numbers = numbers;
    b.printed = printed;
    for (int n = 1; n <= 36; ++n) {
        if ((numbers & bit(n)) != 0) b.list[b.count++] = static_cast<std::uint8_t>(n);
    }
    b.family = family;
    b.netPayout = netPayoutOf(family);
    b.returnFactor = static_cast<std::uint8_t>(b.netPayout + 1);
    return b;
}

// Numbers 1..36 that satisfy pred.
template <typename Pred>
constexpr NumberMask maskWhere(Pred pred) {
    NumberMask m = 0;
    for (int n = 1; n <= 36; ++n) {
        if (pred(n)) m |= bit(n);
    }
    return m;
}

constexpr Bet namedBet(std::string_view name, NumberMask numbers, Family family) {
    return makeBet(LabelText{}.add(name), numbers, 0, family);
}

constexpr Bet pairBet(std::string_view word, int a, int b, Family family) {
    return makeBet(LabelText{}.numbers(word, {a, b}), bit(a) | bit(b), bit(a) | bit(b), family);
}

struct SplitPair {
    int a, b;
};

// The order in which multi-bet play scans the splits; the bet table keeps splits in it too.
inline constexpr std::array<SplitPair, 57> kMultiSplits{{
    {1, 2},   {33, 30}, {2, 3},   {4, 1},   {7, 4},   {10, 7},  {13, 10}, {4, 5},   {5, 6},
    {16, 13}, {19, 16}, {22, 19}, {17, 18}, {19, 20}, {20, 21}, {25, 22}, {28, 25}, {31, 28},
    {34, 31}, {5, 2},   {8, 5},   {11, 8},  {14, 11}, {17, 14}, {14, 15}, {16, 17}, {22, 23},
    {20, 17}, {23, 20}, {26, 23}, {29, 26}, {32, 29}, {35, 32}, {6, 3},   {9, 6},   {12, 9},
    {15, 12}, {18, 15}, {21, 18}, {24, 21}, {27, 24}, {30, 27}, {36, 33}, {7, 8},   {8, 9},
    {10, 11}, {11, 12}, {13, 14}, {23, 24}, {25, 26}, {26, 27}, {28, 29}, {29, 30}, {31, 32},
    {32, 33}, {34, 35}, {35, 36},
}};

// Column splits by column, then row splits ascending.
constexpr std::array<SplitPair, 57> naturalSplits() {
    std::array<SplitPair, 57> out{};
    std::size_t k = 0;
    for (int column = 1; column <= 3; ++column) {
        for (int b = column; b + 3 <= 36; b += 3) out[k++] = {b + 3, b};
    }
    for (int a = 1; a <= 35; ++a) {
        if (a % 3 != 0) out[k++] = {a, a + 1};
    }
    return out;
}

constexpr std::array<Bet, kBetCount> build() {
    std::array<Bet, kBetCount> t{};
    std::size_t k = 0;
    constexpr std::array<std::string_view, 3> dozens{"1st 12", "2nd 12", "3rd 12"};
    for (int d = 0; d < 3; ++d) {
        t[k++] =
            namedBet(dozens[d], maskWhere([d](int n) { return (n - 1) / 12 == d; }), Family::Dozen);
    }
    for (int r = 1; r <= 3; ++r) {
        t[k++] = makeBet(LabelText{}.add("Row ").add(std::string_view("123").substr(r - 1, 1)),
                         maskWhere([r](int n) { return (n - 1) % 3 + 1 == r; }), 0, Family::Row);
    }
    for (int a = 6; a <= 36; a += 3) {
        t[k++] = makeBet(LabelText{}.numbers("Line", {a, a - 3}),
                         maskWhere([a](int n) { return n > a - 6 && n <= a; }), bit(a) | bit(a - 3),
                         Family::Line);
    }
    for (int n = 1; n <= 32; ++n) {
        if (n % 3 == 0) continue;
        const NumberMask m = bit(n) | bit(n + 1) | bit(n + 3) | bit(n + 4);
        t[k++] =
            makeBet(LabelText{}.numbers("Corner", {n + 3, n, n + 4, n + 1}), m, m, Family::Corner);
    }
    for (int a = 1; a <= 34; a += 3) {
        const NumberMask m = bit(a) | bit(a + 1) | bit(a + 2);
        t[k++] = makeBet(LabelText{}.numbers("Trio", {a, a + 1, a + 2}), m, m, Family::Trio);
    }
    for (const SplitPair& s : kMultiSplits) t[k++] = pairBet("Split", s.a, s.b, Family::Split);
    t[k++] = namedBet("Black", maskWhere(isBlack), Family::Even);
    t[k++] = namedBet("Red", maskWhere(isRed), Family::Even);
    t[k++] = namedBet("Odd", maskWhere([](int n) { return n % 2 == 1; }), Family::Even);
    t[k++] = namedBet("Even", maskWhere([](int n) { return n % 2 == 0; }), Family::Even);
    t[k++] = namedBet("01 to 18", maskWhere([](int n) { return n <= 18; }), Family::Even);
    t[k++] = namedBet("19 to 36", maskWhere([](int n) { return n >= 19; }), Family::Even);
    for (int n = 1; n <= 36; ++n) {
        t[k++] = makeBet(LabelText{}.add("Single ").add2(n), bit(n), bit(n), Family::Single);
    }
    return t;
}

inline constexpr std::array<Bet, kBetCount> kBets = build();

// The id of the bet with this exact label, or kBetCount.
constexpr std::size_t idOf(std::string_view label) {
    for (std::size_t i = 0; i < kBets.size(); ++i) {
        if (kBets[i].label() == label) return i;
    }
    return kBets.size();
}

}  // namespace brisvale::catalogue
