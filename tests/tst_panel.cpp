// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's arithmetic panel, driven through its real widgets:
// choosing rows, Calculate, File Reset and the clicks on result fields.
#include "failure.h"
#include "frmquorvane.h"
#include "guitest.h"
#include "numbertext.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QMimeData>
#include <QDropEvent>
#include <QClipboard>
#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>

#include <iterator>
#include <vector>

using qv::app::frmquorvane;
using qv::frame::Form;

namespace {

struct Row {
    const char* box;
    const char* first;  // first input (the exponent in the power row)
    const char* second; // second input (the base), nullptr for the factorial
    const char* result;
    std::vector<const char*> controls; // everything the box shows
};

const Row rows[] = {
    {"chk1", "txt1", "txt2", "txt3", {"txt1", "txt2", "txt3", "lbl1", "lbl2"}},
    {"chk2", "txt4", "txt5", "txt6", {"txt4", "txt5", "txt6", "lbl3", "lbl4"}},
    {"chk3", "txt7", "txt8", "txt9", {"txt7", "txt8", "txt9", "lbl5", "lbl6"}},
    {"chk5", "txt13", "txt14", "txt15", {"txt13", "txt14", "txt15", "lbl9", "lbl10"}},
    {"chk6", "txt16", nullptr, "txt17", {"txt16", "txt17", "lbl11"}},
};

const Row& rowOf(const QString& box)
{
    for (const Row& r : rows)
        if (box == QLatin1String(r.box))
            return r;
    qFatal("no row %s", qPrintable(box));
}

const char* const allFields[] = {"txt1", "txt2",  "txt3",  "txt4",  "txt5",  "txt6",  "txt7",
                                 "txt8", "txt9", "txt13", "txt14", "txt15", "txt16", "txt17"};
const char* const resultFields[] = {"txt3", "txt6", "txt9", "txt15", "txt17"};

// A freshly started main window, shown.
struct Started {
    frmquorvane main{qv::NumberLocale::fullStop()};
    Form& p = main.panel();

    Started()
    {
        main.show();
        if (!QTest::qWaitForWindowExposed(&main))
            qWarning("main window not exposed");
    }

    QCheckBox* box(const char* name) { return p.control<QCheckBox>(name); }
    bool shown(const char* name) { return p.control(name)->isVisible(); }
    void tick(const char* name) { QTest::mouseClick(box(name), Qt::LeftButton); }
    QString calculate() { return qvtest::press(p, "cmdcal"); }
    QString clickField(const char* name)
    {
        return qvtest::messageFrom([&] { QTest::mouseClick(p.field(name), Qt::LeftButton); });
    }
    QString text(const char* name) { return qvtest::textOf(p, name); }
    void fill(const Row& row, const QString& first, const QString& second)
    {
        qvtest::type(p, row.first, first);
        if (row.second)
            qvtest::type(p, row.second, second);
    }
};

} // namespace

class Panel : public QObject {
    Q_OBJECT

private slots:
    // Choosing rows.
    void tickShowsRow_data();
    void tickShowsRow();
    void textsSurviveHiding();

    // Calculate and the result-field clicks compute the same row formulas.
    void rowFormula_data();
    void rowFormula();
    void placeholdersReadAsZero();
    void failingPressKeepsEarlierRows_data();
    void failingPressKeepsEarlierRows();
    void accessKeyPressesCalculate();
    void copyAllTicksRows_data();
    void copyAllTicksRows();
    void firstEditReplacesThePlaceholder_data();
    void firstEditReplacesThePlaceholder();

    // File, Reset and the clicks on result fields.
    void resetEmptiesEveryField();
    void resetRightAfterStart();
    void clickComputesOneRow();
    void resultSelectionSurvivesItsClick();
};

// ---------------------------------------------------------------- choosing rows

