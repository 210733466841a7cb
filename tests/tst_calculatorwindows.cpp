// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The nineteen calculator windows, driven as a user drives them: type the
// inputs, press Calculate, read every result field or the failure. Each
// window's worked cases; cases whose last digits show the written order of
// evaluation, where any other order or grouping of a formula's steps (a
// product re-associated, the division moved earlier, 22 / 7 folded, a square
// taken as a power) shows another digit in one of them (the inputs were found
// by tools/orders); its input rule (field text read strictly, or a lenient
// reading), the comma locale, every failure it can meet with the fields
// written by then; its buttons, locks and Reset. What each window does is
// written here and in guitest.h, apart from the windows' declarations.
//
// A case row: window, inputs (field and text), expected results (one for
// every result field; "" where a failure empties it), and, where the press
// fails, the failure's kind, with the words of the label of the field it
// names, or its whole message; the locale (the full stop unless said) and
// the words the note under the fields says, if any. Each row runs twice: on
// the window's formulas alone, without a widget, and through the window, as
// a user types and presses. Where two fields fail, the one named is the one
// read first: the lenient windows read their fields in order, and in the
// strict windows the left operand of each step is read before the right.
// Before the press every result field holds the text "old", as if left by
// an earlier calculation: a failure keeps the results it wrote and empties
// the others, before its message is shown.
#include "guitest.h"
#include "numbertext.h"

#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include <map>
#include <optional>
#include <string>

using namespace qvtest;
using qv::FailureKind;

namespace {

// A field and its text.
struct FieldText {
    const char* field;
    const char* text;
};
using Texts = std::vector<FieldText>;

// What a press reports: nothing, a failure of a kind (naming a field by the
// words of its label), or a whole message.
struct Report {
    std::optional<FailureKind> kind;
    const char* field = nullptr;
    const char* message = nullptr;
    bool fails() const { return kind || message; }
};
const Report Passes{};
Report Fails(FailureKind kind, const char* field = nullptr) { return {kind, field}; }
Report Message(const char* message) { return {std::nullopt, nullptr, message}; }
constexpr FailureKind Conversion = FailureKind::Conversion, DivisionByZero = FailureKind::DivisionByZero,
                      Overflow = FailureKind::Overflow, InvalidArgument = FailureKind::InvalidArgument;

enum class Locale { FullStop, Comma };
constexpr Locale FullStop = Locale::FullStop, Comma = Locale::Comma;
NumberLocale numbers(Locale l) { return l == Comma ? NumberLocale::comma() : NumberLocale::fullStop(); }

} // namespace

Q_DECLARE_METATYPE(Texts)
Q_DECLARE_METATYPE(Report)
Q_DECLARE_METATYPE(Locale)

namespace {

void addCaseColumns()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<Texts>("inputs");
    QTest::addColumn<Texts>("results");
    QTest::addColumn<Report>("report");
    QTest::addColumn<Locale>("locale");
    QTest::addColumn<QString>("note");
}

void addCase(const char* tag, const char* window, const Texts& inputs, const Texts& results,
             const Report& report = Passes, Locale locale = FullStop, const char* note = "")
{
    QTest::newRow(tag) << QString::fromLatin1(window) << inputs << results << report << locale
                       << QString::fromUtf8(note);
}

// The window's description, by its form name.
const CalculatorWindow& described(const QString& form)
{
    for (const CalculatorWindow* w : qv::windows::all())
        if (form == QLatin1String(w->design.name))
            return *w;
    qFatal("no calculator window %s", qPrintable(form));
}

// The fields of a window as a table of texts, for its formulas to run on.
struct Table : qv::formula::Sheet {
    std::map<std::string, std::string> texts;
    std::string text(const qv::formula::Field& field) const override { return texts.at(field.name); }
    void write(const qv::formula::Field& field, const std::string& text) override { texts[field.name] = text; }
};

// Every text field of the window.
QList<QLineEdit*> fieldsOf(Form& form) { return form.findChildren<QLineEdit*>(); }

// The windows whose formulas take π as 22/7: those of circles and round solids.
const QStringList piWindows{"frmcir", "frmcyl", "frmsph", "frmhemi", "frmcone",
                            "frmvcone", "frmvcyl", "frmvsph", "frmvhemi"};
const QString piNote = QStringLiteral(" (\u03c0 taken as 22/7)");

} // namespace

class CalculatorWindows : public QObject {
    Q_OBJECT

private slots:
    void division_data();
    void division() { runCase(); }
    void roots_data();
    void roots() { runCase(); }
    void strictAreas_data();
    void strictAreas() { runCase(); }
    void triangle_data();
    void triangle() { runCase(); }
    void solidAreas_data();
    void solidAreas() { runCase(); }
    void cone_data();
    void cone() { runCase(); }
    void volumes_data();
    void volumes() { runCase(); }
    void formulaBehindEachResult_data();
    void formulaBehindEachResult();
    void copyAll_data();
    void copyAll();
    void everyWindowListedOnce();
    void buttonsLocksAndReset_data();
    void buttonsLocksAndReset();

private:
    void runCase()
    {
        computes();
        if (!QTest::currentTestFailed())
            pressed();
    }
    void computes();
    void pressed();
};

// The row on the window's formulas alone, without a widget: the digits each
// result shows, the failure's kind, the field it names, its words, and the
// notes on fields misread.
void CalculatorWindows::computes()
{
    QFETCH(QString, window);
    QFETCH(Texts, inputs);
    QFETCH(Texts, results);
    QFETCH(Report, report);
    QFETCH(Locale, locale);
    QFETCH(QString, note);
    const CalculatorWindow& w = described(window);
    Table sheet;
    for (const FieldText& r : results)
        sheet.texts[r.field] = "old";
    for (const FieldText& i : inputs)
        sheet.texts[i.field] = i.text;
    const qv::formula::Outcome outcome = qv::formula::run(w.calculate.Click, sheet, numbers(locale));
    QCOMPARE(outcome.done(), !report.fails());
    for (const FieldText& r : results) // a result not reached is emptied by the window, not here
        QCOMPARE(QString::fromStdString(sheet.texts[r.field]),
                 !outcome.done() && !*r.text ? QString("old") : QString::fromUtf8(r.text));
    if (report.fails()) {
        const QString words = QString::fromStdString(
            qv::windows::failureMessage(w.design, w.calculate.Click, outcome, sheet, numbers(locale), w.explains));
        if (report.kind)
            QCOMPARE(outcome.failure->kind(), *report.kind);
        if (report.field)
            QVERIFY2(words.contains(u'\u201c' + QString::fromUtf8(report.field) + u'\u201d'), qPrintable(words));
        if (report.message)
            QVERIFY2(QString::fromUtf8(report.message).startsWith(words), qPrintable(words));
    }
    QStringList notes;
    for (const qv::formula::Misread& m : outcome.misread)
        notes << QString::fromStdString(
            qv::formula::note(m, numbers(locale), qv::windows::userName(w.design, m.field->name)));
    QVERIFY2(note.isEmpty() ? notes.isEmpty() : notes.join(u'\n').contains(note), qPrintable(notes.join(u'\n')));
}

