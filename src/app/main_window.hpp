#pragma once
// The main window: a thin front end over the Advisor. Each user action becomes the Advisor's
// named action; afterwards, and after every timer tick, the whole window is drawn again from
// the Form. The window decides nothing about play.

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <optional>

#include "play/advisor.hpp"

class QAction;
class QMenu;

namespace brisvale::app {

class AdvancedPanel;
class BoardWidget;
class ControlBinder;
class PlayPanel;
class WageringDialog;

class MainWindow final : public QMainWindow {
  public:
    // The Advisor has run Form_Load. The clock times the two-digit keyboard entry.
    MainWindow(Advisor& advisor, Clock& clock, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Starts Timer1; tests leave it off and tick by hand.
    void startTimer1();
    void tick();
    void render();

    BoardWidget* board() const { return board_; }
    WageringDialog* wageringDialog() const { return wagering_; }
    QAction* action(const QString& name) const;
    // The last refusal of the core, for diagnostics ("" when the last action was carried out).
    const std::string& lastRefusal() const { return lastRefusal_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    void act(const std::function<ActionResult()>& call, bool commitTyping = true);
    void renderWindow();
    void renderCasinoMenu();
    void syncTimer();
    void selectTyped(int digit);
    void afterAction();

    Advisor& advisor_;
    Clock& clock_;
    ControlBinder* binder_;
    PlayPanel* panel_;
    AdvancedPanel* advanced_;
    BoardWidget* board_;
    WageringDialog* wagering_;
    QWidget* top_;
    QMenu* casinos_ = nullptr;
    QAction* alwaysOnTop_ = nullptr;
    QAction* replay_ = nullptr;
    std::vector<CasinoSiteEntry> casinoMenuShown_;
    QTimer timer1_;
    std::string lastRefusal_;
    bool closing_ = false;

    // The first digit typed, waiting up to a second for a second one.
    struct TypedDigit {
        int digit;
        std::int64_t atMs;
    };
    std::optional<TypedDigit> typed_;
};

}  // namespace brisvale::app
