#pragma once
// Builds remote settings texts for the tests, in the two layouts the vendor writes.

#include <string>
#include <vector>

namespace brisvale::test {

// 35 values the site might send; every number differs from the built-in ones.
inline std::vector<std::string> siteValues() {
    return {"Cannot apply settings.",   // 0
            "Site Title",               // 1
            "www.vendor.example/help",  // 2
            "unused3",                  // 3
            "1",
            "1",
            "400",
            "410",
            "70",
            "40",
            "1",
            "10",  // 4..11
            "1200",
            "900",
            "1400",
            "2800",  // 12..15
            "70000",
            "4000",
            "320",
            "330",  // 16..19
            "site-settings.txt",
            "unused21",
            "site-wagering.txt",
            "unused23",
            "Site Title",
            "www.vendor.example/guide",  // 25
            "u26",
            "u27",
            "u28",
            "u29",
            "u30",
            "u31",
            "u32",
            "u33",
            "u34"};
}

inline std::string oneLine(const std::vector<std::string>& values) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) text += "---";
        text += "Item" + std::to_string(i) + "=" + values[i];
    }
    return text;
}

inline std::string onePerLine(const std::vector<std::string>& values, const std::string& eol) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) text += "---" + eol;
        text += "Item" + std::to_string(i) + "=" + values[i] + eol;
    }
    return text;
}

}  // namespace brisvale::test
