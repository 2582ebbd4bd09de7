// SPDX-License-Identifier: GPL-3.0-or-later
// The window's part of the run state as JSON: its controls under the names of what they hold.
#include <array>
#include <charconv>
#include <string_view>

#include "model/numbers.hpp"
#include "run/json_checks.hpp"

namespace brisvale::json {
namespace {

// A struct that gains a member fails here until its two functions below store it (or say why
// not) and the number is raised.
static_assert(memberCount<CheckBox>() == 2);
static_assert(memberCount<OptionButton>() == 2);
static_assert(memberCount<TextBox>() == 2);
static_assert(memberCount<ListBox>() == 3);
static_assert(memberCount<Label>() == 3);
static_assert(memberCount<Button>() == 2);
static_assert(memberCount<Chip>() == 11);
static_assert(memberCount<StakeLabel>() == 7);
static_assert(memberCount<Marker>() == 5);
static_assert(memberCount<Picture>() == 5);
static_assert(memberCount<WageringForm>() == 5);
static_assert(memberCount<Form>() == 39);

Json toJson(const CheckBox& b) {
    return {{"value", b.value}, {"enabled", b.enabled}};
}
void fromJson(const Json& j, CheckBox& b) {
    b.value = static_cast<int>(wholeMember(j, "value", 0, 2));
    b.enabled = flagMember(j, "enabled");
}

Json toJson(const OptionButton& b) {
    return {{"value", b.value}, {"enabled", b.enabled}};
}
void fromJson(const Json& j, OptionButton& b) {
    b.value = flagMember(j, "value");
    b.enabled = flagMember(j, "enabled");
}

Json toJson(const TextBox& b) {
    return {{"text", textJson(b.text)}, {"enabled", b.enabled}};
}
void fromJson(const Json& j, TextBox& b) {
    b.text = textMember(j, "text");
    b.enabled = flagMember(j, "enabled");
}

// The entries are the session's own (filled at start-up, or read from the history file).
Json toJson(const ListBox& b) {
    return {{"index", b.index}, {"enabled", b.enabled}};
}
void fromJson(const Json& j, ListBox& b) {
    b.index =
        static_cast<int>(wholeMember(j, "index", -1, static_cast<long long>(b.items.size()) - 1));
    b.enabled = flagMember(j, "enabled");
}

Json toJson(const Label& b) {
    return {{"caption", textJson(b.caption)}, {"visible", b.visible}, {"enabled", b.enabled}};
}
void fromJson(const Json& j, Label& b) {
    b.caption = textMember(j, "caption");
    b.visible = flagMember(j, "visible");
    b.enabled = flagMember(j, "enabled");
}

Json toJson(const Button& b) {
    return {{"caption", textJson(b.caption)}, {"enabled", b.enabled}};
}
void fromJson(const Json& j, Button& b) {
    b.caption = textMember(j, "caption");
    b.enabled = flagMember(j, "enabled");
}

// Not stored, being the session's design like the chips' size: appearance, borderStyle and
// label (the stake label's place, alignment and type), which start-up takes from the site.
Json toJson(const Chip& c) {
    return {{"visible", c.visible},
            {"left", c.left},
            {"top", c.top},
            {"image", c.image},
            {"blackText", c.blackText},
            {"caption", textJson(c.caption)},
            {"tooltip", textJson(c.tooltip)},
            {"bet", c.bet}};
}
void fromJson(const Json& j, Chip& c) {
    c.visible = flagMember(j, "visible");
    c.left = static_cast<int>(wholeMember(j, "left", kIntMin, kIntMax));
    c.top = static_cast<int>(wholeMember(j, "top", kIntMin, kIntMax));
    c.image = static_cast<int>(wholeMember(j, "image", 1, 9));
    c.blackText = flagMember(j, "blackText");
    c.caption = textMember(j, "caption");
    c.tooltip = textMember(j, "tooltip");
    c.bet = static_cast<int>(wholeMember(j, "bet", -1, kBetCount - 1));
}

// The marker's size is the session's design.
Json toJson(const Marker& m) {
    return {{"visible", m.visible}, {"left", m.left}, {"top", m.top}};
}
void fromJson(const Json& j, Marker& m) {
    m.visible = flagMember(j, "visible");
    m.left = static_cast<int>(wholeMember(j, "left", kIntMin, kIntMax));
    m.top = static_cast<int>(wholeMember(j, "top", kIntMin, kIntMax));
}

// Where the picture sits is the session's design; only whether it shows is the run's.
Json toJson(const Picture& p) {
    return {{"visible", p.visible}};
}
void fromJson(const Json& j, Picture& p) {
    p.visible = flagMember(j, "visible");
}

Json toJson(const BoardLayout& b) {
    return {{"flipped", b.BoardFlipped()}, {"colored", b.numbersColored()}};
}
void fromJson(const Json& j, BoardLayout& b) {
    b = BoardLayout();
    if (flagMember(j, "colored")) b.ColorNumbers();
    if (flagMember(j, "flipped")) b.FlipBoard(true);
}

// The numbers oldest first, as one text ("17,0,32"): the box may hold a whole casino's
// history, and one text is written and read far quicker than a list of as many values.
Json toJson(const HistoryBox& h) {
    std::string text;
    text.reserve(h.lineCount() * 3);
    for (signed char n : h.numbers()) {
        if (!text.empty()) text.push_back(',');
        text += std::to_string(n);
    }
    return text;
}
void fromJson(const Json& j, HistoryBox& h) {
    if (!j.is_string()) bad("historyBox is not text");
    const std::string_view text = j.get_ref<const std::string&>();
    h.clear();
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find(',', start);
        if (end == std::string_view::npos) end = text.size();
        int n = -1;
        const auto [stop, error] = std::from_chars(text.data() + start, text.data() + end, n);
        if (error != std::errc() || stop != text.data() + end || n < 0 || n > 36) {
            bad("historyBox holds something that is not a number of the wheel");
        }
        h.AddHistoryLine(n);
        start = end + 1;
        if (end + 1 == text.size()) bad("historyBox ends with a comma");
    }
}

template <class T, std::size_t N>
Json toJsonArray(const std::array<T, N>& items) {
    Json out = Json::array();
    for (const T& item : items) out.push_back(toJson(item));
    return out;
}
template <class T, std::size_t N>
void fromJsonArray(const Json& j, const char* key, std::array<T, N>& items) {
    const Json& a = arrayMember(j, key, N);
    for (std::size_t i = 0; i < N; ++i) fromJson(a[i], items[i]);
}

// The family check boxes of the panel.
Json familyBoxesJson(const Form& f) {
    return {{"evenBets", toJson(f.familyBoxes[7])},  {"redBlack", toJson(f.evenPairBoxes[1])},
            {"oddEven", toJson(f.evenPairBoxes[2])}, {"highLow", toJson(f.evenPairBoxes[3])},
            {"dozen", toJson(f.familyBoxes[6])},     {"row", toJson(f.familyBoxes[1])},
            {"line", toJson(f.familyBoxes[2])},      {"corner", toJson(f.familyBoxes[3])},
            {"trio", toJson(f.familyBoxes[4])},      {"split", toJson(f.familyBoxes[5])},
            {"single", toJson(f.singleBox)}};
}
void familyBoxesFromJson(const Json& j, Form& f) {
    fromJson(member(j, "evenBets"), f.familyBoxes[7]);
    fromJson(member(j, "redBlack"), f.evenPairBoxes[1]);
    fromJson(member(j, "oddEven"), f.evenPairBoxes[2]);
    fromJson(member(j, "highLow"), f.evenPairBoxes[3]);
    fromJson(member(j, "dozen"), f.familyBoxes[6]);
    fromJson(member(j, "row"), f.familyBoxes[1]);
    fromJson(member(j, "line"), f.familyBoxes[2]);
    fromJson(member(j, "corner"), f.familyBoxes[3]);
    fromJson(member(j, "trio"), f.familyBoxes[4]);
    fromJson(member(j, "split"), f.familyBoxes[5]);
    fromJson(member(j, "single"), f.singleBox);
}

// Each family's threshold boxes: Low, High, Random, and whether the "High:" label is enabled.
Json thresholdsJson(const Form& f) {
    Json out = Json::object();
    for (int k = 0; k < 8; ++k) {
        out[kFamilyKeys[static_cast<std::size_t>(k)]] = {
            {"low", toJson(f.threshold(k).low)},
            {"high", toJson(f.threshold(k).high)},
            {"random", toJson(f.threshold(k).random)},
            {"highLabelEnabled", f.threshold(k).highLabelEnabled}};
    }
    return out;
}
void thresholdsFromJson(const Json& j, Form& f) {
    for (int k = 0; k < 8; ++k) {
        const Json& family = member(j, kFamilyKeys[static_cast<std::size_t>(k)]);
        fromJson(member(family, "low"), f.threshold(k).low);
        fromJson(member(family, "high"), f.threshold(k).high);
        fromJson(member(family, "random"), f.threshold(k).random);
        f.threshold(k).highLabelEnabled = flagMember(family, "highLabelEnabled");
    }
}

// The how-many lists of Multi play, by family: dozen to single.
Json countsJson(const Form& f) {
    Json out = Json::object();
    for (int k = 0; k < kHowManyCount; ++k) {
        out[kFamilyKeys[static_cast<std::size_t>(k + 1)]] =
            toJson(f.howMany[static_cast<std::size_t>(k)]);
    }
    return out;
}
void countsFromJson(const Json& j, Form& f) {
    for (int k = 0; k < kHowManyCount; ++k) {
        fromJson(member(j, kFamilyKeys[static_cast<std::size_t>(k + 1)]),
                 f.howMany[static_cast<std::size_t>(k)]);
    }
}

Json toJson(const WageringForm& w) {
    Json sequences = Json::object();
    for (std::size_t k = 0; k < kFamilyKeys.size(); ++k) {
        sequences[kFamilyKeys[k]] = toJson(w.sequenceBoxes[k]);
    }
    return {{"open", w.open},
            {"sequences", std::move(sequences)},
            {"autoIncrease", toJson(w.autoIncrease)},
            {"increaseChips", toJson(w.increaseChips)},
            {"increaseSteps", toJson(w.increaseSteps)}};
}
void fromJson(const Json& j, WageringForm& w) {
    w.open = flagMember(j, "open");
    const Json& sequences = member(j, "sequences");
    for (std::size_t k = 0; k < kFamilyKeys.size(); ++k) {
        fromJson(member(sequences, kFamilyKeys[k]), w.sequenceBoxes[k]);
    }
    fromJson(member(j, "autoIncrease"), w.autoIncrease);
    fromJson(member(j, "increaseChips"), w.increaseChips);
    fromJson(member(j, "increaseSteps"), w.increaseSteps);
}

}  // namespace