// The row through the window, as a user types and presses: the same digits,
// shown from their first character and selected whole by a double-click;
// the failure's box, of that kind, with the results it did not reach
// already empty; the note under the fields.
void CalculatorWindows::pressed()
{
    QFETCH(QString, window);
    QFETCH(Texts, inputs);
    QFETCH(Texts, results);
    QFETCH(Report, report);
    QFETCH(Locale, locale);
    QFETCH(QString, note);

    auto form = loadWindow(window, numbers(locale));
    form->show();
    for (const FieldText& r : results)
        form->field(r.field)->setText("old");
    for (const FieldText& i : inputs) {
        type(*form, i.field, QString::fromUtf8(i.text));
        QCOMPARE(textOf(*form, i.field), QString::fromUtf8(i.text));
    }

    // Pressed twice: a handler keeps nothing between presses and never
    // rewrites its inputs, so the second press shows the same.
    for (int pass = 0; pass < 2; ++pass) {
        QStringList whileUp; // the results while the message stands
        QString kind;
        const QString message = press(*form, expectedWindow(window).calculate.name, [&] {
            kind = QApplication::activeModalWidget()->property("failure").toString();
            for (const FieldText& r : results)
                whileUp << textOf(*form, r.field);
        });
        QCOMPARE(message.isEmpty(), !report.fails());
        if (report.kind)
            QCOMPARE(kind, QString::fromLatin1(qv::name(*report.kind)));
        if (report.field)
            QVERIFY2(message.contains(u'\u201c' + QString::fromUtf8(report.field) + u'\u201d'), qPrintable(message));
        if (report.message)
            QCOMPARE(message, QString::fromUtf8(report.message));
        QStringList expected;
        for (const FieldText& r : results)
            expected << QString::fromUtf8(r.text);
        if (report.fails())
            QCOMPARE(whileUp, expected);
        // A field read as another number than it seems to say is said under
        // the fields, without hovering; otherwise nothing is.
        const auto* said = form->findChild<QLabel*>(QStringLiteral("note"));
        const QString shownNote = said && said->isVisibleTo(form.get()) ? said->text() : QString();
        QVERIFY2(note.isEmpty() ? shownNote.isEmpty() : shownNote.contains(note), qPrintable(shownNote));
        for (const FieldText& r : results) {
            const QString text = QString::fromUtf8(r.text);
            QCOMPARE(textOf(*form, r.field), text);
            // A written result shows from its first digit, also when it is
            // wider than the field, and a double-click selects all of it.
            if (!text.isEmpty()) {
                QLineEdit* f = form->field(r.field);
                QCOMPARE(f->cursorPosition(), 0);
                if (pass == 1) {
                    QTest::mouseDClick(f, Qt::LeftButton, {}, QPoint(f->width() / 3, f->height() / 2));
                    QCOMPARE(f->selectedText(), text);
                }
            }
        }
        for (const FieldText& i : inputs)
            QCOMPARE(textOf(*form, i.field), QString::fromUtf8(i.text));
    }
}

void CalculatorWindows::division_data()
{
    addCaseColumns();

    addCase("div: 1, 3", "frmdiv", {{"txt1", "1"}, {"txt2", "3"}}, {{"txt3", "0.333333333333333"}});
    addCase("div: 22, 7", "frmdiv", {{"txt1", "22"}, {"txt2", "7"}}, {{"txt3", "3.14285714285714"}});
    addCase("div: 10, 4", "frmdiv", {{"txt1", "10"}, {"txt2", "4"}}, {{"txt3", "2.5"}});
    addCase("div: 12abc reads 12, words after a number quietly", "frmdiv", {{"txt1", "12abc"}, {"txt2", "4"}},
            {{"txt3", "3"}});
    addCase(
        "div: comma locale, 7,5 by 2,5 read as 7 and 2, and said", "frmdiv", {{"txt1", "7,5"}, {"txt2", "2,5"}},
        {{"txt3", "3,5"}}, Passes, Comma,
        "\u201cEnter the first number\u201d was read as 7: this window takes the full stop as its decimal point "
        "and no thousands separator, so its reading stopped at \u201c,5\u201d.\n\u201cEnter the second number\u201d "
        "was read as 2");
    addCase("div: 1,000 read as 1 and said", "frmdiv", {{"txt1", "1,000"}, {"txt2", "1"}}, {{"txt3", "1"}}, Passes,
            FullStop, "\u201cEnter the first number\u201d was read as 1");
    addCase(
        "div: by 1E-400, read as 0, said in the message", "frmdiv", {{"txt1", "1"}, {"txt2", "1E-400"}}, {{"txt3", ""}},
        Message(
            "Division by zero: 1 cannot be divided by 0 (computing \u201cThe Quotient\u201d). \u201cEnter the second "
            "number\u201d holds 1E-400, too small for the calculator, and was read as 0."),
        FullStop, "was read as 0");
    addCase("div: comma locale, 1,5 reads 1", "frmdiv", {{"txt1", "1,5"}, {"txt2", "4"}}, {{"txt3", "0,25"}}, Passes,
            Comma, "was read as 1");
    addCase("div: &H10 reads 16", "frmdiv", {{"txt1", "&H10"}, {"txt2", "4"}}, {{"txt3", "4"}});
    addCase("div: empty dividend", "frmdiv", {{"txt1", ""}, {"txt2", "5"}}, {{"txt3", "0"}});
    addCase("div: small quotient", "frmdiv", {{"txt1", "1"}, {"txt2", "100000"}}, {{"txt3", "1E-05"}});
    addCase("div: large quotient", "frmdiv", {{"txt1", "1E20"}, {"txt2", "1"}}, {{"txt3", "1E+20"}});
    addCase("div: by zero", "frmdiv", {{"txt1", "1"}, {"txt2", "0"}}, {{"txt3", ""}},
            Message("Division by zero: 1 cannot be divided by 0 (computing \u201cThe Quotient\u201d)."));
    addCase("div: empty by empty", "frmdiv", {{"txt1", ""}, {"txt2", ""}}, {{"txt3", ""}},
            Message("Overflow: 0 \u00f7 0 has no value (computing \u201cThe Quotient\u201d)."));
    addCase(
        "div: a number beyond reading names its field", "frmdiv", {{"txt1", "5"}, {"txt2", "1E400"}}, {{"txt3", ""}},
        Message(
            "Overflow: the number in the field \u201cEnter the second number\u201d is too large for the calculator."));
    addCase("div: beyond the range", "frmdiv", {{"txt1", "1E300"}, {"txt2", "1E-10"}}, {{"txt3", ""}}, Fails(Overflow));
    addCase("div: both beyond reading, the dividend is read first", "frmdiv", {{"txt1", "1E400"}, {"txt2", "1E400"}},
            {{"txt3", ""}}, Fails(Overflow, "Enter the first number"));
}

