// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/history_box.hpp"

#include "model/numbers.hpp"

namespace brisvale {

void HistoryBox::AddHistoryLine(int number) {
    numbers_.push_back(static_cast<signed char>(number));
    ++revision_;
}

std::string HistoryBox::line(std::size_t i) const {
    const int n = number(i);
    const char* indent = n == 0 ? "   " : isRed(n) ? "     " : "";
    return indent + std::to_string(n);
}

std::string HistoryBox::text() const {
    std::string out;
    out.reserve(numbers_.size() * 8);
    for (std::size_t i = 0; i < numbers_.size(); ++i) {
        out += line(i);
        out += "\r\n";
    }
    return out;
}

}  // namespace brisvale
