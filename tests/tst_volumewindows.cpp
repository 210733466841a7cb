// The six volume windows, driven as a user drives them: type into the input
// fields, press a button, read the result field.
#include "forms.h"
#include "frmquorvane.h"
#include "guitest.h"

#include <QTest>

#include <memory>

using namespace qv;

namespace {

// What a test needs to know about a window: how to make it, its input fields
// in reading order, its result field and which button does what.
struct VolumeWindow {
    const char* name;
    const char* menuItem;
    std::unique_ptr<frame::Form> (*make)(const NumberLocale&);
    std::vector<const char*> inputs;
    const char* result;
    const char* calculate;
    const char* reset;
};

const VolumeWindow windows[] = {
    {"frmvcube", "mnucube1", windows::make_frmvcube, {"txt1"}, "txt4", "Command2", "Command1"},
    {"frmvroom", "mnuroom1", windows::make_frmvroom, {"txt1", "txt2", "txt3"}, "txt4", "Command1", "Command2"},
    {"frmvsph", "mnusph1", windows::make_frmvsph, {"txt1"}, "txt2", "Command2", "Command1"},
    {"frmvhemi", "mnuhemi1", windows::make_frmvhemi, {"txt1"}, "txt2", "Command2", "Command1"},
    {"frmvcone", "mnucone1", windows::make_frmvcone, {"txt1", "txt2"}, "txt3", "Command2", "Command1"},
    {"frmvcyl", "mnucyl1", windows::make_frmvcyl, {"txt1", "txt2"}, "txt3", "Command2", "Command1"},
};

const VolumeWindow& windowNamed(const QString& name)
{
    for (const VolumeWindow& w : windows)
        if (name == QLatin1String(w.name))
            return w;
    qFatal("no volume window %s", qPrintable(name));
}

std::unique_ptr<frame::Form> open(const VolumeWindow& w, const NumberLocale& locale = NumberLocale::fullStop())
{
    auto form = w.make(locale);
    form->load();
    form->show();
    return form;
}

void typeInputs(frame::Form& form, const VolumeWindow& w, const QStringList& inputs)
{
    QCOMPARE(inputs.size(), qsizetype(w.inputs.size()));
    for (std::size_t i = 0; i < w.inputs.size(); ++i)
        qvtest::type(form, w.inputs[i], inputs[qsizetype(i)]);
}

void addWindows()
{
    QTest::addColumn<QString>("window");
    for (const VolumeWindow& w : windows)
        QTest::newRow(w.name) << QString::fromLatin1(w.name);
}

} // namespace

class VolumeWindows : public QObject {
    Q_OBJECT

private slots:
    void results_data();
    void results();
    void overflowKeepsOldResult_data();
    void overflowKeepsOldResult();
    void commaLocale_data();
    void commaLocale();
    void resetKeepsResultLocked_data();
    void resetKeepsResultLocked();
    void openedFromMenuWithResultFocused_data();
    void openedFromMenuWithResultFocused();
};

