// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up: the design's fonts and icons; what the command line and the
// environment decide before Qt starts; the desktop's language in the words alone.
#include "frmquorvane.h"
#include "guitest.h"
#include "startup.h"
#include "style.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QRawFont>

#include <array>

using namespace qvtest;

namespace {

struct ControlFont {
    const char* form;
    const char* control;
    Face face;
};

// The environment of a run: QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY (nullptr: unset).
using Environment = std::array<const char*, 3>;

// What a run decides: the status and words where it ends before Qt starts, or -1 and what is set for Qt.
struct Run {
    QStringList arguments;
    Environment environment = {};
    int status = -1;
    QString says;
    QByteArray platform = {}, display = {};
    std::optional<int> exits = {}; // the program's, where Qt cannot open the display
};

// A program's status (-1 where it crashed), standard output and standard error.
std::tuple<int, QString, QString> answer(const QStringList& arguments, const QProcessEnvironment& environment,
                                         const QString& path = QStringLiteral(QUORVANE_PROGRAM))
{
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(path, arguments);
    const bool ended = program.waitForFinished(-1) && program.exitStatus() == QProcess::NormalExit;
    return {ended ? program.exitCode() : -1, QString::fromLocal8Bit(program.readAllStandardOutput()),
            QString::fromLocal8Bit(program.readAllStandardError())};
}

const QString version = QStringLiteral("quorvane " QUORVANE_VERSION "\n");
const QString whereToStart = QStringLiteral("Start it in a desktop session, or under a virtual X server: xvfb-run quorvane\n");

} // namespace

Q_DECLARE_METATYPE(ControlFont)
Q_DECLARE_METATYPE(Run)

class StartUp : public QObject {
    Q_OBJECT

private slots:
    void controlFonts_data();
    void controlFonts();
    void deferredIconsDrawLikeTheStyle_data();
    void deferredIconsDrawLikeTheStyle();
    void windowIconInTheSizesWindowManagersShow();
    void theCommandLineAndTheEnvironmentDecideTheRun_data();
    void theCommandLineAndTheEnvironmentDecideTheRun();
    void theDesktopsLanguage();
    void windowsStayAsDesigned_data();
    void windowsStayAsDesigned();
};

void StartUp::controlFonts_data()
{
    QTest::addColumn<ControlFont>("row");
    const auto row = [](const char* tag, const ControlFont& c) { QTest::newRow(tag) << c; };
    row("main window, a field", {"frmquorvane", "txt1", ComicSans});
    row("main window, title, light italic", {"frmquorvane", "Label13", Bookman});
    row("main window, notice line: the window's font, not the desktop's", {"frmquorvane", "Label1", ToolkitDefault});
    row("division, each control's own font", {"frmdiv", "Label1", MsSansSerif});
}

// Each control's font asks for one family, the one that shows. An OpenType or TrueType
// file has a 'head' table, a Type 1 file none: where any copy of the face is one, it is chosen.
void StartUp::controlFonts()
{
    QFETCH(ControlFont, row);
    const Shown window(row.form, FullStop);
    const QFont font = window->control(row.control)->font();
    QVERIFY2(misface(font, row.face).isEmpty(), qPrintable(misface(font, row.face)));
    const auto sfnt = [](const QFont& f) { return !QRawFont::fromFont(f).fontTable("head").isEmpty(); };
    const bool openType = sfnt(font);
    const QString family = font.family().section(QLatin1String(" ["), 0, 0);
    for (QFont copy = font; const QString& listed : QFontDatabase::families()) {
        copy.setFamily(listed);
        QVERIFY2(openType || (listed != family && !listed.startsWith(family + " [")) || !sfnt(copy),
                 qPrintable(QStringLiteral("%1 is asked for, %2 is quicker").arg(font.family(), listed)));
    }
}

