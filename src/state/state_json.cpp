// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/state_json.hpp"

#include <charconv>
#include <cstddef>
#include <limits>
#include <utility>

#include "model/numbers.hpp"
#include "util/windows1252.hpp"

namespace brisvale {
namespace {

// --- How many members an aggregate has: the most initialisers it takes. ---
struct AnyMember {
    template <class T>
    operator T() const;  // never called: only asked about
};

template <class T, std::size_t N>
constexpr bool takes() {
    return []<std::size_t... I>(std::index_sequence<I...>) {
        return requires {
            T{(static_cast<void>(I), AnyMember{})...};
        };
    }
    (std::make_index_sequence<N>{});
}

template <class T, std::size_t N = 0>
constexpr std::size_t memberCount() {
    if constexpr (takes<T, N + 1>()) {
        return memberCount<T, N + 1>();
    } else {
        return N;
    }
}

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
static_assert(memberCount<MinimumWager>() == 3);
static_assert(memberCount<Wagering>() == 4);
static_assert(memberCount<Settlement>() == 2);
static_assert(memberCount<RunTally>() == 2);
static_assert(memberCount<PlayState>() == 39);

[[noreturn]] void bad(const std::string& what) {
    throw BadStateJson(what);
}

long long wholeValue(const Json& v, long long lo, long long hi, const char* what) {
    long long x = 0;
    if (v.is_number_unsigned()) {
        const auto u = v.get<unsigned long long>();
        if (u > static_cast<unsigned long long>(std::numeric_limits<long long>::max())) {
            bad(std::string(what) + " is out of range");
        }
        x = static_cast<long long>(u);
    } else if (v.is_number_integer()) {
        x = v.get<long long>();
    } else {
        bad(std::string(what) + " is not a whole number");
    }
    if (x < lo || x > hi) bad(std::string(what) + " is out of range");
    return x;
}

const Json& arrayMember(const Json& j, const char* key, std::size_t size) {
    const Json& a = member(j, key);
    if (!a.is_array() || (size != 0 && a.size() != size)) {
        bad(std::string(key) + " is not a list of " + std::to_string(size));
    }
    return a;
}

constexpr long long kInt16Min = -32768, kInt16Max = 32767;
constexpr long long kIntMin = std::numeric_limits<int>::min();
constexpr long long kIntMax = std::numeric_limits<int>::max();

// --- One pair of functions per struct. ---

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

// The families by name, in the order of the boxes that hold them: the wagering dialog's
// sequences (Text1..Text8), the threshold boxes (lowBox, highBox, randomBox) and the
// how-many lists of Multi play (from the dozen on, the even-money bets having none).
constexpr std::array<const char*, 8> kFamilyKeys = {"even",   "dozen", "row",   "line",
                                                    "corner", "trio",  "split", "single"};
// The family check boxes of the panel.
Json familyBoxesJson(const Form& f) {
    return {{"evenBets", toJson(f.chk[7])},  {"redBlack", toJson(f.chk7_[1])},
            {"oddEven", toJson(f.chk7_[2])}, {"highLow", toJson(f.chk7_[3])},
            {"dozen", toJson(f.chk[6])},     {"row", toJson(f.chk[1])},
            {"line", toJson(f.chk[2])},      {"corner", toJson(f.chk[3])},
            {"trio", toJson(f.chk[4])},      {"split", toJson(f.chk[5])},
            {"single", toJson(f.Chk8)}};
}
void familyBoxesFromJson(const Json& j, Form& f) {
    fromJson(member(j, "evenBets"), f.chk[7]);
    fromJson(member(j, "redBlack"), f.chk7_[1]);
    fromJson(member(j, "oddEven"), f.chk7_[2]);
    fromJson(member(j, "highLow"), f.chk7_[3]);
    fromJson(member(j, "dozen"), f.chk[6]);
    fromJson(member(j, "row"), f.chk[1]);
    fromJson(member(j, "line"), f.chk[2]);
    fromJson(member(j, "corner"), f.chk[3]);
    fromJson(member(j, "trio"), f.chk[4]);
    fromJson(member(j, "split"), f.chk[5]);
    fromJson(member(j, "single"), f.Chk8);
}

// Each family's threshold boxes: Low, High, Random, and whether the "High:" label is enabled.
Json thresholdsJson(const Form& f) {
    Json out = Json::object();
    for (int k = 0; k < 8; ++k) {
        out[kFamilyKeys[static_cast<std::size_t>(k)]] = {
            {"low", toJson(f.Text[static_cast<std::size_t>(lowBox(k))])},
            {"high", toJson(f.Text[static_cast<std::size_t>(highBox(k))])},
            {"random", toJson(f.Check[static_cast<std::size_t>(randomBox(k))])},
            {"highLabelEnabled", f.highLabelEnabled[static_cast<std::size_t>(randomBox(k))]}};
    }
    return out;
}
void thresholdsFromJson(const Json& j, Form& f) {
    for (int k = 0; k < 8; ++k) {
        const Json& family = member(j, kFamilyKeys[static_cast<std::size_t>(k)]);
        fromJson(member(family, "low"), f.Text[static_cast<std::size_t>(lowBox(k))]);
        fromJson(member(family, "high"), f.Text[static_cast<std::size_t>(highBox(k))]);
        fromJson(member(family, "random"), f.Check[static_cast<std::size_t>(randomBox(k))]);
        f.highLabelEnabled[static_cast<std::size_t>(randomBox(k))] =
            flagMember(family, "highLabelEnabled");
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
        sequences[kFamilyKeys[k]] = toJson(w.Text[k + 1]);
    }
    return {{"open", w.open},
            {"sequences", std::move(sequences)},
            {"autoIncrease", toJson(w.Check1)},
            {"increaseChips", toJson(w.Combo1)},
            {"increaseSteps", toJson(w.Combo2)}};
}
void fromJson(const Json& j, WageringForm& w) {
    w.open = flagMember(j, "open");
    const Json& sequences = member(j, "sequences");
    for (std::size_t k = 0; k < kFamilyKeys.size(); ++k) {
        fromJson(member(sequences, kFamilyKeys[k]), w.Text[k + 1]);
    }
    fromJson(member(j, "autoIncrease"), w.Check1);
    fromJson(member(j, "increaseChips"), w.Combo1);
    fromJson(member(j, "increaseSteps"), w.Combo2);
}

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
            {"picture", toJson(f.Picture4)},
            {"startButton", toJson(f.Button1)},
            {"adviceLabel", toJson(f.Label1)},
            {"historyBox", toJson(f.Text1)},
            {"balanceBox", toJson(f.Text[18])},
            {"thresholds", thresholdsJson(f)},
            {"styles",
             {{"classic", toJson(f.BetStyle[1])},
              {"multi", toJson(f.BetStyle[2])},
              {"super", toJson(f.BetStyle[3])}}},
            {"aggressiveDefaults", toJson(f.Option2)},
            {"conservativeDefaults", toJson(f.Option3)},
            {"conservativeBetting", toJson(f.Check[8])},
            {"familyBoxes", familyBoxesJson(f)},
            {"counts", countsJson(f)},
            {"unitWagerList", toJson(f.cboWager)},
            {"spinIntervalList", toJson(f.cboSpins)},
            {"winLimitList", toJson(f.cboWins)},
            {"timeLimitList", toJson(f.cboTime)},
            {"casinoList", toJson(f.Casino)},
            {"moreButton", toJson(f.cmdMore)},
            {"deleteCasinoButton", toJson(f.Command1)},
            {"replayButton", toJson(f.Command2)},
            {"minimumBalanceLabel", toJson(f.Label12)},
            {"totalRiskLabel", toJson(f.Label35)},
            {"betCycleLabel", toJson(f.Label41)},
            {"wageringDialog", toJson(f.frmWagering)}};
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
    fromJson(member(j, "picture"), f.Picture4);
    fromJson(member(j, "startButton"), f.Button1);
    fromJson(member(j, "adviceLabel"), f.Label1);
    fromJson(member(j, "historyBox"), f.Text1);
    fromJson(member(j, "balanceBox"), f.Text[18]);
    thresholdsFromJson(member(j, "thresholds"), f);
    const Json& styles = member(j, "styles");
    fromJson(member(styles, "classic"), f.BetStyle[1]);
    fromJson(member(styles, "multi"), f.BetStyle[2]);
    fromJson(member(styles, "super"), f.BetStyle[3]);
    fromJson(member(j, "aggressiveDefaults"), f.Option2);
    fromJson(member(j, "conservativeDefaults"), f.Option3);
    fromJson(member(j, "conservativeBetting"), f.Check[8]);
    familyBoxesFromJson(member(j, "familyBoxes"), f);
    countsFromJson(member(j, "counts"), f);
    fromJson(member(j, "unitWagerList"), f.cboWager);
    fromJson(member(j, "spinIntervalList"), f.cboSpins);
    fromJson(member(j, "winLimitList"), f.cboWins);
    fromJson(member(j, "timeLimitList"), f.cboTime);
    fromJson(member(j, "casinoList"), f.Casino);
    fromJson(member(j, "moreButton"), f.cmdMore);
    fromJson(member(j, "deleteCasinoButton"), f.Command1);
    fromJson(member(j, "replayButton"), f.Command2);
    fromJson(member(j, "minimumBalanceLabel"), f.Label12);
    fromJson(member(j, "totalRiskLabel"), f.Label35);
    fromJson(member(j, "betCycleLabel"), f.Label41);
    fromJson(member(j, "wageringDialog"), f.frmWagering);
}

