// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/shapes.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace brisvale::reading {
namespace {

// Pictures of very different proportions or sizes are never compared: a 1 scaled to the grid
// of an 11 may look like it.
bool comparable(const Shape& a, const Shape& b) {
    if (a.height <= 0 || b.height <= 0 || a.width <= 0 || b.width <= 0) return false;
    const double heights = static_cast<double>(a.height) / b.height;
    const double aspects =
        (static_cast<double>(a.width) / a.height) / (static_cast<double>(b.width) / b.height);
    return heights > 0.8 && heights < 1.25 && aspects > 0.85 && aspects < 1.18;
}

}  // namespace

double correlation(const Shape& a, const Shape& b) {
    double meanA = 0, meanB = 0;
    for (std::size_t i = 0; i < a.grey.size(); ++i) meanA += a.grey[i], meanB += b.grey[i];
    meanA /= static_cast<double>(a.grey.size());
    meanB /= static_cast<double>(b.grey.size());
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < a.grey.size(); ++i) {
        const double x = a.grey[i] - meanA, y = b.grey[i] - meanB;
        ab += x * y, aa += x * x, bb += y * y;
    }
    if (aa <= 0 || bb <= 0) return 0;
    return ab / std::sqrt(aa * bb);
}

void ShapeBook::learn(int number, const Shape& shape) {
    if (number < 0 || number > 36 || shape.height <= 0) return;
    ++learned_;
    // A picture already kept adds nothing.
    const auto same = std::ranges::count_if(kept_, [&](const Kept& k) {
        return k.number == number && comparable(k.shape, shape) &&
               correlation(k.shape, shape) > 0.99;
    });
    if (same > 0) return;
    const auto ofNumber =
        std::ranges::count_if(kept_, [&](const Kept& k) { return k.number == number; });
    if (static_cast<std::size_t>(ofNumber) >= kShapesPerNumber) {
        // The oldest of that number gives way.
        kept_.erase(std::ranges::find_if(kept_, [&](const Kept& k) { return k.number == number; }));
    }
    kept_.push_back({number, shape});
}

std::optional<int> ShapeBook::match(const Shape& shape) const {
    if (!ready()) return std::nullopt;
    int best = -1;
    double bestScore = -1;
    std::array<double, 37> perNumber;
    perNumber.fill(-1);
    for (const Kept& k : kept_) {
        if (!comparable(k.shape, shape)) continue;
        const double c = correlation(k.shape, shape);
        auto& score = perNumber[static_cast<std::size_t>(k.number)];
        score = std::max(score, c);
        if (c > bestScore) bestScore = c, best = k.number;
    }
    if (best < 0 || bestScore < kAlike) return std::nullopt;
    for (int n = 0; n <= 36; ++n) {
        if (n != best && perNumber[static_cast<std::size_t>(n)] > bestScore - kApart) {
            return std::nullopt;
        }
    }
    return best;
}

}  // namespace brisvale::reading
