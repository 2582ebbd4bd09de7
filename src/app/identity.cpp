// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/identity.hpp"

#include <QGuiApplication>

namespace brisvale::app {

void setApplicationIdentity(const char* version, const char* desktopId) {
    QCoreApplication::setApplicationName("brisvale");
    QCoreApplication::setApplicationVersion(version);
    QGuiApplication::setDesktopFileName(desktopId);
}

}  // namespace brisvale::app
