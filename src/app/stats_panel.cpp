// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stats_panel.hpp"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "advisor/advisor.hpp"
#include "app/colors.hpp"
#include "app/number_grid.hpp"
#include "app/sleeper_table.hpp"
#include "model/numbers.hpp"

namespace brisvale::app {
namespace {

const char* const kPageNames[] = {"Sleepers", "Numbers", "Balance"};

QString money(double amount) {
    const bool whole = std::fabs(amount - std::round(amount)) < 0.005;
    return (amount < 0 ? "-$" : "$") + QString::number(std::fabs(amount), 'f', whole ? 0 : 2);
}

// A number as a small cell of its colour, as on the board.
QString numberChip(int n) {
    const QColor back = n == 0 ? fromPlatformColor(board::kGreen)
                               : fromPlatformColor(isRed(n) ? board::kRed : board::kBlack);
    return QStringLiteral(
               "<span style=\"background-color:%1; color:white; font-weight:bold\">"
               "&nbsp;%2&nbsp;</span>")
        .arg(back.name())
        .arg(n);
}

// What the cells show, in words only, so that nothing in it reads as a count.
QString legendText(bool byRecord) {
    return QStringLiteral(
               "Hits %1 under each number &middot; <b style=\"color:#a07c00\">gold</b> ring: "
               "hot &middot; <b style=\"color:#2c78d0\">blue</b>: cold")
        .arg(byRecord ? "in the casino's record" : "this run");
}

QString hotAndColdText(const Statistics& stats) {
    const NumberStatistics& top = stats.numbers[static_cast<std::size_t>(stats.hottest[0])];
    if (top.table == 0 && top.history == 0) return QStringLiteral("Hot and cold: no spins yet.");
    const auto line = [&](const char* name, const std::array<int, 5>& ns) {
        QString out = QStringLiteral("<b>%1</b>&nbsp;").arg(name);
        for (int n : ns) {
            const NumberStatistics& x = stats.numbers[static_cast<std::size_t>(n)];
            out += numberChip(n) + QStringLiteral("&nbsp;&times;%1&nbsp; ")
                                       .arg(stats.rankedByRecord ? x.history : x.table);
        }
        return out;
    };
    return line("Hot", stats.hottest) + "<br>" + line("Cold", stats.coldest);
}

QValueAxis* axis(const QString& format) {
    auto* a = new QValueAxis;
    a->setLabelFormat(format);
    QFont small = a->labelsFont();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() - 2));
    a->setLabelsFont(small);
    a->setTickCount(3);
    return a;
}

}  // namespace

