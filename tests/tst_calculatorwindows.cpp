// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The nineteen calculator windows, driven as a user drives them. A case row
// gives the inputs in the order read, the results in the order written (""
// where a failure empties one), the failure, the locale and the note; it runs
// on the formulas alone and through the window. Rows "in written order" have
// inputs (found by tools/orders) whose last digit changes under any other
// order or grouping of the steps. Expectations are written here and in
// guitest.h, apart from the windows' declarations.
#include "guitest.h"
#include "numbertext.h"

#include <QDropEvent>
#include <QMimeData>

#include <map>
#include <string>

using namespace qvtest;

namespace {

using Texts = std::vector<const char*>;

struct Case {
    QString window;
    Texts inputs;  // in the order of ExpectedWindow::inputs
    Texts results; // in the order of ExpectedWindow::results
    Report report;
    Loc locale;
    QString note;
};

// The rows of one window: the first word of their tags, and its form.
struct Rows {
    const char* name;
    const char* form;
    void operator()(const char* what, const Texts& inputs, const Texts& results, const Report& report = Passes,
                    Loc locale = FullStop, const char* note = "") const
    {
        QTest::addRow("%s: %s", name, what) << Case{form, inputs, results, report, locale, QString::fromUtf8(note)};
    }
};
const Rows frmdiv{"div", "frmdiv"}, frmsqroot{"sqroot", "frmsqroot"}, frmcroot{"croot", "frmcroot"},
    frmsquare{"square", "frmsquare"}, frmrect{"rect", "frmrect"}, frmtri{"tri", "frmtri"}, frmcir{"cir", "frmcir"},
    frmdia{"dia", "frmdia"}, frmcube{"cube", "frmcube"}, frmcyl{"cyl", "frmcyl"}, frmsph{"sph", "frmsph"},
    frmhemi{"hemi", "frmhemi"}, frmcone{"cone", "frmcone"}, frmvcube{"vcube", "frmvcube"},
    frmvroom{"room", "frmvroom"}, frmvcone{"vcone", "frmvcone"}, frmvcyl{"vcyl", "frmvcyl"},
    frmvsph{"vsph", "frmvsph"}, frmvhemi{"vhemi", "frmvhemi"};

// The fields of a window as a table of texts, for its formulas to run on.
struct Table : qv::formula::Sheet {
    std::map<std::string, std::string> texts;
    std::string text(const qv::formula::Field& field) const override { return texts.at(field.name); }
    void write(const qv::formula::Field& field, const std::string& text) override { texts[field.name] = text; }
};

// The windows whose formulas take π as 22/7: those of circles and round solids.
const QStringList piWindows{"frmcir", "frmcyl", "frmsph", "frmhemi", "frmcone",
                            "frmvcone", "frmvcyl", "frmvsph", "frmvhemi"};
const QString piNote = QStringLiteral(" (\u03c0 taken as 22/7)");

// How a text comes into a field: typed after a click, two clicks or Tab, or
// pasted by Ctrl+V, Shift+Insert, the field's menu, the middle button, or dropped.
enum class How { Click, TwoClicks, Tab, CtrlV, ShiftInsert, Menu, Middle, Drop };
struct Entering {
    const char* window; // frmquorvane: the main window, its subtraction row ticked, its minuend txt4
    std::vector<Step> steps; // taken first
    const char* field;
    How how;
    const char* before; // the field's text, the cursor at its end; nullptr: as it stands, the cursor after
                        // its third character
    QString text;
    const char* entered;             // what the field then shows
    std::optional<Outcome> result;   // what Calculate then writes first
    Loc locale = FullStop;
    const char* note = "";           // said under the fields
};

// How the window is copied: a field's text by Ctrl+C or its menu's Copy, or
// the whole window by Ctrl+Shift+C, a field's menu or the window's menu.
enum class Copy { CtrlC, FieldCopy, Keys, FieldMenu, WindowMenu };
struct Copying {
    const char* window;
    std::vector<Step> steps;
    Copy how;
    const char* at;       // the control it is asked in
    int selected;         // characters selected from the first; 0: none
    const char* expected; // on the clipboard; nullptr: what it held before
};

} // namespace

Q_DECLARE_METATYPE(Case)
Q_DECLARE_METATYPE(Entering)
Q_DECLARE_METATYPE(Copying)

class CalculatorWindows : public QObject {
    Q_OBJECT

private slots:
    void cases_data();
    void cases();
    void formulaBehindEachResult_data() { eachWindow(); }
    void formulaBehindEachResult();
    void entering_data();
    void entering();
    void copying_data();
    void copying();
    void buttonsFontsLocksAndReset_data() { eachWindow(); }
    void buttonsFontsLocksAndReset();

private:
    void computes();
    void pressed();
    static void eachWindow()
    {
        QTest::addColumn<QString>("window");
        for (const ExpectedWindow& w : expectedWindows)
            QTest::newRow(w.form) << QString::fromLatin1(w.form);
    }
};

