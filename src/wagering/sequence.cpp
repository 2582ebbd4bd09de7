// SPDX-License-Identifier: GPL-3.0-or-later
#include "wagering/sequence.hpp"

#include <algorithm>
#include <limits>

namespace brisvale {
namespace {

// A mark in either case.
bool isMark(std::string_view element, char mark) {
    return element.size() == 1 && (element[0] == mark || element[0] == mark - 'A' + 'a');
}

SequenceStep read(std::string_view element) {
    using Kind = SequenceStep::Kind;
    if (isMark(element, 'Q')) return {Kind::Quit};
    if (isMark(element, 'S')) return {Kind::Stop};
    if (const auto chips = elementValue(element)) return {Kind::Chips, *chips};
    return {Kind::Unreadable};
}

}  // namespace

std::optional<long long> elementValue(std::string_view element) {
    // Capping at the 32-bit range keeps every product and sum of elements far from overflow.
    constexpr long long kCap = std::numeric_limits<std::int32_t>::max();
    if (element.empty()) return std::nullopt;
    long long value = 0;
    for (char c : element) {
        const unsigned digit = static_cast<unsigned char>(c) - unsigned{'0'};
        if (digit > 9) return std::nullopt;
        value = value * 10 + digit;
        if (value > kCap) return std::nullopt;
    }
    return value;
}

Sequence::Sequence(std::vector<std::string> elements) : elements_(std::move(elements)) {
    reread();
}

void Sequence::push_back(std::string element) {
    elements_.push_back(std::move(element));
    reread();
}

void Sequence::pop_back() {
    elements_.pop_back();
    reread();
}

void Sequence::reread() {
    steps_.clear();
    spent_.clear();
    unlimited_ = false;
    bool numbers = true;  // every element so far is a number
    for (const std::string& element : elements_) {
        const SequenceStep step = read(element);
        steps_.push_back(step);
        if (!numbers) continue;
        if (step.kind != SequenceStep::Kind::Chips) {
            numbers = false;
            unlimited_ = step.kind == SequenceStep::Kind::Stop;
            continue;
        }
        spent_.push_back((spent_.empty() ? 0 : spent_.back()) + step.chips);
    }
}

bool Sequence::withinHalf(int step) const {
    if (unlimited_ || step < 0 || spent_.empty()) return true;
    const long long spent = spent_[std::min<std::size_t>(step, spent_.size() - 1)];
    // Total / 2 >= Spent, without rounding.
    return spent_.back() >= 2 * spent;
}

}  // namespace brisvale
