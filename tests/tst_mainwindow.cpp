// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window at start-up, the windows its menus open and where they and
// the messages go on the screen, and the end of the run.
#include "frmquorvane.h"
#include "guitest.h"
#include "placement.h"
#include "twips.h"

#include <QtWidgets>

#include <set>

using namespace qvtest;

namespace {

// A window of fixed size offers no maximise button (it would do nothing).
constexpr Qt::WindowFlags titleButtons =
    Qt::CustomizeWindowHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
constexpr Qt::WindowFlags noMaximise = titleButtons & ~Qt::WindowMaximizeButtonHint;

// A message box that covers none of the window's fields and buttons.
void clearOfFields(const QRect& box, const QWidget& window)
{
    for (const QWidget* c : window.findChildren<QWidget*>())
        if ((qobject_cast<const QLineEdit*>(c) || qobject_cast<const QAbstractButton*>(c)) && c->isVisible())
            QVERIFY2(!box.intersects({c->mapToGlobal(QPoint(0, 0)), c->size()}), qPrintable(c->objectName()));
}

// Under Wayland the compositor places every window, a message box too.
bool placed() { return QGuiApplication::platformName() != QLatin1String("wayland"); }

// Ample for a real window manager working through a backlog on a busy machine.
constexpr int windowManagerMs = 60'000;

// A placement function called with a row's arguments.
using Placed = std::function<QVariant()>;

// A user's step while the program runs: a menu item chosen, or a window (by its form name) closed.
enum RunStepKind { Choose, Close };
struct RunStep {
    RunStepKind what;
    const char* name;
};
using RunSteps = std::vector<RunStep>;

} // namespace

Q_DECLARE_METATYPE(Placed)
Q_DECLARE_METATYPE(RunSteps)

class MainWindow : public QObject {
    Q_OBJECT

private slots:
    void everyMenuItemOpensItsWindowOnTheScreen();
    void aWindowOpensOnceAndComesBackEmpty();
    void theRunEnds_data();
    void theRunEnds();
    void messagesAndNotesStayOnTheScreen();
    void placement_data();
    void placement();
};

