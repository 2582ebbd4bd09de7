// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chips' look as the remote settings give it, fitted to what the chip and label controls
// can take, so that a site's slip never stops the program.

#include <string>
#include <vector>

#include "remote/remote_settings.hpp"
#include "view/form.hpp"

namespace brisvale {

struct ChipSetup {
    int width = 0;  // every chip, twips
    int height = 0;
    int appearance = 0;
    int borderStyle = 0;
    StakeLabel label;                // the same for every chip; its size is the chip's
    std::vector<std::string> notes;  // one line for every value that had to be changed
};

// Values out of range become the nearest one that works: a chip size of 0 or less the
// design's size, an appearance or border style outside 0..1, an alignment outside 0..2 and a
// font size outside 1..72 points the nearest end of their range.
ChipSetup chipSetup(const RemoteSettings& remote);

}  // namespace brisvale
