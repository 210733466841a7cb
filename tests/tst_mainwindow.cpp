// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's start-up state and menus, the window slots, and the end
// of the run.
#include "frmquorvane.h"
#include "guitest.h"
#include "placement.h"
#include "twips.h"

#include <QRegion>
#include <QScreen>

#include <algorithm>
#include <set>

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace qvtest;

namespace {

// A window of fixed size offers no maximise button (it would do nothing).
bool offersNoMaximise(const QWidget& window)
{
    const Qt::WindowFlags flags = window.windowFlags();
    return (flags & Qt::CustomizeWindowHint) && !(flags & Qt::WindowMaximizeButtonHint)
           && (flags & Qt::WindowMinimizeButtonHint) && (flags & Qt::WindowCloseButtonHint);
}

// A message box that covers none of the window's fields and buttons.
void clearOfFields(const QRect& box, const QWidget& window)
{
    for (const QWidget* c : window.findChildren<QWidget*>())
        if ((qobject_cast<const QLineEdit*>(c) || qobject_cast<const QAbstractButton*>(c)) && c->isVisible())
            QVERIFY2(!box.intersects({c->mapToGlobal(QPoint(0, 0)), c->size()}), qPrintable(c->objectName()));
}

// How long a real window manager may take to show a window: ample for one
// working through a backlog on a busy machine (the offscreen platform shows
// at once).
constexpr int windowManagerMs = 60'000;

} // namespace

class MainWindow : public QObject {
    Q_OBJECT

private slots:
    void startUpState();
    void menuTree();
    void everyMenuItemOpensItsOwnWindow_data();
    void everyMenuItemOpensItsOwnWindow();
    void openingTwiceKeepsTheWindow();
    void closedWindowComesBackEmpty();
    void theRunEnds_data();
    void theRunEnds();
    void aFailureKeepsTheProgramRunning();
    void aNoteKeepsItsWindowOnTheScreen();
    void newWindowsGoBesideTheOthers_data();
    void newWindowsGoBesideTheOthers();
    void allNineteenWindowsStayOnTheScreen();
    void aLargeMainWindowOpensWithItsTitleBarOnTheScreen_data();
    void aLargeMainWindowOpensWithItsTitleBarOnTheScreen();
    void theBarsKeptInSight_data();
    void theBarsKeptInSight();
};

void MainWindow::startUpState()
{
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    Form& p = main.panel();
    QCOMPARE(main.windowTitle(), QString("Quorvane Calculator"));
    for (const char* f : {"txt1", "txt2", "txt3", "txt4", "txt5", "txt6", "txt7", "txt8", "txt9", "txt13", "txt14", "txt15",
                          "txt16", "txt17", "cmdcal", "lbl1", "lbl2", "lbl3", "lbl4", "lbl5", "lbl6", "lbl9", "lbl10", "lbl11"})
        QVERIFY2(!p.control(f)->isVisible(), f);
    for (const char* c : {"Label13", "Label1", "chk1", "chk2", "chk3", "chk5", "chk6"})
        QVERIFY2(p.control(c)->isVisible(), c);
    for (const char* c : {"chk1", "chk2", "chk3", "chk5", "chk6"})
        QVERIFY(!qobject_cast<QCheckBox*>(p.control(c))->isChecked());
    // Result fields are locked, inputs are not; hidden fields keep their placeholders.
    for (const char* f : {"txt3", "txt6", "txt9", "txt15", "txt17"}) {
        QVERIFY2(p.field(f)->isReadOnly(), f);
        QCOMPARE(p.field(f)->text(), QString("Answer"));
    }
    for (const char* f : {"txt1", "txt2", "txt4", "txt5", "txt7", "txt8", "txt13", "txt14", "txt16"})
        QVERIFY2(!p.field(f)->isReadOnly(), f);
    QCOMPARE(p.field("txt13")->text(), QString("Power of"));
    QCOMPARE(p.field("txt16")->text(), QString("Factorial"));
    QVERIFY(p.control<QAbstractButton>("cmdcal")->isEnabled());
    const QString title = qvtest::captionOf(p.control<QLabel>("Label13"));
    QCOMPARE(title.size(), 72);
    QVERIFY(title.startsWith(QString(23, ' ') + "THE" + QString(27, ' ') + "QUORVANE CALCULATOR"));
    // The client area is 9330 x 7995 twips; the first focus is the first check box.
    QCOMPARE(p.size(), QSize(622, 533));
    QCOMPARE(p.control("lbl5")->geometry(), QRect(319, 213, 9, 17)); // 4780 twips round to 319 px
    QCOMPARE(p.focusWidget(), p.control("chk1"));
    // No calculator window exists until a menu item asks for one.
    QCOMPARE(findWindow("frmdiv"), nullptr);
    QVERIFY(offersNoMaximise(main));
}

