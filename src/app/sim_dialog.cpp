// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sim_dialog.hpp"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTableWidget>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "app/colors.hpp"
#include "play/advisor.hpp"
#include "util/numbers.hpp"

namespace brisvale::app {
namespace {

constexpr int kBins = 30;

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QString dollars(double amount) {
    return (amount < 0 ? "-$" : "$") + qs(sim::money(std::fabs(amount)));
}

QString percent(double ratio) {
    return QString::number(ratio * 100, 'f', 2) + " %";
}

QChartView* chartView(const QString& title, QWidget* parent) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(300, 220);
    return view;
}

// Puts fresh axes under the series of a chart.
void setAxes(QChart* chart, const QString& x, double x0, double x1, const QString& y, double y0,
             double y1) {
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    auto* ax = new QValueAxis;
    ax->setTitleText(x);
    ax->setRange(x0, x1);
    ax->setLabelFormat("%.0f");
    auto* ay = new QValueAxis;
    ay->setTitleText(y);
    ay->setRange(y0, y1);
    ay->setLabelFormat("%.0f");
    ax->applyNiceNumbers();
    ay->applyNiceNumbers();
    chart->addAxis(ax, Qt::AlignBottom);
    chart->addAxis(ay, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(ax);
        series->attachAxis(ay);
    }
}

}  // namespace

struct SimDialog::Outcome {
    bool cancelled = false;
    sim::Report report;
    std::vector<double> nets;
    std::vector<double> curve;  // the median session's balance after Start and each spin
};

SimDialog::SimDialog(const Advisor& advisor, QWidget* parent)
    : QDialog(parent),
      advisor_(advisor),
      sessions_(new QSpinBox(this)),
      spins_(new QSpinBox(this)),
      bankroll_(new QLineEdit(this)),
      seed_(new QLineEdit(this)),
      run_(new QPushButton("Run", this)),
      cancel_(new QPushButton("Cancel", this)),
      progress_(new QProgressBar(this)),
      table_(new QTableWidget(0, 2, this)),
      sentence_(new QLabel(this)),
      histogram_(chartView("Session results", this)),
      curve_(chartView("Balance of the median session", this)) {
    setObjectName("frmSimulate");
    setWindowTitle("Simulate This Style");
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    const auto normal = parseWhole(advisor.state().NormalColor, 0, 0xFFFFFF);
    palette.setColor(QPalette::Window, fromPlatformColor(normal.value_or(15790320)));
    setPalette(palette);

    sessions_->setObjectName("sessions");
    sessions_->setRange(1, 10'000'000);
    sessions_->setValue(1000);
    spins_->setObjectName("spins");
    spins_->setRange(1, 1'000'000);
    spins_->setValue(1000);
    bankroll_->setObjectName("bankroll");
    seed_->setObjectName("seed");
    run_->setObjectName("run");
    cancel_->setObjectName("cancel");
    progress_->setObjectName("progress");
    table_->setObjectName("report");
    sentence_->setObjectName("sentence");
    sentence_->setWordWrap(true);
    sentence_->setMaximumWidth(390);
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setMinimumWidth(390);

    auto* inputs = new QHBoxLayout;
    const auto field = [&](const QString& caption, QWidget* box) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        inputs->addWidget(label);
        inputs->addWidget(box);
    };
    field("&Sessions:", sessions_);
    field("S&pins per session:", spins_);
    field("&Bankroll: $", bankroll_);
    field("S&eed:", seed_);
    inputs->addWidget(run_);
    inputs->addWidget(cancel_);

    auto* left = new QVBoxLayout;
    left->addWidget(table_, 1);
    left->addWidget(sentence_);
    auto* results = new QHBoxLayout;
    results->addLayout(left, 0);
    results->addWidget(histogram_, 1);
    results->addWidget(curve_, 1);

    auto* column = new QVBoxLayout(this);
    column->addLayout(inputs);
    column->addWidget(progress_);
    column->addLayout(results, 1);

    connect(run_, &QPushButton::clicked, this, &SimDialog::run);
    connect(cancel_, &QPushButton::clicked, this, &SimDialog::cancel);
    run_->setDefault(true);
    setRunning(false);
    prefill();
}

