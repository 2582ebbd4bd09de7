// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spins of a backtest: a spin file, or a casino's recorded history in the data folder.
// Both are read once, without writing anything.

#include <filesystem>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace brisvale::sim {

// The spins, oldest first, or what to tell the user.
using SpinList = std::variant<std::vector<int>, std::string>;

// A spin file, all or nothing: a bad file gets the import's message naming its first bad
// entry.
SpinList readSpinList(const std::filesystem::path& file);
// The recorded spins of the casino called `name` (as the Casino list shows it). Entries that
// are no number of the wheel are skipped, as the history replay skips them.
SpinList readCasinoSpins(const std::filesystem::path& dataDir, std::string_view name);

}  // namespace brisvale::sim