// Not stored, being the session's design: width, chipWidth, chipHeight, casinoMenu; nor the
// positions of the indexed boxes that no control uses (Text 0 and 1, Check 0, ...).
Json toJson(const Form& f) {
    return {{"caption", textJson(f.caption)},
            {"height", f.height},
            {"backColor", f.backColor},
            {"alwaysOnTop", f.alwaysOnTop},
            {"focus", textJson(f.focus)},
            {"focusRequests", f.focusRequests},
            {"board", toJson(f.board)},
            {"chips", toJsonArray(f.chips)},
            {"marker", toJson(f.marker)},
            {"picture", toJson(f.picture)},
            {"startButton", toJson(f.startButton)},
            {"adviceLabel", toJson(f.adviceLabel)},
            {"historyBox", toJson(f.historyBox)},
            {"balanceBox", toJson(f.balanceBox)},
            {"thresholds", thresholdsJson(f)},
            {"styles",
             {{"classic", toJson(f.styleButtons[1])},
              {"multi", toJson(f.styleButtons[2])},
              {"super", toJson(f.styleButtons[3])}}},
            {"aggressiveDefaults", toJson(f.aggressiveDefaults)},
            {"conservativeDefaults", toJson(f.conservativeDefaults)},
            {"conservativeBetting", toJson(f.conservativeBetting)},
            {"familyBoxes", familyBoxesJson(f)},
            {"counts", countsJson(f)},
            {"unitWagerList", toJson(f.unitWagerList)},
            {"spinIntervalList", toJson(f.spinIntervalList)},
            {"winLimitList", toJson(f.winLimitList)},
            {"timeLimitList", toJson(f.timeLimitList)},
            {"casinoList", toJson(f.casinoList)},
            {"moreButton", toJson(f.moreButton)},
            {"deleteCasinoButton", toJson(f.deleteCasinoButton)},
            {"replayButton", toJson(f.replayButton)},
            {"minimumBalanceLabel", toJson(f.minimumBalanceLabel)},
            {"totalRiskLabel", toJson(f.totalRiskLabel)},
            {"betCycleLabel", toJson(f.betCycleLabel)},
            {"wageringDialog", toJson(f.wageringDialog)}};
}
void fromJson(const Json& j, Form& f) {
    f.caption = textMember(j, "caption");
    f.height = static_cast<int>(wholeMember(j, "height", 0, kIntMax));
    f.backColor = wholeMember(j, "backColor", -2147483648LL, 4294967295LL);
    f.alwaysOnTop = flagMember(j, "alwaysOnTop");
    f.focus = textMember(j, "focus");
    f.focusRequests = static_cast<int>(wholeMember(j, "focusRequests", 0, kIntMax));
    fromJson(member(j, "board"), f.board);
    fromJsonArray(j, "chips", f.chips);
    fromJson(member(j, "marker"), f.marker);
    fromJson(member(j, "picture"), f.picture);
    fromJson(member(j, "startButton"), f.startButton);
    fromJson(member(j, "adviceLabel"), f.adviceLabel);
    fromJson(member(j, "historyBox"), f.historyBox);
    fromJson(member(j, "balanceBox"), f.balanceBox);
    thresholdsFromJson(member(j, "thresholds"), f);
    const Json& styles = member(j, "styles");
    fromJson(member(styles, "classic"), f.styleButtons[1]);
    fromJson(member(styles, "multi"), f.styleButtons[2]);
    fromJson(member(styles, "super"), f.styleButtons[3]);
    fromJson(member(j, "aggressiveDefaults"), f.aggressiveDefaults);
    fromJson(member(j, "conservativeDefaults"), f.conservativeDefaults);
    fromJson(member(j, "conservativeBetting"), f.conservativeBetting);
    familyBoxesFromJson(member(j, "familyBoxes"), f);
    countsFromJson(member(j, "counts"), f);
    fromJson(member(j, "unitWagerList"), f.unitWagerList);
    fromJson(member(j, "spinIntervalList"), f.spinIntervalList);
    fromJson(member(j, "winLimitList"), f.winLimitList);
    fromJson(member(j, "timeLimitList"), f.timeLimitList);
    fromJson(member(j, "casinoList"), f.casinoList);
    fromJson(member(j, "moreButton"), f.moreButton);
    fromJson(member(j, "deleteCasinoButton"), f.deleteCasinoButton);
    fromJson(member(j, "replayButton"), f.replayButton);
    fromJson(member(j, "minimumBalanceLabel"), f.minimumBalanceLabel);
    fromJson(member(j, "totalRiskLabel"), f.totalRiskLabel);
    fromJson(member(j, "betCycleLabel"), f.betCycleLabel);
    fromJson(member(j, "wageringDialog"), f.wageringDialog);
}
}  // namespace brisvale::json