SimDialog::~SimDialog() {
    stopWorker();
}

void SimDialog::prefill() {
    bankroll_->setText(qs(advisor_.form().Text[18].text));
    // Within 53 bits, so that a JSON reader holds it exactly.
    seed_->setText(QString::number(QRandomGenerator::global()->generate64() >> 11));
}

void SimDialog::setRunning(bool on) {
    run_->setEnabled(!on);
    cancel_->setEnabled(on);
    sessions_->setEnabled(!on);
    spins_->setEnabled(!on);
    bankroll_->setEnabled(!on);
    seed_->setEnabled(!on);
}

void SimDialog::stopWorker() {
    if (worker_.joinable()) {
        worker_.request_stop();
        worker_.join();
    }
    finished_ = true;
}

void SimDialog::showProblem(const QString& text) {
    table_->setRowCount(0);
    sentence_->setText(text);
}

void SimDialog::run() {
    stopWorker();
    const auto bankroll = parseNumber(bankroll_->text().toStdString());
    bool seedOk = false;
    const qulonglong seed = seed_->text().trimmed().toULongLong(&seedOk);
    if (!bankroll || *bankroll < 0)
        return showProblem("Enter the bankroll as an amount of dollars.");
    if (!seedOk) return showProblem("Enter the seed as a whole number of 0 or more.");

    sim::TableSetup setup;
    setup.style = std::make_shared<StoredStyle>(advisor_.styleShown());
    setup.bankroll = *bankroll;
    setup.maxSpins = spins_->value();
    simTable_ = std::make_shared<sim::Table>(setup);
    if (const auto problem = simTable_->startProblem()) return showProblem(qs(*problem));

    sim::RunOptions options;
    options.sessions = sessions_->value();
    options.seed = seed;
    options.threads = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    table_->setRowCount(0);
    histogram_->chart()->removeAllSeries();
    curve_->chart()->removeAllSeries();
    progress_->setRange(0, static_cast<int>(options.sessions));
    progress_->setValue(0);
    sentence_->setText("Playing " + QString::number(options.sessions) + " sessions...");
    setRunning(true);
    finished_ = false;
    worker_ = std::jthread([this, table = simTable_, options](std::stop_token stop) {
        const auto onProgress = [this](long long done, long long) {
            QMetaObject::invokeMethod(
                this, [this, done] { progress_->setValue(static_cast<int>(done)); },
                Qt::QueuedConnection);
        };
        const sim::RunResult result = sim::runSessions(*table, options, onProgress, stop);
        auto outcome = std::make_shared<Outcome>();
        outcome->cancelled = result.cancelled;
        if (!result.cancelled) {
            outcome->report =
                sim::summarize(result, table->styleName(), options.seed, table->bankroll(), false);
            for (const sim::SessionResult& s : result.sessions) outcome->nets.push_back(s.net);
            outcome->curve =
                sim::balanceCurve(*table, options, result, outcome->report.medianSession);
        }
        QMetaObject::invokeMethod(
            this, [this, outcome] { showOutcome(outcome); }, Qt::QueuedConnection);
    });
}

void SimDialog::cancel() {
    stopWorker();
    setRunning(false);
    sentence_->setText("Cancelled.");
}

void SimDialog::reject() {
    // Closing the dialog ends the run: nothing goes on in the background.
    cancel();
    QDialog::reject();
}

void SimDialog::showOutcome(const std::shared_ptr<Outcome>& outcome) {
    if (worker_.joinable()) worker_.join();
    finished_ = true;
    setRunning(false);
    if (outcome->cancelled) return;
    progress_->setValue(progress_->maximum());
    fillTable(outcome->report);
    drawHistogram(outcome->report, outcome->nets);
    drawCurve(outcome->report, outcome->curve);
}

