// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's arithmetic panel, driven through its real widgets:
// choosing rows, Calculate, File Reset and the clicks on result fields.
#include "guitest.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QSignalSpy>

#include <iterator>
#include <vector>

using namespace qvtest;

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

// A freshly started main window, shown.
struct Started : Shown {
    Form& p = **this;
    Started() : Shown("frmquorvane", FullStop) {}
    QCheckBox* box(const char* name) { return p.control<QCheckBox>(name); }
    bool shown(const char* name) { return p.control(name)->isVisible(); }
    void tick(const char* name) { QTest::mouseClick(box(name), Qt::LeftButton); }
    QString calculate(const std::function<void()>& whileUp = {}) { return press(p, "cmdcal", whileUp); }
    QString clickField(const char* name) { return messageFrom([&] { QTest::mouseClick(p.field(name), Qt::LeftButton); }); }
    QString text(const char* name) { return textOf(p, name); }
    // The rows' results; with inputs, every field, each row's inputs before its result.
    QStringList texts(bool inputs = false)
    {
        QStringList texts;
        for (const Row& r : rows)
            for (const char* f : {inputs ? r.first : nullptr, inputs ? r.second : nullptr, r.result})
                if (f)
                    texts << text(f);
        return texts;
    }
    void fill(const Row& row, const char* first, const char* second)
    {
        type(p, row.first, QString::fromUtf8(first));
        if (row.second)
            type(p, row.second, QString::fromUtf8(second));
    }
};

// A row's inputs and what a press gives: its result, or the failure's message;
// the row is ticked off before the press where hidden.
struct PanelCase {
    const char* box;
    const char* first;
    const char* second;
    const char* result; // "" where it fails
    Report report = Passes;
    bool hidden = false;
};

} // namespace

Q_DECLARE_METATYPE(PanelCase)

class Panel : public QObject {
    Q_OBJECT

private slots:
    void tickShowsRow_data();
    void tickShowsRow();
    void hidingKeepsTextsAndResetEmptiesThem();
    void rowFormula_data();
    void rowFormula();
    void failingPressKeepsEarlierRows_data();
    void failingPressKeepsEarlierRows();
    void resultClicksAndAltC();
};

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

// A tick shows its row and Calculate, which stays once shown; the other rows
// stay hidden, and the result fields locked.
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
    QVERIFY(!s.shown("cmdcal"));
    for (const bool ticked : {true, false}) {
        toggle();
        QCOMPARE(b->isChecked(), ticked);
        for (const Row& r : rows)
            for (const char* c : r.controls)
                QVERIFY2(s.shown(c) == (ticked && &r == &row), c);
        QVERIFY2(s.shown("cmdcal"), "Calculate stays once shown");
        for (const Row& r : rows)
            QVERIFY2(s.p.field(r.result)->isReadOnly(), r.result);
    }
    QCOMPARE(s.text(row.result), QString("Answer"));
}

