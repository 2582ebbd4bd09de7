// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/advanced_panel.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "advisor/control_table.hpp"
#include "app/control_binder.hpp"
#include "app/qt_ports.hpp"
#include "model/bets.hpp"
#include "view/form.hpp"

namespace brisvale::app {
namespace {

const QString kLowTip = "The lowest number of spins before a bet can be make.";
const QString kHighTip = "The highest number of spins before a bet can be make.";
const QString kRandomTip =
    "Randomly generate when the next bet should occur based on the Low/High settings.";
const QString kHowManyTip = "How many of these bets that will be shown at once.";

QComboBox* list(ControlBinder& binder, const std::string& name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    binder.bindList(box, name);
    return box;
}

}  // namespace

AdvancedPanel::AdvancedPanel(ControlBinder& binder, QWidget* parent)
    : QWidget(parent),
      Label12_(new QLabel(this)),
      Label35_(new QLabel(this)),
      Label41_(new QLabel(this)) {
    setObjectName("AdvancedPanel");
    auto* outer = new QGridLayout(this);
    outer->setContentsMargins(6, 2, 6, 4);
    outer->setHorizontalSpacing(14);
    outer->setVerticalSpacing(2);

    auto* top = new QHBoxLayout;
    // The section's name, as the messages that send the player here call it.
    auto* title = new QLabel("Advanced Settings", this);
    title->setObjectName("AdvancedTitle");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    top->addWidget(title);
    top->addSpacing(12);
    auto* aggressive = new QRadioButton("Aggressive Defaults", this);
    aggressive->setToolTip("Increase your betting chances, but at a higher risk.");
    binder.bindOption(aggressive, "Option2");
    auto* conservative = new QRadioButton("Conservative Defaults", this);
    conservative->setToolTip("Decrease your betting chances, but at a lower risk.");
    binder.bindOption(conservative, "Option3");
    auto* careful = new QCheckBox("Conservative Betting", this);
    careful->setToolTip("Quits betting at half the suggested wagering requirement.");
    binder.bindCheck(careful, "Check8");
    auto* spins = list(binder, "cboSpins", this);
    spins->setToolTip("The amount of seconds required between spins.");
    top->addWidget(aggressive);
    top->addWidget(conservative);
    top->addSpacing(16);
    top->addWidget(careful);
    top->addSpacing(16);
    top->addWidget(new QLabel("Spin Interval:", this));
    top->addSpacing(3);
    top->addWidget(spins);
    top->addStretch();
    outer->addLayout(top, 0, 0, 1, 3);

    // Two blocks of four families: Even to Line, then Corner to Single.
    for (int block = 0; block < 2; ++block) {
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(5);
        grid->setVerticalSpacing(1);
        auto* header = new QLabel("How many", this);
        header->setToolTip(kHowManyTip);
        grid->addWidget(header, 0, 6);
        for (int i = 0; i < 4; ++i) addFamilyRow(binder, grid, block * 4 + i, i + 1, 0);
        outer->addLayout(grid, 1, block);
    }

    auto* figures = new QGridLayout;
    figures->setVerticalSpacing(1);
    Label12_->setObjectName("Label12");
    Label12_->setToolTip(
        "The MINIMUM ammount you need in your account to successfully bet with "
        "the selected Minimum Wager.");
    Label41_->setObjectName("Label41");
    Label41_->setToolTip("The table must allow you to bet this much on a SINGLE SPOT");
    Label35_->setObjectName("Label35");
    figures->addWidget(Label12_, 0, 0, 1, 2);
    figures->addWidget(Label41_, 1, 0, 1, 2);
    figures->addWidget(Label35_, 2, 0, 1, 2);
    figures->addWidget(new QLabel("Wins per table:", this), 3, 0);
    figures->addWidget(list(binder, "cboWins", this), 3, 1);
    figures->addWidget(new QLabel("Play time:", this), 4, 0);
    figures->addWidget(list(binder, "cboTime", this), 4, 1);
    figures->setRowStretch(5, 1);
    outer->addLayout(figures, 1, 2);
    outer->setColumnStretch(2, 1);
    outer->setRowStretch(2, 1);
}

void AdvancedPanel::addFamilyRow(ControlBinder& binder, QGridLayout* grid, int family, int row,
                                 int column) {
    const bool single = family == static_cast<int>(Family::Single);
    grid->addWidget(new QLabel(toQt(familyName(static_cast<Family>(family))), this), row, column);

    grid->addWidget(new QLabel("Low:", this), row, column + 1);
    auto* low = new QLineEdit(this);
    low->setFixedWidth(34);
    // The single-number boxes carry each other's tooltips, as they always have.
    low->setToolTip(single ? kHighTip : kLowTip);
    binder.bindText(low, std::string(thresholdBoxName(family, false)));
    grid->addWidget(low, row, column + 2);

    auto* highLabel = new QLabel("High:", this);
    highLabel->setObjectName(toQt(highLabelName(family)));
    highLabels_[static_cast<std::size_t>(family)] = highLabel;
    grid->addWidget(highLabel, row, column + 3);
    auto* high = new QLineEdit(this);
    high->setFixedWidth(34);
    high->setToolTip(single ? kLowTip : kHighTip);
    binder.bindText(high, std::string(thresholdBoxName(family, true)));
    grid->addWidget(high, row, column + 4);

    auto* randomCheck = new QCheckBox("Random", this);
    randomCheck->setToolTip(kRandomTip);
    binder.bindCheck(randomCheck, std::string(randomBoxName(family)));
    grid->addWidget(randomCheck, row, column + 5);

    if (family > 0) {
        auto* howMany = list(binder, std::string(howManyName(family - 1)), this);
        howMany->setToolTip(kHowManyTip);
        grid->addWidget(howMany, row, column + 6);
    }
}

void AdvancedPanel::render(const Form& form) {
    for (int family = 0; family < kFamilyCount; ++family) {
        if (QLabel* label = highLabels_[static_cast<std::size_t>(family)]) {
            label->setEnabled(form.threshold(family).highLabelEnabled);
        }
    }
    for (auto [label, model] : {std::pair{Label12_, &form.minimumBalanceLabel},
                                {Label35_, &form.totalRiskLabel},
                                {Label41_, &form.betCycleLabel}}) {
        const QString caption = toQt(model->caption);
        if (label->text() != caption) label->setText(caption);
        label->setVisible(model->visible);
        label->setEnabled(model->enabled);
    }
}

}  // namespace brisvale::app
