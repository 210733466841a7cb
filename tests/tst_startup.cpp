// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What start-up does to be quick must not change what the user sees: design
// fonts resolved to one family and shared between controls, text fields given
// their font before their text, and the menu bar's overflow arrow drawn from a
// deferred icon. And what the command line and the environment decide before
// Qt starts: help, the version, the platform, or no display; and Qt's own
// words follow the desktop's language.
#include "frmquorvane.h"
#include "guitest.h"
#include "startup.h"
#include "style.h"

#include <QContextMenuEvent>
#include <QTimer>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRawFont>
#include <QStyleFactory>
#include <QTranslator>

#include <memory>

using qv::NumberLocale;

namespace {

// The catalogues as start-up installs them, for a test's length: taken out
// and the layout direction restored after.
class Installed {
public:
    explicit Installed(const QLocale& locale = QLocale()) : catalogues_(locale) { catalogues_.install(); }
    ~Installed()
    {
        catalogues_.remove();
        QGuiApplication::setLayoutDirection(direction_);
    }
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;
    const qv::app::Catalogues& catalogues() const { return catalogues_; }

private:
    const Qt::LayoutDirection direction_ = QGuiApplication::layoutDirection(); // before the install
    qv::app::Catalogues catalogues_;
};

QString catalogue(const QString& language)
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_%1.qm").arg(language);
}

} // namespace

class StartUp : public QObject {
    Q_OBJECT

private slots:
    void controlFonts_data();
    void controlFonts();
    void fieldsKeepTheirTextAfterTheirFont();
    void facesOpenFromOpenTypeWhereInstalled_data();
    void facesOpenFromOpenTypeWhereInstalled();
    void deferredIconsDrawLikeTheStyle_data();
    void deferredIconsDrawLikeTheStyle();
    void windowIconInTheSizesWindowManagersShow();
    void theCommandLineAndTheEnvironmentDecideTheRun_data();
    void theCommandLineAndTheEnvironmentDecideTheRun();
    void theProgramAnswersWithoutAWindow_data();
    void theProgramAnswersWithoutAWindow();
    void theDesktopsLanguage();
    void windowsStayLeftToRightUnderAnyCatalogue_data();
    void windowsStayLeftToRightUnderAnyCatalogue();
    void qtsOptionsLeaveTheWindowsAsDesigned_data();
    void qtsOptionsLeaveTheWindowsAsDesigned();
};

void StartUp::controlFonts_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("family");  // the design's
    QTest::addColumn<QString>("standIn"); // asked for where the design's is not installed
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("weight");
    QTest::addColumn<bool>("italic");

    const QString main = "frmquorvane";
    QTest::newRow("hidden field, own font") << main << "txt1" << "Comic Sans MS" << "Comic Neue" << 9.75 << 400 << false;
    QTest::newRow("locked result field, same font")
        << main << "txt17" << "Comic Sans MS" << "Comic Neue" << 9.75 << 400 << false;
    QTest::newRow("check box, same font") << main << "chk1" << "Comic Sans MS" << "Comic Neue" << 9.75 << 400 << false;
    QTest::newRow("title, a font of its own")
        << main << "Label13" << "Bookman Old Style" << "URW Bookman" << 18.0 << 300 << true;
    // Not the desktop's font, whatever it is: the windows are laid out for this one.
    QTest::newRow("notice line, the window's font")
        << main << "Label1" << "MS Sans Serif" << "Nimbus Sans" << 8.25 << 400 << false;
    QTest::newRow("division, each control's own font")
        << "frmdiv" << "Label1" << "MS Sans Serif" << "Nimbus Sans" << 9.75 << 400 << false;
    QTest::newRow("rectangle, no font of its own")
        << "frmrect" << "Label1" << "MS Sans Serif" << "Nimbus Sans" << 8.25 << 400 << false;
}

