// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers for driving the real windows in GUI tests (offscreen platform), and
// what each calculator window must do.
#pragma once

#include "failure.h"
#include "form.h"
#include "frmquorvane.h"
#include "hostile.h"
#include "report.h"
#include "window.h"
#include "windows.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QSize>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace qvtest {

using qv::NumberLocale;
using qv::frame::Form;
using qv::windows::CalculatorWindow;

// A calculator window's declaration, found by its form name (frmcir) in the
// list of windows; and the window as a user opens it, made from it and loaded.
inline const CalculatorWindow& described(const QString& form)
{
    for (const CalculatorWindow* w : qv::windows::all())
        if (form == QLatin1String(w->design.name))
            return *w;
    qFatal("no calculator window %s", qPrintable(form));
}
inline std::unique_ptr<Form> loadWindow(const QString& form, const NumberLocale& locale)
{
    return qv::frame::load(described(form), locale);
}

// A window a test drives, shown: the main window (frmquorvane), whose panel
// is the form, or a calculator window.
struct Shown {
    std::unique_ptr<qv::app::frmquorvane> main;
    std::unique_ptr<Form> window;
    Shown(const QString& form, Loc locale)
    {
        if (form == QLatin1String("frmquorvane"))
            main = std::make_unique<qv::app::frmquorvane>(numbers(locale));
        else
            window = loadWindow(form, numbers(locale));
        (main ? static_cast<QWidget*>(main.get()) : window.get())->show();
    }
    Form& operator*() const { return main ? main->panel() : *window; }
    Form* operator->() const { return &**this; }
};

// The fonts the windows were designed with: a family, the free face that
// stands in for it where it is not installed, size, weight and slant.
struct Face {
    const char* family;
    const char* standIn;
    double points;
    int weight = 400;
    bool italic = false;
};
inline constexpr Face ComicSans{"Comic Sans MS", "Comic Neue", 9.75}, MsSansSerif{"MS Sans Serif", "Nimbus Sans", 9.75},
    ToolkitDefault{"MS Sans Serif", "Nimbus Sans", 8.25}, Bookman{"Bookman Old Style", "URW Bookman", 18, 300, true};

// How a font differs from the face it should show, or an empty text: it asks
// for one family, the design's where installed, else its stand-in (with the
// foundry of its quickest copy, where there are several).
inline QString misface(const QFont& font, const Face& face)
{
    const QString family = QFontDatabase::families().contains(face.family, Qt::CaseInsensitive) ? face.family : face.standIn;
    const bool same = font.families().size() == 1
                      && (font.family() == family || font.family().startsWith(family + QLatin1String(" [")))
                      && font.pointSizeF() == face.points && font.weight() == face.weight && font.italic() == face.italic;
    return same ? QString() : QStringLiteral("%1 %2 pt, weight %3%4, not %5").arg(font.family()).arg(font.pointSizeF())
                                  .arg(font.weight()).arg(font.italic() ? " italic" : "").arg(family);
}

// What each calculator window must do, written down here apart from the
// windows' declarations, so that a fault in a declaration shows.
struct ExpectedMenu {
    const char* name;
    const char* caption;
};
using ExpectedButton = ExpectedMenu;
inline constexpr ExpectedMenu Calculation{"mnucal", "Calculation"}, Area{"mnuarea", "Area"}, Volume{"mnuvol", "Volume"};

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
    std::vector<Face> faces;          // of the inputs, then the results
};

