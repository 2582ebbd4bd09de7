#pragma once
// An Advisor on a fresh data folder, driven only through the user's actions, with scripts of
// them ("style:3 chk7_1=1 even:0 Button1 5 0 2") and a view of what the user sees
// ("label=Bet $2 on Black; chips=0:2") for scenario tables.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "play/advisor.hpp"
#include "storage/properties.hpp"
#include "support/advisor_test_access.hpp"
#include "support/files.hpp"
#include "support/ports.hpp"

namespace brisvale::testing {

// The threshold families as a script names them, in the order of their Low/High boxes.
inline constexpr const char* kFamilyNames[] = {"even",   "dozen", "row",   "line",
                                               "corner", "trio",  "split", "single"};

class AdvisorFixture : public ::testing::Test {
  protected:
    explicit AdvisorFixture(std::uint64_t seed = 7) : random(seed) {}

    TempDir dir;
    FakeDialogs dialogs;
    FakeBrowser browser;
    FakeClock clock;
    SeededRandom random;
    std::unique_ptr<Advisor> advisor;

    void SetUp() override { restart(); }

    // A new Advisor on the same data folder (or on another), as after closing and opening the
    // window.
    void restart(std::filesystem::path folder = {}) {
        if (folder.empty()) folder = advisor ? advisor->dataDir() : dir.path;
        advisor.reset();  // the folder has one Advisor at a time
        advisor = std::make_unique<Advisor>(Ports{dialogs, browser, clock, random, nullptr});
        advisor->userOpenWindow({folder, false, ""});
    }
    Advisor& a() { return *advisor; }
    const Form& form() const { return advisor->form(); }
    const PlayState& state() const { return advisor->state(); }
    std::filesystem::path historyFile() const { return advisor->historyFile(); }

