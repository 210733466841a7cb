// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one place where failures are reported to the user.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace qv::frame {

// Reports the words in a modal message box beside the window, once the
// event that led here has returned: a box never opens inside a handler, a
// key or mouse filter, or a catch, so nothing it does can run a handler of
// the window again from inside itself. It stands beside the window,
// measured as it is laid out, so that it covers none of the window's fields
// and buttons where the screen has room (placeMessage). The box is an alert
// to assistive technology, which a screen reader speaks whole as it
// appears. One box at a time per window: while one is on its way or up,
// reporting() is true, and a window calculates nothing. The box's property
// "failure" holds the failure's kind in English ("conversion", "overflow",
// ...), whatever the language of its words.
void report(QWidget* window, const QString& words, const QString& kind = {});

// Whether a box of the window's is on its way or up.
bool reporting(const QWidget* window);

// Runs the action. Anything it throws (a calculation's own failures never
// reach here: a formula's run catches them) is reported as an unexpected
// error, and the application keeps running. Returns whether it ran to its end.
bool guarded(QWidget* window, const std::function<void()>& action);

} // namespace qv::frame