void SimDialog::fillTable(const sim::Report& r) {
    const QString interval =
        r.ci95 ? percent((*r.ci95)[0]) + " to " + percent((*r.ci95)[1]) : "n/a";
    const std::vector<std::pair<QString, QString>> rows = {
        {"Sessions", QString::number(r.sessions)},
        {"Spins", QString::number(r.spins)},
        {"Staked", dollars(static_cast<double>(r.staked))},
        {"Net", dollars(r.net)},
        {"Return per $ staked", r.returnPerStaked ? percent(*r.returnPerStaked) : "n/a"},
        {"95 % interval", interval},
        {"House edge", percent(sim::kHouseEdge)},
        {"Sessions won / lost",
         QString::number(r.sessionsWon) + " / " + QString::number(r.sessionsLost)},
        {"Median session", dollars(r.percentiles[2])},
        {"5 % / 95 % of sessions", dollars(r.percentiles[0]) + " / " + dollars(r.percentiles[4])},
        {"Worst / best session", dollars(r.worstSession) + " / " + dollars(r.bestSession)},
        {"Max drawdown", dollars(r.maxDrawdown)},
        {"Largest stake on a spin", dollars(static_cast<double>(r.largestStake))},
        {"Ended: quit / switch / broke / max",
         QString::number(r.endedBy[0]) + " / " + QString::number(r.endedBy[1]) + " / " +
             QString::number(r.endedBy[2]) + " / " + QString::number(r.endedBy[3])},
    };
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        table_->setItem(i, 0, new QTableWidgetItem(rows[static_cast<std::size_t>(i)].first));
        auto* value = new QTableWidgetItem(rows[static_cast<std::size_t>(i)].second);
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(i, 1, value);
    }
    // A figure and its per cent sign stay on one line.
    sentence_->setText(qs(sim::costSentence(r)).replace(" %", QString(QChar(0x00A0)) + "%"));
}

// The histogram, drawn as the filled outline of its bars, with a line at what the house edge
// takes from a session that stakes the average.
void SimDialog::drawHistogram(const sim::Report& r, const std::vector<double>& nets) {
    QChart* h = histogram_->chart();
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
        const int count = counts[static_cast<std::size_t>(b)];
        outline->append(left, 0);
        outline->append(left, count);
        outline->append(left + width, count);
        outline->append(left + width, 0);
        most = std::max(most, count);
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
    marker->setName("house edge: " + dollars(edge) + " a session");
    marker->append(edge, 0);
    marker->append(edge, most * 1.05);
    QPen pen(QColor(192, 0, 0));
    pen.setWidth(2);
    pen.setStyle(Qt::DashLine);
    marker->setPen(pen);
    h->addSeries(marker);
    setAxes(h, "session result ($)", std::min(x0, edge), std::max(x1, edge), "sessions", 0,
            most * 1.05);
}

void SimDialog::drawCurve(const sim::Report& r, const std::vector<double>& curve) {
    QChart* c = curve_->chart();
    c->removeAllSeries();
    auto* balance = new QLineSeries;
    balance->setName("balance ($)");
    double b0 = r.bankroll;
    double b1 = r.bankroll;
    for (std::size_t i = 0; i < curve.size(); ++i) {
        balance->append(static_cast<double>(i), curve[i]);
        b0 = std::min(b0, curve[i]);
        b1 = std::max(b1, curve[i]);
    }
    c->addSeries(balance);
    const double pad = std::max(1.0, (b1 - b0) * 0.05);
    setAxes(c, "spin", 0, std::max(1.0, static_cast<double>(curve.size()) - 1), "balance ($)",
            b0 - pad, b1 + pad);
}

}  // namespace brisvale::app
