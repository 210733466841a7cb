// The square-root and cube-root windows, driven as a user drives them.
#include "windowcases.h"

#include <QTest>

using namespace qvtest;

namespace {

const std::vector<WindowUnderTest> windows = {
    {"frmsqroot", qv::windows::make_frmsqroot, "Command2", "Command1", {"txt1"}, {"txt2"}},
    {"frmcroot", qv::windows::make_frmcroot, "Command1", "Command2", {"txt1"}, {"txt2"}},
};

} // namespace

class CalcWindows : public QObject {
    Q_OBJECT

private slots:
    void calculate_data();
    void calculate() { runCase(windows); }
    void reset_data();
    void reset();
};

void CalcWindows::calculate_data()
{
    addCaseColumns();

    // The square root is the power with exponent 1.0 / 2.0 of a lenient reading.
    addCase("sqroot: 16", "frmsqroot", {"txt1=16"}, {"txt2=4"});
    addCase("sqroot: 2", "frmsqroot", {"txt1=2"}, {"txt2=1.4142135623731"});
    addCase("sqroot: 3", "frmsqroot", {"txt1=3"}, {"txt2=1.73205080756888"});
    addCase("sqroot: 0.25", "frmsqroot", {"txt1=0.25"}, {"txt2=0.5"});
    addCase("sqroot: 1E300", "frmsqroot", {"txt1=1E300"}, {"txt2=1E+150"});
    addCase("sqroot: empty reads 0", "frmsqroot", {"txt1="}, {"txt2=0"});
    addCase("sqroot: 9abc reads 9", "frmsqroot", {"txt1=9abc"}, {"txt2=3"});
    addCase("sqroot: comma locale shows a comma", "frmsqroot", {"txt1=0.25"}, {"txt2=0,5"}, "", "comma");
    addCase("sqroot: comma locale, 2,25 reads 2", "frmsqroot", {"txt1=2,25"}, {"txt2=1,4142135623731"}, "", "comma");
    addCase("sqroot: -4 keeps the old text", "frmsqroot", {"txt1=-4"}, {"txt2=old"}, "invalid argument");
    addCase("sqroot: 1E400 is beyond reading", "frmsqroot", {"txt1=1E400"}, {"txt2=old"}, "overflow");

    // The cube root's exponent is 1.0 / 3.0, a hair below a third: 19 shows a
    // last digit 4 where a true cube root rounds to 5.
    addCase("croot: 19, exponent not an exact third", "frmcroot", {"txt1=19"}, {"txt2=2.66840164872194"});
    addCase("croot: 27", "frmcroot", {"txt1=27"}, {"txt2=3"});
    addCase("croot: 8", "frmcroot", {"txt1=8"}, {"txt2=2"});
    addCase("croot: 1000", "frmcroot", {"txt1=1000"}, {"txt2=10"});
    addCase("croot: 64", "frmcroot", {"txt1=64"}, {"txt2=4"});
    addCase("croot: 2", "frmcroot", {"txt1=2"}, {"txt2=1.25992104989487"});
    addCase("croot: 10", "frmcroot", {"txt1=10"}, {"txt2=2.15443469003188"});
    addCase("croot: empty reads 0", "frmcroot", {"txt1="}, {"txt2=0"});
    addCase("croot: comma locale", "frmcroot", {"txt1=2"}, {"txt2=1,25992104989487"}, "", "comma");
    addCase("croot: -8 keeps the old text", "frmcroot", {"txt1=-8"}, {"txt2=old"}, "invalid argument");
}

void CalcWindows::reset_data()
{
    QTest::addColumn<QString>("window");
    for (const WindowUnderTest& w : windows)
        QTest::newRow(w.name) << QString::fromLatin1(w.name);
}

void CalcWindows::reset()
{
    QFETCH(QString, window);
    runReset(*findUnderTest(windows, window));
}

QTEST_MAIN(CalcWindows)
#include "tst_calcwindows.moc"
