// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/whole_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace brisvale {
namespace {

std::string describeMode(mode_t mode) {
    if (S_ISDIR(mode)) return "it is a folder, not a file";
    if (S_ISFIFO(mode)) return "it is a named pipe, not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a file";
    if (S_ISSOCK(mode)) return "it is a socket, not a file";
    if (S_ISLNK(mode)) return "it is a symbolic link that leads nowhere";
    return "it is not a regular file";
}

std::string describeOpenError(const std::filesystem::path& path, int error) {
    if (error == ELOOP) return "it is a symbolic link that leads round in a loop";
    if (error == EACCES || error == EPERM) return "permission to read it is denied";
    if (error == EISDIR) return "it is a folder, not a file";
    if (const std::string there = whatIsThere(path); !there.empty()) return there;
    return std::string("it cannot be opened (") + std::strerror(error) + ")";
}

}  // namespace

std::string whatIsThere(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        return S_ISREG(info.st_mode) ? "" : describeMode(info.st_mode);
    }
    const int error = errno;
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        return error == ELOOP ? "it is a symbolic link that leads round in a loop"
                              : "it is a symbolic link that leads nowhere";
    }
    return "";
}

WholeFile readWholeFile(const std::filesystem::path& path, std::size_t maxBytes) {
    WholeFile file;
    // O_NONBLOCK: opening a named pipe for reading would otherwise wait for a writer for ever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT && whatIsThere(path).empty()) {
            file.status = WholeFile::Status::Missing;
        } else if (error == ENOTDIR) {
            file.status = WholeFile::Status::Missing;
        } else {
            file.why = describeOpenError(path, error);
        }
        return file;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        file.why = describeMode(info.st_mode);
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
            file.why = std::string("it cannot be read (") + std::strerror(errno) + ")";
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
    struct stat info {};
    if (::lstat(file.c_str(), &info) != 0) return false;
    std::filesystem::path bad = file;
    bad += ".bad";
    // A folder cannot replace an older "<name>.bad" that is not an empty folder: that one goes
    // first when it is a file or a link (a folder of the user's is never deleted).
    struct stat old {};
    if (S_ISDIR(info.st_mode) && ::lstat(bad.c_str(), &old) == 0 && !S_ISDIR(old.st_mode)) {
        ::unlink(bad.c_str());
    }
    return ::rename(file.c_str(), bad.c_str()) == 0;
}

}  // namespace brisvale
