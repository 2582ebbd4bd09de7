// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/thresholds.hpp"

#include <array>
#include <string>

#include "util/numbers.hpp"

namespace brisvale {

int lowBox(int family) {
    return 2 + 2 * family;
}
int highBox(int family) {
    return 3 + 2 * family;
}
int randomBox(int family) {
    return family == 7 ? 9 : family + 1;
}

bool DrawThresholds(PlayState& s, Dialogs& dialogs, Random& random) {
    static constexpr std::array<std::string_view, kFamilyCount> kNames = {
        "Even", "Dozen", "Row", "Line", "Corner", "Trio", "Split", "Single"};
    std::array<int, kFamilyCount> low{};
    std::array<int, kFamilyCount> high{};
    for (int k = 0; k < kFamilyCount; ++k) {
        for (int box : {lowBox(k), highBox(k)}) {
            const auto value = parseInt16(s.form.Text[box].text);
            if (!value) {
                dialogs.message("Value must be numeric!", s.AppTitle);
                s.form.requestFocus("Text" + std::to_string(box));
                return false;
            }
            (box == lowBox(k) ? low[k] : high[k]) = *value;
        }
    }
    const int checked = s.MultiBetPlay ? kFamilyCount : kFamilyCount - 1;
    for (int k = 0; k < checked; ++k) {
        if (low[k] > high[k]) {
            dialogs.message("Low " + std::string(kNames[k]) + " value is invalid", s.AppTitle);
            return false;
        }
    }
    for (int k = 0; k < kFamilyCount; ++k) {
        // An unchecked Single pair with Low above High (Classic play) takes its Low.
        const bool draw = s.form.Check[randomBox(k)].value == 1 && low[k] < high[k];
        s.StartThreshold[k] =
            static_cast<std::int16_t>(draw ? random.uniform(low[k], high[k]) : low[k]);
    }
    return true;
}

}  // namespace brisvale
