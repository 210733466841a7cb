// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The number rules in the user's locale: reading, the operators with their
// kinds and the words of their failures, display text, pasted cells.
#include "fieldvalue.h"
#include "hostile.h"
#include "reference.h"
#include "words.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <tuple>

using namespace qv;
using namespace qvtest;

namespace {

constexpr Misreading StoppedEarly = Misreading::StoppedEarly, TooSmall = Misreading::TooSmall;
constexpr Strictly Small = Strictly::TooSmall, OtherConvention = Strictly::OtherConvention;

// Rows beside the hostile texts; a tag says the locale where it is not the full stop's.
const Reading readingRows[] = {
    {"empty", FullStop, "", "0", Conversion, {.rest = ""}},
    {"letters", FullStop, "abc", "0", Conversion, {.rest = "abc"}},
    {"a leading number", FullStop, "12abc", "12", Conversion, {.rest = "abc"}},
    {"a unit after a space", FullStop, "12 cm", "12", Conversion, {.rest = " cm"}},
    {"a list, a space after the comma", FullStop, "5, 6", "5", Conversion, {.rest = ", 6"}},
    {"spaces around", FullStop, " 5 ", "5", "5", {.rest = " ", .form = "5"}},
    {"spaces everywhere", FullStop, "\t- 1 2 . 5 E + 0 2 ", "-1250", Conversion, {.rest = " "}},
    {"inner space", FullStop, "1 2", "12", Conversion, {.rest = ""}},
    {"sign", FullStop, "-2.5", "-2.5", "-2.5"},
    {"plus", FullStop, "+7", "7", "7"},
    {"trailing sign", FullStop, "5-", "5", Conversion, {.rest = "-"}},
    {"two signs", FullStop, "--5", "0", Conversion, {.rest = "-5"}},
    {"no integer digits", FullStop, ".5", "0.5", "0.5"},
    {"no fraction digits", FullStop, "5.", "5", "5", {.rest = ""}},
    {"a second point stops", FullStop, "1.2.3", "1.2", Conversion, {.rest = ".3", .note = StoppedEarly}},
    {"exponent", FullStop, "1E100", "1E+100", "1E+100", {.form = "1E100"}},
    {"D exponent", FullStop, "2d2", "200", "200"},
    {"negative exponent", FullStop, "1e-5", "1E-05", "1E-05"},
    {"exponent sign without digits", FullStop, "7E+", "7", Conversion, {.rest = "E+"}},
    {"a tab before is no blank to the strict reading", FullStop, "\t5", "5", Conversion},
    {"beyond range", FullStop, "1E400", Overflow, Overflow, {.form = "1E400"}},
    {"hex lower", FullStop, "&haf", "175", "175"},
    {"hex stops", FullStop, "&H1G", "1", Conversion, {.rest = "G"}},
    {"hex without digits", FullStop, "&H", "0", Conversion},
    {"an ampersand, another letter", FullStop, "&J7", "0", Conversion, {.rest = "&J7"}},
    {"negative hex", FullStop, "-&H10", "-16", "-16"},
    {"octal", FullStop, "&o12345670", "2739128", "2739128"},
    {"octal stops at 8", FullStop, "&O178", "15", Conversion, {.rest = "8"}},
    // In a radix number e is a digit, not an exponent.
    {"hex e-digits beyond range", FullStop, "&He" + QString(300, '0'), Overflow, Overflow},
    // Thousands separators between groups of three, the first group not beginning with 0.
    {"first group of three", FullStop, "123,456", "123", "123456", {.rest = ",456", .note = StoppedEarly, .form = "123456"}},
    {"thousands twice", FullStop, "12,345,678.5", "12", "12345678.5", {.note = StoppedEarly, .form = "12345678.5"}},
    {"thousands, spaces around, a sign", FullStop, " -1,000 ", "-1", "-1000", {.note = StoppedEarly, .form = "-1000"}},
    {"a comma typo", FullStop, "1,5", "1", Conversion, {.rest = ",5", .note = StoppedEarly, .strictly = OtherConvention}},
    {"a long first group", FullStop, "1234,567", "1234", Conversion, {.note = StoppedEarly, .strictly = OtherConvention}},
    {"a double separator", FullStop, "1,,000", "1", Conversion, {.rest = ",,000"}},
    {"a leading separator", FullStop, ",000", "0", Conversion, {.note = StoppedEarly, .strictly = OtherConvention}},
    {"a separator in the fraction", FullStop, "1.000,5", "1", Conversion,
     {.rest = ",5", .note = StoppedEarly, .strictly = OtherConvention}},
    {"zero, then a group", FullStop, "0,250", "0", Conversion, {.note = StoppedEarly, .strictly = OtherConvention}},
    {"zero point, ungrouped", FullStop, "0.250", "0.25", "0.25", {.form = "0.250"}},
    {"a leading zero, ungrouped", FullStop, "0250", "250", "250", {.form = "0250"}},
    {"comma: a decimal comma", Comma, "7,5", "7", "7,5", {.rest = ",5", .note = StoppedEarly, .form = "7.5"}},
    {"comma: grouped with the full stop", Comma, "1.234,5", "1.234", "1234,5",
     {.rest = ",5", .note = StoppedEarly, .form = "1234.5"}},
    {"comma: a decimal comma first", Comma, ",5", "0", "0,5", {.rest = ",5", .note = StoppedEarly}},
    {"comma: blanks before the comma", Comma, "1 ,5", "1", Conversion, {.rest = " ,5", .note = StoppedEarly}},
    {"comma: a result as shown", Comma, "6,402373705728E+15", "6", "6,402373705728E+15",
     {.note = StoppedEarly, .form = "6.402373705728E+15"}},
    {"comma: hex as written", Comma, "&hFF", "255", "255", {.form = "&hFF"}},
    {"comma: a full stop decimal", Comma, "2.5", "2.5", Conversion, {.strictly = OtherConvention}},
    // An ordinary space stands for a no-break space between groups.
    {"french: a space between groups", French, "1 000,5", "1000", "1000,5", {.rest = ",5", .note = StoppedEarly, .form = "1000.5"}},
    {"french: its own separator", French, "1\u202F000,5", "1", "1000,5", {.rest = "\u202F000,5", .note = StoppedEarly}},
    {"french: both, spaces around", French, " 1 000\u202F000 ", "1000", "1000000", {.note = StoppedEarly, .form = "1000000"}},
    {"french: a space in a short group", French, "1 00,5", "100", Conversion, {.note = StoppedEarly}},
    {"french: a space after the decimal comma", French, "1,000 5", "1", Conversion, {.note = StoppedEarly}},
    {"russian: a space between groups", Russian, "12 345", "12345", "12345"},
    {"arabic: a full stop decimal", Arabic, "2.5", "2.5", Conversion},
    // Too small for a double: read as 0, or as a subnormal without the digits written.
    {"below range", FullStop, "1E-400", "0", "0", {.rest = "", .note = TooSmall, .strictly = Small, .form = "1E-400"}},
    {"zero below range", FullStop, "0E-400", "0", "0", {.rest = ""}},
    {"below range, then letters", FullStop, "1E-400x", "0", Conversion, {.rest = "x", .note = TooSmall}},
    {"comma: a subnormal", Comma, "1,5E-320", "1", "1,49998330077402E-320", {.note = StoppedEarly, .strictly = Small, .form = "1.5E-320"}},
};

// An operator, and a field's text as an operand, read in a locale.
using Op = FieldValue (*)(const FieldValue&, const FieldValue&);
constexpr Op Add = [](const FieldValue& a, const FieldValue& b) { return a + b; },
             Subtract = [](const FieldValue& a, const FieldValue& b) { return a - b; },
             Multiply = [](const FieldValue& a, const FieldValue& b) { return a * b; },
             Divide = [](const FieldValue& a, const FieldValue& b) { return a / b; }, Power = power;
FieldValue Text(const char* text, Loc l = FullStop) { return FieldValue::text(text, numbers(l)); }
const FieldValue Empty{};

struct OperatorCase {
    const char* tag;
    FieldValue left;
    Op op;
    FieldValue right;
    Outcome expected; // shown in the locale
    std::optional<Kind> kind = std::nullopt;
    const char* message = nullptr; // the failure told, where it names the place
    FailurePlace place = {};
    Loc locale = FullStop;
};

const OperatorCase operations[] = {
    {"text plus text concatenates", Text("2"), Add, Text("3"), "23", Kind::Text},
    {"text plus integer adds", Text("2"), Add, 3, "5", Kind::Double},
    {"text minus text subtracts", Text("2"), Subtract, Text("3"), "-1", Kind::Double},
    {"text times text multiplies", Text("2"), Multiply, Text("3"), "6"},
    {"empty text squared fails", Text(""), Multiply, Text(""), Conversion, {},
     "Conversion failure: the field \u201cLength\u201d is empty or holds text that is not a number.", {"Length"}},
    {"empty plus text is text", Empty, Add, Text("ab"), "ab", Kind::Text},
    {"text plus empty is text", Text("ab"), Add, Empty, "ab", Kind::Text},
    {"empty plus empty", Empty, Add, Empty, "0", Kind::Integer16},
    {"integer promotion", 32767, Add, 1, "32768", Kind::Integer32},
    {"integer32 to double", 2147483647, Multiply, 2, "4294967294", Kind::Double},
    {"integer subtraction", 4, Subtract, 10, "-6"},
    {"division", 22, Divide, 7, "3.14285714285714", Kind::Double},
    {"divided by 0, comma", 1.5, Divide, 0.0, DivisionByZero, {}, "Division by zero: 1,5 cannot be divided by 0.", {}, Comma},
    {"zero by zero", 0.0, Divide, 0.0, Overflow, {}, "Overflow: 0 \u00f7 0 has no value."},
    {"quotient overflows", 1E300, Divide, 1E-10, Overflow},
    {"product overflows", 1E200, Multiply, 1E200, Overflow, {},
     "Overflow: 1E+200 \u00d7 1E+200 is too large for the calculator (computing \u201cArea\u201d).", {"Area"}},
    {"sum overflows, hidden", 1E308, Add, 1E308, Overflow, {}, "Overflow: 1E+308 + 1E+308 is too large for the "
     "calculator (computing \u201cAddition: answer\u201d, which is hidden).", {"Addition: answer", true}},
    {"a difference from a text overflows", Text("-1E308"), Subtract, 1E308, Overflow, {},
     "Overflow: -1E+308 \u2212 1E+308 is too large for the calculator."},
    {"power", 2, Power, 3, "8", Kind::Double},
    {"zero to zero", 0.0, Power, 0.0, "1"},
    {"zero to one", 0.0, Power, 1.0, "0"},
    {"zero to a half", 0.0, Power, 0.5, "0"},
    {"zero to negative", 0.0, Power, -1.0, DivisionByZero, {}, "Division by zero: 0 to the negative power -1 has no value."},
    {"negative base integral", -2.0, Power, 3.0, "-8"},
    {"negative base fractional", -8.0, Power, 0.25, InvalidArgument, {},
     "Invalid argument: -8 to the fractional power 0.25 has no real value."},
    {"a negative number's square root", -4.0, Power, 0.5, InvalidArgument, {},
     "Invalid argument: the square root of -4 has no real value."},
    {"the window's own words", -1.75, Power, 0.5, InvalidArgument, {},
     "Invalid argument: these sides make no triangle (computing \u201cArea\u201d).", {"Area", false, "these sides make no triangle"}},
    {"power overflows", 10.0, Power, 400.0, Overflow, {}, "Overflow: 10 to the power 400 is too large for the calculator."},
    {"power underflows to zero", 10.0, Power, -400.0, "0"},
    // Two texts that cannot be read: the left operand is read first, the right one only after it.
    {"text minus text too large, left first", Text("x"), Subtract, Text("1E400"), Conversion},
    {"text over text, left too large first", Text("1E400"), Divide, Text("x"), Overflow, {},
     "Overflow: the number in the field \u201cBreadth\u201d is too large for the calculator.", {"Breadth"}},
    {"text to the power text, left first", Text("x"), Power, Text("1E400"), Conversion},
    {"comma: text times text", Text("2,5", Comma), Multiply, Text("2,5", Comma), "6,25", {}, nullptr, {}, Comma},
    {"comma: a text with the full stop fails", Text("2.5", Comma), Multiply, 1, Conversion, {}, nullptr, {}, Comma},
};

} // namespace

