// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

#include "app/advanced_panel.hpp"
#include "app/app_icon.hpp"
#include "app/board_widget.hpp"
#include "app/colors.hpp"
#include "app/control_binder.hpp"
#include "app/play_panel.hpp"
#include "app/qt_ports.hpp"
#include "app/session_bar.hpp"
#include "app/sim_dialog.hpp"
#include "app/stats_panel.hpp"
#include "app/wagering_dialog.hpp"
#include "app/widget_scaler.hpp"
#include "app/window_conf.hpp"

namespace brisvale::app {

MainWindow::MainWindow(Advisor& advisor, QWidget* parent) : QMainWindow(parent), advisor_(advisor) {
    setObjectName("Form1");
    setWindowIcon(appIcon());
    binder_ = new ControlBinder(
        advisor_,
        [this](const std::string& name, const std::string& value) {
            act([&] { return advisor_.userSet(name, value); }, false);
        },
        this);

    // The content keeps its design's proportions at any scale; a window of other proportions
    // shows the panel's colour beside it.
    auto* frame = new QWidget(this);
    frame->setObjectName("central");
    frame->setAutoFillBackground(true);
    setCentralWidget(frame);
    auto* central = new QWidget(frame);
    central->setObjectName("content");
    content_ = central;
    // The window sits beside the casino's game, so its controls use a compact type size.
    QFont compact = central->font();
    compact.setPointSizeF(std::max(7.0, compact.pointSizeF() - 1));
    central->setFont(compact);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    top_ = new QWidget(central);
    panel_ = new PlayPanel(
        *binder_,
        [this](const std::string& name) { act([&] { return advisor_.userPress(name); }); }, top_);
    board_ = new BoardWidget(advisor_.form(), top_);
    column->addWidget(top_);
    advanced_ = new AdvancedPanel(*binder_, central);
    column->addWidget(advanced_);

    connect(board_, &BoardWidget::cellClicked, this,
            [this](int cell) { act([&] { return advisor_.userClickCell(cell); }); });
    connect(board_, &BoardWidget::chipClicked, this,
            [this](int chip) { act([&] { return advisor_.userClickChip(chip); }); });
    connect(board_, &BoardWidget::flipClicked, this,
            [this] { act([&] { return advisor_.userFlip(); }); });
    connect(board_, &BoardWidget::button1Clicked, this,
            [this] { act([&] { return advisor_.userPress("Button1"); }); });

    wagering_ = new WageringDialog(
        {[this](const std::string& name, const std::string& value) {
             act([&] { return advisor_.userSet(name, value); }, false);
         },
         [this](const std::string& name) { act([&] { return advisor_.userPress(name); }); },
         [this] { act([&] { return advisor_.userCloseWagering(); }); }},
        this);

    stats_ = new StatsPanel(this);
    setDockOptions({});
    addDockWidget(Qt::RightDockWidgetArea, stats_);
    stats_->hide();
    // The panel follows the advisor through the same render as the window; shown, docked or
    // floated, the window makes room for it or gives the room back.
    connect(stats_, &QDockWidget::visibilityChanged, this, [this](bool shown) {
        renderWindow();
        if (shown) stats_->render(advisor_);
    });
    connect(stats_, &QDockWidget::topLevelChanged, this, [this] {
        renderWindow();
        savePreferences();
    });
    // Short notes, such as why a typed key was refused.
    statusBar()->setObjectName("StatusBar");
    statusBar()->setSizeGripEnabled(true);
    session_ = new SessionBar(advisor_, this);
    statusBar()->addPermanentWidget(session_);

    buildMenus();
    buildTables();
    restorePreferences();
    // A closed list would take typed digits as a search of its entries; on this window digits
    // choose numbers.
    for (QComboBox* list : central->findChildren<QComboBox*>()) list->installEventFilter(this);
    connect(&timer1_, &QTimer::timeout, this, &MainWindow::tick);
    render();
    scaler_ = std::make_unique<WidgetScaler>(content_, board_);
    restorePlace();
    board_->setFocus();
}

MainWindow::~MainWindow() {
    // Closing on the way out hides the panel, when the window's own parts are already gone.
    disconnect(stats_, nullptr, this, nullptr);
    disconnect(stats_->toggleViewAction(), nullptr, this, nullptr);
    disconnect(stripDock_, nullptr, this, nullptr);
}

void MainWindow::buildMenus() {
    const auto item = [this](QMenu* menu, const char* name, const QString& caption,
                             std::function<ActionResult()> call) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [this, call] { act(call); });
        return a;
    };
    const auto menuItem = [this](const char* name) {
        return [this, name] { return advisor_.userMenu(name, 0); };
    };

    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    item(file, "mnuRestart", "Restart", menuItem("mnuRestart"));
    item(file, "mnuLoadSettings", "Default Settings", menuItem("mnuLoadSettings"));
    file->addSeparator();
    importSpins_ =
        item(file, "mnuImport", "Import Spins...", [this] { return advisor_.userImportSpins(); });
    exportSpins_ =
        item(file, "mnuExport", "Export Spins...", [this] { return advisor_.userExportSpins(); });
    file->addSeparator();
    item(file, "mnuExit", "Exit", menuItem("mnuExit"))->setShortcut(Qt::CTRL | Qt::Key_Q);

    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("mnuEdit");
    undo_ = item(edit, "mnuUndo", "Undo Spin", [this] { return advisor_.userUndo(); });
    undo_->setShortcut(QKeySequence::Undo);
    redo_ = item(edit, "mnuRedo", "Redo Spin", [this] { return advisor_.userRedo(); });
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    QMenu* play = menuBar()->addMenu("&Play");
    play->setObjectName("mnuPlay");
    QAction* limits = play->addAction("Limits...");
    limits->setObjectName("mnuLimits");
    connect(limits, &QAction::triggered, this, [this] { openLimits(); });
    buildReading(play);

    QMenu* view = menuBar()->addMenu("&View");
    view->setObjectName("mnuView");
    QAction* statistics = stats_->toggleViewAction();
    statistics->setText("Statistics");
    statistics->setObjectName("mnuStatistics");
    statistics->setShortcut(Qt::Key_F9);
    // F9 works from the floating panel too.
    statistics->setShortcutContext(Qt::ApplicationShortcut);
    view->addAction(statistics);
    connect(statistics, &QAction::toggled, this, [this] { savePreferences(); });

    QMenu* tools = menuBar()->addMenu("&Tools");
    tools->setObjectName("mnuTools");
    alwaysOnTop_ = item(tools, "mnuTop", "Always On Top", menuItem("mnuTop"));
    alwaysOnTop_->setCheckable(true);
    item(tools, "mnuProg", "Custom Wagering", menuItem("mnuProg"));
    tools->addSeparator();
    // The history replay has no place on the window itself; the menu makes it reachable.
    replay_ = item(tools, "Command2", "Replay History",
                   [this] { return advisor_.userPress("Command2"); });
    // The simulator only reads the style shown, so it is no action on the advisor.
    QAction* simulate = tools->addAction("Simulate This Style...");
    simulate->setObjectName("mnuSimulate");
    connect(simulate, &QAction::triggered, this, [this] {
        if (!simulate_) simulate_ = new SimDialog(advisor_, this);
        if (!simulate_->isVisible()) simulate_->prefill();
        simulate_->show();
        simulate_->raise();
        simulate_->activateWindow();
    });

    casinos_ = menuBar()->addMenu("&Casinos");
    casinos_->setObjectName("mnuCasinos");

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("mnuHelp");
    item(help, "mnuInstructions", "Instructions", menuItem("mnuInstructions"))
        ->setShortcut(Qt::Key_F1);
    help->addSeparator();
    item(help, "mnuAbout", "About Brisvale", menuItem("mnuAbout"));

    for (QAction* top : menuBar()->actions()) {
        connect(top->menu(), &QMenu::aboutToHide, this,
                [this] { QTimer::singleShot(0, this, [this] { leaveMenuBar(); }); });
    }
}

