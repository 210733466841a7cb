// Hostile texts: what a user can type or paste that no number rule was made
// for (thousands of digits, exponents beyond any double, radix numbers too
// wide for a double, lone signs and points, digits of other scripts, NUL and
// control characters, right-to-left marks, line breaks). Each reads to a
// definite value or a reported failure, by the rules alone and through a real
// window's field.
#include "fieldvalue.h"
#include "windows.h"
#include "guitest.h"
#include "numbertext.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace qv;
using namespace qvtest;

namespace {

QString outcome(const std::function<double()>& read, const NumberLocale& locale)
{
    try {
        return QString::fromStdString(displayText(read(), locale));
    } catch (const Failure& failure) {
        return "!" + QString::fromLatin1(name(failure.kind()));
    }
}

// The first words of the failure box for an expected "!kind".
QString boxText(const QString& expected) { return failureHeading(expected.mid(1)); }

// Pastes text into a field as a user does: clipboard, then Ctrl+V over a selection of all.
void paste(frame::Form& form, const char* field, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    form.field(field)->setFocus();
    form.field(field)->selectAll();
    QTest::keyClick(form.field(field), Qt::Key_V, Qt::ControlModifier);
}

} // namespace

class Hostile : public QObject {
    Q_OBJECT

private slots:
    void readings_data();
    void readings();
    void throughAField_data() { readings_data(); }
    void throughAField();
    void lockedFieldRefusesPaste();
};

void Hostile::readings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lenient");
    QTest::addColumn<QString>("stop");  // strict, full-stop locale
    QTest::addColumn<QString>("comma"); // strict, comma locale

    const QString nines(32767, '9');
    QTest::newRow("32,767 nines") << nines << "!overflow" << "!overflow" << "!overflow";
    QTest::newRow("32,767 zeros then 7") << QString(32766, '0') + "7" << "7" << "7" << "7";
    QTest::newRow("32,765 digits after a point")
        << "0." + QString(32765, '3') << "0.333333333333333" << "0.333333333333333" << "!conversion";
    QTest::newRow("32,767 digits, tiny exponent") << nines.left(32760) + "E-32800" << "1E-40" << "1E-40" << "1E-40";
    QTest::newRow("exponent of 20 digits") << "1E999999999999999999" << "!overflow" << "!overflow" << "!overflow";
    QTest::newRow("negative exponent of 20 digits") << "1E-999999999999999999" << "0" << "0" << "0";
    QTest::newRow("zero with a huge exponent") << "0E999999999999999999" << "0" << "0" << "0";
    QTest::newRow("exponent of 32,765 digits") << "1E" + QString(32765, '7') << "!overflow" << "!overflow" << "!overflow";
    // The doubles nearest the top of the range show, rounded to 15 digits, a
    // number just beyond it: such a result cannot be read back, by either rule.
    QTest::newRow("largest double as shown") << "1.79769313486232E+308" << "!overflow" << "!overflow" << "!conversion";
    QTest::newRow("80-bit hex") << "&HFFFFFFFFFFFFFFFFFFFF" << "1.20892581961463E+24" << "1.20892581961463E+24"
                                << "1,20892581961463E+24";
    QTest::newRow("hex beyond any double") << "&H" + QString(300, 'F') << "!overflow" << "!overflow" << "!overflow";
    QTest::newRow("octal beyond any double") << "&O" + QString(400, '7') << "!overflow" << "!overflow" << "!overflow";
    QTest::newRow("hex with leading zeros") << "&H" + QString(32000, '0') + "1F" << "31" << "31" << "31";
    QTest::newRow("lone minus") << "-" << "0" << "!conversion" << "!conversion";
    QTest::newRow("lone plus") << "+" << "0" << "!conversion" << "!conversion";
    QTest::newRow("lone point") << "." << "0" << "!conversion" << "!conversion";
    QTest::newRow("lone comma") << "," << "0" << "!conversion" << "!conversion";
    QTest::newRow("sign and point") << "-." << "0" << "!conversion" << "!conversion";
    QTest::newRow("two signs") << "+-5" << "0" << "!conversion" << "!conversion";
    QTest::newRow("lone ampersand") << "&" << "0" << "!conversion" << "!conversion";
    QTest::newRow("lone exponent") << "E5" << "0" << "!conversion" << "!conversion";
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0661\u0662") << "0" << "!conversion" << "!conversion";
    QTest::newRow("digit then arabic-indic") << QString::fromUtf8("5\u0663") << "5" << "!conversion" << "!conversion";
    QTest::newRow("fullwidth digits") << QString::fromUtf8("\uFF11\uFF12") << "0" << "!conversion" << "!conversion";
    QTest::newRow("devanagari digit") << QString::fromUtf8("\u096B") << "0" << "!conversion" << "!conversion";
    QTest::newRow("superscript two") << QString::fromUtf8("3\u00B2") << "3" << "!conversion" << "!conversion";
    QTest::newRow("NUL alone") << QString(QChar(0)) << "0" << "!conversion" << "!conversion";
    QTest::newRow("NUL inside") << QString("4") + QChar(0) + "5" << "4" << "!conversion" << "!conversion";
    QTest::newRow("bell and delete") << QString("\a5\x7f") << "0" << "!conversion" << "!conversion";
    QTest::newRow("escape sequence") << QString("\x1b[2J7") << "0" << "!conversion" << "!conversion";
    QTest::newRow("carriage return first") << "\r5" << "0" << "!conversion" << "!conversion";
    QTest::newRow("right-to-left mark first") << QString::fromUtf8("\u200F12") << "0" << "!conversion" << "!conversion";
    QTest::newRow("right-to-left mark after") << QString::fromUtf8("12\u200F") << "12" << "!conversion" << "!conversion";
    QTest::newRow("right-to-left override") << QString::fromUtf8("1\u202E23") << "1" << "!conversion" << "!conversion";
    QTest::newRow("no-break space grouping") << QString::fromUtf8("1\u00A0000") << "1" << "!conversion" << "!conversion";
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + "5" << "0" << "!conversion" << "!conversion";
    QTest::newRow("digit then lone surrogate") << "5" + QString(QChar(0xDC00)) << "5" << "!conversion" << "!conversion";
    QTest::newRow("emoji") << QString::fromUtf8("\U0001F600" "5") << "0" << "!conversion" << "!conversion";
    QTest::newRow("pasted column") << "12\n34" << "1234" << "!conversion" << "!conversion";
    QTest::newRow("pasted windows lines") << "12\r\n34" << "12" << "!conversion" << "!conversion";
    QTest::newRow("pasted with final line break") << "2.5\n" << "2.5" << "!conversion" << "!conversion";
    QTest::newRow("pasted with tabs") << "\t7\t" << "7" << "!conversion" << "!conversion";
    QTest::newRow("spaces only") << QString(32767, ' ') << "0" << "!conversion" << "!conversion";
    QTest::newRow("digit among 32,765 spaces") << QString(16000, ' ') + "8" + QString(16766, ' ') << "8" << "8" << "8";
}

