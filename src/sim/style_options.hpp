// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A play style built without the window: the simulator's style options (--watch, --threshold,
// --sequence, --count, --wins, --minutes, --unit-wager) and the style file, a small JSON object
// with the same members, written by the console's `style` and the dialog's Save Style...

#include <optional>
#include <string>
#include <string_view>

#include "advisor/advisor.hpp"

namespace brisvale::sim {

// The family names of the window: red-black, odd-even, high-low, dozen, row, line, corner,
// trio, split, single ("even" names the even-money threshold and sequence).
inline constexpr std::string_view kFamilyNames =
    "red-black, odd-even, high-low, dozen, row, line, corner, trio, split, single";

// Applies one style option (its name without the dashes) to the style; the reason when the
// value is bad, naming the option and what it takes.
std::optional<std::string> applyStyleOption(StoredStyle& style, std::string_view option,
                                            std::string_view value);
// Applies a style file's members to the style; `playStyle` takes its "play_style". The reason
// when the text is not a style file, naming the member at fault.
std::optional<std::string> applyStyleFile(StoredStyle& style, std::optional<PlayStyle>& playStyle,
                                          std::string_view text);
// The style file of a style as the panel shows it.
std::string styleFileText(const StoredStyle& style, PlayStyle playStyle);

// The option that mends a style that Start refuses with this message, or "" when none does.
std::string mendingOption(std::string_view startProblem);

}  // namespace brisvale::sim
