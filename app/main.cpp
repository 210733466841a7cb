#include "frmquorvane.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>

#include <cstdio>
#include <cstdlib>

namespace {

// The separators the calculator reads and writes numbers with.
qv::NumberLocale systemNumberLocale()
{
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

bool haveDisplay()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (display && *display) || (wayland && *wayland);
}

} // namespace

int main(int argc, char* argv[])
{
    if (!haveDisplay()) {
        std::fputs("quorvane: no display to show the calculator on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "Start it from a desktop session, or under a virtual X server: xvfb-run ./run.sh\n",
                   stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvane"));
    qv::app::frmquorvane window(systemNumberLocale());
    window.show();
    return QApplication::exec();
}
