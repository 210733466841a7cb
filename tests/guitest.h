// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers for driving the real windows in GUI tests (offscreen platform).
#pragma once

#include "failure.h"
#include "form.h"
#include "report.h"
#include "window.h"
#include "windows.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>

#include <QSize>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace qvtest {

using qv::NumberLocale;
using qv::windows::CalculatorWindow;
using qv::frame::Form;

// A calculator window as a user opens it: made from its declaration, found
// by its form name (frmcir) in the list of windows, and loaded.
inline std::unique_ptr<Form> loadWindow(const QString& form, const NumberLocale& locale)
{
    for (const CalculatorWindow* w : qv::windows::all())
        if (form == QLatin1String(w->design.name))
            return qv::frame::load(*w, locale);
    qFatal("no calculator window %s", qPrintable(form));
}

// What each calculator window must do, written down here apart from the
// windows' declarations, so that a fault in a declaration shows.
struct ExpectedMenu {
    const char* name;
    const char* caption;
};
inline constexpr ExpectedMenu Calculation{"mnucal", "Calculation"}, Area{"mnuarea", "Area"}, Volume{"mnuvol", "Volume"};

struct ExpectedButton {
    const char* name;
    const char* caption;
};

struct ExpectedWindow {
    const char* form;
    const char* title;
    QSize twips; // the client area
    ExpectedMenu menu; // the menu and its item that open the window
    const char* item;
    const char* itemCaption;
    ExpectedButton calculate;
    ExpectedButton reset;
    std::vector<const char*> inputs;  // in the order Calculate reads them; not locked
    std::vector<const char*> results; // in the order Calculate writes them; locked
    std::vector<const char*> emptied; // by Reset, in this order
};

// The nineteen windows, in the order of the menus.
inline const ExpectedWindow expectedWindows[] = {
    {"frmdiv", "", {7200, 4875}, Calculation, "mnudiv", "Division", {"Command2", "Calculate"}, {"Command1", "Reset"},
     {"txt1", "txt2"}, {"txt3"}, {"txt1", "txt2", "txt3"}},
    {"frmsqroot", "Square root", {6990, 4635}, Calculation, "mnusqroot", "Square root", {"Command2", "Calculate"},
     {"Command1", "Reset"}, {"txt1"}, {"txt2"}, {"txt1", "txt2"}},
    {"frmcroot", "Cube root", {6930, 4800}, Calculation, "mnucroot", "Cube root", {"Command1", "Calculate"},
     {"Command2", "Reset"}, {"txt1"}, {"txt2"}, {"txt1", "txt2"}},
    {"frmsquare", "Area of a square", {7215, 4005}, Area, "mnusq", "Square", {"Command1", "Calculate"},
     {"Command2", "Reset"}, {"txt1"}, {"txt2"}, {"txt1", "txt2"}},
    {"frmrect", "Area of a rectangle", {7230, 5310}, Area, "mnurect", "Rectangle", {"cmd2", "Calculate"},
     {"cmd1", "Reset"}, {"txt1", "txt2"}, {"txt3"}, {"txt1", "txt2", "txt3"}},
    {"frmtri", "Area of a triangle", {5670, 3870}, Area, "mnutri", "Triangle", {"Command1", "Calculate"},
     {"Command2", "Reset"}, {"txt1", "txt2", "txt3"}, {"txt4"}, {"txt1", "txt2", "txt3", "txt4"}},
    {"frmcir", "Area of a circle", {6735, 4335}, Area, "mnucir", "Circle", {"Command1", "Calculate"},
     {"Command2", "Reset"}, {"txt1"}, {"txt2", "txt3"}, {"txt1", "txt2", "txt3"}},
    // The diagonal's Reset empties its fields as every other window's does.
    {"frmdia", "Length of the diagnol", {5640, 3960}, Area, "mnudia", "Length of diagnol", {"Command2", "Calculate"},
     {"Command1", "Reset"}, {"txt1", "txt2"}, {"txt3"}, {"txt1", "txt2", "txt3"}},
    {"frmcube", "Area of cube", {5955, 3375}, Area, "mnucube", "Cube", {"Command2", "Calculate"},
     {"Command1", "Reset"}, {"txt1"}, {"txt2"}, {"txt1", "txt2"}},
    {"frmcyl", "Area of cylinder", {6660, 4845}, Area, "mnucyl", "Cylinder", {"Command2", "Calculate"},
     {"Command1", "Reset"}, {"txt1", "txt2"}, {"txt3", "txt4"}, {"txt1", "txt2", "txt3", "txt4"}},
    {"frmsph", "Area os sphere", {6390, 3285}, Area, "mnusph", "Sphere", {"Command2", "Calculate"},
     {"Command1", "Reset"}, {"txt1"}, {"txt2"}, {"txt1", "txt2"}},
    {"frmhemi", "Area of hemi-sphere", {7140, 5280}, Area, "mnuhemi", "Hemi-sphere", {"Command3", "Calculate"},
     {"Command1", "Reset"}, {"txt1"}, {"txt2", "txt3"}, {"txt1", "txt2", "txt3"}},
    {"frmcone", " ", {5970, 5670}, Area, "mnucone", "Cone", {"cmdcal", "Calculate"}, {"cmdre", "Reset"},
     {"txt1", "txt2"}, {"txt3", "txt4", "txt5"}, {"txt1", "txt5", "txt4", "txt3", "txt2"}},
    {"frmvcube", "Volume of a cube", {5925, 3705}, Volume, "mnucube1", "Cube", {"Command2", "Calcuate"},
     {"Command1", "Reset"}, {"txt1"}, {"txt4"}, {"txt1", "txt4"}},
    {"frmvroom", "", {6930, 4800}, Volume, "mnuroom1", "Room", {"Command1", "Calculate"}, {"Command2", "Reset"},
     {"txt1", "txt2", "txt3"}, {"txt4"}, {"txt1", "txt2", "txt3", "txt4"}},
    {"frmvcone", "Volume of a cone", {5490, 4065}, Volume, "mnucone1", "Cone", {"Command2", "Calculate"},
     {"Command1", "Reset"}, {"txt1", "txt2"}, {"txt3"}, {"txt1", "txt2", "txt3"}},
    {"frmvcyl", "Volume of a cylinder", {6795, 4875}, Volume, "mnucyl1", "Cylinder", {"Command2", "Calculate"},
     {"Command1", "Reset"}, {"txt1", "txt2"}, {"txt3"}, {"txt1", "txt2", "txt3"}},
    {"frmvsph", "Volume of a sphere", {6075, 3660}, Volume, "mnusph1", "Sphere", {"Command2", "Calculate"},
     {"Command1", "Reset"}, {"txt1"}, {"txt2"}, {"txt1", "txt2"}},
    {"frmvhemi", "Volume of a hemi-sphere", {6900, 4935}, Volume, "mnuhemi1", "Hemi-sphere",
     {"Command2", "Calculate"}, {"Command1", "Reset"}, {"txt1"}, {"txt2"}, {"txt1", "txt2"}},
};

