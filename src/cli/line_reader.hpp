// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a command stream line by line in large blocks: a long script must cost no more than
// its lines.

#include <cstdio>
#include <string>
#include <vector>

namespace brisvale::cli {

class LineReader {
  public:
    explicit LineReader(std::FILE* file) : file_(file), buffer_(1 << 16) {}

    // The next line without its line end (LF, CR LF or a lone CR); false at the end.
    bool next(std::string& line);
    // More input can be read at once: it is buffered already, or the stream has it ready.
    bool moreWaiting() const;

  private:
    bool fill();

    std::FILE* file_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool eof_ = false;
    bool skipLf_ = false;  // the last line ended with CR: a following LF belongs to it
};

}  // namespace brisvale::cli
