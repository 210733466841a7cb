// The area windows, driven as a user drives them: each window's worked cases,
// a case whose last digit shows the written order of evaluation, the window's
// input rule (strict text or lenient reading), the comma locale, and every
// failure it can meet with the fields it has written by then.
#include "windowcases.h"

#include "frmquorvane.h"

#include <QTest>

using namespace qvtest;

namespace {

const std::vector<WindowUnderTest> windows = {
    {"frmsquare", qv::windows::make_frmsquare, "Command1", "Command2", {"txt1"}, {"txt2"}},
    {"frmrect", qv::windows::make_frmrect, "cmd2", "cmd1", {"txt1", "txt2"}, {"txt3"}},
    {"frmtri", qv::windows::make_frmtri, "Command1", "Command2", {"txt1", "txt2", "txt3"}, {"txt4"}},
    {"frmcir", qv::windows::make_frmcir, "Command1", "Command2", {"txt1"}, {"txt2", "txt3"}},
    {"frmdia", qv::windows::make_frmdia, "Command2", "Command1", {"txt1", "txt2"}, {"txt3"}},
    {"frmcube", qv::windows::make_frmcube, "Command2", "Command1", {"txt1"}, {"txt2"}},
    {"frmsph", qv::windows::make_frmsph, "Command2", "Command1", {"txt1"}, {"txt2"}},
    {"frmcyl", qv::windows::make_frmcyl, "Command2", "Command1", {"txt1", "txt2"}, {"txt3", "txt4"}},
    {"frmhemi", qv::windows::make_frmhemi, "Command3", "Command1", {"txt1"}, {"txt2", "txt3"}},
    {"frmcone", qv::windows::make_frmcone, "cmdcal", "cmdre", {"txt1", "txt2"}, {"txt3", "txt4", "txt5"}},
};

} // namespace

class AreaWindows : public QObject {
    Q_OBJECT

private slots:
    void strictWindows_data();
    void strictWindows() { runCase(windows); }
    void triangle_data();
    void triangle() { runCase(windows); }
    void solids_data();
    void solids() { runCase(windows); }
    void cone_data();
    void cone() { runCase(windows); }

    void reset_data();
    void reset();
    void openedFromTheMenu_data();
    void openedFromTheMenu();
};