// The main window as it starts; its menus' captions, File's then the windows' in their order. Each
// item opens its window alone, modeless, with its title and client size; all nineteen open wholly on
// the screen at corners of their own, none wholly covered, title bars and the main window's menu bar in sight.
void MainWindow::everyMenuItemOpensItsWindowOnTheScreen()
{
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    Form& p = main.panel();
    QCOMPARE(main.windowTitle(), QString("Quorvane Calculator"));
    QCOMPARE(main.windowFlags() & titleButtons, noMaximise);
    for (const char* c : {"Label13", "Label1", "chk1", "chk2", "chk3", "chk5", "chk6"})
        QVERIFY2(p.control(c)->isVisible(), c);
    QCOMPARE(p.field("txt13")->text(), QString("Power of"));
    QCOMPARE(p.field("txt16")->text(), QString("Factorial"));
    QCOMPARE(captionOf(p.control<QLabel>("Label13")),
             QString(23, ' ') + "THE" + QString(27, ' ') + "QUORVANE CALCULATOR");
    // The client area is 9330 x 7995 twips; the first focus is the first check box.
    QCOMPARE(p.size(), QSize(622, 533));
    QCOMPARE(p.control("lbl5")->geometry(), QRect(319, 213, 9, 17)); // 4780 twips round to 319 px
    QCOMPARE(p.focusWidget(), p.control("chk1"));
    QStringList seen, expected{"mnufile=File", "mnures=Reset", "mnuexit=Exit"};
    for (const ExpectedMenu& menu : {Calculation, Area, Volume}) {
        expected << QString("%1=%2").arg(menu.name, menu.caption);
        for (const ExpectedWindow& w : expectedWindows)
            if (!qstrcmp(w.menu.name, menu.name))
                expected << QString("%1=%2").arg(w.item, w.itemCaption);
    }
    for (QAction* top : main.menuBar()->actions())
        for (QAction* a : QList<QAction*>{top} + top->menu()->actions())
            seen << (a == top ? a->menu()->objectName() : a->objectName()) + "=" + a->text();
    QCOMPARE(seen, expected);
    QVERIFY(QTest::qWaitForWindowExposed(&main, windowManagerMs));
    const QRect screen = main.screen()->availableGeometry();
    std::set<std::pair<int, int>> corners{{main.frameGeometry().x(), main.frameGeometry().y()}};
    std::vector<QRect> stack{main.frameGeometry()}; // bottom to top
    for (const ExpectedWindow& expected : expectedWindows) {
        choose(&main, expected.item);
        Form* w = findWindow(expected.form);
        // Shown before the next is opened, as a user sees one window before choosing another.
        QVERIFY2(w && QTest::qWaitForWindowExposed(w, windowManagerMs), expected.form);
        QCOMPARE(w->windowTitle(), QString::fromUtf8(expected.title));
        QCOMPARE(w->size(), qv::frame::twipsSize(expected.twips.width(), expected.twips.height()));
        QVERIFY(!w->isModal());
        QCOMPARE(w->windowFlags() & titleButtons, noMaximise);
        int calculators = 0; // this one and those before
        for (QWidget* t : QApplication::topLevelWidgets())
            calculators += t->isVisible() && qobject_cast<Form*>(t) ? 1 : 0;
        QCOMPARE(calculators, int(stack.size()));
        const QRect frame = w->frameGeometry();
        QVERIFY2(!placed() || (screen.contains(frame) && corners.insert({frame.x(), frame.y()}).second), expected.form);
        stack.push_back(frame);
    }
    QVERIFY(main.isVisible());
    // Under XWayland, Qt 6.4 learns the frames weston gives X11 windows only in
    // some runs (see docs/testing.md): what covers what cannot be told from here.
    if (!placed() || (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && QGuiApplication::platformName() == "xcb"))
        return;
    // A title bar is at least 16 pixels high, 64 of its width uncovered; the main window's, down to its panel, whole.
    const int mainHead = main.centralWidget()->mapToGlobal(QPoint(0, 0)).y() - main.frameGeometry().top();
    for (std::size_t i = 0; i < stack.size(); ++i) {
        const QString name = i == 0 ? "frmquorvane" : expectedWindows[i - 1].form;
        const QRect bar(stack[i].topLeft(), QSize(stack[i].width(), i == 0 ? mainHead : 16));
        QRegion title(bar), seen(stack[i]);
        for (std::size_t j = i + 1; j < stack.size(); ++j) {
            if (stack[j].intersects(bar)) // the stretches of the bar in sight: those no window above reaches into
                title -= QRect(stack[j].left(), bar.top(), stack[j].width(), bar.height());
            seen -= stack[j];
        }
        QVERIFY2(!seen.isEmpty(), qPrintable(name + " is wholly covered"));
        int widest = 0;
        for (const QRect& piece : title)
            widest = std::max(widest, piece.width());
        QVERIFY2(i == 0 ? title == QRegion(bar) : widest >= 64,
                 qPrintable(QString("%1 shows %2 pixels of its title or menu bar").arg(name).arg(widest)));
    }
}

// Its menu item brings an open window back as it was, minimised or not; a
// closed one comes back empty, and the place it left is free for the next.
void MainWindow::aWindowOpensOnceAndComesBackEmpty()
{
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    // Framed by a window manager first, so that both windows go beside the same frame.
    QVERIFY(QTest::qWaitForWindowExposed(&main, windowManagerMs));
    choose(&main, "mnusqroot"); // where the square-root window goes when it is the only one
    const QRect alone = findWindow("frmsqroot")->frameGeometry();
    findWindow("frmsqroot")->close();
    choose(&main, "mnudiv");
    Form* w = findWindow("frmdiv");
    QVERIFY(w);
    take(*w, {{"txt1", "10"}, {"txt2", "4"}, {"Command2"}});
    QCOMPARE(textOf(*w, "txt3"), QString("2.5"));
    w->showMinimized();
    choose(&main, "mnudiv");
    QCOMPARE(findWindow("frmdiv"), w);
    QVERIFY(!w->isMinimized());
    QCOMPARE(textOf(*w, "txt1"), QString("10"));
    QVERIFY(w->close());
    choose(&main, "mnusqroot");
    QCOMPARE(findWindow("frmsqroot")->frameGeometry(), alone);
    choose(&main, "mnudiv");
    QVERIFY(w = findWindow("frmdiv"));
    for (const char* f : {"txt1", "txt2", "txt3"})
        QCOMPARE(textOf(*w, f), QString());
}

void MainWindow::theRunEnds_data()
{
    QTest::addColumn<RunSteps>("steps");
    const RunStep div{Choose, "mnudiv"}, cir{Choose, "mnucir"};
    QTest::newRow("File, Exit with two windows open") << RunSteps{div, cir, {Choose, "mnuexit"}};
    QTest::newRow("the main window closed first, then the calculators")
        << RunSteps{div, cir, {Close, "frmquorvane"}, {Close, "frmcir"}, {Close, "frmdiv"}};
    QTest::newRow("the calculator closed first, then the main window")
        << RunSteps{div, {Close, "frmdiv"}, {Close, "frmquorvane"}};
}

