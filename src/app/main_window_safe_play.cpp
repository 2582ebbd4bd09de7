// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of safer play: Play > Limits... and the reality check's box.

#include <QTabWidget>

#include "app/limits_dialog.hpp"
#include "app/main_window.hpp"
#include "app/qt_ports.hpp"
#include "app/reality_check.hpp"
#include "app/stats_panel.hpp"

namespace brisvale::app {

void MainWindow::openLimits() {
    LimitsDialog dialog(advisor_, this);
    dialog.exec();
    afterAction();
}

void MainWindow::answerRealityCheck() {
    // The box is modal: the timer may render meanwhile, but never asks twice.
    if (askingCheck_) return;
    askingCheck_ = true;
    const Advisor::CheckAnswer answer =
        askRealityCheck(this, advisor_.safety().session(), toQt(advisor_.state().AppTitle));
    askingCheck_ = false;
    act([&] { return advisor_.userAnswerCheck(answer); });
    if (!advisor_.takeBalanceRequest()) return;
    stats_->show();
    if (auto* tabs = stats_->findChild<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == "Balance") tabs->setCurrentIndex(i);
        }
    }
    render();
}

}  // namespace brisvale::app