void StartUp::deferredIconsDrawLikeTheStyle_data()
{
    QTest::addColumn<QStyle::StandardPixmap>("which");
    QTest::newRow("menu bar overflow arrow") << QStyle::SP_ToolBarHorizontalExtensionButton;
    QTest::newRow("tool bar overflow arrow") << QStyle::SP_ToolBarVerticalExtensionButton;
    QTest::newRow("message box icon, not deferred") << QStyle::SP_MessageBoxCritical;
}

void StartUp::deferredIconsDrawLikeTheStyle()
{
    QFETCH(QStyle::StandardPixmap, which);
    qv::app::Style style;
    const QIcon ours = style.standardIcon(which);
    const QIcon theirs = style.baseStyle()->standardIcon(which);
    for (const QSize size : {QSize(8, 8), QSize(16, 16), QSize(32, 32)}) {
        QCOMPARE(ours.actualSize(size), theirs.actualSize(size));
        QCOMPARE(ours.pixmap(size).toImage(), theirs.pixmap(size).toImage());
    }
    // An icon that outlives its style, undrawn, draws from the application's style.
    const QIcon orphan = qv::app::Style().standardIcon(which);
    QVERIFY(!orphan.pixmap(QSize(16, 16)).isNull());
}

void StartUp::windowIconInTheSizesWindowManagersShow()
{
    QCOMPARE(qv::app::calculatorIcon().availableSizes(),
             (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
}

void StartUp::theCommandLineAndTheEnvironmentDecideTheRun_data()
{
    QTest::addColumn<Run>("run");
    const auto row = [](const char* tag, const Run& r) { QTest::newRow(tag) << r; };
    const Environment x11{nullptr, ":0"}, waylandAlone{nullptr, "", "wayland-0"}, xwayland{nullptr, ":0", "wayland-0"};
    const QString noDisplay = "no display to show the calculator on";

    row("no display", {.status = 2, .says = "quorvane: " + noDisplay
                                               + " (neither DISPLAY nor WAYLAND_DISPLAY is set).\n" + whereToStart});
    row("only empty ones", {.environment = {"", "", ""}, .status = 2, .says = noDisplay});
    row("X11, a display that does not answer", {.environment = {nullptr, ":32767"},
        .says = "quorvane: cannot open a window on this display.\n" + whereToStart, .platform = "xcb", .exits = 2});
    row("Wayland alone: Wayland", {.environment = waylandAlone, .platform = "wayland"});
    row("X11 beside Wayland: X11 first, then Wayland", {.environment = xwayland, .platform = "xcb;wayland"});
    row("a platform in the environment: Qt's", {.environment = {"offscreen"}});
    // Qt's options, with one dash or two, whatever the environment says; its others are left to Qt.
    row("--platform=, which Qt itself does not read", {.arguments = {"--platform=offscreen"}, .platform = "offscreen"});
    row("-platform over the environment's",
        {.arguments = {"-platform", "xcb"}, .environment = {"wayland", ":0", "wayland-0"}, .platform = "xcb"});
    row("-display beside a Wayland display: X11 alone",
        {.arguments = {"-display", ":1"}, .environment = waylandAlone, .platform = "xcb", .display = ":1"});
    row("--display= without DISPLAY, which Qt itself does not read; a display that does not answer",
        {.arguments = {"--display=:32767"}, .says = "display :32767", .platform = "xcb", .display = ":32767", .exits = 2});
    row("-style, and -session from a session manager",
        {.arguments = {"-style", "Windows", "-session", "10d3a1b2_1"}, .environment = x11, .platform = "xcb"});
    row("-style=", {.arguments = {"-style=Windows"}, .environment = xwayland, .platform = "xcb;wayland"});
    row("-reverse and -geometry, from a launcher, without a display",
        {.arguments = {"-reverse", "-geometry", "300x200-0+10"}, .status = 2, .says = whereToStart});
    row("the rest of Qt's, a value that begins with a dash",
        {.arguments = {"--qwindowgeometry", "+5+5", "-qwindowtitle", "-reverse", "-title", "T", "-qwindowicon", "i.png",
                       "-icon", "i.png", "-platformtheme", "gtk3", "-platformpluginpath", "/p", "-plugin", "evdevmouse",
                       "-stylesheet=a.qss", "-stylesheet", "a.qss", "-qmljsdebugger=port:1234", "-name", "calc",
                       "-visual", "0x21", "-widgetcount", "-nograb", "-dograb"},
         .environment = xwayland, .platform = "xcb;wayland"});
    // Help and the version need no display.
    row("--help", {.arguments = {"--help"}, .status = 0, .says = "Usage: quorvane [options]\nThe Quorvane Calculator"});
    row("-h, among Qt's options", {.arguments = {"-platform", "offscreen", "-h"}, .status = 0, .says = "  --platform <name>"});
    row("--version", {.arguments = {"--version"}, .status = 0, .says = version});
    row("-v", {.arguments = {"-v"}, .environment = x11, .status = 0, .says = version});
    row("an option it does not know", {.arguments = {"--helo"}, .environment = x11, .status = 1, .says = "Unknown option 'helo'."});
    row("-platform without its name",
        {.arguments = {"-platform"}, .environment = x11, .status = 1, .says = "Missing value after '-platform'."});
    row("an argument", {.arguments = {"7"}, .environment = x11, .status = 1, .says = "'7'"});
    // Qt reads these only as "-geometry VALUE" and would pass the argument over.
    row("-geometry=", {.arguments = {"-geometry=+0+0"}, .environment = x11, .status = 1, .says = "-geometry VALUE"});
    row("--session=", {.arguments = {"--session=10d3a1b2_1"}, .environment = x11, .status = 1, .says = "-session VALUE"});
}

void StartUp::theCommandLineAndTheEnvironmentDecideTheRun()
{
    QFETCH(Run, run);
    QProcessEnvironment environment; // the row's, and the sanitizers' options where set
    for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"})
        if (qEnvironmentVariableIsSet(name))
            environment.insert(name, qEnvironmentVariable(name));
    const char* const names[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
    for (std::size_t i = 0; i < 3; ++i)
        if (run.environment[i])
            environment.insert(names[i], run.environment[i]);
    // Help starts with its usage line, the version stands alone; nothing names run.sh, which users lack.
    const auto said = [&run](const QString& text, int status) {
        QVERIFY2(text.contains(run.says) && !text.contains("run.sh"), qPrintable(text));
        if (status == 0)
            QVERIFY2(text.startsWith("Usage: quorvane [options]\n") || text == version, qPrintable(text));
    };
    const qv::app::Launch launch = qv::app::decideLaunch(QStringList{"quorvane"} + run.arguments, environment);
    QCOMPARE(launch.status, run.status);
    if (run.status >= 0)
        said(launch.text, run.status);
    QCOMPARE(launch.platform, run.platform);
    QCOMPARE(launch.display, run.display);
    // A warning from Qt at start-up (there are some on any desktop) is printed and the run goes on.
    qv::app::startUpMessage(QtWarningMsg, QMessageLogContext(), "a warning at start-up");

    // The program as built, where it ends without a window: what it prints where, and its status.
    const int exits = run.exits.value_or(run.status);
    if (exits < 0)
        return;
    const auto [status, out, error] = answer(run.arguments, environment);
    QVERIFY2(status == exits, qPrintable(error));
    if (exits != 0)
        QVERIFY2(out.isEmpty(), qPrintable(out));
    said(exits == 0 ? out : error, exits);
}

// The program's words and Qt's in the language LANGUAGE names, as a desktop that lists its languages
// sets it (tst_startup_de and tst_startup_fr): a failure's message, a field's context menu, --help.
void StartUp::theDesktopsLanguage()
{
    struct Words {
        const char *language, *copy, *copyAll, *overflow, *help; // Copy is Qt's word, Copy all the calculator's
    };
    static const Words languages[] = {
        {"de", "Kopieren", "Alles kopieren", "\u00dcberlauf", "Aufruf: quorvane [Optionen]"},
        {"fr", "Copier", "Tout copier", "D\u00e9passement de capacit\u00e9", "Utilisation : quorvane [options]"},
    };
    const auto words =
        std::ranges::find(languages, qEnvironmentVariable("LANGUAGE").toStdString(), &Words::language);
    if (words == std::end(languages))
        QSKIP("runs under LANGUAGE=de and LANGUAGE=fr, as tst_startup_de and tst_startup_fr");
    qv::app::Catalogues catalogues; // as start-up installs them
    catalogues.install();
    QVERIFY(catalogues.ownFound());
    QVERIFY2(catalogues.toolkitFound(), "Qt's catalogue is missing: install qt6-translations-l10n");

    // A failure: its kind in the user's words, the field by its label.
    Shown square("frmsquare", Comma);
    type(*square, "txt1", "1E200");
    const QString message = press(*square, "Command1");
    QVERIFY2(message.startsWith(QString::fromUtf8(words->overflow)), qPrintable(message));
    QVERIFY2(message.contains("1E+200 \u00d7 1E+200") && message.contains("The area of the square in sq cm"),
             qPrintable(message));

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
    QVERIFY2(items.contains(QString::fromUtf8(words->copy)) && items.contains(QString::fromUtf8(words->copyAll))
                 && !items.contains("Copy") && !items.contains("Copy all"),
             qPrintable(items.join(u'|')));

    // --help, from the program as built, in the environment this test has.
    const auto [status, help, error] = answer({"--help"}, QProcessEnvironment::systemEnvironment());
    QVERIFY2(status == 0 && help.contains(QString::fromUtf8(words->help)), qPrintable(help + error));
}

void StartUp::windowsStayAsDesigned_data()
{
    QTest::addColumn<QStringList>("options"); // Qt's, on the command line
    QTest::newRow("a right-to-left catalogue: left to right still") << QStringList{};
    QTest::newRow("-reverse: left to right still") << QStringList{"-reverse"};
    QTest::newRow("-qwindowgeometry: placed, its size kept") << QStringList{"-qwindowgeometry", "100x100+40+50"};
}

// Neither Qt's -reverse nor a right-to-left language's catalogue (Hebrew's) mirrors the windows. Qt reads
// its options as the application is made, so a row with options runs this test again as a program of its own.
void StartUp::windowsStayAsDesigned()
{
    QFETCH(QStringList, options);
    if (qEnvironmentVariable("QUORVANE_STARTED_WITH") != options.join(u' ')) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QUORVANE_STARTED_WITH", options.join(u' '));
        const auto [status, out, error] = answer(options + QStringList{"windowsStayAsDesigned:" + QString(QTest::currentDataTag())},
                                                 environment, QCoreApplication::applicationFilePath());
        QVERIFY2(status == 0 && out.contains("PASS   : StartUp::windowsStayAsDesigned("), qPrintable(out + error));
        return;
    }
    const bool reverse = options.contains("-reverse");
    if (reverse)
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft); // Qt took it
    // As start-up installs them; not Hebrew's under -reverse, whose direction Qt would take for left to right.
    qv::app::Catalogues catalogues(reverse ? QLocale() : QLocale(QLocale::Hebrew));
    catalogues.install();
    QVERIFY2(reverse || catalogues.toolkitFound(), "Qt's Hebrew catalogue is missing: install qt6-translations-l10n");
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QCOMPARE(main.panel().field("txt1")->layoutDirection(), Qt::LeftToRight);
    if (options.contains("-qwindowgeometry")) {
        QTRY_COMPARE(main.frameGeometry().topLeft(), QPoint(40, 50));
        QCOMPARE(main.size(), main.minimumSize());
        QCOMPARE(main.size(), main.maximumSize());
    }
}

QTEST_MAIN(StartUp)
#include "tst_startup.moc"
