// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A real window over an Advisor on a temporary data folder with the test ports, and the user's
// gestures on its real widgets.

#include <QTest>
#include <QtWidgets>
#include <memory>

#include "app/board_widget.hpp"
#include "app/main_window.hpp"
#include "app/wagering_dialog.hpp"
#include "support/files.hpp"
#include "support/ports.hpp"

namespace brisvale::gui_test {

struct Session {  // the window goes before the Advisor it shows
    Session();
    const Form& form() const { return advisor->form(); }
    const PlayState& state() const { return advisor->state(); }
    app::BoardWidget& board() const { return *window->board(); }
    template <typename W = QWidget>
    W* widget(const char* name) const {
        W* w = window->findChild<W*>(name);
        if (!w && window->wageringDialog()) w = window->wageringDialog()->findChild<W*>(name);
        if (!w) throw std::runtime_error(std::string("no widget ") + name);
        return w;
    }
    // Set-up through the core's own actions, then drawn: NAME=VALUE, a button's name, @N for
    // a click on cell N, wait for the spin interval ("chk6=1 Text18=100 Button1 wait @5").
    void core(const std::string& script);
    // The user's gestures.
    void click(const char* name);                         // a check box, option or button
    void choose(const char* list, const QString& entry);  // an entry of an open list
    void type(const char* box, const QString& text);      // typed into a box, then left
    void menu(const char* name) { window->action(name)->trigger(), QApplication::processEvents(); }
    void clickAt(QPoint at) { QTest::mouseClick(&board(), Qt::LeftButton, {}, at); }
    void waitSpinInterval();  // ticks until Button1 is enabled again
    QStringList historyRows() const;
    void activate();

    testing::TempDir dir;
    testing::FakeDialogs dialogs;
    testing::FakeBrowser browser;
    testing::FakeClock clock;
    SeededRandom random{1};
    std::unique_ptr<Advisor> advisor;
    std::unique_ptr<app::MainWindow> window;
};

// A point of the board in twips, in logical pixels (15 twips a pixel).
inline QPoint twips(int left, int top) {
    return {left / 15, top / 15};
}
// Colour of a picture at a point in logical pixels.
inline QColor pixel(const QImage& image, QPoint at) {
    const double ratio = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>(at.x() * ratio), static_cast<int>(at.y() * ratio));
}
// True when two colours differ by at most `tolerance` in each channel.
inline bool near(const QColor& a, const QColor& b, int tolerance = 24) {
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue())}) <= tolerance;
}

}  // namespace brisvale::gui_test
