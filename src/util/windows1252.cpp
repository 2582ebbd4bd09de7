// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/windows1252.hpp"

#include <iconv.h>

#include <cerrno>
#include <optional>

namespace brisvale {
namespace {

constexpr bool isAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

constexpr bool undefinedByte(unsigned c) {
    return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

// One conversion descriptor of glibc's iconv for the length of one text.
class Iconv {
  public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv() {
        if (ok()) iconv_close(cd_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts from the front of `in` onwards, appending to `out`, and stops at the end or at
    // the first sequence it refuses; `in` keeps what is left.
    void convert(std::string_view& in, std::string& out) {
        char buffer[1024];
        while (!in.empty()) {
            char* src = const_cast<char*>(in.data());
            std::size_t srcLeft = in.size();
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            in.remove_prefix(in.size() - srcLeft);
            if (r == static_cast<std::size_t>(-1) && errno != E2BIG) return;
        }
    }

  private:
    iconv_t cd_;
};

// The code point of the UTF-8 sequence at the front of `text` and its length; nullopt for a
// byte that starts no valid sequence.
std::optional<std::pair<char32_t, std::size_t>> decodeOne(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(0);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length == 1 || lead > 0xF4 || text.size() < length) return std::nullopt;
    char32_t cp = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return std::nullopt;
    }
    return std::pair{cp, length};
}

}  // namespace

std::string utf8FromWindows1252(std::string_view bytes) {
    if (isAscii(bytes)) return std::string(bytes);
    Iconv iconv("UTF-8", "WINDOWS-1252");
    std::string out;
    out.reserve(bytes.size() * 3);
    while (!bytes.empty()) {
        if (iconv.ok()) iconv.convert(bytes, out);
        if (bytes.empty()) break;
        // Refused (an undefined byte), or no converter at all: the byte stands for the code
        // point of its own value, which is exact for everything but 0x80..0x9F.
        const auto c = static_cast<unsigned char>(bytes.front());
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
        bytes.remove_prefix(1);
    }
    return out;
}

std::string windows1252FromUtf8(std::string_view utf8) {
    if (isAscii(utf8)) return std::string(utf8);
    Iconv iconv("WINDOWS-1252", "UTF-8");
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        if (iconv.ok()) iconv.convert(utf8, out);
        if (utf8.empty()) break;
        const auto decoded = decodeOne(utf8);
        if (!decoded) {
            out += utf8.front();
            utf8.remove_prefix(1);
            continue;
        }
        const auto [cp, length] = *decoded;
        const bool direct = cp < 0x80 || undefinedByte(cp) || (!iconv.ok() && cp <= 0xFF);
        out += direct ? static_cast<char>(cp) : '?';
        utf8.remove_prefix(length);
    }
    return out;
}

}  // namespace brisvale