Q_DECLARE_METATYPE(Reading)
Q_DECLARE_METATYPE(OperatorCase)

class NumberRules : public QObject {
    Q_OBJECT

private slots:
    void readings_data();
    void readings();
    void pasted();
    void wordsExamples();
    void display_data();
    void display();
    void operators_data();
    void operators();
    void countedLoop();
    // Hard numbers against GNU MPFR: each reads, by either rule, as the double MPFR rounds it to (or overflows
    // where MPFR does), shows as MPFR rounds that to 15 digits, and is too small as a note says it is.
    void reference_data();
    void reference();
};

void NumberRules::readings_data()
{
    QTest::addColumn<Reading>("row");
    for (const Reading& r : readingRows)
        QTest::newRow(r.tag) << r;
    for (const Reading& r : hostileReadings())
        QTest::newRow(r.tag) << r;
}

// The lenient reading, where it stopped and what it noted; the strict reading in the locale, what it
// notes, and the text a lenient field takes for it: the same number, or none where it finds none.
void NumberRules::readings()
{
    QFETCH(Reading, row);
    const NumberLocale l = numbers(row.locale), stop = NumberLocale::fullStop();
    const std::string s = row.text.toStdString();
    QCOMPARE(outcomeOf([&] { return displayText(readLenient(s), stop); }), row.lenient);
    QCOMPARE(outcomeOf([&] { return displayText(readLenientNoted(s, l).value, stop); }), row.lenient);
    QCOMPARE(outcomeOf([&] { return displayText(readStrict(s, l), l); }), row.strict);
    if (!row.lenient.failure) {
        const LenientReading reading = readLenientNoted(s, l);
        QVERIFY(reading.end <= s.size());
        if (row.said.rest)
            QCOMPARE(s.substr(reading.end), *row.said.rest);
        if (row.said.note)
            QCOMPARE(reading.misreading, *row.said.note);
    }
    if (row.said.strictly) {
        QCOMPARE(tooSmall(s, l), *row.said.strictly == Strictly::TooSmall);
        QCOMPARE(readsUnderOtherConvention(s, l), *row.said.strictly == Strictly::OtherConvention);
    }
    const std::optional<std::string> form = lenientForm(s, l);
    QCOMPARE(form.has_value(), row.strict.failure != Conversion);
    if (form)
        QCOMPARE(outcomeOf([&] { return displayText(readLenient(*form), l); }), row.strict);
    if (row.said.form)
        QCOMPARE(form.value_or("(none)"), std::string(row.said.form));
}

