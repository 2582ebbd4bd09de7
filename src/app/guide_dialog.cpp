// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/guide_dialog.hpp"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace brisvale::app {

QString installedGuide() {
    // The install's layout relative to bin/, set by the build; the build tree mirrors it.
    const QString beside = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" +
                                           QStringLiteral(BRISVALE_GUIDE_FROM_BIN) + "/guide.md");
    if (QFileInfo::exists(beside)) return beside;
    const QString shared =
        QStandardPaths::locate(QStandardPaths::GenericDataLocation, "brisvale/guide/guide.md");
    return shared.isEmpty() ? beside : shared;
}

GuideDialog::GuideDialog(const QString& guideFile, QWidget* parent)
    : QDialog(parent), browser_(new QTextBrowser(this)) {
    setWindowTitle(tr("Brisvale Guide"));
    setObjectName("frmGuide");
    browser_->setObjectName("guide");
    browser_->setOpenExternalLinks(true);
    if (QFileInfo(guideFile).isReadable()) {
        browser_->setSource(QUrl::fromLocalFile(guideFile), QTextDocument::MarkdownResource);
    } else {
        browser_->setMarkdown(tr("# The guide is missing\n\nBrisvale could not find its guide "
                                 "at `%1`. Installing Brisvale again puts it back.")
                                  .arg(QDir::toNativeSeparators(guideFile)));
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
    // Wide enough for the window's screenshots in the guide.
    resize(880, 680);
}

}  // namespace brisvale::app
