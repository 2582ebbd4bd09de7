// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/control_binder.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "advisor/control_table.hpp"
#include "app/qt_ports.hpp"

namespace brisvale::app {
namespace {

std::optional<ControlView> viewOf(const Advisor& advisor, const std::string& name) {
    for (ControlView& view : panelControls(advisor.form())) {
        if (view.name == name) return std::move(view);
    }
    return std::nullopt;
}

}  // namespace

ControlBinder::ControlBinder(const Advisor& advisor, SetAction onSet, QObject* parent)
    : QObject(parent), advisor_(advisor), onSet_(std::move(onSet)) {}

void ControlBinder::bindCheck(QCheckBox* box, const std::string& name) {
    box->setObjectName(QString::fromStdString(name));
    box->setTristate(name == "chk7");
    bindings_.push_back({name, box, ControlView::Kind::Check});
    // A click asks for the opposite of what the core shows; a grey box asks to be ticked.
    connect(box, &QCheckBox::clicked, this, [this, name] {
        const auto view = viewOf(advisor_, name);
        onSet_(name, view && view->check == 1 ? "0" : "1");
    });
}

void ControlBinder::bindOption(QRadioButton* button, const std::string& name) {
    button->setObjectName(QString::fromStdString(name));
    // The core keeps the groups exclusive; Qt's own grouping would fight the rendering.
    button->setAutoExclusive(false);
    bindings_.push_back({name, button, ControlView::Kind::Option});
    connect(button, &QRadioButton::clicked, this, [this, name] { onSet_(name, "1"); });
}

void ControlBinder::bindList(QComboBox* list, const std::string& name) {
    list->setObjectName(QString::fromStdString(name));
    bindings_.push_back({name, list, ControlView::Kind::List});
    connect(list, &QComboBox::activated, this,
            [this, list, name](int index) { onSet_(name, fromQt(list->itemText(index))); });
}

void ControlBinder::bindText(QLineEdit* box, const std::string& name) {
    box->setObjectName(QString::fromStdString(name));
    bindings_.push_back({name, box, ControlView::Kind::Text});
    box->installEventFilter(this);
}

const ControlBinder::Binding* ControlBinder::find(const std::string& name) const {
    for (const Binding& b : bindings_) {
        if (b.name == name) return &b;
    }
    return nullptr;
}

QWidget* ControlBinder::widget(const std::string& name) const {
    const Binding* b = find(name);
    return b ? b->widget : nullptr;
}

void ControlBinder::render() {
    const Form& form = advisor_.form();
    rendering_ = true;
    for (const ControlView& view : panelControls(advisor_.form())) {
        const Binding* b = find(view.name);
        if (!b) continue;
        const QSignalBlocker blocker(b->widget);
        b->widget->setEnabled(view.enabled);
        switch (b->kind) {
            case ControlView::Kind::Check: {
                auto* box = static_cast<QCheckBox*>(b->widget);
                box->setCheckState(view.check == 1   ? Qt::Checked
                                   : view.check == 2 ? Qt::PartiallyChecked
                                                     : Qt::Unchecked);
                break;
            }
            case ControlView::Kind::Option:
                static_cast<QRadioButton*>(b->widget)->setChecked(view.option);
                break;
            case ControlView::Kind::List:
                if (const ControlEntry* control = findControl(view.name)) {
                    renderList(static_cast<QComboBox*>(b->widget), *listOf(form, *control));
                }
                break;
            case ControlView::Kind::Text: {
                auto* box = static_cast<QLineEdit*>(b->widget);
                // Text the user has typed stays until the box hands it over.
                if (box->isModified()) break;
                const QString text = toQt(view.text);
                if (box->text() != text) box->setText(text);
                break;
            }
        }
    }
    rendering_ = false;
}

void ControlBinder::renderList(QComboBox* combo, const ListBox& list) {
    bool same = combo->count() == static_cast<int>(list.items.size());
    for (int i = 0; same && i < combo->count(); ++i) {
        same = combo->itemText(i) == toQt(list.items[static_cast<std::size_t>(i)]);
    }
    if (!same) {
        QStringList items;
        items.reserve(static_cast<qsizetype>(list.items.size()));
        for (const std::string& item : list.items) items.push_back(toQt(item));
        combo->clear();
        combo->addItems(items);
    }
    if (combo->currentIndex() != list.index) combo->setCurrentIndex(list.index);
}

void ControlBinder::commitText(QLineEdit* box, const std::string& name) {
    if (committing_) return;
    committing_ = true;
    box->setModified(false);
    onSet_(name, fromQt(box->text()));
    committing_ = false;
}

void ControlBinder::commitFocusedText() {
    QWidget* focused = QApplication::focusWidget();
    for (const Binding& b : bindings_) {
        if (b.widget != focused || b.kind != ControlView::Kind::Text) continue;
        auto* box = static_cast<QLineEdit*>(b.widget);
        const auto view = viewOf(advisor_, b.name);
        if (view && box->isEnabled() && fromQt(box->text()) != view->text) commitText(box, b.name);
    }
}

void ControlBinder::focus(const std::string& name) {
    if (QWidget* w = widget(name)) {
        // The box losing the focus to this request is not left by the user: two refused
        // boxes must not hand the focus back and forth for ever.
        refocusing_ = true;
        w->setFocus(Qt::OtherFocusReason);
        refocusing_ = false;
        if (auto* box = qobject_cast<QLineEdit*>(w)) box->selectAll();
    }
}

bool ControlBinder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !rendering_ && !refocusing_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Another window or a popup taking the focus does not leave the box.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (const Binding& b : bindings_) {
                if (b.widget == watched && b.widget->isEnabled()) {
                    commitText(static_cast<QLineEdit*>(b.widget), b.name);
                }
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace brisvale::app