void MainWindow::leaveMenuBar() {
    // Another menu taking over (the arrow keys) or a box opened by the choice keeps its focus.
    if (QApplication::activePopupWidget() || QApplication::activeModalWidget()) return;
    if (menuBar()->hasFocus() || menuBar()->activeAction()) {
        // Escape leaves the menu bar's keyboard mode, as a second Escape by the user would.
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(menuBar(), &escape);
        menuBar()->setActiveAction(nullptr);
    }
    if (!QApplication::focusWidget() || QApplication::focusWidget() == menuBar()) {
        board_->setFocus(Qt::OtherFocusReason);
    }
}

QAction* MainWindow::action(const QString& name) const {
    return findChild<QAction*>(name);
}

ActionResult MainWindow::act(const std::function<ActionResult()>& call, bool commitTyping) {
    // Menus and keys leave a box without moving the focus; what is typed counts first.
    if (commitTyping) binder_->commitFocusedText();
    const ActionResult result = call();
    lastRefusal_ = result.ok ? std::string() : result.error;
    afterAction();
    return result;
}

void MainWindow::afterAction() {
    // A person presses a few times a second at most: the run file keeps every press, and the
    // limits file the day's figures once they are due.
    advisor_.flushFiles();
    render();
    syncTimer();
    if (advisor_.safety().checkOpen()) answerRealityCheck();
    if (advisor_.timer().exitRequested && !closing_) close();
}

void MainWindow::startTimer1() {
    timer1_.start(advisor_.timer().interval);
}

void MainWindow::tick() {
    advisor_.userTick();
    advisor_.flushFiles();
    render();
    syncTimer();
}

void MainWindow::syncTimer() {
    if (timer1_.isActive() && timer1_.interval() != advisor_.timer().interval) {
        timer1_.setInterval(advisor_.timer().interval);
    }
}

