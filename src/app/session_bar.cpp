// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session_bar.hpp"

#include <QHBoxLayout>

#include "advisor/advisor.hpp"
#include "app/qt_ports.hpp"
#include "util/numbers.hpp"

namespace brisvale::app {
namespace {

QString dollars(double amount) {
    return (amount < 0 ? "-$" : "$") + toQt(formatNumber(amount < 0 ? -amount : amount));
}

}  // namespace

SessionBar::SessionBar(const Advisor& advisor, QWidget* parent)
    : QWidget(parent), advisor_(advisor) {
    setObjectName("SessionBar");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 4, 0);
    layout->setSpacing(14);
    const char* names[] = {"sessionTime", "sessionSpins", "sessionStaked", "sessionNet"};
    const char* tips[] = {"Play time since Brisvale started", "Spins entered this session",
                          "Money put on the table this session", "Won less lost this session"};
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_[i] = new QLabel(this);
        fields_[i]->setObjectName(names[i]);
        fields_[i]->setToolTip(tips[i]);
        layout->addWidget(fields_[i]);
    }
    connect(&timer_, &QTimer::timeout, this, &SessionBar::render);
    timer_.start(1000);
    render();
}

void SessionBar::render() {
    const SessionView view = advisor_.safety().session();
    const QString texts[] = {"Play " + toQt(clockText(view.seconds)),
                             "Spins " + QString::number(view.tally.spins),
                             "Staked " + dollars(static_cast<double>(view.tally.staked)),
                             "Net " + dollars(view.tally.net)};
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i]->text() != texts[i]) fields_[i]->setText(texts[i]);
    }
}

}  // namespace brisvale::app
