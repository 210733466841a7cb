// What start-up needs before the main window: the window icon, whether a
// display can be opened, and the words for a display that cannot.
#pragma once

#include <QIcon>
#include <QtGlobal>

class QMessageLogContext;
class QString;

namespace qv::app {

// The calculator's window icon, in the sizes up to 64 pixels that window
// managers show for a window (16, 24, 32, 48 and 64); the launcher and the
// desktop take the larger ones from the installed icon theme. Each size is
// decoded at start-up and sent to the X server, so the 128 and 256 pixel ones
// would cost 0.8 MiB.
QIcon calculatorIcon();

// Where a session names its display in the environment (X11 and Wayland, on
// Linux and the other Unix systems but Apple's): whether it names one, or
// names a Qt platform, so that a window can be tried. Elsewhere always true:
// Windows and macOS always have a display, and where none opens Qt says why.
bool haveDisplay();

// How to start the calculator where there is no display, for the messages.
extern const char* const whereToStart;

// Until the application is up, a fatal message from Qt means that no window
// system could be opened (a DISPLAY that answers nothing, a missing plugin):
// it is printed with what to do, and the run ends with status 2 rather than
// a core dump. Other messages are only printed.
void startUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& message);

} // namespace qv::app
