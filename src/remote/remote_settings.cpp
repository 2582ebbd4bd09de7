// SPDX-License-Identifier: GPL-3.0-or-later
#include "remote/remote_settings.hpp"

#include <algorithm>
#include <limits>

#include "run/ports.hpp"
#include "util/numbers.hpp"
#include "util/text.hpp"

namespace brisvale {

namespace {

constexpr std::string_view kItemSeparator = "---";
constexpr std::string_view kLineBreakMark = "& CrLf &";

std::string withoutLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != '\r' && c != '\n') out.push_back(c);
    }
    return out;
}

std::string replaceAll(std::string_view text, std::string_view what, std::string_view with) {
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = text.find(what); at != std::string_view::npos;
         at = text.find(what, from)) {
        out.append(text.substr(from, at - from));
        out.append(with);
        from = at + what.size();
    }
    out.append(text.substr(from));
    return out;
}

// Like a plain split: n separators give n + 1 parts, empty ones included.
std::vector<std::string_view> splitAt(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> parts;
    std::size_t from = 0;
    for (std::size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator, from)) {
        parts.push_back(text.substr(from, at - from));
        from = at + separator.size();
    }
    parts.push_back(text.substr(from));
    return parts;
}

std::optional<std::string> itemValue(std::string_view item) {
    const std::size_t first = item.find('=');
    if (first == std::string_view::npos) return std::nullopt;
    const std::string_view rest = item.substr(first + 1);
    return std::string(rest.substr(0, rest.find('=')));
}

bool startsWithHttp(std::string_view address) {
    constexpr std::string_view scheme = "http";
    if (address.size() < scheme.size()) return false;
    for (std::size_t i = 0; i < scheme.size(); ++i) {
        const char c = address[i];
        const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != scheme[i]) return false;
    }
    return true;
}

template <typename Int>
bool readNumber(const std::string& value, Int& out) {
    const auto number =
        parseWhole(value, std::numeric_limits<Int>::min(), std::numeric_limits<Int>::max());
    if (!number) return false;
    out = static_cast<Int>(*number);
    return true;
}

// Items 4..19 in order, pointing into the settings being filled.
struct NumberFields {
    std::array<std::int16_t*, 12> small;
    std::array<std::int32_t*, 4> wide;
};

NumberFields numberFields(RemoteSettings& s) {
    return {{&s.chipAppearance, &s.chipBorderStyle, &s.chipWidth, &s.chipHeight, &s.labelTop,
             &s.labelLeft, &s.labelAlignment, &s.labelFontSize, &s.picture4Width, &s.picture4Height,
             &s.picture4Top, &s.picture4Left},
            {&s.windowWidth, &s.windowHeight, &s.markerHeight, &s.markerWidth}};
}

// Fills the typed fields from the raw items; the index of the first bad number, if any.
std::optional<std::size_t> applyItems(RemoteSettings& s) {
    s.messageText = s.items[0];
    s.messageTitle = s.items[1];
    s.messageAddress = s.items[2];
    s.settingsFile = s.items[20];
    s.wageringFile = s.items[22];
    s.appTitle = s.items[24];
    s.instructionsAddress = s.items[25];
    s.termsAddress = s.items[26];
    const NumberFields fields = numberFields(s);
    std::size_t index = 4;
    for (std::int16_t* field : fields.small) {
        if (!readNumber(s.items[index], *field)) return index;
        ++index;
    }
    for (std::int32_t* field : fields.wide) {
        if (!readNumber(s.items[index], *field)) return index;
        ++index;
    }
    return std::nullopt;
}

}  // namespace

ParseResult parseRemoteSettings(std::string_view text) {
    const std::string prepared = replaceAll(withoutLineEnds(text), kLineBreakMark, "\r\n");
    const std::vector<std::string_view> parts = splitAt(prepared, kItemSeparator);

    ParseResult result;
    RemoteSettings settings;
    std::optional<std::size_t> missingEquals;
    const std::size_t count = std::min(parts.size(), kRemoteItemCount);
    for (std::size_t i = 0; i < count; ++i) {
        std::optional<std::string> value = itemValue(parts[i]);
        if (!value) {
            if (!missingEquals) missingEquals = i;
            continue;
        }
        if (i == 0) result.messageText = *value;
        if (i == 1) result.messageTitle = *value;
        if (i == 2) result.messageAddress = *value;
        settings.items[i] = std::move(*value);
    }

    if (parts.size() < kRemoteItemCount) {
        result.error = "the remote settings hold " + std::to_string(parts.size()) +
                       " items instead of " + std::to_string(kRemoteItemCount);
        return result;
    }
    if (missingEquals) {
        result.error = "remote item " + std::to_string(*missingEquals) + " has no \"=\"";
        return result;
    }
    if (const auto bad = applyItems(settings)) {
        result.error = "remote item " + std::to_string(*bad) +
                       " is not a whole number in range: \"" + settings.items[*bad] + "\"";
        return result;
    }
    result.settings = std::move(settings);
    return result;
}

std::vector<CasinoSite> parseCasinoList(std::string_view text) {
    const std::string prepared = withoutLineEnds(text);
    std::vector<CasinoSite> sites;
    for (std::string_view entry : splitAt(prepared, kItemSeparator)) {
        const std::size_t comma = entry.find(',');
        if (comma == std::string_view::npos) continue;
        const std::string_view name = trimBlanks(entry.substr(0, comma));
        if (name.empty()) continue;
        sites.push_back({std::string(name), std::string(trimBlanks(entry.substr(comma + 1)))});
    }
    return sites;
}

std::string browserAddress(std::string_view address) {
    if (startsWithHttp(address)) return std::string(address);
    return "http://" + std::string(address);
}

bool openInBrowser(Browser& browser, std::string_view address) {
    if (trimBlanks(address).empty()) return false;
    return browser.open(browserAddress(address));
}

}  // namespace brisvale
