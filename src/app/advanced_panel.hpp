// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lower part of the window, shown with "More >>": the default sets, conservative betting,
// the spin interval, each family's Low, High, Random and how-many settings, the balance
// figures and the table limits.

#include <QWidget>
#include <array>

#include "view/form.hpp"

class QGridLayout;
class QLabel;

namespace brisvale::app {

class ControlBinder;

class AdvancedPanel final : public QWidget {
  public:
    AdvancedPanel(ControlBinder& binder, QWidget* parent);

    void render(const Form& form);

  private:
    void addFamilyRow(ControlBinder& binder, QGridLayout* grid, int family, int row, int column);

    std::array<QLabel*, 10> highLabels_{};  // by Random box: Check1..Check7, Check9
    QLabel* Label12_;
    QLabel* Label35_;
    QLabel* Label41_;
};

}  // namespace brisvale::app
