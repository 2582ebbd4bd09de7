// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/spin_entry.hpp"

namespace brisvale {

std::optional<int> numberFromSingleTooltip(std::string_view tooltip) {
    constexpr std::string_view kWord = "Single";
    const std::size_t at = tooltip.find(kWord);
    if (at == std::string_view::npos) return std::nullopt;
    std::string_view rest = tooltip.substr(at + kWord.size());
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
    int value = 0;
    bool digits = false;
    while (!rest.empty() && rest.front() >= '0' && rest.front() <= '9') {
        value = value * 10 + (rest.front() - '0');
        if (value > 36) return std::nullopt;  // also keeps a long digit run from overflowing
        digits = true;
        rest.remove_prefix(1);
    }
    if (!digits) return std::nullopt;
    return value;
}

}  // namespace brisvale
