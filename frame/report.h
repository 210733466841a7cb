// The one place where a handler's failure is caught and reported.
#pragma once

#include <QString>

#include <functional>
#include <string_view>

class QWidget;

namespace qv::frame {

// Runs the handler. A calculation failure (qv::Failure) stops it where it
// was thrown; onFailure runs (a window empties the results the handler did
// not reach), then a modal message box reports the failure: its first words
// name the kind, and a failure to read a field names the field as the user
// knows it. The box stands beside the window where the screen has room for
// it, so that it covers none of the window's fields. Any other exception is
// reported as an unexpected error. Nothing escapes: the application keeps
// running.
void runReported(QWidget* window, const std::function<void()>& handler,
                 const std::function<void()>& onFailure = {});

// What the user knows a field of the window by: its accessible name where it
// has one, else the caption of the label that names it, without the spaces
// and colon that end it, else its own name.
QString fieldName(const QWidget* window, std::string_view field);

} // namespace qv::frame
