// The main window's start-up state and menus, the window slots, the end of
// the run, and the division window end to end.
#include "forms.h"
#include "frmquorvane.h"
#include "guitest.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace qvtest;
using qv::NumberLocale;
using qv::frame::Form;

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
    void division_data();
    void division();
    void divisionFailureKeepsTheProgramRunning();
    void divisionResetAndLock();
    void divisionTabOrder();
    void labelsShowTheirWholeCaption();
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
    QVERIFY(p.button("cmdcal")->isEnabled());
    QCOMPARE(p.button("cmdcal")->text(), QString("&Calculate"));
    QCOMPARE(qobject_cast<QCheckBox*>(p.control("chk5"))->text(), QString("Power of "));
    QCOMPARE(qobject_cast<QLabel*>(p.control("lbl9"))->text(), QString("th power         of "));
    const QString title = qobject_cast<QLabel*>(p.control("Label13"))->text();
    QCOMPARE(title.size(), 72);
    QVERIFY(title.startsWith(QString(23, ' ') + "THE" + QString(27, ' ') + "QUORVANE CALCULATOR"));
    // The client area is 9330 x 7995 twips; the first focus is the first check box.
    QCOMPARE(p.size(), QSize(622, 533));
    QCOMPARE(p.control("chk1")->geometry(), QRect(40, 64, 121, 49));
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
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QString>("firstFocus");
    const struct {
        const char *item, *form, *caption;
        int width, height;
        const char* firstFocus; // the tab stop with the lowest tab index
    } rows[] = {
        {"mnudiv", "frmdiv", "", 7200, 4875, "txt3"},
        {"mnusqroot", "frmsqroot", "Square root", 6990, 4635, "txt1"},
        {"mnucroot", "frmcroot", "Cube root", 6930, 4800, "txt2"},
        {"mnusq", "frmsquare", "Area of a square", 7215, 4005, "txt1"},
        {"mnurect", "frmrect", "Area of a rectangle", 7230, 5310, "txt3"},
        {"mnutri", "frmtri", "Area of a triangle", 5670, 3870, "txt4"},
        {"mnucir", "frmcir", "Area of a circle", 6735, 4335, "txt3"},
        {"mnudia", "frmdia", "Length of the diagnol", 5640, 3960, "txt1"},
        {"mnucube", "frmcube", "Area of cube", 5955, 3375, "txt2"},
        {"mnucyl", "frmcyl", "Area of cylinder", 6660, 4845, "txt4"},
        {"mnusph", "frmsph", "Area os sphere", 6390, 3285, "txt2"},
        {"mnuhemi", "frmhemi", "Area of hemi-sphere", 7140, 5280, "txt3"},
        {"mnucone", "frmcone", " ", 5970, 5670, "txt5"},
        {"mnucube1", "frmvcube", "Volume of a cube", 5925, 3705, "txt4"},
        {"mnuroom1", "frmvroom", "", 6930, 4800, "txt4"},
        {"mnucone1", "frmvcone", "Volume of a cone", 5490, 4065, "txt3"},
        {"mnucyl1", "frmvcyl", "Volume of a cylinder", 6795, 4875, "txt3"},
        {"mnusph1", "frmvsph", "Volume of a sphere", 6075, 3660, "txt2"},
        {"mnuhemi1", "frmvhemi", "Volume of a hemi-sphere", 6900, 4935, "txt2"},
    };
    for (const auto& r : rows)
        QTest::newRow(r.item) << r.item << r.form << r.caption << QSize((r.width + 7) / 15, (r.height + 7) / 15)
                              << r.firstFocus;
}

void MainWindow::everyMenuItemOpensItsOwnWindow()
{
    QFETCH(QString, item);
    QFETCH(QString, form);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(QString, firstFocus);
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    choose(&main, item.toLatin1());
    Form* w = findWindow(form.toLatin1());
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->size(), client);
    QVERIFY(!w->isModal());
    QCOMPARE(w->focusWidget()->objectName(), firstFocus);
    QVERIFY(main.isVisible());
    // Exactly one window of that form, and no other window opened with it.
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

void MainWindow::division_data()
{
    QTest::addColumn<QString>("dividend");
    QTest::addColumn<QString>("divisor");
    QTest::addColumn<QString>("quotient");
    QTest::newRow("one third") << "1" << "3" << "0.333333333333333";
    QTest::newRow("twenty-two sevenths") << "22" << "7" << "3.14285714285714";
    QTest::newRow("ten by four") << "10" << "4" << "2.5";
    QTest::newRow("six by three") << "6" << "3" << "2";
    QTest::newRow("leading number") << "12abc" << "4" << "3";
    QTest::newRow("comma stops the reading") << "1,5" << "2" << "0.5";
    QTest::newRow("hexadecimal") << "&H10" << "4" << "4";
    QTest::newRow("empty dividend") << "" << "5" << "0";
    QTest::newRow("small quotient is scientific") << "1" << "100000" << "1E-05";
    QTest::newRow("large quotient is scientific") << "1E20" << "1" << "1E+20";
    QTest::newRow("negative") << "-7" << "2" << "-3.5";
}

