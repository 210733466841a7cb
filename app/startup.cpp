// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QProcessEnvironment>
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
QString whereToStart()
{
    return QCoreApplication::translate(
        "Start-up", "Start it in a desktop session, or under a virtual X server: xvfb-run quorvane\n");
}
constexpr bool displayFromEnvironment = true;
#else
QString whereToStart() { return {}; }
constexpr bool displayFromEnvironment = false;
#endif

namespace {

// Qt's standard options, as Qt 6 reads them (QGuiApplication, QApplication
// and its X11 plugin): those that take a value (the next argument, or after
// "=" where said), then flags. Each reaches Qt as it stands.
struct QtOption {
    const char* name;
    const char* value;  // nullptr: a flag
    bool equals;        // -name=value is taken too
    bool shown = false; // in --help, declared with its words in decideLaunch
};
constexpr QtOption qtOptions[] = {
    {"platform", "name", true, true},   // with "=", set for Qt as QT_QPA_PLATFORM
    {"display", "display", true, true}, // with "=", set for Qt as DISPLAY
    {"style", "style", true, true},
    {"geometry", "geometry", false, true}, // X11's name for -qwindowgeometry
    {"qwindowgeometry", "geometry", false, true},
    {"session", "id", false, true},
    {"qwindowtitle", "title", false},
    {"title", "title", false}, // X11's
    {"qwindowicon", "icon", false},
    {"icon", "icon", false}, // X11's
    {"platformtheme", "theme", false},
    {"platformpluginpath", "path", false},
    {"plugin", "plugin", false},
    {"stylesheet", "file", true},
    {"qmljsdebugger", "port", true},
    {"name", "name", false}, // X11: the instance name in WM_CLASS
    {"visual", "id", false}, // X11
    {"reverse", nullptr, false},
    {"widgetcount", nullptr, false},
    {"nograb", nullptr, false}, // X11
    {"dograb", nullptr, false}, // X11
};

// The first option that takes a value given as -name=value where Qt reads
// only "-name value" and would pass the argument over; empty where there is
// none. The arguments are known to parse.
QString unreadByQt(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(u'-'))
            continue;
        const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1).section(u'=', 0, 0);
        for (const QtOption& option : qtOptions) {
            if (!option.value || name != QLatin1String(option.name))
                continue;
            if (!argument.contains(u'='))
                ++i; // its value, which may begin with a dash
            else if (!option.equals)
                return name;
        }
    }
    return {};
}

} // namespace

