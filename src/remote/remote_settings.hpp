// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The remote settings (a list of "name=value" items the program needs before it can lay out
// its window and find its files), the casino list of the Casinos menu, and the address form
// used when a web page is opened.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisvale {

class Browser;

inline constexpr std::size_t kRemoteItemCount = 35;

// The values of the 35 items, typed where the program uses them. Sizes and places are twips.
struct RemoteSettings {
    std::string messageText;           // item 0: shown when the remote settings cannot be applied
    std::string messageTitle;          // item 1: title of that box
    std::string messageAddress;        // item 2: opened after that box
    std::int16_t chipAppearance = 0;   // item 4: 0 flat, 1 three-dimensional
    std::int16_t chipBorderStyle = 0;  // item 5: 0 none, 1 fixed single
    std::int16_t chipWidth = 0;        // item 6
    std::int16_t chipHeight = 0;       // item 7
    std::int16_t labelTop = 0;         // item 8: stake label inside its chip
    std::int16_t labelLeft = 0;        // item 9
    std::int16_t labelAlignment = 0;   // item 10: 0 left, 1 right, 2 centre
    std::int16_t labelFontSize = 0;    // item 11: points
    std::int16_t picture4Width = 0;    // item 12
    std::int16_t picture4Height = 0;   // item 13
    std::int16_t picture4Top = 0;      // item 14
    std::int16_t picture4Left = 0;     // item 15
    std::int32_t windowWidth = 0;      // item 16
    std::int32_t windowHeight = 0;     // item 17
    std::int32_t markerHeight = 0;     // item 18
    std::int32_t markerWidth = 0;      // item 19
    std::string settingsFile;          // item 20: file name in the data folder
    std::string wageringFile;          // item 22: file name in the data folder
    std::string appTitle;              // item 24
    std::string instructionsAddress;   // item 25: opened by Help > Instructions when not empty
    std::string termsAddress;          // item 26: opened by About's terms link when not empty
    std::array<std::string, kRemoteItemCount> items;  // every value as read
};

// Either the settings, or why not. The three message items are filled as far as the text
// reached them, so that a failure can still be reported in the site's own words.
struct ParseResult {
    std::optional<RemoteSettings> settings;
    std::optional<std::string> messageText;
    std::optional<std::string> messageTitle;
    std::optional<std::string> messageAddress;
    std::string error;  // empty on success

    bool ok() const { return settings.has_value(); }
};

// CR and LF are dropped, "& CrLf &" becomes CR LF, items are split at "---", and an item's
// value is the text between its first "=" and the next "=" (or its end). Fewer than 35 items,
// an item without "=", or a number field that is not a whole number in range all fail.
// Items after the 35th are ignored.
ParseResult parseRemoteSettings(std::string_view text);

// The settings the program ships with, used when the vendor's site cannot be had.
const RemoteSettings& builtInRemoteSettings();
// The text they are read from (the remote format).
std::string_view builtInRemoteSettingsText();

struct CasinoSite {
    std::string name;
    std::string address;

    bool operator==(const CasinoSite&) const = default;
};

// Entries split at "---", each a name, "," and an address, both trimmed of blanks. Entries
// without "," or without a name (a trailing "---" among them) are skipped.
std::vector<CasinoSite> parseCasinoList(std::string_view text);

// The address as handed to the browser: "http://" in front unless it starts with "http"
// in any letter case.
std::string browserAddress(std::string_view address);

// Opens the address in the browser; an empty (or blank) address opens nothing and reports
// false, so a casino entry without an address does no harm.
bool openInBrowser(Browser& browser, std::string_view address);

}  // namespace brisvale
