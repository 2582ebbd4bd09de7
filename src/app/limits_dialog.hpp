// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Play > Limits...: the loss limits, the win goal, the time limit and the reality check's
// interval, each with the looser value that waits and when it applies.

#include <QDialog>
#include <array>

class QComboBox;
class QDoubleSpinBox;
class QLabel;

namespace brisvale {
class Advisor;
}

namespace brisvale::app {

class LimitsDialog final : public QDialog {
    Q_OBJECT
  public:
    LimitsDialog(Advisor& advisor, QWidget* parent = nullptr);
    // Sets every limit whose field changed; the refusals, one to a line (empty: none).
    QString apply();

  private:
    void load();

    Advisor& advisor_;
    std::array<QDoubleSpinBox*, 4> amounts_{};  // loss-session, loss-day, win-session, time-day
    QComboBox* check_;
    std::array<QLabel*, 5> notes_{};
};

}  // namespace brisvale::app
