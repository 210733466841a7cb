#include "startup.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace qv::app {

QIcon calculatorIcon()
{
    QIcon icon;
    for (const QString& size : QStringLiteral(QUORVANE_ICON_SIZES).split(u' '))
        if (size.toInt() <= 64)
            icon.addFile(QStringLiteral(":/icons/%1x%1/" QUORVANE_APP_ID ".png").arg(size));
    return icon;
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
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

bool haveDisplay() { return true; }
#endif

void startUpMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "quorvane: cannot open a window on this display.\n%s", whereToStart);
        std::_Exit(2);
    }
}

QTranslator* installToolkitTranslation(const QLocale& locale)
{
    // Explicit, so that the catalogue's own direction is not taken.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator.release();
}

} // namespace qv::app
