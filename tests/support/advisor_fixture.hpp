// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An Advisor on a fresh data folder, driven only through the user's actions, with scripts of
// them ("style:super watch:red-black threshold:even=0 start spin:5 0 2") and a view of what the
// user sees ("label=Bet $2 on Black; chips=0:2; back=bet") for scenario tables.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "advisor/advisor.hpp"
#include "advisor/control_table.hpp"
#include "run/state_json.hpp"
#include "storage/properties.hpp"
#include "support/advisor_test_access.hpp"
#include "support/colours.hpp"
#include "support/files.hpp"
#include "support/ports.hpp"

namespace brisvale::testing {

// The families as a script names them, with the Low, High and Random boxes of each.
inline constexpr std::array<const char*, 4> kFamilies[] = {
    {"even", "Text2", "Text3", "Check1"},     {"dozen", "Text4", "Text5", "Check2"},
    {"row", "Text6", "Text7", "Check3"},      {"line", "Text8", "Text9", "Check4"},
    {"corner", "Text10", "Text11", "Check5"}, {"trio", "Text12", "Text13", "Check6"},
    {"split", "Text14", "Text15", "Check7"},  {"single", "Text16", "Text17", "Check9"}};

// clang-format off
// The families a player watches, by the name a script gives them, with their check boxes.
inline constexpr std::array<std::array<const char*, 2>, 10> kWatched{{{"red-black", "chk7_1"},
    {"odd-even", "chk7_2"}, {"high-low", "chk7_3"}, {"dozen", "chk6"}, {"row", "chk1"},
    {"line", "chk2"}, {"corner", "chk3"}, {"trio", "chk4"}, {"split", "chk5"}, {"single", "Chk8"}}};
// The how-many lists of Multi play by family.
inline constexpr std::array<std::array<const char*, 2>, 7> kCounts{{{"dozen", "cboDozen"},
    {"row", "cboRow"}, {"line", "cboLine"}, {"corner", "cboCorner"}, {"trio", "cboTrio"},
    {"split", "cboSplit"}, {"single", "cboSingle"}}};
// clang-format on
inline constexpr std::array<const char*, 3> kStyles{"classic", "multi", "super"};

// The script a word of the game stands for, or nothing when it is none:
//   watch:FAMILY, unwatch:FAMILY   tick or clear the family's box (FAMILY as in kWatched)
//   threshold:FAMILY=N             a fixed threshold (FAMILY as in kFamilies: the even-money
//                                  families share "even")
//   count:FAMILY=N                 how many bets of the family Multi play takes (kCounts)
//   balance:N                      the account balance
//   start, submit                  Button1 (captioned Start, or Submit while a run is played)
//   spin:N                         a spin: wait, click N, Submit
//   style:classic|multi|super      as style:1, style:2 and style:3
inline std::string gameWords(const std::string& head, const std::string& arg) {
    const auto eq = arg.find('=');
    const std::string family = arg.substr(0, eq);
    const std::string value = eq == std::string::npos ? "" : arg.substr(eq + 1);
    const auto named = [&](const auto& table) -> const char* {
        for (const auto& row : table)
            if (family == row[0]) return row[1];
        ADD_FAILURE() << "no family named " << family << " for " << head;
        return "";
    };
    if (head == "watch" || head == "unwatch")
        return std::string(named(kWatched)) + (head == "watch" ? "=1" : "=0");
    if (head == "threshold") {
        for (const auto& f : kFamilies)
            if (family == f[0]) return family + ":" + value;
        ADD_FAILURE() << "no threshold named " << family;
        return "";
    }
    if (head == "count") return std::string(named(kCounts)) + "=" + value;
    if (head == "balance") return "Text18=" + arg;
    if ((head == "start" || head == "submit") && arg.empty()) return "Button1";
    if (head == "spin") return arg;
    if (head == "style") {
        for (std::size_t i = 0; i < kStyles.size(); ++i)
            if (arg == kStyles[i]) return "style:" + std::to_string(i + 1);
    }
    return "";
}

class AdvisorFixture : public ::testing::Test {
  protected:
    TempDir dir;
    FakeDialogs dialogs;
    FakeBrowser browser;
    FakeClock clock;
    SeededRandom random{7};
    std::unique_ptr<Advisor> advisor;

    void SetUp() override { restart(); }

    // A new Advisor on the same data folder (or on another), as after closing and opening the
    // window.
    void restart(std::filesystem::path folder = {}) {
        if (folder.empty()) folder = advisor ? advisor->files().folder : dir.path;
        advisor.reset();  // the folder has one Advisor at a time
        advisor = std::make_unique<Advisor>(Ports{dialogs, browser, clock, random, nullptr});
        advisor->userOpenWindow({folder, false, ""});
    }
    Advisor& a() { return *advisor; }
    const Form& form() const { return advisor->form(); }
    const PlayState& state() const { return advisor->state(); }
    // The run as the run file keeps it: the state, and the window under "window".
    Json runJson() const { return toJson(state(), form()); }
    std::filesystem::path historyFile() const { return advisor->files().history; }

