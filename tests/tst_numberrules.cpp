// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The number rules, in both a full-stop and a comma locale: reading, the
// operators with their kinds, display text and the four failures.
#include "fieldvalue.h"
#include "numbertext.h"
#include "reference.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

using namespace qv;

Q_DECLARE_METATYPE(std::optional<qv::FailureKind>)

namespace {

const NumberLocale fullStop = NumberLocale::fullStop();
const NumberLocale comma = NumberLocale::comma();
// French groups with a narrow no-break space, Russian with a no-break space,
// Arabic has separators of its own.
const NumberLocale french{",", "\u202F"};
const NumberLocale russian{",", "\u00A0"};
const NumberLocale arabic{"\u066B", "\u066C"};

const NumberLocale& localeNamed(const QString& name)
{
    return name == "comma" ? comma : name == "french" ? french : name == "russian" ? russian : name == "arabic" ? arabic : fullStop;
}

QString noted(Misreading m)
{
    return m == Misreading::StoppedEarly ? "stopped early" : m == Misreading::TooSmall ? "too small" : "";
}

// What a computation gave: its display text, or the failure it threw.
template <class F>
QString outcome(F&& f)
{
    try {
        return QString::fromStdString(f());
    } catch (const Failure& failure) {
        return "!" + QString::fromLatin1(name(failure.kind()));
    }
}

FieldValue textOf(const QString& s, const NumberLocale& l) { return FieldValue::text(s.toStdString(), l); }

} // namespace

class NumberRules : public QObject {
    Q_OBJECT

private slots:
    void lenient_data();
    void lenient();
    void strict_data();
    void strict();
    void pasted_data();
    void pasted();
    void display_data();
    void display();
    void operators_data();
    void operators();
    void kinds();
    void countedLoop();
    // The words of each failure: the kind first, then what happened to which
    // numbers, then where.
    void messages_data();
    void messages();
    // Hard numbers against GNU MPFR: each plain text reads, by either rule, as
    // the double MPFR rounds its digits to, or overflows where MPFR's rounding
    // does; that double shows as MPFR rounds it to 15 digits, ties to even;
    // and it is too small for a double where it reads as 0 or as a subnormal
    // that does not show the number's own 15 digits.
    void reference_data();
    void reference();
};

