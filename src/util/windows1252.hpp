// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's files hold single-byte Windows-1252 text; the front ends speak UTF-8. This is
// the one conversion between the two.

#include <string>
#include <string_view>

namespace brisvale {

// Every byte has a character: the five that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become U+0081 ... U+009D, so any file's bytes come back unchanged.
std::string utf8FromWindows1252(std::string_view bytes);

// The inverse. A character that Windows-1252 cannot hold becomes '?'; a byte that is not part
// of valid UTF-8 is taken as the Windows-1252 byte it already is.
std::string windows1252FromUtf8(std::string_view utf8);

}  // namespace brisvale