// What the window of that form name must do.
inline const ExpectedWindow& expectedWindow(const QString& form)
{
    for (const ExpectedWindow& w : expectedWindows)
        if (form == QLatin1String(w.form))
            return w;
    qFatal("no calculator window %s is expected", qPrintable(form));
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
// the first words ("overflow"), a kind's name with the words of a field's
// label in quotes ("overflow \u201cEnter the first number\u201d") the first words
// and that the message names that field, a whole message ("Overflow: ...")
// all of it, and the empty text that no box appeared.
inline bool isFailure(const QString& message, const QString& expected)
{
    if (expected.contains(u':'))
        return message == expected;
    if (const qsizetype quote = expected.indexOf(u'\u201c'); quote > 0)
        return message.startsWith(failureHeading(expected.left(quote).trimmed())) && message.contains(expected.mid(quote));
    return expected.isEmpty() ? message.isEmpty() : message.startsWith(failureHeading(expected));
}

// Runs action. A modal message box it opens is read, whileUp runs while it
// stands (a test looks at the windows then), and it is dismissed; the box's
// text is returned, or an empty string when no box appeared, and where it
// stood on the screen.
inline QString messageFrom(const std::function<void()>& action, QRect* where = nullptr,
                           const std::function<void()>& whileUp = {})
{
    QString text;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            if (where)
                *where = box->frameGeometry();
            if (whileUp)
                whileUp();
            box->done(QMessageBox::Ok);
        }
    });
    poll.start();
    action();
    // A box opens once the event that led to it has returned.
    const bool reported = QTest::qWaitFor([] {
        const auto windows = QApplication::topLevelWidgets();
        return std::none_of(windows.begin(), windows.end(), [](const QWidget* w) { return qv::frame::reporting(w); });
    }, 60'000);
    if (!reported)
        qWarning("a message box did not close");
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

// Presses a button with the mouse; returns the text of a failure message, if
// any, after whileUp has run while the message stood.
inline QString press(Form& form, const char* button, const std::function<void()>& whileUp = {})
{
    return messageFrom([&] { QTest::mouseClick(form.control<QAbstractButton>(button), Qt::LeftButton); }, nullptr,
                       whileUp);
}

// A label's caption as it reads. A label whose lines are set closer than its
// face's own holds the caption as a paragraph of rich text.
inline QString captionOf(const QLabel* label)
{
    return label->textFormat() == Qt::RichText ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                                               : label->text();
}

// Runs the context menu of a widget (a field's own, or the window's where
// the widget has none) and triggers its entry of that objectName
// ("edit-copy", "copy-all"); false where the menu has no such entry.
inline bool chooseFromContextMenu(QWidget* widget, const char* entry)
{
    bool found = false;
    QTimer::singleShot(0, widget, [&found, entry] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        if (auto* action = menu->findChild<QAction*>(QLatin1String(entry))) {
            found = true;
            action->trigger();
        }
        menu->close();
    });
    const QPoint at(3, 3);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    if (!QTest::qWaitFor([] { return !QApplication::activePopupWidget(); }))
        return false;
    return found;
}

// What "Copy all" puts on the clipboard, asked for in a way a user asks:
// "keys" Ctrl+Shift+C in the widget (a field with the focus), "field menu"
// the widget's context menu, "window menu" a right click on the window
// beside its fields (the widget a label). The clipboard held "before".
inline QString copiedAll(QWidget* widget, const QString& how)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QWidget* window = widget->window();
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        qWarning("window not active");
    if (how == "keys") {
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    } else if (!chooseFromContextMenu(widget, "copy-all")) {
        return QStringLiteral("(no Copy all in the menu)");
    }
    return QGuiApplication::clipboard()->text();
}

} // namespace qvtest
