// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The watched tables as the `tables` command prints them, and the alerts as `show` lists them.

#include <nlohmann/json_fwd.hpp>
#include <string>
#include <vector>

#include "advisor/alerts.hpp"

namespace brisvale {
class Advisor;
}

namespace brisvale::cli {

// One compact JSON object: `tables` in the order watched and `target`.
std::string renderTables(const Advisor& advisor);

// The alerts, oldest first, each `kind`, `table` (null for the run) and `text`.
nlohmann::json alertsJson(const std::vector<Alert>& alerts);

}  // namespace brisvale::cli