    void tick() {
        clock.now += advisor->timer().interval;
        advisor->userTick();
    }
    // Carries out a script of user actions separated by blanks:
    //   17  a spin (wait, click 17, Submit)     @17  a click on cell 17      chip:3  on chip 3
    //   NAME=VALUE  set a control               Button1, Command2, frmWagering.Command2, ...
    //   tick, tick:N, wait (for Button1), flip, menu:NAME, restart, close,
    //   replay (Command2, then ticks until the replay ends), answer:TEXT (the next box's
    //   answer), style:1, style:2 or style:3, FAMILY:N (a fixed threshold, FAMILY as in kFamilies),
    //   seq:K=TEXT (sequence K through the wagering dialog), wagerfile:KEY=TEXT (written into
    //   the wagering file by hand, then a restart), and the words of the game (gameWords). A ~
    //   in a value stands for a blank.
    void act(std::string_view script) {
        std::istringstream in{std::string(script)};
        for (std::string t; in >> t && !HasFatalFailure();) {
            std::replace(t.begin(), t.end(), '~', ' ');
            const auto colon = t.find(':');
            const std::string head = t.substr(0, colon);
            const std::string arg = colon == std::string::npos ? "" : t.substr(colon + 1);
            const auto eq = arg.find('=');
            const auto family = std::ranges::find(kFamilies, head, [](auto& f) { return f[0]; });
            if (const std::string words = gameWords(head, arg); !words.empty()) {
                act(words);
            } else if (std::isdigit(static_cast<unsigned char>(t[0]))) {
                act("wait @" + t + " Button1");
            } else if (head == "tick") {
                for (int i = arg.empty() ? 1 : std::stoi(arg); i > 0; --i) tick();
            } else if (t == "wait") {  // until Button1 can be pressed again
                for (int i = 0; i < 50 && !form().startButton.enabled; ++i) tick();
                ASSERT_TRUE(form().startButton.enabled) << "Button1 never came back";
            } else if (t == "restart") {
                restart();
            } else if (t == "replay") {
                act("Command2");
                for (int i = 0; i < 10000 && advisor->timer().replayRunning; ++i) tick();
            } else if (head == "wagerfile") {
                SetProperty(1, arg.substr(0, eq), arg.substr(eq + 1), advisor->files().wagering);
                restart();
            } else if (t == "close") {
                advisor->userCloseWindow();
            } else if (head == "answer") {
                dialogs.answers.push_back(arg);
            } else if (head == "style") {  // with $1000, nothing watched, a 1-second interval;
                // Classic clears the Single box itself and locks it with the how-many lists
                act("BetStyle" + arg + "=1 Check8=0 chk1=0 chk2=0 chk3=0 chk4=0 chk5=0 chk6=0 " +
                    "chk7=0 " +
                    (arg == "1" ? std::string()
                                : "Chk8=0 cboDozen=0 cboRow=0 cboLine=0 cboCorner=0 cboTrio=0 "
                                  "cboSplit=0 cboSingle=0 ") +
                    "cboSpins=1 Text18=1000");
            } else if (family != std::end(kFamilies)) {  // Low and High both at the value;
                // the High box can be typed into only while the Random box is ticked
                const auto& [name, low, high, rand] = *family;
                act(std::string(rand) + "=1 " + high + "=" + arg + " " + low + "=" + arg + " " +
                    rand + "=0");
            } else if (head == "seq") {
                act("menu:mnuProg frmWagering.Text" + arg.substr(0, eq) + "=" + arg.substr(eq + 1) +
                    " frmWagering.Command2");
            } else {  // a click, a menu, a flip, a control set or a button pressed
                const auto set = t.find('=');
                const ActionResult r = t[0] == '@' ? advisor->userClickCell(std::stoi(t.substr(1)))
                                       : head == "chip" ? advisor->userClickChip(std::stoi(arg))
                                       : head == "menu" ? advisor->userMenu(arg, 0)
                                       : t == "flip"    ? advisor->userFlip()
                                       : set == t.npos
                                           ? advisor->userPress(t)
                                           : advisor->userSet(t.substr(0, set), t.substr(set + 1));
                ASSERT_TRUE(r.ok) << t << ": " << r.error;
            }
        }
    }