Json toJson(const BetList& list) {
    Json out = Json::array();
    for (BetId id : list) out.push_back(static_cast<int>(id));
    return out;
}
void fromJson(const Json& j, BetList& list) {
    if (!j.is_array() || j.size() > static_cast<std::size_t>(kBetCount))
        bad("a bet list is not a list of bets");
    list.clear();
    for (const Json& v : j) {
        const auto id = static_cast<BetId>(wholeValue(v, 0, kBetCount - 1, "a bet"));
        if (list.contains(id)) bad("a bet list names a bet twice");
        list.push_back(id);
    }
}

Json toJson(const Settlement& s) {
    Json stakes = Json::array();
    for (int i = 0; i < s.bets.size(); ++i) stakes.push_back(s.stakes[static_cast<std::size_t>(i)]);
    return {{"bets", toJson(s.bets)}, {"stakes", stakes}};
}
void fromJson(const Json& j, Settlement& s) {
    fromJson(member(j, "bets"), s.bets);
    const Json& stakes = arrayMember(j, "stakes", 0);
    if (stakes.size() != static_cast<std::size_t>(s.bets.size())) {
        bad("settled does not name one stake per bet");
    }
    s.stakes.fill(0);
    for (std::size_t i = 0; i < stakes.size(); ++i) {
        s.stakes[i] = wholeValue(stakes[i], std::numeric_limits<long long>::min(),
                                 std::numeric_limits<long long>::max(), "a settled stake");
    }
}

