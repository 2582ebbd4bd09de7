// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: a thin front end over the Advisor. Each user action becomes the Advisor's
// named action; afterwards, and after every timer tick, the whole window is drawn again from
// the Form. The window decides nothing about play.

#include <QMainWindow>
#include <QTimer>
#include <functional>

#include "play/advisor.hpp"

class QAction;
class QMenu;

namespace brisvale::app {

class AdvancedPanel;
class BoardWidget;
class ControlBinder;
class PlayPanel;
class SimDialog;
class StatsPanel;
class WageringDialog;

class MainWindow final : public QMainWindow {
  public:
    // The Advisor has opened the window (userOpenWindow).
    explicit MainWindow(Advisor& advisor, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Starts Timer1; tests leave it off and tick by hand.
    void startTimer1();
    void tick();
    void render();

    BoardWidget* board() const { return board_; }
    WageringDialog* wageringDialog() const { return wagering_; }
    // Tools > Simulate This Style..., once it has been opened.
    SimDialog* simDialog() const { return simulate_; }
    // View > Statistics.
    StatsPanel* statsPanel() const { return stats_; }
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
    void typeKey(const std::string& key);
    void afterAction();
    void restoreStatsPanel();
    void saveStatsPanel() const;

    Advisor& advisor_;
    ControlBinder* binder_;
    PlayPanel* panel_;
    AdvancedPanel* advanced_;
    BoardWidget* board_;
    WageringDialog* wagering_;
    SimDialog* simulate_ = nullptr;
    StatsPanel* stats_;
    QWidget* top_;
    QMenu* casinos_ = nullptr;
    QAction* alwaysOnTop_ = nullptr;
    QAction* replay_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* importSpins_ = nullptr;
    QAction* exportSpins_ = nullptr;
    std::vector<CasinoSiteEntry> casinoMenuShown_;
    QTimer timer1_;
    std::string lastRefusal_;
    bool closing_ = false;
    int focusRequestsDone_ = 0;
};

}  // namespace brisvale::app