// Roots are powers of a lenient reading with the exponent 1.0 / 2.0 or 1.0 / 3.0.
void CalculatorWindows::roots_data()
{
    addCaseColumns();

    // The square root is the power with exponent 1.0 / 2.0 of a lenient reading.
    addCase("sqroot: 16", "frmsqroot", {{"txt1", "16"}}, {{"txt2", "4"}});
    addCase("sqroot: 2", "frmsqroot", {{"txt1", "2"}}, {{"txt2", "1.4142135623731"}});
    addCase("sqroot: 1E300", "frmsqroot", {{"txt1", "1E300"}}, {{"txt2", "1E+150"}});
    addCase("sqroot: empty reads 0", "frmsqroot", {{"txt1", ""}}, {{"txt2", "0"}});
    addCase("sqroot: 9abc reads 9", "frmsqroot", {{"txt1", "9abc"}}, {{"txt2", "3"}});
    addCase("sqroot: comma locale, 2,25 reads 2", "frmsqroot", {{"txt1", "2,25"}}, {{"txt2", "1,4142135623731"}},
            Passes, Comma, "was read as 2");
    addCase("sqroot: -4 keeps the old text", "frmsqroot", {{"txt1", "-4"}}, {{"txt2", ""}}, Fails(InvalidArgument));
    addCase("sqroot: 1E400 is beyond reading", "frmsqroot", {{"txt1", "1E400"}}, {{"txt2", ""}}, Fails(Overflow));

    // The cube root's exponent is 1.0 / 3.0, a hair below a third: 19 shows a
    // last digit 4 where a true cube root rounds to 5.
    addCase("croot: 19, exponent not an exact third", "frmcroot", {{"txt1", "19"}}, {{"txt2", "2.66840164872194"}});
    addCase("croot: 27", "frmcroot", {{"txt1", "27"}}, {{"txt2", "3"}});
    addCase("croot: 2", "frmcroot", {{"txt1", "2"}}, {{"txt2", "1.25992104989487"}});
    addCase("croot: comma locale", "frmcroot", {{"txt1", "2"}}, {{"txt2", "1,25992104989487"}}, Passes, Comma);
    addCase("croot: -8 is said to have no real cube root", "frmcroot", {{"txt1", "-8"}}, {{"txt2", ""}},
            Message("Invalid argument: the cube root of -8 has no real value (computing \u201cThe cube root\u201d)."));
}

