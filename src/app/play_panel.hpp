#pragma once
// The left column: the play style, the families to watch, the money, the casino, the history
// of spins and the advice label Label1.

#include <QWidget>
#include <functional>
#include <string>

#include "state/form.hpp"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace brisvale::app {

class ControlBinder;

class PlayPanel final : public QWidget {
  public:
    // onPress gets a button's name: "cmdMore" or "Command1".
    PlayPanel(ControlBinder& binder, std::function<void(const std::string&)> onPress,
              QWidget* parent);

    void render(const Form& form);

  private:
    QLabel* Label1_;
    QPlainTextEdit* Text1_;
    QLabel* Picture4_;
    QStackedWidget* historyPlace_;
    QPushButton* cmdMore_;
    QPushButton* Command1_;
    std::string historyShown_;
};

}  // namespace brisvale::app