// The row on the window's formulas alone, without a widget: the digits each
// result shows, the failure's kind, the field it names, its words, and the
// notes on fields misread.
void CalculatorWindows::computes()
{
    QFETCH(Case, row);
    const CalculatorWindow& w = described(row.window);
    const ExpectedWindow& expected = expectedWindow(row.window);
    const NumberLocale locale = numbers(row.locale);
    Table sheet;
    for (const char* r : expected.results)
        sheet.texts[r] = "old";
    for (std::size_t i = 0; i < row.inputs.size(); ++i)
        sheet.texts[expected.inputs[i]] = row.inputs[i];
    const qv::formula::Outcome outcome = qv::formula::run(w.calculate.Click, sheet, locale);
    QCOMPARE(outcome.done(), !row.report.fails());
    for (std::size_t i = 0; i < row.results.size(); ++i) // a result not reached is emptied by the window, not here
        QCOMPARE(QString::fromStdString(sheet.texts[expected.results[i]]),
                 !outcome.done() && !*row.results[i] ? QString("old") : QString::fromUtf8(row.results[i]));
    if (row.report.fails()) {
        const QString words = QString::fromStdString(
            qv::windows::failureMessage(w.design, w.calculate.Click, outcome, sheet, locale, w.explains));
        if (row.report.kind)
            QCOMPARE(outcome.failure->kind(), *row.report.kind);
        if (row.report.field)
            QVERIFY2(words.contains(u'\u201c' + QString::fromUtf8(row.report.field) + u'\u201d'), qPrintable(words));
        if (row.report.message) // the window adds the notes on fields misread
            QVERIFY2(QString::fromUtf8(row.report.message).startsWith(words), qPrintable(words));
    }
    QStringList notes;
    for (const qv::formula::Misread& m : outcome.misread)
        notes << QString::fromStdString(qv::formula::note(m, locale, qv::windows::userName(w.design, m.field->name)));
    QVERIFY2(row.note.isEmpty() ? notes.isEmpty() : notes.join(u'\n').contains(row.note), qPrintable(notes.join(u'\n')));
}

// The row through the window, pressed twice: the same digits, shown from
// their first character, selected whole by a double-click; the box of that
// kind over results already emptied; the note shown; the inputs untouched.
void CalculatorWindows::pressed()
{
    QFETCH(Case, row);
    const ExpectedWindow& expected = expectedWindow(row.window);
    Shown form(row.window, row.locale);
    for (const char* r : expected.results)
        form->field(r)->setText("old");
    for (std::size_t i = 0; i < row.inputs.size(); ++i)
        type(*form, expected.inputs[i], QString::fromUtf8(row.inputs[i]));
    QStringList results;
    for (const char* r : row.results)
        results << QString::fromUtf8(r);
    for (int pass = 0; pass < 2; ++pass) {
        QStringList whileUp; // the results while the message stands
        QString kind;
        const QString message = press(*form, expected.calculate.name, [&] {
            kind = QApplication::activeModalWidget()->property("failure").toString();
            for (const char* r : expected.results)
                whileUp << textOf(*form, r);
        });
        QVERIFY2(misreported(row.report, message, kind).isEmpty(), qPrintable(message));
        if (row.report.fails())
            QCOMPARE(whileUp, results);
        const auto* said = form->findChild<QLabel*>(QStringLiteral("note"));
        const QString shownNote = said && said->isVisibleTo(&*form) ? said->text() : QString();
        QVERIFY2(row.note.isEmpty() ? shownNote.isEmpty() : shownNote.contains(row.note), qPrintable(shownNote));
        for (qsizetype i = 0; i < results.size(); ++i) {
            QLineEdit* f = form->field(expected.results[std::size_t(i)]);
            QCOMPARE(f->text(), results[i]);
            if (!results[i].isEmpty()) {
                QCOMPARE(f->cursorPosition(), 0);
                if (pass == 1) {
                    QTest::mouseDClick(f, Qt::LeftButton, {}, QPoint(f->width() / 3, f->height() / 2));
                    QCOMPARE(f->selectedText(), results[i]);
                }
            }
        }
        for (std::size_t i = 0; i < row.inputs.size(); ++i)
            QCOMPARE(textOf(*form, expected.inputs[i]), QString::fromUtf8(row.inputs[i]));
    }
}

void CalculatorWindows::cases()
{
    computes();
    if (!QTest::currentTestFailed())
        pressed();
}

