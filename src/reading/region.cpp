// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/region.hpp"

#include <charconv>
#include <vector>

namespace brisvale::reading {

std::string regionText(const Region& r) {
    std::string text = std::to_string(r.x) + "," + std::to_string(r.y) + "," +
                       std::to_string(r.width) + "," + std::to_string(r.height) + ",";
    if (r.kind == DisplayKind::Result) return text + "result";
    return text + (r.newest == NewestEnd::Left ? "strip-left" : "strip-right");
}

std::optional<Region> regionFromText(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (parts.size() != 5) return std::nullopt;
    int n[4];
    for (int i = 0; i < 4; ++i) {
        const std::string_view p = parts[static_cast<std::size_t>(i)];
        const auto [end, error] = std::from_chars(p.data(), p.data() + p.size(), n[i]);
        if (error != std::errc() || end != p.data() + p.size()) return std::nullopt;
    }
    if (n[2] < kLeastSide || n[3] < kLeastSide) return std::nullopt;
    Region r{n[0], n[1], n[2], n[3]};
    if (parts[4] == "result") return r;
    r.kind = DisplayKind::Strip;
    if (parts[4] == "strip-left") return r;
    r.newest = NewestEnd::Right;
    if (parts[4] == "strip-right") return r;
    return std::nullopt;
}

}  // namespace brisvale::reading