// The run ends with File, Exit, or when the last window, main or calculator, is closed; not before.
// Each step is taken some passes of the event loop after the one before, so an early end shows.
void MainWindow::theRunEnds()
{
    QFETCH(RunSteps, steps);
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    std::size_t taken = 0;
    int passes = 0;
    QTimer pass; // times out once in each pass of the loop
    QObject::connect(&pass, &QTimer::timeout, [&] {
        if (++passes % 20 != 0)
            return;
        if (taken == steps.size()) // the run goes on after the last step
            QApplication::exit(1);
        else if (steps[taken].what == Choose)
            choose(&main, steps[taken++].name);
        else if (QWidget* w = findWindow<QWidget>(steps[taken++].name))
            w->close(); // where it is gone already, the run ends early or goes on after the last step
    });
    pass.start();
    const int status = QApplication::exec();
    QCOMPARE(taken, steps.size()); // the run lasted until the last step,
    QCOMPARE(status, 0);           // and ended then
}

// A failed calculation is reported, its window stays, and the box stands on the screen beside the
// window, not over its fields. A note on how a field was read grows its window down; a window at the
// foot of the screen moves up so that it is seen, the main window too, as far as the screen's top.
void MainWindow::messagesAndNotesStayOnTheScreen()
{
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    choose(&main, "mnusq");
    Form* w = findWindow("frmsquare");
    type(*w, "txt1", ""); // the longest message: an empty side
    const QRect screen = w->screen()->availableGeometry();
    const QSize frame = w->frameGeometry().size();
    const QPoint last = screen.bottomRight() - QPoint(frame.width() - 1, frame.height() - 1);
    for (const QPoint at : {screen.topLeft(), (screen.topLeft() + last) / 2, QPoint(last.x(), screen.top()), last}) {
        w->move(at);
        QRect box;
        QVERIFY(messageFrom([&] { QTest::mouseClick(w->control("Command1"), Qt::LeftButton); }, &box)
                    .startsWith("Conversion failure: the field"));
        if (!placed())
            continue;
        QVERIFY(screen.contains(box));
        clearOfFields(box, *w);
        // Where the screen has room beside, below or above the window, it stands there.
        const QRect f = w->frameGeometry();
        if (screen.right() - f.right() >= box.width() || f.left() - screen.left() >= box.width()
            || screen.bottom() - f.bottom() >= box.height() || f.top() - screen.top() >= box.height())
            QVERIFY(!box.intersects(f));
    }
    QCOMPARE(findWindow("frmsquare"), w);
    // The main window, at 200 % taller than the screen: over it, clear of its fields.
    Form& p = main.panel();
    take(p, {{"chk6"}, {"txt16", "171"}});
    QRect box;
    QVERIFY(messageFrom([&] { QTest::mouseClick(p.control("cmdcal"), Qt::LeftButton); }, &box).startsWith("Overflow"));
    if (!placed())
        return;
    clearOfFields(box, main);
    take(p, {{"txt16", "3"}, {"chk1"}});
    choose(&main, "mnudiv");
    Form* div = findWindow("frmdiv");
    QVERIFY(div);
    for (Form* f : {div, &p}) {
        QWidget* window = f->window();
        window->move(window->x(), screen.bottom() + 1 - window->frameGeometry().height());
        take(*f, {{"txt1", "7,5"}, {"txt2", "2"}, {f == div ? "Command2" : "cmdcal"}});
        const auto* note = f->findChild<QLabel*>(QStringLiteral("note"));
        QVERIFY(note && note->isVisible());
        const QRect moved = window->frameGeometry();
        QVERIFY2(moved.bottom() <= screen.bottom() || moved.top() == screen.top(), qPrintable(window->objectName()));
    }
}