    void set(std::string_view name, std::string_view value) {
        const ActionResult r = advisor->userSet(name, value);
        ASSERT_TRUE(r.ok) << name << " = " << value << ": " << r.error;
    }
    void pressButton(std::string_view name = "Button1") {
        const ActionResult r = advisor->userPress(name);
        ASSERT_TRUE(r.ok) << name << ": " << r.error;
    }
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            clock.now += advisor->timerInterval();
            advisor->userTick();
        }
    }
    // Ticks until Button1 can be pressed again.
    void waitButton() {
        for (int i = 0; i < 50 && !form().Button1.enabled; ++i) tick();
        ASSERT_TRUE(form().Button1.enabled) << "Button1 never came back";
    }
    // One spin as the user enters it: wait for the button, click the number, press Submit.
    void spin(int number) {
        waitButton();
        ASSERT_TRUE(advisor->userClickCell(number).ok);
        pressButton();
    }
    // Carries out a script of user actions separated by blanks:
    //   17  a spin (wait, click 17, Submit)     @17  a click on cell 17      chip:3  on chip 3
    //   NAME=VALUE  set a control               Button1, Command2, frmWagering.Command2, ...
    //   tick, tick:N, wait (for Button1), flip, key:7, key:Enter, menu:NAME, restart, close,
    //   replay (Command2, then ticks until the replay ends), answer:TEXT (the next box's
    //   answer), style:2 or style:3, FAMILY:N (a fixed threshold, FAMILY as in kFamilyNames),
    //   seq:K=TEXT (sequence K through the wagering dialog), wagerfile:KEY=TEXT (written into
    //   the wagering file by hand, then a restart). A ~ in a value stands for a blank.
    void act(std::string_view script) {
        std::istringstream in{std::string(script)};
        for (std::string t; in >> t && !HasFatalFailure();) {
            std::replace(t.begin(), t.end(), '~', ' ');
            const auto colon = t.find(':');
            const std::string head = t.substr(0, colon);
            const std::string arg = colon == std::string::npos ? "" : t.substr(colon + 1);
            const auto family = std::find(std::begin(kFamilyNames), std::end(kFamilyNames), head);
            if (std::isdigit(static_cast<unsigned char>(t[0]))) {
                spin(std::stoi(t));
            } else if (t[0] == '@') {
                ASSERT_TRUE(advisor->userClickCell(std::stoi(t.substr(1))).ok) << t;
            } else if (head == "chip") {
                ASSERT_TRUE(advisor->userClickChip(std::stoi(arg)).ok) << t;
            } else if (head == "tick") {
                tick(arg.empty() ? 1 : std::stoi(arg));
            } else if (t == "wait") {
                waitButton();
            } else if (t == "flip") {
                advisor->userFlip();
            } else if (head == "key") {
                advisor->userKey(arg);
            } else if (head == "menu") {
                ASSERT_TRUE(advisor->userMenu(arg, 0).ok) << t;
            } else if (t == "restart") {
                restart();
            } else if (t == "replay") {
                pressButton("Command2");
                for (int i = 0; i < 10000 && advisor->replayRunning(); ++i) tick();
            } else if (head == "wagerfile") {
                const auto eq = arg.find('=');
                SetProperty(1, arg.substr(0, eq), arg.substr(eq + 1), advisor->wageringFile());
                restart();
            } else if (t == "close") {
                advisor->userCloseWindow();
            } else if (head == "answer") {
                dialogs.answers.push_back(arg);
            } else if (head == "style") {  // with $1000, nothing watched, a 1-second interval
                act("BetStyle" + arg + "=1 Check8=0 chk1=0 chk2=0 chk3=0 chk4=0 chk5=0 chk6=0 " +
                    "chk7=0 Chk8=0 cboDozen=0 cboRow=0 cboLine=0 cboCorner=0 cboTrio=0 " +
                    "cboSplit=0 cboSingle=0 cboSpins=1 Text18=1000");
            } else if (family != std::end(kFamilyNames)) {
                // Low = High: the High box takes text only while the Random box is ticked.
                const int k = static_cast<int>(family - std::begin(kFamilyNames));
                const std::string randomBox = " Check" + std::to_string(k < 7 ? k + 1 : 9);
                act(randomBox + "=1 Text" + std::to_string(2 * k + 3) + "=" + arg + " Text" +
                    std::to_string(2 * k + 2) + "=" + arg + randomBox + "=0");
            } else if (head == "seq") {
                const auto eq = arg.find('=');
                act("menu:mnuProg frmWagering.Text" + arg.substr(0, eq) + "=" + arg.substr(eq + 1) +
                    " frmWagering.Command2");
            } else if (const auto eq = t.find('='); eq != std::string::npos) {
                set(t.substr(0, eq), t.substr(eq + 1));
            } else {
                pressButton(t);
            }
        }
    }

    // What the user sees under one name: a control of the panel or a label by its name, or
    // label, bet, chips (index:stake of each shown), spots (left,top of each shown), balance,
    // wins, net, total, table, step, recorded, button, enabled, back, marker, pending, spin,
    // open, caption, history (lines joined by /), boxes (texts joined by |), casinos, focus,
    // interval, disabled.
    std::string view(std::string_view key) const {
        const Form& f = form();
        const PlayState& s = state();
        // Items joined; with skip, the empty ones (hidden chips) leave no trace.
        const auto join = [](const auto& items, const auto& show, const char* between,
                             bool skip = false) {
            std::string out;
            bool first = true;
            for (const auto& item : items) {
                const std::string one = show(item);
                if (skip && one.empty()) continue;
                out += (first ? "" : between) + one;
                first = false;
            }
            return out;
        };
        const auto shown = [&](auto show, const char* between = " ") {
            return join(
                f.chips,
                [&](const Chip& c) {
                    return c.visible ? show(c, static_cast<int>(&c - f.chips.data())) : "";
                },
                between, true);
        };
        std::ostringstream number;
        number << s.Balance;
        const auto n = [](auto v) { return std::to_string(v); };
        const std::pair<const char*, std::string> plain[] = {
            {"label", f.Label1.caption},
            {"Label12", f.Label12.caption},
            {"Label35", f.Label35.caption},
            {"Label41", f.Label41.caption},
            {"bet", s.CurrentBet.listText()},
            {"balance", number.str()},
            {"wins", n(s.Wins)},
            {"net", n(s.wager.NetChips)},
            {"total", n(s.TotalSpins)},
            {"table", n(s.TableSpins)},
            {"step", n(s.StepIndex)},
            {"recorded", n(s.RecordedSpins)},
            {"button", f.Button1.caption},
            {"enabled", n(f.Button1.enabled)},
            {"back", n(f.backColor)},
            {"marker", n(f.marker.visible)},
            {"pending", n(s.SpinPending)},
            {"spin", std::string(s.spinText())},
            {"open", n(s.BetOpen)},
            {"caption", f.caption},
            {"focus", f.focus},
            {"interval", n(advisor->timerInterval())},
            {"visible", n(f.Label1.visible)},
            {"picture", n(f.Picture4.visible)},
            {"height", n(f.height)},
            {"dialog", n(f.frmWagering.open)},
            {"frmWagering.Check1", n(f.frmWagering.Check1.value)},
            {"frmWagering.Combo1", std::string(f.frmWagering.Combo1.text())},
            {"frmWagering.Combo2", std::string(f.frmWagering.Combo2.text())}};
        for (const auto& [name, value] : plain) {
            if (key == name) return value;
        }
        if (key == "chips") {
            return shown([](const Chip& c, int i) { return std::to_string(i) + ":" + c.caption; });
        }
        if (key == "tips") return shown([](const Chip& c, int) { return c.tooltip; }, "|");
        if (key == "images") {
            return shown([](const Chip& c, int) { return std::to_string(c.image); });
        }
        if (key == "spots") {
            return shown([](const Chip& c, int) {
                return std::to_string(c.left) + "," + std::to_string(c.top);
            });
        }
        if (key == "history") {
            std::string out;
            for (std::size_t i = 0; i < f.Text1.lineCount(); ++i) out += f.Text1.line(i) + "/";
            return out;
        }
        if (key.substr(0, 16) == "frmWagering.Text") {
            return f.frmWagering.Text[std::stoi(std::string(key.substr(16)))].text;
        }
        if (key.substr(0, 9) == "settings:") {
            return GetProperty(1, key.substr(9), advisor->settingsFile());
        }
        if (key.substr(0, 9) == "wagering:") {
            return GetProperty(1, key.substr(9), advisor->wageringFile());
        }
        if (key == "historyfile") {
            std::string file = readBytes(historyFile());
            for (auto at = file.find("\r\n"); at != std::string::npos; at = file.find("\r\n"))
                file.replace(at, 2, "/");
            return file;
        }
        const auto self = [](const std::string& x) { return x; };
        if (key == "boxes") return join(dialogs.texts(), self, "|");
        if (key == "casinos") return join(f.Casino.items, self, ",");
        if (key == "disabled") return join(advisor->disabledControls(), self, ",");
        for (const ControlView& c : advisor->panelControls()) {
            if (c.name != key) continue;
            if (c.kind == ControlView::Kind::Check) return std::to_string(c.check);
            if (c.kind == ControlView::Kind::Option) return std::to_string(c.option);
            return c.text;
        }
        ADD_FAILURE() << "nothing to view named " << key;
        return {};
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

    // One step of a scenario table: a script, then what the user sees after it.
    struct Step {
        std::string act;
        std::string want;
    };
    struct Scenario {
        const char* name;
        std::vector<Step> steps;
    };
    // Plays a scenario on a window of its own, opened on a fresh data folder.
    void play(const Scenario& scenario) {
        SCOPED_TRACE(scenario.name);
        advisor.reset();
        dialogs = FakeDialogs{};
        restart(dir.path / std::to_string(++scenarios_));
        for (const Step& step : scenario.steps) {
            act(step.act);
            if (HasFatalFailure()) return;
            expect(step.want, step.act);
        }
    }

  private:
    int scenarios_ = 0;
};

}  // namespace brisvale::testing
