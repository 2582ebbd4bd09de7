// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tools > Simulate This Style...: plays the style the panel shows over many sessions on a
// worker thread, and shows what it staked and lost beside the house edge, with the session
// results as a histogram and the median session's balance as a curve.

#include <QDialog>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <thread>

#include "sim/report.hpp"

class QChartView;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace brisvale {
class Advisor;
}

namespace brisvale::app {

class SimDialog final : public QDialog {
  public:
    SimDialog(const Advisor& advisor, QWidget* parent = nullptr);
    ~SimDialog() override;

    // Fills the inputs from the panel (the balance) and a fresh seed.
    void prefill();
    void run();
    void cancel();
    bool running() const { return worker_.joinable() && !finished_; }
    // Where Save Style... and Compare With... ask for a file (save: true for Save Style...);
    // empty: none chosen. Tests answer without a modal box.
    void setFileChooser(std::function<QString(bool save)> choose) {
        chooseFile_ = std::move(choose);
    }

  protected:
    void reject() override;

  private:
    struct Outcome;
    void showOutcome(const std::shared_ptr<Outcome>& outcome);
    void fillTable(const sim::Report& report);
    void saveStyle();
    void chooseComparison();
    void showProblem(const QString& text);
    void setRunning(bool on);
    void stopWorker();

    const Advisor& advisor_;
    QSpinBox* sessions_;
    QSpinBox* spins_;
    // The player's limits applied to each session; 0 is none.
    QSpinBox* lossLimit_;
    QSpinBox* winGoal_;
    QSpinBox* timeLimit_;
    QLineEdit* bankroll_;
    QLineEdit* seed_;
    QPushButton* run_;
    QPushButton* cancel_;
    QProgressBar* progress_;
    QTableWidget* table_;
    QLabel* sentence_;
    QPushButton* saveStyle_;
    QPushButton* compareWith_;
    QChartView* histogram_;
    QChartView* curve_;
    std::shared_ptr<sim::Table> simTable_;
    std::jthread worker_;
    bool finished_ = true;
    std::function<QString(bool)> chooseFile_;
    std::optional<std::filesystem::path> compareFile_;
};

}  // namespace brisvale::app