void NumberRules::lenient_data()
{
    QTest::addColumn<QString>("locale");   // the user's, for what counts as going on
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // display text in the full-stop locale, or !failure
    QTest::addColumn<QString>("rest");     // the text after the number read; null: not checked
    QTest::addColumn<QString>("note");     // the misreading: "stopped early", "too small" or none
    auto row = [](const char* tag, const QString& text, const QString& expected, const QString& note = "",
                  const QString& rest = {}, const QString& locale = "stop") {
        QTest::newRow(tag) << locale << text << expected << rest << note;
    };

    row("empty", "", "0", "", "");
    row("letters", "abc", "0", "", "abc");
    row("leading number", "12abc", "12", "", "abc");
    row("a unit after a space", "12 cm", "12", "", " cm");
    row("comma stops", "1,5", "1", "stopped early", ",5");
    row("spaces around", " 5 ", "5", "", " ");
    row("spaces everywhere", "\t- 1 2 . 5 E + 0 2 ", "-1250", "", " ");
    row("tab and line feed", "\t1\n2", "12");
    row("carriage return stops", "1\r2", "1", "", "\r2");
    row("sign", "-2.5", "-2.5");
    row("plus", "+7", "7");
    row("spaces in a radix number", " - & H 1 f ", "-31", "", " ");
    row("two signs", "--5", "0", "", "-5");
    row("lone sign", "-", "0", "", "");
    row("lone point", ".", "0", "", ".");
    row("no integer digits", ".5", "0.5");
    row("no fraction digits", "5.", "5", "", "");
    row("second point stops", "1.2.3", "1.2", "stopped early", ".3");
    row("exponent", "1E3", "1000");
    row("D exponent", "2D2", "200");
    row("negative exponent", "1e-5", "1E-05");
    row("exponent without digits", "7E", "7", "", "E");
    row("exponent sign without digits", "7E+", "7", "", "E+");
    row("hex", "&HA0", "160");
    row("hex lower", "&haf", "175");
    row("hex stops", "&H1G", "1", "", "G");
    row("hex without digits", "&H", "0");
    row("ampersand, another letter", "&J7", "0", "", "&J7");
    row("negative hex", "-&H10", "-16");
    row("octal", "&O12345670", "2739128");
    row("octal stops at 8", "&O178", "15", "", "8");
    // In a radix number e is a digit, not an exponent.
    row("hex e-digits beyond range", "&He" + QString(300, '0'), "!overflow");
    row("octal beyond range", "&O7" + QString(399, '0'), "!overflow");
    row("octal 16 beyond range", "&O16" + QString(400, '0'), "!overflow");
    row("unit suffix", "7ohm", "7", "", "ohm");
    row("huge exponent", "1E999999999999999999", "!overflow");
    row("zero with huge exponent", "0E999999", "0");
    row("arabic-indic digit", "\u0663", "0");
    row("NUL stops", QString::fromUtf8("4\0" "5", 3), "4", "", QString::fromUtf8("\0" "5", 2));
    row("many digits", QString(400, '9'), "!overflow");

    // Where the text goes on as a number would, in the user's locale or with the full stop.
    row("a decimal comma", "7,5", "7", "stopped early", ",5", "comma");
    row("grouped with the full stop, a decimal comma", "1.234,5", "1.234", "stopped early", ",5", "comma");
    row("a decimal comma first", ",5", "0", "stopped early", ",5", "comma");
    row("a sign, then a decimal comma", "-,5", "0", "stopped early", ",5", "comma");
    row("a thousands comma", "1,000", "1", "stopped early", ",000");
    row("blanks before the comma", "1 ,5", "1", "stopped early", " ,5", "comma");
    row("the locale's narrow no-break space", "1\u202F000", "1", "stopped early", "\u202F000", "french");
    row("a list, a space after the comma", "5, 6", "5", "", ", 6");
    // Too small for a double: read as 0, or as a subnormal without the digits written.
    row("below range", "1E-400", "0", "too small", "");
    row("zero below range", "0E-400", "0", "", "");
    row("subnormal, digits lost", "1E-320", "9.99988867182683E-321", "too small", "");
    row("subnormal, 15 digits kept", "2.2250738585072E-308", "2.2250738585072E-308", "");
}

void NumberRules::lenient()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(QString, rest);
    QFETCH(QString, note);
    const std::string s = text.toStdString();
    QCOMPARE(outcome([&] { return displayText(readLenient(s), fullStop); }), expected);
    QCOMPARE(outcome([&] { return displayText(readLenientNoted(s, localeNamed(locale)).value, fullStop); }), expected);
    if (expected.startsWith('!'))
        return;
    const LenientReading reading = readLenientNoted(s, localeNamed(locale));
    QVERIFY(reading.end <= s.size());
    if (!rest.isNull())
        QCOMPARE(QString::fromStdString(s.substr(reading.end)), rest);
    QCOMPARE(noted(reading.misreading), note);
}

