// The one place where a handler's failure is caught and reported.
#pragma once

#include <functional>

class QWidget;

namespace qv::frame {

// Runs the handler. A calculation failure (qv::Failure) stops it where it
// was thrown and is reported in a modal message box over parent that names
// its kind; any other exception is reported as an unexpected error. Nothing
// escapes: the application keeps running.
void runReported(QWidget* parent, const std::function<void()>& handler);

} // namespace qv::frame
