#include "frmquorvane.h"
#include "style.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLocale>
#include <QString>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

// The separators the calculator reads and writes numbers with.
qv::NumberLocale systemNumberLocale()
{
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

// The calculator's window icon, in the sizes up to 64 pixels that window
// managers show for a window; the launcher and the desktop take the larger
// ones from the installed icon theme. Each size is decoded at start-up and
// sent to the X server, so the 128 and 256 pixel ones would cost 0.8 MiB.
QIcon calculatorIcon()
{
    QIcon icon;
    for (const QString& size : QStringLiteral(QUORVANE_ICON_SIZES).split(u' '))
        if (size.toInt() <= 64)
            icon.addFile(QStringLiteral(":/icons/%1x%1/" QUORVANE_APP_ID ".png").arg(size));
    return icon;
}

// X11 and Wayland, where a session names its display in the environment, are
// the window systems of Linux and the other Unix systems but Apple's. Windows
// and macOS always have theirs; where none opens, Qt says why (below).
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
#define QUORVANE_DISPLAY_FROM_ENVIRONMENT 1
const char* const whereToStart = "Start it from a desktop session, or under a virtual X server: xvfb-run ./run.sh\n";

bool haveDisplay()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (display && *display) || (wayland && *wayland);
}
#else
const char* const whereToStart = "";
#endif

// Until the application is up, a fatal message from Qt means that no window
// system could be opened (a DISPLAY that answers nothing, a missing plugin):
// say so and end the run, rather than aborting with a core dump.
void startUpMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "quorvane: cannot open a window on this display.\n%s", whereToStart);
        std::_Exit(2);
    }
}

} // namespace

int main(int argc, char* argv[])
{
#ifdef QUORVANE_DISPLAY_FROM_ENVIRONMENT
    if (!haveDisplay()) {
        std::fprintf(stderr,
                     "quorvane: no display to show the calculator on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n%s",
                     whereToStart);
        return 2;
    }
#endif
    const QtMessageHandler standard = qInstallMessageHandler(startUpMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(standard);
    QApplication::setApplicationName(QStringLiteral("quorvane"));
    // Desktops match the windows to the launcher entry by this name (Wayland's
    // app id); under X11 they match WM_CLASS "quorvane", the application name.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVANE_APP_ID));
    QApplication::setStyle(new qv::app::Style);
    qv::app::frmquorvane window(systemNumberLocale());
    window.show();
    // The icon is for the task bar: it can wait until the window is on its way.
    QTimer::singleShot(0, &window, [] { QApplication::setWindowIcon(calculatorIcon()); });
    return QApplication::exec();
}
