// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Custom Wagering" dialog, drawn from the Form's frmWagering. It is modal but does not
// block the caller: the core opens and closes it, and the window shows and hides it.

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "view/form.hpp"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace brisvale::app {

class WageringDialog final : public QDialog {
  public:
    struct Actions {
        std::function<void(const std::string& name, const std::string& value)> set;
        std::function<void(const std::string& name)> press;
        std::function<void()> closeBox;
    };

    WageringDialog(Actions actions, QWidget* parent);

    void render(const WageringForm& form);
    // Hands every box's text to the core, so a button press sees what is typed.
    void commitTexts();
    // Puts the focus into box Text1..Text8.
    void focusBox(int box);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;  // Esc: as "Cancel"
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString boxText(int box) const;
    void setBoxText(int box, const QString& text);

    Actions actions_;
    std::array<QWidget*, 9> boxes_{};  // Text1..Text8; Split and Single are taller
    QCheckBox* Check1_;
    QComboBox* Combo1_;
    QComboBox* Combo2_;
    const WageringForm* shown_ = nullptr;
};

}  // namespace brisvale::app