// Each font asks for one family, the one that shows: the design's where it is
// installed, else its stand-in (with the foundry of its quickest copy, where
// there are several).
void StartUp::controlFonts()
{
    QFETCH(QString, form);
    QFETCH(QString, control);
    QFETCH(QString, family);
    QFETCH(QString, standIn);
    QFETCH(double, points);
    QFETCH(int, weight);
    QFETCH(bool, italic);

    qv::app::frmquorvane main(NumberLocale::fullStop());
    const auto window = form == "frmquorvane" ? nullptr : qvtest::loadWindow(form, NumberLocale::fullStop());
    const QFont font = (window ? *window : main.panel()).control(qPrintable(control))->font();
    const bool installed = QFontDatabase::families().contains(family, Qt::CaseInsensitive);
    const QString expected = installed ? family : standIn;
    QCOMPARE(font.families().size(), 1);
    QVERIFY2(font.family() == expected || font.family().startsWith(expected + QLatin1String(" [")),
             qPrintable(font.family()));
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(int(font.weight()), weight);
    QCOMPARE(font.italic(), italic);
}

// A second window built from the same table gets the same fonts and texts.
void StartUp::fieldsKeepTheirTextAfterTheirFont()
{
    for (int i = 0; i < 2; ++i) {
        qv::app::frmquorvane main(NumberLocale::fullStop());
        QCOMPARE(qvtest::textOf(main.panel(), "txt1"), QStringLiteral("Addition"));
        QCOMPARE(qvtest::textOf(main.panel(), "txt17"), QStringLiteral("Answer"));
        QCOMPARE(main.panel().field("txt7")->font(), main.panel().field("txt1")->font());
    }
}

void StartUp::facesOpenFromOpenTypeWhereInstalled_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("Comic Sans MS or its stand-in") << "chk1";
    QTest::newRow("MS Sans Serif or its stand-in") << "Label1";
    QTest::newRow("Bookman Old Style or its stand-in, light italic") << "Label13";
}

// An OpenType or TrueType file has a 'head' table, a Type 1 file none. Where
// any installed copy of the face is such a file, the one chosen is.
void StartUp::facesOpenFromOpenTypeWhereInstalled()
{
    QFETCH(QString, control);
    qv::app::frmquorvane main(NumberLocale::fullStop());
    const QFont font = main.panel().control(qPrintable(control))->font();
    const auto sfnt = [](const QFont& f) { return !QRawFont::fromFont(f).fontTable("head").isEmpty(); };
    if (sfnt(font))
        return;
    const QString family = font.family().section(QLatin1String(" ["), 0, 0);
    for (const QString& listed : QFontDatabase::families()) {
        if (listed != family && !listed.startsWith(family + QLatin1String(" [")))
            continue;
        QFont copy = font;
        copy.setFamily(listed);
        QVERIFY2(!sfnt(copy), qPrintable(QStringLiteral("%1 is asked for, %2 is quicker").arg(font.family(), listed)));
    }
}

void StartUp::deferredIconsDrawLikeTheStyle_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("menu bar overflow arrow") << int(QStyle::SP_ToolBarHorizontalExtensionButton);
    QTest::newRow("tool bar overflow arrow") << int(QStyle::SP_ToolBarVerticalExtensionButton);
    QTest::newRow("message box icon, not deferred") << int(QStyle::SP_MessageBoxCritical);
}

void StartUp::deferredIconsDrawLikeTheStyle()
{
    QFETCH(int, which);
    const auto pixmap = QStyle::StandardPixmap(which);
    qv::app::Style style;
    const QIcon ours = style.standardIcon(pixmap);
    const QIcon theirs = style.baseStyle()->standardIcon(pixmap);
    QVERIFY(!ours.isNull());
    for (const QSize size : {QSize(8, 8), QSize(16, 16), QSize(32, 32)}) {
        QCOMPARE(ours.actualSize(size), theirs.actualSize(size));
        QCOMPARE(ours.pixmap(size).toImage(), theirs.pixmap(size).toImage());
    }
    // A copy made before the first drawing draws the same.
    const QIcon copy = style.standardIcon(pixmap);
    QIcon detached = copy;
    QCOMPARE(detached.pixmap(QSize(16, 16)).toImage(), theirs.pixmap(QSize(16, 16)).toImage());
    // An icon that outlives its style, undrawn, draws from the application's style.
    auto* passing = new qv::app::Style;
    const QIcon orphan = passing->standardIcon(pixmap);
    delete passing;
    QVERIFY(!orphan.pixmap(QSize(16, 16)).isNull());
}

