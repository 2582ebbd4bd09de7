// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The part of the screen a table's results are read from, and how the player described it. It
// is kept as one line of text, "x,y,width,height,result" or "...,strip-left" / "strip-right"
// (the end where the newest number stands).

#include <optional>
#include <string>
#include <string_view>

#include "reading/hold_rule.hpp"

namespace brisvale::reading {

enum class NewestEnd { Left, Right };

struct Region {
    int x = 0, y = 0, width = 0, height = 0;  // in the screen's device-independent pixels
    DisplayKind kind = DisplayKind::Result;
    NewestEnd newest = NewestEnd::Left;  // strips only
    bool operator==(const Region&) const = default;
};

// Smaller than this, no digit can be read.
inline constexpr int kLeastSide = 8;

std::string regionText(const Region& region);
// nullopt for anything that is not such a line with a size of at least kLeastSide each way.
std::optional<Region> regionFromText(std::string_view text);

// The first readings of a new region are only proposed: the number is chosen on the board and
// the player confirms it with Enter, or corrects it.
class ConfirmMode {
  public:
    static constexpr int kFirstReadings = 5;
    bool active() const { return confirmed_ < kFirstReadings; }
    int confirmed() const { return confirmed_; }
    // The player entered the proposed number; a correction starts the count again.
    void answered(bool asProposed) { confirmed_ = asProposed ? confirmed_ + 1 : 0; }

  private:
    int confirmed_ = 0;
};

}  // namespace brisvale::reading