void NumberRules::strict_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // display text in the locale, or !failure
    // The text as the lenient reading reads the same number ("-": none); null: not checked.
    QTest::addColumn<QString>("form");
    // "too small" for a number too small for a double, "other convention" for a
    // text that is no number here but one with the other decimal separator.
    QTest::addColumn<QString>("note");
    auto row = [](const char* tag, const QString& locale, const QString& text, const QString& expected,
                  const QString& form = {}, const QString& note = "") {
        QTest::newRow(tag) << locale << text << expected << form << note;
    };

    row("plain", "stop", "12", "12", "12");
    row("spaces around", "stop", "  5 ", "5", "5");
    row("decimal", "stop", "2.5", "2.5");
    row("no integer digits", "stop", ".5", "0.5");
    row("no fraction digits", "stop", "5.", "5");
    row("sign", "stop", "-3", "-3");
    row("plus", "stop", "+5", "5");
    row("exponent", "stop", "1E100", "1E+100", "1E100");
    row("D exponent", "stop", "1d2", "100");
    row("first group of three", "stop", "123,456", "123456", "123456");
    row("thousands twice", "stop", "12,345,678.5", "12345678.5", "12345678.5");
    row("thousands, spaces around and a sign", "stop", " -1,000 ", "-1000", "-1000");
    row("hex", "stop", "&H10", "16");
    row("octal", "stop", "&o10", "8");
    row("empty", "stop", "", "!conversion", "-");
    row("only spaces", "stop", "   ", "!conversion", "-");
    row("trailing letters", "stop", "12abc", "!conversion", "-");
    row("a unit after a space", "stop", "12 cm", "!conversion", "-");
    row("comma typo", "stop", "1,5", "!conversion", "-", "other convention");
    row("long first group", "stop", "1234,567", "!conversion", {}, "other convention");
    row("double separator", "stop", "1,,000", "!conversion");
    row("leading separator", "stop", ",000", "!conversion", {}, "other convention");
    row("separator in fraction", "stop", "1.000,5", "!conversion", {}, "other convention");
    row("lone point", "stop", ".", "!conversion");
    row("lone sign", "stop", "-", "!conversion");
    row("inner space", "stop", "1 2", "!conversion");
    row("a space between groups, full stop locale", "stop", "1 000", "!conversion");
    row("tab around", "stop", "\t5", "!conversion");
    row("currency", "stop", "$5", "!conversion");
    row("parentheses", "stop", "(5)", "!conversion");
    row("trailing sign", "stop", "5-", "!conversion");
    row("exponent without digits", "stop", "5E", "!conversion");
    row("hex without digits", "stop", "&H", "!conversion");
    row("hex then a letter", "stop", "&H1G", "!conversion");
    row("hex e-digits beyond range", "stop", "&He" + QString(300, '0'), "!overflow");
    row("beyond range", "stop", "1E400", "!overflow", "1E400");
    // A first group beginning with 0 means a decimal separator: no number.
    row("zero, then a group", "stop", "0,250", "!conversion", "-", "other convention");
    row("a zero group first", "stop", "01,000", "!conversion", "-", "other convention");
    row("zero point, ungrouped", "stop", "0.250", "0.25", "0.250");
    row("a leading zero, ungrouped", "stop", "0250", "250", "0250");
    row("comma decimal", "comma", "2,5", "2,5", "2.5");
    row("comma thousands", "comma", "1.000", "1000", "1000");
    row("comma both", "comma", "1.234.567,25", "1234567,25", "1234567.25");
    row("comma, a result as shown", "comma", "6,402373705728E+15", "6,402373705728E+15", "6.402373705728E+15");
    row("comma, hex as written", "comma", "&hFF", "255", "&hFF");
    row("comma point typo", "comma", "1.5", "!conversion", "-", "other convention");
    row("comma full stop decimal", "comma", "2.5", "!conversion", "-", "other convention");
    row("comma, zero, then a group", "comma", "0.250", "!conversion", "-", "other convention");
    // An ordinary space stands for a no-break space between groups.
    row("french, a space between groups", "french", "1 000,5", "1000,5", "1000.5");
    row("french, its own separator", "french", "1\u202F000,5", "1000,5", "1000.5");
    row("french, both, spaces around", "french", " 1 000\u202F000 ", "1000000", "1000000");
    row("french, a space in a short group", "french", "1 00,5", "!conversion", "-");
    row("french, a space after the decimal comma", "french", "1,000 5", "!conversion", "-");
    row("french, a full stop decimal", "french", "2.5", "!conversion", "-", "other convention");
    row("russian, a space between groups", "russian", "12 345", "12345", "12345");
    row("arabic, a full stop decimal", "arabic", "2.5", "!conversion", "-");
    // Too small for a double.
    row("below range", "stop", "1E-400", "0", "1E-400", "too small");
    row("zero below range", "stop", "0E-400", "0", {}, "");
    row("comma, subnormal", "comma", "1,5E-320", "1,49998330077402E-320", "1.5E-320", "too small");
    row("small but normal", "stop", "1E-300", "1E-300", {}, "");
    row("below range, then letters", "stop", "1E-400x", "!conversion", "-", "");
}

