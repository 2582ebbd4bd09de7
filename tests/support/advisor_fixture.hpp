#pragma once
// An Advisor on a fresh data folder, driven the way a user drives the window: controls set by
// name, cells and chips clicked, buttons pressed, menus chosen and the timer ticked on a
// scripted clock.

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "play/advisor.hpp"
#include "support/advisor_test_access.hpp"
#include "support/files.hpp"
#include "support/ports.hpp"

namespace brisvale::testing {

// The Low and High boxes of each threshold family and the Random box beside them.
struct FamilyBoxes {
    const char* low;
    const char* high;
    const char* random;
};
inline constexpr FamilyBoxes kEvenBoxes{"Text2", "Text3", "Check1"},
    kDozenBoxes{"Text4", "Text5", "Check2"}, kRowBoxes{"Text6", "Text7", "Check3"},
    kLineBoxes{"Text8", "Text9", "Check4"}, kCornerBoxes{"Text10", "Text11", "Check5"},
    kTrioBoxes{"Text12", "Text13", "Check6"}, kSplitBoxes{"Text14", "Text15", "Check7"},
    kSingleBoxes{"Text16", "Text17", "Check9"};

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

    // A new Advisor on the same data folder, as after closing and opening the window.
    void restart() {
        advisor.reset();  // the folder has one Advisor at a time
        advisor = std::make_unique<Advisor>(Ports{dialogs, browser, clock, random, nullptr});
        advisor->userOpenWindow({dir.path, false, ""});
    }

    Advisor& a() { return *advisor; }
    const Form& form() const { return advisor->form(); }
    const PlayState& state() const { return advisor->state(); }
    PlayState& mutableState() { return AdvisorTestAccess::state(*advisor); }
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
    void click(int cell) { ASSERT_TRUE(advisor->userClickCell(cell).ok); }
    // One spin as the user enters it: wait for the button, click the number, press Submit.
    void spin(int number) {
        waitButton();
        click(number);
        pressButton();
    }
    void spins(std::initializer_list<int> numbers) {
        for (int n : numbers) spin(n);
    }

    // A family watched at a fixed (not random) threshold: Low and High both hold it. The High
    // box can be typed into only while the Random box is ticked.
    void threshold(const FamilyBoxes& boxes, int value) {
        const std::string text = std::to_string(value);
        set(boxes.random, "1");
        set(boxes.high, text);
        set(boxes.low, text);
        set(boxes.random, "0");
    }

    // Classic play on Red/Black with a threshold of 0 and a $1000 account.
    void classicRedBlack() {
        set("chk7_1", "1");
        set("Text2", "0");
        set("Text3", "0");
        set("Check1", "0");
        set("Text18", "1000");
    }

    // A multi-bet style (2 Multi, 3 Super) with a $1000 account, conservative betting off,
    // a 1-second spin interval and nothing watched yet.
    void multiStyle(int style) {
        set("BetStyle" + std::to_string(style), "1");
        set("Check8", "0");
        set("cboSpins", "1");
        set("Text18", "1000");
        for (const char* box : {"chk1", "chk2", "chk3", "chk4", "chk5", "chk6", "chk7_1", "chk7_2",
                                "chk7_3", "Chk8"}) {
            set(box, "0");
        }
        for (const char* list :
             {"cboDozen", "cboRow", "cboLine", "cboCorner", "cboTrio", "cboSplit", "cboSingle"}) {
            set(list, "0");
        }
    }

    // Replaces a family's sequence in memory and in the wagering file, through the dialog.
    void sequence(int box, std::string_view text) {
        ASSERT_TRUE(advisor->userMenu("mnuProg", 0).ok);
        set("frmWagering.Text" + std::to_string(box), text);
        pressButton("frmWagering.Command2");
        ASSERT_FALSE(form().frmWagering.open);
    }

    // The visible chips as (index, caption) pairs, by ascending index.
    std::vector<std::pair<int, std::string>> shownChips() const {
        std::vector<std::pair<int, std::string>> out;
        for (int i = 0; i < static_cast<int>(form().chips.size()); ++i) {
            if (form().chips[i].visible) out.emplace_back(i, form().chips[i].caption);
        }
        return out;
    }
    std::string currentBet() const { return state().CurrentBet.listText(); }
    std::string messages() const {
        std::string out;
        for (const auto& text : dialogs.texts()) out += text + "|";
        return out;
    }
};

}  // namespace brisvale::testing
