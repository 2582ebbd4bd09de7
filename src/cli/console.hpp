// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command interpreter: each line of a script becomes the user's action on the window,
// carried out by the core's handlers. It decides nothing about play.

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

#include "advisor/advisor.hpp"
#include "cli/console_ports.hpp"

namespace brisvale::cli {

class Console {
  public:
    // The window opens with `start` when the first command other than `answer` comes, so that
    // answers given first meet the questions of start-up (the resume question).
    Console(Advisor& advisor, StartOptions start, ConsoleDialogs& dialogs, ConsoleBrowser& browser,
            VirtualClock& clock, ErrorSink& errors, std::FILE* out)
        : advisor_(advisor),
          start_(std::move(start)),
          dialogs_(dialogs),
          browser_(browser),
          clock_(clock),
          errors_(errors),
          out_(out) {}
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    // Carries out one line. False once the window has been closed (File, Exit): the commands
    // after it are not read. `moreWaiting`: further input can be read at once.
    bool run(std::string_view line, bool moreWaiting = false);
    // The end of the input closes the window, saving the settings, unless Exit already did.
    void close();

  private:
    void dispatch(std::string_view command, std::string_view rest);
    void press(std::string_view rest);
    void set(std::string_view rest);
    void tick(std::string_view rest);
    void menu(std::string_view rest);
    void print(std::string json);  // one line of output
    void tickOnce();
    void fail(std::string message) { errors_.report(message); }
    void open();
    void keepRun(bool moreWaiting);
    void reportBoxesSince(std::size_t shown);
    void files(std::string_view command, std::string_view rest);
    // Safer play (safe_play_commands.cpp): `set-limit`, and the reality check answered by the
    // first queued answer when that is one of its buttons.
    void setLimit(std::string_view rest);
    void answerCheck();

    Advisor& advisor_;
    StartOptions start_;
    bool opened_ = false;
    std::chrono::steady_clock::time_point lastKept_{};
    ConsoleDialogs& dialogs_;
    ConsoleBrowser& browser_;
    VirtualClock& clock_;
    ErrorSink& errors_;
    std::FILE* out_;
};

}  // namespace brisvale::cli