void NumberRules::strict()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(QString, form);
    QFETCH(QString, note);
    const NumberLocale& l = localeNamed(locale);
    const std::string s = text.toStdString();
    QCOMPARE(outcome([&] { return displayText(readStrict(s, l), l); }), expected);
    const std::optional<std::string> lenient = lenientForm(s, l);
    if (!form.isNull())
        QCOMPARE(lenient ? QString::fromStdString(*lenient) : "-", form);
    // The form reads leniently as the text reads strictly.
    if (lenient)
        QCOMPARE(outcome([&] { return displayText(readLenient(*lenient), l); }), expected);
    QCOMPARE(tooSmall(s, l), note == "too small");
    QCOMPARE(readsUnderOtherConvention(s, l), note == "other convention");
}

void NumberRules::pasted_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("leftOut");
    QTest::newRow("two cells") << "12\t34" << "12" << 1;
    QTest::newRow("a line with a Windows line break") << " 7 \r\n" << "7" << 0;
    QTest::newRow("empty lines first") << "\n\n5\n6" << "5" << 1;
    QTest::newRow("nothing") << "" << "" << 0;
    QTest::newRow("blanks only") << " \t \r\n " << "" << 0;
    QTest::newRow("a Mac line break, an empty cell") << "1 2\r3\t \t4" << "1 2" << 2;
}

void NumberRules::pasted()
{
    QFETCH(QString, pasted);
    QFETCH(QString, first);
    QFETCH(int, leftOut);
    const PastedText cell = firstCell(pasted.toStdString());
    QCOMPARE(QString::fromStdString(cell.text), first);
    QCOMPARE(cell.leftOut, std::size_t(leftOut));
}

void NumberRules::display_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("stop");
    QTest::addColumn<QString>("comma");

    QTest::newRow("zero") << 0.0 << "0" << "0";
    QTest::newRow("negative zero") << -0.0 << "0" << "0";
    QTest::newRow("integral") << 154.0 << "154" << "154";
    QTest::newRow("negative") << -6.0 << "-6" << "-6";
    QTest::newRow("half") << 2.5 << "2.5" << "2,5";
    QTest::newRow("third") << 1.0 / 3.0 << "0.333333333333333" << "0,333333333333333";
    QTest::newRow("two thirds rounds up") << 2.0 / 3.0 << "0.666666666666667" << "0,666666666666667";
    QTest::newRow("root two drops trailing zero") << 1.4142135623730951 << "1.4142135623731" << "1,4142135623731";
    QTest::newRow("0.0001 positional") << 0.0001 << "0.0001" << "0,0001";
    QTest::newRow("0.00001 scientific") << 0.00001 << "1E-05" << "1E-05";
    QTest::newRow("two digit exponent") << 1e-10 << "1E-10" << "1E-10";
    QTest::newRow("largest below 1E15") << 999999999999999.0 << "999999999999999" << "999999999999999";
    QTest::newRow("1E15") << 1e15 << "1E+15" << "1E+15";
    QTest::newRow("rounds up to 1E15") << 999999999999999.6 << "1E+15" << "1E+15";
    QTest::newRow("rounds up to 0.0001") << 0.00009999999999999999 << "0.0001" << "0,0001";
    QTest::newRow("scientific with fraction") << 1234567890123456.0 << "1.23456789012346E+15" << "1,23456789012346E+15";
    QTest::newRow("negative scientific") << -2.5e-7 << "-2.5E-07" << "-2,5E-07";
    QTest::newRow("1.331") << 1.1 * 1.1 * 1.1 << "1.331" << "1,331";
    QTest::newRow("0.1 plus 0.2") << 0.1 + 0.2 << "0.3" << "0,3";
}

