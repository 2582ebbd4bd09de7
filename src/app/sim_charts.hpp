// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulator dialog's two charts: the sessions' results as a histogram on a log count axis,
// so that the rare deep losses show beside the many small wins, and the balance of the median
// session, of one style or of two played on the same spins.

#include <QString>
#include <vector>

#include "sim/report.hpp"

class QChart;
class QChartView;
class QWidget;

namespace brisvale::app {

QChartView* simChartView(const QString& title, QWidget* parent);
void drawResultHistogram(QChart* chart, const sim::Report& report, const std::vector<double>& nets);
// A balance curve per style; `names` name them in the legend.
void drawBalanceCurves(QChart* chart, double bankroll,
                       const std::vector<std::vector<double>>& curves,
                       const std::vector<QString>& names);
// The decimals an axis label needs so that no two ticks read the same.
int labelDecimals(double low, double high, int ticks);

}  // namespace brisvale::app
