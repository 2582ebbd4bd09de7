#include "cli/line_reader.hpp"

#include <unistd.h>

#include <cerrno>

namespace brisvale::cli {

bool LineReader::fill() {
    if (eof_) return false;
    pos_ = 0;
    // read() returns what has arrived, so a command typed or piped in runs at once; fread
    // would wait for a whole block or the end of the input.
    ssize_t got = 0;
    do {
        got = ::read(::fileno(file_), buffer_.data(), buffer_.size());
    } while (got < 0 && errno == EINTR);
    end_ = got > 0 ? static_cast<std::size_t>(got) : 0;
    if (end_ == 0) eof_ = true;
    return end_ > 0;
}

bool LineReader::next(std::string& line) {
    line.clear();
    bool any = false;
    for (;;) {
        if (pos_ == end_ && !fill()) return any;
        if (skipLf_) {
            skipLf_ = false;
            if (buffer_[pos_] == '\n' && ++pos_ == end_) continue;
        }
        any = true;
        std::size_t i = pos_;
        while (i < end_ && buffer_[i] != '\n' && buffer_[i] != '\r') ++i;
        line.append(buffer_.data() + pos_, i - pos_);
        if (i == end_) {
            pos_ = end_;
            continue;
        }
        skipLf_ = buffer_[i] == '\r';
        pos_ = i + 1;
        return true;
    }
}

}  // namespace brisvale::cli
