// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text as the user types it and the files hold it.

#include <string_view>

namespace brisvale {

// Without the blanks and tabs at both ends.
std::string_view trimBlanks(std::string_view text);

}  // namespace brisvale
