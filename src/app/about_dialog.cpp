// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_dialog.hpp"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app/app_icon.hpp"

namespace brisvale::app {

AboutDialog::AboutDialog(const QString& buildDate, std::function<void()> openTerms, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("About Brisvale"));
    setObjectName("frmAbout");

    auto* picture = new QLabel(this);
    picture->setPixmap(productPicture(96));
    auto* title = new QLabel(tr("<b>Brisvale</b> roulette advisor"), this);
    const QString version = QCoreApplication::applicationVersion();
    auto* build = new QLabel(version.isEmpty() ? tr("Built %1").arg(buildDate)
                                               : tr("Version %1\nBuilt %2").arg(version, buildDate),
                             this);
    build->setObjectName("build");
    auto* notice1 = new QLabel(
        tr("Brisvale gives advice only. Every bet is the player's own decision and risk."), this);
    auto* notice2 =
        new QLabel(tr("Play only where online gambling is legal for you, and never with money you "
                      "cannot afford to lose."),
                   this);
    auto* keys = new QLabel(tr("Keyboard: type a number on the board (two digits within a second "
                               "for 10 to 36) and press Enter to submit it."),
                            this);
    keys->setObjectName("keys");
    for (QLabel* label : {notice1, notice2, keys}) label->setWordWrap(true);

    // A label that behaves like a link but runs the core's own terms action.
    auto* terms = new QLabel(QStringLiteral("<a href=\"#terms\">Terms and Conditions</a>"), this);
    terms->setObjectName("Label4");
    terms->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(terms, &QLabel::linkActivated, this, [openTerms](const QString&) {
        if (openTerms) openTerms();
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("Command1");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, 5, 1, Qt::AlignTop);
    layout->addWidget(title, 0, 1);
    layout->addWidget(build, 1, 1);
    layout->addWidget(notice1, 2, 1);
    layout->addWidget(notice2, 3, 1);
    layout->addWidget(keys, 4, 1);
    layout->addWidget(terms, 5, 1);
    layout->addWidget(buttons, 6, 0, 1, 2);
    setFixedWidth(420);
}

}  // namespace brisvale::app