void MainWindow::menuTree()
{
    qv::app::frmquorvane main(NumberLocale::fullStop());
    QStringList seen;
    for (QAction* top : main.menuBar()->actions()) {
        QStringList items;
        for (QAction* item : top->menu()->actions())
            items << item->objectName() + "=" + item->text();
        seen << top->menu()->objectName() + "=" + top->text() + ": " + items.join(", ");
    }
    QCOMPARE(seen, QStringList({
                       "mnufile=File: mnures=Reset, mnuexit=Exit",
                       "mnucal=Calculation: mnudiv=Division, mnusqroot=Square root, mnucroot=Cube root",
                       "mnuarea=Area: mnusq=Square, mnurect=Rectangle, mnutri=Triangle, mnucir=Circle, "
                       "mnudia=Length of diagnol, mnucube=Cube, mnucyl=Cylinder, mnusph=Sphere, mnuhemi=Hemi-sphere, "
                       "mnucone=Cone",
                       "mnuvol=Volume: mnucube1=Cube, mnuroom1=Room, mnucone1=Cone, mnucyl1=Cylinder, mnusph1=Sphere, "
                       "mnuhemi1=Hemi-sphere",
                   }));
}

void MainWindow::everyMenuItemOpensItsOwnWindow_data()
{
    QTest::addColumn<QString>("form");
    for (const ExpectedWindow& w : expectedWindows)
        QTest::newRow(w.item) << QString::fromLatin1(w.form);
}

// The item, in its menu and with its caption, opens its window alone,
// modeless, with its title and client size, and the focus on the tab stop
// with the lowest tab index; the window calculates (ctest runs this on
// Wayland and XWayland too).
void MainWindow::everyMenuItemOpensItsOwnWindow()
{
    QFETCH(QString, form);
    const ExpectedWindow& expected = expectedWindow(form);
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    auto* item = main.findChild<QAction*>(QLatin1String(expected.item));
    QVERIFY(item);
    QCOMPARE(item->text(), QString::fromUtf8(expected.itemCaption));
    const auto* menu = qobject_cast<QMenu*>(item->parent());
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), QString::fromLatin1(expected.menu.name));
    QCOMPARE(menu->title(), QString::fromUtf8(expected.menu.caption));
    item->trigger();
    Form* w = findWindow(qPrintable(form));
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QString::fromUtf8(expected.title));
    QCOMPARE(w->size(), qv::frame::twipsSize(expected.twips.width(), expected.twips.height()));
    QVERIFY(!w->isModal());
    QVERIFY(offersNoMaximise(*w));
    const qv::frame::Control* first = nullptr;
    for (const auto& c : w->design().controls)
        if (c.kind != qv::windows::Label && c.kind != qv::windows::Frame && (!first || c.tabIndex < first->tabIndex))
            first = &c;
    QCOMPARE(w->focusWidget()->objectName(), QString::fromLatin1(first->name));
    QVERIFY(main.isVisible());
    int calculators = 0;
    for (QWidget* t : QApplication::topLevelWidgets())
        calculators += t->isVisible() && qobject_cast<Form*>(t) ? 1 : 0;
    QCOMPARE(calculators, 1);
    // 7, 5 and 4 typed in turn make a case every formula calculates (a triangle, a room).
    const char* const examples[] = {"7", "5", "4"};
    QVERIFY(expected.inputs.size() <= std::size(examples));
    for (std::size_t i = 0; i < expected.inputs.size(); ++i)
        type(*w, expected.inputs[i], examples[i]);
    QCOMPARE(press(*w, expected.calculate.name), QString());
    for (const char* result : expected.results)
        QVERIFY2(!textOf(*w, result).isEmpty(), result);
}