// Square, rectangle, circle and diagonal: the field texts take part in the
// arithmetic and are read strictly, in the user's locale, on each use.
void CalculatorWindows::strictAreas_data()
{
    addCaseColumns();

    addCase("square: 5", "frmsquare", {{"txt1", "5"}}, {{"txt2", "25"}});
    addCase("square: 2.5", "frmsquare", {{"txt1", "2.5"}}, {{"txt2", "6.25"}});
    addCase("square: spaces around 5", "frmsquare", {{"txt1", " 5 "}}, {{"txt2", "25"}});
    addCase("square: 1E100", "frmsquare", {{"txt1", "1E100"}}, {{"txt2", "1E+200"}});
    addCase("square: 98153225, a product, not a power", "frmsquare", {{"txt1", "98153225"}},
            {{"txt2", "9.63405557790062E+15"}});
    addCase("square: comma locale 2,5", "frmsquare", {{"txt1", "2,5"}}, {{"txt2", "6,25"}}, Passes, Comma);
    addCase(
        "square: comma locale 2.5, the decimal comma named", "frmsquare", {{"txt1", "2.5"}}, {{"txt2", ""}},
        Message("Conversion failure: the field \u201cGive the length of each side of the square in cm\u201d holds 2.5, "
                "which is not a number here: the decimal separator is \u201c,\u201d."),
        Comma);
    addCase("square: 0,250 is no number of groups", "frmsquare", {{"txt1", "0,250"}}, {{"txt2", ""}},
            Fails(Conversion));
    addCase("square: 1E-400 read as 0, and said", "frmsquare", {{"txt1", "1E-400"}}, {{"txt2", "0"}}, Passes, FullStop,
            "holds 1E-400, too small for the calculator, and was read as 0.");
    addCase("square: empty is no 0", "frmsquare", {{"txt1", ""}}, {{"txt2", ""}}, Fails(Conversion));
    addCase("square: 12abc", "frmsquare", {{"txt1", "12abc"}}, {{"txt2", ""}},
            Fails(Conversion, "Give the length of each side of the square in cm"));
    addCase("square: 1E400 is too large to read", "frmsquare", {{"txt1", "1E400"}}, {{"txt2", ""}},
            Fails(Overflow, "Give the length of each side of the square in cm"));
    addCase(
        "square: 1E200 overflows", "frmsquare", {{"txt1", "1E200"}}, {{"txt2", ""}},
        Message(
            "Overflow: 1E+200 \u00d7 1E+200 is too large for the calculator (computing \u201cThe area of the square "
            "in sq cm\u201d)."));

    addCase("rect: 4 by 2.5", "frmrect", {{"txt1", "4"}, {"txt2", "2.5"}}, {{"txt3", "10"}});
    addCase("rect: comma locale groups thousands", "frmrect", {{"txt1", "1.000"}, {"txt2", "2,5"}}, {{"txt3", "2500"}},
            Passes, Comma);
    addCase(
        "rect: a unit typed names the breadth", "frmrect", {{"txt1", "3"}, {"txt2", "2.5m"}}, {{"txt3", ""}},
        Message(
            "Conversion failure: the field \u201cGive the breadth of the rectangle in m\u201d is empty or holds text "
            "that is not a number."));
    addCase("rect: empty length", "frmrect", {{"txt1", ""}, {"txt2", "3"}}, {{"txt3", ""}}, Fails(Conversion));
    addCase("rect: 12abc", "frmrect", {{"txt1", "12abc"}, {"txt2", "2"}}, {{"txt3", ""}}, Fails(Conversion));
    addCase("rect: overflow", "frmrect", {{"txt1", "1E200"}, {"txt2", "1E200"}}, {{"txt3", ""}}, Fails(Overflow));
    addCase("rect: neither reads, the length is named", "frmrect", {{"txt1", ""}, {"txt2", "abc"}}, {{"txt3", ""}},
            Fails(Conversion, "Give the length of the rectangle in m"));
    addCase("rect: a length too large before a breadth of text", "frmrect", {{"txt1", "1E400"}, {"txt2", "abc"}},
            {{"txt3", ""}}, Fails(Overflow, "Give the length of the rectangle in m"));
    addCase("rect: a length of text before a breadth too large", "frmrect", {{"txt1", "abc"}, {"txt2", "1E400"}},
            {{"txt3", ""}}, Fails(Conversion, "Give the length of the rectangle in m"));

    // Area ((22 x r) x r) / 7 and circumference (44 x r) / 7, never 22/7 x r x r.
    addCase("cir: 7", "frmcir", {{"txt1", "7"}}, {{"txt2", "154"}, {"txt3", "44"}});
    addCase("cir: 1", "frmcir", {{"txt1", "1"}}, {{"txt2", "3.14285714285714"}, {"txt3", "6.28571428571429"}});
    addCase("cir: 1.2, area in written order", "frmcir", {{"txt1", "1.2"}},
            {{"txt2", "4.52571428571428"}, {"txt3", "7.54285714285714"}});
    addCase("cir: 0.86, circumference in written order", "frmcir", {{"txt1", "0.86"}},
            {{"txt2", "2.32445714285714"}, {"txt3", "5.40571428571428"}});
    addCase("cir: comma locale 0,5", "frmcir", {{"txt1", "0,5"}},
            {{"txt2", "0,785714285714286"}, {"txt3", "3,14285714285714"}}, Passes, Comma);
    addCase("cir: empty", "frmcir", {{"txt1", ""}}, {{"txt2", ""}, {"txt3", ""}}, Fails(Conversion));
    addCase("cir: 7m", "frmcir", {{"txt1", "7m"}}, {{"txt2", ""}, {"txt3", ""}},
            Fails(Conversion, "Enter the radius of the circle in m"));
    addCase("cir: 1E400 is too large to read", "frmcir", {{"txt1", "1E400"}}, {{"txt2", ""}, {"txt3", ""}},
            Fails(Overflow, "Enter the radius of the circle in m"));
    addCase("cir: 1E160 overflows in the area", "frmcir", {{"txt1", "1E160"}}, {{"txt2", ""}, {"txt3", ""}},
            Fails(Overflow));

    // The diagonal is ((l x l) + (b x b)) ^ (1.0 / 2.0), not a hypotenuse function.
    addCase("dia: 3, 4", "frmdia", {{"txt1", "3"}, {"txt2", "4"}}, {{"txt3", "5"}});
    addCase("dia: 1, 1", "frmdia", {{"txt1", "1"}, {"txt2", "1"}}, {{"txt3", "1.4142135623731"}});
    // Squares as products, not powers: the breadth's, then the length's.
    addCase("dia: 37.528775, 68695.677 in written order", "frmdia", {{"txt1", "37.528775"}, {"txt2", "68695.677"}},
            {{"txt3", "68695.6872510733"}});
    addCase("dia: 97487229, 28191.477 in written order", "frmdia", {{"txt1", "97487229"}, {"txt2", "28191.477"}},
            {{"txt3", "97487233.0762229"}});
    addCase("dia: comma locale", "frmdia", {{"txt1", "1,5"}, {"txt2", "2"}}, {{"txt3", "2,5"}}, Passes, Comma);
    addCase(
        "dia: an empty breadth is named", "frmdia", {{"txt1", "3"}, {"txt2", ""}}, {{"txt3", ""}},
        Message(
            "Conversion failure: the field \u201cGive the breadth\u201d is empty or holds text that is not a number."));
    addCase("dia: overflow", "frmdia", {{"txt1", "1E200"}, {"txt2", "1"}}, {{"txt3", ""}}, Fails(Overflow));
    addCase("dia: the length fails first", "frmdia", {{"txt1", ""}, {"txt2", "1E200"}}, {{"txt3", ""}},
            Fails(Conversion));
    addCase("dia: then the breadth", "frmdia", {{"txt1", "1E200"}, {"txt2", ""}}, {{"txt3", ""}}, Fails(Overflow));
    addCase("dia: neither reads, the length is named", "frmdia", {{"txt1", "abc"}, {"txt2", ""}}, {{"txt3", ""}},
            Fails(Conversion, "Give the length"));
    addCase("dia: a length too large before a breadth of text", "frmdia", {{"txt1", "1E400"}, {"txt2", "abc"}},
            {{"txt3", ""}}, Fails(Overflow, "Give the length"));
    addCase("dia: a length of text before a breadth too large", "frmdia", {{"txt1", "abc"}, {"txt2", "1E400"}},
            {{"txt3", ""}}, Fails(Conversion, "Give the length"));
}