// The nineteen windows, in the order of the menus.
inline const ExpectedWindow expectedWindows[] = {
    {"frmdiv", "", {7200, 4875}, Calculation, "mnudiv", "Division", {"Command2", "Calculate"}, {"Command1", "Reset"},
     {"txt1", "txt2"}, {"txt3"}, {"txt1", "txt2", "txt3"}, {MsSansSerif, MsSansSerif, MsSansSerif}},
    {"frmsqroot", "Square root", {6990, 4635}, Calculation, "mnusqroot", "Square root", {"Command2", "Calculate"},
     {"Command1", "Reset"}, {"txt1"}, {"txt2"}, {"txt1", "txt2"}, {ComicSans, ComicSans}},
    {"frmcroot", "Cube root", {6930, 4800}, Calculation, "mnucroot", "Cube root", {"Command1", "Calculate"},
     {"Command2", "Reset"}, {"txt1"}, {"txt2"}, {"txt1", "txt2"}, {ComicSans, ComicSans}},
    {"frmsquare", "Area of a square", {7215, 4005}, Area, "mnusq", "Square", {"Command1", "Calculate"},
     {"Command2", "Reset"}, {"txt1"}, {"txt2"}, {"txt1", "txt2"}, {ToolkitDefault, ToolkitDefault}},
    {"frmrect", "Area of a rectangle", {7230, 5310}, Area, "mnurect", "Rectangle", {"cmd2", "Calculate"},
     {"cmd1", "Reset"}, {"txt1", "txt2"}, {"txt3"}, {"txt1", "txt2", "txt3"}, {ToolkitDefault, ToolkitDefault, ToolkitDefault}},
    {"frmtri", "Area of a triangle", {5670, 3870}, Area, "mnutri", "Triangle", {"Command1", "Calculate"},
     {"Command2", "Reset"}, {"txt1", "txt2", "txt3"}, {"txt4"}, {"txt1", "txt2", "txt3", "txt4"},
     {ToolkitDefault, ToolkitDefault, ToolkitDefault, ToolkitDefault}},
    {"frmcir", "Area of a circle", {6735, 4335}, Area, "mnucir", "Circle", {"Command1", "Calculate"},
     {"Command2", "Reset"}, {"txt1"}, {"txt2", "txt3"}, {"txt1", "txt2", "txt3"}, {ToolkitDefault, ToolkitDefault, ToolkitDefault}},
    // The diagonal's Reset empties its fields as every other window's does.
    {"frmdia", "Length of the diagnol", {5640, 3960}, Area, "mnudia", "Length of diagnol", {"Command2", "Calculate"},
     {"Command1", "Reset"}, {"txt1", "txt2"}, {"txt3"}, {"txt1", "txt2", "txt3"}, {ComicSans, ComicSans, ComicSans}},
    // The cube's area and the cylinder's lateral area show in the toolkit's font, the other fields in Comic Sans.
    {"frmcube", "Area of cube", {5955, 3375}, Area, "mnucube", "Cube", {"Command2", "Calculate"},
     {"Command1", "Reset"}, {"txt1"}, {"txt2"}, {"txt1", "txt2"}, {ComicSans, ToolkitDefault}},
    {"frmcyl", "Area of cylinder", {6660, 4845}, Area, "mnucyl", "Cylinder", {"Command2", "Calculate"},
     {"Command1", "Reset"}, {"txt1", "txt2"}, {"txt3", "txt4"}, {"txt1", "txt2", "txt3", "txt4"},
     {ComicSans, ComicSans, ComicSans, ToolkitDefault}},
    {"frmsph", "Area os sphere", {6390, 3285}, Area, "mnusph", "Sphere", {"Command2", "Calculate"},
     {"Command1", "Reset"}, {"txt1"}, {"txt2"}, {"txt1", "txt2"}, {ComicSans, ComicSans}},
    {"frmhemi", "Area of hemi-sphere", {7140, 5280}, Area, "mnuhemi", "Hemi-sphere", {"Command3", "Calculate"},
     {"Command1", "Reset"}, {"txt1"}, {"txt2", "txt3"}, {"txt1", "txt2", "txt3"}, {ComicSans, ComicSans, ComicSans}},
    {"frmcone", " ", {5970, 5670}, Area, "mnucone", "Cone", {"cmdcal", "Calculate"}, {"cmdre", "Reset"},
     {"txt1", "txt2"}, {"txt3", "txt4", "txt5"}, {"txt1", "txt5", "txt4", "txt3", "txt2"},
     {ComicSans, ComicSans, ComicSans, ComicSans, ComicSans}},
    {"frmvcube", "Volume of a cube", {5925, 3705}, Volume, "mnucube1", "Cube", {"Command2", "Calcuate"},
     {"Command1", "Reset"}, {"txt1"}, {"txt4"}, {"txt1", "txt4"}, {ComicSans, ComicSans}},
    {"frmvroom", "", {6930, 4800}, Volume, "mnuroom1", "Room", {"Command1", "Calculate"}, {"Command2", "Reset"},
     {"txt1", "txt2", "txt3"}, {"txt4"}, {"txt1", "txt2", "txt3", "txt4"}, {ComicSans, ComicSans, ComicSans, ComicSans}},
    {"frmvcone", "Volume of a cone", {5490, 4065}, Volume, "mnucone1", "Cone", {"Command2", "Calculate"},
     {"Command1", "Reset"}, {"txt1", "txt2"}, {"txt3"}, {"txt1", "txt2", "txt3"}, {ComicSans, ComicSans, ComicSans}},
    {"frmvcyl", "Volume of a cylinder", {6795, 4875}, Volume, "mnucyl1", "Cylinder", {"Command2", "Calculate"},
     {"Command1", "Reset"}, {"txt1", "txt2"}, {"txt3"}, {"txt1", "txt2", "txt3"}, {ComicSans, ComicSans, ComicSans}},
    {"frmvsph", "Volume of a sphere", {6075, 3660}, Volume, "mnusph1", "Sphere", {"Command2", "Calculate"},
     {"Command1", "Reset"}, {"txt1"}, {"txt2"}, {"txt1", "txt2"}, {ComicSans, ComicSans}},
    {"frmvhemi", "Volume of a hemi-sphere", {6900, 4935}, Volume, "mnuhemi1", "Hemi-sphere",
     {"Command2", "Calculate"}, {"Command1", "Reset"}, {"txt1"}, {"txt2"}, {"txt1", "txt2"}, {ComicSans, ComicSans}},
};

