// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/wagering_dialog.hpp"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextDocument>

#include "app/qt_ports.hpp"

namespace brisvale::app {
namespace {

constexpr const char* kFamilies[] = {
    "Even:", "Dozen:", "Row:", "Line:", "Corner:", "Trio:", "Split:", "Single:"};

void fillList(QComboBox* combo, const ListBox& list) {
    if (combo->count() != static_cast<int>(list.items.size())) {
        QStringList items;
        for (const std::string& item : list.items) items.push_back(toQt(item));
        combo->clear();
        combo->addItems(items);
    }
    if (combo->currentIndex() != list.index) combo->setCurrentIndex(list.index);
    combo->setEnabled(list.enabled);
}

}  // namespace

WageringDialog::WageringDialog(Actions actions, QWidget* parent)
    : QDialog(parent),
      actions_(std::move(actions)),
      Check1_(new QCheckBox(this)),
      Combo1_(new QComboBox(this)),
      Combo2_(new QComboBox(this)) {
    setObjectName("frmWagering");
    setWindowTitle("Custom Wagering");
    setWindowModality(Qt::ApplicationModal);
    auto* grid = new QGridLayout(this);

    for (int i = 1; i <= 8; ++i) {
        QWidget* box = nullptr;
        if (i >= 6) {
            auto* tall = new QPlainTextEdit(this);
            tall->setTabChangesFocus(true);
            tall->setWordWrapMode(QTextOption::WrapAnywhere);
            // Whole lines only: the longest default sequences take two (Trio) and three (Split,
            // Single), with room to spare for the line spacing's rounding.
            const int lines = i == 6 ? 2 : 3;
            const double margin = tall->document()->documentMargin();
            tall->setFixedHeight(lines * tall->fontMetrics().lineSpacing() +
                                 static_cast<int>(2 * margin) + 2 * tall->frameWidth() + 4);
            box = tall;
        } else {
            box = new QLineEdit(this);
        }
        box->setObjectName(QStringLiteral("Text%1").arg(i));
        box->installEventFilter(this);
        boxes_[static_cast<std::size_t>(i)] = box;
        grid->addWidget(new QLabel(kFamilies[i - 1], this), i - 1, 0,
                        Qt::AlignRight | Qt::AlignTop);
        grid->addWidget(box, i - 1, 1, 1, 3);
    }
    setMinimumWidth(620);

    auto* increase = new QHBoxLayout;
    Check1_->setObjectName("Check1");
    Check1_->setText("Auto-increase min wager by");
    Combo2_->setObjectName("Combo2");
    Combo1_->setObjectName("Combo1");
    increase->addWidget(Check1_);
    increase->addWidget(Combo2_);
    increase->addWidget(new QLabel("chip(s) when", this));
    increase->addWidget(Combo1_);
    increase->addWidget(new QLabel("chips are won.", this));
    increase->addStretch();
    grid->addLayout(increase, 8, 0, 1, 4);

    auto* help = new QLabel(
        "Wagering values must be numbers seperated by commas, with either an S or a Q to end the "
        "sequence.  S will produce a \"Spin Only: and Q will produce a \"Quit Now\" screen.  The "
        "sequence can not begin with an 'S' or a 'Q'.",
        this);
    help->setObjectName("Label9");
    help->setWordWrap(true);
    grid->addWidget(help, 9, 0, 1, 4);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const char* names[] = {"Command1", "Command2", "Command3"};
    const char* captions[] = {"Defaults", "OK", "Cancel"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(captions[i], this);
        button->setObjectName(names[i]);
        button->setAutoDefault(false);
        const std::string name = std::string("frmWagering.") + names[i];
        connect(button, &QPushButton::clicked, this, [this, name] {
            commitTexts();
            actions_.press(name);
        });
        buttons->addWidget(button);
    }
    grid->addLayout(buttons, 10, 0, 1, 4);

    connect(Check1_, &QCheckBox::clicked, this, [this] {
        actions_.set("frmWagering.Check1", shown_ && shown_->autoIncrease.value == 1 ? "0" : "1");
    });
    connect(Combo1_, &QComboBox::activated, this, [this](int index) {
        actions_.set("frmWagering.Combo1", fromQt(Combo1_->itemText(index)));
    });
    connect(Combo2_, &QComboBox::activated, this, [this](int index) {
        actions_.set("frmWagering.Combo2", fromQt(Combo2_->itemText(index)));
    });
}

QString WageringDialog::boxText(int box) const {
    QWidget* w = boxes_[static_cast<std::size_t>(box)];
    if (auto* line = qobject_cast<QLineEdit*>(w)) return line->text();
    return static_cast<QPlainTextEdit*>(w)->toPlainText();
}

void WageringDialog::setBoxText(int box, const QString& text) {
    QWidget* w = boxes_[static_cast<std::size_t>(box)];
    if (boxText(box) == text) return;
    const QSignalBlocker blocker(w);
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        line->setText(text);
        line->setCursorPosition(0);  // a long sequence shows its start
    } else {
        static_cast<QPlainTextEdit*>(w)->setPlainText(text);
    }
}

void WageringDialog::render(const WageringForm& form) {
    shown_ = &form;
    for (int i = 1; i <= 8; ++i) {
        QWidget* w = boxes_[static_cast<std::size_t>(i)];
        // Never overwrite what the user is typing.
        const TextBox& box = form.sequenceBoxes[static_cast<std::size_t>(i - 1)];
        if (!w->hasFocus()) setBoxText(i, toQt(box.text));
        w->setEnabled(box.enabled);
    }
    {
        const QSignalBlocker blocker(Check1_);
        Check1_->setChecked(form.autoIncrease.value == 1);
        Check1_->setEnabled(form.autoIncrease.enabled);
    }
    const QSignalBlocker b1(Combo1_), b2(Combo2_);
    fillList(Combo1_, form.increaseChips);
    fillList(Combo2_, form.increaseSteps);
}

void WageringDialog::focusBox(int box) {
    if (box >= 1 && box <= 8) boxes_[static_cast<std::size_t>(box)]->setFocus(Qt::OtherFocusReason);
}

void WageringDialog::commitTexts() {
    if (!shown_) return;
    for (int i = 1; i <= 8; ++i) {
        const std::string text = fromQt(boxText(i));
        if (text != shown_->sequenceBoxes[static_cast<std::size_t>(i - 1)].text) {
            actions_.set("frmWagering.Text" + std::to_string(i), text);
        }
    }
}

bool WageringDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        commitTexts();
    } else if (event->type() == QEvent::KeyPress && qobject_cast<QPlainTextEdit*>(watched)) {
        // A sequence is one line of text, even in the taller boxes.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
    }
    return QDialog::eventFilter(watched, event);
}

void WageringDialog::closeEvent(QCloseEvent* event) {
    // The window hides the dialog once the core has closed it.
    event->ignore();
    if (!isVisible() || !shown_ || !shown_->open) return;
    commitTexts();
    actions_.closeBox();
}

void WageringDialog::reject() {
    if (!shown_ || !shown_->open) {
        QDialog::reject();
        return;
    }
    commitTexts();
    actions_.press("frmWagering.Command3");
}

}  // namespace brisvale::app