Launch decideLaunch(const QStringList& arguments, const QProcessEnvironment& environment)
{
    // Qt reads its options with one dash or two; the parser takes both.
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QCoreApplication::translate("Start-up", "The Quorvane Calculator: arithmetic, roots, areas and volumes, in windows of their own."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                  QCoreApplication::translate("Start-up", "Shows these options and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QCoreApplication::translate("Start-up", "Shows the version and ends."));
    const QCommandLineOption platform(
        QStringLiteral("platform"),
        QCoreApplication::translate("Start-up", "The window system to open the windows on, by the name of Qt's plugin: xcb (X11), "
                       "wayland, offscreen (no window is seen)."),
        QStringLiteral("name"));
    const QCommandLineOption display(QStringLiteral("display"),
                                     QCoreApplication::translate("Start-up", "The X display to show the windows on (X11), such as :1."),
                                     QStringLiteral("display"));
    const QCommandLineOption style(QStringLiteral("style"),
                                   QCoreApplication::translate("Start-up", "The widget style: Fusion, Windows, or one a desktop installs."),
                                   QStringLiteral("style"));
    const QCommandLineOption session(
        QStringLiteral("session"),
        QCoreApplication::translate("Start-up", "Given by a session manager that starts the calculator again at login."),
        QStringLiteral("id"));
    const QCommandLineOption geometry(
        QStringList{QStringLiteral("geometry"), QStringLiteral("qwindowgeometry")},
        QCoreApplication::translate("Start-up", "Where the main window opens, as X11 writes it: +X+Y from the screen's top left (-X, -Y "
                       "from its right or bottom). A size is passed over: the windows keep theirs."),
        QStringLiteral("geometry"));
    parser.addOptions({help, version, platform, display, style, geometry, session});
    for (const QtOption& qt : qtOptions) {
        if (qt.shown)
            continue;
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.value)
            option.setValueName(QString::fromLatin1(qt.value));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    Launch launch;
    const auto end = [&](int status, const QString& text) {
        launch.status = status;
        launch.text = text;
        return launch;
    };
    if (!parser.parse(arguments))
        return end(1, QCoreApplication::translate("Start-up", "quorvane: %1\nquorvane --help shows the options.\n").arg(parser.errorText()));
    if (!parser.positionalArguments().isEmpty())
        return end(1, QCoreApplication::translate("Start-up", "quorvane: Unexpected argument '%1'.\nquorvane --help shows the options.\n")
                          .arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(help)) // The parser names the program by argv[0], or "<executable_name>" before Qt starts.
        return end(0, QCoreApplication::translate("Start-up", "Usage: quorvane [options]\n") + parser.helpText().section(u'\n', 1)
                          + QCoreApplication::translate("Start-up", "\nQt's other standard options, such as -reverse, -qwindowtitle and "
                                           "-stylesheet,\nare taken as any Qt program takes them (man quorvane).\n"));
    if (parser.isSet(version))
        return end(0, QStringLiteral("quorvane " QUORVANE_VERSION "\n"));
    if (const QString name = unreadByQt(arguments); !name.isEmpty())
        return end(1, QCoreApplication::translate("Start-up", "quorvane: Qt reads -%1 with its value after a space: -%1 VALUE.\n"
                                     "quorvane --help shows the options.\n")
                          .arg(name));

    // -platform is set for Qt as well, which reads only "-platform name", not "-platform=name".
    launch.platform = parser.value(platform).toLocal8Bit();
    launch.display = parser.value(display).toLocal8Bit();
    if (!launch.platform.isEmpty() || !displayFromEnvironment
        || !environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty())
        return launch;
    const bool wayland = !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    if (!launch.display.isEmpty())
        launch.platform = "xcb";
    else if (!environment.value(QStringLiteral("DISPLAY")).isEmpty())
        launch.platform = wayland ? "xcb;wayland" : "xcb";
    else if (wayland)
        launch.platform = "wayland";
    else
        return end(2, QCoreApplication::translate("Start-up", "quorvane: no display to show the calculator on (neither DISPLAY nor "
                                     "WAYLAND_DISPLAY is set).\n%1")
                          .arg(whereToStart()));
    return launch;
}

namespace {

// What startUpMessage says where no window system opens, in the user's
// language: set before QApplication starts, when no catalogue can be
// installed in it yet.
QString& cannotOpen()
{
    static QString words;
    return words;
}

} // namespace

std::optional<int> prepareLaunch(int argc, char* argv[], Catalogues& catalogues)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    Launch launch = decideLaunch(arguments, environment);
    if (launch.status >= 0) {
        // Said in the user's language: the catalogues, Qt's with the parser's
        // own words among them, are installed in an application.
        QCoreApplication saying(argc, argv);
        catalogues.install();
        launch = decideLaunch(arguments, environment);
        catalogues.remove();
        std::fputs(qPrintable(launch.text), launch.status == 0 ? stdout : stderr);
        return launch.status;
    }
    if (!launch.platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", launch.platform);
    if (!launch.display.isEmpty())
        qputenv("DISPLAY", launch.display);
    cannotOpen() = catalogues.translate("Start-up", "quorvane: cannot open a window on this display.\n")
                   + catalogues.translate(
                       "Start-up", "Start it in a desktop session, or under a virtual X server: xvfb-run quorvane\n");
    return std::nullopt;
}

void startUpMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) {
        const QString words = cannotOpen().isEmpty()
                                  ? QCoreApplication::translate("Start-up", "quorvane: cannot open a window on this display.\n")
                                        + whereToStart()
                                  : cannotOpen();
        std::fputs(qPrintable(words), stderr);
        std::_Exit(2);
    }
}

Catalogues::Catalogues(const QLocale& locale)
    : ownFound_(own_.load(locale, QStringLiteral("quorvane"), QStringLiteral("_"), QStringLiteral(":/i18n"))),
      toolkitFound_(toolkit_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
{
}

Catalogues::~Catalogues() { remove(); }

void Catalogues::install()
{
    // Explicit, so that a catalogue's own direction is not taken.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    if (toolkitFound_)
        QCoreApplication::installTranslator(&toolkit_);
    if (ownFound_)
        QCoreApplication::installTranslator(&own_);
}

void Catalogues::remove()
{
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::removeTranslator(&own_);
    QCoreApplication::removeTranslator(&toolkit_);
}

QString Catalogues::translate(const char* context, const char* english) const
{
    const QString words = own_.translate(context, english);
    return words.isEmpty() ? QString::fromUtf8(english) : words;
}

} // namespace qv::app
