// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's watched tables: the strip above the board, the target of the board and
// of typed digits (a card's click, Ctrl+1..Ctrl+8, Ctrl+0 for the run), Play > Watch Table...,
// and the alerts with their choices in View > Alerts.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

#include "app/alert_centre.hpp"
#include "app/board_widget.hpp"
#include "app/main_window.hpp"
#include "app/qt_ports.hpp"
#include "app/tables_strip.hpp"

namespace brisvale::app {

void MainWindow::buildTables() {
    strip_ = new TablesStrip(this);
    stripDock_ = new QDockWidget(QStringLiteral("Tables"), this);
    stripDock_->setObjectName(QStringLiteral("TablesDock"));
    // Closable, so that View > Tables can hide and show it; it has no title bar to close it by.
    stripDock_->setFeatures(QDockWidget::DockWidgetClosable);
    stripDock_->setTitleBarWidget(new QWidget(stripDock_));  // no chrome: the cards say it
    stripDock_->setWidget(strip_);
    addDockWidget(Qt::TopDockWidgetArea, stripDock_);
    stripDock_->hide();
    connect(stripDock_, &QDockWidget::visibilityChanged, this, [this] {
        renderWindow();
        savePreferences();
    });

    // The board says which table it enters for.
    targetLabel_ = new QLabel(board_);
    targetLabel_->setObjectName(QStringLiteral("TargetLabel"));
    targetLabel_->setStyleSheet(QStringLiteral(
        "QLabel { background: #FFD800; color: black; padding: 1px 6px; border-radius: 3px; }"));
    targetLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    targetLabel_->hide();

    connect(strip_, &TablesStrip::cardClicked, this, [this](int i) { chooseTarget(i + 1); });
    connect(strip_, &TablesStrip::playHere, this, [this](int i) {
        const std::string name = advisor_.watching().tables()[i].name;
        const ActionResult r = act([&] { return advisor_.userPlayHere(name); });
        if (!r.ok) statusBar()->showMessage(toQt(r.error), 5000);
    });
    connect(strip_, &TablesStrip::unwatch, this, [this](int i) {
        const std::string name = advisor_.watching().tables()[i].name;
        act([&] { return advisor_.userUnwatch(name); });
    });

    QMenu* view = findChild<QMenu*>(QStringLiteral("mnuView"));
    QAction* tables = stripDock_->toggleViewAction();
    tables->setText(QStringLiteral("Tables"));
    tables->setObjectName(QStringLiteral("mnuTables"));
    tables->setShortcut(Qt::Key_F8);
    view->addAction(tables);
    QMenu* alertMenu = view->addMenu(QStringLiteral("Alerts"));
    alertMenu->setObjectName(QStringLiteral("mnuAlerts"));
    alerts_ = new AlertCentre(this);
    alertSound_ = alertMenu->addAction(QStringLiteral("Sound"));
    alertSound_->setObjectName(QStringLiteral("mnuAlertSound"));
    alertNotify_ = alertMenu->addAction(QStringLiteral("Notifications"));
    alertNotify_->setObjectName(QStringLiteral("mnuAlertNotify"));
    for (QAction* a : {alertSound_, alertNotify_}) {
        a->setCheckable(true);
        a->setChecked(true);
        connect(a, &QAction::toggled, this, [this] {
            alerts_->sound = alertSound_->isChecked();
            alerts_->notifications = alertNotify_->isChecked();
            savePreferences();
        });
    }

    QMenu* play = findChild<QMenu*>(QStringLiteral("mnuPlay"));
    QAction* watch = play->addAction(QStringLiteral("Watch Table..."));
    watch->setObjectName(QStringLiteral("mnuWatch"));
    connect(watch, &QAction::triggered, this, [this] { watchTable(); });
    connect(play, &QMenu::aboutToHide, this,
            [this] { QTimer::singleShot(0, this, [this] { leaveMenuBar(); }); });

    // Ctrl+1..Ctrl+8 choose a card, Ctrl+0 the run.
    for (int k = 0; k <= kMostWatched; ++k) {
        auto* choose = new QAction(this);
        choose->setObjectName(QStringLiteral("mnuTarget%1").arg(k));
        choose->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_0 + k)));
        choose->setShortcutContext(Qt::WindowShortcut);
        addAction(choose);
        connect(choose, &QAction::triggered, this, [this, k] { chooseTarget(k); });
    }
}

void MainWindow::chooseTarget(int card) {
    const WatchedTables& tables = advisor_.watching().tables();
    if (card > tables.size()) return;
    const std::string name = card > 0 ? tables[card - 1].name : std::string();
    act([&] {
        return card > 0 ? advisor_.userTarget(std::string_view(name))
                        : advisor_.userTarget(std::nullopt);
    });
    board_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::watchTable() {
    bool ok = false;
    const QString name = QInputDialog::getText(this, QStringLiteral("Watch Table"),
                                               QStringLiteral("The casino table to watch:"),
                                               QLineEdit::Normal, {}, &ok);
    if (!ok || name.trimmed().isEmpty()) return;
    const ActionResult r = act([&] { return advisor_.userWatch(name.trimmed().toStdString()); });
    if (!r.ok) {
        statusBar()->showMessage(toQt(r.error), 5000);
    } else {
        stripDock_->show();
    }
}

int MainWindow::stripHeight() const {
    if (!stripDock_ || stripDock_->isHidden()) return 0;
    return strip_->minimumHeight() +
           style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
}

void MainWindow::renderTables() {
    if (!stripDock_->isHidden()) strip_->render(advisor_);
    const auto target = advisor_.watching().target();
    if (target) {
        QString text =
            QStringLiteral("Entering for %1").arg(toQt(advisor_.watching().tables()[*target].name));
        if (const auto pending = advisor_.watching().pending())
            text += QStringLiteral(": %1").arg(*pending);
        if (targetLabel_->text() != text) {
            targetLabel_->setText(text);
            targetLabel_->adjustSize();
        }
        targetLabel_->move(4, 2);
        targetLabel_->show();
        targetLabel_->raise();
        // A watched table takes its spins whatever the run waits for: its Submit is always
        // there (the board draws the run's button again once the target is the run).
        if (auto* submit = board_->findChild<QAbstractButton*>(QStringLiteral("Button1"))) {
            submit->setText(QStringLiteral("Submit"));
            submit->setEnabled(true);
        }
    } else if (targetLabel_->isVisible()) {
        targetLabel_->hide();
    }
    // Told after the window is drawn, and never by raising it: the casino's window keeps the
    // focus.
    alerts_->deliver(advisor_.takeAlerts(), isActiveWindow());
}

}  // namespace brisvale::app
