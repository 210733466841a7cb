// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Focus and keys: the order Tab walks a window in, the keys that press a
// button, and the clicks on text fields that run a handler.
#pragma once

#include "formdesign.h"

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

namespace qv::frame {

// Whether a control of this kind takes the keyboard focus.
bool takesFocus(ControlKind kind);

// Chains the focus of the window's controls in the order of their tab indices.
void followTabIndices(const FormDesign& design, const std::function<QWidget*(const char*)>& control);

// The control that takes the focus first: of those for which shown is true,
// the one with the lowest tab index; nullptr when none is shown.
const Control* firstTabStop(const FormDesign& design, const std::function<bool(const Control&)>& shown);

// Enter and the keypad's Enter press the focused button, as Space does.
class PressOnEnter : public QObject {
public:
    using QObject::QObject;
    void watch(QWidget* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
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