// The first cell of a paste, and how many cells or lines were left out.
void NumberRules::pasted()
{
    for (const auto& [pasted, first, leftOut] : std::initializer_list<std::tuple<const char*, const char*, std::size_t>>{
             {"\n\n5\n6", "5", 1}, {" \t \r\n ", "", 0}, {"1 2\r3\t \t4", "1 2", 2}}) {
        const PastedText cell = firstCell(pasted);
        QCOMPARE(cell.text, std::string(first));
        QCOMPARE(cell.leftOut, leftOut);
    }
}

// The examples in words.h hold.
void NumberRules::wordsExamples()
{
    QCOMPARE(words({}, "Failure", "%1 \u00f7 %2 has no value", {"0", "0"}), "0 \u00f7 0 has no value");
    QCOMPARE(words({}, "Failure", "%2 before %1", {"a", "b"}), "b before a");
    QCOMPARE(words({}, "Note", "%3 of 100% at 22/7, %", {"a", "b"}), "%3 of 100% at 22/7, %");
    QCOMPARE(words({}, "Note", "%9%1", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}), "91");
}

void NumberRules::display_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown"); // with the full stop; with the comma the same but for it
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("third") << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("root two drops trailing zero") << 1.4142135623730951 << "1.4142135623731";
    QTest::newRow("0.0001 positional") << 0.0001 << "0.0001";
    QTest::newRow("0.00001 scientific") << 0.00001 << "1E-05";
    QTest::newRow("a two-digit exponent, unpadded") << 1e-10 << "1E-10";
    QTest::newRow("largest below 1E15") << 999999999999999.0 << "999999999999999";
    QTest::newRow("1E15") << 1e15 << "1E+15";
    QTest::newRow("rounds up to 1E15") << 999999999999999.6 << "1E+15";
    QTest::newRow("rounds up to 0.0001") << 0.00009999999999999999 << "0.0001";
    QTest::newRow("rounds up to 10") << 9.999999999999998 << "10";
}

