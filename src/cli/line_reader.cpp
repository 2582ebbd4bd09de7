// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/line_reader.hpp"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace brisvale::cli {

// One read of what the stream has: fread would wait for a whole buffer, so a person typing
// (or a program talking to the console) would see nothing until the input ended.
bool LineReader::fill() {
    if (eof_) return false;
    pos_ = 0;
    end_ = 0;
    for (;;) {
        const ssize_t got = ::read(::fileno(file_), buffer_.data(), buffer_.size());
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            eof_ = true;
            return false;
        }
        end_ = static_cast<std::size_t>(got);
        return true;
    }
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