// Heron's formula on lenient readings.
void CalculatorWindows::triangle_data()
{
    addCaseColumns();

    addCase("tri: 3, 4, 5", "frmtri", {{"txt1", "3"}, {"txt2", "4"}, {"txt3", "5"}}, {{"txt4", "6"}});
    addCase("tri: 7, 8, 9", "frmtri", {{"txt1", "7"}, {"txt2", "8"}, {"txt3", "9"}}, {{"txt4", "26.8328157299975"}});
    addCase("tri: 62.8, 106, 44.4 in written order", "frmtri", {{"txt1", "62.8"}, {"txt2", "106"}, {"txt3", "44.4"}},
            {{"txt4", "417.432707870386"}});
    addCase("tri: degenerate 1, 2, 3", "frmtri", {{"txt1", "1"}, {"txt2", "2"}, {"txt3", "3"}}, {{"txt4", "0"}});
    addCase("tri: 2,5 reads 2", "frmtri", {{"txt1", "2,5"}, {"txt2", "2"}, {"txt3", "2"}},
            {{"txt4", "1.73205080756888"}}, Passes, FullStop, "was read as 2");
    addCase("tri: comma locale", "frmtri", {{"txt1", "2,5"}, {"txt2", "2"}, {"txt3", "2.5"}},
            {{"txt4", "1,9515618744995"}}, Passes, Comma, "was read as 2");
    addCase(
        "tri: 1, 1, 3 is no triangle", "frmtri", {{"txt1", "1"}, {"txt2", "1"}, {"txt3", "3"}}, {{"txt4", ""}},
        Message("Invalid argument: these three sides make no triangle, as one is longer than the other two together "
                "(computing \u201cThe area of the triangle\u201d)."));
    addCase("tri: first and second side beyond reading, the first is named", "frmtri",
            {{"txt1", "1E400"}, {"txt2", "1E400"}, {"txt3", "5"}}, {{"txt4", ""}},
            Fails(Overflow, "First side of the triangle in m"));
    addCase(
        "tri: second and third side beyond reading, the second is named", "frmtri",
        {{"txt1", "3"}, {"txt2", "1E999"}, {"txt3", "1E400"}}, {{"txt4", ""}},
        Message("Overflow: the number in the field \u201cSecond side of the triangle in m\u201d is too large for the "
                "calculator."));
    addCase("tri: overflow", "frmtri", {{"txt1", "1E200"}, {"txt2", "1E200"}, {"txt3", "1E200"}}, {{"txt4", ""}},
            Fails(Overflow));
}

// Cube, sphere, cylinder and hemisphere surfaces: lenient readings.
void CalculatorWindows::solidAreas_data()
{
    addCaseColumns();

    addCase("cube: 3", "frmcube", {{"txt1", "3"}}, {{"txt2", "54"}});
    addCase("cube: 39943.538, (6 x a) x a", "frmcube", {{"txt1", "39943.538"}}, {{"txt2", "9572917367.74467"}});
    addCase("cube: 12abc reads 12, unlike the square", "frmcube", {{"txt1", "12abc"}}, {{"txt2", "864"}});
    addCase("cube: comma locale, 2,5 reads 2", "frmcube", {{"txt1", "2,5"}}, {{"txt2", "24"}}, Passes, Comma,
            "was read as 2");
    addCase("cube: overflow", "frmcube", {{"txt1", "1E155"}}, {{"txt2", ""}}, Fails(Overflow));

    addCase("sph: 7", "frmsph", {{"txt1", "7"}}, {{"txt2", "616"}});
    addCase("sph: 0.6 in written order", "frmsph", {{"txt1", "0.6"}}, {{"txt2", "4.52571428571428"}});
    addCase("sph: comma locale", "frmsph", {{"txt1", "0.5"}}, {{"txt2", "3,14285714285714"}}, Passes, Comma);
    addCase("sph: overflow", "frmsph", {{"txt1", "1E155"}}, {{"txt2", ""}}, Fails(Overflow));

    // txt1 is the length, txt2 the radius; txt3 the total, txt4 the lateral area.
    addCase("cyl: 10, 7", "frmcyl", {{"txt1", "10"}, {"txt2", "7"}}, {{"txt3", "748"}, {"txt4", "440"}});
    addCase("cyl: 0, 7", "frmcyl", {{"txt1", "0"}, {"txt2", "7"}}, {{"txt3", "308"}, {"txt4", "0"}});
    addCase("cyl: 0.15, 88.6 in written order", "frmcyl", {{"txt1", "0.15"}, {"txt2", "88.6"}},
            {{"txt3", "49426.1428571428"}, {"txt4", "83.5371428571428"}});
    addCase("cyl: 1.7, 7.2 in written order", "frmcyl", {{"txt1", "1.7"}, {"txt2", "7.2"}},
            {{"txt3", "402.788571428572"}, {"txt4", "76.9371428571428"}});
    addCase("cyl: empty reads 0", "frmcyl", {{"txt1", ""}, {"txt2", "abc"}}, {{"txt3", "0"}, {"txt4", "0"}});
    addCase("cyl: comma locale", "frmcyl", {{"txt1", "1"}, {"txt2", "1"}},
            {{"txt3", "12,5714285714286"}, {"txt4", "6,28571428571429"}}, Passes, Comma);
    addCase("cyl: both beyond reading, the length is named", "frmcyl", {{"txt1", "1E400"}, {"txt2", "1E400"}},
            {{"txt3", ""}, {"txt4", ""}}, Fails(Overflow, "Give the length"));
    addCase("cyl: overflow in the total", "frmcyl", {{"txt1", "1"}, {"txt2", "1E155"}}, {{"txt3", ""}, {"txt4", ""}},
            Fails(Overflow));
    addCase("cyl: overflow in the lateral area keeps the total", "frmcyl", {{"txt1", "1E307"}, {"txt2", "1E-300"}},
            {{"txt3", "62857142.8571429"}, {"txt4", ""}},
            Message("Overflow: 44 \u00d7 1E+307 is too large for the calculator (computing \u201cThe lateral surface "
                    "area\u201d)."));

    // txt2 is the total, txt3 the lateral area.
    addCase("hemi: 7", "frmhemi", {{"txt1", "7"}}, {{"txt2", "462"}, {"txt3", "308"}});
    addCase("hemi: 9.6 in written order", "frmhemi", {{"txt1", "9.6"}},
            {{"txt2", "868.937142857143"}, {"txt3", "579.291428571428"}});
    addCase("hemi: 20.4 in written order", "frmhemi", {{"txt1", "20.4"}},
            {{"txt2", "3923.79428571428"}, {"txt3", "2615.86285714286"}});
    addCase("hemi: comma locale", "frmhemi", {{"txt1", "1"}},
            {{"txt2", "9,42857142857143"}, {"txt3", "6,28571428571429"}}, Passes, Comma);
    addCase(
        "hemi: overflow names the total, written first", "frmhemi", {{"txt1", "1E155"}}, {{"txt2", ""}, {"txt3", ""}},
        Message("Overflow: 6.6E+156 \u00d7 1E+155 is too large for the calculator (computing \u201cThe Total surface "
                "area\u201d)."));
}

