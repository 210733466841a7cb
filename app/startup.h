// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What start-up needs before the main window: the window icon, what the
// command line and the environment ask for, the words for a display that
// cannot be opened, and Qt's own words in the user's language.
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <QtGlobal>

#include <optional>

class QMessageLogContext;
class QProcessEnvironment;

namespace qv::app {

// The calculator's window icon, in the sizes up to 64 pixels that window
// managers show for a window (16, 24, 32, 48 and 64); the launcher and the
// desktop take the larger ones from the installed icon theme. Each size is
// decoded at start-up and sent to the X server, so the 128 and 256 pixel ones
// would cost 0.8 MiB.
QIcon calculatorIcon();

// What the command line and the environment ask of a run, decided before Qt
// starts, so that --help and --version need no display and Qt's own options
// (-platform, -display) count whatever the environment says. Qt's other
// standard options (-style, -geometry, -reverse, -qwindowtitle, -stylesheet,
// ...) are taken and left to Qt, which reads them from the same arguments.
struct Launch {
    // Where the run ends before a window opens: its exit status (0 for help
    // and the version, 1 for a command line it does not take, 2 where there
    // is no display), and the text for standard output (status 0) or
    // standard error. -1 where Qt starts.
    int status = -1;
    QString text;
    // The Qt platforms to try in turn (QT_QPA_PLATFORM), and the X display
    // named with -display (DISPLAY); empty where nothing is to be set.
    QByteArray platform;
    QByteArray display;
};

// The decision for these arguments (argv, the program's name first) and this
// environment; it prints nothing and changes nothing. An option nobody knows,
// an argument, or a Qt option's value after "=" where Qt reads it only after
// a space (-geometry=+0+0, which Qt would pass over) ends the run with 1.
// A platform named with -platform, or else in QT_QPA_PLATFORM, is the one used. Otherwise an X display (DISPLAY
// or -display) means X11, where windows are placed beside each other and
// blank titles stay blank, also under a Wayland compositor's XWayland, with
// native Wayland as the fallback when WAYLAND_DISPLAY is set too; a Wayland
// display alone means Wayland; and with neither there is no display. On
// Windows and macOS, which always have one, only -platform counts.
Launch decideLaunch(const QStringList& arguments, const QProcessEnvironment& environment);

// The catalogues of the user's language, the one place a language is
// chosen: the calculator's own words (compiled into the program, from
// translations/quorvane_*.ts) and Qt's (qtbase_*.qm in Qt's translations
// directory, Debian's qt6-translations-l10n), each loaded once, at start-up,
// for the first of the locale's UI languages that has one (by default the
// user's: LANGUAGE, else LC_ALL, LC_MESSAGES or LANG). The words Qt and the
// calculator write themselves then follow the desktop's language: the
// fields' context menus, the message box's button, the failures' messages,
// notes, formulas and --help. The designed captions, titles and menus stay
// as designed, and so does the direction of the windows: they are laid out
// left to right, where a catalogue of a right-to-left language would turn
// Qt's layout direction round. A language without a catalogue is English.
class Catalogues {
public:
    explicit Catalogues(const QLocale& locale = QLocale());
    ~Catalogues();
    Catalogues(const Catalogues&) = delete;
    Catalogues& operator=(const Catalogues&) = delete;

    // Installs both in the application, which must exist.
    void install();
    // Takes them out of the application again.
    void remove();
    // Whether a catalogue was found for the language: the calculator's own, Qt's.
    bool ownFound() const { return ownFound_; }
    bool toolkitFound() const { return toolkitFound_; }
    // A word of the calculator's own, also before the application exists.
    QString translate(const char* context, const char* english) const;

private:
    QTranslator own_;
    QTranslator toolkit_;
    const bool ownFound_;
    const bool toolkitFound_;
};

// Decides for this process and acts on it: prints the text, in the user's
// language, and returns the status where the run ends here; otherwise sets
// QT_QPA_PLATFORM and DISPLAY as decided, for QApplication to read, and
// returns nothing.
std::optional<int> prepareLaunch(int argc, char* argv[], Catalogues& catalogues);

// How to start the calculator where there is no display, for the messages.
QString whereToStart();

// Until the application is up, a fatal message from Qt means that no window
// system could be opened (a DISPLAY that answers nothing, a missing plugin):
// it is printed with what to do, and the run ends with status 2 rather than
// a core dump. Other messages are only printed.
void startUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& message);


} // namespace qv::app
