// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the program writes an amount into JSON: a whole amount as a whole number ("1000", not
// "1000.0" nor "1e+03"), as far as a double holds whole numbers exactly (2^53); any other
// amount as the shortest text that reads back as the same double. Not a number: null.

#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>

namespace brisvale {

template <class Json = nlohmann::json>
Json jsonNumber(double value) {
    constexpr double kExactWhole = 9007199254740992.0;
    if (value == std::trunc(value) && std::fabs(value) <= kExactWhole) {
        return static_cast<std::int64_t>(value);  // -0 becomes 0
    }
    return value;
}

}  // namespace brisvale
