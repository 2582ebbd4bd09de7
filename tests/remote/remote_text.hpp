// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Remote settings texts as a site writes them, for the tests.

#include <string>
#include <vector>

#include "remote/remote_settings.hpp"

namespace brisvale::test {

// The 35 items of a site: the numbers (items 4 to 19) are 10 * item + 1, unlike the built-in
// ones; the other items read "text" and their number.
inline std::vector<std::string> siteValues() {
    std::vector<std::string> v(kRemoteItemCount);
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = i >= 4 && i <= 19 ? std::to_string(10 * i + 1) : "text" + std::to_string(i);
    return v;
}

// "Item0=value---Item1=value...", with `eol` after each value and each "---".
inline std::string oneLine(const std::vector<std::string>& values, const std::string& eol = "") {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i)
        text += (i > 0 ? "---" + eol : "") + "Item" + std::to_string(i) + "=" + values[i] + eol;
    return text;
}

}  // namespace brisvale::test