void MainWindow::division()
{
    QFETCH(QString, dividend);
    QFETCH(QString, divisor);
    QFETCH(QString, quotient);
    for (const NumberLocale& locale : {NumberLocale::fullStop(), NumberLocale::comma()}) {
        auto w = qv::windows::make_frmdiv(locale);
        w->load();
        w->show();
        type(*w, "txt1", dividend);
        type(*w, "txt2", divisor);
        QCOMPARE(press(*w, "Command2"), QString());
        QString expected = quotient;
        if (locale.decimal == ",")
            expected.replace('.', ',');
        QCOMPARE(textOf(*w, "txt3"), expected);
    }
}

void MainWindow::divisionFailureKeepsTheProgramRunning()
{
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    choose(&main, "mnudiv");
    Form* w = findWindow("frmdiv");
    type(*w, "txt1", "9");
    type(*w, "txt2", "3");
    press(*w, "Command2");
    QCOMPARE(textOf(*w, "txt3"), QString("3"));

    type(*w, "txt1", "1");
    type(*w, "txt2", "0");
    QVERIFY(press(*w, "Command2").startsWith("Division by zero"));
    QCOMPARE(textOf(*w, "txt3"), QString("3"));

    type(*w, "txt1", "");
    type(*w, "txt2", "");
    QVERIFY(press(*w, "Command2").startsWith("Overflow"));
    QCOMPARE(textOf(*w, "txt3"), QString("3"));

    // Still running: the same window, and the main window, keep working.
    QCOMPARE(findWindow("frmdiv"), w);
    type(*w, "txt1", "22");
    type(*w, "txt2", "7");
    QCOMPARE(press(*w, "Command2"), QString());
    QCOMPARE(textOf(*w, "txt3"), QString("3.14285714285714"));
    choose(&main, "mnucir");
    QVERIFY(findWindow("frmcir"));
}

void MainWindow::divisionResetAndLock()
{
    auto w = qv::windows::make_frmdiv(NumberLocale::fullStop());
    w->load();
    w->show();
    QCOMPARE(press(*w, "Command1"), QString()); // Reset on empty fields fails nothing
    type(*w, "txt1", "8");
    type(*w, "txt2", "2");
    press(*w, "Command2");
    QCOMPARE(textOf(*w, "txt3"), QString("4"));
    type(*w, "txt3", "99"); // a locked field refuses typing
    QCOMPARE(textOf(*w, "txt3"), QString("4"));
    press(*w, "Command1");
    for (const char* f : {"txt1", "txt2", "txt3"})
        QCOMPARE(textOf(*w, f), QString());
    QVERIFY(w->field("txt3")->isReadOnly());
    QCOMPARE(qobject_cast<QLabel*>(w->control("Label3"))->text(), QString("The  Quotient is "));
}

void MainWindow::divisionTabOrder()
{
    auto w = qv::windows::make_frmdiv(NumberLocale::fullStop());
    w->load();
    w->show();
    // Focus starts on the result field (tab index 0), then follows the tab indices.
    QStringList chain;
    QWidget* at = w->control("txt3");
    for (int i = 0; i < 5; ++i, at = at->nextInFocusChain()) {
        while (!(at->focusPolicy() & Qt::TabFocus))
            at = at->nextInFocusChain();
        chain << at->objectName();
    }
    QCOMPARE(chain, QStringList({"txt3", "txt1", "txt2", "Command2", "Command1"}));
    QCOMPARE(w->focusWidget(), w->control("txt3"));
}

// A caption that wraps is never cut off, whatever fonts stand in for the
// designed ones; and a window without a font of its own still names one.
void MainWindow::labelsShowTheirWholeCaption()
{
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    const char* items[] = {"mnudiv", "mnusqroot", "mnucroot", "mnusq", "mnurect", "mnutri", "mnucir",
                           "mnudia", "mnucube", "mnucyl", "mnusph", "mnuhemi", "mnucone", "mnucube1",
                           "mnuroom1", "mnucone1", "mnucyl1", "mnusph1", "mnuhemi1"};
    for (const char* item : items)
        choose(&main, item);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<Form*>(w) && w->isVisible())
            for (QLabel* label : w->findChildren<QLabel*>()) {
                const QString where = w->objectName() + "." + label->objectName();
                QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(where));
                QVERIFY2(!label->font().families().isEmpty(), qPrintable(where));
            }
}

QTEST_MAIN(MainWindow)
#include "tst_mainwindow.moc"
