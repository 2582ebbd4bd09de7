// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/show.hpp"

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string_view>

#include "advisor/advisor.hpp"
#include "advisor/control_table.hpp"
#include "cli/tables.hpp"
#include "util/json_number.hpp"
#include "util/windows1252.hpp"

namespace brisvale::cli {
namespace {

using nlohmann::json;

// The core's texts are Windows-1252, as its files hold them.
json text(std::string_view s) {
    return utf8FromWindows1252(s);
}

template <class Items>
json texts(const Items& items) {
    json out = json::array();
    for (const std::string& item : items) out.push_back(text(item));
    return out;
}

json chipsJson(const Form& f) {
    json out = json::array();
    for (int i = 0; i < static_cast<int>(f.chips.size()); ++i) {
        const Chip& c = f.chips[i];
        if (!c.visible) continue;
        const StakeLabel& l = c.label;
        out.push_back({{"index", i},
                       {"left", c.left},
                       {"top", c.top},
                       {"caption", text(c.caption)},
                       {"tooltip", text(c.tooltip)},
                       {"image", c.image},
                       {"blackText", c.blackText},
                       {"appearance", c.appearance},
                       {"borderStyle", c.borderStyle},
                       {"label",
                        {{"left", l.left},
                         {"top", l.top},
                         {"width", l.width},
                         {"height", l.height},
                         {"alignment", l.alignment},
                         {"bold", l.bold},
                         {"fontSize", l.fontSize}}}});
    }
    return out;
}

json cellsJson(const Form& f) {
    json out = json::array();
    for (int i = 0; i < board::kCellCount; ++i) {
        const Rect r = f.board.cell(i);
        out.push_back({{"left", r.left},
                       {"top", r.top},
                       {"width", r.width},
                       {"height", r.height},
                       {"backColor", f.board.backColor(i)}});
    }
    return out;
}

json controlsJson(const Advisor& advisor) {
    json out = json::object();
    for (const ControlView& c : panelControls(advisor.form())) {
        json& value = out[utf8FromWindows1252(c.name)];
        switch (c.kind) {
            case ControlView::Kind::Check:
                value = c.check;
                break;
            case ControlView::Kind::Option:
                value = c.option;
                break;
            case ControlView::Kind::List:
            case ControlView::Kind::Text:
                value = text(c.text);
                break;
        }
    }
    return out;
}

json messagesJson(const std::vector<ShownBox>& shown) {
    json out = json::array();
    for (const ShownBox& box : shown) {
        json o = {{"title", text(box.title)}, {"text", text(box.text)}};
        if (box.answer) o["answer"] = text(*box.answer);
        out.push_back(std::move(o));
    }
    return out;
}

json stateJson(const PlayState& s, const Form& f) {
    json thresholds = json::array();
    for (std::int16_t t : s.StartThreshold) thresholds.push_back(t);
    const std::string current = s.MultiBetPlay ? s.CurrentBet.listText() : s.CurrentBet.plainText();
    return {{"TotalSpins", s.TotalSpins},
            {"TableSpins", s.TableSpins},
            {"Wins", s.Wins},
            {"RecordedSpins", s.RecordedSpins},
            {"StepIndex", s.StepIndex},
            {"Stake", static_cast<std::int64_t>(s.Stake)},
            {"UnitWager", static_cast<std::int64_t>(s.wager.UnitWager)},
            {"StartUnitWager", static_cast<std::int64_t>(s.wager.StartUnitWager)},
            {"NetChips", static_cast<std::int64_t>(s.wager.NetChips)},
            {"SpinNumber", s.SpinNumber},
            {"SpinWaitLeft", s.SpinWaitLeft},
            {"SpinInterval", s.SpinInterval},
            {"Balance", jsonNumber(s.Balance)},
            {"BetOpen", s.BetOpen},
            {"QuitPending", s.QuitPending},
            {"SpinPending", s.SpinPending},
            {"SpinWaitActive", s.SpinWaitActive},
            {"BoardFlipped", f.board.BoardFlipped()},
            {"ReplayMode", s.ReplayMode},
            {"MultiBetPlay", s.MultiBetPlay},
            {"CurrentBet", text(current)},
            {"WinningBets", text(s.WinningBets.winnersText())},
            {"SpinText", text(s.spinText())},
            {"CasinoName", text(s.CasinoName)},
            {"StartThreshold", thresholds}};
}

json wageringJson(const WageringForm& w) {
    json out = json::object();
    json disabled = json::array();
    for (int i = 1; i <= 8; ++i) {
        const std::string name = "Text" + std::to_string(i);
        const TextBox& box = w.sequenceBoxes[static_cast<std::size_t>(i - 1)];
        out[name] = text(box.text);
        if (!box.enabled) disabled.push_back(name);
    }
    out["Check1"] = w.autoIncrease.value;
    out["Combo1"] = text(w.increaseChips.text());
    out["Combo2"] = text(w.increaseSteps.text());
    if (!w.autoIncrease.enabled) disabled.push_back("Check1");
    if (!w.increaseChips.enabled) disabled.push_back("Combo1");
    if (!w.increaseSteps.enabled) disabled.push_back("Combo2");
    out["disabled"] = disabled;
    return out;
}

json casinoMenuJson(const Form& f) {
    json out = json::array();
    for (const CasinoSiteEntry& e : f.casinoMenu) {
        out.push_back(
            {{"caption", text(e.caption)}, {"address", text(e.address)}, {"enabled", e.enabled}});
    }
    return out;
}

}  // namespace

std::string renderShow(const Advisor& advisor, const std::vector<ShownBox>& shown,
                       const std::vector<std::string>& opened, bool guide,
                       const std::vector<Alert>& alerts) {
    const Form& f = advisor.form();
    json o = json::object();
    o["caption"] = text(f.caption);
    o["width"] = f.width;
    o["height"] = f.height;
    o["backColor"] = std::to_string(f.backColor);
    o["alwaysOnTop"] = f.alwaysOnTop;
    o["Label1"] = {{"caption", text(f.adviceLabel.caption)}, {"visible", f.adviceLabel.visible}};
    o["Button1"] = {{"caption", text(f.startButton.caption)}, {"enabled", f.startButton.enabled}};
    o["cmdMore"] = {{"caption", text(f.moreButton.caption)}, {"enabled", f.moreButton.enabled}};
    o["Text1"] = text(f.historyBox.text());
    o["Text18"] = text(f.balanceBox.text);
    o["Label12"] = text(f.minimumBalanceLabel.caption);
    o["Label35"] = text(f.totalRiskLabel.caption);
    o["Label41"] = text(f.betCycleLabel.caption);
    o["Picture4"] = {{"visible", f.picture.visible}};
    o["marker"] = {{"visible", f.marker.visible}, {"left", f.marker.left}, {"top", f.marker.top}};
    o["chips"] = chipsJson(f);
    o["cells"] = cellsJson(f);
    o["controls"] = controlsJson(advisor);
    o["disabled"] = texts(disabledControls(advisor.form()));
    o["casinos"] = texts(f.casinoList.items);
    o["casinoMenu"] = casinoMenuJson(f);
    o["focus"] = text(f.focus);
    o["messages"] = messagesJson(shown);
    o["opened"] = texts(opened);
    o["guide"] = guide;
    o["alerts"] = alertsJson(alerts);
    o["state"] = stateJson(advisor.state(), f);
    if (f.wageringDialog.open) o["frmWagering"] = wageringJson(f.wageringDialog);
    const EditMenuView edit = advisor.menus().edit;
    o["undo"] = {{"undo", edit.undoSteps},
                 {"redo", edit.redoSteps},
                 {"undoCaption", text(edit.undo.caption)},
                 {"redoCaption", text(edit.redo.caption)}};
    const SessionView session = advisor.safety().session();
    o["session"] = {{"seconds", session.seconds},
                    {"spins", session.tally.spins},
                    {"staked", session.tally.staked},
                    {"won", jsonNumber(session.tally.won)},
                    {"net", jsonNumber(session.tally.net)}};
    // The reality check while it waits for its answer: what its box says.
    o["realityCheck"] =
        advisor.safety().checkOpen() ? json(text(realityCheckText(session))) : json(nullptr);
    return o.dump();
}

std::string renderStats(const Advisor& advisor) {
    const Statistics stats = advisor.statistics();
    json bets = json::array();
    for (const BetStatistics& b : stats.bets) {
        bets.push_back({{"label", text(label(b.bet))},
                        {"family", text(familyName(bet(b.bet).family))},
                        {"slept", b.slept},
                        {"threshold", b.threshold},
                        {"watched", b.watched},
                        {"open", b.open},
                        {"due", b.due()}});
    }
    json numbers = json::array();
    for (const NumberStatistics& n : stats.numbers) {
        numbers.push_back({{"table", n.table},
                           {"history", n.history},
                           {"last", n.last ? json(*n.last) : json(nullptr)}});
    }
    json balance = json::array();
    for (double b : stats.balance) balance.push_back(jsonNumber(b));
    const auto list = [](const std::array<int, 5>& ns) { return json(ns); };
    return json{{"bets", bets},
                {"numbers", numbers},
                {"balance", balance},
                {"hottest", list(stats.hottest)},
                {"coldest", list(stats.coldest)}}
        .dump();
}

}  // namespace brisvale::cli
