// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/spin_history.hpp"

namespace brisvale {

SpinHistory::SpinHistory(const std::vector<int>& spins) {
    spins_.append(spins.data(), spins.size());
    for (std::size_t i = 0; i < spins.size(); ++i) {
        if (!isNumber(spins[i])) continue;
        ++hits_[static_cast<std::size_t>(spins[i])];
        lastEnd_[static_cast<std::size_t>(spins[i])] = i + 1;
    }
}

void SpinHistory::push_back(int spin) {
    spins_.push_back(spin);
    if (!isNumber(spin)) return;
    ++hits_[static_cast<std::size_t>(spin)];
    lastEnd_[static_cast<std::size_t>(spin)] = spins_.size();
}

void SpinHistory::pop_back() {
    if (spins_.empty()) return;
    const int spin = spins_.back();
    spins_.pop_back();
    if (!isNumber(spin)) return;
    const auto n = static_cast<std::size_t>(spin);
    --hits_[n];
    // The number's previous spin, looked for backwards: only an undone spin takes this road.
    std::size_t end = spins_.size();
    while (end > 0 && spins_[end - 1] != spin) --end;
    lastEnd_[n] = end;
}

std::optional<std::size_t> SpinHistory::since(int n) const {
    if (!isNumber(n) || lastEnd_[static_cast<std::size_t>(n)] == 0) return std::nullopt;
    return spins_.size() - lastEnd_[static_cast<std::size_t>(n)];
}

}  // namespace brisvale
