// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Copy all": a whole window as plain text, for the clipboard.
#pragma once

#include <QString>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace qv::frame {

// Gives the window the action "Copy all" (Ctrl+Shift+C), which puts the
// text made by copyText on the clipboard, as plain text; the window's and
// its fields' context menus offer it.
void offerCopyAll(QWidget& window, std::function<QString()> copyText);

// The window's "Copy all" action that a field's context menu offers: the
// first one found on the field's parents, or nullptr.
QAction* copyAllAction(const QWidget* field);

// Adds an entry to the menu that triggers that action, where there is one.
void addCopyAllEntry(QMenu* menu, const QWidget* from);

// The name of the window's "Copy all" action (its objectName).
inline constexpr const char* copyAllName = "copy-all";

// A field's text for a line of copied text: a tab or line break in it,
// which would make another column or line, as a space.
QString oneLine(QString text);

} // namespace qv::frame