// The cone's slant height, curved and total area, each written before the next.
void CalculatorWindows::cone_data()
{
    addCaseColumns();

    addCase("cone: 3, 4", "frmcone", {{"txt1", "3"}, {"txt2", "4"}},
            {{"txt3", "5"}, {"txt4", "47.1428571428571"}, {"txt5", "75.4285714285714"}});
    addCase("cone: 7, 24", "frmcone", {{"txt1", "7"}, {"txt2", "24"}},
            {{"txt3", "25"}, {"txt4", "550"}, {"txt5", "704"}});
    addCase("cone: 0, 5", "frmcone", {{"txt1", "0"}, {"txt2", "5"}}, {{"txt3", "5"}, {"txt4", "0"}, {"txt5", "0"}});
    addCase("cone: -3, 4", "frmcone", {{"txt1", "-3"}, {"txt2", "4"}},
            {{"txt3", "5"}, {"txt4", "-47.1428571428571"}, {"txt5", "-18.8571428571429"}});
    // The areas in written order, and the squares of the slant products, not powers.
    addCase("cone: 1.12, 24 in written order", "frmcone", {{"txt1", "1.12"}, {"txt2", "24"}},
            {{"txt3", "24.026119120657"}, {"txt4", "84.5719393047126"}, {"txt5", "88.5143393047126"}});
    addCase("cone: 85.481, 3179.3 in written order", "frmcone", {{"txt1", "85.481"}, {"txt2", "3179.3"}},
            {{"txt3", "3180.44894493859"}, {"txt4", "854442.14825293"}, {"txt5", "877407.009673215"}});
    addCase("cone: 98229229, 3784.9684 in written order", "frmcone", {{"txt1", "98229229"}, {"txt2", "3784.9684"}},
            {{"txt3", "98229229.0729212"}, {"txt4", "3.03253702308776E+16"}, {"txt5", "6.0650740439243E+16"}});
    addCase("cone: empty reads 0", "frmcone", {{"txt1", ""}, {"txt2", "abc"}},
            {{"txt3", "0"}, {"txt4", "0"}, {"txt5", "0"}});
    addCase("cone: comma locale", "frmcone", {{"txt1", "3"}, {"txt2", "4"}},
            {{"txt3", "5"}, {"txt4", "47,1428571428571"}, {"txt5", "75,4285714285714"}}, Passes, Comma);
    addCase("cone: both beyond reading, the radius is named", "frmcone", {{"txt1", "1E400"}, {"txt2", "1E400"}},
            {{"txt3", ""}, {"txt4", ""}, {"txt5", ""}}, Fails(Overflow, "Give the radius"));
    addCase("cone: overflow in the squares", "frmcone", {{"txt1", "1E155"}, {"txt2", "0"}},
            {{"txt3", ""}, {"txt4", ""}, {"txt5", ""}}, Fails(Overflow));
    addCase("cone: overflow in the curved area keeps the slant", "frmcone", {{"txt1", "1E154"}, {"txt2", "0"}},
            {{"txt3", "1E+154"}, {"txt4", ""}, {"txt5", ""}}, Fails(Overflow));
    addCase("cone: overflow in the total keeps slant and curved", "frmcone", {{"txt1", "2.5E153"}, {"txt2", "0"}},
            {{"txt3", "2.5E+153"}, {"txt4", "1.96428571428571E+307"}, {"txt5", ""}}, Fails(Overflow));
}

