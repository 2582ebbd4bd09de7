// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/style_options.hpp"

#include <array>
#include <nlohmann/json.hpp>

#include "util/numbers.hpp"

namespace brisvale::sim {
namespace {

using Json = nlohmann::ordered_json;

// A family as the options name it: its box in the settings (-1: none), its threshold and
// sequence family (the preset tables and the sequences share one order).
struct FamilyName {
    std::string_view name;
    int box;
    int family;
};
constexpr std::array<FamilyName, 11> kFamilies{{
    {"red-black", RedBlack, 0},
    {"odd-even", OddEven, 0},
    {"high-low", HighLow, 0},
    {"even", -1, 0},
    {"dozen", Dozen, 1},
    {"row", Row, 2},
    {"line", Line, 3},
    {"corner", Corner, 4},
    {"trio", Trio, 5},
    {"split", Split, 6},
    {"single", Single, 7},
}};
// The most bets each count box keeps open: dozen, row, line, corner, trio, split, single.
constexpr std::array<int, 7> kCountMax{2, 2, 4, 6, 10, 16, 34};
constexpr long long kThresholdMax = 32767;

const FamilyName* findFamily(std::string_view name) {
    for (const FamilyName& f : kFamilies) {
        if (f.name == name) return &f;
    }
    return nullptr;
}

std::string quote(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

Settings& editable(StoredStyle& style) {
    if (style.settings.status != SettingsStatus::Loaded) {
        style.settings.values = defaultSettings();
        style.settings.status = SettingsStatus::Loaded;
        style.settings.problem.clear();
    }
    return style.settings.values;
}

// "FAMILY=VALUE" split at the first "=", with the family found.
std::optional<std::string> splitFamily(std::string_view option, std::string_view value,
                                       std::string_view takes, const FamilyName*& family,
                                       std::string_view& rest) {
    const auto eq = value.find('=');
    const std::string usage = "--" + std::string(option) + " takes " + std::string(takes);
    if (eq == std::string_view::npos) return usage + ", not " + quote(value);
    family = findFamily(value.substr(0, eq));
    if (family == nullptr) {
        return usage + "; " + quote(value.substr(0, eq)) + " is none of " +
               std::string(kFamilyNames);
    }
    rest = value.substr(eq + 1);
    return std::nullopt;
}

void setThreshold(Settings& s, int k, long long low, long long high) {
    for (const Preset preset : {Preset::SingleAggressive, Preset::SingleConservative,
                                Preset::MultiAggressive, Preset::MultiConservative}) {
        if (presetLowPos(preset, k) < 0) continue;
        s[presetCheckPos(preset, k)] = low == high ? 0 : 1;
        s[presetLowPos(preset, k)] = static_cast<std::int32_t>(low);
        s[presetHighPos(preset, k)] = static_cast<std::int32_t>(high);
    }
}

std::optional<std::string> watch(Settings& s, std::string_view value) {
    std::array<bool, kSettingsCount> ticked{};
    std::size_t start = 0;
    while (start <= value.size()) {
        const auto comma = std::min(value.find(',', start), value.size());
        const std::string_view name = value.substr(start, comma - start);
        const FamilyName* f = findFamily(name);
        if (f == nullptr || f->box < 0) {
            return "--watch takes family names separated by commas (" + std::string(kFamilyNames) +
                   "), not " + quote(name);
        }
        ticked[f->box] = true;
        start = comma + 1;
    }
    for (int pos = RedBlack; pos <= Single; ++pos) s[pos] = ticked[pos] ? 1 : 0;
    const int even = s[RedBlack] + s[OddEven] + s[HighLow];
    s[EvenBets] = even == 3 ? 1 : even == 0 ? 0 : 2;
    return std::nullopt;
}

std::optional<std::string> whole(Settings& s, int pos, std::string_view option,
                                 std::string_view value, long long lo, long long hi) {
    const auto n = parseWhole(value, lo, hi);
    if (!n) {
        return "--" + std::string(option) + " takes a whole number from " + std::to_string(lo) +
               " to " + std::to_string(hi) + ", not " + quote(value);
    }
    s[pos] = static_cast<std::int32_t>(*n);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> applyStyleOption(StoredStyle& style, std::string_view option,
                                            std::string_view value) {
    Settings& s = editable(style);
    if (option == "watch") return watch(s, value);
    if (option == "wins") return whole(s, WinsPer, option, value, 1, 999);
    if (option == "minutes") return whole(s, PlayTime, option, value, 1, 999);
    if (option == "unit-wager") return whole(s, MinWage, option, value, 1, 100);
    const FamilyName* f = nullptr;
    std::string_view rest;
    if (option == "threshold") {
        const std::string takes = "FAMILY=LOW[-HIGH], whole numbers from 0 to 32767, LOW <= HIGH";
        if (auto bad = splitFamily(option, value, takes, f, rest)) return bad;
        const auto dash = rest.find('-');
        const auto low = parseWhole(rest.substr(0, dash), 0, kThresholdMax);
        const auto high = dash == std::string_view::npos
                              ? low
                              : parseWhole(rest.substr(dash + 1), 0, kThresholdMax);
        if (!low || !high || *high < *low)
            return "--threshold takes " + takes + ", not " + quote(value);
        setThreshold(s, f->family, *low, *high);
        return std::nullopt;
    }
    if (option == "sequence") {
        if (auto bad = splitFamily(option, value, "FAMILY=1,2,4,8,Q", f, rest)) return bad;
        const TypedSequence typed = readTypedSequence(rest);
        if (!typed.problem.empty()) {
            return "--sequence " + std::string(f->name) + ": " + typed.problem;
        }
        style.wagering.WagerSequence[f->family] = splitSequence(typed.text);
        return std::nullopt;
    }
    if (option == "count") {
        if (auto bad = splitFamily(
                option, value, "FAMILY=N (dozen, row, line, corner, trio, split, single)", f, rest))
            return bad;
        if (f->family == 0)
            return "--count has no count for " + std::string(f->name) +
                   ": the even-money bets run one at a time";
        const int max = kCountMax[static_cast<std::size_t>(f->family - 1)];
        const auto n = parseWhole(rest, 0, max);
        if (!n) {
            return "--count " + std::string(f->name) + " takes a whole number from 0 to " +
                   std::to_string(max) + ", not " + quote(rest);
        }
        s[CboDozen + f->family - 1] = static_cast<std::int32_t>(*n);
        return std::nullopt;
    }
    return "unknown style option --" + std::string(option);
}

std::optional<std::string> applyStyleFile(StoredStyle& style, std::optional<PlayStyle>& playStyle,
                                          std::string_view text) {
    const Json json = Json::parse(text, nullptr, false);
    if (json.is_discarded() || !json.is_object()) return "the style file is not a JSON object";
    const auto member = [](const std::string& key, const std::string& why) {
        return "the style file's " + quote(key) + " " + why;
    };
    // The members are read through the options, so a file and a command line check alike.
    const auto apply = [&](const std::string& key, std::string_view option,
                           const std::string& value) -> std::optional<std::string> {
        if (auto bad = applyStyleOption(style, option, value)) {
            return "the style file's " + quote(key) + ": " + *bad;
        }
        return std::nullopt;
    };
    for (const auto& [key, value] : json.items()) {
        if (key == "play_style") {
            const std::string name = value.is_string() ? value.get<std::string>() : "";
            if (name == "classic")
                playStyle = PlayStyle::Classic;
            else if (name == "multi")
                playStyle = PlayStyle::Multi;
            else if (name == "super")
                playStyle = PlayStyle::Super;
            else
                return member(key, "is classic, multi or super");
        } else if (key == "watch") {
            if (!value.is_array()) return member(key, "is a list of family names");
            std::string names;
            for (const auto& name : value) {
                if (!name.is_string()) return member(key, "is a list of family names");
                names += (names.empty() ? "" : ",") + name.get<std::string>();
            }
            if (value.empty()) {
                Settings& s = editable(style);
                for (int pos = EvenBets; pos <= Single; ++pos) s[pos] = 0;
            } else if (auto bad = apply(key, "watch", names)) {
                return bad;
            }
        } else if (key == "threshold" || key == "sequence" || key == "count") {
            if (!value.is_object()) return member(key, "is an object keyed by family");
            for (const auto& [family, entry] : value.items()) {
                std::string shown;
                if (entry.is_string())
                    shown = entry.get<std::string>();
                else if (entry.is_number_integer())
                    shown = std::to_string(entry.get<long long>());
                else
                    return member(key, "holds texts or whole numbers");
                if (auto bad = apply(key, key, family + "=" + shown)) return bad;
            }
        } else if (key == "wins" || key == "minutes" || key == "unit_wager") {
            if (!value.is_number_integer()) return member(key, "is a whole number");
            const std::string option = key == "unit_wager" ? "unit-wager" : key;
            if (auto bad = apply(key, option, std::to_string(value.get<long long>()))) return bad;
        } else if (key == "conservative_betting") {
            if (!value.is_boolean()) return member(key, "is true or false");
            editable(style)[ConsBetting] = value.get<bool>() ? 1 : 0;
        } else {
            return "the style file has an unknown member " + quote(key);
        }
    }
    return std::nullopt;
}

std::string styleFileText(const StoredStyle& style, PlayStyle playStyle) {
    Settings s =
        style.settings.status == SettingsStatus::Loaded ? style.settings.values : defaultSettings();
    const bool multi = playStyle != PlayStyle::Classic;
    const Preset preset = s[ConsDefault] != 0 || s[AggrDefault] == 0
                              ? (multi ? Preset::MultiConservative : Preset::SingleConservative)
                              : (multi ? Preset::MultiAggressive : Preset::SingleAggressive);
    Json out = Json::object();
    out["play_style"] = playStyle == PlayStyle::Classic ? "classic"
                        : playStyle == PlayStyle::Multi ? "multi"
                                                        : "super";
    Json watched = Json::array();
    Json thresholds = Json::object();
    Json sequences = Json::object();
    Json counts = Json::object();
    for (const FamilyName& f : kFamilies) {
        if (f.box >= 0 && s[f.box] == 1) watched.push_back(f.name);
    }
    for (const FamilyName& f : kFamilies) {
        if (f.box == RedBlack || f.box == OddEven || f.box == HighLow) continue;
        const int k = f.family;
        if (presetLowPos(preset, k) >= 0) {
            const int low = s[presetLowPos(preset, k)];
            const int high = s[presetHighPos(preset, k)];
            thresholds[std::string(f.name)] = s[presetCheckPos(preset, k)] != 0 && high != low
                                                  ? std::to_string(low) + "-" + std::to_string(high)
                                                  : std::to_string(low);
        }
        sequences[std::string(f.name)] = joinSequence(style.wagering.WagerSequence[k]);
        if (k > 0) counts[std::string(f.name)] = s[CboDozen + k - 1];
    }
    out["watch"] = watched;
    out["threshold"] = thresholds;
    out["sequence"] = sequences;
    out["count"] = counts;
    out["wins"] = s[WinsPer];
    out["minutes"] = s[PlayTime];
    out["unit_wager"] = s[MinWage];
    out["conservative_betting"] = s[ConsBetting] != 0;
    return out.dump(2) + "\n";
}

std::string mendingOption(std::string_view problem) {
    if (problem == "Play Style is not properly set up") {
        return "--watch FAMILY[,FAMILY...] or --style-file FILE gives a style to play";
    }
    if (problem == "You need to enter your account balance." || problem == "Enter numbers only.") {
        return "--bankroll X gives the balance each session starts with";
    }
    if (problem.starts_with("You need to increase your Multi settings")) {
        return "--count FAMILY=N opens bets of a watched family at once";
    }
    return "";
}

}  // namespace brisvale::sim
