// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keys.h"

#include <QAbstractButton>
#include <QEvent>
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

void EnterKeys::watchButton(QAbstractButton* button) { button->installEventFilter(this); }

void EnterKeys::watchField(QLineEdit* field) { field->installEventFilter(this); }

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
        if (button && plain && !key->isAutoRepeat() && button->isEnabled() && button->isVisibleTo(button->window()))
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
