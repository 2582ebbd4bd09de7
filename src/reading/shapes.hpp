// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shapes of the numbers a table draws, learned from its own results. Once a few results
// were read surely, a number drawn again is matched by correlation against the shapes kept,
// which costs microseconds where the recogniser costs tens of milliseconds; a picture that
// matches no shape clearly is left to the recogniser. The player's own entry of a result the
// reader was not sure of teaches its shape as well.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace brisvale::reading {

// A number's picture scaled to a fixed grid, grey levels as drawn (ink either way round), with
// the size and the proportions it had.
struct Shape {
    static constexpr int kWidth = 24, kHeight = 32;
    std::array<std::uint8_t, kWidth * kHeight> grey{};
    int width = 0, height = 0;  // of the picture, in pixels
};

// Correlation of two shapes' grey levels: 1 the same picture, 0 nothing alike, below 0 inverse.
// Also 0 when either is flat.
double correlation(const Shape& a, const Shape& b);

class ShapeBook {
  public:
    // Matching starts once this many results were learned.
    static constexpr int kLearnAfter = 3;
    // How alike a picture must be to a kept shape, and how much less alike to every other
    // number's, to be taken for it.
    static constexpr double kAlike = 0.98;
    static constexpr double kApart = 0.04;
    static constexpr std::size_t kShapesPerNumber = 4;

    // A number (0..36) read surely, or entered by the player, and its picture.
    void learn(int number, const Shape& shape);
    // The number the picture is, when one kept shape is clearly it; nullopt otherwise.
    std::optional<int> match(const Shape& shape) const;
    bool ready() const { return learned_ >= kLearnAfter; }
    int learned() const { return learned_; }
    void clear() { *this = {}; }

  private:
    struct Kept {
        int number;
        Shape shape;
    };
    std::vector<Kept> kept_;
    int learned_ = 0;
};

}  // namespace brisvale::reading