// Square, rectangle, circle and diagonal: the field texts take part in the
// arithmetic and are read strictly, in the user's locale, on each use.
void AreaWindows::strictWindows_data()
{
    addCaseColumns();

    addCase("square: 5", "frmsquare", {"txt1=5"}, {"txt2=25"});
    addCase("square: 2.5", "frmsquare", {"txt1=2.5"}, {"txt2=6.25"});
    addCase("square: -3", "frmsquare", {"txt1=-3"}, {"txt2=9"});
    addCase("square: spaces around 5", "frmsquare", {"txt1= 5 "}, {"txt2=25"});
    addCase("square: 0.1", "frmsquare", {"txt1=0.1"}, {"txt2=0.01"});
    addCase("square: 1E100", "frmsquare", {"txt1=1E100"}, {"txt2=1E+200"});
    addCase("square: comma locale 2,5", "frmsquare", {"txt1=2,5"}, {"txt2=6,25"}, "", "comma");
    addCase("square: empty is no 0", "frmsquare", {"txt1="}, {"txt2=old"}, "conversion");
    addCase("square: blanks", "frmsquare", {"txt1=   "}, {"txt2=old"}, "conversion");
    addCase("square: 12abc", "frmsquare", {"txt1=12abc"}, {"txt2=old"}, "conversion");
    addCase("square: 1,5 with the full stop", "frmsquare", {"txt1=1,5"}, {"txt2=old"}, "conversion");
    addCase("square: 1E200 overflows", "frmsquare", {"txt1=1E200"}, {"txt2=old"}, "overflow");

    addCase("rect: 4 by 2.5", "frmrect", {"txt1=4", "txt2=2.5"}, {"txt3=10"});
    addCase("rect: comma locale groups thousands", "frmrect", {"txt1=1.000", "txt2=2,5"}, {"txt3=2500"}, "", "comma");
    addCase("rect: empty breadth", "frmrect", {"txt1=3", "txt2="}, {"txt3=old"}, "conversion");
    addCase("rect: empty length", "frmrect", {"txt1=", "txt2=3"}, {"txt3=old"}, "conversion");
    addCase("rect: 12abc", "frmrect", {"txt1=12abc", "txt2=2"}, {"txt3=old"}, "conversion");
    addCase("rect: overflow", "frmrect", {"txt1=1E200", "txt2=1E200"}, {"txt3=old"}, "overflow");

    // Area ((22 x r) x r) / 7 and circumference (44 x r) / 7, never 22/7 x r x r.
    addCase("cir: 7", "frmcir", {"txt1=7"}, {"txt2=154", "txt3=44"});
    addCase("cir: 1", "frmcir", {"txt1=1"}, {"txt2=3.14285714285714", "txt3=6.28571428571429"});
    addCase("cir: 0.5", "frmcir", {"txt1=0.5"}, {"txt2=0.785714285714286", "txt3=3.14285714285714"});
    addCase("cir: 2", "frmcir", {"txt1=2"}, {"txt2=12.5714285714286", "txt3=12.5714285714286"});
    addCase("cir: 1.2, area in written order", "frmcir", {"txt1=1.2"}, {"txt2=4.52571428571428", "txt3=7.54285714285714"});
    addCase("cir: 1.1, circumference in written order", "frmcir", {"txt1=1.1"}, {"txt2=3.80285714285714", "txt3=6.91428571428572"});
    addCase("cir: -7", "frmcir", {"txt1=-7"}, {"txt2=154", "txt3=-44"});
    addCase("cir: comma locale 0,5", "frmcir", {"txt1=0,5"}, {"txt2=0,785714285714286", "txt3=3,14285714285714"}, "", "comma");
    addCase("cir: empty", "frmcir", {"txt1="}, {"txt2=old", "txt3=old"}, "conversion");
    addCase("cir: 7m", "frmcir", {"txt1=7m"}, {"txt2=old", "txt3=old"}, "conversion");
    addCase("cir: 1E160 overflows in the area", "frmcir", {"txt1=1E160"}, {"txt2=old", "txt3=old"}, "overflow");

    // The diagonal is ((l x l) + (b x b)) ^ (1.0 / 2.0), not a hypotenuse function.
    addCase("dia: 3, 4", "frmdia", {"txt1=3", "txt2=4"}, {"txt3=5"});
    addCase("dia: 1, 1", "frmdia", {"txt1=1", "txt2=1"}, {"txt3=1.4142135623731"});
    addCase("dia: 5, 12", "frmdia", {"txt1=5", "txt2=12"}, {"txt3=13"});
    addCase("dia: 0, 0", "frmdia", {"txt1=0", "txt2=0"}, {"txt3=0"});
    addCase("dia: -3, 4", "frmdia", {"txt1=-3", "txt2=4"}, {"txt3=5"});
    addCase("dia: 0.6, 4.2 in written order", "frmdia", {"txt1=0.6", "txt2=4.2"}, {"txt3=4.24264068711928"});
    addCase("dia: spaces around 3", "frmdia", {"txt1= 3 ", "txt2=4"}, {"txt3=5"});
    addCase("dia: comma locale", "frmdia", {"txt1=1,5", "txt2=2"}, {"txt3=2,5"}, "", "comma");
    addCase("dia: empty breadth", "frmdia", {"txt1=3", "txt2="}, {"txt3=old"}, "conversion");
    addCase("dia: overflow", "frmdia", {"txt1=1E200", "txt2=1"}, {"txt3=old"}, "overflow");
    addCase("dia: the length fails first", "frmdia", {"txt1=", "txt2=1E200"}, {"txt3=old"}, "conversion");
    addCase("dia: then the breadth", "frmdia", {"txt1=1E200", "txt2="}, {"txt3=old"}, "overflow");
}

