// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keys.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>

namespace qv::frame {

bool takesFocus(ControlKind kind)
{
    return kind == ControlKind::TextField || kind == ControlKind::Button || kind == ControlKind::CheckBox;
}

void followTabIndices(const FormDesign& design, const std::function<QWidget*(const char*)>& control)
{
    std::vector<const Control*> order;
    for (const Control& c : design.controls)
        if (takesFocus(c.kind))
            order.push_back(&c);
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(control(order[i - 1]->name), control(order[i]->name));
}

const Control* firstTabStop(const FormDesign& design, const std::function<bool(const Control&)>& shown)
{
    const Control* first = nullptr;
    for (const Control& c : design.controls)
        if (takesFocus(c.kind) && shown(c) && (!first || c.tabIndex < first->tabIndex))
            first = &c;
    return first;
}

HeldKeys& HeldKeys::watch()
{
    static HeldKeys* keys = [] {
        auto* k = new HeldKeys(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(k);
        return k;
    }();
    return *keys;
}

bool HeldKeys::repeats(const QKeyEvent* press) const
{
    const auto it = keys_.find(press->key());
    return press->isAutoRepeat() || (it != keys_.end() && it->second.repeating);
}

void HeldKeys::forgetDown()
{
    for (auto& [key, state] : keys_)
        state.down = false;
}

bool HeldKeys::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::ApplicationStateChange && QGuiApplication::applicationState() != Qt::ApplicationActive) {
        // A key let go in another program was never seen let go here.
        forgetDown();
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    // A key event comes to the window first (Qt's QWindow of the widgets),
    // which hands the same event on to the focused widget: it is counted
    // where it reaches a widget, once.
    const auto* at = qobject_cast<const QWidget*>(watched);
    if (!at)
        return false;
    // The same event passed on to the widgets around the one it was sent to.
    const auto* before = qobject_cast<const QWidget*>(seenAt_.data());
    const bool passedOn = event == seen_ && type == seenType_ && before && at != before && at->isAncestorOf(before);
    seenAt_ = watched;
    if (passedOn)
        return false;
    seen_ = event;
    seenType_ = type;
    const auto* key = static_cast<const QKeyEvent*>(event);
    Key& state = keys_[key->key()];
    if (type == QEvent::KeyPress) {
        const quint64 time = key->timestamp();
        state.repeating = key->isAutoRepeat() || state.down || (time != 0 && time == state.released);
        state.down = true;
    } else if (!key->isAutoRepeat()) {
        state.down = false;
        state.released = key->timestamp();
    }
    return false;
}

void EnterKeys::watchButton(QAbstractButton* button)
{
    HeldKeys::watch();
    button->installEventFilter(this);
}

void EnterKeys::watchField(QLineEdit* field)
{
    HeldKeys::watch();
    field->installEventFilter(this);
}

bool EnterKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button)
            button = default_; // in a text field
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (button && plain && !HeldKeys::watch().repeats(key) && button->isEnabled()
            && button->isVisibleTo(button->window()))
            button->click();
        return true;
    }
    return false;
}

void FieldClicks::add(QWidget* field, std::function<void()> handler)
{
    field->installEventFilter(this);
    clicks_.push_back({field, std::move(handler)});
}

bool FieldClicks::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        auto* w = static_cast<QWidget*>(watched);
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (w->rect().contains(at))
            for (const Click& click : clicks_)
                if (click.field == watched)
                    click.handler();
    }
    return false;
}

} // namespace qv::frame