// The six volume windows: lenient readings, the division last.
void CalculatorWindows::volumes_data()
{
    addCaseColumns();

    // Cube (v x v) x v and room (l x b) x h: plain products, no power.
    addCase("vcube: 3", "frmvcube", {{"txt1", "3"}}, {{"txt4", "27"}});
    addCase("vcube: 1.1 just above 1.331", "frmvcube", {{"txt1", "1.1"}}, {{"txt4", "1.331"}});
    addCase("vcube: 96272779, products, not a power", "frmvcube", {{"txt1", "96272779"}},
            {{"txt4", "8.92299243703302E+23"}});
    addCase("vcube: 100000 is 1E+15", "frmvcube", {{"txt1", "100000"}}, {{"txt4", "1E+15"}});
    addCase("vcube: comma locale 1.1", "frmvcube", {{"txt1", "1.1"}}, {{"txt4", "1,331"}}, Passes, Comma);
    addCase("vcube: comma locale 1,5 reads 1", "frmvcube", {{"txt1", "1,5"}}, {{"txt4", "1"}}, Passes, Comma,
            "was read as 1");
    addCase("vcube: 1E+200 overflows", "frmvcube", {{"txt1", "1E+200"}}, {{"txt4", ""}}, Fails(Overflow));
    addCase("room: 2, 3, 4", "frmvroom", {{"txt1", "2"}, {"txt2", "3"}, {"txt3", "4"}}, {{"txt4", "24"}});
    addCase("room: tenths", "frmvroom", {{"txt1", "0.1"}, {"txt2", "0.2"}, {"txt3", "0.3"}}, {{"txt4", "0.006"}});
    addCase("room: (l x b) x h", "frmvroom", {{"txt1", "228868215"}, {"txt2", "652548404"}, {"txt3", "39369565"}},
            {{"txt4", "5.8797495900747E+24"}});
    addCase("room: units typed", "frmvroom", {{"txt1", "2m"}, {"txt2", "3 m"}, {"txt3", "4metres"}}, {{"txt4", "24"}});
    addCase("room: comma locale 2,5 reads 2", "frmvroom", {{"txt1", "2,5"}, {"txt2", "4"}, {"txt3", "3"}},
            {{"txt4", "24"}}, Passes, Comma, "was read as 2");
    addCase("room: length and breadth beyond reading, the length is named", "frmvroom",
            {{"txt1", "1E400"}, {"txt2", "1E400"}, {"txt3", "1"}}, {{"txt4", ""}}, Fails(Overflow, "Enter the length"));
    addCase("room: breadth and height beyond reading, the breadth is named", "frmvroom",
            {{"txt1", "1"}, {"txt2", "1E400"}, {"txt3", "1E400"}}, {{"txt4", ""}},
            Fails(Overflow, "Enter the breadth"));
    addCase("room: 1E+150 each overflows", "frmvroom", {{"txt1", "1E+150"}, {"txt2", "1E+150"}, {"txt3", "1E+150"}},
            {{"txt4", ""}}, Fails(Overflow));

    // Sphere (((88 x r) x r) x r) / 21 and hemisphere with 44: the product
    // first, the division last, which sets the last digit and the overflow.
    addCase("vsph: 7", "frmvsph", {{"txt1", "7"}}, {{"txt2", "1437.33333333333"}});
    addCase("vsph: 13.26, last digit by order", "frmvsph", {{"txt1", "13.26"}}, {{"txt2", "9769.98618514285"}});
    addCase("vsph: 59.3, last digit by order", "frmvsph", {{"txt1", "59.3"}}, {{"txt2", "873831.019809523"}});
    addCase("vsph: 1E+102 fits", "frmvsph", {{"txt1", "1E+102"}}, {{"txt2", "4.19047619047619E+306"}});
    addCase("vsph: comma locale 0.5", "frmvsph", {{"txt1", "0.5"}}, {{"txt2", "0,523809523809524"}}, Passes, Comma);
    addCase("vsph: 2E+102 overflows though the volume fits", "frmvsph", {{"txt1", "2E+102"}}, {{"txt2", ""}},
            Fails(Overflow));
    addCase("vhemi: 7", "frmvhemi", {{"txt1", "7"}}, {{"txt2", "718.666666666667"}});
    addCase("vhemi: 7.63, last digit by order", "frmvhemi", {{"txt1", "7.63"}}, {{"txt2", "930.694174666666"}});
    addCase("vhemi: 0.892, last digit by order", "frmvhemi", {{"txt1", "0.892"}}, {{"txt2", "1.48705812723809"}});
    addCase("vhemi: 1E+102 fits", "frmvhemi", {{"txt1", "1E+102"}}, {{"txt2", "2.0952380952381E+306"}});
    addCase("vhemi: 2E+102 overflows", "frmvhemi", {{"txt1", "2E+102"}}, {{"txt2", ""}}, Fails(Overflow));

    // Cone (((22 x r) x r) x h) / 21 and cylinder the same over 7.
    addCase("vcone: 7, 3", "frmvcone", {{"txt1", "7"}, {"txt2", "3"}}, {{"txt3", "154"}});
    addCase("vcone: 13.05, 4, last digit by order", "frmvcone", {{"txt1", "13.05"}, {"txt2", "4"}},
            {{"txt3", "713.648571428572"}});
    addCase("vcone: 1.3, 1.6, last digit by order", "frmvcone", {{"txt1", "1.3"}, {"txt2", "1.6"}},
            {{"txt3", "2.8327619047619"}});
    addCase("vcone: 1E+153, 1 fits", "frmvcone", {{"txt1", "1E+153"}, {"txt2", "1"}},
            {{"txt3", "1.04761904761905E+306"}});
    addCase("vcone: negative height", "frmvcone", {{"txt1", "7"}, {"txt2", "-3"}}, {{"txt3", "-154"}});
    addCase("vcone: both beyond reading, the radius is named", "frmvcone", {{"txt1", "1E400"}, {"txt2", "1E400"}},
            {{"txt3", ""}}, Fails(Overflow, "Enter the radius"));
    addCase("vcone: 1E+153, 10 overflows though the volume fits", "frmvcone", {{"txt1", "1E+153"}, {"txt2", "10"}},
            {{"txt3", ""}}, Fails(Overflow));
    addCase("vcyl: 7, 3", "frmvcyl", {{"txt1", "7"}, {"txt2", "3"}}, {{"txt3", "462"}});
    addCase("vcyl: 17.11, 10, last digit by order", "frmvcyl", {{"txt1", "17.11"}, {"txt2", "10"}},
            {{"txt3", "9200.78028571428"}});
    addCase("vcyl: 1.3, 12, last digit by order", "frmvcyl", {{"txt1", "1.3"}, {"txt2", "12"}},
            {{"txt3", "63.7371428571428"}});
    addCase("vcyl: 1E+153, 1 fits", "frmvcyl", {{"txt1", "1E+153"}, {"txt2", "1"}},
            {{"txt3", "3.14285714285714E+306"}});
    addCase("vcyl: empty height", "frmvcyl", {{"txt1", "7"}, {"txt2", ""}}, {{"txt3", "0"}});
    addCase("vcyl: comma locale", "frmvcyl", {{"txt1", "1E+153"}, {"txt2", "1"}}, {{"txt3", "3,14285714285714E+306"}},
            Passes, Comma);
    addCase("vcyl: both beyond reading, the radius is named", "frmvcyl", {{"txt1", "1E400"}, {"txt2", "1E400"}},
            {{"txt3", ""}}, Fails(Overflow, "Enter the radius"));
    addCase("vcyl: 1E+153, 10 overflows", "frmvcyl", {{"txt1", "1E+153"}, {"txt2", "10"}}, {{"txt3", ""}},
            Fails(Overflow));
}

void CalculatorWindows::formulaBehindEachResult_data()
{
    QTest::addColumn<QString>("window");
    for (const ExpectedWindow& w : expectedWindows)
        QTest::newRow(w.form) << QString::fromLatin1(w.form);
}

