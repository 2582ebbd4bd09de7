// SPDX-License-Identifier: GPL-3.0-or-later
// The window draws every control of the control table, under its name and as its kind.

#include <gtest/gtest.h>

#include "advisor/control_table.hpp"
#include "harness.hpp"

namespace brisvale::gui_test {
namespace {

bool drawnAs(QObject* object, ControlKind kind) {
    switch (kind) {
        case ControlKind::Check:
            return qobject_cast<QCheckBox*>(object);
        case ControlKind::Option:
            return qobject_cast<QRadioButton*>(object);
        case ControlKind::Text:
            return qobject_cast<QLineEdit*>(object) || qobject_cast<QPlainTextEdit*>(object) ||
                   qobject_cast<QTextEdit*>(object);
        case ControlKind::List:
            return qobject_cast<QComboBox*>(object);
        case ControlKind::Button:
            // Replay History sits in the Tools menu.
            return qobject_cast<QPushButton*>(object) || qobject_cast<QAction*>(object);
        case ControlKind::Label:
            return qobject_cast<QLabel*>(object);
    }
    return false;
}

// The dialog has names of its own (Command1, Text1...): the main window's are looked for
// outside it.
TEST(ControlTable, EveryControlIsDrawnUnderItsName) {
    Session s;
    QWidget* dialog = s.window->wageringDialog();
    ASSERT_NE(dialog, nullptr);
    const auto check = [](const ControlEntry& c, QObject* object) {
        SCOPED_TRACE(std::string(c.name));
        ASSERT_NE(object, nullptr);
        EXPECT_TRUE(drawnAs(object, c.kind)) << object->metaObject()->className();
    };
    for (const ControlEntry& c : controlTable()) {
        if (c.wageringDialog) continue;
        const QString name = QString::fromUtf8(c.name);
        QObject* object = nullptr;
        for (QWidget* w : s.window->findChildren<QWidget*>(name)) {
            if (!dialog->isAncestorOf(w)) object = w;
        }
        if (!object && c.kind == ControlKind::Button) object = s.window->action(name);
        check(c, object);
    }
    constexpr std::string_view kDialog = "frmWagering.";
    for (const ControlEntry& c : controlTable()) {
        if (!c.wageringDialog) continue;
        check(c, dialog->findChild<QWidget*>(QString::fromUtf8(c.name.substr(kDialog.size()))));
    }
}

}  // namespace
}  // namespace brisvale::gui_test