void MainWindow::openingTwiceKeepsTheWindow()
{
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    choose(&main, "mnudiv");
    Form* first = findWindow("frmdiv");
    QVERIFY(first);
    type(*first, "txt1", "42");
    choose(&main, "mnudiv");
    QCOMPARE(findWindow("frmdiv"), first);
    QCOMPARE(textOf(*first, "txt1"), QString("42"));
    // A minimised window comes back as it was.
    first->showMinimized();
    choose(&main, "mnudiv");
    QCOMPARE(findWindow("frmdiv"), first);
    QVERIFY(!first->isMinimized());
    QCOMPARE(textOf(*first, "txt1"), QString("42"));
    // Volume, Cube and Area, Cube are two windows.
    choose(&main, "mnucube");
    choose(&main, "mnucube1");
    QVERIFY(findWindow("frmcube"));
    QVERIFY(findWindow("frmvcube"));
    QVERIFY(findWindow("frmcube") != findWindow("frmvcube"));
}

void MainWindow::closedWindowComesBackEmpty()
{
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    // Framed by a window manager first, so that both windows go beside the same frame.
    QVERIFY(QTest::qWaitForWindowExposed(&main, windowManagerMs));
    // Where the square-root window goes when it is the only one.
    choose(&main, "mnusqroot");
    const QRect alone = findWindow("frmsqroot")->frameGeometry();
    findWindow("frmsqroot")->close();

    choose(&main, "mnudiv");
    Form* w = findWindow("frmdiv");
    type(*w, "txt1", "10");
    type(*w, "txt2", "4");
    QCOMPARE(press(*w, "Command2"), QString());
    QCOMPARE(textOf(*w, "txt3"), QString("2.5"));
    QVERIFY(w->close());
    QCOMPARE(findWindow("frmdiv"), nullptr);
    // The place the closed window left is free for the next window.
    choose(&main, "mnusqroot");
    QCOMPARE(findWindow("frmsqroot")->frameGeometry(), alone);
    choose(&main, "mnudiv");
    Form* again = findWindow("frmdiv");
    QVERIFY(again);
    for (const char* f : {"txt1", "txt2", "txt3"})
        QCOMPARE(textOf(*again, f), QString());
    QVERIFY(again->field("txt3")->isReadOnly());
}

void MainWindow::theRunEnds_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("File, Exit with two windows open") << QStringList{"open mnudiv", "open mnucir", "exit"};
    QTest::newRow("the main window closed first, then the calculators")
        << QStringList{"open mnudiv", "open mnucir", "close main", "close frmcir", "close frmdiv"};
    QTest::newRow("the calculator closed first, then the main window")
        << QStringList{"open mnudiv", "close frmdiv", "close main"};
}

// The run ends with File, Exit, whatever windows are open, or when the last
// window, main or calculator, is closed; not before. The steps are taken in
// the event loop, each a few passes of the loop after the one before: the
// run must last until the last step, and end in the passes after it.
void MainWindow::theRunEnds()
{
    QFETCH(QStringList, steps);
    constexpr int passes = 20;
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    qsizetype taken = 0;
    QString missing; // a window a step would close that is not open
    int idle = 0;
    QTimer pass; // times out once in each pass of the loop
    QObject::connect(&pass, &QTimer::timeout, [&] {
        if (++idle < passes)
            return;
        idle = 0;
        if (taken == steps.size()) { // the run goes on after the last step
            QApplication::exit(1);
            return;
        }
        const QStringList step = steps[taken++].split(u' ');
        if (step[0] == "open")
            choose(&main, qPrintable(step[1]));
        else if (step[0] == "exit")
            choose(&main, "mnuexit");
        else if (QWidget* w = step[1] == "main" ? static_cast<QWidget*>(&main) : findWindow(qPrintable(step[1])); w && w->isVisible())
            w->close();
        else {
            missing = step[1];
            QApplication::exit(2);
        }
    });
    pass.start();
    const int status = QApplication::exec();
    QVERIFY2(missing.isEmpty(), qPrintable(missing + " was closed before its step"));
    QCOMPARE(taken, steps.size()); // the run lasted until the last step,
    QCOMPARE(status, 0);           // and ended then
}

