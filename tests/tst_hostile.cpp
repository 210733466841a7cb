// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Hostile texts: what a user can type or paste that no number rule was made
// for (thousands of digits, exponents beyond any double, radix numbers too
// wide for a double, lone signs and points, digits of other scripts, NUL and
// control characters, right-to-left marks, line breaks). Each reads to a
// definite value or a reported failure, by the rules alone and through a real
// window's field.
#include "fieldvalue.h"
#include "windows.h"
#include "guitest.h"
#include "hostile.h"
#include "numbertext.h"

#include <QMimeData>
#include <QLabel>
#include <QDropEvent>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
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
    void pastes_data();
    void pastes();
    void copyTakesTheTextShown_data();
    void copyTakesTheTextShown();
};

void Hostile::readings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lenient");
    QTest::addColumn<QString>("stop");  // strict, full-stop locale
    QTest::addColumn<QString>("comma"); // strict, comma locale
    for (const HostileText& h : hostileTexts())
        QTest::newRow(h.tag) << h.text << h.lenient << h.stop << h.comma;
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
// as the circle's radius, it is read strictly by a real handler. (A text
// with blanks around it loses them in the paste, and is read as what is
// left: pastes.)
void Hostile::throughAField()
{
    QFETCH(QString, text);
    QFETCH(QString, lenient);
    QFETCH(QString, stop);
    QFETCH(QString, comma);
    for (const NumberLocale& locale : {NumberLocale::fullStop(), NumberLocale::comma()}) {
        auto w = loadWindow("frmdiv", locale);
        w->show();
        // Several cells or lines pasted: see pastes.
        if (text.trimmed().contains(QRegularExpression(QStringLiteral("[\\t\\r\\n]"))))
            continue;
        paste(*w, "txt1", text);
        // As UTF-8 holds it: a lone surrogate cannot be held.
        QCOMPARE(textOf(*w, "txt1"), QString::fromUtf8(text.trimmed().toUtf8()));
        if (text != text.trimmed())
            continue;
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
        QCOMPARE(outcome([&] { return (FieldValue::text(textOf(*w, "txt1").toStdString(), locale) * FieldValue(1)).toDouble(); }, locale), expected);
        QVERIFY(w->isVisible());

        // The circle window reads its radius strictly: an unreadable radius is
        // reported before anything is written; a readable one gives both results.
        auto circle = loadWindow("frmcir", locale);
        circle->show();
        paste(*circle, "txt1", text);
        QCOMPARE(textOf(*circle, "txt1"), QString::fromUtf8(text.toUtf8()));
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
    auto w = loadWindow("frmdiv", NumberLocale::fullStop());
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

void Hostile::pastes_data()
{
    QTest::addColumn<QString>("window"); // its input is txt1, its result the other field
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("before"); // the field's text, the cursor at its end
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("entered"); // what the field then shows
    QTest::addColumn<QString>("result");  // the result, or the failure's kind
    QTest::addColumn<QString>("note");    // said under the fields, or ""
    const QString square = "frmsquare", cube = "frmvcube", stop = "fullStop", comma = "comma";
    // The blanks around what is pasted go, by every way of pasting.
    QTest::newRow("a terminal line by Ctrl+V") << square << stop << "ctrl+v" << "" << "12\n" << "12" << "144" << "";
    QTest::newRow("a spreadsheet cell by Shift+Insert")
        << square << stop << "shift+insert" << "" << "\t2.5\r\n" << "2.5" << "6.25" << "";
    QTest::newRow("spaces around, by the field's menu") << square << stop << "menu" << "" << "  -3  " << "-3" << "9" << "";
    QTest::newRow("the X11 selection by the middle button") << square << stop << "middle" << "" << " 7\n" << "7" << "49"
                                                           << "";
    QTest::newRow("after the cursor, the text before kept") << square << stop << "ctrl+v" << "1" << "\t2\n" << "12"
                                                           << "144" << "";
    QTest::newRow("blanks inside stay") << square << stop << "ctrl+v" << "" << "1 2\n" << "1 2" << "conversion" << "";
    // Several cells or lines: the first is entered, never their digits joined, and that is said.
    const QString firstOfTwo = "Only the first of the 2 pasted cells or lines, \u201c12\u201d, was entered into "
                               "\u201cEnter the length of the cube\u201d.";
    QTest::newRow("two spreadsheet cells") << cube << stop << "ctrl+v" << "" << "12\t34" << "12" << "1728" << firstOfTwo;
    QTest::newRow("two lines with Windows line ends, by the middle button")
        << cube << stop << "middle" << "" << "12\r\n34\r\n" << "12" << "1728" << firstOfTwo;
    QTest::newRow("two lines dropped") << cube << stop << "drop" << "" << "12\n\n34" << "12" << "1728" << firstOfTwo;
    // A number the program wrote reads back as itself in a field read leniently.
    QTest::newRow("22 / 7 as the comma locale shows it, into the cube's volume")
        << cube << comma << "menu" << "" << "3,14285714285714" << "3.14285714285714" << "31,0437317784256" << "";
    QTest::newRow("a grouped number, full stop") << cube << stop << "ctrl+v" << "" << "1,000" << "1000" << "1000000000" << "";
    QTest::newRow("the comma locale's number stays so where it is read strictly")
        << square << comma << "ctrl+v" << "" << "2,5" << "2,5" << "6,25" << "";
}

// A paste, by any way there is to paste, and a drop: what is entered.
void Hostile::pastes()
{
    QFETCH(QString, window);
    QFETCH(QString, locale);
    QFETCH(QString, how);
    QFETCH(QString, before);
    QFETCH(QString, text);
    QFETCH(QString, entered);
    QFETCH(QString, result);
    QFETCH(QString, note);
    auto w = loadWindow(window, locale == "comma" ? NumberLocale::comma() : NumberLocale::fullStop());
    w->show();
    QLineEdit* f = w->field("txt1");
    f->setFocus();
    f->setText(before);
    QGuiApplication::clipboard()->setText(text);
    if (how == "ctrl+v") {
        QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
    } else if (how == "shift+insert") {
        QTest::keyClick(f, Qt::Key_Insert, Qt::ShiftModifier);
    } else if (how == "menu") {
        QVERIFY(chooseFromContextMenu(f, "edit-paste"));
    } else if (how == "drop") {
        QMimeData dropped;
        dropped.setText(text);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f, &drop);
    } else {
        if (!QGuiApplication::clipboard()->supportsSelection())
            QSKIP("no X11 selection on this platform (ctest runs this on a virtual X server too)");
        QGuiApplication::clipboard()->setText(text, QClipboard::Selection);
        QTest::mouseClick(f, Qt::MiddleButton);
    }
    QCOMPARE(f->text(), entered);
    const auto* said = w->findChild<QLabel*>(QStringLiteral("note"));
    QCOMPARE(said && said->isVisibleTo(w.get()) ? said->text() : QString(), note);
    const QString message = press(*w, expectedWindow(window).calculate.name);
    const QString shown = textOf(*w, expectedWindow(window).results.front());
    if (result.front().isDigit())
        QCOMPARE(shown, result);
    else
        QVERIFY2(message.startsWith(failureHeading(result)), qPrintable(message));
}

void Hostile::copyTakesTheTextShown_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("selected");     // characters selected from the first; 0: none
    QTest::addColumn<QString>("expected"); // on the clipboard; "before": left as it was
    const QStringList third{"txt1=1", "txt2=3"};
    QTest::newRow("a result by Ctrl+C, nothing selected") << "ctrl+c" << "frmdiv" << third << "txt3" << 0
                                                           << "0.333333333333333";
    QTest::newRow("a result by its menu's Copy, nothing selected") << "menu" << "frmdiv" << third << "txt3" << 0
                                                                    << "0.333333333333333";
    QTest::newRow("a selection by Ctrl+C, only it") << "ctrl+c" << "frmdiv" << third << "txt3" << 4 << "0.33";
    QTest::newRow("an input as typed") << "ctrl+c" << "frmdiv" << QStringList{"txt1=12abc", "txt2=4"} << "txt1" << 0
                                       << "12abc";
    QTest::newRow("a result in a smaller face: its digits, not its tooltip")
        << "ctrl+c" << "frmcone" << QStringList{"txt1=98229229", "txt2=3784.9684"} << "txt4" << 0
        << "3.03253702308776E+16";
    QTest::newRow("an empty field leaves the clipboard") << "ctrl+c" << "frmdiv" << QStringList{"txt1=1"} << "txt2"
                                                         << 0 << "before";
}

// A copy takes exactly the text the field shows: all of it where nothing
// is selected, a result's locked field too, never its tooltip or formula.
void Hostile::copyTakesTheTextShown()
{
    QFETCH(QString, how);
    QFETCH(QString, window);
    QFETCH(QStringList, inputs);
    QFETCH(QString, field);
    QFETCH(int, selected);
    QFETCH(QString, expected);
    auto w = loadWindow(window, NumberLocale::fullStop());
    w->show();
    for (const QString& input : inputs)
        type(*w, qPrintable(input.section(u'=', 0, 0)), input.section(u'=', 1));
    press(*w, expectedWindow(window).calculate.name);
    QLineEdit* f = w->field(qPrintable(field));
    f->setFocus();
    f->deselect();
    if (selected)
        f->setSelection(0, selected);
    QGuiApplication::clipboard()->setText("before");
    if (how == "ctrl+c")
        QTest::keyClick(f, Qt::Key_C, Qt::ControlModifier);
    else
        QVERIFY(chooseFromContextMenu(f, "edit-copy"));
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
}

QTEST_MAIN(Hostile)
#include "tst_hostile.moc"