void VolumeWindows::results_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("expected");

    // Cube: (v * v) * v.
    QTest::newRow("cube 3") << "frmvcube" << QStringList{"3"} << "27";
    QTest::newRow("cube 1.1 just above 1.331") << "frmvcube" << QStringList{"1.1"} << "1.331";
    QTest::newRow("cube negative") << "frmvcube" << QStringList{"-2"} << "-8";
    QTest::newRow("cube 100000 is 1E+15") << "frmvcube" << QStringList{"100000"} << "1E+15";
    QTest::newRow("cube 2cm reads 2") << "frmvcube" << QStringList{"2cm"} << "8";
    QTest::newRow("cube 1,5 reads 1") << "frmvcube" << QStringList{"1,5"} << "1";
    QTest::newRow("cube empty") << "frmvcube" << QStringList{""} << "0";
    QTest::newRow("cube letters") << "frmvcube" << QStringList{"abc"} << "0";
    QTest::newRow("cube hex") << "frmvcube" << QStringList{"&H3"} << "27";

    // Room: (l * b) * h.
    QTest::newRow("room 2 3 4") << "frmvroom" << QStringList{"2", "3", "4"} << "24";
    QTest::newRow("room 2.5 4 3") << "frmvroom" << QStringList{"2.5", "4", "3"} << "30";
    QTest::newRow("room tenths") << "frmvroom" << QStringList{"0.1", "0.2", "0.3"} << "0.006";
    QTest::newRow("room negative length") << "frmvroom" << QStringList{"-2", "3", "4"} << "-24";
    QTest::newRow("room empty height") << "frmvroom" << QStringList{"2", "3", ""} << "0";
    QTest::newRow("room all empty") << "frmvroom" << QStringList{"", "", ""} << "0";
    QTest::newRow("room units typed") << "frmvroom" << QStringList{"2m", "3 m", "4metres"} << "24";

    // Sphere: (((88 * r) * r) * r) / 21.
    QTest::newRow("sphere 7") << "frmvsph" << QStringList{"7"} << "1437.33333333333";
    QTest::newRow("sphere 1") << "frmvsph" << QStringList{"1"} << "4.19047619047619";
    QTest::newRow("sphere 0.5") << "frmvsph" << QStringList{"0.5"} << "0.523809523809524";
    QTest::newRow("sphere -1") << "frmvsph" << QStringList{"-1"} << "-4.19047619047619";
    QTest::newRow("sphere 13.26 last digit by order") << "frmvsph" << QStringList{"13.26"} << "9769.98618514285";
    QTest::newRow("sphere 1E+102 fits") << "frmvsph" << QStringList{"1E+102"} << "4.19047619047619E+306";
    QTest::newRow("sphere 7cm") << "frmvsph" << QStringList{"7cm"} << "1437.33333333333";
    QTest::newRow("sphere letters") << "frmvsph" << QStringList{"abc"} << "0";

    // Hemisphere: (((44 * r) * r) * r) / 21.
    QTest::newRow("hemisphere 7") << "frmvhemi" << QStringList{"7"} << "718.666666666667";
    QTest::newRow("hemisphere 1") << "frmvhemi" << QStringList{"1"} << "2.0952380952381";
    QTest::newRow("hemisphere 3") << "frmvhemi" << QStringList{"3"} << "56.5714285714286";
    QTest::newRow("hemisphere 7.63 last digit by order") << "frmvhemi" << QStringList{"7.63"} << "930.694174666666";
    QTest::newRow("hemisphere 1E+102 fits") << "frmvhemi" << QStringList{"1E+102"} << "2.0952380952381E+306";
    QTest::newRow("hemisphere empty") << "frmvhemi" << QStringList{""} << "0";

    // Cone: (((22 * r) * r) * h) / 21.
    QTest::newRow("cone 7 3") << "frmvcone" << QStringList{"7", "3"} << "154";
    QTest::newRow("cone 1 1") << "frmvcone" << QStringList{"1", "1"} << "1.04761904761905";
    QTest::newRow("cone 2 5") << "frmvcone" << QStringList{"2", "5"} << "20.952380952381";
    QTest::newRow("cone 13.05 4 last digit by order") << "frmvcone" << QStringList{"13.05", "4"} << "713.648571428572";
    QTest::newRow("cone 1E+153 1 fits") << "frmvcone" << QStringList{"1E+153", "1"} << "1.04761904761905E+306";
    QTest::newRow("cone negative radius squared") << "frmvcone" << QStringList{"-7", "3"} << "154";
    QTest::newRow("cone negative height") << "frmvcone" << QStringList{"7", "-3"} << "-154";
    QTest::newRow("cone empty radius") << "frmvcone" << QStringList{"", "3"} << "0";
    QTest::newRow("cone 3 m") << "frmvcone" << QStringList{"7", "3 m"} << "154";

    // Cylinder: (((22 * r) * r) * h) / 7.
    QTest::newRow("cylinder 7 3") << "frmvcyl" << QStringList{"7", "3"} << "462";
    QTest::newRow("cylinder 1 1") << "frmvcyl" << QStringList{"1", "1"} << "3.14285714285714";
    QTest::newRow("cylinder 3.5 10") << "frmvcyl" << QStringList{"3.5", "10"} << "385";
    QTest::newRow("cylinder 2 5") << "frmvcyl" << QStringList{"2", "5"} << "62.8571428571429";
    QTest::newRow("cylinder 17.11 10 last digit by order") << "frmvcyl" << QStringList{"17.11", "10"} << "9200.78028571428";
    QTest::newRow("cylinder 1E+153 1 fits") << "frmvcyl" << QStringList{"1E+153", "1"} << "3.14285714285714E+306";
    QTest::newRow("cylinder empty height") << "frmvcyl" << QStringList{"7", ""} << "0";
    QTest::newRow("cylinder letters") << "frmvcyl" << QStringList{"abc", "3"} << "0";
}

void VolumeWindows::results()
{
    QFETCH(QString, window);
    QFETCH(QStringList, inputs);
    QFETCH(QString, expected);
    const VolumeWindow& w = windowNamed(window);
    auto form = open(w);
    typeInputs(*form, w, inputs);
    QCOMPARE(qvtest::press(*form, w.calculate), QString());
    QCOMPARE(qvtest::textOf(*form, w.result), expected);
    // No state survives a press: the same inputs give the same result again.
    QCOMPARE(qvtest::press(*form, w.calculate), QString());
    QCOMPARE(qvtest::textOf(*form, w.result), expected);
    // Calculate reads, never rewrites, its inputs.
    for (std::size_t i = 0; i < w.inputs.size(); ++i)
        QCOMPARE(qvtest::textOf(*form, w.inputs[i]), inputs[qsizetype(i)]);
}

