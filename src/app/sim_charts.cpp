// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sim_charts.hpp"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>

namespace brisvale::app {
namespace {

constexpr int kBins = 30;
// The floor of the log count axis: an empty bin sits on it, a bin of one session shows.
constexpr double kFloor = 0.5;

QString dollars(double amount) {
    return (amount < 0 ? "-$" : "$") + QString::fromStdString(sim::money(std::fabs(amount)));
}

QValueAxis* valueAxis(const QString& title, double low, double high) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setRange(low, high);
    axis->applyNiceNumbers();
    axis->setLabelFormat(
        "%." + QString::number(labelDecimals(axis->min(), axis->max(), axis->tickCount())) + "f");
    return axis;
}

void replaceAxes(QChart* chart, QAbstractAxis* x, QAbstractAxis* y) {
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
}

}  // namespace

int labelDecimals(double low, double high, int ticks) {
    if (ticks < 2 || !(high > low)) return 0;
    const double step = (high - low) / (ticks - 1);
    if (step >= 1) return 0;
    return std::min(6, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
}

QChartView* simChartView(const QString& title, QWidget* parent) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(340, 260);
    return view;
}

// Drawn as the filled outline of its bars, with a line at what the house edge takes from a
// session that stakes the average.
void drawResultHistogram(QChart* h, const sim::Report& r, const std::vector<double>& nets) {
    h->removeAllSeries();
    const auto [lo, hi] = std::minmax_element(nets.begin(), nets.end());
    double x0 = nets.empty() ? -1 : *lo;
    double x1 = nets.empty() ? 1 : *hi;
    if (x1 - x0 < 1) {
        x0 -= 1;
        x1 += 1;
    }
    std::array<int, kBins> counts{};
    const double width = (x1 - x0) / kBins;
    for (double net : nets) {
        const int bin = std::clamp(static_cast<int>((net - x0) / width), 0, kBins - 1);
        ++counts[static_cast<std::size_t>(bin)];
    }
    auto* outline = new QLineSeries;
    int most = 1;
    for (int b = 0; b < kBins; ++b) {
        const double left = x0 + b * width;
        const double count = std::max<double>(kFloor, counts[static_cast<std::size_t>(b)]);
        outline->append(left, kFloor);
        outline->append(left, count);
        outline->append(left + width, count);
        outline->append(left + width, kFloor);
        most = std::max(most, counts[static_cast<std::size_t>(b)]);
    }
    auto* bars = new QAreaSeries(outline);
    // The area does not own its outline; as its child the outline goes when the chart drops it.
    outline->setParent(bars);
    bars->setName("sessions");
    bars->setColor(QColor(0x4a, 0x7e, 0xbb));
    bars->setBorderColor(QColor(0x2c, 0x4f, 0x7c));
    h->addSeries(bars);
    const double edge = sim::kHouseEdge * static_cast<double>(r.staked) /
                        static_cast<double>(std::max<long long>(1, r.sessions));
    auto* marker = new QLineSeries;
    marker->setName("edge: " + dollars(edge) + "/session");
    marker->append(edge, kFloor);
    marker->append(edge, most * 2.0);
    QPen pen(QColor(192, 0, 0));
    pen.setWidth(2);
    pen.setStyle(Qt::DashLine);
    marker->setPen(pen);
    h->addSeries(marker);
    auto* count = new QLogValueAxis;
    count->setTitleText("sessions (log scale)");
    count->setBase(10);
    count->setRange(kFloor, most * 2.0);
    count->setLabelFormat("%g");
    count->setMinorTickCount(0);
    replaceAxes(h, valueAxis("session result ($)", std::min(x0, edge), std::max(x1, edge)), count);
}

void drawBalanceCurves(QChart* c, double bankroll, const std::vector<std::vector<double>>& curves,
                       const std::vector<QString>& names) {
    c->removeAllSeries();
    double b0 = bankroll;
    double b1 = bankroll;
    std::size_t longest = 1;
    for (std::size_t k = 0; k < curves.size(); ++k) {
        auto* balance = new QLineSeries;
        balance->setName(k < names.size() ? names[k] : QString());
        for (std::size_t i = 0; i < curves[k].size(); ++i) {
            balance->append(static_cast<double>(i), curves[k][i]);
            b0 = std::min(b0, curves[k][i]);
            b1 = std::max(b1, curves[k][i]);
        }
        longest = std::max(longest, curves[k].size());
        c->addSeries(balance);
    }
    const double pad = std::max(1.0, (b1 - b0) * 0.05);
    replaceAxes(c, valueAxis("spin", 0, std::max(1.0, static_cast<double>(longest) - 1)),
                valueAxis("balance ($)", b0 - pad, b1 + pad));
}

}  // namespace brisvale::app
