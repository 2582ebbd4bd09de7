// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ports the core calls, made with Qt: modal boxes, the About box, the browser and the clock.

#include <QPointer>
#include <QWidget>

class QMessageBox;

#include "run/ports.hpp"

namespace brisvale::app {

class QtDialogs final : public Dialogs {
  public:
    // Boxes are centred on the parent once the window exists.
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(std::string_view text, std::string_view title) override;
    bool askYesNo(std::string_view text, std::string_view title) override;
    std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                        std::string_view defaultText) override;
    void about(std::string_view buildDate, const std::function<void()>& openTerms) override;
    // One guide window at a time; asking again brings it to the front.
    void showGuide() override;
    std::optional<std::filesystem::path> askOpenFile(std::string_view title) override;
    std::optional<std::filesystem::path> askSaveFile(std::string_view title,
                                                     std::string_view suggested) override;

  private:
    QPointer<QWidget> parent_;
    QPointer<QWidget> guide_;
};

class QtBrowser final : public Browser {
  public:
    bool open(std::string_view address) override;
};

class SystemClock final : public Clock {
  public:
    std::int64_t nowMs() override;
};

// The core's texts are Windows-1252, as its files hold them; Qt's are Unicode. Characters that
// Windows-1252 cannot hold become '?'.
QString toQt(std::string_view text);
std::string fromQt(const QString& text);

// A message shown before the main window exists, above every window, Always-on-Top ones
// included, so that it is seen and answered.
void messageAboveAll(std::string_view text, std::string_view title);

// Window managers cut a title wider than its box ("Br… le"): the least width that shows it.
int titleRoom(const QString& title);
// Gives a message box that least width.
void widenForTitle(QMessageBox& box);

}  // namespace brisvale::app
