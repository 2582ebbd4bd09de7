// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One wager sequence ("1,2,4,8,16,32,64,Q"): its elements as stored, and what each stands for,
// read once when the sequence is set, since the rules ask for its stakes on every spin.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisvale {

// The whole number an element stands for: decimal figures only (no sign, blank or point), at
// most 2147483647; nullopt for a mark or anything else. The sequence check accepts the same.
std::optional<long long> elementValue(std::string_view element);

// What an element stands for: chips to stake, a stop mark ("S"), a quit mark ("Q"), or
// nothing readable (which the rules take as a quit mark, so that nothing unread is staked).
struct SequenceStep {
    enum class Kind : std::uint8_t { Chips, Stop, Quit, Unreadable };
    Kind kind = Kind::Unreadable;
    long long chips = 0;  // Chips: how many
};

class Sequence {
  public:
    Sequence() = default;
    // Implicit: a sequence is set from its elements and read as them.
    Sequence(std::vector<std::string> elements);
    Sequence(std::initializer_list<std::string> elements)
        : Sequence(std::vector<std::string>(elements)) {}

    std::size_t size() const { return elements_.size(); }
    bool empty() const { return elements_.empty(); }
    const std::string& operator[](std::size_t i) const { return elements_[i]; }
    const std::string& front() const { return elements_.front(); }
    auto begin() const { return elements_.begin(); }
    auto end() const { return elements_.end(); }
    const std::vector<std::string>& elements() const { return elements_; }
    bool operator==(const Sequence& other) const { return elements_ == other.elements_; }

    void push_back(std::string element);
    void pop_back();
    void clear() { *this = Sequence(); }

    // The step at `step` (0 for the first element), or nullptr outside the sequence.
    const SequenceStep* at(int step) const {
        return step >= 0 && static_cast<std::size_t>(step) < steps_.size() ? &steps_[step]
                                                                           : nullptr;
    }
    // The conservative rule: the chips spent up to `step` are at most half the total of the
    // sequence. Both sums run up to the first element that is no number; a stop mark before
    // any quit mark means the sequence is never limited.
    bool withinHalf(int step) const;

  private:
    void reread();

    std::vector<std::string> elements_;
    std::vector<SequenceStep> steps_;
    std::vector<long long> spent_;  // spent_[i]: the chips of elements 0..i, all numbers
    bool unlimited_ = false;
};

}  // namespace brisvale