// What the window of that form name must do.
inline const ExpectedWindow& expectedWindow(const QString& form)
{
    for (const ExpectedWindow& w : expectedWindows)
        if (form == QLatin1String(w.form))
            return w;
    qFatal("no calculator window %s is expected", qPrintable(form));
}

// What a press reports: nothing, a failure of a kind (naming a field by the
// words of its label), or a whole message.
struct Report {
    std::optional<FailureKind> kind;
    const char* field = nullptr;
    const char* message = nullptr;
    bool fails() const { return kind || message; }
};
inline const Report Passes{};
inline Report Fails(FailureKind kind, const char* field = nullptr) { return {kind, field}; }
inline Report Message(const char* message) { return {std::nullopt, nullptr, message}; }

// How a message and the kind of failure its box told differ from the
// report, or an empty text.
inline QString misreported(const Report& report, const QString& message, const QString& kind)
{
    if (message.isEmpty() == report.fails() || (report.kind && kind != QLatin1String(qv::name(*report.kind).data()))
        || (report.field && !message.contains(u'\u201c' + QString::fromUtf8(report.field) + u'\u201d'))
        || (report.message && message != QString::fromUtf8(report.message)))
        return QStringLiteral("the message \"%1\" (%2)").arg(message, kind);
    return {};
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

// Clicks a button with the mouse; returns the text of a failure message, if
// any, after whileUp has run while the message stood.
inline QString press(Form& form, const char* button, const std::function<void()>& whileUp = {})
{
    return messageFrom([&] { QTest::mouseClick(form.control(button), Qt::LeftButton); }, nullptr, whileUp);
}

// A user's step: text typed into a field, or a click on a control (text nullptr).
struct Step {
    const char* control;
    const char* text = nullptr;
};
inline void take(Form& form, const std::vector<Step>& steps)
{
    for (const Step& s : steps)
        s.text ? type(form, s.control, QString::fromUtf8(s.text)) : (void)press(form, s.control);
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

} // namespace qvtest