void MainWindow::placement_data()
{
    QTest::addColumn<Placed>("place");
    QTest::addColumn<QVariant>("expected");
    // A new window of 480 x 350 among those open (the main window first); a message box of
    // 300 x 120 about its window; the main window of 622 x 575 first shown (nothing: where the
    // window manager puts it); the main window's title bar and bars, with a menu bar of 21 pixels.
    const auto beside = [](QRect screen, std::vector<QRect> open) -> Placed {
        return [=] { return QVariant(qv::frame::placeBeside({480, 350}, screen, open)); };
    };
    const auto message = [](QRect window) -> Placed {
        return [=] { return QVariant(qv::frame::placeMessage({300, 120}, {0, 0, 1280, 1024}, window, {})); };
    };
    const auto opening = [](int titleBar, QRect screen) -> Placed {
        return [=] {
            const std::optional<QPoint> at = qv::frame::placeMain({622, 575}, titleBar, screen);
            return at ? QVariant(*at) : QVariant();
        };
    };
    const auto bars = [](QRect frame, QRect client) -> Placed {
        return [=] {
            const qv::frame::Bars b = qv::frame::barsOf(frame, client, 21);
            return QVariant::fromValue(QList<int>{b.title, b.mainHead});
        };
    };
    const QRect wide(0, 0, 1920, 1080), main(100, 100, 640, 580), big(0, 0, 1280, 1024), small(0, 0, 700, 600);
    const auto row = [](const char* tag, const Placed& place, const QVariant& expected) {
        QTest::newRow(tag) << place << expected;
    };
    row("right of the main window, room on its left too", beside(wide, {{700, 100, 640, 580}}), QPoint(1348, 100));
    row("below the one there", beside(wide, {main, {748, 100, 480, 350}}), QPoint(748, 458));
    row("right of the one there", beside({0, 0, 1920, 700}, {main, {748, 100, 480, 350}}), QPoint(1236, 100));
    row("left when the right has no room", beside(wide, {{900, 100, 640, 580}}), QPoint(412, 100));
    row("below the main window when its sides are full",
        beside(big, {{0, 0, 624, 580}, {632, 0, 480, 350}, {632, 358, 480, 350}, {632, 716, 480, 300}}),
        QPoint(0, 588));
    // No free place: the main window's menu bar clear, as little of it covered as can be, then of the others.
    row("main window centred: its lower corner, clear of its results", beside(big, {{328, 222, 624, 580}}),
        QPoint(800, 674));
    // The first row below the other's title bar (100 + 24, on a grid of 24 pixels), at the screen's right edge.
    row("clear of the main window, a title bar below the others",
        beside({0, 0, 1000, 700}, {{0, 0, 500, 500}, {520, 0, 480, 350}, {520, 100, 480, 350}}), QPoint(520, 144));
    row("over the main window below its menu bar, where it covers least", beside(small, {{0, 0, 640, 580}}),
        QPoint(220, 250));
    // Just below the main window's bars (48 pixels), as far right as leaves six
    // title bars' heights (144 pixels) of the other's title bar in sight: 700 - 144 - 480.
    row("over the others: from the top, their title bars in sight",
        beside(small, {{0, 0, 640, 580}, {220, 250, 480, 350}}), QPoint(76, 48));
    row("every place covers the menu bar: the least of it", beside(small, {{200, 230, 400, 300}}), QPoint(0, 250));
    row("larger than the screen", beside({10, 20, 400, 300}, {{10, 20, 300, 200}}), QPoint(10, 20));
    row("a message right of its window, where the left has room too", message({400, 100, 480, 350}), QPoint(888, 100));
    row("a message left where the right has no room", message({800, 100, 480, 350}), QPoint(492, 100));
    row("a message below where neither side has room", message({0, 0, 1280, 350}), QPoint(0, 358));
    row("main window just fits: the window manager's choice", opening(24, {0, 0, 622, 599}), QVariant());
    row("main window's title bar does not fit: 100 % on 800x600", opening(24, {0, 0, 800, 598}), QPoint(0, 24));
    row("main window at 175 % on 1366x768, below a panel", opening(24, {0, 18, 780, 421}), QPoint(0, 42));
    row("main window wider, on a second screen", opening(30, {1366, 0, 600, 800}), QPoint(1366, 30));
    row("the title bar the window manager draws", bars({100, 100, 648, 612}, {104, 128, 640, 580}),
        QVariant::fromValue(QList<int>{28, 49}));
    row("no frame told: a title bar of 16 pixels", bars({100, 100, 640, 580}, {100, 100, 640, 580}),
        QVariant::fromValue(QList<int>{16, 37}));
}

// A new window beside the others, else over them with every title bar in sight; a message box beside
// its window, right first; the main window with its title bar on the screen.
void MainWindow::placement()
{
    QFETCH(Placed, place);
    QFETCH(QVariant, expected);
    QCOMPARE(place(), expected);
}

QTEST_MAIN(MainWindow)
#include "tst_mainwindow.moc"
