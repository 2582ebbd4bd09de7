// SPDX-License-Identifier: GPL-3.0-or-later
// User actions by control name: refused when the user could not reach the control, otherwise
// carried out with the handlers the user's click, release or leaving of the box runs.

#include <algorithm>

#include "play/advisor.hpp"
#include "util/numbers.hpp"

namespace brisvale {
namespace {

// Two digits typed within this time make one two-digit number.
constexpr std::int64_t kDigitJoinMs = 1000;

std::optional<int> suffixNumber(std::string_view name, std::string_view prefix, int lo, int hi) {
    if (name.substr(0, prefix.size()) != prefix) return std::nullopt;
    const auto value = parseFigures(name.substr(prefix.size()), hi);
    if (!value || *value < lo) return std::nullopt;
    return static_cast<int>(*value);
}

ActionResult unknown(std::string_view name) {
    return ActionResult::refused("no control named " + std::string(name));
}
ActionResult disabled(std::string_view name) {
    return ActionResult::refused(std::string(name) + " is disabled");
}

// Selects the entry whose text is the value, as a click on it in the open list would.
ActionResult selectEntry(ListBox& list, std::string_view name, std::string_view value) {
    if (!list.enabled) return disabled(name);
    const auto it = std::find(list.items.begin(), list.items.end(), value);
    if (it == list.items.end()) {
        return ActionResult::refused(std::string(name) + " has no entry \"" + std::string(value) +
                                     "\"");
    }
    list.index = static_cast<int>(it - list.items.begin());
    return {};
}

}  // namespace

ActionResult Advisor::choosePlayStyle(PlayStyle style) {
    return userSet("BetStyle" + std::to_string(static_cast<int>(style) + 1), "1");
}

ActionResult Advisor::enterBalance(double dollars) {
    return userSet("Text18", formatNumber(dollars));
}

ActionResult Advisor::startRun() {
    return userPress("Button1");
}

ActionResult Advisor::enterSpin(int number) {
    if (const ActionResult clicked = userClickCell(number); !clicked.ok) return clicked;
    return userPress("Button1");
}

double Advisor::balanceEntered() const {
    return parseNumber(s_.form.Text[18].text).value_or(0);
}

std::vector<ControlView> Advisor::panelControls() const {
    const Form& f = s_.form;
    std::vector<ControlView> out;
    using K = ControlView::Kind;
    const auto check = [&](std::string name, const CheckBox& box) {
        out.push_back({std::move(name), K::Check, box.value, false, {}, box.enabled});
    };
    const auto option = [&](std::string name, const OptionButton& box) {
        out.push_back({std::move(name), K::Option, 0, box.value, {}, box.enabled});
    };
    const auto list = [&](std::string name, const ListBox& box) {
        out.push_back({std::move(name), K::List, 0, false, std::string(box.text()), box.enabled});
    };
    const auto text = [&](std::string name, const TextBox& box) {
        out.push_back({std::move(name), K::Text, 0, false, box.text, box.enabled});
    };
    for (int i = 1; i <= 3; ++i) option("BetStyle" + std::to_string(i), f.BetStyle[i]);
    option("Option2", f.Option2);
    option("Option3", f.Option3);
    for (int i = 1; i <= 7; ++i) check("chk" + std::to_string(i), f.chk[i]);
    for (int i = 1; i <= 3; ++i) check("chk7_" + std::to_string(i), f.chk7_[i]);
    check("Chk8", f.Chk8);
    for (int i = 1; i <= 9; ++i) check("Check" + std::to_string(i), f.Check[i]);
    for (int i = 2; i <= 18; ++i) text("Text" + std::to_string(i), f.Text[i]);
    for (int k = 0; k < kHowManyCount; ++k) list(std::string(howManyName(k)), f.howMany[k]);
    list("cboWager", f.cboWager);
    list("cboSpins", f.cboSpins);
    list("cboWins", f.cboWins);
    list("cboTime", f.cboTime);
    list("Casino", f.Casino);
    return out;
}

std::vector<std::string> Advisor::disabledControls() const {
    std::vector<std::string> out;
    for (const ControlView& c : panelControls()) {
        if (!c.enabled) out.push_back(c.name);
    }
    const Form& f = s_.form;
    if (!f.Button1.enabled) out.push_back("Button1");
    if (!f.cmdMore.enabled) out.push_back("cmdMore");
    if (!f.Command1.enabled) out.push_back("Command1");
    if (!f.Command2.enabled) out.push_back("Command2");
    for (int check : {1, 2, 3, 4, 5, 6, 7, 9}) {
        if (!f.highLabelEnabled[check]) out.push_back(std::string(highLabelName(check)));
    }
    std::sort(out.begin(), out.end());
    return out;
}

ActionResult Advisor::doSet(std::string_view name, std::string_view value) {
    Form& f = s_.form;
    if (name.substr(0, 12) == "frmWagering.") return wageringSet(name, value);
    if (f.frmWagering.open) return ActionResult::refused("the Custom Wagering dialog is open");

    // Check boxes: 0 or 1, and nothing to do when the box already shows it.
    CheckBox* box = nullptr;
    void (Advisor::*handler)(int) = nullptr;
    int arg = 0;
    if (auto i = suffixNumber(name, "chk7_", 1, 3)) {
        box = &f.chk7_[*i];
        handler = &Advisor::chk7_sub_MouseUp;
        arg = *i;
    } else if (auto c = suffixNumber(name, "chk", 1, 7)) {
        box = &f.chk[*c];
    } else if (name == "Chk8") {
        box = &f.Chk8;
    } else if (auto r = suffixNumber(name, "Check", 1, 9)) {
        box = &f.Check[*r];
        arg = *r;
    }
    if (box) {
        if (!box->enabled) return disabled(name);
        if (value != "0" && value != "1") return ActionResult::refused("a check box takes 0 or 1");
        const int v = value == "1" ? 1 : 0;
        if (box->value == v) return {};
        box->value = v;
        if (name == "chk7") chk7_Click();
        if (handler) (this->*handler)(arg);
        if (arg == 8 && name == "Check8") {
            Check8_Click();
        } else if (name.substr(0, 5) == "Check") {
            RandomBox_Click(arg);
            RandomBox_MouseUp(arg);
        }
        return {};
    }

    // Option buttons: selecting one.
    OptionButton* option = nullptr;
    if (auto i = suffixNumber(name, "BetStyle", 1, 3)) {
        option = &f.BetStyle[*i];
    } else if (name == "Option2") {
        option = &f.Option2;
    } else if (name == "Option3") {
        option = &f.Option3;
    }
    if (option) {
        if (!option->enabled) return disabled(name);
        if (value != "1") return ActionResult::refused("an option button takes 1");
        if (name.substr(0, 8) == "BetStyle") {
            for (int i = 1; i <= 3; ++i) f.BetStyle[i].value = &f.BetStyle[i] == option;
        } else {
            f.Option2.value = option == &f.Option2;
            f.Option3.value = option == &f.Option3;
        }
        if (name == "BetStyle1") BetStyle1_Click();
        if (name == "BetStyle2") BetStyle2_Click();
        if (name == "BetStyle3") BetStyle3_Click();
        if (name == "Option2") Option2_Click();
        if (name == "Option3") Option3_Click();
        return {};
    }

    // Text boxes: typed into, then left.
    if (auto t = suffixNumber(name, "Text", 2, 18)) {
        if (!f.Text[*t].enabled) return disabled(name);
        f.Text[*t].text = std::string(value);
        Text_LostFocus(*t);
        return {};
    }

    // Lists: the entry whose text is the value.
    ListBox* list = nullptr;
    for (int k = 0; k < kHowManyCount; ++k) {
        if (name == howManyName(k)) list = &f.howMany[k];
    }
    if (name == "cboWager") list = &f.cboWager;
    if (name == "cboSpins") list = &f.cboSpins;
    if (name == "cboWins") list = &f.cboWins;
    if (name == "cboTime") list = &f.cboTime;
    if (name == "Casino") list = &f.Casino;
    if (!list) return unknown(name);
    if (ActionResult r = selectEntry(*list, name, value); !r.ok) return r;
    if (list == &f.cboWager) cboWager_Click();
    if (list == &f.cboSpins) cboSpins_Click();
    if (list == &f.Casino) Casino_Click();
    for (int k = 0; k < kHowManyCount; ++k) {
        if (list == &f.howMany[k]) HowMany_Click(k);
    }
    return {};
}

ActionResult Advisor::wageringSet(std::string_view name, std::string_view value) {
    WageringForm& w = s_.form.frmWagering;
    if (!w.open) return ActionResult::refused("the Custom Wagering dialog is not open");
    const std::string_view control = name.substr(12);
    if (auto t = suffixNumber(control, "Text", 1, 8)) {
        w.Text[*t].text = std::string(value);
        return {};
    }
    if (control == "Check1") {
        if (value != "0" && value != "1") return ActionResult::refused("a check box takes 0 or 1");
        const int v = value == "1" ? 1 : 0;
        if (w.Check1.value == v) return {};
        w.Check1.value = v;
        frmWagering_Check1_Click();
        return {};
    }
    ListBox* list = control == "Combo1" ? &w.Combo1 : control == "Combo2" ? &w.Combo2 : nullptr;
    if (!list) return unknown(name);
    return selectEntry(*list, name, value);
}

ActionResult Advisor::doPress(std::string_view name) {
    Form& f = s_.form;
    if (name.substr(0, 12) == "frmWagering.") {
        if (!f.frmWagering.open)
            return ActionResult::refused("the Custom Wagering dialog is not open");
        const std::string_view button = name.substr(12);
        if (button == "Command1")
            frmWagering_Command1_Click();
        else if (button == "Command2")
            frmWagering_Command2_Click();
        else if (button == "Command3")
            frmWagering_Command3_Click();
        else
            return unknown(name);
        return {};
    }
    if (f.frmWagering.open) return ActionResult::refused("the Custom Wagering dialog is open");
    const struct {
        std::string_view name;
        Button* button;
        void (Advisor::*click)();
    } buttons[] = {{"Button1", &f.Button1, &Advisor::Button1_Click},
                   {"cmdMore", &f.cmdMore, &Advisor::cmdMore_Click},
                   {"Command1", &f.Command1, &Advisor::Command1_Click},
                   {"Command2", &f.Command2, &Advisor::Command2_Click}};
    for (const auto& b : buttons) {
        if (b.name != name) continue;
        if (!b.button->enabled) return disabled(name);
        (this->*b.click)();
        return {};
    }
    return unknown(name);
}

ActionResult Advisor::doClickCell(int cell) {
    if (s_.form.frmWagering.open)
        return ActionResult::refused("the Custom Wagering dialog is open");
    if (cell < 0 || cell >= board::kCellCount)
        return ActionResult::refused("no board cell " + std::to_string(cell));
    Picture3_Click(cell);
    return {};
}

ActionResult Advisor::doClickChip(int chip) {
    if (s_.form.frmWagering.open)
        return ActionResult::refused("the Custom Wagering dialog is open");
    if (chip < 0 || chip >= board::kChipCount)
        return ActionResult::refused("no chip " + std::to_string(chip));
    if (!s_.form.chips[chip].visible)
        return ActionResult::refused("chip " + std::to_string(chip) + " is hidden");
    lblWager_Click(chip);
    return {};
}

ActionResult Advisor::doFlip() {
    if (s_.form.frmWagering.open)
        return ActionResult::refused("the Custom Wagering dialog is open");
    Picture2_Click();
    return {};
}

ActionResult Advisor::doMenu(std::string_view name, int k) {
    if (s_.form.frmWagering.open)
        return ActionResult::refused("the Custom Wagering dialog is open");
    if (name == "mnuRestart")
        mnuRestart_Click();
    else if (name == "mnuLoadSettings")
        mnuLoadSettings_Click();
    else if (name == "mnuExit")
        mnuExit_Click();
    else if (name == "mnuTop")
        mnuTop_Click();
    else if (name == "mnuProg")
        mnuProg_Click();
    else if (name == "mnuAbout")
        mnuAbout_Click();
    else if (name == "mnuInstructions")
        mnuInstructions_Click();
    else if (name == "mnuCasino") {
        if (k < 0 || k >= static_cast<int>(s_.form.casinoMenu.size())) {
            return ActionResult::refused("no Casinos menu entry " + std::to_string(k));
        }
        if (!s_.form.casinoMenu[k].enabled) return disabled("mnuCasino " + std::to_string(k));
        mnuCasino_Click(k);
    } else {
        return ActionResult::refused("no menu item named " + std::string(name));
    }
    return {};
}

ActionResult Advisor::doKey(std::string_view key) {
    const bool enter = key == "Enter";
    if (!enter && (key.size() != 1 || key[0] < '0' || key[0] > '9')) {
        return ActionResult::refused("no key named " + std::string(key));
    }
    if (s_.form.frmWagering.open)
        return ActionResult::refused("the Custom Wagering dialog is open");
    // After the advice to stop, a new run begins only by a deliberate press of Start: a key
    // meant as the next spin would start one unseen.
    if (s_.phase == RunPhase::Quit || s_.phase == RunPhase::SwitchTable) {
        return ActionResult::refused("Press Start to begin a new run.");
    }
    if (enter) {
        // The number typed stays selected for the end of the spin wait.
        if (!s_.acceptsPress && s_.SpinWaitActive && !replay_) {
            const int left = std::max(1, s_.SpinWaitLeft + 1);
            return ActionResult::refused("Wait " + std::to_string(left) + " s for the next spin");
        }
        typed_.reset();
        return doPress("Button1");
    }
    const int digit = key[0] - '0';
    const std::int64_t now = ports_.clock.nowMs();
    if (typed_ && now - typed_->atMs < kDigitJoinMs) {
        const int number = typed_->digit * 10 + digit;
        typed_.reset();
        // A pair that names no number on the wheel ("45") is a slip: the first digit stands.
        return number <= 36 ? doClickCell(number) : ActionResult{};
    }
    typed_ = TypedDigit{digit, now};
    return doClickCell(digit);
}

}  // namespace brisvale