void CalculatorWindows::cases_data()
{
    QTest::addColumn<Case>("row");
    // Division.
    frmdiv("1, 3", {"1", "3"}, {"0.333333333333333"});
    frmdiv("12abc reads 12, words after a number quietly", {"12abc", "4"}, {"3"});
    frmdiv("comma locale, 7,5 by 2,5 read as 7 and 2, and said", {"7,5", "2,5"}, {"3,5"}, Passes, Comma,
        "\u201cEnter the first number\u201d was read as 7: this window takes the full stop as its decimal point "
        "and no thousands separator, so its reading stopped at \u201c,5\u201d.\n\u201cEnter the second number\u201d "
        "was read as 2");
    frmdiv("1,000 read as 1 and said", {"1,000", "1"}, {"1"}, Passes, FullStop,
        "\u201cEnter the first number\u201d was read as 1");
    frmdiv("by 1E-400, read as 0, said in the message", {"1", "1E-400"}, {""},
        Message("Division by zero: 1 cannot be divided by 0 (computing \u201cThe Quotient\u201d). \u201cEnter the "
                "second number\u201d holds 1E-400, too small for the calculator, and was read as 0."),
        FullStop, "was read as 0");
    frmdiv("comma locale, 1,5 reads 1", {"1,5", "4"}, {"0,25"}, Passes, Comma, "was read as 1");
    frmdiv("by zero", {"1", "0"}, {""},
        Message("Division by zero: 1 cannot be divided by 0 (computing \u201cThe Quotient\u201d)."));
    frmdiv("empty by empty", {"", ""}, {""}, Message("Overflow: 0 \u00f7 0 has no value (computing \u201cThe Quotient\u201d)."));
    frmdiv("a number beyond reading names its field", {"5", "1E400"}, {""},
        Message("Overflow: the number in the field \u201cEnter the second number\u201d is too large for the calculator."));
    frmdiv("both beyond reading, the dividend is read first", {"1E400", "1E400"}, {""},
        Fails(Overflow, "Enter the first number"));

    // Roots are powers of a lenient reading with the exponent 1.0 / 2.0 or 1.0 / 3.0.
    frmsqroot("16", {"16"}, {"4"});
    frmsqroot("2", {"2"}, {"1.4142135623731"});
    frmsqroot("comma locale, 2,25 reads 2", {"2,25"}, {"1,4142135623731"}, Passes, Comma, "was read as 2");
    frmsqroot("-4 keeps the old text", {"-4"}, {""}, Fails(InvalidArgument));
    frmsqroot("1E400 is beyond reading", {"1E400"}, {""}, Fails(Overflow));
    // The cube root's exponent is 1.0 / 3.0, a hair below a third: 19 shows a
    // last digit 4 where a true cube root rounds to 5; a perfect cube's root
    // shows whole, 10, where a third of 15 digits would show 9.99999999999998.
    frmcroot("19, exponent not an exact third", {"19"}, {"2.66840164872194"});
    frmcroot("1000, a perfect cube", {"1000"}, {"10"});
    frmcroot("-8 is said to have no real cube root", {"-8"}, {""},
          Message("Invalid argument: the cube root of -8 has no real value (computing \u201cThe cube root\u201d)."));

    // Square, rectangle, circle and diagonal: the field texts take part in the
    // arithmetic and are read strictly, in the user's locale, on each use.
    const char* side = "Give the length of each side of the square in cm";
    frmsquare("98153225, a product, not a power", {"98153225"}, {"9.63405557790062E+15"});
    frmsquare("comma locale 2,5", {"2,5"}, {"6,25"}, Passes, Comma);
    frmsquare("comma locale 2.5, the decimal comma named", {"2.5"}, {""},
           Message("Conversion failure: the field \u201cGive the length of each side of the square in cm\u201d holds "
                   "2.5, which is not a number here: the decimal separator is \u201c,\u201d."),
           Comma);
    frmsquare("0,250 is no number of groups", {"0,250"}, {""}, Fails(Conversion));
    frmsquare("1E-400 read as 0, and said without its blanks", {" 1E-400 "}, {"0"}, Passes, FullStop,
           "holds 1E-400, too small for the calculator, and was read as 0.");
    frmsquare("12abc", {"12abc"}, {""}, Fails(Conversion, side));
    frmsquare("1E400 is too large to read", {"1E400"}, {""}, Fails(Overflow, side));
    frmsquare("1E200 overflows", {"1E200"}, {""},
           Message("Overflow: 1E+200 \u00d7 1E+200 is too large for the calculator (computing \u201cThe area of the "
                   "square in sq cm\u201d)."));

    const char* length = "Give the length of the rectangle in m";
    frmrect("4 by 2.5", {"4", "2.5"}, {"10"});
    frmrect("comma locale groups thousands", {"1.000", "2,5"}, {"2500"}, Passes, Comma);
    frmrect("a unit typed names the breadth", {"3", "2.5m"}, {""},
         Message("Conversion failure: the field \u201cGive the breadth of the rectangle in m\u201d is empty or holds "
                 "text that is not a number."));
    frmrect("overflow", {"1E200", "1E200"}, {""}, Fails(Overflow));
    frmrect("neither reads, the length is named", {"", "abc"}, {""}, Fails(Conversion, length));
    frmrect("a length too large before a breadth of text", {"1E400", "abc"}, {""}, Fails(Overflow, length));
    frmrect("a length of text before a breadth too large", {"abc", "1E400"}, {""}, Fails(Conversion, length));

    // Area ((22 x r) x r) / 7 and circumference (44 x r) / 7, never 22/7 x r x r.
    frmcir("7", {"7"}, {"154", "44"});
    frmcir("1.2, area in written order", {"1.2"}, {"4.52571428571428", "7.54285714285714"});
    frmcir("0.86, circumference in written order", {"0.86"}, {"2.32445714285714", "5.40571428571428"});
    frmcir("comma locale 0,5", {"0,5"}, {"0,785714285714286", "3,14285714285714"}, Passes, Comma);
    frmcir("7m", {"7m"}, {"", ""}, Fails(Conversion, "Enter the radius of the circle in m"));
    frmcir("1E400 is too large to read", {"1E400"}, {"", ""}, Fails(Overflow, "Enter the radius of the circle in m"));
    frmcir("1E160 overflows in the area", {"1E160"}, {"", ""}, Fails(Overflow));

    // The diagonal is ((l x l) + (b x b)) ^ (1.0 / 2.0), not a hypotenuse
    // function; squares as products, not powers: the breadth's, then the length's.
    frmdia("3, 4", {"3", "4"}, {"5"});
    frmdia("37.528775, 68695.677 in written order", {"37.528775", "68695.677"}, {"68695.6872510733"});
    frmdia("97487229, 28191.477 in written order", {"97487229", "28191.477"}, {"97487233.0762229"});
    frmdia("an empty breadth is named", {"3", ""}, {""},
        Message("Conversion failure: the field \u201cGive the breadth\u201d is empty or holds text that is not a number."));
    frmdia("the length fails first", {"", "1E200"}, {""}, Fails(Conversion));
    frmdia("then the breadth", {"1E200", ""}, {""}, Fails(Overflow));
    frmdia("neither reads, the length is named", {"abc", ""}, {""}, Fails(Conversion, "Give the length"));
    frmdia("a length too large before a breadth of text", {"1E400", "abc"}, {""}, Fails(Overflow, "Give the length"));
    frmdia("a length of text before a breadth too large", {"abc", "1E400"}, {""}, Fails(Conversion, "Give the length"));

    // Heron's formula on lenient readings.
    frmtri("3, 4, 5", {"3", "4", "5"}, {"6"});
    frmtri("62.8, 106, 44.4 in written order", {"62.8", "106", "44.4"}, {"417.432707870386"});
    frmtri("degenerate 1, 2, 3", {"1", "2", "3"}, {"0"});
    frmtri("2,5 reads 2", {"2,5", "2", "2"}, {"1.73205080756888"}, Passes, FullStop, "was read as 2");
    frmtri("comma locale", {"2,5", "2", "2.5"}, {"1,9515618744995"}, Passes, Comma, "was read as 2");
    frmtri("1, 1, 3 is no triangle", {"1", "1", "3"}, {""},
        Message("Invalid argument: these three sides make no triangle, as one is longer than the other two together "
                "(computing \u201cThe area of the triangle\u201d)."));
    frmtri("first and second side beyond reading, the first is named", {"1E400", "1E400", "5"}, {""},
        Fails(Overflow, "First side of the triangle in m"));
    frmtri("second and third side beyond reading, the second is named", {"3", "1E999", "1E400"}, {""},
        Message("Overflow: the number in the field \u201cSecond side of the triangle in m\u201d is too large for the "
                "calculator."));
    frmtri("overflow", {"1E200", "1E200", "1E200"}, {""}, Fails(Overflow));

    // Cube, sphere, cylinder and hemisphere surfaces: lenient readings.
    frmcube("3", {"3"}, {"54"});
    frmcube("39943.538, (6 x a) x a", {"39943.538"}, {"9572917367.74467"});
    frmcube("comma locale, 2,5 reads 2", {"2,5"}, {"24"}, Passes, Comma, "was read as 2");
    frmcube("overflow", {"1E155"}, {""}, Fails(Overflow));

    frmsph("7", {"7"}, {"616"});
    frmsph("0.6 in written order", {"0.6"}, {"4.52571428571428"});
    frmsph("comma locale", {"0.5"}, {"3,14285714285714"}, Passes, Comma);
    frmsph("overflow", {"1E155"}, {""}, Fails(Overflow));

    // The length, then the radius; the total, then the lateral area.
    frmcyl("10, 7", {"10", "7"}, {"748", "440"});
    frmcyl("0.15, 88.6 in written order", {"0.15", "88.6"}, {"49426.1428571428", "83.5371428571428"});
    frmcyl("1.7, 7.2 in written order", {"1.7", "7.2"}, {"402.788571428572", "76.9371428571428"});
    frmcyl("empty reads 0", {"", "abc"}, {"0", "0"});
    frmcyl("both beyond reading, the length is named", {"1E400", "1E400"}, {"", ""}, Fails(Overflow, "Give the length"));
    frmcyl("overflow in the total", {"1", "1E155"}, {"", ""}, Fails(Overflow));
    frmcyl("overflow in the lateral area keeps the total", {"1E307", "1E-300"}, {"62857142.8571429", ""},
        Message("Overflow: 44 \u00d7 1E+307 is too large for the calculator (computing \u201cThe lateral surface "
                "area\u201d)."));

    // The total, then the lateral area.
    frmhemi("7", {"7"}, {"462", "308"});
    frmhemi("9.6 in written order", {"9.6"}, {"868.937142857143", "579.291428571428"});
    frmhemi("20.4 in written order", {"20.4"}, {"3923.79428571428", "2615.86285714286"});
    frmhemi("overflow names the total, written first", {"1E155"}, {"", ""},
         Message("Overflow: 6.6E+156 \u00d7 1E+155 is too large for the calculator (computing \u201cThe Total surface "
                 "area\u201d)."));
    frmhemi("comma locale, an overflow in the locale's words", {"1E155"}, {"", ""},
         Message("Overflow: 6,6E+156 \u00d7 1E+155 is too large for the calculator (computing \u201cThe Total surface "
                 "area\u201d)."),
         Comma);

    // The cone's slant height, curved and total area, each written before the next.
    frmcone("3, 4", {"3", "4"}, {"5", "47.1428571428571", "75.4285714285714"});
    frmcone("7, 24", {"7", "24"}, {"25", "550", "704"});
    // The areas in written order, and the squares of the slant products, not powers.
    frmcone("1.12, 24 in written order", {"1.12", "24"}, {"24.026119120657", "84.5719393047126", "88.5143393047126"});
    frmcone("85.481, 3179.3 in written order", {"85.481", "3179.3"},
         {"3180.44894493859", "854442.14825293", "877407.009673215"});
    frmcone("98229229, 3784.9684 in written order", {"98229229", "3784.9684"},
         {"98229229.0729212", "3.03253702308776E+16", "6.0650740439243E+16"});
    frmcone("empty reads 0", {"", "abc"}, {"0", "0", "0"});
    frmcone("both beyond reading, the radius is named", {"1E400", "1E400"}, {"", "", ""},
         Fails(Overflow, "Give the radius"));
    frmcone("overflow in the squares", {"1E155", "0"}, {"", "", ""}, Fails(Overflow));
    frmcone("overflow in the curved area keeps the slant", {"1E154", "0"}, {"1E+154", "", ""}, Fails(Overflow));
    frmcone("overflow in the total keeps slant and curved", {"2.5E153", "0"}, {"2.5E+153", "1.96428571428571E+307", ""},
         Fails(Overflow));

    // The six volume windows: lenient readings, the division last.
    // Cube (v x v) x v and room (l x b) x h: plain products, no power.
    frmvcube("3", {"3"}, {"27"});
    frmvcube("1.1 just above 1.331", {"1.1"}, {"1.331"});
    frmvcube("96272779, products, not a power", {"96272779"}, {"8.92299243703302E+23"});
    frmvcube("comma locale 1.1", {"1.1"}, {"1,331"}, Passes, Comma);
    frmvcube("comma locale 1,5 reads 1", {"1,5"}, {"1"}, Passes, Comma, "was read as 1");
    frmvcube("1E+200 overflows", {"1E+200"}, {""}, Fails(Overflow));
    frmvroom("2, 3, 4", {"2", "3", "4"}, {"24"});
    frmvroom("(l x b) x h", {"228868215", "652548404", "39369565"}, {"5.8797495900747E+24"});
    frmvroom("comma locale 2,5 reads 2", {"2,5", "4", "3"}, {"24"}, Passes, Comma, "was read as 2");
    frmvroom("length and breadth beyond reading, the length is named", {"1E400", "1E400", "1"}, {""},
         Fails(Overflow, "Enter the length"));
    frmvroom("breadth and height beyond reading, the breadth is named", {"1", "1E400", "1E400"}, {""},
         Fails(Overflow, "Enter the breadth"));
    frmvroom("1E+150 each overflows", {"1E+150", "1E+150", "1E+150"}, {""}, Fails(Overflow));

    // Sphere (((88 x r) x r) x r) / 21 and hemisphere with 44: the product
    // first, the division last, which sets the last digit and the overflow.
    frmvsph("13.26, last digit by order", {"13.26"}, {"9769.98618514285"});
    frmvsph("59.3, last digit by order", {"59.3"}, {"873831.019809523"});
    frmvsph("1E+102 fits", {"1E+102"}, {"4.19047619047619E+306"});
    frmvsph("comma locale 0.5", {"0.5"}, {"0,523809523809524"}, Passes, Comma);
    frmvsph("2E+102 overflows though the volume fits", {"2E+102"}, {""}, Fails(Overflow));
    frmvhemi("7.63, last digit by order", {"7.63"}, {"930.694174666666"});
    frmvhemi("0.892, last digit by order", {"0.892"}, {"1.48705812723809"});
    frmvhemi("1E+102 fits", {"1E+102"}, {"2.0952380952381E+306"});
    frmvhemi("2E+102 overflows", {"2E+102"}, {""}, Fails(Overflow));

    // Cone (((22 x r) x r) x h) / 21 and cylinder the same over 7.
    frmvcone("7, 3", {"7", "3"}, {"154"});
    frmvcone("13.05, 4, last digit by order", {"13.05", "4"}, {"713.648571428572"});
    frmvcone("1.3, 1.6, last digit by order", {"1.3", "1.6"}, {"2.8327619047619"});
    frmvcone("1E+153, 1 fits", {"1E+153", "1"}, {"1.04761904761905E+306"});
    frmvcone("both beyond reading, the radius is named", {"1E400", "1E400"}, {""}, Fails(Overflow, "Enter the radius"));
    frmvcone("1E+153, 10 overflows though the volume fits", {"1E+153", "10"}, {""}, Fails(Overflow));
    frmvcyl("7, 3", {"7", "3"}, {"462"});
    frmvcyl("17.11, 10, last digit by order", {"17.11", "10"}, {"9200.78028571428"});
    frmvcyl("1.3, 12, last digit by order", {"1.3", "12"}, {"63.7371428571428"});
    frmvcyl("1E+153, 1 fits", {"1E+153", "1"}, {"3.14285714285714E+306"});
    frmvcyl("empty height", {"7", ""}, {"0"});
    frmvcyl("both beyond reading, the radius is named", {"1E400", "1E400"}, {""}, Fails(Overflow, "Enter the radius"));
    frmvcyl("1E+153, 10 overflows", {"1E+153", "10"}, {""}, Fails(Overflow));
}