// Each result shows its formula from the moment its window opens, as its
// accessible description and its tooltip; the note on π ends it exactly
// where the formula takes π as 22/7 (every result of the round windows but
// the cone's slant height). After a press, a result shown in a smaller face
// gives its whole number first.
void CalculatorWindows::formulaBehindEachResult()
{
    QFETCH(QString, window);
    auto form = loadWindow(window, NumberLocale::fullStop());
    form->show();
    const ExpectedWindow& expected = expectedWindow(window);
    QMap<QString, double> designedSize;
    for (const char* r : expected.results) {
        QLineEdit* f = form->field(r);
        designedSize[r] = f->font().pointSizeF();
        const QString described = f->accessibleDescription();
        QVERIFY2(described.contains(QLatin1String(" = ")), qPrintable(described));
        QCOMPARE(f->toolTip(), described);
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

void CalculatorWindows::copyAll_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<Texts>("inputs");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("at"); // the field or label it is asked in
    QTest::addColumn<QString>("expected");
    const QString circle = "Enter the radius of the circle in m\t7\nThe area of the circle\t154\n"
                           "The circumference of the circle\t44\n\u03c0 taken as 22/7\n";
    QTest::newRow("cir: Ctrl+Shift+C in the input") << "frmcir" << Texts{{"txt1", "7"}} << "keys" << "txt1" << circle;
    QTest::newRow("cir: Ctrl+Shift+C in a result") << "frmcir" << Texts{{"txt1", "7"}} << "keys" << "txt3" << circle;
    QTest::newRow("cir: a result's menu") << "frmcir" << Texts{{"txt1", "7"}} << "field menu" << "txt2" << circle;
    QTest::newRow("cir: the window's menu, on a label")
        << "frmcir" << Texts{{"txt1", "7"}} << "window menu" << "Label2" << circle;
    QTest::newRow("div: no note on pi") << "frmdiv" << Texts{{"txt1", "1"}, {"txt2", "3"}} << "keys" << "txt1"
                                        << "Enter the first number\t1\nEnter the second number\t3\n"
                                           "The Quotient\t0.333333333333333\n";
    QTest::newRow("tri: sides named without labels") << "frmtri" << Texts{{"txt1", "3"}, {"txt2", "4"}, {"txt3", "5"}}
                                                     << "window menu" << "Label1"
                                                     << "First side of the triangle in m\t3\n"
                                                        "Second side of the triangle in m\t4\n"
                                                        "Third side of the triangle in m\t5\n"
                                                        "The area of the triangle\t6\n";
    QTest::newRow("hemi: results in the order written") << "frmhemi" << Texts{{"txt1", "7"}} << "keys" << "txt1"
                                                        << "Give the radius\t7\nThe Total surface area\t462\n"
                                                           "The lateral surface area\t308\n\u03c0 taken as 22/7\n";
    QTest::newRow("cone: inputs in the order read") << "frmcone" << Texts{{"txt1", "3"}, {"txt2", "4"}} << "field menu"
                                                    << "txt2"
                                                    << "Give the radius\t3\nGive the height\t4\n"
                                                       "The slant height\t5\nThe curved surface area\t47.1428571428571\n"
                                                       "The total surface area\t75.4285714285714\n"
                                                       "\u03c0 taken as 22/7\n";
    QTest::newRow("room: inputs as typed") << "frmvroom" << Texts{{"txt1", "2m"}, {"txt2", "3 m"}, {"txt3", "4metres"}}
                                           << "keys" << "txt3"
                                           << "Enter the length\t2m\nEnter the breadth\t3 m\nEnter the height\t4metres\n"
                                              "The volume of the room\t24\n";
    QTest::newRow("rect: after a failure, the emptied result")
        << "frmrect" << Texts{{"txt1", "3"}, {"txt2", "2.5m"}} << "keys" << "txt2"
        << "Give the length of the rectangle in m\t3\nGive the breadth of the rectangle in m\t2.5m\n"
           "The area of the rectangle in sq m\t\n";
}

// "Copy all" puts the window on the clipboard as plain text: a line for
// each field, its label's words, a tab and its text, inputs first in the
// order read, results in the order written, and the formulas' pi last.
void CalculatorWindows::copyAll()
{
    QFETCH(QString, window);
    QFETCH(Texts, inputs);
    QFETCH(QString, how);
    QFETCH(QString, at);
    QFETCH(QString, expected);
    auto form = loadWindow(window, NumberLocale::fullStop());
    form->show();
    for (const FieldText& i : inputs)
        type(*form, i.field, QString::fromUtf8(i.text));
    press(*form, expectedWindow(window).calculate.name);
    QCOMPARE(copiedAll(form->control(qPrintable(at)), how), expected);
}

// The list of windows that the menus are made from holds each of the nineteen
// once, in the order of the menus.
void CalculatorWindows::everyWindowListedOnce()
{
    QStringList listed;
    for (const qv::windows::CalculatorWindow* w : qv::windows::all())
        listed << QString::fromLatin1(w->design.name);
    QStringList expected;
    for (const ExpectedWindow& w : expectedWindows)
        expected << QString::fromLatin1(w.form);
    QCOMPARE(expected.size(), 19);
    QCOMPARE(listed, expected);
}

void CalculatorWindows::buttonsLocksAndReset_data()
{
    QTest::addColumn<QString>("window");
    for (const ExpectedWindow& w : expectedWindows)
        QTest::newRow(w.form) << QString::fromLatin1(w.form);
}

// Calculate and Reset are the buttons of those names and captions. The
// window's fields are its inputs and its results: Form_Load locks the
// results and nothing else. Reset empties every field in its order, leaves
// the locks as they are, and on empty fields changes nothing and fails
// nothing.
void CalculatorWindows::buttonsLocksAndReset()
{
    QFETCH(QString, window);
    const ExpectedWindow& expected = expectedWindow(window);
    QStringList emptied; // by Reset, as the fields' texts change
    auto form = loadWindow(window, NumberLocale::fullStop());
    form->show();
    for (const ExpectedButton& b : {expected.calculate, expected.reset})
        QCOMPARE(form->control<QAbstractButton>(b.name)->text(), QString::fromUtf8(b.caption));

    QStringList fields;
    for (QLineEdit* f : fieldsOf(*form))
        fields << f->objectName();
    QStringList named;
    for (const auto& list : {expected.inputs, expected.results})
        for (const char* f : list)
            named << QString::fromLatin1(f);
    fields.sort();
    named.sort();
    QCOMPARE(fields, named);
    const auto typeIntoEach = [&] {
        for (const char* r : expected.results) {
            QTest::keyClicks(form->field(r), "2");
            QVERIFY2(textOf(*form, r).isEmpty(), r);
        }
        for (const char* i : expected.inputs) {
            QTest::keyClicks(form->field(i), "2");
            QVERIFY2(textOf(*form, i) == "2", i);
        }
    };
    typeIntoEach();
    QCOMPARE(press(*form, expected.calculate.name), QString());
    for (const char* r : expected.results)
        QVERIFY2(!textOf(*form, r).isEmpty(), r);

    for (QLineEdit* f : fieldsOf(*form))
        connect(f, &QLineEdit::textChanged, form.get(), [&emptied, f](const QString& text) {
            emptied << f->objectName() + (text.isEmpty() ? QString() : "=" + text);
        });
    QStringList order;
    for (const char* f : expected.emptied)
        order << QString::fromLatin1(f);
    QMap<QString, QString> computed;
    for (QLineEdit* f : fieldsOf(*form))
        computed[f->objectName()] = f->text();
    QCOMPARE(press(*form, expected.reset.name), QString());
    QCOMPARE(emptied, order);
    // Ctrl+Z right after Reset, wherever the focus is in the window, gives
    // back what it emptied, once; Reset again empties them again.
    QApplication::setActiveWindow(form.get());
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    for (QWidget* focus : {static_cast<QWidget*>(form->control(expected.reset.name)),
                           static_cast<QWidget*>(form->field(expected.results.front()))}) {
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
        for (QLineEdit* f : fieldsOf(*form))
            QCOMPARE(f->text(), computed[f->objectName()]);
        QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
        for (QLineEdit* f : fieldsOf(*form))
            QCOMPARE(f->text(), computed[f->objectName()]);
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
