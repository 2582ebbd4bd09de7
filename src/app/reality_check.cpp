// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/reality_check.hpp"

#include <QMessageBox>
#include <QPushButton>

#include "app/qt_ports.hpp"

namespace brisvale::app {

Advisor::CheckAnswer askRealityCheck(QWidget* parent, const SessionView& view,
                                     const QString& title) {
    QMessageBox box(parent);
    box.setObjectName("RealityCheck");
    box.setWindowTitle(title + " - Reality check");
    box.setIcon(QMessageBox::Information);
    box.setText(toQt(realityCheckText(view)).replace("\r\n", "\n"));
    QPushButton* keep = box.addButton("Keep playing", QMessageBox::AcceptRole);
    QPushButton* stop = box.addButton("Stop here", QMessageBox::RejectRole);
    QPushButton* balance = box.addButton("Show my balance", QMessageBox::HelpRole);
    keep->setObjectName("keepPlaying");
    stop->setObjectName("stopHere");
    balance->setObjectName("showBalance");
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    if (box.clickedButton() == stop) return Advisor::CheckAnswer::Stop;
    if (box.clickedButton() == balance) return Advisor::CheckAnswer::Balance;
    return Advisor::CheckAnswer::Keep;
}

}  // namespace brisvale::app