void Panel::tickShowsRow_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("how");
    for (const Row& r : rows) {
        QTest::addRow("%s by mouse", r.box) << r.box << "mouse";
        QTest::addRow("%s by space bar", r.box) << r.box << "space";
    }
    QTest::addRow("chk5 by assistive technology") << "chk5" << "accessible";
}

void Panel::tickShowsRow()
{
    QFETCH(QString, box);
    QFETCH(QString, how);
    const Row& row = rowOf(box);
    Started s;
    QCheckBox* b = s.box(row.box);
    auto toggle = [&] {
        if (how == "mouse") {
            QTest::mouseClick(b, Qt::LeftButton);
        } else if (how == "space") {
            b->setFocus();
            QTest::keyClick(b, Qt::Key_Space);
        } else {
            QAccessibleInterface* acc = QAccessible::queryAccessibleInterface(b);
            QVERIFY(acc && acc->actionInterface());
            acc->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        }
    };
    auto othersHidden = [&] {
        for (const Row& other : rows)
            if (&other != &row)
                for (const char* c : other.controls)
                    QVERIFY2(!s.shown(c), c);
    };

    QVERIFY(!s.shown("cmdcal"));
    toggle();
    QVERIFY(b->isChecked());
    for (const char* c : row.controls)
        QVERIFY2(s.shown(c), c);
    QVERIFY(s.shown("cmdcal"));
    QVERIFY(s.p.control<QAbstractButton>("cmdcal")->isEnabled());
    othersHidden();
    QCOMPARE(s.text(row.result), QString("Answer"));

    toggle();
    QVERIFY(!b->isChecked());
    for (const char* c : row.controls)
        QVERIFY2(!s.shown(c), c);
    QVERIFY2(s.shown("cmdcal"), "Calculate stays once shown");
    othersHidden();
    for (const char* f : resultFields)
        QVERIFY2(s.p.field(f)->isReadOnly(), f);
}

// Typed text and results stay through hiding; rows do not touch each other.
void Panel::textsSurviveHiding()
{
    Started s;
    s.tick("chk1");
    s.tick("chk3");
    qvtest::type(s.p, "txt1", "4");
    qvtest::type(s.p, "txt2", "5");
    QCOMPARE(s.calculate(), QString());
    s.tick("chk1");
    QVERIFY(!s.shown("txt1"));
    QVERIFY(s.shown("txt7") && s.shown("lbl5"));
    s.tick("chk3");
    QVERIFY(s.shown("cmdcal"));
    s.tick("chk1");
    QCOMPARE(s.text("txt1"), QString("4"));
    QCOMPARE(s.text("txt2"), QString("5"));
    QCOMPARE(s.text("txt3"), QString("9"));
    QVERIFY(!s.shown("txt7"));
}

// ---------------------------------------------------------------- calculation