void NumberRules::display()
{
    QFETCH(double, value);
    QFETCH(QString, stop);
    QFETCH(QString, comma);
    QCOMPARE(QString::fromStdString(displayText(value, fullStop)), stop);
    QCOMPARE(QString::fromStdString(displayText(value, NumberLocale::comma())), comma);
}

void NumberRules::operators_data()
{
    // Operands: "t:..." text, "d:..." double, "i:..." integer constant, "e" empty.
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("expected");

    QTest::newRow("text plus text concatenates") << "stop" << "t:2" << "+" << "t:3" << "23";
    QTest::newRow("text plus integer adds") << "stop" << "t:2" << "+" << "i:3" << "5";
    QTest::newRow("text times text multiplies") << "stop" << "t:2" << "*" << "t:3" << "6";
    QTest::newRow("empty text squared fails") << "stop" << "t:" << "*" << "t:" << "!conversion";
    QTest::newRow("12abc strict fails") << "stop" << "t:12abc" << "*" << "i:2" << "!conversion";
    QTest::newRow("empty plus text is text") << "stop" << "e" << "+" << "t:ab" << "ab";
    QTest::newRow("text plus empty is text") << "stop" << "t:ab" << "+" << "e" << "ab";
    QTest::newRow("empty plus integer") << "stop" << "e" << "+" << "i:4" << "4";
    QTest::newRow("empty times double") << "stop" << "e" << "*" << "d:4" << "0";
    QTest::newRow("integer times empty") << "stop" << "i:4" << "*" << "e" << "0";
    QTest::newRow("integer promotion") << "stop" << "i:32767" << "+" << "i:1" << "32768";
    QTest::newRow("integer32 to double") << "stop" << "i:2147483647" << "*" << "i:2" << "4294967294";
    QTest::newRow("subtraction") << "stop" << "d:4" << "-" << "d:10" << "-6";
    QTest::newRow("integer subtraction") << "stop" << "i:4" << "-" << "i:10" << "-6";
    QTest::newRow("division") << "stop" << "i:22" << "/" << "i:7" << "3.14285714285714";
    QTest::newRow("one by zero") << "stop" << "d:1" << "/" << "d:0" << "!division by zero";
    QTest::newRow("zero by zero") << "stop" << "d:0" << "/" << "d:0" << "!overflow";
    QTest::newRow("text divisor empty") << "stop" << "d:1" << "/" << "t:" << "!conversion";
    QTest::newRow("quotient overflows") << "stop" << "d:1E300" << "/" << "d:1E-10" << "!overflow";
    QTest::newRow("product overflows") << "stop" << "d:1E200" << "*" << "d:1E200" << "!overflow";
    QTest::newRow("sum overflows") << "stop" << "d:1E308" << "+" << "d:1E308" << "!overflow";
    QTest::newRow("power") << "stop" << "d:2" << "^" << "d:3" << "8";
    QTest::newRow("square root of two") << "stop" << "d:2" << "^" << "d:0.5" << "1.4142135623731";
    QTest::newRow("zero to zero") << "stop" << "d:0" << "^" << "d:0" << "1";
    QTest::newRow("zero to one") << "stop" << "d:0" << "^" << "d:1" << "0";
    QTest::newRow("zero to a half") << "stop" << "d:0" << "^" << "d:0.5" << "0";
    QTest::newRow("zero to negative") << "stop" << "d:0" << "^" << "d:-1" << "!division by zero";
    QTest::newRow("negative base integral") << "stop" << "d:-2" << "^" << "d:3" << "-8";
    QTest::newRow("negative base fractional") << "stop" << "d:-8" << "^" << "d:0.5" << "!invalid argument";
    QTest::newRow("power overflows") << "stop" << "d:10" << "^" << "d:400" << "!overflow";
    QTest::newRow("power underflows to zero") << "stop" << "d:10" << "^" << "d:-400" << "0";
    // Two texts that cannot be read: the left operand is read first, the
    // right one only after it.
    QTest::newRow("text minus text too large, left first") << "stop" << "t:x" << "-" << "t:1E400" << "!conversion";
    QTest::newRow("text over text, left too large first") << "stop" << "t:1E400" << "/" << "t:x" << "!overflow";
    QTest::newRow("text to the power text, left first") << "stop" << "t:x" << "^" << "t:1E400" << "!conversion";
    QTest::newRow("comma text times text") << "comma" << "t:2,5" << "*" << "t:2,5" << "6,25";
    QTest::newRow("comma text full stop fails") << "comma" << "t:2.5" << "*" << "i:1" << "!conversion";
}

