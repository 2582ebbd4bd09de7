#pragma once
// The history box Text1: each entered number on top of the earlier ones. It grows by one line
// per spin for the whole session, so lines are appended and the text is rendered on demand.

#include <cstddef>
#include <string>
#include <vector>

namespace brisvale {

class HistoryBox {
  public:
    // Puts a number on top: five blanks before a red number, three before 0, none before black.
    void AddHistoryLine(int number);
    void clear() { numbers_.clear(); }
    bool empty() const { return numbers_.empty(); }
    std::size_t lineCount() const { return numbers_.size(); }
    // Newest first, every line ended by CR LF.
    std::string text() const;

  private:
    std::vector<signed char> numbers_;  // oldest first
};

}  // namespace brisvale