void Panel::rowFormula_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("expected"); // result text, or the failure message

    // name                                        box      first          second      expected
    QTest::newRow("sum adds numbers, never joins") << "chk1" << "2" << "3" << "5";
    QTest::newRow("sum reads leading numbers") << "chk1" << "12abc" << "3" << "15";
    QTest::newRow("sum of empty fields") << "chk1" << "" << "" << "0";
    QTest::newRow("sum beyond the double range")
        << "chk1" << "1E308" << "1E308"
        << "Overflow: 1E+308 + 1E+308 is too large for the calculator (computing \u201cAddition: answer\u201d).";
    QTest::newRow("a number beyond reading names its field")
        << "chk2" << "5" << "1E400"
        << "Overflow: the number in the field \u201cSubtraction: number to subtract\u201d is too large for the "
           "calculator.";
    // Where both fields are beyond reading, the one the row reads first is named.
    QTest::newRow("sum: both beyond reading")
        << "chk1" << "1E400" << "1E400"
        << "Overflow: the number in the field \u201cAddition: first number\u201d is too large for the calculator.";
    QTest::newRow("difference: both beyond reading")
        << "chk2" << "1E400" << "1E400"
        << "Overflow: the number in the field \u201cSubtraction: number to subtract from\u201d is too large for the "
           "calculator.";
    QTest::newRow("product: both beyond reading")
        << "chk3" << "1E400" << "1E400"
        << "Overflow: the number in the field \u201cMultiplication: first number\u201d is too large for the "
           "calculator.";
    QTest::newRow("power: both beyond reading, the exponent is read first")
        << "chk5" << "1E400" << "1E400"
        << "Overflow: the number in the field \u201cPower: exponent\u201d is too large for the calculator.";
    QTest::newRow("difference first minus second") << "chk2" << "4" << "10" << "-6";
    QTest::newRow("product") << "chk3" << "2.5" << "4" << "10";
    QTest::newRow("power: exponent first, base second") << "chk5" << "3" << "2" << "8";
    QTest::newRow("power with a fractional exponent") << "chk5" << "0.5" << "2" << "1.4142135623731";
    QTest::newRow("power of a negative base") << "chk5" << "2" << "-3" << "9";
    QTest::newRow("power of the placeholders is 0^0") << "chk5" << "Power of" << "Power of" << "1";
    QTest::newRow("power beyond the double range")
        << "chk5" << "400" << "10"
        << "Overflow: 10 to the power 400 is too large for the calculator (computing \u201cPower: answer\u201d).";
    QTest::newRow("power with no real value")
        << "chk5" << "0.25" << "-8"
        << "Invalid argument: -8 to the fractional power 0.25 has no real value (computing \u201cPower: answer\u201d).";
    QTest::newRow("0 to a negative power, nothing divided")
        << "chk5" << "-1" << ""
        << "Division by zero: 0 to the negative power -1 has no value (computing \u201cPower: answer\u201d).";
    QTest::newRow("factorial of 5") << "chk6" << "5" << "" << "120";
    QTest::newRow("factorial of 0") << "chk6" << "0" << "" << "1";
    QTest::newRow("factorial below 1") << "chk6" << "-3" << "" << "1";
    QTest::newRow("factorial of an empty field") << "chk6" << "" << "" << "1";
    QTest::newRow("factorial of the placeholder") << "chk6" << "Factorial" << "" << "1";
    QTest::newRow("factorial of a fraction") << "chk6" << "3.5" << "" << "6";
    QTest::newRow("factorial of 17, positional") << "chk6" << "17" << "" << "355687428096000";
    QTest::newRow("factorial of 18, scientific") << "chk6" << "18" << "" << "6.402373705728E+15";
    QTest::newRow("factorial of 170, the largest") << "chk6" << "170" << "" << "7.25741561530799E+306";
    QTest::newRow("factorial of 171 overflows")
        << "chk6" << "171" << ""
        << "Overflow: the factorial of 171 is too large for the calculator (computing "
           "\u201cFactorial: answer\u201d).";
}

// The row's click gives what Calculate gives; a failure empties the row's
// result, so that no old answer stands beside the new input. The result's
// tooltip ends with its formula, its accessible description.
void Panel::rowFormula()
{
    QFETCH(QString, box);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, expected);
    const Row& row = rowOf(box);
    const bool fails = expected.contains(' '); // a result never holds a space

    for (const bool byClick : {false, true}) {
        Started s;
        s.tick(row.box);
        s.fill(row, first, second);
        const QString shown = byClick ? s.clickField(row.result) : s.calculate();
        if (fails) {
            QCOMPARE(shown, expected);
            QCOMPARE(s.text(row.result), QString());
        } else {
            QCOMPARE(shown, QString());
            QCOMPARE(s.text(row.result), expected);
            QLineEdit* result = s.p.field(row.result);
            QCOMPARE(result->toolTip().section(u'\n', -1), result->accessibleDescription());
        }
        // The inputs are read, never written.
        QCOMPARE(s.text(row.first), first);
    }
}

