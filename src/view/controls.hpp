// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls a user can change, by name: how the console and the window address them, and
// how they are shown.

#include <string>
#include <vector>

namespace brisvale {

struct ControlView {
    enum class Kind { Check, Option, List, Text };
    std::string name;
    Kind kind;
    int check = 0;        // Check: 0, 1 or 2 (grey)
    bool option = false;  // Option: selected
    std::string text;     // List: the entry shown; Text: the text
    bool enabled = true;
};

}  // namespace brisvale
