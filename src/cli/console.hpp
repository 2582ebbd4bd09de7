#pragma once
// The command interpreter: each line of a script becomes the user's action on the window,
// carried out by the core's handlers. It decides nothing about play.

#include <QByteArray>
#include <cstdio>
#include <string>
#include <string_view>

#include "cli/console_ports.hpp"

namespace brisvale {
class Advisor;
}

namespace brisvale::cli {

class Console {
  public:
    Console(Advisor& advisor, ConsoleDialogs& dialogs, ConsoleBrowser& browser, VirtualClock& clock,
            ErrorSink& errors, std::FILE* out)
        : advisor_(advisor),
          dialogs_(dialogs),
          browser_(browser),
          clock_(clock),
          errors_(errors),
          out_(out) {}
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    // Carries out one line. False once the window has been closed (File, Exit): the commands
    // after it are not read.
    bool run(std::string_view line);
    // The end of the input closes the window, saving the settings, unless Exit already did.
    void close();

  private:
    void dispatch(std::string_view command, std::string_view rest);
    void press(std::string_view rest);
    void set(std::string_view rest);
    void tick(std::string_view rest);
    void menu(std::string_view rest);
    void print(QByteArray json);  // one line of output
    void tickOnce();
    void fail(std::string message) { errors_.report(message); }

    Advisor& advisor_;
    ConsoleDialogs& dialogs_;
    ConsoleBrowser& browser_;
    VirtualClock& clock_;
    ErrorSink& errors_;
    std::FILE* out_;
};

}  // namespace brisvale::cli
