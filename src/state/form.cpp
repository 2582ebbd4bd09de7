// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/form.hpp"

#include <array>

namespace brisvale {

std::string_view howManyName(int k) {
    static constexpr std::array<std::string_view, kHowManyCount> kNames = {
        "cboDozen", "cboRow", "cboLine", "cboCorner", "cboTrio", "cboSplit", "cboSingle"};
    return k >= 0 && k < kHowManyCount ? kNames[k] : std::string_view();
}

std::string_view highLabelName(int check) {
    switch (check) {
        case 1:
            return "Label15";
        case 2:
            return "Label18";
        case 3:
            return "Label21";
        case 4:
            return "Label24";
        case 5:
            return "Label27";
        case 6:
            return "Label30";
        case 7:
            return "Label33";
        case 9:
            return "Label43";
        default:
            return {};
    }
}

}  // namespace brisvale
