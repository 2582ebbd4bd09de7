// SPDX-License-Identifier: GPL-3.0-or-later
#include "harness.hpp"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <sstream>

#include "app/identity.hpp"
#include "app/table_reading.hpp"
#include "app/window_conf.hpp"

namespace brisvale::gui_test {

Session::Session() {
    // Every window starts as on a first start, whatever an earlier test left in place.
    std::filesystem::remove(app::windowConfPath());
    std::filesystem::remove(app::TableReading::confPath());
    advisor = std::make_unique<Advisor>(Ports{dialogs, browser, clock, random, nullptr});
    advisor->userOpenWindow({dir.path, false, ""});
    window = std::make_unique<app::MainWindow>(*advisor);
    window->show();
    (void)QTest::qWaitForWindowExposed(window.get());
    activate();
}

void Session::core(const std::string& script) {
    std::istringstream in(script);
    for (std::string t; in >> t;) {
        const auto eq = t.find('=');
        if (t == "wait") waitSpinInterval();
        const ActionResult r = t == "wait"   ? ActionResult{}
                               : t[0] == '@' ? advisor->userClickCell(std::stoi(t.substr(1)))
                               : eq == std::string::npos
                                   ? advisor->userPress(t)
                                   : advisor->userSet(t.substr(0, eq), t.substr(eq + 1));
        if (!r.ok) throw std::runtime_error(t + ": " + r.error);
    }
    window->render();
}

void Session::click(const char* name) {
    auto* button = widget<QAbstractButton>(name);
    // Check boxes and options take clicks on their box; buttons anywhere.
    const bool box = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
    QTest::mouseClick(button, Qt::LeftButton, {},
                      box ? QPoint(7, button->height() / 2) : button->rect().center());
    QApplication::processEvents();
}

void Session::choose(const char* list, const QString& entry) {
    auto* combo = widget<QComboBox>(list);
    // Open the list, move to the entry and take it, as the user does with the keys.
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    view->setCurrentIndex(view->model()->index(combo->findText(entry), combo->modelColumn()));
    QTest::keyClick(view, Qt::Key_Return);
    QApplication::processEvents();
    activate();  // the offscreen platform does not hand the activation back after a popup
}

void Session::activate() {
    if (QApplication::activeWindow() != window.get())
        window->activateWindow(), (void)QTest::qWaitForWindowActive(window.get());
}

void Session::type(const char* name, const QString& text) {
    auto* box = widget<QLineEdit>(name);
    activate();
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClicks(box, text);
    // Leaving the box: the focus goes to the board, as a click on it would.
    board().setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
}

void Session::waitSpinInterval() {
    for (int i = 0; i < 20 && !form().startButton.enabled; ++i) {
        clock.now += 1000;
        window->tick();
    }
}

QStringList Session::historyRows() const {
    QStringList rows;
    const QAbstractItemModel* model = widget<QListView>("Text1")->model();
    for (int i = 0; i < model->rowCount(); ++i) rows << model->index(i, 0).data().toString();
    return rows;
}

}  // namespace brisvale::gui_test

// The window tests run with a QApplication on the offscreen platform.
int main(int argc, char* argv[]) {
    // The window's preferences go to a folder of the tests' own, never the user's.
    const QTemporaryDir preferences;
    // One screen of 1920 x 1080 free pixels, where the window fits at its design size.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        const QString screens = preferences.filePath("screens.json");
        QFile file(screens);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": 1920,
                           "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        }
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).toLocal8Bit());
    }
    brisvale::app::setApplicationIdentity("0", "brisvale-test");
    qputenv("XDG_CONFIG_HOME", preferences.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
