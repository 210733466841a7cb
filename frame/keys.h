// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Focus and keys: the order Tab walks a window in, what Enter presses, and
// the clicks on text fields that run a handler.
#pragma once

#include "design.h"

#include <QAbstractButton>
#include <QEvent>
#include <QObject>
#include <QPointer>

#include <functional>
#include <map>
#include <vector>

class QKeyEvent;
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

// Which keys are held down, for the whole application, so that a key held
// down counts as pressed once, whatever the window system says of its
// repeats: a repeat is a press marked as one, a press of a key not released
// since it went down, or a press at the very time the key was released (an
// X server sends a held key's repeats as a release and a press of the same
// time, which Qt does not always recognise as a repeat).
class HeldKeys : public QObject {
public:
    using QObject::QObject;
    // The tracker, watching the application's key events from the first call on.
    static HeldKeys& watch();
    // Whether the press being delivered repeats a key held down.
    bool repeats(const QKeyEvent* press) const;
    // Takes every key for let go. A modal box calls it as it opens: Qt
    // passes no key event to the windows the box blocks, so the release of
    // a key pressed just before may never be seen; a key still held repeats
    // as the window system marks its repeats, which the box passes over.
    void forgetDown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Key {
        bool down = false;
        bool repeating = false;  // the last press was a repeat
        quint64 released = 0;    // when it was last released, 0: never
    };
    std::map<int, Key> keys_;
    // The event seen last and where, so that an event passed on from a
    // field to the widgets around it counts once.
    const QEvent* seen_ = nullptr;
    QEvent::Type seenType_ = QEvent::None;
    QPointer<const QObject> seenAt_;
};

// Enter (the keypad's too), for the buttons and text fields of a window:
//  - Enter on a focused button presses it, as Space does;
//  - Enter in a text field presses the window's default button, its
//    Calculate, so that a changed number is calculated at once;
//  - neither when the key repeats because it is held down (HeldKeys: a
//    held Enter presses once, and a failing Calculate opens one message),
//    nor with Ctrl, Alt or Meta held; Enter does nothing else in these
//    controls.
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
