// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: a thin front end over the Advisor. Each user action becomes the Advisor's
// named action; afterwards, and after every timer tick, the whole window is drawn again from
// the Form. The window decides nothing about play.

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>

#include "advisor/advisor.hpp"

class QAction;
class QDockWidget;
class QLabel;
class QMenu;

namespace brisvale::app {

class AdvancedPanel;
class AlertCentre;
class BoardWidget;
class TablesStrip;
class ControlBinder;
class PlayPanel;
class SessionBar;
class SimDialog;
class StatsPanel;
class TableReading;
class WageringDialog;
class WidgetScaler;
struct WindowConf;

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
    // Play > Read From Screen...: the run's own table read off the screen.
    TableReading* tableReading() const { return reading_; }
    QAction* action(const QString& name) const;
    // The strip of watched tables (View > Tables) and the alerts it and the run raise.
    TablesStrip* tablesStrip() const { return strip_; }
    AlertCentre* alertCentre() const { return alerts_; }
    // The last refusal of the core, for diagnostics ("" when the last action was carried out).
    const std::string& lastRefusal() const { return lastRefusal_; }
    // How many times its design size the board and the panel are drawn.
    double scale() const { return scale_; }
    // The least scale a resize goes down to.
    static constexpr double kMinScale = 0.75;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    // The Play menu's reading of the screen (main_window_reading.cpp).
    void buildReading(QMenu* play);
    ActionResult act(const std::function<ActionResult()>& call, bool commitTyping = true);
    void renderWindow();
    // The window's size and scale: the content laid out at scale_, the window as large as it
    // needs when the content's design changes (the advanced panel, the docked statistics).
    void layoutContent();
    QSize windowSizeFor(double scale) const;
    QSize contentDesign() const;
    double fitScale(QSize windowSize) const;
    void setScale(double scale);
    // window.conf: read once at start, written when something in it changes and at close.
    void restorePreferences();
    void restorePlace();
    void savePreferences();
    // After a menu closes without a choice, keys go to the board again.
    void leaveMenuBar();
    void renderCasinoMenu();
    void syncTimer();
    void typeKey(const std::string& key);
    void afterAction();
    // The watched tables (main_window_tables.cpp).
    void buildTables();
    void renderTables();
    void chooseTarget(int card);  // 0: the run
    void watchTable();
    int stripHeight() const;

    Advisor& advisor_;
    ControlBinder* binder_;
    PlayPanel* panel_;
    AdvancedPanel* advanced_;
    BoardWidget* board_;
    QWidget* content_;
    WageringDialog* wagering_;
    SimDialog* simulate_ = nullptr;
    // Safer play (main_window_safe_play.cpp): the session in the status bar, Play > Limits...
    // and the reality check's box after the action that brought it.
    SessionBar* session_ = nullptr;
    bool askingCheck_ = false;
    void openLimits();
    void answerRealityCheck();
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
    std::unique_ptr<WidgetScaler> scaler_;
    double scale_ = 1.0;
    QSize designShown_;  // the content's design (and the docked panel) last sized for
    bool onTopShown_ = false;
    bool flippedShown_ = false;
    std::unique_ptr<WindowConf> conf_;
    TablesStrip* strip_ = nullptr;
    QDockWidget* stripDock_ = nullptr;
    QLabel* targetLabel_ = nullptr;
    AlertCentre* alerts_ = nullptr;
    QAction* alertSound_ = nullptr;
    QAction* alertNotify_ = nullptr;
    TableReading* reading_ = nullptr;
};

}  // namespace brisvale::app
