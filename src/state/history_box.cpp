#include "state/history_box.hpp"

#include "model/numbers.hpp"

namespace brisvale {

void HistoryBox::AddHistoryLine(int number) {
    numbers_.push_back(static_cast<signed char>(number));
}

std::string HistoryBox::text() const {
    std::string out;
    out.reserve(numbers_.size() * 8);
    for (auto it = numbers_.rbegin(); it != numbers_.rend(); ++it) {
        const int n = *it;
        if (n == 0) {
            out += "   ";
        } else if (isRed(n)) {
            out += "     ";
        }
        out += std::to_string(n);
        out += "\r\n";
    }
    return out;
}

}  // namespace brisvale