StatsPanel::StatsPanel(QWidget* parent) : QDockWidget(QStringLiteral("Statistics"), parent) {
    setObjectName("statisticsPanel");
    setAllowedAreas(Qt::RightDockWidgetArea);
    setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);

    auto* body = new QWidget(this);
    body->setAutoFillBackground(true);
    QFont compact = body->font();
    compact.setPointSizeF(std::max(7.0, compact.pointSizeF() - 1));
    body->setFont(compact);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    tabs_ = new QTabWidget(body);
    tabs_->setDocumentMode(true);
    column_ = new QWidget(body);
    columnLayout_ = new QVBoxLayout(column_);
    columnLayout_->setContentsMargins(0, 0, 0, 0);
    for (const char* name : kPageNames) {
        auto* heading = new QLabel(QStringLiteral("<b>%1</b>").arg(name), column_);
        columnLayout_->addWidget(heading);
    }
    layout->addWidget(tabs_);
    layout->addWidget(column_);

    sleepers_ = new SleeperTable;

    auto* numbersPage = new QWidget;
    numbersPage->setObjectName("numbersPage");
    auto* numbersLayout = new QVBoxLayout(numbersPage);
    numbersLayout->setContentsMargins(2, 2, 2, 2);
    numbersLayout->setSpacing(2);
    legend_ = new QLabel(numbersPage);
    legend_->setObjectName("numbersLegend");
    legend_->setToolTip("Hover over a number for its hits this run and in the casino's record");
    QFont small = compact;
    small.setPointSizeF(std::max(6.0, compact.pointSizeF() - 1));
    legend_->setFont(small);
    grid_ = new NumberGrid(numbersPage);
    hotCold_ = new QLabel(numbersPage);
    hotCold_->setObjectName("hotAndCold");
    hotCold_->setTextFormat(Qt::RichText);
    hotCold_->setToolTip(
        "The numbers that came up most and least often: in the chosen casino's record when it "
        "holds spins, in this run otherwise");
    numbersLayout->addWidget(legend_);
    numbersLayout->addWidget(grid_, 1);
    numbersLayout->addWidget(hotCold_);

    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setMargins(QMargins(0, 0, 0, 0));
    chart->setBackgroundRoundness(0);
    QFont titleFont = compact;
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    balance_ = new QLineSeries(chart);
    balance_->setPen(QPen(QColor(30, 90, 200), 2));
    start_ = new QLineSeries(chart);
    start_->setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
    chart->addSeries(start_);
    chart->addSeries(balance_);
    QValueAxis* x = axis("%.0f");
    QValueAxis* y = axis("$%.0f");
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QLineSeries* series : {balance_, start_}) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    chart_ = new QChartView(chart);
    chart_->setObjectName("balanceChart");
    chart_->setRenderHint(QPainter::Antialiasing);
    chart_->setMinimumSize(200, 110);

    pages_[0] = sleepers_;
    pages_[1] = numbersPage;
    pages_[2] = chart_;
    setWidget(body);
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        arrange(floating);
        // Floated for the first time it still has the docked height: give the column room.
        if (floating && height() < 520) resize(std::max(width(), kDockedWidth), 600);
    });
    arrange(false);
    showBalance({});
}

void StatsPanel::arrange(bool floating) {
    while (tabs_->count() > 0) tabs_->removeTab(0);
    for (int i = 0; i < 3; ++i) {
        if (floating) {
            columnLayout_->insertWidget(2 * i + 1, pages_[i], 1);
            pages_[i]->show();
        } else {
            tabs_->addTab(pages_[i], kPageNames[i]);
        }
    }
    tabs_->setVisible(!floating);
    column_->setVisible(floating);
}

void StatsPanel::render(const Advisor& advisor) {
    const Statistics stats = advisor.statistics();
    const Form& form = advisor.form();
    const bool recorded = form.casinoList.index >= 2;
    sleepers_->show(stats);
    grid_->show(stats, form.board, recorded);
    const QString text = hotAndColdText(stats);
    if (hotCold_->text() != text) hotCold_->setText(text);
    const QString legend = legendText(stats.rankedByRecord);
    if (legend_->text() != legend) legend_->setText(legend);
    showBalance(stats.balance);
}

void StatsPanel::showBalance(std::span<const double> balance) {
    if (everShown_ && std::ranges::equal(balance, balanceShown_)) return;
    everShown_ = true;
    balanceShown_.assign(balance.begin(), balance.end());
    QChart* chart = chart_->chart();
    auto* x = static_cast<QValueAxis*>(chart->axes(Qt::Horizontal).first());
    auto* y = static_cast<QValueAxis*>(chart->axes(Qt::Vertical).first());
    if (balance.empty()) {
        balance_->clear();
        start_->clear();
        chart->setTitle(QStringLiteral("The run's balance shows after Start"));
        x->setRange(0, 1);
        y->setRange(0, 1);
        return;
    }
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(balance.size()));
    for (std::size_t i = 0; i < balance.size(); ++i) points.append({double(i), balance[i]});
    balance_->replace(points);
    const double first = balance.front();
    const double last = std::max<double>(1, static_cast<double>(balance.size() - 1));
    start_->replace({{0, first}, {last, first}});
    const auto [low, high] = std::ranges::minmax(balance);
    // Some room above and below, so a flat run still reads as a line beside the start.
    const double pad = std::max(1.0, (high - low) * 0.1);
    x->setRange(0, last);
    y->setRange(low - pad, high + pad);
    chart->setTitle(
        QStringLiteral("Balance %1, started at %2").arg(money(balance.back()), money(first)));
}

}  // namespace brisvale::app