namespace {
FieldValue operand(const QString& s, const NumberLocale& l)
{
    if (s == "e")
        return {};
    const QString body = s.mid(2);
    if (s.startsWith("t:"))
        return textOf(body, l);
    if (s.startsWith("i:"))
        return FieldValue(body.toInt());
    return FieldValue(body.toDouble());
}
} // namespace

void NumberRules::operators()
{
    QFETCH(QString, locale);
    QFETCH(QString, left);
    QFETCH(QString, op);
    QFETCH(QString, right);
    QFETCH(QString, expected);
    const NumberLocale& l = localeNamed(locale);
    const FieldValue a = operand(left, l);
    const FieldValue b = operand(right, l);
    QCOMPARE(outcome([&] {
                 const FieldValue r = op == "+" ? a + b : op == "-" ? a - b : op == "*" ? a * b : op == "/" ? a / b : power(a, b);
                 return r.display(l);
             }),
             expected);
}

void NumberRules::kinds()
{
    QCOMPARE(FieldValue(22).kind(), Kind::Integer16);
    QCOMPARE((FieldValue(200) * 200).kind(), Kind::Integer32);
    QCOMPARE((FieldValue::integer32(2147483647) + 1).kind(), Kind::Double);
    QCOMPARE((FieldValue(22) * 2.0).kind(), Kind::Double);
    QCOMPARE((FieldValue(6) / 3).kind(), Kind::Double);
    QCOMPARE(power(2, 2).kind(), Kind::Double);
    QCOMPARE((FieldValue::text("2", fullStop) + FieldValue::text("3", fullStop)).kind(), Kind::Text);
    QCOMPARE((FieldValue::text("2", fullStop) - FieldValue::text("3", fullStop)).kind(), Kind::Double);
    QCOMPARE((FieldValue() + FieldValue()).kind(), Kind::Integer16);
}

void NumberRules::countedLoop()
{
    auto factorial = [](double n) {
        FieldValue f = 1.0;
        qv::countedLoop(1, n, [&](const FieldValue& k) { f = f * k; });
        return f.display(fullStop);
    };
    QCOMPARE(QString::fromStdString(factorial(5)), QString("120"));
    QCOMPARE(QString::fromStdString(factorial(3.5)), QString("6"));
    QCOMPARE(QString::fromStdString(factorial(0)), QString("1"));
    QCOMPARE(QString::fromStdString(factorial(-3)), QString("1"));
    QCOMPARE(QString::fromStdString(factorial(17)), QString("355687428096000"));
    QCOMPARE(QString::fromStdString(factorial(18)), QString("6.402373705728E+15"));
    QCOMPARE(QString::fromStdString(factorial(170)), QString("7.25741561530799E+306"));
    QCOMPARE(outcome([&] { return factorial(171); }), QString("!overflow"));
    // Start and end are evaluated once and text is read strictly.
    std::string shown;
    qv::countedLoop(FieldValue::text(" 2 ", fullStop), FieldValue::text(" 3 ", fullStop),
                    [&](const FieldValue& k) { shown += k.display(fullStop); });
    QCOMPARE(shown, std::string("23"));
    QCOMPARE(outcome([&] {
                 qv::countedLoop(1, FieldValue::text("x", fullStop), [](const FieldValue&) {});
                 return std::string();
             }),
             QString("!conversion"));
}