void StartUp::windowIconInTheSizesWindowManagersShow()
{
    QCOMPARE(qv::app::calculatorIcon().availableSizes(),
             (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
}

void StartUp::theCommandLineAndTheEnvironmentDecideTheRun_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment"); // QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY; "-" unset
    QTest::addColumn<int>("status");              // -1: Qt starts
    QTest::addColumn<QString>("says");            // what the text holds where the run ends
    QTest::addColumn<QByteArray>("platform");     // QT_QPA_PLATFORM set for Qt, "" none
    QTest::addColumn<QByteArray>("display");      // DISPLAY set for Qt, "" none

    const QStringList none{"-", "-", "-"};
    const QStringList x11{"-", ":0", "-"};
    const QStringList waylandAlone{"-", "", "wayland-0"};
    const QStringList xwayland{"-", ":0", "wayland-0"};
    const QString noDisplay = "no display to show the calculator on";
    const QString version = "quorvane " QUORVANE_VERSION "\n";

    QTest::newRow("no display") << QStringList{} << none << 2 << noDisplay << QByteArray() << QByteArray();
    QTest::newRow("only empty ones") << QStringList{} << QStringList{"", "", ""} << 2 << noDisplay << QByteArray()
                                     << QByteArray();
    QTest::newRow("X11") << QStringList{} << x11 << -1 << "" << QByteArray("xcb") << QByteArray();
    QTest::newRow("Wayland alone: Wayland")
        << QStringList{} << waylandAlone << -1 << "" << QByteArray("wayland") << QByteArray();
    QTest::newRow("X11 beside Wayland: X11 first, then Wayland")
        << QStringList{} << xwayland << -1 << "" << QByteArray("xcb;wayland") << QByteArray();
    QTest::newRow("a platform in the environment: Qt's")
        << QStringList{} << QStringList{"offscreen", "-", "-"} << -1 << "" << QByteArray() << QByteArray();
    QTest::newRow("a platform in the environment beside both displays")
        << QStringList{} << QStringList{"wayland", ":0", "wayland-0"} << -1 << "" << QByteArray() << QByteArray();

    // Qt's options, with one dash or two, whatever the environment says.
    QTest::newRow("-platform without a display")
        << QStringList{"-platform", "offscreen"} << none << -1 << "" << QByteArray("offscreen") << QByteArray();
    QTest::newRow("--platform=, which Qt itself does not read")
        << QStringList{"--platform=offscreen"} << none << -1 << "" << QByteArray("offscreen") << QByteArray();
    QTest::newRow("-platform over the environment's")
        << QStringList{"-platform", "xcb"} << QStringList{"wayland", ":0", "wayland-0"} << -1 << ""
        << QByteArray("xcb") << QByteArray();
    QTest::newRow("-display without DISPLAY: X11")
        << QStringList{"-display", ":1"} << none << -1 << "" << QByteArray("xcb") << QByteArray(":1");
    QTest::newRow("-display beside a Wayland display: X11 alone")
        << QStringList{"-display", ":1"} << waylandAlone << -1 << "" << QByteArray("xcb") << QByteArray(":1");
    QTest::newRow("-style") << QStringList{"-style", "Windows"} << x11 << -1 << "" << QByteArray("xcb")
                            << QByteArray();
    QTest::newRow("-style=") << QStringList{"-style=Windows"} << xwayland << -1 << "" << QByteArray("xcb;wayland")
                             << QByteArray();
    QTest::newRow("no display: where to start it")
        << QStringList{} << none << 2 << "session, or under a virtual X server: xvfb-run quorvane" << QByteArray()
        << QByteArray();
    QTest::newRow("-style without a display")
        << QStringList{"-style", "Windows"} << none << 2 << noDisplay << QByteArray() << QByteArray();
    QTest::newRow("-session, from a session manager")
        << QStringList{"-session", "10d3a1b2_1"} << x11 << -1 << "" << QByteArray("xcb") << QByteArray();
    // Qt's other standard options, which launchers may pass to any Qt program, are left to Qt.
    QTest::newRow("-reverse and -geometry, from a launcher")
        << QStringList{"-reverse", "-geometry", "300x200-0+10"} << x11 << -1 << "" << QByteArray("xcb") << QByteArray();
    QTest::newRow("the rest of Qt's, a value that begins with a dash")
        << QStringList{"--qwindowgeometry", "+5+5", "-qwindowtitle", "-reverse", "-title", "T", "-qwindowicon", "i.png",
                       "-icon", "i.png", "-platformtheme", "gtk3", "-platformpluginpath", "/p", "-plugin", "evdevmouse",
                       "-stylesheet=a.qss", "-stylesheet", "a.qss", "-qmljsdebugger=port:1234", "-name", "calc",
                       "-visual", "0x21", "-widgetcount", "-nograb", "-dograb"}
        << xwayland << -1 << "" << QByteArray("xcb;wayland") << QByteArray();

    // Help and the version need no display.
    QTest::newRow("--help") << QStringList{"--help"} << none << 0 << "Usage: quorvane [options]\nThe Quorvane Calculator"
                            << QByteArray() << QByteArray();
    QTest::newRow("-h, among Qt's options")
        << QStringList{"-platform", "offscreen", "-h"} << none << 0 << "  --platform <name>" << QByteArray()
        << QByteArray();
    QTest::newRow("--version") << QStringList{"--version"} << none << 0 << version << QByteArray() << QByteArray();
    QTest::newRow("-v") << QStringList{"-v"} << x11 << 0 << version << QByteArray() << QByteArray();

    QTest::newRow("an option it does not know")
        << QStringList{"--helo"} << x11 << 1 << "Unknown option 'helo'." << QByteArray() << QByteArray();
    QTest::newRow("-platform without its name")
        << QStringList{"-platform"} << x11 << 1 << "Missing value after '-platform'." << QByteArray() << QByteArray();
    QTest::newRow("an argument") << QStringList{"7"} << x11 << 1 << "'7'" << QByteArray() << QByteArray();
    // Qt reads these only as "-geometry VALUE" and would pass the argument over.
    QTest::newRow("-geometry=") << QStringList{"-geometry=+0+0"} << x11 << 1 << "-geometry VALUE" << QByteArray()
                                << QByteArray();
    QTest::newRow("--session=") << QStringList{"--session=10d3a1b2_1"} << x11 << 1 << "-session VALUE"
                                << QByteArray() << QByteArray();
    // An X11 option of Qt 4 that Qt 6 no longer reads.
    QTest::newRow("-ncols") << QStringList{"-ncols", "16"} << x11 << 1 << "Unknown option 'ncols'." << QByteArray()
                            << QByteArray();
}

void StartUp::theCommandLineAndTheEnvironmentDecideTheRun()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(int, status);
    QFETCH(QString, says);
    QFETCH(QByteArray, platform);
    QFETCH(QByteArray, display);

    QProcessEnvironment given;
    const char* names[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
    for (int i = 0; i < 3; ++i)
        if (environment[i] != "-")
            given.insert(names[i], environment[i]);
    const qv::app::Launch launch = qv::app::decideLaunch(QStringList{"quorvane"} + arguments, given);
    QCOMPARE(launch.status, status);
    QVERIFY2(status < 0 ? launch.text.isEmpty() : launch.text.contains(says), qPrintable(launch.text));
    QVERIFY2(!launch.text.contains("run.sh"), qPrintable(launch.text)); // users have the program, not the sources
    if (status == 0 && says.startsWith("Usage:")) // help starts with the usage line
        QVERIFY(launch.text.startsWith(says));
    QCOMPARE(launch.platform, platform);
    QCOMPARE(launch.display, display);
    // A warning from Qt at start-up (there are some on any desktop) is printed and the run goes on.
    qv::app::startUpMessage(QtWarningMsg, QMessageLogContext(), "a warning at start-up");
}

void StartUp::theProgramAnswersWithoutAWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("display"); // DISPLAY, "-" unset; nothing else is set
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // standard output, whole
    QTest::addColumn<QString>("err"); // what standard error holds

    QTest::newRow("--version, no display") << QStringList{"--version"} << "-" << 0
                                           << "quorvane " QUORVANE_VERSION "\n" << "";
    QTest::newRow("an unknown option") << QStringList{"--helo"} << ":0" << 1 << "" << "Unknown option 'helo'.";
    QTest::newRow("no display") << QStringList{} << "-" << 2 << "" << "no display to show the calculator on";
    QTest::newRow("an X display that does not answer")
        << QStringList{} << ":32767" << 2 << "" << "quorvane: cannot open a window on this display.";
    QTest::newRow("--display=, which Qt itself does not read")
        << QStringList{"--display=:32767"} << "-" << 2 << "" << "display :32767";
    QTest::newRow("Qt's -reverse and -geometry, no display")
        << QStringList{"-reverse", "-geometry", "+0+0"} << "-" << 2 << "" << "xvfb-run quorvane\n";
}

