// SPDX-License-Identifier: GPL-3.0-or-later
#include "remote/chip_setup.hpp"

#include <algorithm>

#include "board/chips.hpp"

namespace brisvale {
namespace {

inline constexpr int kLargestFontSize = 72;  // points

// `value`, or `fitted` with a note naming the item when they differ.
int fit(int value, int fitted, int item, const char* what, std::vector<std::string>& notes) {
    if (value != fitted) {
        notes.push_back("Remote item " + std::to_string(item) + " (" + what + ") " +
                        std::to_string(value) + " cannot be used: " + std::to_string(fitted) +
                        " instead");
    }
    return fitted;
}

int inRange(int value, int lo, int hi, int item, const char* what,
            std::vector<std::string>& notes) {
    return fit(value, std::clamp(value, lo, hi), item, what, notes);
}

// A chip without size could never be seen, so it keeps the design's size.
int size(int value, int design, int item, const char* what, std::vector<std::string>& notes) {
    return fit(value, value > 0 ? value : design, item, what, notes);
}

}  // namespace

ChipSetup chipSetup(const RemoteSettings& remote) {
    ChipSetup s;
    auto& notes = s.notes;
    s.appearance = inRange(remote.chipAppearance, 0, 1, 4, "chip appearance", notes);
    s.borderStyle = inRange(remote.chipBorderStyle, 0, 1, 5, "chip border style", notes);
    s.width = size(remote.chipWidth, board::kChipWidth, 6, "chip width", notes);
    s.height = size(remote.chipHeight, board::kChipHeight, 7, "chip height", notes);
    s.label.top = remote.labelTop;
    s.label.left = remote.labelLeft;
    s.label.width = s.width;
    s.label.height = s.height;
    s.label.alignment =
        inRange(remote.labelAlignment, AlignLeft, AlignCentre, 10, "label alignment", notes);
    s.label.bold = true;
    s.label.fontSize =
        inRange(remote.labelFontSize, 1, kLargestFontSize, 11, "label font size", notes);
    return s;
}

}  // namespace brisvale
