// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Focus and keys: the order Tab walks a window in, what Enter presses, and
// the clicks on text fields that run a handler.
#pragma once

#include "design.h"

#include <QAbstractButton>
#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QLineEdit;
class QWidget;

namespace qv::frame {

// Whether a control of this kind takes the keyboard focus.
bool takesFocus(ControlKind kind);

// Chains the focus of the window's controls in the order of their tab indices.
void followTabIndices(const FormDesign& design, const std::function<QWidget*(const char*)>& control);

// The control that takes the focus first: of those for which shown is true,
// the one with the lowest tab index; nullptr when none is shown.
const Control* firstTabStop(const FormDesign& design, const std::function<bool(const Control&)>& shown);

// Enter (the keypad's too), for the buttons and text fields of a window:
//  - Enter on a focused button presses it, as Space does;
//  - Enter in a text field presses the window's default button, its
//    Calculate, so that a changed number is calculated at once;
//  - neither when the key repeats because it is held down (a failing
//    Calculate would open message after message), nor with Ctrl, Alt or
//    Meta held; Enter does nothing else in these controls.
class EnterKeys : public QObject {
public:
    using QObject::QObject;
    void watchButton(QAbstractButton* button);
    void watchField(QLineEdit* field);
    // The button Enter in a text field presses; nullptr: none.
    void setDefaultButton(QAbstractButton* button) { default_ = button; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QAbstractButton> default_;
};

// A click on a text field, locked ones too, runs its handler: the left
// button pressed and let go on the field.
class FieldClicks : public QObject {
public:
    using QObject::QObject;
    void add(QWidget* field, std::function<void()> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Click {
        QObject* field;
        std::function<void()> handler;
    };
    std::vector<Click> clicks_;
};

} // namespace qv::frame