// A failed calculation is reported, and the windows go on working. The box,
// measured as it is laid out, stands beside the window, not over its fields
// (ctest runs this on screens of 800x800, 1024x768 and 1280x1024 pixels).
void MainWindow::aFailureKeepsTheProgramRunning()
{
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    choose(&main, "mnusq");
    Form* w = findWindow("frmsquare");
    type(*w, "txt1", ""); // the longest message: an empty side
    const QRect screen = w->screen()->availableGeometry();
    const QSize frame = w->frameGeometry().size();
    const QPoint spots[] = {screen.topLeft(), screen.center() - QPoint(frame.width(), frame.height()) / 2,
                            QPoint(screen.right() + 1 - frame.width(), screen.top()),
                            screen.bottomRight() - QPoint(frame.width(), frame.height()) + QPoint(1, 1)};
    // Under Wayland the compositor places every window, the box too.
    const bool placed = QGuiApplication::platformName() != QLatin1String("wayland");
    for (const QPoint at : spots) {
        w->move(at);
        QRect box;
        QVERIFY(messageFrom([&] { QTest::mouseClick(w->control<QAbstractButton>("Command1"), Qt::LeftButton); }, &box)
                    .startsWith("Conversion failure: the field"));
        if (!placed)
            continue;
        QVERIFY(screen.contains(box));
        clearOfFields(box, *w);
        // Where the screen has room beside, below or above the window, it stands there.
        const QRect f = w->frameGeometry();
        if (screen.right() - f.right() >= box.width() || f.left() - screen.left() >= box.width()
            || screen.bottom() - f.bottom() >= box.height() || f.top() - screen.top() >= box.height())
            QVERIFY(!box.intersects(f));
    }
    // The main window, at 200 % taller than the screen: over it, clear of its fields.
    Form& p = main.panel();
    QTest::mouseClick(p.control("chk6"), Qt::LeftButton);
    type(p, "txt16", "171");
    QRect box;
    QVERIFY(messageFrom([&] { QTest::mouseClick(p.control<QAbstractButton>("cmdcal"), Qt::LeftButton); }, &box)
                .startsWith("Overflow"));
    if (placed)
        clearOfFields(box, main);
    // Still running: the same window, and the main window, keep working.
    QCOMPARE(findWindow("frmsquare"), w);
    type(*w, "txt1", "7");
    QCOMPARE(press(*w, "Command1"), QString());
    QCOMPARE(textOf(*w, "txt2"), QString("49"));
    choose(&main, "mnucir");
    QVERIFY(findWindow("frmcir"));
}

// A note on how a field was read grows its window downwards; a window at
// the foot of the screen moves up so that the note is seen, the main window
// too, as far as the screen's top (a main window at 200 % on a small screen
// is taller than the screen). Under Wayland the compositor places windows.
void MainWindow::aNoteKeepsItsWindowOnTheScreen()
{
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        QSKIP("under Wayland the compositor places the windows");
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    choose(&main, "mnudiv");
    Form* w = findWindow("frmdiv");
    QVERIFY(w);
    Form& p = main.panel();
    QTest::mouseClick(p.control("chk1"), Qt::LeftButton);
    const QRect screen = w->screen()->availableGeometry();
    for (QWidget* window : {static_cast<QWidget*>(w), static_cast<QWidget*>(&main)}) {
        window->move(window->x(), screen.bottom() + 1 - window->frameGeometry().height());
        Form& f = window == w ? *w : p;
        type(f, "txt1", "7,5");
        type(f, "txt2", "2");
        QCOMPARE(press(f, window == w ? "Command2" : "cmdcal"), QString());
        const auto* note = f.findChild<QLabel*>(QStringLiteral("note"));
        QVERIFY(note && note->isVisible());
        const QRect frame = window->frameGeometry();
        QVERIFY2(frame.bottom() <= screen.bottom() || frame.top() == screen.top(), qPrintable(window->objectName()));
    }
}