// Texts and results stay through hiding, and a press fills hidden rows, placeholders read as 0. File,
// Reset empties every field, hidden ones too, keeping boxes, what is shown and locks; Ctrl+Z right after
// it gives every field back. Empty fields read as 0 as well.
void Panel::hidingKeepsTextsAndResetEmptiesThem()
{
    Started s;
    s.tick("chk1");
    s.tick("chk3");
    s.fill(rowOf("chk1"), "4", "5");
    QCOMPARE(s.calculate(), QString());
    s.tick("chk1");
    QVERIFY(!s.shown("txt1"));
    QVERIFY(s.shown("txt7") && s.shown("lbl5"));
    s.tick("chk3");
    s.tick("chk1");
    QCOMPARE(s.text("txt1"), QString("4"));
    QCOMPARE(s.text("txt2"), QString("5"));
    QVERIFY(!s.shown("txt7"));
    QCOMPARE(s.texts(), QStringList({"9", "0", "0", "1", "1"}));
    QCOMPARE(s.text("txt7"), QString("Multiplication"));

    s.tick("chk5");
    s.fill(rowOf("chk5"), "2", "9");
    QCOMPARE(s.calculate(), QString());
    QCOMPARE(s.text("txt15"), QString("81"));
    const QStringList before = s.texts(true);
    qvtest::choose(s.main.get(), "mnures");
    QApplication::setActiveWindow(s.main.get());
    QVERIFY(QTest::qWaitForWindowActive(s.main.get()));
    s.p.field("txt1")->setFocus();
    QTest::keyClick(s.p.field("txt1"), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(s.texts(true), before);

    qvtest::choose(s.main.get(), "mnures");
    QCOMPARE(s.texts(true), QStringList(before.size(), QString()));
    QVERIFY(s.box("chk1")->isChecked() && s.box("chk5")->isChecked() && !s.box("chk2")->isChecked());
    for (const char* c : rowOf("chk1").controls)
        QVERIFY2(s.shown(c), c);
    QVERIFY(s.shown("lbl9") && !s.shown("txt4") && !s.shown("txt16") && s.shown("cmdcal"));
    QTest::keyClicks(s.p.field("txt3"), "77");
    QVERIFY(s.text("txt3").isEmpty());
    QCOMPARE(s.calculate(), QString());
    QCOMPARE(s.texts(), QStringList({"0", "0", "0", "1", "1"}));
}

void Panel::rowFormula_data()
{
    QTest::addColumn<PanelCase>("row");
    const auto row = [](const char* tag, const PanelCase& c) { QTest::newRow(tag) << c; };
    row("sum reads leading numbers", {"chk1", "12abc", "3", "15"});
    // Where both fields are beyond reading, the one the row reads first is named.
    row("sum: both beyond reading", {"chk1", "1E400", "1E400", "", Fails(Overflow, "Addition: first number")});
    row("difference: both beyond reading", {"chk2", "1E400", "1E400", "", Fails(Overflow, "Subtraction: number to subtract from")});
    row("product: both beyond reading", {"chk3", "1E400", "1E400", "", Fails(Overflow, "Multiplication: first number")});
    row("power: both beyond reading, the exponent first", {"chk5", "1E400", "1E400", "", Fails(Overflow, "Power: exponent")});
    row("product", {"chk3", "2.5", "4", "10"});
    row("power: exponent first, base second", {"chk5", "3", "2", "8"});
}

// The row's click gives what Calculate gives; a failure empties the row's
// result, so that no old answer stands beside the new input.
void Panel::rowFormula()
{
    QFETCH(PanelCase, row);
    const Row& r = rowOf(row.box);
    for (const bool byClick : {false, true}) {
        Started s;
        s.tick(r.box);
        s.fill(r, row.first, row.second);
        QString kind;
        const QString message = messageFrom(
            [&] { QTest::mouseClick(byClick ? s.p.field(r.result) : s.p.control("cmdcal"), Qt::LeftButton); }, nullptr,
            [&] { kind = QApplication::activeModalWidget()->property("failure").toString(); });
        QVERIFY2(misreported(row.report, message, kind).isEmpty(), qPrintable(message));
        QCOMPARE(s.text(r.result), QString::fromUtf8(row.result));
        QCOMPARE(s.text(r.first), QString::fromUtf8(row.first)); // the inputs are read, never written
    }
}

void Panel::failingPressKeepsEarlierRows_data()
{
    QTest::addColumn<PanelCase>("row");
    const auto row = [](const char* tag, const char* box, const char* first, const char* second, bool hidden,
                        const char* message) { QTest::newRow(tag) << PanelCase{box, first, second, "", Message(message), hidden}; };
    row("factorial of 171, shown", "chk6", "171", "", false,
        "Overflow: the factorial of 171 is too large for the calculator (computing \u201cFactorial: answer\u201d).");
    row("root of -8 in a hidden power row", "chk5", "0.5", "-8", true, "Invalid argument: the square root of -8 has no "
        "real value (computing \u201cPower: answer\u201d, which is hidden).");
    row("1E308 twice in a hidden addition row", "chk1", "1E308", "1E308", true, "Overflow: 1E+308 + 1E+308 is too large "
        "for the calculator (computing \u201cAddition: answer\u201d, which is hidden).");
    row("1E400 in a hidden subtraction row", "chk2", "1E400", "1", true, "Overflow: the number in the field \u201c"
        "Subtraction: number to subtract from\u201d, which is hidden, is too large for the calculator.");
}

// The press stops at the failing row: rows before it hold their new results, it and the rows after
// it are emptied before the message shows, and the program goes on. A hidden failing row fails every press.
void Panel::failingPressKeepsEarlierRows()
{
    QFETCH(PanelCase, row);
    Started s;
    const char* const inputs[][2] = {{"1", "2"}, {"10", "4"}, {"3", "7"}, {"2", "5"}, {"4", ""}};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        s.tick(rows[i].box);
        s.fill(rows[i], inputs[i][0], inputs[i][1]);
    }
    QCOMPARE(s.calculate(), QString());
    QCOMPARE(s.texts(), QStringList({"3", "6", "21", "25", "24"}));

    // New inputs everywhere; the failing row gets its bad values.
    const char* const changed[][2] = {{"100", "1"}, {"50", "8"}, {"6", "6"}, {"3", "3"}, {"3", ""}};
    const char* const newResults[] = {"101", "42", "36", "27", "6"};
    QStringList results; // as they must stand while the message is up, and after
    bool reached = false;
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const bool failing = QLatin1String(row.box) == QLatin1String(rows[i].box);
        reached = reached || failing;
        s.fill(rows[i], failing ? row.first : changed[i][0], failing ? row.second : changed[i][1]);
        results << (reached ? "" : newResults[i]);
    }
    if (row.hidden)
        s.tick(row.box);
    for (int press = 0; press < 2; ++press) {
        QStringList whileUp;
        QCOMPARE(s.calculate([&] { whileUp = s.texts(); }), QString::fromUtf8(row.report.message));
        QCOMPARE(whileUp, results);
        QCOMPARE(s.texts(), results);
    }
    QVERIFY(s.main->isVisible());
}

