// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/numbers.hpp"

#include <charconv>
#include <cmath>

#include "util/text.hpp"

namespace brisvale {
namespace {

bool allFigures(std::string_view text) {
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return !text.empty();
}

// The figures' value, or nullopt past `ceiling` (no overflow on any length of text).
std::optional<long long> figuresValue(std::string_view figures, long long ceiling) {
    long long value = 0;
    for (char c : figures) {
        value = value * 10 + (c - '0');
        if (value > ceiling) return std::nullopt;
    }
    return value;
}

// Splits off the sign of a trimmed whole number; false when the rest is not all figures.
bool splitSign(std::string_view& text, bool& negative) {
    text = trimBlanks(text);
    negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    return allFigures(text);
}

}  // namespace

std::optional<long long> parseWhole(std::string_view text, long long lo, long long hi) {
    // Plain figures, by far the most common text (list entries, colours), need no trimming and
    // no sign; twelve figures stay below the ceiling further down.
    if (!text.empty() && text.size() <= 12) {
        long long value = 0;
        bool plain = true;
        for (char c : text) {
            if (c < '0' || c > '9') {
                plain = false;
                break;
            }
            value = value * 10 + (c - '0');
        }
        if (plain) {
            if (value < lo || value > hi) return std::nullopt;
            return value;
        }
    }
    bool negative = false;
    if (!splitSign(text, negative)) return std::nullopt;
    // Anything this long is out of every range the program reads.
    constexpr long long kCeiling = 1LL << 40;
    const auto magnitude = figuresValue(text, kCeiling);
    if (!magnitude) return std::nullopt;
    const long long value = negative ? -*magnitude : *magnitude;
    if (value < lo || value > hi) return std::nullopt;
    return value;
}

bool isWhole(std::string_view text) {
    bool negative = false;
    return splitSign(text, negative);
}

std::optional<int> parseInt16(std::string_view text) {
    const auto value = parseWhole(text, -32768, 32767);
    if (!value) return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<long long> parseFigures(std::string_view text, long long hi) {
    if (!allFigures(text)) return std::nullopt;
    return figuresValue(text, hi);
}

std::optional<double> parseNumber(std::string_view text) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    // Only figures, one point, a sign and an exponent: from_chars alone would take "inf".
    for (char c : text) {
        const bool allowed =
            (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
        if (!allowed) return std::nullopt;
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

void formatNumberInto(std::string& out, double value) {
    char buffer[32];
    char* end = buffer;
    if (std::fabs(value) < 1e15 && static_cast<double>(static_cast<long long>(value)) == value) {
        end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value)).ptr;
    } else if (const auto [at, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
               ec == std::errc()) {
        end = at;
    } else {
        *end++ = '0';
    }
    out.assign(buffer, end);
}

std::string formatNumber(double value) {
    std::string text;
    formatNumberInto(text, value);
    return text;
}

}  // namespace brisvale
