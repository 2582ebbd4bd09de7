// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/text.hpp"

namespace brisvale {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace brisvale
