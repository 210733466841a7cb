// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The widget factory: each row of a design table becomes a Qt widget in its
// designed state.
#pragma once

#include "design.h"

#include <QWidget>

class QLabel;
class QWidget;

namespace qv::frame {

// The control's widget, made in its container: a label (wrapping, its
// caption in plain text, or in a paragraph where its face's lines are set
// closer), a text field (a Field) with its initial text, a push button, a check box
// or a group box, with its font (its own, or its window's), its designed
// rectangle in pixels, its objectName and its accessible name.
QWidget* makeControl(const Control& control, const FormDesign& design, QWidget* container);

// A caption that wraps to more lines than its label was designed for
// grows the label downwards rather than losing its last words; upwards
// instead where growing down would cover another control (which would then
// lose clicks to the label) and the room above is free.
void growToCaption(QLabel* label);

// Tells assistive technology that a top-level widget of this class is a
// window (a frame to AT-SPI, announced by its title), not the anonymous
// pane a plain top-level widget would be.
void announceAsWindows(const char* className);


} // namespace qv::frame
