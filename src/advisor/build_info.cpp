// SPDX-License-Identifier: GPL-3.0-or-later
// What this build says of itself in Help > About.

#include <array>
#include <charconv>

#include "advisor/advisor.hpp"

#ifndef BRISVALE_BUILD_DATE
#define BRISVALE_BUILD_DATE ""
#endif

namespace brisvale {
namespace {

constexpr std::array<std::string_view, 12> kMonths{"January",   "February", "March",    "April",
                                                   "May",       "June",     "July",     "August",
                                                   "September", "October",  "November", "December"};

// The whole number of `text`, or -1 when it holds anything else.
int whole(std::string_view text) {
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : -1;
}

}  // namespace

std::string longDate(std::string_view isoDate) {
    if (isoDate.size() != 10 || isoDate[4] != '-' || isoDate[7] != '-') return std::string(isoDate);
    const int year = whole(isoDate.substr(0, 4)), month = whole(isoDate.substr(5, 2)),
              day = whole(isoDate.substr(8, 2));
    if (year < 0 || month < 1 || month > 12 || day < 1 || day > 31) return std::string(isoDate);
    return std::string(kMonths[static_cast<std::size_t>(month - 1)]) + " " + std::to_string(day) +
           ", " + std::to_string(year);
}

// The date the build system gives: the last commit's day in a checkout, otherwise the day of
// the build (SOURCE_DATE_EPOCH's day for a reproducible build).
std::string buildDate() {
    return longDate(BRISVALE_BUILD_DATE);
}

}  // namespace brisvale