// Each result's formula is its description and tooltip from the start, with
// the note on π where the formula takes π (not the cone's slant height); a
// result shown in a smaller face puts its whole number first.
void CalculatorWindows::formulaBehindEachResult()
{
    QFETCH(QString, window);
    // Whole formulas where the words show the grouping: products and sums
    // left to right without brackets, a right operand or exponent bracketed,
    // a result written earlier named, a value used twice said once.
    const std::map<std::pair<QString, QString>, QString> wholly{
        {{"frmsqroot", "txt2"}, "square root = number ^ (1 \u00f7 2)"},
        {{"frmtri", "txt4"}, "area = (s \u00d7 ((s \u2212 a) \u00d7 (s \u2212 b) \u00d7 (s \u2212 c))) ^ (1 \u00f7 2), "
                             "where s = (a + b + c) \u00f7 2"},
        {{"frmcir", "txt2"}, "area = 22 \u00d7 radius \u00d7 radius \u00f7 7" + piNote},
        {{"frmcyl", "txt3"}, "total surface area = 44 \u00d7 radius \u00d7 (length + radius) \u00f7 7" + piNote},
        {{"frmcone", "txt5"}, "total surface area = 22 \u00d7 radius \u00d7 (slant height + radius) \u00f7 7" + piNote}};
    const ExpectedWindow& expected = expectedWindow(window);
    Shown form(window, FullStop);
    QMap<QString, double> designedSize;
    for (const char* r : expected.results) {
        QLineEdit* f = form->field(r);
        designedSize[r] = f->font().pointSizeF();
        const QString described = f->accessibleDescription();
        QVERIFY2(described.contains(QLatin1String(" = ")), qPrintable(described));
        QCOMPARE(f->toolTip(), described);
        if (const auto whole = wholly.find({window, QLatin1String(r)}); whole != wholly.end())
            QCOMPARE(described, whole->second);
        const bool takesPi = piWindows.contains(window) && !(window == "frmcone" && QLatin1String(r) == "txt3");
        QCOMPARE(described.endsWith(piNote), takesPi);
    }
    for (const char* input : expected.inputs)
        type(*form, input, "123456789.123456");
    QCOMPARE(press(*form, expected.calculate.name), QString());
    for (const char* r : expected.results) {
        QLineEdit* f = form->field(r);
        const bool smaller = f->font().pointSizeF() < designedSize[r];
        QCOMPARE(f->toolTip(), smaller ? f->text() + u'\n' + f->accessibleDescription() : f->accessibleDescription());
    }
}

