// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Classic play: one bet at a time.

#include "advisor/part.hpp"

namespace brisvale {

class ClassicEngine : public Part {
  public:
    using Part::Part;

    // Classic play.
    void ProgSingle();
    void classicNoBet();
    void classicBetOpen();
};

}  // namespace brisvale
