// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The history box Text1: each entered number on top of the earlier ones. It grows by one line
// per spin for the whole session, so lines are appended, copies share them, and the text is
// rendered on demand.

#include <cstddef>
#include <cstdint>
#include <string>

#include "util/series.hpp"

namespace brisvale {

class HistoryBox {
  public:
    // Puts a number on top: five blanks before a red number, three before 0, none before black.
    void AddHistoryLine(int number);
    void clear() {
        numbers_.clear();
        ++revision_;
    }
    bool empty() const { return numbers_.empty(); }
    std::size_t lineCount() const { return numbers_.size(); }
    // Line i from the top (0: the newest), without its line end.
    std::string line(std::size_t i) const;
    // The number of line i from the top.
    int number(std::size_t i) const { return numbers_[numbers_.size() - 1 - i]; }
    // Newest first, every line ended by CR LF.
    std::string text() const;
    // Changes with every change of the lines, so a front end redraws only when needed.
    std::uint64_t revision() const { return revision_; }
    // The numbers, oldest first.
    const Series<signed char>& numbers() const { return numbers_; }

  private:
    Series<signed char> numbers_;  // oldest first
    std::uint64_t revision_ = 0;
};

}  // namespace brisvale