void Panel::copyAllTicksRows_data()
{
    QTest::addColumn<QStringList>("boxes"); // ticked
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<bool>("calculated");   // Calculate pressed before the copy
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("expected"); // "before": the clipboard is left as it was
    QTest::newRow("one row, by the keys in its field")
        << QStringList{"chk1"} << QStringList{"txt1=2", "txt2=3"} << true << "keys" << "txt1" << "2 + 3 = 5\n";
    QTest::newRow("every row, by the window's menu, top to bottom")
        << QStringList{"chk6", "chk5", "chk3", "chk2", "chk1"}
        << QStringList{"txt1=2", "txt2=3", "txt4=4", "txt5=10", "txt7=2.5", "txt8=4", "txt13=3", "txt14=2",
                       "txt16=5"}
        << true << "window menu" << "Label1" << "2 + 3 = 5\n4 - 10 = -6\n2.5 \u00d7 4 = 10\n2 ^ 3 = 8\n5! = 120\n";
    QTest::newRow("ticked rows only, by a result's menu")
        << QStringList{"chk6"} << QStringList{"txt1=2", "txt2=3", "txt16=3.5"} << true << "field menu" << "txt17"
        << "3.5! = 6\n";
    QTest::newRow("the numbers the row used") << QStringList{"chk2"} << QStringList{"txt4=12abc", "txt5= 2"} << true
                                              << "keys" << "txt5" << "12 - 2 = 10\n";
    QTest::newRow("negative numbers in parentheses")
        << QStringList{"chk1", "chk5"} << QStringList{"txt1=1", "txt2=-3", "txt13=2", "txt14=-2"} << true << "keys"
        << "txt1" << "1 + (-3) = -2\n(-2) ^ 2 = 4\n";
    QTest::newRow("a row never calculated is left out")
        << QStringList{"chk1"} << QStringList{"txt1=2", "txt2=3"} << false << "keys" << "txt1" << "before";
    QTest::newRow("nothing ticked, nothing copied") << QStringList{} << QStringList{} << true << "keys" << "chk1"
                                                    << "before";
}
void Panel::copyAllTicksRows()
{
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, inputs);
    QFETCH(bool, calculated);
    QFETCH(QString, how);
    QFETCH(QString, at);
    QFETCH(QString, expected);
    Started s;
    for (const QString& box : boxes)
        s.tick(qPrintable(box));
    for (const QString& input : inputs) {
        const qsizetype equals = input.indexOf(u'=');
        qvtest::type(s.p, qPrintable(input.left(equals)), input.mid(equals + 1));
    }
    if (calculated)
        QCOMPARE(s.calculate(), QString());
    QCOMPARE(qvtest::copiedAll(s.p.control(qPrintable(at)), how), expected);
}

// Placeholder texts read as 0: a press fills hidden rows with 0, 0, 0, 1, 1.
void Panel::placeholdersReadAsZero()
{
    Started s;
    s.tick("chk6");
    qvtest::type(s.p, "txt16", "5");
    QCOMPARE(s.calculate(), QString());
    QCOMPARE(s.text("txt17"), QString("120"));
    for (const char* hidden : {"txt3", "txt6", "txt9", "txt15"})
        QVERIFY2(!s.shown(hidden), hidden);
    s.tick("chk1");
    QCOMPARE(s.text("txt3"), QString("0"));
    QCOMPARE(s.text("txt1"), QString("Addition"));
    s.tick("chk5");
    QCOMPARE(s.text("txt15"), QString("1"));
    QCOMPARE(s.text("txt6"), QString("0"));
    QCOMPARE(s.text("txt9"), QString("0"));
}