void NumberRules::display()
{
    QFETCH(double, value);
    QFETCH(QString, shown);
    QCOMPARE(QString::fromStdString(displayText(value, NumberLocale::fullStop())), shown);
    QCOMPARE(QString::fromStdString(displayText(value, NumberLocale::comma())), QString(shown).replace('.', ','));
}

void NumberRules::operators_data()
{
    QTest::addColumn<OperatorCase>("row");
    for (const OperatorCase& o : operations)
        QTest::newRow(o.tag) << o;
}

// Each operator on its operands' kinds: the value shown, or the failure and its words, in the locale.
void NumberRules::operators()
{
    QFETCH(OperatorCase, row);
    const NumberLocale l = numbers(row.locale);
    const auto apply = [&] { return row.op(row.left, row.right); };
    QCOMPARE(outcomeOf([&] { return apply().display(l); }), row.expected);
    if (row.kind)
        QCOMPARE(apply().kind(), *row.kind);
    if (row.message) {
        try {
            apply();
        } catch (const Failure& failure) {
            QCOMPARE(QString::fromStdString(describe(failure, l, row.place)), QString::fromUtf8(row.message));
        }
    }
}

// The factorial's loop: start and end are evaluated once, and a text is read strictly.
void NumberRules::countedLoop()
{
    auto factorial = [](const FieldValue& n) {
        return outcomeOf([&] {
            FieldValue f = 1.0;
            qv::countedLoop(1, n, [&](const FieldValue& k) { f = f * k; });
            return f.display(NumberLocale::fullStop());
        });
    };
    for (const auto& [n, shown] : std::initializer_list<std::pair<double, Outcome>>{
             {5, "120"}, {3.5, "6"}, {0, "1"}, {-3, "1"}, {17, "355687428096000"}, {18, "6.402373705728E+15"},
             {170, "7.25741561530799E+306"}, {171, Overflow}})
        QCOMPARE(factorial(n), shown);
    QCOMPARE(factorial(Text("x")), Outcome(Conversion));
    std::string counted;
    qv::countedLoop(Text(" 2 "), Text(" 3 "), [&](const auto& k) { counted += k.display(NumberLocale::fullStop()); });
    QCOMPARE(counted, std::string("23"));
}

