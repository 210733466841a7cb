// The main window's start-up state and menus, the window slots, and the end
// of the run.
#include "frmquorvane.h"
#include "guitest.h"
#include "twips.h"

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
    void closingTheMainWindowLeavesCalculatorsRunning();
    void fileExitEndsTheRun();
    void aFailureKeepsTheProgramRunning();
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
    QCOMPARE(p.control<QAbstractButton>("cmdcal")->text(), QString("&Calculate"));
    QCOMPARE(qobject_cast<QCheckBox*>(p.control("chk5"))->text(), QString("Power of "));
    QCOMPARE(qobject_cast<QLabel*>(p.control("lbl9"))->text(), QString("th power         of "));
    const QString title = qvtest::captionOf(p.control<QLabel>("Label13"));
    QCOMPARE(title.size(), 72);
    QVERIFY(title.startsWith(QString(23, ' ') + "THE" + QString(27, ' ') + "QUORVANE CALCULATOR"));
    // The client area is 9330 x 7995 twips; the first focus is the first check box.
    QCOMPARE(p.size(), QSize(622, 533));
    QCOMPARE(p.control("chk1")->geometry(), QRect(40, 64, 121, 49));
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
    for (const CalculatorWindow* w : qv::windows::all())
        QTest::newRow(w->item.name) << QString::fromLatin1(w->design.name);
}

// The item opens its window alone, modeless, with its title and client size,
// and the focus on the tab stop with the lowest tab index.
void MainWindow::everyMenuItemOpensItsOwnWindow()
{
    QFETCH(QString, form);
    const CalculatorWindow& described = describedWindow(form);
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    choose(&main, described.item.name);
    Form* w = findWindow(qPrintable(form));
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QString::fromUtf8(described.design.caption));
    QCOMPARE(w->size(), qv::frame::twipsSize(described.design.width, described.design.height));
    QVERIFY(!w->isModal());
    const qv::frame::Control* first = nullptr;
    for (const auto& c : described.design.controls)
        if (c.kind != qv::frame::Label && c.kind != qv::frame::Frame && (!first || c.tabIndex < first->tabIndex))
            first = &c;
    QCOMPARE(w->focusWidget()->objectName(), QString::fromLatin1(first->name));
    QVERIFY(main.isVisible());
    int calculators = 0;
    for (QWidget* t : QApplication::topLevelWidgets())
        calculators += t->isVisible() && qobject_cast<Form*>(t) ? 1 : 0;
    QCOMPARE(calculators, 1);
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
    QVERIFY(w->close());
    QCOMPARE(findWindow("frmdiv"), nullptr);
    choose(&main, "mnudiv");
    Form* again = findWindow("frmdiv");
    QVERIFY(again);
    for (const char* f : {"txt1", "txt2", "txt3"})
        QCOMPARE(textOf(*again, f), QString());
    QVERIFY(again->field("txt3")->isReadOnly());
}

void MainWindow::closingTheMainWindowLeavesCalculatorsRunning()
{
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    choose(&main, "mnudiv");
    Form* w = findWindow("frmdiv");
    QVERIFY(main.close());
    QVERIFY(w->isVisible());
    type(*w, "txt1", "1");
    type(*w, "txt2", "3");
    QCOMPARE(press(*w, "Command2"), QString());
    QCOMPARE(textOf(*w, "txt3"), QString("0.333333333333333"));
}

void MainWindow::fileExitEndsTheRun()
{
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    choose(&main, "mnudiv");
    choose(&main, "mnucir");
    bool ran = false;
    QTimer::singleShot(0, &main, [&] {
        ran = true;
        choose(&main, "mnuexit");
    });
    // A safety net: should Exit not end the loop, this does, and the test fails.
    bool timedOut = false;
    QTimer::singleShot(5000, &main, [&] {
        timedOut = true;
        QApplication::exit(1);
    });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(ran);
    QVERIFY(!timedOut);
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
    QVERIFY(press(*w, "Command2").startsWith("Division by zero"));
    // Still running: the same window, and the main window, keep working.
    QCOMPARE(findWindow("frmdiv"), w);
    type(*w, "txt1", "22");
    type(*w, "txt2", "7");
    QCOMPARE(press(*w, "Command2"), QString());
    QCOMPARE(textOf(*w, "txt3"), QString("3.14285714285714"));
    choose(&main, "mnucir");
    QVERIFY(findWindow("frmcir"));
}

QTEST_MAIN(MainWindow)
#include "tst_mainwindow.moc"