// The program as built: what it prints, and its exit status.
void StartUp::theProgramAnswersWithoutAWindow()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, display);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    QProcessEnvironment environment; // empty but for the sanitizers' options, where set
    for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"})
        if (qEnvironmentVariableIsSet(name))
            environment.insert(name, qEnvironmentVariable(name));
    if (display != "-")
        environment.insert("DISPLAY", display);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUORVANE_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(-1));
    const QString error = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == status, qPrintable(error));
    QCOMPARE(QString::fromLocal8Bit(program.readAllStandardOutput()), out);
    QVERIFY2(error.contains(err), qPrintable(error));
}

// The words the program writes itself, and Qt's, in the desktop's language:
// a failure's message (its kind, the field it names, the numbers in the
// window's locale), a field's context menu (Qt's entries and the
// calculator's own) and --help. ctest runs this as tst_startup_de and
// tst_startup_fr, with LANGUAGE=de or fr and LANG=C.UTF-8: the language
// comes from LANGUAGE, as on a desktop that lists its languages.
void StartUp::theDesktopsLanguage()
{
    struct Words {
        const char* language;
        const char* copy;    // Qt's own entry
        const char* copyAll; // the calculator's
        const char* overflow;
        const char* help;
    };
    static const Words languages[] = {
        {"de", "Kopieren", "Alles kopieren", "\u00dcberlauf", "Aufruf: quorvane [Optionen]"},
        {"fr", "Copier", "Tout copier", "D\u00e9passement de capacit\u00e9", "Utilisation : quorvane [options]"},
    };
    const QString language = qEnvironmentVariable("LANGUAGE");
    const Words* words = nullptr;
    for (const Words& w : languages)
        if (language == QLatin1String(w.language))
            words = &w;
    if (!words)
        QSKIP("runs under LANGUAGE=de and LANGUAGE=fr, as tst_startup_de and tst_startup_fr");
    QVERIFY2(QFile::exists(catalogue(language)), qPrintable(catalogue(language) + " is missing: install qt6-translations-l10n"));
    const Installed installed;
    QVERIFY(installed.catalogues().ownFound() && installed.catalogues().toolkitFound());

    // A failure: its kind in the user's words, the field by its label, the
    // numbers as the window's locale writes them.
    auto square = qvtest::loadWindow("frmsquare", NumberLocale::comma());
    square->show();
    qvtest::type(*square, "txt1", "1E200");
    QString kind;
    const QString message = qvtest::messageFrom(
        [&] { QTest::mouseClick(square->control("Command1"), Qt::LeftButton); }, nullptr,
        [&] { kind = QApplication::activeModalWidget()->property("failure").toString(); });
    QCOMPARE(kind, QString("overflow"));
    QVERIFY2(message.startsWith(QString::fromUtf8(words->overflow)), qPrintable(message));
    QVERIFY2(message.contains("1E+200 \u00d7 1E+200"), qPrintable(message));
    QVERIFY2(message.contains("The area of the square in sq cm"), qPrintable(message));

    // A field's menu: Qt's entries and the calculator's own.
    QStringList items;
    QLineEdit* field = square->field("txt1");
    QTimer::singleShot(0, field, [&items] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (const QAction* action : menu->actions())
                items << action->text().section(u'\t', 0, 0).remove(u'&');
            menu->close();
        }
    });
    QContextMenuEvent asked(QContextMenuEvent::Mouse, QPoint(3, 3), field->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(field, &asked);
    QVERIFY(QTest::qWaitFor([] { return !QApplication::activePopupWidget(); }));
    QVERIFY2(items.contains(QString::fromUtf8(words->copy)) && items.contains(QString::fromUtf8(words->copyAll)),
             qPrintable(items.join(u'|')));
    QVERIFY2(!items.contains(QStringLiteral("Copy")) && !items.contains(QStringLiteral("Copy all")),
             qPrintable(items.join(u'|')));

    // --help, from the program as built, in the environment this test has.
    QProcess program;
    program.start(QStringLiteral(QUORVANE_PROGRAM), {QStringLiteral("--help")});
    QVERIFY(program.waitForFinished(-1));
    const QString help = QString::fromUtf8(program.readAllStandardOutput());
    QCOMPARE(program.exitCode(), 0);
    QVERIFY2(help.contains(QString::fromUtf8(words->help)), qPrintable(help));
}

