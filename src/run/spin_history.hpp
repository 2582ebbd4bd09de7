// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A casino's recorded spins, oldest first, with how often and where each number last came up
// kept in step: the statistics read them at every press, and a history can hold 100,000
// spins. Entries that are no number of the wheel (-1: damaged in the file) keep their place
// and count for no number. Copies share the spins (the undo history keeps copies of it).

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "util/series.hpp"

namespace brisvale {

class SpinHistory {
  public:
    SpinHistory() = default;
    // A history handed over whole (loading a casino, putting one back); implicit, since it
    // stands for the vector of spins it holds.
    SpinHistory(const std::vector<int>& spins);

    void push_back(int spin);
    void pop_back();
    void clear() { *this = SpinHistory(); }

    std::size_t size() const { return spins_.size(); }
    bool empty() const { return spins_.empty(); }
    int operator[](std::size_t i) const { return spins_[i]; }
    const int* begin() const { return spins_.begin(); }
    const int* end() const { return spins_.end(); }
    std::span<const int> spins() const { return {spins_.data(), spins_.size()}; }

    // How many times number n (0..36) was recorded.
    int hits(int n) const { return hits_[static_cast<std::size_t>(n)]; }
    // Recorded spins after the last one of number n; nullopt when n was never recorded.
    std::optional<std::size_t> since(int n) const;

    friend bool operator==(const SpinHistory& a, const SpinHistory& b) {
        return a.spins_ == b.spins_;  // the counts follow from the spins
    }

  private:
    static bool isNumber(int spin) { return spin >= 0 && spin <= 36; }

    Series<int> spins_;
    std::array<int, 37> hits_{};
    std::array<std::size_t, 37> lastEnd_{};  // index of n's last spin + 1; 0: never
};

}  // namespace brisvale
