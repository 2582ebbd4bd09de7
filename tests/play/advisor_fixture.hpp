#pragma once
// An Advisor started on a fresh data folder with scripted ports.

#include <gtest/gtest.h>

#include "play/advisor.hpp"
#include "play/fake_ports.hpp"

namespace brisvale::testing {

class AdvisorTest : public ::testing::Test {
  protected:
    TempDir dir;
    FakeDialogs dialogs;
    FakeBrowser browser;
    FakeClock clock;
    SeededRandom random{1};
    std::unique_ptr<Advisor> advisor;

    void SetUp() override { start(); }

    void start() {
        advisor.reset();  // the folder has one Advisor at a time
        advisor = std::make_unique<Advisor>(Ports{dialogs, browser, clock, random, nullptr});
        advisor->userOpenWindow({dir.path, false, ""});
    }
    Advisor& a() { return *advisor; }
    const Form& form() { return advisor->form(); }
    const PlayState& state() { return advisor->state(); }

    void set(std::string_view name, std::string_view value) {
        const ActionResult r = advisor->userSet(name, value);
        ASSERT_TRUE(r.ok) << name << " = " << value << ": " << r.error;
    }
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            clock.now += advisor->timerInterval();
            advisor->userTick();
        }
    }
    void press() {
        const ActionResult r = advisor->userPress("Button1");
        ASSERT_TRUE(r.ok) << r.error;
    }
    // Ticks until Button1 can be pressed again.
    void waitButton() {
        for (int i = 0; i < 20 && !form().Button1.enabled; ++i) tick();
        ASSERT_TRUE(form().Button1.enabled);
    }
    void spin(int number) {
        waitButton();
        ASSERT_TRUE(advisor->userClickCell(number).ok);
        press();
    }
    // Classic play on Red/Black with a threshold of 0 and a $1000 account.
    void classicRedBlack() {
        set("chk7_1", "1");
        set("Text2", "0");
        set("Text3", "0");
        set("Check1", "0");
        set("Text18", "1000");
    }
};

}  // namespace brisvale::testing
