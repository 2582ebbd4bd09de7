// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// View > Statistics: a panel docked on the right of the board, or floating on a screen of its
// own. It shows the sleeper table, the numbers with their hits (the five hottest and coldest
// named), and the run's balance as a line chart. Docked beside the small window its three
// parts are tabs; floating, they stand one above the other.

#include <QDockWidget>
#include <vector>

#include "advisor/statistics.hpp"

class QChartView;
class QLabel;
class QLineSeries;
class QTabWidget;
class QVBoxLayout;

namespace brisvale {
class Advisor;
}

namespace brisvale::app {

class NumberGrid;
class SleeperTable;

class StatsPanel final : public QDockWidget {
  public:
    explicit StatsPanel(QWidget* parent = nullptr);

    // Draws the advisor's statistics as they stand; parts that have not changed are left be.
    void render(const Advisor& advisor);
    // Width it takes beside the window when docked, in logical pixels.
    static constexpr int kDockedWidth = 370;

    SleeperTable* sleepers() const { return sleepers_; }
    NumberGrid* numbers() const { return grid_; }
    QChartView* balanceChart() const { return chart_; }
    QLineSeries* balanceSeries() const { return balance_; }
    QLabel* hotAndCold() const { return hotCold_; }

  private:
    void arrange(bool floating);
    void showBalance(std::span<const double> balance);

    QWidget* pages_[3];
    QTabWidget* tabs_;
    QWidget* column_;
    QVBoxLayout* columnLayout_;
    SleeperTable* sleepers_;
    NumberGrid* grid_;
    QLabel* hotCold_;
    QLabel* legend_;
    QChartView* chart_;
    QLineSeries* balance_;
    QLineSeries* start_;
    std::vector<double> balanceShown_;
    bool everShown_ = false;
};

}  // namespace brisvale::app