    // What the user sees under one name: a control of the panel by its name, a name below, a
    // settings:KEY or wagering:KEY of the files, frmWagering.TextN, or a list joined: chips
    // (index:stake of each shown), tips, images, spots (left,top), history and historyfile
    // (lines, each ended by /), boxes (texts joined by |), casinos, disabled. The back colour
    // is named when it is one of kBackColours (back=normal, bet or quit).
    std::string view(std::string_view key) const {
        const Form& f = form();
        const PlayState& s = state();
        const auto n = [](auto v) { return std::to_string(v); };
        std::ostringstream balance;
        balance << s.Balance;
        // clang-format off
        const std::pair<const char*, std::string> plain[] = {
            {"label", f.adviceLabel.caption}, {"Label12", f.minimumBalanceLabel.caption},
            {"Label35", f.totalRiskLabel.caption}, {"Label41", f.betCycleLabel.caption},
            {"bet", s.CurrentBet.listText()}, {"balance", balance.str()}, {"wins", n(s.Wins)},
            {"net", n(s.wager.NetChips)}, {"total", n(s.TotalSpins)}, {"table", n(s.TableSpins)},
            {"step", n(s.StepIndex)}, {"recorded", n(s.RecordedSpins)},
            {"button", f.startButton.caption}, {"enabled", n(f.startButton.enabled)},
            {"back", backColourName(f.backColor)}, {"marker", n(f.marker.visible)},
            {"pending", n(s.SpinPending)}, {"spin", std::string(s.spinText())},
            {"open", n(s.BetOpen)}, {"caption", f.caption}, {"focus", f.focus},
            {"interval", n(advisor->timer().interval)}, {"visible", n(f.adviceLabel.visible)},
            {"picture", n(f.picture.visible)}, {"height", n(f.height)},
            {"dialog", n(f.wageringDialog.open)}, {"frmWagering.Check1", n(f.wageringDialog.autoIncrease.value)},
            {"frmWagering.Combo1", std::string(f.wageringDialog.increaseChips.text())},
            {"frmWagering.Combo2", std::string(f.wageringDialog.increaseSteps.text())}};
        // clang-format on
        for (const auto& [name, value] : plain)
            if (key == name) return value;
        if (key.substr(0, 9) == "settings:" || key.substr(0, 9) == "wagering:")
            return GetProperty(
                1, key.substr(9),
                key[0] == 's' ? advisor->files().settings : advisor->files().wagering);
        if (key.substr(0, 16) == "frmWagering.Text")
            return f.wageringDialog.sequenceBoxes[std::stoul(std::string(key.substr(16))) - 1].text;
        std::vector<std::string> items;
        const std::string between = key == "tips" || key == "boxes"         ? "|"
                                    : key == "casinos" || key == "disabled" ? ","
                                                                            : " ";
        if (key == "chips" || key == "tips" || key == "images" || key == "spots") {
            for (int i = 0; i < board::kChipCount; ++i) {
                const Chip& c = f.chips[i];
                const std::string item = key == "chips"    ? n(i) + ":" + c.caption
                                         : key == "tips"   ? c.tooltip
                                         : key == "images" ? n(c.image)
                                                           : n(c.left) + "," + n(c.top);
                if (c.visible && !item.empty()) items.push_back(item);
            }
        } else if (key == "history" || key == "historyfile") {
            std::string text = key == "history" ? f.historyBox.text() : readBytes(historyFile());
            for (std::size_t at; (at = text.find("\r\n")) != text.npos;) text.replace(at, 2, "/");
            return text;
        } else if (key == "boxes" || key == "casinos" || key == "disabled") {
            items = key == "boxes"      ? dialogs.texts()
                    : key == "disabled" ? disabledControls(advisor->form())
                                        : std::vector<std::string>(f.casinoList.items);
        } else {
            using enum ControlView::Kind;
            for (const ControlView& c : panelControls(advisor->form())) {
                if (c.name == key)
                    return c.kind == Check ? n(c.check) : c.kind == Option ? n(c.option) : c.text;
            }
            ADD_FAILURE() << "nothing to view named " << key;
        }
        std::string out;
        for (std::size_t i = 0; i < items.size(); ++i) out += (i ? between : "") + items[i];
        return out;
    }

    // Checks "key=value; key=value" against the view.
    void expect(std::string_view want, std::string_view where = "") const {
        std::istringstream in{std::string(want)};
        for (std::string item; std::getline(in, item, ';');) {
            const auto start = item.find_first_not_of(' ');
            if (start == std::string::npos) continue;
            const auto eq = item.find('=');
            const std::string key = item.substr(start, eq - start);
            EXPECT_EQ(view(key), item.substr(eq + 1)) << where << ": " << key;
        }
    }

    // A scenario of a table, "NAME :: ACT => WANT || ACT => WANT": steps of a script and then
    // what the user sees after it (as for expect), played on a window of its own on a fresh
    // data folder.
    using Scenario = std::string;
    void play(const Scenario& scenario) {
        const std::size_t named = scenario.find(" :: ");
        SCOPED_TRACE(scenario.substr(0, named));
        advisor.reset();
        dialogs = FakeDialogs{};
        restart(dir.path / std::to_string(++scenarios_));
        for (std::size_t at = named + 4, end = 0; end != std::string::npos; at = end + 4) {
            end = scenario.find(" || ", at);
            const std::string step = scenario.substr(at, end - at);
            const std::size_t arrow = std::min(step.find(" => "), step.size());
            act(step.substr(0, arrow));
            if (HasFatalFailure()) return;
            expect(step.substr(std::min(arrow + 4, step.size())), step.substr(0, arrow));
        }
    }

  private:
    int scenarios_ = 0;
};

}  // namespace brisvale::testing