void StartUp::windowsStayLeftToRightUnderAnyCatalogue_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("Hebrew") << QLocale(QLocale::Hebrew);
    QTest::newRow("Arabic") << QLocale(QLocale::Arabic);
}

// The windows are laid out left to right with English captions: a catalogue
// of a right-to-left language must not mirror them.
void StartUp::windowsStayLeftToRightUnderAnyCatalogue()
{
    QFETCH(QLocale, locale);
    const QString language = locale.name().section(u'_', 0, 0);
    QVERIFY2(QFile::exists(catalogue(language)),
             qPrintable(catalogue(language) + " is missing: install qt6-translations-l10n"));
    const Installed translation(locale);
    QVERIFY(translation.catalogues().toolkitFound());
    qv::app::frmquorvane main(NumberLocale::fullStop());
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    QCOMPARE(main.layoutDirection(), Qt::LeftToRight);
    QCOMPARE(main.panel().field("txt1")->layoutDirection(), Qt::LeftToRight);
}

void StartUp::qtsOptionsLeaveTheWindowsAsDesigned_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("-reverse: left to right still") << QStringList{"-reverse"};
    QTest::newRow("-qwindowgeometry: placed, its size kept") << QStringList{"-qwindowgeometry", "100x100+40+50"};
}

// Qt reads its options when the application is made, so each row runs this
// test again as a program of its own, started with the options as the
// calculator would be, and that run checks the main window.
void StartUp::qtsOptionsLeaveTheWindowsAsDesigned()
{
    QFETCH(QStringList, options);
    if (qEnvironmentVariable("QUORVANE_STARTED_WITH") != options.join(u' ')) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QUORVANE_STARTED_WITH", options.join(u' '));
        QProcess run;
        run.setProcessEnvironment(environment);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(QCoreApplication::applicationFilePath(),
                  options + QStringList{QStringLiteral("qtsOptionsLeaveTheWindowsAsDesigned:") + QTest::currentDataTag()});
        QVERIFY(run.waitForFinished(-1));
        const QString output = QString::fromLocal8Bit(run.readAll());
        QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0, qPrintable(output));
        QVERIFY2(output.contains("PASS   : StartUp::qtsOptionsLeaveTheWindowsAsDesigned("), qPrintable(output));
        return;
    }
    if (options.first() == "-reverse")
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft); // Qt took it
    const Installed translation; // as start-up installs the catalogues
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QCOMPARE(main.layoutDirection(), Qt::LeftToRight);
    QCOMPARE(main.panel().field("txt1")->layoutDirection(), Qt::LeftToRight);
    if (options.first() == "-qwindowgeometry") {
        QTRY_COMPARE(main.frameGeometry().topLeft(), QPoint(40, 50));
        QCOMPARE(main.size(), main.minimumSize());
        QCOMPARE(main.size(), main.maximumSize());
    }
}

QTEST_MAIN(StartUp)
#include "tst_startup.moc"
