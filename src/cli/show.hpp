// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of the window, and its statistics panel, as one line of JSON each.

#include <string>
#include <vector>

#include "advisor/alerts.hpp"
#include "cli/console_ports.hpp"

namespace brisvale {
class Advisor;
}

namespace brisvale::cli {

// One compact JSON object, without a line end. `shown`, `opened` and `guide` are the boxes,
// the web addresses and whether the guide was shown, since the previous show.
std::string renderShow(const Advisor& advisor, const std::vector<ShownBox>& shown,
                       const std::vector<std::string>& opened, bool guide,
                       const std::vector<Alert>& alerts = {});

// The limits as one compact JSON object, as the `limits` command prints it.
std::string renderLimits(const Advisor& advisor);

// The statistics panel as one compact JSON object, as the `stats` command prints it.
std::string renderStats(const Advisor& advisor);

}  // namespace brisvale::cli
