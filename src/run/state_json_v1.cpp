// SPDX-License-Identifier: GPL-3.0-or-later
// Run files of the first version: the run state under the window's control names. They are
// brought into the present shape before they are read, so that one reader checks them all.
#include <array>
#include <initializer_list>
#include <string>
#include <utility>

#include "run/json_checks.hpp"

namespace brisvale {
using json::kFamilyKeys;
using json::kPhaseNames;

namespace {

// Moves member `from` of `in` to member `to` of `out`, when there is one to move: what is
// missing is reported by the reader under its present name.
void carry(Json& in, const char* from, Json& out, const char* to) {
    if (!in.is_object()) return;
    const auto it = in.find(from);
    if (it == in.end()) return;
    out[to] = std::move(*it);
    in.erase(it);
}

// Moves item `index` of the list `from` of `in` to member `to` of `out`.
void carryItem(const Json& in, const char* from, std::size_t index, Json& out, const char* to) {
    if (!in.is_object()) return;
    const auto it = in.find(from);
    if (it == in.end() || !it->is_array() || index >= it->size()) return;
    out[to] = (*it)[index];
}

Json windowOf(Json& form) {
    Json w = Json::object();
    for (const char* same : {"caption", "height", "backColor", "alwaysOnTop", "focus",
                             "focusRequests", "board", "chips", "marker"}) {
        carry(form, same, w, same);
    }
    carry(form, "Picture4", w, "picture");
    carry(form, "Button1", w, "startButton");
    carry(form, "Label1", w, "adviceLabel");
    carry(form, "Text1", w, "historyBox");
    carryItem(form, "Text", 18, w, "balanceBox");

    // The threshold boxes of family k: Text(2+2k), Text(3+2k), and Check(k+1) (Check9 for
    // singles), with the "High:" label of that Random box.
    Json thresholds = Json::object();
    for (std::size_t k = 0; k < kFamilyKeys.size(); ++k) {
        Json family = Json::object();
        const std::size_t random = k == 7 ? 9 : k + 1;
        carryItem(form, "Text", 2 + 2 * k, family, "low");
        carryItem(form, "Text", 3 + 2 * k, family, "high");
        carryItem(form, "Check", random, family, "random");
        carryItem(form, "highLabelEnabled", random, family, "highLabelEnabled");
        thresholds[kFamilyKeys[k]] = std::move(family);
    }
    w["thresholds"] = std::move(thresholds);

    Json styles = Json::object();
    carryItem(form, "BetStyle", 1, styles, "classic");
    carryItem(form, "BetStyle", 2, styles, "multi");
    carryItem(form, "BetStyle", 3, styles, "super");
    w["styles"] = std::move(styles);
    carry(form, "Option2", w, "aggressiveDefaults");
    carry(form, "Option3", w, "conservativeDefaults");
    carryItem(form, "Check", 8, w, "conservativeBetting");

    Json boxes = Json::object();
    carryItem(form, "chk", 7, boxes, "evenBets");
    carryItem(form, "chk7_", 1, boxes, "redBlack");
    carryItem(form, "chk7_", 2, boxes, "oddEven");
    carryItem(form, "chk7_", 3, boxes, "highLow");
    carryItem(form, "chk", 6, boxes, "dozen");
    carryItem(form, "chk", 1, boxes, "row");
    carryItem(form, "chk", 2, boxes, "line");
    carryItem(form, "chk", 3, boxes, "corner");
    carryItem(form, "chk", 4, boxes, "trio");
    carryItem(form, "chk", 5, boxes, "split");
    carry(form, "Chk8", boxes, "single");
    w["familyBoxes"] = std::move(boxes);

    Json counts = Json::object();
    for (std::size_t k = 1; k < kFamilyKeys.size(); ++k) {
        carryItem(form, "howMany", k - 1, counts, kFamilyKeys[k]);
    }
    w["counts"] = std::move(counts);

    carry(form, "cboWager", w, "unitWagerList");
    carry(form, "cboSpins", w, "spinIntervalList");
    carry(form, "cboWins", w, "winLimitList");
    carry(form, "cboTime", w, "timeLimitList");
    carry(form, "Casino", w, "casinoList");
    carry(form, "cmdMore", w, "moreButton");
    carry(form, "Command1", w, "deleteCasinoButton");
    carry(form, "Command2", w, "replayButton");
    carry(form, "Label12", w, "minimumBalanceLabel");
    carry(form, "Label35", w, "totalRiskLabel");
    carry(form, "Label41", w, "betCycleLabel");

    if (form.is_object() && form.contains("frmWagering")) {
        Json& dialog = form["frmWagering"];
        Json d = Json::object();
        carry(dialog, "open", d, "open");
        Json sequences = Json::object();
        for (std::size_t k = 0; k < kFamilyKeys.size(); ++k) {
            carryItem(dialog, "Text", k + 1, sequences, kFamilyKeys[k]);
        }
        d["sequences"] = std::move(sequences);
        carry(dialog, "Check1", d, "autoIncrease");
        carry(dialog, "Combo1", d, "increaseChips");
        carry(dialog, "Combo2", d, "increaseSteps");
        w["wageringDialog"] = std::move(d);
    }
    return w;
}

}  // namespace

void upgradeStateJsonV1(Json& state) {
    if (!state.is_object()) return;
    Json out = Json::object();
    // The members that only change their names.
    static constexpr std::pair<const char*, const char*> kRenamed[] = {
        {"TotalSpins", "totalSpins"},
        {"TableSpins", "tableSpins"},
        {"Wins", "wins"},
        {"RecordedSpins", "recordedSpins"},
        {"BetOpen", "betOpen"},
        {"CurrentBet", "currentBet"},
        {"WinningBets", "winningBets"},
        {"lists", "betLists"},
        {"betSteps", "betSteps"},
        {"StepIndex", "stepIndex"},
        {"Stake", "stake"},
        {"Balance", "balance"},
        {"RunBalances", "runBalances"},
        {"QuitPending", "quitPending"},
        {"settled", "settled"},
        {"runTally", "runTally"},
        {"SpinPending", "spinPending"},
        {"SpinNumber", "spinNumber"},
        {"SpinText", "spinText"},
        {"SpinWaitActive", "spinWaitActive"},
        {"SpinWaitLeft", "spinWaitLeft"},
        {"SpinInterval", "spinInterval"},
        {"acceptsPress", "acceptsPress"},
        {"RunStart", "runStart"},
        {"ReplayMode", "replayMode"},
        {"MultiBetPlay", "multiBetPlay"},
        {"StartThreshold", "startThresholds"},
        {"CasinoName", "casinoName"},
        {"sleepers", "sleepers"}};
    for (const auto& [from, to] : kRenamed) carry(state, from, out, to);

    // Two objects renamed member by member; the unit's list position, also held in the wager
    // then, is the list's own selection.
    const auto renameObject =
        [&](const char* from, const char* to,
            std::initializer_list<std::pair<const char*, const char*>> names) {
            if (!state.contains(from)) return;
            Json renamed = Json::object();
            for (const auto& [was, is] : names) carry(state[from], was, renamed, is);
            out[to] = std::move(renamed);
        };
    renameObject("wager", "minimumWager",
                 {{"UnitWager", "unitWager"},
                  {"StartUnitWager", "startUnitWager"},
                  {"NetChips", "netChips"}});
    renameObject("wagering", "wagering",
                 {{"WagerSequence", "sequences"},
                  {"AutoIncrease", "autoIncrease"},
                  {"IncreaseChips", "increaseChips"},
                  {"IncreaseSteps", "increaseSteps"}});
    if (state.contains("form")) out["window"] = windowOf(state["form"]);

    // The phase, by its number in the later files of the first version; the earliest tell an
    // open run only by its button, captioned "Submit" while a run is played.
    const auto phase = state.find("phase");
    if (phase != state.end()) {
        const Json number = {{"phase", *phase}};
        out["phase"] = kPhaseNames[static_cast<std::size_t>(wholeMember(number, "phase", 0, 3))];
    } else if (out.contains("window") && out["window"].contains("startButton")) {
        const Json& button = out["window"]["startButton"];
        out["phase"] = textMember(button, "caption") == "Submit" ? "playing" : "idle";
        if (!out.contains("acceptsPress")) out["acceptsPress"] = flagMember(button, "enabled");
    }
    if (out.contains("window") && out["window"].contains("moreButton")) {
        out["advancedShown"] = textMember(out["window"]["moreButton"], "caption") == "<< Less";
    }
    state = std::move(out);
}

}  // namespace brisvale
