// Table-driven cases for calculator windows, run through the real window:
// type the inputs, press Calculate, read every result field (or the failure).
//
// A case row: window, locale ("fullStop" or "comma"), inputs ("txt1=7"),
// expected results ("txt2=154", one for every result field) and the failure
// the press reports ("" for none, else "conversion", "overflow",
// "division by zero", "invalid argument"). Before the press every result
// field holds the text "old", as if left by an earlier calculation, so a row
// shows which fields a failure left alone.
#pragma once

#include "failure.h"
#include "forms.h"
#include "guitest.h"

#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

namespace qvtest {

struct WindowUnderTest {
    const char* name;
    std::unique_ptr<qv::frame::Form> (*make)(const qv::NumberLocale&);
    const char* calculate;
    const char* reset;
    std::vector<const char*> inputs;
    std::vector<const char*> results;
};

inline const WindowUnderTest* findUnderTest(const std::vector<WindowUnderTest>& windows, const QString& name)
{
    for (const WindowUnderTest& w : windows)
        if (name == QLatin1String(w.name))
            return &w;
    return nullptr;
}

inline qv::NumberLocale localeNamed(const QString& name)
{
    return name == QLatin1String("comma") ? qv::NumberLocale::comma() : qv::NumberLocale::fullStop();
}

inline void addCaseColumns()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("failure");
}

// One row; the locale defaults to the full stop, the failure to none.
inline void addCase(const char* tag, const char* window, const QStringList& inputs, const QStringList& expected,
                    const char* failure = "", const char* locale = "fullStop")
{
    QTest::newRow(tag) << QString::fromLatin1(window) << QString::fromLatin1(locale) << inputs << expected
                       << QString::fromLatin1(failure);
}

// "txt1=7" -> {"txt1", "7"}; the text may itself hold '=' or spaces.
inline std::pair<QByteArray, QString> splitAssignment(const QString& s)
{
    const qsizetype at = s.indexOf(QLatin1Char('='));
    return {s.left(at).toLatin1(), s.mid(at + 1)};
}

inline void runCase(const std::vector<WindowUnderTest>& windows)
{
    QFETCH(QString, window);
    QFETCH(QString, locale);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, expected);
    QFETCH(QString, failure);

    const WindowUnderTest* under = findUnderTest(windows, window);
    QVERIFY2(under, qPrintable(window));
    QCOMPARE(qsizetype(expected.size()), qsizetype(under->results.size()));

    auto form = under->make(localeNamed(locale));
    form->load();
    form->show();
    for (const char* result : under->results)
        form->field(result)->setText(QStringLiteral("old"));
    for (const QString& input : inputs) {
        const auto [field, text] = splitAssignment(input);
        type(*form, field.constData(), text);
        QCOMPARE(textOf(*form, field.constData()), text);
    }

    // Pressed twice: a handler keeps nothing between presses and never
    // rewrites its inputs, so the second press shows the same.
    for (int pass = 0; pass < 2; ++pass) {
        QCOMPARE(press(*form, under->calculate), failureMessage(failure));
        for (const QString& e : expected) {
            const auto [field, text] = splitAssignment(e);
            QCOMPARE(textOf(*form, field.constData()), text);
            // A written result shows from its first digit, also when it is wider than the field.
            if (text != QLatin1String("old"))
                QCOMPARE(form->field(field.constData())->cursorPosition(), 0);
        }
        for (const QString& input : inputs) {
            const auto [field, text] = splitAssignment(input);
            QCOMPARE(textOf(*form, field.constData()), text);
        }
    }
}

// Reset empties every field and leaves the result fields locked: typing into
// a result field is refused before and after, input fields take typing.
inline void runReset(const WindowUnderTest& under)
{
    auto form = under.make(qv::NumberLocale::fullStop());
    form->load();
    form->show();
    for (const char* result : under.results) {
        type(*form, result, QStringLiteral("9"));
        QCOMPARE(textOf(*form, result), QString());
    }
    for (const char* input : under.inputs)
        type(*form, input, QStringLiteral("1"));
    QCOMPARE(press(*form, under.calculate), QString());
    for (const char* result : under.results)
        QVERIFY2(!textOf(*form, result).isEmpty(), result);

    QCOMPARE(press(*form, under.reset), QString());
    for (const char* input : under.inputs)
        QCOMPARE(textOf(*form, input), QString());
    for (const char* result : under.results) {
        QCOMPARE(textOf(*form, result), QString());
        type(*form, result, QStringLiteral("9"));
        QCOMPARE(textOf(*form, result), QString());
    }
    for (const char* input : under.inputs) {
        type(*form, input, QStringLiteral("2"));
        QCOMPARE(textOf(*form, input), QStringLiteral("2"));
    }
    // Reset on empty fields fails nothing and leaves them empty.
    for (const char* input : under.inputs)
        type(*form, input, QString());
    QCOMPARE(press(*form, under.reset), QString());
    for (const char* input : under.inputs)
        QCOMPARE(textOf(*form, input), QString());
}

} // namespace qvtest