// Heron's formula on lenient readings.
void AreaWindows::triangle_data()
{
    addCaseColumns();

    addCase("tri: 3, 4, 5", "frmtri", {"txt1=3", "txt2=4", "txt3=5"}, {"txt4=6"});
    addCase("tri: 5, 5, 8", "frmtri", {"txt1=5", "txt2=5", "txt3=8"}, {"txt4=12"});
    addCase("tri: 7, 8, 9", "frmtri", {"txt1=7", "txt2=8", "txt3=9"}, {"txt4=26.8328157299975"});
    addCase("tri: 2, 3, 4", "frmtri", {"txt1=2", "txt2=3", "txt3=4"}, {"txt4=2.90473750965556"});
    addCase("tri: 1, 1, 1", "frmtri", {"txt1=1", "txt2=1", "txt3=1"}, {"txt4=0.433012701892219"});
    addCase("tri: 10, 10, 10", "frmtri", {"txt1=10", "txt2=10", "txt3=10"}, {"txt4=43.3012701892219"});
    addCase("tri: 1.1, 1.3, 1.7 in written order", "frmtri", {"txt1=1.1", "txt2=1.3", "txt3=1.7"}, {"txt4=0.714995629357271"});
    addCase("tri: degenerate 1, 2, 3", "frmtri", {"txt1=1", "txt2=2", "txt3=3"}, {"txt4=0"});
    addCase("tri: empty sides read 0", "frmtri", {"txt1=", "txt2=", "txt3="}, {"txt4=0"});
    addCase("tri: negative sides", "frmtri", {"txt1=-3", "txt2=-4", "txt3=-5"}, {"txt4=6"});
    addCase("tri: 3m reads 3", "frmtri", {"txt1=3m", "txt2=4", "txt3=5"}, {"txt4=6"});
    addCase("tri: 2,5 reads 2", "frmtri", {"txt1=2,5", "txt2=2", "txt3=2"}, {"txt4=1.73205080756888"});
    addCase("tri: comma locale", "frmtri", {"txt1=2,5", "txt2=2", "txt3=2.5"}, {"txt4=1,9515618744995"}, "", "comma");
    addCase("tri: 1, 1, 3 is no triangle", "frmtri", {"txt1=1", "txt2=1", "txt3=3"}, {"txt4=old"}, "invalid argument");
    addCase("tri: overflow", "frmtri", {"txt1=1E200", "txt2=1E200", "txt3=1E200"}, {"txt4=old"}, "overflow");
}