void MainWindow::render() {
    const Form& form = advisor_.form();
    renderWindow();
    binder_->render();
    panel_->render(form);
    advanced_->render(form);
    board_->render();
    renderTables();
    renderCasinoMenu();
    session_->render();
    if (stats_->isVisible()) stats_->render(advisor_);

    if (form.wageringDialog.open) {
        wagering_->render(form.wageringDialog);
        if (!wagering_->isVisible()) wagering_->show();
    } else if (wagering_->isVisible()) {
        wagering_->hide();
    }
    // A focus request is carried out once, after Qt has finished moving the focus itself.
    if (form.focusRequests != focusRequestsDone_) {
        focusRequestsDone_ = form.focusRequests;
        const std::string name = form.focus;
        QTimer::singleShot(0, this, [this, name] {
            const std::string_view dialogBox = "frmWagering.Text";
            if (name.rfind(dialogBox, 0) == 0) {
                wagering_->focusBox(std::atoi(name.c_str() + dialogBox.size()));
            } else {
                binder_->focus(name);
            }
        });
    }
}

void MainWindow::renderWindow() {
    const Form& form = advisor_.form();
    const QString caption = toQt(form.caption);
    if (windowTitle() != caption) setWindowTitle(caption);

    QPalette palette = centralWidget()->palette();
    const QColor back = fromPlatformColor(form.backColor);
    if (palette.color(QPalette::Window) != back) {
        palette.setColor(QPalette::Window, back);
        const QColor text = isDark(back) ? Qt::white : Qt::black;
        palette.setColor(QPalette::Active, QPalette::WindowText, text);
        palette.setColor(QPalette::Inactive, QPalette::WindowText, text);
        // A disabled control reads as one: its caption half way between text and back colour.
        const QColor faded((text.red() + back.red()) / 2, (text.green() + back.green()) / 2,
                           (text.blue() + back.blue()) / 2);
        palette.setColor(QPalette::Disabled, QPalette::WindowText, faded);
        palette.setColor(QPalette::Disabled, QPalette::Text, faded);
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, faded);
        centralWidget()->setPalette(palette);
        stats_->setPalette(palette);
    }

    layoutContent();

    // Top-most only while no dialog of ours is open above the window.
    const bool onTop = form.alwaysOnTop && !form.wageringDialog.open;
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop) {
        const bool shown = isVisible();
        setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        if (shown) show();
    }
    alwaysOnTop_->setChecked(form.alwaysOnTop);
    if (onTopShown_ != form.alwaysOnTop || flippedShown_ != form.board.BoardFlipped()) {
        onTopShown_ = form.alwaysOnTop;
        flippedShown_ = form.board.BoardFlipped();
        savePreferences();
    }
    replay_->setEnabled(form.replayButton.enabled);
    const EditMenuView edit = advisor_.menus().edit;
    const auto show = [](QAction* action, const MenuItemView& view) {
        const QString text = toQt(view.caption);
        if (action->text() != text) action->setText(text);
        action->setEnabled(view.enabled);
    };
    show(undo_, edit.undo);
    show(redo_, edit.redo);
    show(importSpins_, advisor_.menus().importSpins);
    show(exportSpins_, advisor_.menus().exportSpins);
}

void MainWindow::renderCasinoMenu() {
    const auto& entries = advisor_.form().casinoMenu;
    const bool same = entries.size() == casinoMenuShown_.size() &&
                      std::equal(entries.begin(), entries.end(), casinoMenuShown_.begin(),
                                 [](const CasinoSiteEntry& a, const CasinoSiteEntry& b) {
                                     return a.caption == b.caption && a.address == b.address &&
                                            a.enabled == b.enabled;
                                 });
    if (same) return;
    casinoMenuShown_ = entries;
    casinos_->clear();
    for (int k = 0; k < static_cast<int>(entries.size()); ++k) {
        QString caption = toQt(entries[static_cast<std::size_t>(k)].caption);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* a = casinos_->addAction(caption);
        a->setObjectName(QStringLiteral("mnuCasino%1").arg(k));
        a->setEnabled(entries[static_cast<std::size_t>(k)].enabled);
        connect(a, &QAction::triggered, this,
                [this, k] { act([&] { return advisor_.userMenu("mnuCasino", k); }); });
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!advisor_.timer().exitRequested) {
        binder_->commitFocusedText();
        advisor_.userCloseWindow();
    }
    savePreferences();
    closing_ = true;
    timer1_.stop();
    wagering_->hide();
    event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    QWidget* focused = QApplication::focusWidget();
    // Typing into a box is typing, not choosing a number.
    if (qobject_cast<QLineEdit*>(focused) || qobject_cast<QPlainTextEdit*>(focused)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        typeKey(std::string(1, static_cast<char>('0' + key - Qt::Key_0)));
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        typeKey("Enter");
    } else {
        QMainWindow::keyPressEvent(event);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && qobject_cast<QComboBox*>(watched)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9 && modifiers == Qt::NoModifier) {
            typeKey(std::string(1, static_cast<char>('0' + key->key() - Qt::Key_0)));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::typeKey(const std::string& key) {
    const ActionResult result = act([&] { return advisor_.userKey(key); });
    // A refused key says why where the player looks next; the next key that counts clears it.
    if (result.ok) {
        statusBar()->clearMessage();
    } else {
        statusBar()->showMessage(toQt(result.error), 5000);
    }
}

}  // namespace brisvale::app
