// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/strip_shift.hpp"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/digit_reader.hpp"
#include "reading/hold_rule.hpp"

namespace brisvale::app {
namespace {

// From one cell to the next: the median step between the numbers' centres, so that a number
// whose digits stand apart as two groups does not throw it.
double cellPitch(const Ink& ink) {
    if (ink.groups.size() < 2) return 0;
    std::vector<double> steps;
    for (std::size_t i = 1; i < ink.groups.size(); ++i) {
        const QRect& a = ink.groups[i - 1];
        const QRect& b = ink.groups[i];
        steps.push_back((b.left() + b.right() - a.left() - a.right()) / 2.0);
    }
    std::ranges::nth_element(steps, steps.begin() + static_cast<std::ptrdiff_t>(steps.size() / 2));
    return steps[steps.size() / 2];
}

// Whether the old picture's columns [from, to] are seen again in the new one `dx` further on
// (towards the oldest end): all but a few pixels alike, as a screen grab gives them.
bool alike(const QImage& was, const QImage& now, int from, int to, int dx) {
    if (to - from < 4) return false;
    long long differing = 0, all = 0;
    for (int y = 0; y < was.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(was.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(now.constScanLine(y));
        for (int x = from; x <= to; ++x) {
            const QRgb p = a[x], q = b[x + dx];
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            differing += d > 40;
        }
        all += to - from + 1;
    }
    return differing * 200 <= all;  // at most half a percent
}

}  // namespace

int stripMoved(const QImage& was, const QImage& now, reading::NewestEnd newest) {
    if (was.size() != now.size() || was.isNull()) return -1;
    const Ink ink = findInk(was);
    const double pitch = cellPitch(ink);
    if (pitch < 4) return -1;
    const int w = was.width();
    // Only the strip's own span is compared: around it may stand anything.
    const int left = std::max(0, ink.bounds.left() - 1);
    const int right = std::min(w - 1, ink.bounds.right() + 1);
    int found = -1;
    for (int cells = 0; cells <= static_cast<int>(reading::HoldRule::kMostNewAtOnce); ++cells) {
        bool fits = false;
        for (const int nudge : {0, -1, 1}) {
            if (cells == 0 && nudge != 0) continue;
            const int dx = static_cast<int>(cells * pitch + 0.5) + nudge;
            // Newest at the left: the old picture reappears dx to the right, and the reverse.
            fits = newest == reading::NewestEnd::Left
                       ? alike(was, now, left, std::min(right, w - 1 - dx), dx)
                       : alike(was, now, std::max(left, dx), right, -dx);
            if (fits) break;
        }
        if (!fits) continue;
        // Pictures that fit more than one move (a strip of one number over and over) say nothing.
        if (found >= 0) return -1;
        found = cells;
    }
    return found;
}

}  // namespace brisvale::app