// Cube, sphere, cylinder and hemisphere: lenient readings.
void AreaWindows::solids_data()
{
    addCaseColumns();

    addCase("cube: 3", "frmcube", {"txt1=3"}, {"txt2=54"});
    addCase("cube: 2.5", "frmcube", {"txt1=2.5"}, {"txt2=37.5"});
    addCase("cube: -2", "frmcube", {"txt1=-2"}, {"txt2=24"});
    addCase("cube: 3 cm reads 3", "frmcube", {"txt1=3 cm"}, {"txt2=54"});
    addCase("cube: 12abc reads 12, unlike the square", "frmcube", {"txt1=12abc"}, {"txt2=864"});
    addCase("cube: empty reads 0", "frmcube", {"txt1="}, {"txt2=0"});
    addCase("cube: abc reads 0", "frmcube", {"txt1=abc"}, {"txt2=0"});
    addCase("cube: comma locale, 2,5 reads 2", "frmcube", {"txt1=2,5"}, {"txt2=24"}, "", "comma");
    addCase("cube: comma locale, 2.5 shows a comma", "frmcube", {"txt1=2.5"}, {"txt2=37,5"}, "", "comma");
    addCase("cube: overflow", "frmcube", {"txt1=1E155"}, {"txt2=old"}, "overflow");

    addCase("sph: 7", "frmsph", {"txt1=7"}, {"txt2=616"});
    addCase("sph: 1", "frmsph", {"txt1=1"}, {"txt2=12.5714285714286"});
    addCase("sph: 0.5", "frmsph", {"txt1=0.5"}, {"txt2=3.14285714285714"});
    addCase("sph: 0.6 in written order", "frmsph", {"txt1=0.6"}, {"txt2=4.52571428571428"});
    addCase("sph: empty reads 0", "frmsph", {"txt1="}, {"txt2=0"});
    addCase("sph: comma locale", "frmsph", {"txt1=0.5"}, {"txt2=3,14285714285714"}, "", "comma");
    addCase("sph: overflow", "frmsph", {"txt1=1E155"}, {"txt2=old"}, "overflow");

    // txt1 is the length, txt2 the radius; txt3 the total, txt4 the lateral area.
    addCase("cyl: 10, 7", "frmcyl", {"txt1=10", "txt2=7"}, {"txt3=748", "txt4=440"});
    addCase("cyl: 1, 1", "frmcyl", {"txt1=1", "txt2=1"}, {"txt3=12.5714285714286", "txt4=6.28571428571429"});
    addCase("cyl: 0, 7", "frmcyl", {"txt1=0", "txt2=7"}, {"txt3=308", "txt4=0"});
    addCase("cyl: 7, 0", "frmcyl", {"txt1=7", "txt2=0"}, {"txt3=0", "txt4=0"});
    addCase("cyl: 0.1, 1, total in written order", "frmcyl", {"txt1=0.1", "txt2=1"}, {"txt3=6.91428571428572", "txt4=0.628571428571429"});
    addCase("cyl: 0.1, 5.4, lateral in written order", "frmcyl", {"txt1=0.1", "txt2=5.4"}, {"txt3=186.685714285714", "txt4=3.39428571428572"});
    addCase("cyl: empty reads 0", "frmcyl", {"txt1=", "txt2=abc"}, {"txt3=0", "txt4=0"});
    addCase("cyl: comma locale", "frmcyl", {"txt1=1", "txt2=1"}, {"txt3=12,5714285714286", "txt4=6,28571428571429"}, "", "comma");
    addCase("cyl: overflow in the total", "frmcyl", {"txt1=1", "txt2=1E155"}, {"txt3=old", "txt4=old"}, "overflow");
    addCase("cyl: overflow in the lateral area keeps the total", "frmcyl", {"txt1=1E307", "txt2=1E-300"}, {"txt3=62857142.8571429", "txt4=old"}, "overflow");

    // txt2 is the total, txt3 the lateral area.
    addCase("hemi: 7", "frmhemi", {"txt1=7"}, {"txt2=462", "txt3=308"});
    addCase("hemi: 1", "frmhemi", {"txt1=1"}, {"txt2=9.42857142857143", "txt3=6.28571428571429"});
    addCase("hemi: -7", "frmhemi", {"txt1=-7"}, {"txt2=462", "txt3=308"});
    addCase("hemi: 8.1, total in written order", "frmhemi", {"txt1=8.1"}, {"txt2=618.608571428572", "txt3=412.405714285714"});
    addCase("hemi: 2.7, lateral in written order", "frmhemi", {"txt1=2.7"}, {"txt2=68.7342857142857", "txt3=45.8228571428572"});
    addCase("hemi: empty reads 0", "frmhemi", {"txt1="}, {"txt2=0", "txt3=0"});
    addCase("hemi: comma locale", "frmhemi", {"txt1=1"}, {"txt2=9,42857142857143", "txt3=6,28571428571429"}, "", "comma");
    addCase("hemi: overflow", "frmhemi", {"txt1=1E155"}, {"txt2=old", "txt3=old"}, "overflow");
}

