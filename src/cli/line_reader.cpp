#include "cli/line_reader.hpp"

#include <poll.h>

namespace brisvale::cli {

bool LineReader::fill() {
    if (eof_) return false;
    pos_ = 0;
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    if (end_ == 0) eof_ = true;
    return end_ > 0;
}

bool LineReader::moreWaiting() const {
    if (pos_ < end_) return true;
    if (eof_) return false;
    pollfd ready{::fileno(file_), POLLIN, 0};
    return ::poll(&ready, 1, 0) > 0 && (ready.revents & POLLIN) != 0;
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
