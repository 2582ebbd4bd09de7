// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box: the product picture, the build date, two notices, the clickable
// "Terms and Conditions" and an OK button.

#include <QDialog>
#include <functional>

namespace brisvale::app {

class AboutDialog final : public QDialog {
  public:
    AboutDialog(const QString& buildDate, std::function<void()> openTerms, QWidget* parent);
};

}  // namespace brisvale::app
