// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Binds the window's play-style widgets to the core's controls by name. Rendering copies each
// control's state from the Form with the widget's signals blocked; a user's click, choice or
// leaving of a box becomes one named action (the same names the console uses).

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "advisor/advisor.hpp"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace brisvale::app {

class ControlBinder final : public QObject {
  public:
    // Called with a control's name and the value the user gave it.
    using SetAction = std::function<void(const std::string& name, const std::string& value)>;

    ControlBinder(const Advisor& advisor, SetAction onSet, QObject* parent);

    void bindCheck(QCheckBox* box, const std::string& name);
    void bindOption(QRadioButton* button, const std::string& name);
    void bindList(QComboBox* list, const std::string& name);
    void bindText(QLineEdit* box, const std::string& name);

    void render();
    // Hands a box's typed text to the core when it differs from what the core holds, for
    // actions that do not move the focus (menus, closing the window).
    void commitFocusedText();
    // Moves the keyboard focus to a named control.
    void focus(const std::string& name);
    QWidget* widget(const std::string& name) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Binding {
        std::string name;
        QWidget* widget;
        ControlView::Kind kind;
    };
    const Binding* find(const std::string& name) const;
    void renderList(QComboBox* combo, const ListBox& list);
    void commitText(QLineEdit* box, const std::string& name);

    const Advisor& advisor_;
    SetAction onSet_;
    std::vector<Binding> bindings_;
    bool committing_ = false;
    bool rendering_ = false;
    bool refocusing_ = false;  // focus moved by rendering is no user's leaving of a box
};

}  // namespace brisvale::app
