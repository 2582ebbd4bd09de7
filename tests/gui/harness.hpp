#pragma once
// A real window on a temporary data folder, with the test ports, and the user's gestures on
// its real widgets.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/board_widget.hpp"
#include "app/main_window.hpp"
#include "app/wagering_dialog.hpp"
#include "play/advisor.hpp"
#include "support/files.hpp"
#include "support/ports.hpp"

namespace brisvale::gui_test {

class Session {
  public:
    explicit Session(std::uint64_t seed = 1);
    ~Session();

    const Form& form() const { return advisor->form(); }
    const PlayState& state() const { return advisor->state(); }
    app::BoardWidget& board() const { return *window->board(); }
    template <typename W>
    W* widget(const char* name) const {
        W* w = window->findChild<W*>(name);
        if (!w && window->wageringDialog()) w = window->wageringDialog()->findChild<W*>(name);
        return w;
    }

    // The user's gestures.
    void activate();
    void clickCell(int cell);
    void clickChip(int chip);
    void flip();
    void pressButton1();
    void click(const char* name);  // a check box, option button or push button
    void choose(const char* list, const QString& entry);  // pick an entry of a list
    void type(const char* box, const QString& text);      // type into a box and leave it
    void menu(const char* name);
    void typeKeys(const QString& keys);
    // Ticks until Button1 is enabled again (the spin interval).
    void waitSpinInterval();

    QImage boardImage() const;
    // The rows of the history box Text1, top first.
    QStringList historyRows() const;

    testing::TempDir dir;
    testing::FakeDialogs dialogs;
    testing::FakeBrowser browser;
    testing::FakeClock clock;
    SeededRandom random;
    std::unique_ptr<Advisor> advisor;
    std::unique_ptr<app::MainWindow> window;
};

// Colour of the board's picture at a point in logical pixels.
QColor pixel(const QImage& image, QPoint at);
// True when two colours differ by at most `tolerance` in each channel.
bool near(const QColor& a, const QColor& b, int tolerance = 24);

}  // namespace brisvale::gui_test

namespace brisvale::gui_test {

// Lowers the Low threshold of the first `families` families to `low` and unticks their
// Random boxes, through the advanced panel, so that bets come within a few spins.
void lowThresholds(Session& s, int families, const QString& low = "1");

}  // namespace brisvale::gui_test