void CalculatorWindows::entering_data()
{
    QTest::addColumn<Entering>("row");
    const auto row = [](const char* tag, const Entering& e) { QTest::newRow(tag) << e; };
    // The blanks around what is pasted go, by every way of pasting.
    row("a terminal line by Ctrl+V", {"frmsquare", {}, "txt1", How::CtrlV, "", "12\n", "12", "144"});
    row("a spreadsheet cell by Shift+Insert", {"frmsquare", {}, "txt1", How::ShiftInsert, "", "\t2.5\r\n", "2.5", "6.25"});
    row("spaces around, by the field's menu", {"frmsquare", {}, "txt1", How::Menu, "", "  -3  ", "-3", "9"});
    row("the X11 selection by the middle button", {"frmsquare", {}, "txt1", How::Middle, "", " 7\n", "7", "49"});
    row("after the cursor, the text before kept", {"frmsquare", {}, "txt1", How::CtrlV, "1", "\t2\n", "12", "144"});
    row("blanks inside stay", {"frmsquare", {}, "txt1", How::CtrlV, "", "1 2\n", "1 2", Conversion});
    // Several cells or lines: the first is entered, never their digits joined, and that is said.
    const char* firstOfTwo = "Only the first of the 2 pasted cells or lines, \u201c12\u201d, was entered into "
                             "\u201cEnter the length of the cube\u201d.";
    row("two spreadsheet cells", {"frmvcube", {}, "txt1", How::CtrlV, "", "12\t34", "12", "1728", FullStop, firstOfTwo});
    row("two lines with Windows line ends, by the middle button",
        {"frmvcube", {}, "txt1", How::Middle, "", "12\r\n34\r\n", "12", "1728", FullStop, firstOfTwo});
    row("two lines dropped", {"frmvcube", {}, "txt1", How::Drop, "", "12\n\n34", "12", "1728", FullStop, firstOfTwo});
    // A number the program wrote reads back as itself in a field read leniently.
    row("22 / 7 as the comma locale shows it, into the cube's volume",
        {"frmvcube", {}, "txt1", How::Menu, "", "3,14285714285714", "3.14285714285714", "31,0437317784256", Comma});
    row("a grouped number, full stop", {"frmvcube", {}, "txt1", How::CtrlV, "", "1,000", "1000", "1000000000"});
    row("the comma locale's number stays so where it is read strictly",
        {"frmsquare", {}, "txt1", How::CtrlV, "", "2,5", "2,5", "6,25", Comma});
    row("a result field refuses a paste", {"frmdiv", {{"txt1", "1"}, {"txt2", "4"}, {"Command2"}}, "txt3", How::CtrlV,
                                           nullptr, QString(32767, '9'), "0.25"});
    // A field that still holds its placeholder ("Subtraction") is replaced
    // whole by the first edit of any kind, so that "12" typed or pasted gives
    // 12, never "Subtractio12n"; a second click selects it again.
    const char* const ways[] = {"a click, then typing", "two clicks, then typing", "Tab, then typing", "Ctrl+V", "",
                                "the field's menu", "the middle button", "a drop"};
    for (How how : {How::Click, How::TwoClicks, How::Tab, How::CtrlV, How::Menu, How::Middle, How::Drop})
        row(qPrintable(QString("a placeholder: ") + ways[int(how)]),
            {"frmquorvane", {}, "txt4", how, nullptr, "12", "12", "12"});
}

