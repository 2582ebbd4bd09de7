// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/limits_dialog.hpp"

#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

#include "advisor/advisor.hpp"
#include "app/qt_ports.hpp"
#include "util/numbers.hpp"

namespace brisvale::app {
namespace {

QString valueText(LimitName name, const std::optional<double>& value) {
    if (!value) return name == LimitName::RealityCheck ? "off" : "none";
    const QString number = toQt(formatNumber(*value));
    if (name == LimitName::TimeDay || name == LimitName::RealityCheck) return number + " min";
    return "$" + number;
}

}  // namespace

LimitsDialog::LimitsDialog(Advisor& advisor, QWidget* parent)
    : QDialog(parent), advisor_(advisor), check_(new QComboBox(this)) {
    setObjectName("LimitsDialog");
    setWindowTitle("Limits");
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        "Limits you set for your own play. When one is reached, the spin under way settles and "
        "Brisvale advises no further bet.\nA lower limit, or a new one, applies at once. A "
        "higher one, or removing one, applies 24 hours later.",
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    const char* captions[] = {"&Loss limit per session:", "Loss limit per &day:",
                              "&Win goal per session:", "&Time limit per day:"};
    for (std::size_t i = 0; i < amounts_.size(); ++i) {
        const auto name = kLimitNames[i];
        auto* box = new QDoubleSpinBox(this);
        box->setObjectName(QString::fromLatin1(limitKey(name).data(), limitKey(name).size()));
        const bool minutes = name == LimitName::TimeDay;
        box->setRange(0, minutes ? 1440 : 1e9);
        box->setDecimals(minutes ? 0 : 2);
        box->setPrefix(minutes ? "" : "$");
        box->setSuffix(minutes ? " min" : "");
        box->setSpecialValueText("None");
        amounts_[i] = box;
        notes_[i] = new QLabel(this);
        form->addRow(captions[i], box);
        form->addRow("", notes_[i]);
    }
    check_->setObjectName("reality-check");
    check_->addItem("Off", 0);
    for (int minutes : {15, 30, 60, 120}) {
        check_->addItem(QString("Every %1 minutes").arg(minutes), minutes);
    }
    notes_[4] = new QLabel(this);
    form->addRow("&Reality check:", check_);
    form->addRow("", notes_[4]);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        const QString refused = apply();
        if (!refused.isEmpty()) {
            QMessageBox::warning(this, windowTitle(), refused);
            load();
            return;
        }
        accept();
    });
    load();
}

void LimitsDialog::load() {
    const LimitsView view = advisor_.safety().limits();
    for (std::size_t i = 0; i < notes_.size(); ++i) {
        const LimitName name = kLimitNames[i];
        const LimitEntry& e = view.book.entry(name);
        if (i < amounts_.size()) amounts_[i]->setValue(e.value.value_or(0));
        QString note;
        if (e.waiting) {
            const QDateTime at = QDateTime::fromMSecsSinceEpoch(e.appliesMs);
            note = (e.pending ? "Goes to " + valueText(name, e.pending) : QString("Goes off")) +
                   " on " + QLocale().toString(at, QLocale::ShortFormat);
        }
        if (view.reached && *view.reached == name) note = toQt(stopAdvice(name));
        notes_[i]->setText(note);
        notes_[i]->setVisible(!note.isEmpty());
    }
    const int minutes = static_cast<int>(view.book.value(LimitName::RealityCheck).value_or(0));
    check_->setCurrentIndex(std::max(0, check_->findData(minutes)));
}

QString LimitsDialog::apply() {
    const LimitsView view = advisor_.safety().limits();
    QStringList refused;
    const auto set = [&](LimitName name, double shown) {
        const std::optional<double> now = view.book.value(name);
        if (now.value_or(0) == shown) return;
        const std::string value = shown > 0 ? formatNumber(shown) : "none";
        const ActionResult r = advisor_.userSetLimit(limitKey(name), value);
        if (!r.ok) refused << toQt(r.error);
    };
    for (std::size_t i = 0; i < amounts_.size(); ++i) set(kLimitNames[i], amounts_[i]->value());
    set(LimitName::RealityCheck, check_->currentData().toInt());
    return refused.join("\n");
}

}  // namespace brisvale::app