void Panel::failingPressKeepsEarlierRows_data()
{
    QTest::addColumn<QString>("failingRow");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("hideIt");
    QTest::addColumn<QString>("expected");

    QTest::newRow("factorial of 171, shown")
        << "chk6" << "171" << "" << false
        << "Overflow: the factorial of 171 is too large for the calculator (computing "
           "\u201cFactorial: answer\u201d).";
    QTest::newRow("root of -8 in a hidden power row")
        << "chk5" << "0.5" << "-8" << true
        << "Invalid argument: the square root of -8 has no real value (computing \u201cPower: answer\u201d, "
           "which is hidden).";
    QTest::newRow("1E308 twice in a hidden addition row")
        << "chk1" << "1E308" << "1E308" << true
        << "Overflow: 1E+308 + 1E+308 is too large for the calculator (computing \u201cAddition: answer\u201d, which "
           "is hidden).";
}

// The press stops at the failing row: rows before it hold their new results,
// it and the rows after it are emptied before the message shows, and the
// program goes on. A hidden failing row fails every press.
void Panel::failingPressKeepsEarlierRows()
{
    QFETCH(QString, failingRow);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, hideIt);
    QFETCH(QString, expected);
    Started s;
    const QString inputs[][2] = {{"1", "2"}, {"10", "4"}, {"3", "7"}, {"2", "5"}, {"4", ""}};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        s.tick(rows[i].box);
        s.fill(rows[i], inputs[i][0], inputs[i][1]);
    }
    QCOMPARE(s.calculate(), QString());
    QCOMPARE(s.text("txt15"), QString("25"));

    // New inputs everywhere; the failing row gets its bad values.
    const QString changed[][2] = {{"100", "1"}, {"50", "8"}, {"6", "6"}, {"3", "3"}, {"3", ""}};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const bool failing = failingRow == QLatin1String(rows[i].box);
        s.fill(rows[i], failing ? first : changed[i][0], failing ? second : changed[i][1]);
    }
    if (hideIt)
        s.tick(failingRow.toLatin1().constData());

    const QString newResults[] = {"101", "42", "36", "27", "6"};
    QStringList results; // as they must stand while the message is up, and after
    bool reached = false;
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        reached = reached || failingRow == QLatin1String(rows[i].box);
        results << (reached ? QString() : newResults[i]);
    }
    const auto shown = [&] {
        QStringList texts;
        for (const Row& row : rows)
            texts << s.text(row.result);
        return texts;
    };
    for (int press = 0; press < 2; ++press) {
        QStringList whileUp;
        QCOMPARE(qvtest::press(s.p, "cmdcal", [&] { whileUp = shown(); }), expected);
        QCOMPARE(whileUp, results);
        QCOMPARE(shown(), results);
    }
    QVERIFY(s.main.isVisible());
}

