// Helpers for driving the real windows in GUI tests (offscreen platform).
#pragma once

#include "calculatorwindow.h"
#include "failure.h"
#include "form.h"
#include "windows.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>

#include <functional>

namespace qvtest {

using qv::NumberLocale;
using qv::frame::CalculatorWindow;
using qv::frame::Form;

// The description of the calculator window of that form name (frmcir).
inline const CalculatorWindow& describedWindow(const QString& form)
{
    for (const CalculatorWindow* w : qv::windows::all())
        if (form == QLatin1String(w->design.name))
            return *w;
    qFatal("no calculator window %s", qPrintable(form));
}

// The first words of a failure message, which name its kind ("Overflow:"),
// for the kind named ("overflow"); empty for any other text.
inline QString failureHeading(const QString& kindName)
{
    static const QMap<QString, QString> headings{{"conversion", "Conversion failure:"},
                                                 {"division by zero", "Division by zero:"},
                                                 {"overflow", "Overflow:"},
                                                 {"invalid argument", "Invalid argument:"}};
    return headings.value(kindName);
}

// Whether a message box text is the failure expected: a kind's name checks
// the first words ("overflow"), a whole message ("Overflow: ...") all of it,
// and the empty text that no box appeared.
inline bool isFailure(const QString& message, const QString& expected)
{
    if (expected.contains(u':'))
        return message == expected;
    return expected.isEmpty() ? message.isEmpty() : message.startsWith(failureHeading(expected));
}

// Runs action. A modal message box it opens is read and dismissed at once;
// the box's text is returned, or an empty string when no box appeared, and
// where it stood on the screen.
inline QString messageFrom(const std::function<void()>& action, QRect* where = nullptr)
{
    QString text;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            if (where)
                *where = box->frameGeometry();
            box->done(QMessageBox::Ok);
        }
    });
    poll.start();
    action();
    poll.stop();
    return text;
}

// The open top-level window with this objectName (a form's name), or nullptr.
template <class W = Form>
W* findWindow(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String(name))
            if (auto* typed = qobject_cast<W*>(w))
                return typed;
    return nullptr;
}

// Chooses a menu item of a window by the item's name (mnudiv, mnuexit, ...).
inline void choose(QWidget* window, const char* item)
{
    auto* action = window->findChild<QAction*>(QLatin1String(item));
    QVERIFY2(action, item);
    action->trigger();
}

// Replaces a field's text as a user would: select all, then type.
inline void type(Form& form, const char* field, const QString& text)
{
    QLineEdit* f = form.field(field);
    f->selectAll();
    if (text.isEmpty())
        QTest::keyClick(f, Qt::Key_Delete);
    else
        QTest::keyClicks(f, text);
}

inline QString textOf(Form& form, const char* field) { return form.field(field)->text(); }

// Presses a button with the mouse; returns the text of a failure message, if any.
inline QString press(Form& form, const char* button)
{
    return messageFrom([&] { QTest::mouseClick(form.control<QAbstractButton>(button), Qt::LeftButton); });
}

// A label's caption as it reads. A label whose lines are set closer than its
// face's own holds the caption as a paragraph of rich text.
inline QString captionOf(const QLabel* label)
{
    return label->textFormat() == Qt::RichText ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                                               : label->text();
}

} // namespace qvtest
