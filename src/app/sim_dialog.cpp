// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sim_dialog.hpp"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QFileDialog>
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
#include <optional>
#include <tuple>

#include "advisor/advisor.hpp"
#include "app/colors.hpp"
#include "app/sim_charts.hpp"
#include "sim/style_options.hpp"
#include "storage/properties.hpp"
#include "storage/whole_file.hpp"
#include "util/numbers.hpp"

namespace brisvale::app {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QString dollars(double amount) {
    return (amount < 0 ? "-$" : "$") + qs(sim::money(std::fabs(amount)));
}

QString percent(double ratio) {
    return QString::number(ratio * 100, 'f', 2) + " %";
}

}  // namespace

struct SimDialog::Outcome {
    bool cancelled = false;
    sim::Report report;
    std::vector<double> nets;
    std::vector<double> curve;         // the median session's balance after Start and each spin
    std::vector<double> compareCurve;  // the same session of the compared style
};

SimDialog::SimDialog(const Advisor& advisor, QWidget* parent)
    : QDialog(parent),
      advisor_(advisor),
      sessions_(new QSpinBox(this)),
      spins_(new QSpinBox(this)),
      lossLimit_(new QSpinBox(this)),
      winGoal_(new QSpinBox(this)),
      timeLimit_(new QSpinBox(this)),
      bankroll_(new QLineEdit(this)),
      seed_(new QLineEdit(this)),
      run_(new QPushButton("Run", this)),
      cancel_(new QPushButton("Cancel", this)),
      progress_(new QProgressBar(this)),
      table_(new QTableWidget(0, 2, this)),
      sentence_(new QLabel(this)),
      saveStyle_(new QPushButton("Save St&yle...", this)),
      compareWith_(new QPushButton("Co&mpare With...", this)),
      histogram_(simChartView("Session results", this)),
      curve_(simChartView("Balance of the median session", this)) {
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
    const std::tuple<QSpinBox*, const char*, int, const char*, const char*> limits[] = {
        {lossLimit_, "lossLimit", 1'000'000'000, "$", ""},
        {winGoal_, "winGoal", 1'000'000'000, "$", ""},
        {timeLimit_, "timeLimit", 1440, "", " min"}};
    for (const auto& [box, name, most, prefix, suffix] : limits) {
        box->setObjectName(name);
        box->setRange(0, most);
        box->setPrefix(prefix);
        box->setSuffix(suffix);
        box->setSpecialValueText("None");
    }
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
    saveStyle_->setObjectName("saveStyle");
    compareWith_->setObjectName("compareWith");
    auto* files = new QHBoxLayout;
    files->addWidget(saveStyle_);
    files->addWidget(compareWith_);
    files->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addWidget(table_, 1);
    left->addWidget(sentence_);
    auto* results = new QHBoxLayout;
    results->addLayout(left, 0);
    results->addWidget(histogram_, 1);
    results->addWidget(curve_, 1);

    auto* column = new QVBoxLayout(this);
    column->addLayout(inputs);
    // The limits a player sets, each session stopping at the spin that reaches one.
    auto* limitRow = new QHBoxLayout;
    const auto limitField = [&](const QString& caption, QWidget* box) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        limitRow->addWidget(label);
        limitRow->addWidget(box);
    };
    limitField("Each session: &loss limit", lossLimit_);
    limitField("&win goal", winGoal_);
    limitField("&time limit", timeLimit_);
    limitRow->addStretch(1);
    column->addLayout(limitRow);
    column->addLayout(files);
    column->addWidget(progress_);
    column->addLayout(results, 1);

    connect(run_, &QPushButton::clicked, this, &SimDialog::run);
    connect(cancel_, &QPushButton::clicked, this, &SimDialog::cancel);
    connect(saveStyle_, &QPushButton::clicked, this, &SimDialog::saveStyle);
    connect(compareWith_, &QPushButton::clicked, this, &SimDialog::chooseComparison);
    chooseFile_ = [this](bool save) {
        const QString filter = "Style files (*.json);;All files (*)";
        return save ? QFileDialog::getSaveFileName(this, "Save Style", "style.json", filter)
                    : QFileDialog::getOpenFileName(this, "Compare With", QString(), filter);
    };
    run_->setDefault(true);
    setRunning(false);
    prefill();
}

SimDialog::~SimDialog() {
    stopWorker();
}

void SimDialog::prefill() {
    bankroll_->setText(qs(advisor_.form().balanceBox.text));
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
    saveStyle_->setEnabled(!on);
    compareWith_->setEnabled(!on);
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
    const auto limit = [](const QSpinBox* box) {
        return box->value() > 0 ? std::optional<double>(box->value()) : std::nullopt;
    };
    setup.lossLimit = limit(lossLimit_);
    setup.winGoal = limit(winGoal_);
    setup.timeLimit = limit(timeLimit_);
    simTable_ = std::make_shared<sim::Table>(setup);
    if (const auto problem = simTable_->startProblem()) return showProblem(qs(*problem));
    std::shared_ptr<sim::Table> other;
    if (compareFile_) {
        sim::TableSetup second = setup;
        auto style = std::make_shared<StoredStyle>(advisor_.styleShown());
        const WholeFile file = readWholeFile(*compareFile_, 1 << 20);
        if (file.status != WholeFile::Status::Read) {
            return showProblem("Cannot read the style file " + qs(compareFile_->string()) + ".");
        }
        if (const auto bad = sim::applyStyleFile(*style, second.playStyle, file.bytes)) {
            return showProblem(qs(*bad));
        }
        second.style = style;
        other = std::make_shared<sim::Table>(second);
        if (const auto problem = other->startProblem()) {
            return showProblem("The compared style cannot start: " + qs(*problem));
        }
    }

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
    worker_ = std::jthread([this, table = simTable_, other, options](std::stop_token stop) {
        const auto onProgress = [this](long long done, long long) {
            QMetaObject::invokeMethod(
                this, [this, done] { progress_->setValue(static_cast<int>(done)); },
                Qt::QueuedConnection);
        };
        const sim::RunResult result = sim::runSessions(*table, options, onProgress, stop);
        sim::RunResult second;
        if (other && !result.cancelled) second = sim::runSessions(*other, options, {}, stop);
        auto outcome = std::make_shared<Outcome>();
        outcome->cancelled = result.cancelled || second.cancelled;
        if (!outcome->cancelled) {
            outcome->report =
                sim::summarize(result, table->styleName(), options.seed, table->bankroll(), false);
            for (const sim::SessionResult& s : result.sessions) outcome->nets.push_back(s.net);
            const std::size_t median = outcome->report.medianSession;
            outcome->curve = sim::balanceCurve(*table, options, result, median);
            if (other) {
                sim::addComparison(outcome->report,
                                   sim::summarize(second, other->styleName(), options.seed,
                                                  other->bankroll(), false),
                                   result, second);
                outcome->compareCurve = sim::balanceCurve(*other, options, second, median);
            }
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
    drawResultHistogram(histogram_->chart(), outcome->report, outcome->nets);
    std::vector<std::vector<double>> curves{outcome->curve};
    std::vector<QString> names{"this style ($)"};
    if (outcome->report.compare) {
        curves.push_back(outcome->compareCurve);
        names.push_back(qs(compareFile_->filename().string()) + " ($)");
    }
    drawBalanceCurves(curve_->chart(), outcome->report.bankroll, curves, names);
}

void SimDialog::saveStyle() {
    const QString file = chooseFile_(true);
    if (file.isEmpty()) return;
    const std::string text = sim::styleFileText(advisor_.styleShown(), advisor_.game().playStyle());
    if (!writeFileAtomic(std::filesystem::path(file.toStdU16String()), text, nullptr, true)) {
        return showProblem("Cannot write the style file " + file + ".");
    }
    sentence_->setText("The style is saved in " + file + ".");
}

void SimDialog::chooseComparison() {
    const QString file = chooseFile_(false);
    if (file.isEmpty()) {
        compareFile_.reset();
        compareWith_->setText("Co&mpare With...");
        return;
    }
    compareFile_ = std::filesystem::path(file.toStdU16String());
    compareWith_->setText("Compare With: " + qs(compareFile_->filename().string()));
}

void SimDialog::fillTable(const sim::Report& r) {
    const QString interval =
        r.ci95 ? percent((*r.ci95)[0]) + " to " + percent((*r.ci95)[1]) : "n/a";
    std::vector<std::pair<QString, QString>> rows = {
        {"Sessions", QString::number(r.sessions)},
        {"Spins", QString::number(r.spins)},
        {"Staked", dollars(static_cast<double>(r.staked))},
        {"Net", dollars(r.net)},
        {"Return per $ staked", r.returnPerStaked ? percent(*r.returnPerStaked) : "n/a"},
        {"95 % interval", interval},
        {"House edge", percent(sim::kHouseEdge)},
        {"Sessions won / lost",
         QString::number(r.sessionsWon) + " / " + QString::number(r.sessionsLost)},
        {"Sessions that never bet", QString::number(r.sessionsNeverBet)},
        {"Went broke", percent(r.ruin) + (r.ruinCi95 ? " (" + percent((*r.ruinCi95)[0]) + " to " +
                                                           percent((*r.ruinCi95)[1]) + ")"
                                                     : QString())},
        {"Mean session", dollars(r.meanSession) +
                             (r.meanSessionCi95 ? " (" + dollars((*r.meanSessionCi95)[0]) + " to " +
                                                      dollars((*r.meanSessionCi95)[1]) + ")"
                                                : QString())},
        {"Median session", dollars(r.percentiles[2])},
        {"5 % / 95 % of sessions", dollars(r.percentiles[0]) + " / " + dollars(r.percentiles[4])},
        {"Worst / best session", dollars(r.worstSession) + " / " + dollars(r.bestSession)},
        {"Max drawdown", dollars(r.maxDrawdown)},
        {"Largest stake on a spin", dollars(static_cast<double>(r.largestStake))},
        {"Ended: quit / switch / broke / max",
         QString::number(r.endedBy[0]) + " / " + QString::number(r.endedBy[1]) + " / " +
             QString::number(r.endedBy[2]) + " / " + QString::number(r.endedBy[3])},
    };
    if (r.endedBy[static_cast<int>(sim::Ending::Limit)] > 0) {
        rows.emplace_back("Ended by a limit: loss / win / time",
                          QString::number(r.limitsHit[0]) + " / " +
                              QString::number(r.limitsHit[1]) + " / " +
                              QString::number(r.limitsHit[2]));
    }
    if (r.compare) {
        const sim::Difference& d = r.meanSessionDifference;
        rows.emplace_back("Mean session, less compared",
                          dollars(d.value) + (d.ci95 ? " (" + dollars((*d.ci95)[0]) + " to " +
                                                           dollars((*d.ci95)[1]) + ")"
                                                     : QString()));
        const sim::Difference& b = r.ruinDifference;
        rows.emplace_back("Went broke, less compared",
                          percent(b.value) + (b.ci95 ? " (" + percent((*b.ci95)[0]) + " to " +
                                                           percent((*b.ci95)[1]) + ")"
                                                     : QString()));
    }
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        table_->setItem(i, 0, new QTableWidgetItem(rows[static_cast<std::size_t>(i)].first));
        auto* value = new QTableWidgetItem(rows[static_cast<std::size_t>(i)].second);
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(i, 1, value);
    }
    // A figure and its per cent sign stay on one line.
    sentence_->setText(
        qs(sim::plainWords(r) + sim::costSentence(r)).replace(" %", QString(QChar(0x00A0)) + "%"));
}

}  // namespace brisvale::app