void MainWindow::newWindowsGoBesideTheOthers_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QList<QRect>>("open"); // the main window first
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("expected");
    const QRect wide(0, 0, 1920, 1080);
    const QRect main(100, 100, 640, 580);
    const QSize window(480, 350);
    QTest::newRow("right of the main window") << wide << QList<QRect>{main} << window << QPoint(748, 100);
    QTest::newRow("below the one there") << wide << QList<QRect>{main, {748, 100, 480, 350}} << window
                                         << QPoint(748, 458);
    QTest::newRow("right of the one there") << QRect(0, 0, 1920, 700)
                                            << QList<QRect>{main, {748, 100, 480, 350}} << window
                                            << QPoint(1236, 100);
    QTest::newRow("left when the right has no room") << wide << QList<QRect>{{900, 100, 640, 580}} << window
                                                    << QPoint(412, 100);
    QTest::newRow("below the main window when its sides are full")
        << QRect(0, 0, 1280, 1024) << QList<QRect>{{0, 0, 624, 580}, {632, 0, 480, 350}, {632, 358, 480, 350}, {632, 716, 480, 300}}
        << window << QPoint(0, 588);
    // No free place: the main window's menu bar stays clear, and the window
    // covers as little of the main window as it can, then of the others.
    QTest::newRow("main window centred: its lower corner, clear of its results")
        << QRect(0, 0, 1280, 1024) << QList<QRect>{{328, 222, 624, 580}} << window << QPoint(800, 674);
    // The first row below the other's title bar (100 + 24, on a grid of 24
    // pixels from the top), at the screen's right edge.
    QTest::newRow("clear of the main window, a title bar below the others")
        << QRect(0, 0, 1000, 700) << QList<QRect>{{0, 0, 500, 500}, {520, 0, 480, 350}, {520, 100, 480, 350}}
        << window << QPoint(520, 144);
    QTest::newRow("over the main window below its menu bar, where it covers least")
        << QRect(0, 0, 700, 600) << QList<QRect>{{0, 0, 640, 580}} << window << QPoint(220, 250);
    // From the top, just below the main window's bars (48 pixels), as far
    // right as leaves six title bars' heights (144 pixels) of the other's
    // title bar in sight: 700 - 144 - 480.
    QTest::newRow("over the others: from the top, their title bars in sight")
        << QRect(0, 0, 700, 600) << QList<QRect>{{0, 0, 640, 580}, {220, 250, 480, 350}} << window << QPoint(76, 48);
    QTest::newRow("every place covers the menu bar: the least of it")
        << QRect(0, 0, 700, 600) << QList<QRect>{{200, 230, 400, 300}} << window << QPoint(0, 250);
    QTest::newRow("larger than the screen") << QRect(10, 20, 400, 300) << QList<QRect>{{10, 20, 300, 200}} << window
                                            << QPoint(10, 20);
}

// Beside the main window and the windows open, wholly on the screen: to the
// right where there is room, else to the left, below or above; else over the
// others, every title bar in sight, the main window covered only where
// nothing else is left.
void MainWindow::newWindowsGoBesideTheOthers()
{
    QFETCH(QRect, screen);
    QFETCH(QList<QRect>, open);
    QFETCH(QSize, size);
    QFETCH(QPoint, expected);
    QCOMPARE(qv::frame::placeBeside(size, screen, {open.begin(), open.end()}), expected);
}

