#include "harness.hpp"

#include <QAbstractItemView>
#include <QApplication>
#include <QMenu>

namespace brisvale::gui_test {

Session::Session(std::uint64_t seed) : random(seed) {
    advisor = std::make_unique<Advisor>(Ports{dialogs, browser, clock, random, nullptr});
    advisor->userOpenWindow({dir.path, false, ""});
    window = std::make_unique<app::MainWindow>(*advisor);
    window->show();
    (void)QTest::qWaitForWindowExposed(window.get());
    activate();
}

Session::~Session() {
    window.reset();
}

void Session::activate() {
    if (QApplication::activeWindow() == window.get()) return;
    window->activateWindow();
    (void)QTest::qWaitForWindowActive(window.get());
}

void Session::clickCell(int cell) {
    QTest::mouseClick(&board(), Qt::LeftButton, {}, board().cellCenter(cell));
}

void Session::clickChip(int chip) {
    QTest::mouseClick(&board(), Qt::LeftButton, {}, board().chipCenter(chip));
}

void Session::flip() {
    QTest::mouseClick(&board(), Qt::LeftButton, {}, board().flipCenter());
}

void Session::pressButton1() {
    click("Button1");
}

void Session::click(const char* name) {
    auto* button = widget<QAbstractButton>(name);
    if (!button) throw std::runtime_error(std::string("no button ") + name);
    // Check boxes and options take clicks on their box; buttons anywhere.
    const bool box = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
    const QPoint at = box ? QPoint(7, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
    QApplication::processEvents();
}

void Session::choose(const char* list, const QString& entry) {
    auto* combo = widget<QComboBox>(list);
    if (!combo) throw std::runtime_error(std::string("no list ") + list);
    const int index = combo->findText(entry);
    if (index < 0) throw std::runtime_error("no entry " + entry.toStdString());
    // Open the list, move to the entry and take it, as the user does with the keys.
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    view->setCurrentIndex(view->model()->index(index, combo->modelColumn()));
    QTest::keyClick(view, Qt::Key_Return);
    QApplication::processEvents();
    // The offscreen platform does not hand the activation back after a popup.
    activate();
    if (view->isVisible())
        throw std::runtime_error("the list did not close: " + entry.toStdString());
}

void Session::type(const char* name, const QString& text) {
    auto* box = widget<QLineEdit>(name);
    if (!box) throw std::runtime_error(std::string("no box ") + name);
    activate();
    box->setFocus(Qt::MouseFocusReason);
    if (!box->hasFocus()) throw std::runtime_error(std::string("no focus in ") + name);
    box->selectAll();
    QTest::keyClicks(box, text);
    // Leaving the box: the focus goes to the board, as a click on it would.
    board().setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
}

void Session::menu(const char* name) {
    QAction* action = window->action(name);
    if (!action) throw std::runtime_error(std::string("no menu item ") + name);
    action->trigger();
    QApplication::processEvents();
}

void Session::typeKeys(const QString& keys) {
    for (QChar c : keys) {
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        }
    }
}

void Session::waitSpinInterval() {
    for (int i = 0; i < 20 && !form().Button1.enabled; ++i) {
        clock.now += 1000;
        window->tick();
    }
}

QImage Session::boardImage() const {
    return board().grab().toImage();
}

QStringList Session::historyRows() const {
    const QAbstractItemModel* model = widget<QListView>("Text1")->model();
    QStringList rows;
    for (int i = 0; i < model->rowCount(); ++i) rows << model->index(i, 0).data().toString();
    return rows;
}

QColor pixel(const QImage& image, QPoint at) {
    const double ratio = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>(at.x() * ratio), static_cast<int>(at.y() * ratio));
}

bool near(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

}  // namespace brisvale::gui_test

namespace brisvale::gui_test {

void lowThresholds(Session& s, int families, const QString& low) {
    const bool opened = s.form().cmdMore.caption == "More >>";
    if (opened) s.click("cmdMore");
    const char* lows[] = {"Text2",  "Text4",  "Text6",  "Text8",
                          "Text10", "Text12", "Text14", "Text16"};
    const char* randoms[] = {"Check1", "Check2", "Check3", "Check4",
                             "Check5", "Check6", "Check7", "Check9"};
    for (int k = 0; k < families; ++k) {
        if (s.widget<QCheckBox>(randoms[k])->isChecked()) s.click(randoms[k]);
        s.type(lows[k], low);
    }
    if (opened) s.click("cmdMore");
}

}  // namespace brisvale::gui_test
