// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// User actions by control name: the console's and the window's way in.

#include "advisor/advisor_types.hpp"

namespace brisvale {

struct Desk;

class ControlAdapter {
  public:
    explicit ControlAdapter(Desk& desk);
    ControlAdapter(const ControlAdapter&) = delete;
    ControlAdapter& operator=(const ControlAdapter&) = delete;

    // User actions as carried out, without the undo history's bookkeeping.
    ActionResult doSet(std::string_view name, std::string_view value);
    ActionResult doPress(std::string_view name);
    ActionResult doClickCell(int cell);
    ActionResult doClickChip(int chip);
    ActionResult doFlip();
    ActionResult doMenu(std::string_view name, int k);
    ActionResult doKey(std::string_view key);

  private:
    Desk& d_;
    PlayState& s_;
    Ports& ports_;
    Settings& settings_;
    DebugLog& log_;
};

}  // namespace brisvale