Json toJson(const RunTally& t) {
    Json hits = Json::array(), since = Json::array();
    for (int h : t.hits) hits.push_back(h);
    for (int s : t.since) since.push_back(s);
    return {{"hits", hits}, {"since", since}};
}
void fromJson(const Json& j, RunTally& t) {
    const Json& hits = arrayMember(j, "hits", t.hits.size());
    const Json& since = arrayMember(j, "since", t.since.size());
    for (std::size_t n = 0; n < t.hits.size(); ++n) {
        t.hits[n] = static_cast<int>(wholeValue(hits[n], 0, kCountMax, "a number's hits"));
        t.since[n] =
            static_cast<int>(wholeValue(since[n], -1, kCountMax, "a number's spins since"));
    }
}

Json toJson(const SleeperTables& t) {
    Json out = Json::array();
    for (int table = 0; table < kTableCount; ++table) {
        out.push_back(t[static_cast<Table>(table)]);
    }
    return out;
}
void fromJson(const Json& j, SleeperTables& t) {
    if (!j.is_array() || j.size() != kTableCount) bad("the sleeper tables are not 11 lists");
    for (int table = 0; table < kTableCount; ++table) {
        const Json& counts = j[static_cast<std::size_t>(table)];
        if (!counts.is_array() || counts.size() != 37)
            bad("a sleeper table does not hold 37 counts");
        for (int n = 0; n < 37; ++n) {
            t.set(static_cast<Table>(table), n,
                  static_cast<std::int16_t>(wholeValue(counts[static_cast<std::size_t>(n)],
                                                       kInt16Min, kInt16Max, "a sleeper count")));
        }
    }
}

Json toJson(const MinimumWager& w) {
    return {
        {"unitWager", w.UnitWager}, {"startUnitWager", w.StartUnitWager}, {"netChips", w.NetChips}};
}
void fromJson(const Json& j, MinimumWager& w) {
    constexpr long long kWide = std::numeric_limits<long long>::max();
    w.UnitWager = wholeMember(j, "unitWager", -kWide, kWide);
    w.StartUnitWager = wholeMember(j, "startUnitWager", -kWide, kWide);
    w.NetChips = wholeMember(j, "netChips", -kWide, kWide);
}