void VolumeWindows::overflowKeepsOldResult_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("before"); // inputs of a result that stands in the field first
    QTest::addColumn<QStringList>("inputs");

    QTest::newRow("cube 1E+200") << "frmvcube" << QStringList{"3"} << QStringList{"1E+200"};
    QTest::newRow("room 1E+150 each") << "frmvroom" << QStringList{"2", "3", "4"} << QStringList{"1E+150", "1E+150", "1E+150"};
    // The product leaves the double range before the division brings it back.
    QTest::newRow("sphere 2E+102 though the volume fits") << "frmvsph" << QStringList{"7"} << QStringList{"2E+102"};
    QTest::newRow("hemisphere 2E+102") << "frmvhemi" << QStringList{"7"} << QStringList{"2E+102"};
    QTest::newRow("cone 1E+153 by 10 though the volume fits") << "frmvcone" << QStringList{"7", "3"} << QStringList{"1E+153", "10"};
    QTest::newRow("cylinder 1E+153 by 10") << "frmvcyl" << QStringList{"7", "3"} << QStringList{"1E+153", "10"};
}

void VolumeWindows::overflowKeepsOldResult()
{
    QFETCH(QString, window);
    QFETCH(QStringList, before);
    QFETCH(QStringList, inputs);
    const VolumeWindow& w = windowNamed(window);
    auto form = open(w);
    typeInputs(*form, w, before);
    QCOMPARE(qvtest::press(*form, w.calculate), QString());
    const QString old = qvtest::textOf(*form, w.result);
    QVERIFY(!old.isEmpty());

    typeInputs(*form, w, inputs);
    QVERIFY(qvtest::press(*form, w.calculate).startsWith("Overflow"));
    QCOMPARE(qvtest::textOf(*form, w.result), old);
    // The window lives on and calculates again.
    typeInputs(*form, w, before);
    QCOMPARE(qvtest::press(*form, w.calculate), QString());
    QCOMPARE(qvtest::textOf(*form, w.result), old);
}

void VolumeWindows::commaLocale_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("expected");

    // Input is always read with the full stop; only the display follows the locale.
    QTest::newRow("cube 1.1") << "frmvcube" << QStringList{"1.1"} << "1,331";
    QTest::newRow("cube 1,5 still reads 1") << "frmvcube" << QStringList{"1,5"} << "1";
    QTest::newRow("room 2,5 reads 2") << "frmvroom" << QStringList{"2,5", "4", "3"} << "24";
    QTest::newRow("sphere 0.5") << "frmvsph" << QStringList{"0.5"} << "0,523809523809524";
    QTest::newRow("cylinder 1E+153 1") << "frmvcyl" << QStringList{"1E+153", "1"} << "3,14285714285714E+306";
}

void VolumeWindows::commaLocale()
{
    QFETCH(QString, window);
    QFETCH(QStringList, inputs);
    QFETCH(QString, expected);
    const VolumeWindow& w = windowNamed(window);
    auto form = open(w, NumberLocale::comma());
    typeInputs(*form, w, inputs);
    QCOMPARE(qvtest::press(*form, w.calculate), QString());
    QCOMPARE(qvtest::textOf(*form, w.result), expected);
}

void VolumeWindows::resetKeepsResultLocked_data() { addWindows(); }

void VolumeWindows::resetKeepsResultLocked()
{
    QFETCH(QString, window);
    const VolumeWindow& w = windowNamed(window);
    auto form = open(w);
    QLineEdit* result = form->field(w.result);
    QVERIFY(result->isReadOnly());
    QTest::keyClicks(result, "99");
    QCOMPARE(result->text(), QString());

    // Reset on empty fields empties nothing and fails nothing.
    QCOMPARE(qvtest::press(*form, w.reset), QString());

    typeInputs(*form, w, QStringList(qsizetype(w.inputs.size()), "2"));
    QCOMPARE(qvtest::press(*form, w.calculate), QString());
    QVERIFY(!result->text().isEmpty());

    QCOMPARE(qvtest::press(*form, w.reset), QString());
    for (const char* input : w.inputs)
        QCOMPARE(qvtest::textOf(*form, input), QString());
    QCOMPARE(result->text(), QString());
    QVERIFY(result->isReadOnly());
    QTest::keyClicks(result, "99");
    QCOMPARE(result->text(), QString());

    // Calculate right after Reset reads every empty input as 0.
    QCOMPARE(qvtest::press(*form, w.calculate), QString());
    QCOMPARE(result->text(), QString("0"));
}

void VolumeWindows::openedFromMenuWithResultFocused_data() { addWindows(); }

void VolumeWindows::openedFromMenuWithResultFocused()
{
    QFETCH(QString, window);
    const VolumeWindow& w = windowNamed(window);
    app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    qvtest::choose(&main, w.menuItem);
    frame::Form* form = qvtest::findWindow(w.name);
    QVERIFY(form);
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));

    // The result field comes first, then the inputs, Calculate and Reset.
    QStringList expected{w.result};
    for (const char* input : w.inputs)
        expected << input;
    expected << w.calculate << w.reset;
    QStringList chain;
    QWidget* at = form->focusWidget();
    for (qsizetype i = 0; i < expected.size() && at; ++i) {
        chain << at->objectName();
        at = at->nextInFocusChain();
        while (at && at->focusPolicy() == Qt::NoFocus)
            at = at->nextInFocusChain();
    }
    QCOMPARE(chain, expected);
    form->close();
}

QTEST_MAIN(VolumeWindows)
#include "tst_volumewindows.moc"
