// The main window's start-up state and menus, the window slots, and the end
// of the run.
#include "frmquorvane.h"
#include "guitest.h"
#include "placement.h"
#include "twips.h"

#include <QScreen>
#include <set>

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace qvtest;

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
    void newWindowsGoBesideTheOthers_data();
    void newWindowsGoBesideTheOthers();
    void allNineteenWindowsStayOnTheScreen();
    void aLargeMainWindowOpensWithItsTitleBarOnTheScreen_data();
    void aLargeMainWindowOpensWithItsTitleBarOnTheScreen();
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
    const qv::frame::Control* first = nullptr;
    for (const auto& c : w->design().controls)
        if (c.kind != qv::frame::Label && c.kind != qv::frame::Frame && (!first || c.tabIndex < first->tabIndex))
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
    choose(&main, "mnudiv");
    Form* w = findWindow("frmdiv");
    type(*w, "txt1", "10");
    type(*w, "txt2", "4");
    QCOMPARE(press(*w, "Command2"), QString());
    QCOMPARE(textOf(*w, "txt3"), QString("2.5"));
    const int top = w->frameGeometry().top();
    QVERIFY(w->close());
    QCOMPARE(findWindow("frmdiv"), nullptr);
    // The place it left is free for the next window.
    choose(&main, "mnusqroot");
    QCOMPARE(findWindow("frmsqroot")->frameGeometry().top(), top);
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

// A failed calculation is reported, and the windows go on working.
void MainWindow::aFailureKeepsTheProgramRunning()
{
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    choose(&main, "mnudiv");
    Form* w = findWindow("frmdiv");
    type(*w, "txt1", "1");
    type(*w, "txt2", "0");
    // The box stands beside the window, not over its fields: here below the
    // window, there above it.
    const QRect screen = w->screen()->availableGeometry();
    for (const QPoint at : {screen.topLeft(), screen.bottomRight() - QPoint(w->frameGeometry().width(), w->frameGeometry().height())}) {
        w->move(at);
        QRect box;
        QVERIFY(messageFrom([&] { QTest::mouseClick(w->control<QAbstractButton>("Command2"), Qt::LeftButton); }, &box)
                    .startsWith("Division by zero"));
        QVERIFY(!box.intersects(w->frameGeometry()));
    }
    // Still running: the same window, and the main window, keep working.
    QCOMPARE(findWindow("frmdiv"), w);
    type(*w, "txt1", "22");
    type(*w, "txt2", "7");
    QCOMPARE(press(*w, "Command2"), QString());
    QCOMPARE(textOf(*w, "txt3"), QString("3.14285714285714"));
    choose(&main, "mnucir");
    QVERIFY(findWindow("frmcir"));
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
    QTest::newRow("at the right edge of a narrow screen") << QRect(0, 0, 700, 600) << QList<QRect>{{0, 0, 640, 580}}
                                                          << window << QPoint(220, 0);
    QTest::newRow("cascaded down that edge")
        << QRect(0, 0, 700, 600) << QList<QRect>{{0, 0, 640, 580}, {220, 0, 480, 350}} << window << QPoint(220, 32);
    QTest::newRow("the left edge where it has more room")
        << QRect(0, 0, 700, 600) << QList<QRect>{{200, 230, 400, 300}} << window << QPoint(0, 230);
    QTest::newRow("a step in when both edges are full")
        << QRect(0, 0, 600, 400) << QList<QRect>{{0, 0, 500, 380}, {120, 0, 480, 350}, {120, 32, 480, 350}, {0, 0, 480, 350}, {0, 32, 480, 350}}
        << window << QPoint(88, 0);
    QTest::newRow("larger than the screen") << QRect(10, 20, 400, 300) << QList<QRect>{{10, 20, 300, 200}} << window
                                            << QPoint(10, 20);
}

// Beside the main window and the windows open, wholly on the screen: to the
// right where there is room, else to the left, else cascaded.
void MainWindow::newWindowsGoBesideTheOthers()
{
    QFETCH(QRect, screen);
    QFETCH(QList<QRect>, open);
    QFETCH(QSize, size);
    QFETCH(QPoint, expected);
    QCOMPARE(qv::frame::placeBeside(size, screen, {open.begin(), open.end()}), expected);
}

void MainWindow::allNineteenWindowsStayOnTheScreen()
{
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        QSKIP("under Wayland the compositor places the windows");
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    const QRect screen = main.screen()->availableGeometry();
    std::set<std::pair<int, int>> corners{{main.frameGeometry().x(), main.frameGeometry().y()}};
    for (const CalculatorWindow* w : qv::windows::all()) {
        choose(&main, w->item.name);
        const QRect frame = findWindow(w->design.name)->frameGeometry();
        QVERIFY2(screen.contains(frame), w->design.name);
        QVERIFY2(corners.insert({frame.x(), frame.y()}).second, w->design.name);
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

QTEST_MAIN(MainWindow)
#include "tst_mainwindow.moc"