void NumberRules::reference_data()
{
    QTest::addColumn<QString>("text");
    auto halfway = [](double d, int nudge = 0, int radix = 10) { return QString::fromStdString(qvref::plainText(qvref::midpoint(d, nudge, radix))); };
    const double top = 0x1.fffffffffffffp+1023;
    QTest::newRow("2^53 + 1, a tie to even below") << "9007199254740993";
    QTest::newRow("2^53 + 3, a tie to even above") << "9007199254740995";
    QTest::newRow("2^-1075, a tie to 0") << halfway(0);
    QTest::newRow("a hair above 2^-1075") << halfway(0, 1);
    QTest::newRow("17 digits below 2^-1075") << "2.4703282292062327E-324";
    QTest::newRow("tie of the largest subnormal") << halfway(0x0.fffffffffffffp-1022);
    QTest::newRow("subnormal") << "-1.2345678901234567890E-310";
    QTest::newRow("subnormal: a tie at 15 digits, to even") << "2.000000000000005E-308";
    QTest::newRow("17 digits below the overflow tie") << "1.7976931348623158D308";
    QTest::newRow("17 digits above it") << "1.7976931348623159E308";
    QTest::newRow("overflow tie") << halfway(top);
    QTest::newRow("a hair below the overflow tie") << halfway(top, -1);
    QTest::newRow("hex overflow tie") << halfway(top, 0, 16);
    QTest::newRow("hex a hair below it") << halfway(top, -1, 16);
    QTest::newRow("octal overflow tie") << halfway(top, 0, 8);
    QTest::newRow("octal a hair below it") << halfway(top, -1, 8);
    QTest::newRow("shown: tie to even below") << "123456789012344.5";
    QTest::newRow("shown: tie to even above") << "-123456789012345.5";
    QTest::newRow("shown: tie to 1E+15") << "1000000000000005";
    QTest::newRow("shown: tie in the fraction") << "12345678901234.25";
}

void NumberRules::reference()
{
    QFETCH(QString, text);
    const std::string s = text.toStdString();
    const std::optional<qvref::Number> number = qvref::plainNumber(s);
    QVERIFY(number);
    const std::optional<double> expected = qvref::nearest(*number);
    // Every bit counts: QCOMPARE on doubles would allow a relative error.
    auto exact = [](double d) { char hex[32]; std::snprintf(hex, sizeof hex, "%a", d); return std::string(hex); };
    const Outcome bits = expected ? Outcome(exact(*expected)) : Outcome(Overflow);
    QCOMPARE(outcomeOf([&] { return exact(readLenient(s)); }), bits);
    QCOMPARE(outcomeOf([&] { return exact(readStrict(s, NumberLocale::fullStop())); }), bits);
    if (!expected)
        return;
    QCOMPARE(QString::fromStdString(displayText(*expected, NumberLocale::fullStop())),
             QString::fromStdString(qvref::display(*expected)));
    const bool small = number->radix == 10 && std::fabs(*expected) < DBL_MIN
                       && qvref::display(*expected) != qvref::display(*number);
    QCOMPARE(readLenientNoted(s, NumberLocale::fullStop()).misreading == Misreading::TooSmall, small);
    QCOMPARE(tooSmall(s, NumberLocale::fullStop()), small);
}

QTEST_APPLESS_MAIN(NumberRules)
#include "tst_numberrules.moc"