// Alt+C presses Calculate once it is shown; before the first tick it does nothing.
void Panel::accessKeyPressesCalculate()
{
    Started s;
    QApplication::setActiveWindow(&s.main);
    QVERIFY(QTest::qWaitForWindowActive(&s.main));

    // A shortcut presses its button at once and lets it go a moment later:
    // nothing pressed now means nothing will be calculated.
    auto* calculate = s.p.control<QAbstractButton>("cmdcal");
    QSignalSpy pressed(calculate, &QAbstractButton::pressed);
    QTest::keyClick(&s.main, Qt::Key_C, Qt::AltModifier);
    QCOMPARE(pressed.count(), 0);
    QVERIFY(!calculate->isDown());
    QCOMPARE(s.text("txt3"), QString("Answer"));

    s.tick("chk3");
    qvtest::type(s.p, "txt7", "6");
    qvtest::type(s.p, "txt8", "7");
    s.p.field("txt8")->setFocus();
    QTest::keyClick(s.p.field("txt8"), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(s.text("txt9"), QString("42")); // the button shows itself pressed first
    QCOMPARE(s.text("txt8"), QString("7"));
    QCOMPARE(s.text("txt3"), QString("0"));
}

void Panel::firstEditReplacesThePlaceholder_data()
{
    QTest::addColumn<QString>("how");
    for (const char* how : {"a click, then typing", "two clicks, then typing", "Tab, then typing", "Ctrl+V",
                            "the field's menu", "the middle button", "a drop"})
        QTest::newRow(how) << QString::fromLatin1(how);
}

// A field that still holds its placeholder ("Subtraction") is replaced whole
// by the first edit of any kind, so that "12" typed or pasted gives 12, never
// "Subtractio12n"; once the user has edited it, a click places the cursor.
void Panel::firstEditReplacesThePlaceholder()
{
    QFETCH(QString, how);
    Started s;
    s.tick("chk2");
    QApplication::setActiveWindow(&s.main);
    QLineEdit* f = s.p.field("txt4");
    const QPoint inside(f->width() / 2, f->height() / 2);
    QGuiApplication::clipboard()->setText(QStringLiteral("12"));
    if (how.endsWith("typing")) {
        if (how.startsWith("Tab")) {
            s.p.field("txt5")->setFocus();
            QTest::keyClick(s.p.field("txt5"), Qt::Key_Backtab, Qt::ShiftModifier);
        } else {
            QTest::mouseClick(f, Qt::LeftButton, {}, inside);
        }
        if (how.startsWith("two"))
            QTest::mouseClick(f, Qt::LeftButton, {}, QPoint(f->width() - 8, f->height() / 2));
        QTest::keyClicks(f, "12");
    } else if (how == "Ctrl+V") {
        f->setFocus();
        f->setCursorPosition(3);
        QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
    } else if (how == "the field's menu") {
        QVERIFY(qvtest::chooseFromContextMenu(f, "edit-paste"));
    } else if (how == "the middle button") {
        if (!QGuiApplication::clipboard()->supportsSelection())
            QSKIP("no X11 selection on this platform");
        QGuiApplication::clipboard()->setText(QStringLiteral("12"), QClipboard::Selection);
        QTest::mouseClick(f, Qt::MiddleButton, {}, inside);
    } else {
        QMimeData dropped;
        dropped.setText(QStringLiteral("12"));
        QDragEnterEvent enter(inside, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f, &enter);
        QDropEvent drop(inside, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f, &drop);
    }
    QCOMPARE(f->text(), QString("12"));
    // Edited once, the field takes a click as any field does.
    QTest::mouseClick(f, Qt::LeftButton, {}, QPoint(f->width() - 4, f->height() / 2));
    QTest::keyClicks(f, "0");
    QCOMPARE(f->text(), QString("120"));
}

// ---------------------------------------------------------------- reset and clicks

void Panel::resetEmptiesEveryField()
{
    Started s;
    s.tick("chk1");
    s.tick("chk5");
    qvtest::type(s.p, "txt1", "8");
    qvtest::type(s.p, "txt13", "2");
    qvtest::type(s.p, "txt14", "9");
    QCOMPARE(s.calculate(), QString());
    QCOMPARE(s.text("txt15"), QString("81"));

    // Ctrl+Z right after File, Reset gives every field back.
    QStringList before;
    for (const char* f : allFields)
        before << s.text(f);
    qvtest::choose(&s.main, "mnures");
    QApplication::setActiveWindow(&s.main);
    QVERIFY(QTest::qWaitForWindowActive(&s.main));
    s.p.field("txt1")->setFocus();
    QTest::keyClick(s.p.field("txt1"), Qt::Key_Z, Qt::ControlModifier);
    QStringList after;
    for (const char* f : allFields)
        after << s.text(f);
    QCOMPARE(after, before);

    qvtest::choose(&s.main, "mnures");
    for (const char* f : allFields)
        QVERIFY2(s.text(f).isEmpty(), f);
    QVERIFY(s.box("chk1")->isChecked() && s.box("chk5")->isChecked());
    QVERIFY(!s.box("chk2")->isChecked());
    for (const char* c : rowOf("chk1").controls)
        QVERIFY2(s.shown(c), c);
    QVERIFY(s.shown("lbl9") && !s.shown("txt4") && !s.shown("txt16"));
    QVERIFY(s.shown("cmdcal"));
    for (const char* f : resultFields)
        QVERIFY2(s.p.field(f)->isReadOnly(), f);
    QTest::keyClicks(s.p.field("txt3"), "77");
    QVERIFY(s.text("txt3").isEmpty());

    // Empty fields read as 0: 0, 0, 0, then 0^0 and the empty factorial give 1.
    QCOMPARE(s.calculate(), QString());
    const QString afterReset[] = {"0", "0", "0", "1", "1"};
    for (std::size_t i = 0; i < std::size(resultFields); ++i)
        QCOMPARE(s.text(resultFields[i]), afterReset[i]);
}

// The hidden fields are emptied too; the placeholders do not come back, and
// Calculate stays hidden until a tick.
void Panel::resetRightAfterStart()
{
    Started s;
    qvtest::choose(&s.main, "mnures");
    QVERIFY(!s.shown("cmdcal"));
    QVERIFY(!s.shown("txt1"));
    s.tick("chk2");
    for (const char* f : {"txt4", "txt5", "txt6"})
        QVERIFY2(s.shown(f) && s.text(f).isEmpty(), f);
    QCOMPARE(s.text("txt16"), QString());
}

// A click on a (locked) result field computes its row only, as often as it is
// clicked; a click on an input field computes nothing.
void Panel::clickComputesOneRow()
{
    Started s;
    for (const Row& r : rows)
        s.tick(r.box);
    QCOMPARE(s.clickField("txt3"), QString());
    QCOMPARE(s.text("txt3"), QString("0"));

    qvtest::type(s.p, "txt13", "3");
    qvtest::type(s.p, "txt14", "2");
    qvtest::type(s.p, "txt16", "171"); // would fail, but only its own click reads it
    // Pressed on the field but let go beside it: no click, as with a button.
    QTest::mousePress(s.p.field("txt15"), Qt::LeftButton);
    QTest::mouseRelease(s.p.field("txt15"), Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(s.text("txt15"), QString("Answer"));
    QCOMPARE(s.clickField("txt15"), QString());
    QCOMPARE(s.text("txt15"), QString("8"));
    for (const char* other : {"txt6", "txt9", "txt17"})
        QCOMPARE(s.text(other), QString("Answer"));

    qvtest::type(s.p, "txt16", "6");
    for (int click = 0; click < 2; ++click) {
        QCOMPARE(s.clickField("txt17"), QString());
        QCOMPARE(s.text("txt17"), QString("720"));
    }

    QCOMPARE(s.clickField("txt4"), QString());
    QCOMPARE(s.text("txt6"), QString("Answer"));
}

// A result field's click computes its row again; where the text stays the
// same, the field is left as it is, so that a selection made with the mouse
// (by a drag, or a double-click, which selects the whole number) can be copied.
void Panel::resultSelectionSurvivesItsClick()
{
    Started s;
    s.tick("chk2");
    s.fill(rowOf("chk2"), "0.0001", "1.1E-5");
    QLineEdit* f = s.p.field("txt6");
    QCOMPARE(s.clickField("txt6"), QString());
    QCOMPARE(f->text(), QString("8.9E-05"));
    const int y = f->height() / 2;
    QTest::mouseDClick(f, Qt::LeftButton, {}, QPoint(f->width() / 4, y));
    QTest::mouseRelease(f, Qt::LeftButton, {}, QPoint(f->width() / 4, y));
    QCOMPARE(f->selectedText(), QString("8.9E-05"));
    f->deselect();
    QTest::mousePress(f, Qt::LeftButton, {}, QPoint(2, y));
    QTest::mouseMove(f, QPoint(f->width() - 2, y));
    QTest::mouseRelease(f, Qt::LeftButton, {}, QPoint(f->width() - 2, y));
    QCOMPARE(f->selectedText(), QString("8.9E-05"));
}

QTEST_MAIN(Panel)
#include "tst_panel.moc"
