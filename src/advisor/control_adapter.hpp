// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// User actions by control name: the console's and the window's way in.

#include "advisor/part.hpp"

namespace brisvale {

class ControlAdapter : public Part {
  public:
    using Part::Part;

    // User actions as carried out, without the undo history's bookkeeping.
    ActionResult doSet(std::string_view name, std::string_view value);
    ActionResult doPress(std::string_view name);
    // The start button (Start, then Submit), pressed by its role rather than its name.
    ActionResult doPressStart();
    ActionResult doClickCell(int cell);
    ActionResult doClickChip(int chip);
    ActionResult doFlip();
    ActionResult doMenu(std::string_view name, int k);
    ActionResult doKey(std::string_view key);

  private:
    // An entry typed, ticked or chosen in the open wagering dialog.
    ActionResult setInWageringDialog(std::string_view name, std::string_view value);
};

}  // namespace brisvale