// All nineteen open, on this screen at this scale: each wholly on the
// screen at a corner of its own, each keeps its title bar in sight (so that
// none is wholly covered) and the main window its title and menu bar.
void MainWindow::allNineteenWindowsStayOnTheScreen()
{
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        QSKIP("under Wayland the compositor places the windows");
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main, windowManagerMs));
    const QRect screen = main.screen()->availableGeometry();
    std::set<std::pair<int, int>> corners{{main.frameGeometry().x(), main.frameGeometry().y()}};
    std::vector<QRect> stack{main.frameGeometry()}; // bottom to top
    for (const CalculatorWindow* w : qv::windows::all()) {
        choose(&main, w->item.name);
        // Shown before the next is opened, as a user sees one window before choosing another.
        Form* opened = findWindow(w->design.name);
        QVERIFY(QTest::qWaitForWindowExposed(opened, windowManagerMs));
        const QRect frame = opened->frameGeometry();
        QVERIFY2(screen.contains(frame), w->design.name);
        QVERIFY2(corners.insert({frame.x(), frame.y()}).second, w->design.name);
        stack.push_back(frame);
    }
    // Under XWayland, weston places the X11 windows itself, and Qt 6.4
    // learns a frame from its window manager only where a configure event
    // follows the framing: for the main window in some runs, for the
    // calculator windows in none. What covers what cannot be told from here.
    if (QGuiApplication::platformName() == QLatin1String("xcb") && qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        QSKIP("under XWayland the compositor places the windows: on the screen, at corners of their own; "
              "title bars not checked");
    // A title bar is at least 16 pixels high; of its width at least 64 stay
    // uncovered. The main window's menu bar, down to its panel, stays whole.
    const int mainHead = main.centralWidget()->mapTo(&main, QPoint(0, 0)).y() + main.geometry().top()
                         - main.frameGeometry().top();
    for (std::size_t i = 0; i < stack.size(); ++i) {
        const QString name = i == 0 ? "frmquorvane" : qv::windows::all()[i - 1]->design.name;
        const QRect bar(stack[i].topLeft(), QSize(stack[i].width(), i == 0 ? mainHead : 16));
        QRegion title(bar);
        QRegion seen(stack[i]);
        for (std::size_t j = i + 1; j < stack.size(); ++j) {
            // The title bar in sight: the stretches of it no window above reaches into.
            if (stack[j].intersects(bar))
                title -= QRect(stack[j].left(), bar.top(), stack[j].width(), bar.height());
            seen -= stack[j];
        }
        QVERIFY2(!seen.isEmpty(), qPrintable(name + " is wholly covered"));
        if (i == 0) {
            QVERIFY2(title == QRegion(bar), "the main window's title or menu bar is covered");
            continue;
        }
        int widest = 0;
        for (const QRect& piece : title)
            widest = std::max(widest, piece.width());
        QVERIFY2(widest >= 64, qPrintable(QString("%1 shows %2 pixels of its title bar").arg(name).arg(widest)));
    }
}

void MainWindow::aLargeMainWindowOpensWithItsTitleBarOnTheScreen_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<int>("titleBar");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QVariant>("expected"); // the window's corner, or nothing: the window manager's choice
    const QSize main(622, 575);
    QTest::newRow("fits: the window manager's choice") << main << 24 << QRect(0, 0, 1366, 768) << QVariant();
    QTest::newRow("just fits") << main << 24 << QRect(0, 0, 622, 599) << QVariant();
    QTest::newRow("its title bar does not: 100 % on 800x600") << main << 24 << QRect(0, 0, 800, 598)
                                                             << QVariant(QPoint(0, 24));
    QTest::newRow("175 % on 1366x768, below a panel") << main << 24 << QRect(0, 18, 780, 421)
                                                     << QVariant(QPoint(0, 42));
    QTest::newRow("wider, on a second screen") << main << 30 << QRect(1366, 0, 600, 800)
                                              << QVariant(QPoint(1366, 30));
}

void MainWindow::aLargeMainWindowOpensWithItsTitleBarOnTheScreen()
{
    QFETCH(QSize, window);
    QFETCH(int, titleBar);
    QFETCH(QRect, screen);
    QFETCH(QVariant, expected);
    const std::optional<QPoint> at = qv::frame::placeMain(window, titleBar, screen);
    QCOMPARE(at ? QVariant(*at) : QVariant(), expected);
}

void MainWindow::theBarsKeptInSight_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("client");
    QTest::addColumn<int>("menuBar");
    QTest::addColumn<int>("title");
    QTest::addColumn<int>("mainHead");
    QTest::newRow("the title bar the window manager draws") << QRect(100, 100, 648, 612) << QRect(104, 128, 640, 580)
                                                            << 21 << 28 << 49;
    QTest::newRow("no frame told: 16 pixels") << QRect(100, 100, 640, 580) << QRect(100, 100, 640, 580) << 21 << 16
                                              << 37;
}

// The main window's title bar as high as its frame shows it, and its menu
// bar below, are what new windows leave in sight; where the platform tells
// no frame, a title bar is taken to be 16 pixels high.
void MainWindow::theBarsKeptInSight()
{
    QFETCH(QRect, frame);
    QFETCH(QRect, client);
    QFETCH(int, menuBar);
    QFETCH(int, title);
    QFETCH(int, mainHead);
    const qv::frame::Bars bars = qv::frame::barsOf(frame, client, menuBar);
    QCOMPARE(bars.title, title);
    QCOMPARE(bars.mainHead, mainHead);
}

QTEST_MAIN(MainWindow)
#include "tst_mainwindow.moc"