void NumberRules::messages_data()
{
    // The step: "left op right" with operands as in operators_data, or
    // "read text" for a lenient reading; a comma: the comma locale.
    QTest::addColumn<QString>("step");
    // The place named ("-" first for a hidden one), and "|" the window's own words.
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("expected");
    // The contract examples of failure.h, through the operations that fail.
    QTest::newRow("not a number, named") << "t: * t:" << "Length"
        << "Conversion failure: the field \u201cLength\u201d is empty or holds text that is not a number.";
    QTest::newRow("a number too large to read") << "read 1E400" << "Breadth"
        << "Overflow: the number in the field \u201cBreadth\u201d is too large for the calculator.";
    QTest::newRow("a product too large") << "d:1E200 * d:1E200" << "Area"
        << "Overflow: 1E+200 \u00d7 1E+200 is too large for the calculator (computing \u201cArea\u201d).";
    QTest::newRow("a sum too large, hidden") << "d:1E308 + d:1E308" << "-Addition: answer"
        << "Overflow: 1E+308 + 1E+308 is too large for the calculator (computing \u201cAddition: answer\u201d, "
           "which is hidden).";
    QTest::newRow("a power too large") << "d:10 ^ d:400" << ""
        << "Overflow: 10 to the power 400 is too large for the calculator.";
    QTest::newRow("0 / 0 has no value") << "d:0 / d:0" << "" << "Overflow: 0 \u00f7 0 has no value.";
    QTest::newRow("divided by 0, comma locale") << "d:1.5 / d:0 ," << ""
        << "Division by zero: 1,5 cannot be divided by 0.";
    QTest::newRow("0 to a negative power") << "d:0 ^ d:-1" << ""
        << "Division by zero: 0 to the negative power -1 has no value.";
    QTest::newRow("a negative number to a fractional power") << "d:-8 ^ d:0.25" << ""
        << "Invalid argument: -8 to the fractional power 0.25 has no real value.";
    QTest::newRow("a negative number's square root") << "d:-4 ^ d:0.5" << ""
        << "Invalid argument: the square root of -4 has no real value.";
    QTest::newRow("the window's own words") << "d:-1.75 ^ d:0.5" << "Area|these sides make no triangle"
        << "Invalid argument: these sides make no triangle (computing \u201cArea\u201d).";
    QTest::newRow("a difference, from a text") << "t:-1E308 - d:1E308" << ""
        << "Overflow: -1E+308 \u2212 1E+308 is too large for the calculator.";
}

void NumberRules::messages()
{
    QFETCH(QString, step);
    QFETCH(QString, where);
    QFETCH(QString, expected);
    const QStringList s = step.split(' ');
    const NumberLocale& l = localeNamed(s.size() > 3 ? "comma" : "stop");
    const QString name = where.section('|', 0, 0);
    const FailurePlace place{name.mid(name.startsWith('-') ? 1 : 0).toStdString(), name.startsWith('-'),
                             where.section('|', 1).toStdString(), {}};
    try {
        if (s[0] == "read") {
            readLenient(s[1].toStdString());
        } else {
            const FieldValue a = operand(s[0], l);
            const FieldValue b = operand(s[2], l);
            const QString& op = s[1];
            (void)(op == "+" ? a + b : op == "-" ? a - b : op == "*" ? a * b : op == "/" ? a / b : power(a, b));
        }
        QFAIL("no failure");
    } catch (const Failure& failure) {
        QCOMPARE(QString::fromStdString(describe(failure, l, place)), expected);
    }
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
    const QString bits = expected ? QString::fromStdString(exact(*expected)) : "!overflow";
    QCOMPARE(outcome([&] { return exact(readLenient(s)); }), bits);
    QCOMPARE(outcome([&] { return exact(readStrict(s, fullStop)); }), bits);
    if (!expected)
        return;
    QCOMPARE(QString::fromStdString(displayText(*expected, fullStop)), QString::fromStdString(qvref::display(*expected)));
    const bool small = number->radix == 10 && std::fabs(*expected) < DBL_MIN
                       && qvref::display(*expected) != qvref::display(*number);
    QCOMPARE(readLenientNoted(s, fullStop).misreading == Misreading::TooSmall, small);
    QCOMPARE(tooSmall(s, fullStop), small);
}

QTEST_APPLESS_MAIN(NumberRules)
#include "tst_numberrules.moc"