Json toJson(const Wagering& w) {
    Json sequences = Json::array();
    for (const Sequence& sequence : w.WagerSequence) {
        Json elements = Json::array();
        for (const std::string& element : sequence) elements.push_back(textJson(element));
        sequences.push_back(std::move(elements));
    }
    return {{"sequences", sequences},
            {"autoIncrease", w.AutoIncrease},
            {"increaseChips", w.IncreaseChips},
            {"increaseSteps", w.IncreaseSteps}};
}
void fromJson(const Json& j, Wagering& w) {
    const Json& sequences = arrayMember(j, "sequences", kFamilyCount);
    for (int k = 0; k < kFamilyCount; ++k) {
        const Json& elements = sequences[static_cast<std::size_t>(k)];
        if (!elements.is_array()) bad("a wager sequence is not a list");
        Sequence& sequence = w.WagerSequence[static_cast<std::size_t>(k)];
        sequence.clear();
        for (const Json& element : elements) {
            if (!element.is_string()) bad("a wager sequence holds a value that is not text");
            sequence.push_back(windows1252FromUtf8(element.get_ref<const std::string&>()));
        }
    }
    w.AutoIncrease = static_cast<int>(wholeMember(j, "autoIncrease", kIntMin, kIntMax));
    w.IncreaseChips = static_cast<int>(wholeMember(j, "increaseChips", kIntMin, kIntMax));
    w.IncreaseSteps = static_cast<int>(wholeMember(j, "increaseSteps", kIntMin, kIntMax));
}

template <class T, std::size_t N>
Json numbersJson(const std::array<T, N>& values) {
    Json out = Json::array();
    for (T v : values) out.push_back(v);
    return out;
}
template <class T, std::size_t N>
void numbersFromJson(const Json& j, const char* key, std::array<T, N>& values, long long lo,
                     long long hi) {
    const Json& a = arrayMember(j, key, N);
    for (std::size_t i = 0; i < N; ++i) values[i] = static_cast<T>(wholeValue(a[i], lo, hi, key));
}

constexpr std::array<const char*, 4> kPhaseNames = {"idle", "playing", "quit", "switchTable"};
static_assert(static_cast<std::size_t>(RunPhase::SwitchTable) + 1 == kPhaseNames.size());

const char* phaseName(RunPhase phase) {
    return kPhaseNames[static_cast<std::size_t>(phase)];
}
RunPhase phaseOf(const Json& j) {
    for (std::size_t i = 0; i < kPhaseNames.size(); ++i) {
        if (j == kPhaseNames[i]) return static_cast<RunPhase>(i);
    }
    bad("phase is not a phase of a run");
}

}  // namespace

const Json& member(const Json& j, const char* key) {
    if (!j.is_object()) bad(std::string("no object holds ") + key);
    const auto it = j.find(key);
    if (it == j.end()) bad(std::string(key) + " is missing");
    return *it;
}

long long wholeMember(const Json& j, const char* key, long long lo, long long hi) {
    return wholeValue(member(j, key), lo, hi, key);
}

bool flagMember(const Json& j, const char* key) {
    const Json& v = member(j, key);
    if (!v.is_boolean()) bad(std::string(key) + " is not true or false");
    return v.get<bool>();
}

std::string textMember(const Json& j, const char* key) {
    const Json& v = member(j, key);
    if (!v.is_string()) bad(std::string(key) + " is not text");
    return windows1252FromUtf8(v.get_ref<const std::string&>());
}

Json textJson(std::string_view text) {
    return utf8FromWindows1252(text);
}