// txt1 the radius, txt2 the height; txt3 the slant height, txt4 the curved
// and txt5 the total surface area, each written before the next is computed.
void AreaWindows::cone_data()
{
    addCaseColumns();

    addCase("cone: 3, 4", "frmcone", {"txt1=3", "txt2=4"}, {"txt3=5", "txt4=47.1428571428571", "txt5=75.4285714285714"});
    addCase("cone: 7, 24", "frmcone", {"txt1=7", "txt2=24"}, {"txt3=25", "txt4=550", "txt5=704"});
    addCase("cone: 1, 1", "frmcone", {"txt1=1", "txt2=1"}, {"txt3=1.4142135623731", "txt4=4.44467119602973", "txt5=7.58752833888687"});
    addCase("cone: 0, 5", "frmcone", {"txt1=0", "txt2=5"}, {"txt3=5", "txt4=0", "txt5=0"});
    addCase("cone: -3, 4", "frmcone", {"txt1=-3", "txt2=4"}, {"txt3=5", "txt4=-47.1428571428571", "txt5=-18.8571428571429"});
    addCase("cone: 2, 1, total in written order", "frmcone", {"txt1=2", "txt2=1"}, {"txt3=2.23606797749979", "txt4=14.0552844299987", "txt5=26.6267130014273"});
    addCase("cone: 0.1, 2.6, curved in written order", "frmcone", {"txt1=0.1", "txt2=2.6"}, {"txt3=2.60192236625154", "txt4=0.817747029393341", "txt5=0.849175600821912"});
    addCase("cone: empty reads 0", "frmcone", {"txt1=", "txt2=abc"}, {"txt3=0", "txt4=0", "txt5=0"});
    addCase("cone: comma locale", "frmcone", {"txt1=3", "txt2=4"}, {"txt3=5", "txt4=47,1428571428571", "txt5=75,4285714285714"}, "", "comma");
    addCase("cone: overflow in the squares", "frmcone", {"txt1=1E155", "txt2=0"}, {"txt3=old", "txt4=old", "txt5=old"}, "overflow");
    addCase("cone: overflow in the curved area keeps the slant", "frmcone", {"txt1=1E154", "txt2=0"}, {"txt3=1E+154", "txt4=old", "txt5=old"}, "overflow");
    addCase("cone: overflow in the total keeps slant and curved", "frmcone", {"txt1=2.5E153", "txt2=0"}, {"txt3=2.5E+153", "txt4=1.96428571428571E+307", "txt5=old"}, "overflow");
}

void AreaWindows::reset_data()
{
    QTest::addColumn<QString>("window");
    for (const WindowUnderTest& w : windows)
        QTest::newRow(w.name) << QString::fromLatin1(w.name);
}

void AreaWindows::reset()
{
    QFETCH(QString, window);
    runReset(*findUnderTest(windows, window));
}

// Each Area menu item opens its own window, loaded with its results locked.
void AreaWindows::openedFromTheMenu_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    QTest::newRow("Square") << "mnusq" << "frmsquare";
    QTest::newRow("Rectangle") << "mnurect" << "frmrect";
    QTest::newRow("Triangle") << "mnutri" << "frmtri";
    QTest::newRow("Circle") << "mnucir" << "frmcir";
    QTest::newRow("Length of diagnol") << "mnudia" << "frmdia";
    QTest::newRow("Cube") << "mnucube" << "frmcube";
    QTest::newRow("Sphere") << "mnusph" << "frmsph";
    QTest::newRow("Cylinder") << "mnucyl" << "frmcyl";
    QTest::newRow("Hemi-sphere") << "mnuhemi" << "frmhemi";
    QTest::newRow("Cone") << "mnucone" << "frmcone";
}

void AreaWindows::openedFromTheMenu()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    qv::app::frmquorvane main(qv::NumberLocale::fullStop());
    main.show();
    choose(&main, item.toLatin1().constData());
    auto* form = findWindow(window.toLatin1().constData());
    QVERIFY(form);
    for (const char* result : findUnderTest(windows, window)->results)
        QVERIFY2(form->field(result)->isReadOnly(), result);
}

QTEST_MAIN(AreaWindows)
#include "tst_areawindows.moc"
