// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours as the Form holds them. The core keeps the platform's colour values (blue in the
// high byte, red in the low byte) and the chip images as 0xRRGGBB; the window needs QColor.

#include <QColor>
#include <QRectF>
#include <algorithm>
#include <cstdint>

#include "board/geometry.hpp"

namespace brisvale::app {

// 255 -> red, 49152 -> #00C000, 8454016 -> #80FF80.
inline QColor fromPlatformColor(std::int64_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

inline QColor fromRgb(std::uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

// Text stays readable on the dark red of "Quit NOW".
inline bool isDark(const QColor& c) {
    return 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue() < 110;
}

// The window is laid out in twips; 15 twips are one logical pixel and Qt scales for the screen.
inline constexpr double kTwipsPerPixel = 15.0;
inline constexpr double px(int twips) {
    return twips / kTwipsPerPixel;
}
inline int pxi(int twips) {
    return static_cast<int>(twips / kTwipsPerPixel + 0.5);
}
// Type sizes in points: a point is 20 twips.
inline constexpr double kTwipsPerPoint = 20.0;
inline int pointPixels(int points) {
    return std::max(1, static_cast<int>(points * kTwipsPerPoint / kTwipsPerPixel + 0.5));
}
inline QRectF pxRect(const Rect& r) {
    return {px(r.left), px(r.top), px(r.width), px(r.height)};
}

}  // namespace brisvale::app