// Before the first tick Alt+C presses nothing, and Reset leaves Calculate hidden. A click on a locked
// result computes its row only, each time; one on an input computes nothing. A result that stays the
// same is left as it is, so that a selection made with the mouse can be copied. Once shown, Alt+C
// presses Calculate.
void Panel::resultClicksAndAltC()
{
    Started s;
    qvtest::choose(s.main.get(), "mnures");
    QVERIFY(!s.shown("cmdcal"));
    QApplication::setActiveWindow(s.main.get());
    QVERIFY(QTest::qWaitForWindowActive(s.main.get()));
    // A shortcut presses its button at once and lets it go a moment later: nothing pressed, nothing calculated.
    auto* calculate = s.p.control<QAbstractButton>("cmdcal");
    QSignalSpy pressed(calculate, &QAbstractButton::pressed);
    QTest::keyClick(s.main.get(), Qt::Key_C, Qt::AltModifier);
    QCOMPARE(pressed.count(), 0);
    QVERIFY(!calculate->isDown());

    for (const Row& r : rows)
        s.tick(r.box);
    s.fill(rowOf("chk2"), "0.0001", "1.1E-5");
    type(s.p, "txt16", "171"); // would fail, but only its own click reads it
    QLineEdit* f = s.p.field("txt6");
    // Pressed on the field but let go beside it: no click, as with a button.
    QTest::mousePress(f, Qt::LeftButton);
    QTest::mouseRelease(f, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(s.texts(), QStringList(std::size(rows), QString()));
    QCOMPARE(s.clickField("txt6"), QString());
    QCOMPARE(s.texts(), QStringList({"", "8.9E-05", "", "", ""}));
    const int y = f->height() / 2; // a double-click selects the whole number, as does a drag
    QTest::mouseDClick(f, Qt::LeftButton, {}, QPoint(f->width() / 4, y));
    QTest::mouseRelease(f, Qt::LeftButton, {}, QPoint(f->width() / 4, y));
    QCOMPARE(f->selectedText(), QString("8.9E-05"));
    f->deselect();
    QTest::mousePress(f, Qt::LeftButton, {}, QPoint(2, y));
    QTest::mouseMove(f, QPoint(f->width() - 2, y));
    QTest::mouseRelease(f, Qt::LeftButton, {}, QPoint(f->width() - 2, y));
    QCOMPARE(f->selectedText(), QString("8.9E-05"));

    type(s.p, "txt16", "6");
    for (int click = 0; click < 2; ++click) {
        QCOMPARE(s.clickField("txt17"), QString());
        QCOMPARE(s.text("txt17"), QString("720"));
    }
    QCOMPARE(s.clickField("txt7"), QString());
    QCOMPARE(s.text("txt9"), QString());
    s.fill(rowOf("chk3"), "6", "7");
    s.p.field("txt8")->setFocus();
    QTest::keyClick(s.p.field("txt8"), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(s.text("txt9"), QString("42")); // the button shows itself pressed first
    QCOMPARE(s.text("txt8"), QString("7"));
}

QTEST_MAIN(Panel)
#include "tst_panel.moc"