// A paste, by any way there is to paste, a drop, or typing after a click or
// Tab: what the field shows, the note said, and what Calculate makes of it.
// Once edited, a field takes a click as any field does: it places the cursor.
void CalculatorWindows::entering()
{
    QFETCH(Entering, row);
    const bool main = row.window == QLatin1String("frmquorvane");
    Shown w(row.window, row.locale);
    if (main)
        QTest::mouseClick(w->control("chk2"), Qt::LeftButton);
    QApplication::setActiveWindow(w->window());
    take(*w, row.steps);
    QLineEdit* f = w->field(row.field);
    const QPoint inside(f->width() / 2, f->height() / 2);
    f->setFocus();
    if (row.before)
        f->setText(QString::fromUtf8(row.before));
    else
        f->setCursorPosition(3);
    QGuiApplication::clipboard()->setText(row.text);
    if (row.how == How::Click || row.how == How::TwoClicks) {
        QTest::mouseClick(f, Qt::LeftButton, {}, inside);
        if (row.how == How::TwoClicks) {
            QTest::mouseClick(f, Qt::LeftButton, {}, QPoint(f->width() - 8, f->height() / 2));
            QCOMPARE(f->selectedText(), f->text());
        }
        QTest::keyClicks(f, row.text);
    } else if (row.how == How::Tab) {
        w->field("txt5")->setFocus();
        QTest::keyClick(w->field("txt5"), Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyClicks(f, row.text);
    } else if (row.how == How::CtrlV) {
        QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
    } else if (row.how == How::ShiftInsert) {
        QTest::keyClick(f, Qt::Key_Insert, Qt::ShiftModifier);
    } else if (row.how == How::Menu) {
        QVERIFY(chooseFromContextMenu(f, "edit-paste"));
    } else if (row.how == How::Drop) {
        QMimeData dropped;
        dropped.setText(row.text);
        QDragEnterEvent enter(inside, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f, &enter);
        QDropEvent drop(inside, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f, &drop);
    } else {
        if (!QGuiApplication::clipboard()->supportsSelection())
            QSKIP("no X11 selection on this platform (ctest runs this on a virtual X server too)");
        QGuiApplication::clipboard()->setText(row.text, QClipboard::Selection);
        QTest::mouseClick(f, Qt::MiddleButton, {}, inside);
    }
    QCOMPARE(f->text(), QString::fromUtf8(row.entered));
    const auto* said = w->findChild<QLabel*>(QStringLiteral("note"));
    QCOMPARE(said && said->isVisibleTo(&*w) ? said->text() : QString(), QString::fromUtf8(row.note));
    if (row.result) {
        const QString message = press(*w, main ? "cmdcal" : expectedWindow(row.window).calculate.name);
        const QString shown = textOf(*w, main ? "txt6" : expectedWindow(row.window).results.front());
        QCOMPARE(row.result->failure ? Outcome(*row.result->failure) : Outcome(shown.toStdString()), *row.result);
        QVERIFY2(message.isEmpty() == !row.result->failure, qPrintable(message));
    }
    if (!row.before) {
        QTest::mouseClick(f, Qt::LeftButton, {}, QPoint(f->width() - 4, f->height() / 2));
        QTest::keyClicks(f, "0");
        QCOMPARE(f->text(), QString::fromUtf8(row.entered) + (f->isReadOnly() ? "" : "0"));
    }
}

void CalculatorWindows::copying_data()
{
    QTest::addColumn<Copying>("row");
    const auto row = [](const char* tag, const Copying& c) { QTest::newRow(tag) << c; };
    // "Copy all" puts the window on the clipboard as plain text: a line for
    // each field, its label's words, a tab and its text, inputs first in the
    // order read, results in the order written, and the formulas' pi last.
    const std::vector<Step> circle7{{"txt1", "7"}, {"Command1"}};
    const char* circle = "Enter the radius of the circle in m\t7\nThe area of the circle\t154\n"
                         "The circumference of the circle\t44\n\u03c0 taken as 22/7\n";
    row("cir: Ctrl+Shift+C in the input", {"frmcir", circle7, Copy::Keys, "txt1", 0, circle});
    row("cir: Ctrl+Shift+C in a result", {"frmcir", circle7, Copy::Keys, "txt3", 0, circle});
    row("cir: a result's menu", {"frmcir", circle7, Copy::FieldMenu, "txt2", 0, circle});
    row("cir: the window's menu, on a label", {"frmcir", circle7, Copy::WindowMenu, "Label2", 0, circle});
    row("div: no note on pi", {"frmdiv", {{"txt1", "1"}, {"txt2", "3"}, {"Command2"}}, Copy::Keys, "txt1", 0,
                               "Enter the first number\t1\nEnter the second number\t3\nThe Quotient\t0.333333333333333\n"});
    row("tri: sides named without labels",
        {"frmtri", {{"txt1", "3"}, {"txt2", "4"}, {"txt3", "5"}, {"Command1"}}, Copy::WindowMenu, "Label1", 0,
         "First side of the triangle in m\t3\nSecond side of the triangle in m\t4\nThird side of the triangle in m\t5\n"
         "The area of the triangle\t6\n"});
    row("hemi: results in the order written", {"frmhemi", {{"txt1", "7"}, {"Command3"}}, Copy::Keys, "txt1", 0,
                                               "Give the radius\t7\nThe Total surface area\t462\n"
                                               "The lateral surface area\t308\n\u03c0 taken as 22/7\n"});
    row("cone: inputs in the order read",
        {"frmcone", {{"txt1", "3"}, {"txt2", "4"}, {"cmdcal"}}, Copy::FieldMenu, "txt2", 0,
         "Give the radius\t3\nGive the height\t4\nThe slant height\t5\nThe curved surface area\t47.1428571428571\n"
         "The total surface area\t75.4285714285714\n\u03c0 taken as 22/7\n"});
    row("room: inputs as typed", {"frmvroom", {{"txt1", "2m"}, {"txt2", "3 m"}, {"txt3", "4metres"}, {"Command1"}},
                                  Copy::Keys, "txt3", 0,
                                  "Enter the length\t2m\nEnter the breadth\t3 m\nEnter the height\t4metres\n"
                                  "The volume of the room\t24\n"});
    row("rect: after a failure, the emptied result",
        {"frmrect", {{"txt1", "3"}, {"txt2", "2.5m"}, {"cmd2"}}, Copy::Keys, "txt2", 0,
         "Give the length of the rectangle in m\t3\nGive the breadth of the rectangle in m\t2.5m\n"
         "The area of the rectangle in sq m\t\n"});
    // In the main window, each ticked row that was calculated, with the numbers it used.
    row("main: one row, by the keys in its field",
        {"frmquorvane", {{"chk1"}, {"txt1", "2"}, {"txt2", "3"}, {"cmdcal"}}, Copy::Keys, "txt1", 0, "2 + 3 = 5\n"});
    row("main: every row, by the window's menu, top to bottom",
        {"frmquorvane",
         {{"chk6"}, {"chk5"}, {"chk3"}, {"chk2"}, {"chk1"}, {"txt1", "2"}, {"txt2", "3"}, {"txt4", "4"}, {"txt5", "10"},
          {"txt7", "2.5"}, {"txt8", "4"}, {"txt13", "3"}, {"txt14", "2"}, {"txt16", "5"}, {"cmdcal"}},
         Copy::WindowMenu, "Label1", 0, "2 + 3 = 5\n4 - 10 = -6\n2.5 \u00d7 4 = 10\n2 ^ 3 = 8\n5! = 120\n"});
    row("main: ticked rows only, by a result's menu",
        {"frmquorvane", {{"chk6"}, {"txt1", "2"}, {"txt2", "3"}, {"txt16", "3.5"}, {"cmdcal"}}, Copy::FieldMenu, "txt17",
         0, "3.5! = 6\n"});
    row("main: the numbers the row used",
        {"frmquorvane", {{"chk2"}, {"txt4", "12abc"}, {"txt5", " 2"}, {"cmdcal"}}, Copy::Keys, "txt5", 0, "12 - 2 = 10\n"});
    row("main: negative numbers in parentheses",
        {"frmquorvane", {{"chk1"}, {"chk5"}, {"txt1", "1"}, {"txt2", "-3"}, {"txt13", "2"}, {"txt14", "-2"}, {"cmdcal"}},
         Copy::Keys, "txt1", 0, "1 + (-3) = -2\n(-2) ^ 2 = 4\n"});
    row("main: a row never calculated is left out",
        {"frmquorvane", {{"chk1"}, {"txt1", "2"}, {"txt2", "3"}}, Copy::Keys, "txt1", 0, nullptr});
    row("main: nothing ticked, nothing copied", {"frmquorvane", {}, Copy::Keys, "chk1", 0, nullptr});
    // A copy takes exactly the text the field shows: all of it where nothing
    // is selected, a result's locked field too, never its tooltip or formula.
    const std::vector<Step> third{{"txt1", "1"}, {"txt2", "3"}, {"Command2"}};
    row("a result by Ctrl+C, nothing selected", {"frmdiv", third, Copy::CtrlC, "txt3", 0, "0.333333333333333"});
    row("a result by its menu's Copy, nothing selected", {"frmdiv", third, Copy::FieldCopy, "txt3", 0, "0.333333333333333"});
    row("a selection by Ctrl+C, only it", {"frmdiv", third, Copy::CtrlC, "txt3", 4, "0.33"});
    row("an input as typed", {"frmdiv", {{"txt1", "12abc"}, {"txt2", "4"}, {"Command2"}}, Copy::CtrlC, "txt1", 0, "12abc"});
    row("a result in a smaller face: its digits, not its tooltip",
        {"frmcone", {{"txt1", "98229229"}, {"txt2", "3784.9684"}, {"cmdcal"}}, Copy::CtrlC, "txt4", 0,
         "3.03253702308776E+16"});
    row("an empty field leaves the clipboard", {"frmdiv", {{"txt1", "1"}}, Copy::CtrlC, "txt2", 0, nullptr});
}

void CalculatorWindows::copying()
{
    QFETCH(Copying, row);
    Shown w(row.window, FullStop);
    take(*w, row.steps);
    QWidget* at = w->control(row.at);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QApplication::setActiveWindow(at->window());
    QVERIFY(QTest::qWaitForWindowActive(at->window()));
    at->setFocus();
    if (auto* f = qobject_cast<QLineEdit*>(at); f && (row.how == Copy::CtrlC || row.how == Copy::FieldCopy)) {
        f->deselect();
        if (row.selected)
            f->setSelection(0, row.selected);
    }
    if (row.how == Copy::CtrlC)
        QTest::keyClick(at, Qt::Key_C, Qt::ControlModifier);
    else if (row.how == Copy::Keys)
        QTest::keyClick(at, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    else
        QVERIFY(chooseFromContextMenu(at, row.how == Copy::FieldCopy ? "edit-copy" : "copy-all"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8(row.expected ? row.expected : "before"));
}

// The buttons' names and captions; the fields, each in its designed font,
// only the results locked; Reset empties them in its order (on empty fields,
// nothing), and Ctrl+Z right after it, anywhere in the window, undoes it once.
void CalculatorWindows::buttonsFontsLocksAndReset()
{
    QFETCH(QString, window);
    const ExpectedWindow& expected = expectedWindow(window);
    Shown form(window, FullStop);
    for (const ExpectedButton& b : {expected.calculate, expected.reset})
        QCOMPARE(form->control<QAbstractButton>(b.name)->text(), QString::fromUtf8(b.caption));
    const QList<QLineEdit*> fields = form->findChildren<QLineEdit*>();
    QStringList names, named;
    for (QLineEdit* f : fields)
        names << f->objectName();
    std::vector<const char*> all = expected.inputs;
    all.insert(all.end(), expected.results.begin(), expected.results.end());
    for (std::size_t i = 0; i < all.size(); ++i) {
        named << QString::fromLatin1(all[i]);
        const QString face = misface(form->field(all[i])->font(), expected.faces[i]);
        QVERIFY2(face.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(all[i], face)));
    }
    names.sort();
    named.sort();
    QCOMPARE(names, named);
    const auto typeIntoEach = [&] {
        for (const auto& [list, typed] : {std::pair{&expected.results, ""}, {&expected.inputs, "2"}})
            for (const char* f : *list) {
                QTest::keyClicks(form->field(f), "2");
                QCOMPARE(textOf(*form, f), QString(typed));
            }
    };
    typeIntoEach();
    QCOMPARE(press(*form, expected.calculate.name), QString());
    QMap<QString, QString> computed;
    for (QLineEdit* f : fields)
        computed[f->objectName()] = f->text();
    for (const char* r : expected.results)
        QVERIFY2(!textOf(*form, r).isEmpty(), r);

    QStringList emptied, order; // by Reset, as the fields' texts change
    for (QLineEdit* f : fields)
        connect(f, &QLineEdit::textChanged, &*form, [&emptied, f](const QString& text) {
            emptied << f->objectName() + (text.isEmpty() ? QString() : "=" + text);
        });
    for (const char* f : expected.emptied)
        order << QString::fromLatin1(f);
    QCOMPARE(press(*form, expected.reset.name), QString());
    QCOMPARE(emptied, order);
    QApplication::setActiveWindow(&*form);
    QVERIFY(QTest::qWaitForWindowActive(&*form));
    for (QWidget* focus : {form->control(expected.reset.name), static_cast<QWidget*>(form->field(expected.results.front()))}) {
        focus->setFocus();
        for (int undo = 0; undo < 2; ++undo) {
            QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
            for (QLineEdit* f : fields)
                QCOMPARE(f->text(), computed[f->objectName()]);
        }
        emptied.clear();
        QCOMPARE(press(*form, expected.reset.name), QString());
        QCOMPARE(emptied, order);
    }
    emptied.clear();
    QCOMPARE(press(*form, expected.reset.name), QString());
    QCOMPARE(emptied, QStringList());
    // Once something else was done, Ctrl+Z gives back nothing of a Reset.
    typeIntoEach();
    QTest::keyClick(form->control(expected.reset.name), Qt::Key_Z, Qt::ControlModifier);
    for (const char* i : expected.inputs)
        QCOMPARE(textOf(*form, i), QString("2"));
}

QTEST_MAIN(CalculatorWindows)
#include "tst_calculatorwindows.moc"
