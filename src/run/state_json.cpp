// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/state_json.hpp"

#include <cstddef>
#include <limits>
#include <utility>

#include "model/numbers.hpp"
#include "run/json_checks.hpp"
#include "util/windows1252.hpp"

namespace brisvale {
namespace json {

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

}  // namespace json

using namespace json;

namespace {

// A struct that gains a member fails here until its two functions below store it (or say why
// not) and the number is raised.
static_assert(memberCount<MinimumWager>() == 3);
static_assert(memberCount<Wagering>() == 4);
static_assert(memberCount<Settlement>() == 2);
static_assert(memberCount<RunTally>() == 2);
// Not kept: the session's figures (each program starts a session of its own) and why advice
// stopped (a stopped run has ended, and no run file keeps it).
static_assert(memberCount<PlayState>() == 41);

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
Json toJson(const PlayState& s, const Form& window) {
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
            {"advancedShown", s.advancedShown},
            {"runStart", s.RunStart},
            {"replayMode", s.ReplayMode},
            {"multiBetPlay", s.MultiBetPlay},
            {"startThresholds", numbersJson(s.StartThreshold)},
            {"casinoName", textJson(s.CasinoName)},
            {"sleepers", toJson(s.sleepers)},
            {"wagering", toJson(s.wagering)},
            {"window", toJson(window)}};
}

void fromJson(const Json& j, PlayState& s, Form& window) {
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
    fromJson(member(j, "window"), window);
    s.phase = phaseOf(member(j, "phase"));
    s.acceptsPress = flagMember(j, "acceptsPress");
    // Files written before the flag was kept open with the advanced settings closed.
    s.advancedShown = j.contains("advancedShown") && flagMember(j, "advancedShown");
}

}  // namespace brisvale
