// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Play styles built in memory, as a data folder would store them.

#include <functional>
#include <memory>

#include "advisor/advisor.hpp"

namespace brisvale::sim::test {

// The default style with Start's usual blockers lifted: no table change and a fixed
// threshold (Random off) of `low` spins for every family.
inline std::shared_ptr<StoredStyle> makeStyle(const std::function<void(Settings&)>& edit,
                                              int low = 2) {
    auto style = std::make_shared<StoredStyle>();
    style->settings.status = SettingsStatus::Loaded;
    Settings& s = style->settings.values;
    s = defaultSettings();
    s[WinsPer] = 999;
    s[PlayTime] = 999;
    s[ConsBetting] = 0;
    for (const Preset preset : {Preset(0), Preset(1), Preset(2), Preset(3)}) {
        for (int k = 0; k < 8; ++k) {
            s[presetCheckPos(preset, k)] = 0;
            if (presetLowPos(preset, k) >= 0)
                s[presetLowPos(preset, k)] = s[presetHighPos(preset, k)] = low;
        }
    }
    edit(s);
    style->wagering = defaultWagering();
    return style;
}

// Classic, Red/Black only at a threshold of `low` spins, sequence 1,2,4,...,Q, $1000 at Start.
inline std::shared_ptr<StoredStyle> redBlack(int winsPerTable = 999, int minutes = 999,
                                             int low = 2) {
    return makeStyle(
        [&](Settings& s) {
            s[EvenBets] = 2;
            s[RedBlack] = 1;
            s[Acct] = 1000;
            s[WinsPer] = winsPerTable;
            s[PlayTime] = minutes;
        },
        low);
}

}  // namespace brisvale::sim::test
