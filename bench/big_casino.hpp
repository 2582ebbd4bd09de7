// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The history line of a casino named "Big" with `spins` spins, each followed by a comma, as the
// history file holds it; the same pseudo-random spins in every benchmark.

#include <string>

namespace brisvale::bench {

inline std::string bigCasinoLine(int spins = 100000) {
    std::string value = "Big,";
    unsigned seed = 5;
    for (int i = 0; i < spins; ++i) {
        seed = seed * 1103515245u + 12345u;
        value += std::to_string((seed >> 16) % 37) + ",";
    }
    return value;
}

}  // namespace brisvale::bench