void Hostile::readings()
{
    QFETCH(QString, text);
    QFETCH(QString, lenient);
    QFETCH(QString, stop);
    QFETCH(QString, comma);
    const std::string utf8 = text.toStdString();
    const NumberLocale fullStop = NumberLocale::fullStop();
    QCOMPARE(outcome([&] { return readLenient(utf8); }, fullStop), lenient);
    QCOMPARE(outcome([&] { return readStrict(utf8, fullStop); }, fullStop), stop);
    QCOMPARE(outcome([&] { return readStrict(utf8, NumberLocale::comma()); }, NumberLocale::comma()), comma);
}

// Pasted into the division window's first field: the field keeps the text as
// pasted, Calculate divides its lenient reading by 1 or reports the overflow,
// and the same field's text read strictly gives the strict outcome. Pasted
// as the circle's radius, it is read strictly by a real handler.
void Hostile::throughAField()
{
    QFETCH(QString, text);
    QFETCH(QString, lenient);
    QFETCH(QString, stop);
    QFETCH(QString, comma);
    for (const NumberLocale& locale : {NumberLocale::fullStop(), NumberLocale::comma()}) {
        auto w = frame::load(describedWindow("frmdiv"), locale);
        w->show();
        paste(*w, "txt1", text);
        QCOMPARE(textOf(*w, "txt1"), text);
        type(*w, "txt2", "1");
        const QString message = press(*w, "Command2");
        if (lenient.startsWith('!')) {
            QVERIFY2(message.startsWith(boxText(lenient)), qPrintable(message));
            QCOMPARE(textOf(*w, "txt3"), QString());
        } else {
            QCOMPARE(message, QString());
            QString shown = lenient;
            if (locale.decimal == ",")
                shown.replace('.', ',');
            QCOMPARE(textOf(*w, "txt3"), shown);
        }
        const QString expected = locale.decimal == "," ? comma : stop;
        QCOMPARE(outcome([&] { return (w->text("txt1") * FieldValue(1)).toDouble(); }, locale), expected);
        QVERIFY(w->isVisible());

        // The circle window reads its radius strictly: an unreadable radius is
        // reported before anything is written; a readable one gives both results.
        auto circle = frame::load(describedWindow("frmcir"), locale);
        circle->show();
        paste(*circle, "txt1", text);
        QCOMPARE(textOf(*circle, "txt1"), text);
        const QString circleMessage = press(*circle, "Command1");
        if (expected.startsWith('!')) {
            QVERIFY2(circleMessage.startsWith(boxText(expected)), qPrintable(circleMessage));
            QCOMPARE(textOf(*circle, "txt2"), QString());
        } else if (circleMessage.isEmpty()) {
            QVERIFY(!textOf(*circle, "txt2").isEmpty());
            QVERIFY(!textOf(*circle, "txt3").isEmpty());
        } else {
            QVERIFY2(circleMessage.startsWith(boxText("!overflow")), qPrintable(circleMessage));
        }
        QVERIFY(circle->isVisible());
    }
}

// A result field refuses a paste as it refuses typing.
void Hostile::lockedFieldRefusesPaste()
{
    auto w = frame::load(describedWindow("frmdiv"), NumberLocale::fullStop());
    w->show();
    type(*w, "txt1", "1");
    type(*w, "txt2", "4");
    QCOMPARE(press(*w, "Command2"), QString());
    paste(*w, "txt3", QString(32767, '9'));
    QCOMPARE(textOf(*w, "txt3"), QString("0.25"));
    QTest::keyClick(w->field("txt3"), Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(w->field("txt3"), Qt::Key_Backspace);
    QCOMPARE(textOf(*w, "txt3"), QString("0.25"));
}

QTEST_MAIN(Hostile)
#include "tst_hostile.moc"
