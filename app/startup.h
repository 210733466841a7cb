// What start-up needs before the main window: the window icon, whether a
// display can be opened, the words for a display that cannot, and Qt's own
// words in the user's language.
#pragma once

#include <QIcon>
#include <QLocale>
#include <QtGlobal>

class QMessageLogContext;
class QString;
class QTranslator;

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

// Installs Qt's own catalogue (qtbase_*.qm in Qt's translations directory,
// Debian's qt6-translations-l10n) for the first of the locale's UI languages
// that has one; by default the user's (LANGUAGE, else LC_ALL, LC_MESSAGES or
// LANG). The words Qt itself writes then follow the desktop's language: the
// fields' context menus (Copy, Select All) and the message box's button. The
// calculator's captions and messages are its own and stay as they are, and so
// does the direction of its windows: they are laid out left to right, while a
// catalogue of a right-to-left language would turn Qt's layout direction
// round. Returns the translator, owned by the application, or nullptr where
// no catalogue is installed for those languages.
QTranslator* installToolkitTranslation(const QLocale& locale = QLocale());

} // namespace qv::app
