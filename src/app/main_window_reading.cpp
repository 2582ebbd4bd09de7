// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's reading of the run's own table off the screen: Play > Read From Screen...,
// the indicator in the status bar, and the numbers read entered as a click and Submit.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

#include "app/main_window.hpp"
#include "app/qt_ports.hpp"
#include "app/table_reading.hpp"

namespace brisvale::app {

void MainWindow::buildReading(QMenu* play) {
    auto* indicator = new QLabel(this);
    indicator->setObjectName("ReadingIndicator");
    statusBar()->addPermanentWidget(indicator);
    TableReading::Entry entry;
    entry.enter = [this](int n) {
        if (advisor_.game().runEnded()) {
            statusBar()->showMessage(
                QStringLiteral("Read %1: not entered, no run is open. Press Start first.").arg(n),
                8000);
            return TableReading::Entered::Refused;
        }
        if (!advisor_.game().awaitingSpin()) return TableReading::Entered::Later;
        // Exactly the board's path: the cell, then Submit.
        if (act([&] { return advisor_.userClickCell(n); }).ok &&
            act([&] { return advisor_.userPress("Button1"); }).ok) {
            return TableReading::Entered::Yes;
        }
        statusBar()->showMessage(
            QStringLiteral("Read %1: not entered (%2).").arg(n).arg(toQt(lastRefusal_)), 8000);
        return TableReading::Entered::Refused;
    };
    entry.propose = [this](int n) { act([&] { return advisor_.userClickCell(n); }); };
    entry.spinsTaken = [this] { return advisor_.state().TotalSpins; };
    entry.newestSpin = [this] {
        const HistoryBox& history = advisor_.form().historyBox;
        return history.empty() ? -1 : history.number(0);
    };
    entry.note = [this](const QString& note) { statusBar()->showMessage(note, 8000); };
    entry.changed = [this, indicator] {
        const bool on = reading_ && reading_->region().has_value();
        indicator->setVisible(on);
        if (on) {
            const QString shown = reading_->shown();
            indicator->setText(
                QStringLiteral("Reading: %1").arg(shown.isEmpty() ? QStringLiteral("-") : shown));
            indicator->setToolTip(reading_->confirming()
                                      ? "New region: each number read waits for Enter."
                                      : "Numbers read are entered as they settle.");
        }
        if (QAction* s = action("mnuStopReading")) s->setEnabled(on);
    };
    reading_ = new TableReading("run", entry, this);
    indicator->setVisible(reading_->region().has_value());

    QAction* read = play->addAction("Read From Screen...");
    read->setObjectName("mnuReadScreen");
    connect(read, &QAction::triggered, this, [this] { reading_->chooseRegion(); });
    QAction* stop = play->addAction("Stop Reading the Screen");
    stop->setObjectName("mnuStopReading");
    stop->setEnabled(reading_->region().has_value());
    connect(stop, &QAction::triggered, this, [this] { reading_->stop(); });
}

}  // namespace brisvale::app
