// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Roulette numbers 0..36: colours and their two-digit text.

#include <string>

namespace brisvale {

inline constexpr int kNumberCount = 37;

constexpr bool isRed(int n) {
    switch (n) {
        case 1:
        case 3:
        case 5:
        case 7:
        case 9:
        case 12:
        case 14:
        case 16:
        case 18:
        case 19:
        case 21:
        case 23:
        case 25:
        case 27:
        case 30:
        case 32:
        case 34:
        case 36:
            return true;
        default:
            return false;
    }
}
constexpr bool isBlack(int n) {
    return n >= 1 && n <= 36 && !isRed(n);
}

// "00" .. "36".
std::string PadNumber(int n);

}  // namespace brisvale
