// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/whole_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace brisvale {

WholeFile readWholeFile(const std::filesystem::path& path, std::size_t maxBytes) {
    WholeFile file;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) file.status = WholeFile::Status::Missing;
        return file;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return file;
    }
    if (static_cast<std::size_t>(info.st_size) > maxBytes) {
        ::close(fd);
        file.status = WholeFile::Status::TooLarge;
        return file;
    }
    // The file may grow while it is read: reading stops at the limit all the same. One spare
    // byte lets the read that sees the end of the file happen without growing.
    std::string& bytes = file.bytes;
    bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (bytes.size() > maxBytes) {
                ::close(fd);
                bytes.clear();
                file.status = WholeFile::Status::TooLarge;
                return file;
            }
            bytes.resize(bytes.size() * 2);
        }
        const ssize_t got = ::read(fd, bytes.data() + used, bytes.size() - used);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            ::close(fd);
            bytes.clear();
            return file;
        }
        if (got == 0) break;
        used += static_cast<std::size_t>(got);
    }
    ::close(fd);
    bytes.resize(used);
    file.status = used > maxBytes ? WholeFile::Status::TooLarge : WholeFile::Status::Read;
    if (used > maxBytes) bytes.clear();
    return file;
}

bool keepAsBad(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return false;
    std::filesystem::path bad = file;
    bad += ".bad";
    std::filesystem::rename(file, bad, ec);
    return !ec;
}

}  // namespace brisvale
