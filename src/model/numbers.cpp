// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/numbers.hpp"

namespace brisvale {

std::string PadNumber(int n) {
    // Numbers of the layout always take two digits; anything else keeps its plain form.
    if (n < 0 || n > 99) return std::to_string(n);
    return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

}  // namespace brisvale