// Not stored, being the session's own: AppTitle, NormalColor, BetColor, QuitColor; nor style
// and advice, which every press reads and decides anew.
Json toJson(const PlayState& s) {
    Json lists = Json::array();
    for (const BetList& list : s.lists) lists.push_back(toJson(list));
    Json balances = Json::array();
    balances.get_ref<Json::array_t&>().reserve(s.RunBalances.size());
    for (double b : s.RunBalances) balances.push_back(b);
    return {{"totalSpins", s.TotalSpins},
            {"tableSpins", s.TableSpins},
            {"wins", s.Wins},
            {"recordedSpins", s.RecordedSpins},
            {"betOpen", s.BetOpen},
            {"currentBet", toJson(s.CurrentBet)},
            {"winningBets", toJson(s.WinningBets)},
            {"betLists", lists},
            {"betSteps", numbersJson(s.betSteps)},
            {"stepIndex", s.StepIndex},
            {"stake", s.Stake},
            {"minimumWager", toJson(s.wager)},
            {"balance", s.Balance},
            {"runBalances", balances},
            {"quitPending", s.QuitPending},
            {"settled", toJson(s.settled)},
            {"runTally", toJson(s.runTally)},
            {"spinPending", s.SpinPending},
            {"spinNumber", s.SpinNumber},
            {"spinText", std::string(s.spinText())},
            {"spinWaitActive", s.SpinWaitActive},
            {"spinWaitLeft", s.SpinWaitLeft},
            {"spinInterval", s.SpinInterval},
            {"phase", phaseName(s.phase)},
            {"acceptsPress", s.acceptsPress},
            {"runStart", s.RunStart},
            {"replayMode", s.ReplayMode},
            {"multiBetPlay", s.MultiBetPlay},
            {"startThresholds", numbersJson(s.StartThreshold)},
            {"casinoName", textJson(s.CasinoName)},
            {"sleepers", toJson(s.sleepers)},
            {"wagering", toJson(s.wagering)},
            {"window", toJson(s.form)}};
}

void fromJson(const Json& j, PlayState& s) {
    s.TotalSpins = static_cast<int>(wholeMember(j, "totalSpins", 0, kInt16Max));
    s.TableSpins = static_cast<int>(wholeMember(j, "tableSpins", 0, kInt16Max));
    s.Wins = static_cast<int>(wholeMember(j, "wins", 0, kInt16Max));
    s.RecordedSpins = static_cast<int>(wholeMember(j, "recordedSpins", 0, kInt16Max));
    s.BetOpen = flagMember(j, "betOpen");
    fromJson(member(j, "currentBet"), s.CurrentBet);
    fromJson(member(j, "winningBets"), s.WinningBets);
    const Json& lists = arrayMember(j, "betLists", kFamilyCount);
    for (std::size_t k = 0; k < s.lists.size(); ++k) fromJson(lists[k], s.lists[k]);
    numbersFromJson(j, "betSteps", s.betSteps, kInt16Min, kInt16Max);
    s.StepIndex = static_cast<int>(wholeMember(j, "stepIndex", kIntMin, kIntMax));
    s.Stake = static_cast<std::int32_t>(wholeMember(j, "stake", kIntMin, kIntMax));
    fromJson(member(j, "minimumWager"), s.wager);
    const Json& balance = member(j, "balance");
    if (!balance.is_number()) bad("balance is not a number");
    s.Balance = balance.get<double>();
    const Json& balances = arrayMember(j, "runBalances", 0);
    s.RunBalances.clear();
    for (const Json& b : balances) {
        if (!b.is_number()) bad("runBalances holds a value that is not a number");
        s.RunBalances.push_back(b.get<double>());
    }
    s.QuitPending = flagMember(j, "quitPending");
    fromJson(member(j, "settled"), s.settled);
    fromJson(member(j, "runTally"), s.runTally);
    s.SpinPending = flagMember(j, "spinPending");
    s.SpinNumber = static_cast<int>(wholeMember(j, "spinNumber", 0, 36));
    const std::string spinText = textMember(j, "spinText");
    if (spinText != PadNumber(s.SpinNumber)) bad("spinText does not match spinNumber");
    s.SpinText = {spinText[0], spinText[1], '\0'};
    s.SpinWaitActive = flagMember(j, "spinWaitActive");
    s.SpinWaitLeft = static_cast<int>(wholeMember(j, "spinWaitLeft", kIntMin, kIntMax));
    s.SpinInterval = static_cast<int>(wholeMember(j, "spinInterval", 1, 9));
    s.RunStart = wholeMember(j, "runStart", std::numeric_limits<long long>::min(),
                             std::numeric_limits<long long>::max());
    s.ReplayMode = flagMember(j, "replayMode");
    s.MultiBetPlay = flagMember(j, "multiBetPlay");
    numbersFromJson(j, "startThresholds", s.StartThreshold, kInt16Min, kInt16Max);
    s.CasinoName = textMember(j, "casinoName");
    fromJson(member(j, "sleepers"), s.sleepers);
    fromJson(member(j, "wagering"), s.wagering);
    fromJson(member(j, "window"), s.form);
    s.phase = phaseOf(member(j, "phase"));
    s.acceptsPress = flagMember(j, "acceptsPress");
}

}  // namespace brisvale
