// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one place where a handler's failure is caught and reported.
#pragma once

#include <QString>

#include <functional>
#include <string_view>

class QWidget;

namespace qv {
class Failure;
}

namespace qv::frame {

// Runs the handler. A calculation failure (qv::Failure) stops it where it
// was thrown; onFailure runs (a window empties the results the handler did
// not reach) and gives the words of the message, whose first words name the
// kind; without it the message names the field that could not be read, as
// the user knows it. Then a modal message box reports the failure. It stands
// beside the window, measured as it is laid out, so that it covers none of
// the window's fields and buttons where the screen has room (placeMessage).
// Any other exception is reported as an unexpected error. Nothing escapes:
// the application keeps running. Returns whether the handler ran to its end.
// The box is an alert to assistive technology, which a screen reader speaks
// whole as it appears.
bool runReported(QWidget* window, const std::function<void()>& handler,
                 const std::function<QString(const Failure&)>& onFailure = {});

// What the user knows a field of the window by: its accessible name where it
// has one, else the caption of the label that names it, without the spaces,
// colon and final "is" that lead over to the field ("The  Quotient is " names
// "The Quotient"), else its own name.
QString fieldName(const QWidget* window, std::string_view field);

} // namespace qv::frame
