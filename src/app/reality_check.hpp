// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reality check's box: how long the session has run and what it came to, with "Keep
// playing", "Stop here" and "Show my balance".

#include <QString>

#include "advisor/advisor.hpp"

class QWidget;

namespace brisvale::app {

// Shows the box (modal) and gives the button chosen; closing it counts as "Keep playing".
Advisor::CheckAnswer askRealityCheck(QWidget* parent, const SessionView& view,
                                     const QString& title);

}  // namespace brisvale::app
