// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Help > Instructions: the user guide that ships with the program, read offline beside the
// window.

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace brisvale::app {

// The guide installed with the program (found from the program's own folder first, then in
// the system's data folders); the expected place when there is none.
QString installedGuide();

class GuideDialog final : public QDialog {
  public:
    // `guideFile` is the guide's Markdown; its pictures are found beside it.
    GuideDialog(const QString& guideFile, QWidget* parent);

    QTextBrowser* browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};

}  // namespace brisvale::app
