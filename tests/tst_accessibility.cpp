// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Screen readers and keyboard users: every window, opened as a user opens it,
// names each field, button and check box through QAccessible, and Tab walks
// the controls in their tab order.
#include "controls.h"
#include "frmquorvane.h"
#include "guitest.h"
#include "notice.h"
#include "style.h"
#include "textfit.h"

#include <QAccessible>
#include <QCheckBox>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QtTest>

using qv::NumberLocale;
using qv::app::frmquorvane;
using qv::frame::Form;

namespace {

// Ticks every row of the main window's panel with the mouse, so that all its
// fields and the Calculate button are shown.
void tickAllRows(frmquorvane& main)
{
    for (QCheckBox* box : main.panel().findChildren<QCheckBox*>()) {
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(box->isChecked());
    }
    for (QLineEdit* field : main.panel().findChildren<QLineEdit*>())
        QVERIFY2(field->isVisible(), qPrintable(field->objectName()));
}

// The window a test row is about: the main window itself, or the calculator
// window of that form, opened from its menu item.
QWidget* open(frmquorvane& main, const QString& form)
{
    if (form == "frmquorvane") {
        tickAllRows(main);
        return QTest::currentTestFailed() ? nullptr : &main;
    }
    qvtest::choose(&main, qvtest::expectedWindow(form).item);
    return qvtest::findWindow(qPrintable(form));
}

void addWindowColumn()
{
    QTest::addColumn<QString>("form");
}

QString describe(QAccessibleInterface* node)
{
    QObject* o = node->object();
    return o && !o->objectName().isEmpty() ? o->objectName() : QStringLiteral("(role %1)").arg(int(node->role()));
}

// Walks the accessible tree below node: each field, button and check box
// must have a name, and no two fields the same one.
void walk(QAccessibleInterface* node, QStringList& problems, QHash<QString, QString>& fieldNames)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child)
            continue;
        const QAccessible::Role role = child->role();
        if (role == QAccessible::EditableText || role == QAccessible::PushButton || role == QAccessible::CheckBox) {
            const QString name = child->text(QAccessible::Name).simplified();
            if (name.isEmpty())
                problems << describe(child) + " has no accessible name";
            else if (role == QAccessible::EditableText) {
                if (fieldNames.contains(name))
                    problems << QStringLiteral("%1 and %2 are both called \"%3\"")
                                    .arg(fieldNames.value(name), describe(child), name);
                fieldNames.insert(name, describe(child));
            }
        }
        walk(child, problems, fieldNames);
    }
}

// The names of the count widgets that Tab (or Shift+Tab) visits, starting with
// the one that has the focus.
QStringList tabChain(QWidget* window, int count, bool backwards = false)
{
    QStringList chain;
    for (int i = 0; i < count; ++i) {
        QWidget* focused = QApplication::focusWidget();
        chain << (focused ? focused->objectName() : QStringLiteral("(none)"));
        if (i + 1 < count)
            QTest::keyClick(focused ? focused : window, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                            backwards ? Qt::ShiftModifier : Qt::NoModifier);
    }
    return chain;
}

} // namespace

class Accessibility : public QObject {
    Q_OBJECT

private slots:
    void everyControlIsNamed_data();
    void everyControlIsNamed();
    void tabFollowsTheTabIndices_data();
    void tabFollowsTheTabIndices();
    void menusOpenFromTheKeyboard();
    void enterPresses_data();
    void enterPresses();
    void aHeldEnterLeavesItsMessageOpen();
    void leavingAFieldShowsItsStart();
    void aPressTellsItsResults_data();
    void aPressTellsItsResults();
};

void Accessibility::everyControlIsNamed_data()
{
    addWindowColumn();
    QTest::newRow("frmquorvane") << "frmquorvane";
    for (const qv::frame::CalculatorWindow* w : qv::windows::all())
        QTest::newRow(w->design.name) << w->design.name;
}

void Accessibility::everyControlIsNamed()
{
    QFETCH(QString, form);
    frmquorvane main(NumberLocale::fullStop());
    main.show();
    QWidget* window = open(main, form);
    QVERIFY2(window, qPrintable(form));

    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    QVERIFY(root);
    QCOMPARE(root->role(), QAccessible::Window);
    QVERIFY2(!root->text(QAccessible::Name).trimmed().isEmpty(), "the window has no name to announce");

    QStringList problems;
    QHash<QString, QString> fieldNames;
    walk(root, problems, fieldNames);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));

    // Every field of the window was reached by the walk.
    const auto fields = window->findChildren<QLineEdit*>();
    QVERIFY(!fields.isEmpty());
    QCOMPARE(fieldNames.size(), fields.size());
}

void Accessibility::tabFollowsTheTabIndices_data()
{
    addWindowColumn();
    QTest::addColumn<QStringList>("order");
    // From the control with the lowest tab index, each Tab moves to the next
    // index; after the last, Tab comes round to the first again.
    const char* const orders[][2] = {
        // the main window with all rows ticked: results first, then each row after its box
        {"frmquorvane", "txt17 txt15 txt9 txt6 txt3 chk1 txt1 txt2 chk2 txt4 txt5 chk3 txt7 txt8 chk5 txt13 txt14 chk6 "
                        "txt16 cmdcal"},
        {"frmdiv", "txt3 txt1 txt2 Command2 Command1"},      {"frmsqroot", "txt1 Command2 Command1 txt2"},
        {"frmcroot", "txt2 txt1 Command1 Command2"},         {"frmsquare", "txt1 Command1 Command2 txt2"},
        {"frmrect", "txt3 txt1 txt2 cmd2 cmd1"},             {"frmtri", "txt4 txt1 txt2 txt3 Command1 Command2"},
        {"frmcir", "txt3 txt1 txt2 Command1 Command2"},      {"frmdia", "txt1 txt2 txt3 Command2 Command1"},
        {"frmcube", "txt2 txt1 Command2 Command1"},          {"frmcyl", "txt4 txt3 txt1 txt2 Command2 Command1"},
        {"frmsph", "txt2 txt1 Command2 Command1"},           {"frmhemi", "txt3 txt2 txt1 Command3 Command1"},
        {"frmcone", "txt5 txt4 txt3 txt1 txt2 cmdcal cmdre"}, {"frmvcube", "txt4 txt1 Command2 Command1"},
        {"frmvroom", "txt4 txt1 txt2 txt3 Command1 Command2"}, {"frmvcone", "txt3 txt1 txt2 Command2 Command1"},
        {"frmvcyl", "txt3 txt1 txt2 Command2 Command1"},     {"frmvsph", "txt2 txt1 Command2 Command1"},
        {"frmvhemi", "txt2 txt1 Command2 Command1"},
    };
    for (const auto& [form, order] : orders) {
        QStringList chain = QString(order).split(' ');
        QTest::newRow(form) << form << chain + QStringList{chain.front()};
    }
}

void Accessibility::tabFollowsTheTabIndices()
{
    QFETCH(QString, form);
    QFETCH(QStringList, order);
    frmquorvane main(NumberLocale::fullStop());
    main.show();
    QWidget* window = open(main, form);
    QVERIFY2(window, qPrintable(form));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    if (window == &main) // the ticks moved the focus; start again where the window starts
        main.panel().field("txt17")->setFocus(Qt::OtherFocusReason);

    QCOMPARE(tabChain(window, int(order.size())), order);

    // Shift+Tab walks the same way back.
    QStringList back = order;
    std::reverse(back.begin(), back.end());
    QCOMPARE(tabChain(window, int(back.size()), true), back);
}

// The menus have no access keys of their own; Alt alone, then the arrow keys,
// reaches every item from the keyboard.
void Accessibility::menusOpenFromTheKeyboard()
{
    frmquorvane main(NumberLocale::fullStop());
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));

    // The titles as the menu bar draws them: Alt shows where it is.
    struct Recorder : QProxyStyle {
        mutable QHash<QString, QStyle::State> drawn;
        void drawControl(ControlElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override
        {
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(o); item && e == CE_MenuBarItem)
                drawn[item->text] = item->state;
            QProxyStyle::drawControl(e, o, p, w);
        }
    };
    auto* recorder = new Recorder;
    qv::app::Style style(recorder);
    QMenuBar* bar = main.menuBar();
    bar->setStyle(&style);
    const auto highlighted = [&](const char* title) {
        recorder->drawn.clear();
        bar->grab();
        const QStyle::State state = recorder->drawn.value(title);
        return (state & QStyle::State_Selected) && (state & QStyle::State_Sunken);
    };
    QVERIFY(!highlighted("File"));
    QVERIFY(recorder->drawn.contains("Calculation")); // the titles not chosen are drawn as before

    QWidget* focused = main.focusWidget();
    QTest::keyClick(focused, Qt::Key_Alt, Qt::NoModifier);
    QTRY_VERIFY(bar->activeAction());
    QCOMPARE(bar->activeAction()->text(), QString("File"));
    QVERIFY(highlighted("File"));
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(bar->activeAction()->text(), QString("Calculation"));
    QTest::keyClick(bar, Qt::Key_Down); // drops the menu down
    auto* menu = bar->activeAction()->menu();
    QTRY_VERIFY(menu->isVisible());
    QTRY_VERIFY(menu->activeAction());
    QCOMPARE(menu->activeAction()->objectName(), QString("mnudiv"));
    QTest::keyClick(menu, Qt::Key_Return);
    QTRY_VERIFY(qvtest::findWindow("frmdiv"));
}

void Accessibility::enterPresses_data()
{
    QTest::addColumn<QString>("focus");  // in the division window, or the main window's panel (main.)
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("repeat"); // how the key held down repeats after its first press, or ""
    QTest::addColumn<QString>("result"); // after the key, or after its repeat ("old": nothing ran)
    const int none = Qt::NoModifier, keypad = Qt::KeypadModifier, enter = Qt::Key_Return, padEnter = Qt::Key_Enter;
    // The division window, 1 and 2: Calculate shows 0.5, Reset empties it.
    QTest::newRow("Enter on Calculate") << "Command2" << enter << none << "" << "0.5";
    QTest::newRow("keypad Enter on Reset") << "Command1" << padEnter << keypad << "" << "";
    QTest::newRow("Enter in a field presses Calculate") << "txt2" << enter << none << "" << "0.5";
    QTest::newRow("keypad Enter in the result field") << "txt3" << padEnter << keypad << "" << "0.5";
    QTest::newRow("Ctrl+Enter: nothing") << "txt2" << enter << int(Qt::ControlModifier) << "" << "old";
    QTest::newRow("Alt+Enter on Calculate: nothing") << "Command2" << enter << int(Qt::AltModifier) << "" << "old";
    // Held down: the first press calculates; its repeats, whether or not
    // marked as repeats, do not, until the key is let go and pressed anew.
    QTest::newRow("Enter held down: a repeat marked so") << "txt2" << enter << none << "marked" << "old";
    QTest::newRow("Enter held down: released and pressed at one time, as an X server repeats")
        << "txt2" << enter << none << "same time" << "old";
    QTest::newRow("Enter held down: pressed again without a release") << "txt2" << enter << none << "no release" << "old";
    // The main window, its multiplication row 6 and 7: Calculate shows 42.
    QTest::newRow("main: Enter in a panel field") << "main.txt8" << enter << none << "" << "42";
    QTest::newRow("main: Ctrl+keypad Enter: nothing")
        << "main.txt7" << padEnter << int(Qt::ControlModifier | Qt::KeypadModifier) << "" << "old";
}

// Enter presses a focused button, and in a text field the window's
// Calculate; not when the key repeats, nor with Ctrl or Alt.
void Accessibility::enterPresses()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, repeat);
    QFETCH(QString, result);
    frmquorvane main(NumberLocale::fullStop());
    auto div = qvtest::loadWindow("frmdiv", NumberLocale::fullStop());
    const bool inMain = focus.startsWith("main.");
    Form& w = inMain ? main.panel() : *div;
    const char* shown = inMain ? "txt9" : "txt3";
    (inMain ? static_cast<QWidget&>(main) : w).show();
    if (inMain)
        QTest::mouseClick(w.control("chk3"), Qt::LeftButton);
    qvtest::type(w, inMain ? "txt7" : "txt1", inMain ? "6" : "1");
    qvtest::type(w, inMain ? "txt8" : "txt2", inMain ? "7" : "2");
    w.field(shown)->setText("old");
    QWidget* target = w.control(qPrintable(focus.mid(inMain ? 5 : 0)));
    target->setFocus();
    // A key event as the window system sends it, at a time in milliseconds
    // (long after any a test sends through the window: those count from the start).
    const auto send = [&](QEvent::Type type, quint64 time, bool marked = false) {
        QKeyEvent event(type, key, Qt::KeyboardModifiers(modifiers), QStringLiteral("\r"), marked);
        event.setTimestamp(1'000'000'000 + time);
        QCOMPARE(qvtest::messageFrom([&] { QApplication::sendEvent(target, &event); }), QString());
    };
    send(QEvent::KeyPress, 1000);
    if (!repeat.isEmpty()) {
        w.field(shown)->setText("old");
        if (repeat == "marked")
            send(QEvent::KeyPress, 1500, true);
        if (repeat == "same time")
            send(QEvent::KeyRelease, 1500);
        send(QEvent::KeyPress, 1500, repeat == "marked");
    }
    QCOMPARE(qvtest::textOf(w, shown), result);
    if (repeat.isEmpty()) {
        // The same key as the window system sends it: to the window, which
        // hands it on to the focused control.
        w.field(shown)->setText("old");
        send(QEvent::KeyRelease, 1100);
        QApplication::setActiveWindow(target->window());
        QVERIFY(QTest::qWaitForWindowActive(target->window()));
        target->setFocus();
        QCOMPARE(qvtest::messageFrom([&] {
                     QTest::keyClick(target->window()->windowHandle(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
                 }),
                 QString());
        QCOMPARE(qvtest::textOf(w, shown), result == "old" ? QString("old") : result);
        send(QEvent::KeyPress, 1900);
    }
    // Let go and pressed anew, it counts again where it counted at first.
    send(QEvent::KeyRelease, 2000);
    if (!repeat.isEmpty()) {
        send(QEvent::KeyPress, 2500);
        send(QEvent::KeyRelease, 2600);
        QVERIFY(qvtest::textOf(w, shown) != "old");
    }
}

// Enter held down on a failing Calculate: one message, which the key's
// repeats leave open until Enter is pressed anew, whether the window system
// marks them as repeats or sends each as a release and a press of one time.
void Accessibility::aHeldEnterLeavesItsMessageOpen()
{
    auto w = qvtest::loadWindow("frmdiv", NumberLocale::fullStop());
    w->show();
    qvtest::type(*w, "txt2", "0");
    int boxes = 0;
    bool openAfterRepeats = false;
    quint64 time = 1'000'000'000; // long after any key sent through a window, which count from the start
    const auto send = [&time](QWidget* target, QEvent::Type type, bool marked = false) {
        QKeyEvent event(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), marked);
        event.setTimestamp(time);
        QApplication::sendEvent(target, &event);
    };
    const auto hold = [&](QWidget* target) {
        for (int repeat = 0; repeat < 3; ++repeat) {
            time += 40;
            send(target, QEvent::KeyPress, true);
            time += 40;
            send(target, QEvent::KeyRelease);
            send(target, QEvent::KeyPress);
        }
    };
    QTimer poll;
    poll.setInterval(5);
    connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && box->isVisible()) {
            ++boxes;
            // The key goes where the focus is, or to the box before its button has it.
            QWidget* focus = QApplication::focusWidget();
            QWidget* target = focus && focus->window() == box ? focus : box;
            hold(target);
            openAfterRepeats = box->isVisible();
            if (openAfterRepeats) {
                // Let go, then pressed anew as the window system sends it.
                time += 200;
                send(target, QEvent::KeyRelease);
                QTest::keyClick(box->windowHandle(), Qt::Key_Return);
            }
        }
    });
    poll.start();
    send(w->field("txt2"), QEvent::KeyPress);
    hold(w->field("txt2"));
    QVERIFY(QTest::qWaitFor([&] { return !qv::frame::reporting(w.get()); }));
    QCOMPARE(boxes, 1);
    QVERIFY(openAfterRepeats);

    // Pressed and let go at once: the release comes to the window the box
    // now blocks, where Qt drops it, so that it is never seen here; the next
    // press closes the box all the same.
    poll.stop();
    time += 1000;
    send(w->field("txt2"), QEvent::KeyRelease);
    bool closedByKey = false;
    qvtest::messageFrom([&] { time += 1000; send(w->field("txt2"), QEvent::KeyPress); }, nullptr, [&] {
        auto* box = QApplication::activeModalWidget();
        time += 1000;
        send(box->focusWidget() ? box->focusWidget() : box, QEvent::KeyPress);
        closedByKey = !box->isVisible();
    });
    QVERIFY(closedByKey);
}

// A number wider than its field, typed or pasted, shows from its sign once
// the focus moves on, by Tab or by a click.
void Accessibility::leavingAFieldShowsItsStart()
{
    auto w = qvtest::loadWindow("frmdiv", NumberLocale::fullStop());
    w->show();
    QApplication::setActiveWindow(w.get());
    QLineEdit* f = w->field("txt2");
    for (const bool byTab : {true, false}) {
        f->setFocus(Qt::OtherFocusReason);
        qvtest::type(*w, "txt2", "-1.11111111111111e-100");
        if (byTab)
            QTest::keyClick(f, Qt::Key_Tab);
        else
            QTest::mouseClick(w->field("txt1"), Qt::LeftButton);
        QVERIFY(!f->hasFocus());
        f->grab(); // lays the text out as it is drawn
        // The cursor, at the first character, stands at the left of the field.
        QCOMPARE(f->cursorPosition(), 0);
        QVERIFY(f->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < 10);
        // Whole, in a smaller face: not "-1.11111111111111e-10", a number of its own.
        QCOMPARE(f->text(), QString("-1.11111111111111e-100"));
        QVERIFY(f->fontMetrics().horizontalAdvance(f->text()) <= qv::frame::textRoom(*f, f->font()));
    }
}

void Accessibility::aPressTellsItsResults_data()
{
    QTest::addColumn<QString>("form"); // frmquorvane: the main window, its addition row ticked
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("told"); // "": nothing
    QTest::addColumn<QString>("failure");
    QTest::newRow("circle: both results, in their order")
        << "frmcir" << QStringList{"txt1=7"}
        << "The area of the circle is 154. The circumference of the circle is 44." << "";
    QTest::newRow("main window: the rows seen, not the hidden ones")
        << "frmquorvane" << QStringList{"txt1=2", "txt2=3"} << "Addition: answer is 5." << "";
    QTest::newRow("a field read as another number: said after the results")
        << "frmcir" << QStringList{"txt1=1E-400"}
        << "The area of the circle is 0. The circumference of the circle is 0. \u201cEnter the radius of the circle in "
           "m\u201d holds 1E-400, too small for the calculator, and was read as 0."
        << "";
    QTest::newRow("a failure: an alert, no results told")
        << "frmcyl" << QStringList{"txt1=1E307", "txt2=1E-300"} << "" << "Overflow:";
}

// After a press, the results it wrote that can be seen are told to
// assistive technology in a notification, while the focus stays on the
// button, and again at the next press; a failure's message box is an
// alert, and its press tells no results; Reset takes back what was told.
void Accessibility::aPressTellsItsResults()
{
    QFETCH(QString, form);
    QFETCH(QStringList, inputs);
    QFETCH(QString, told);
    QFETCH(QString, failure);
    // As when a screen reader listens (the offscreen platform has no bridge
    // to one; atspi_results.py listens through the real one).
    struct Listening {
        Listening() { qv::frame::Notice::setTellAlways(true); }
        ~Listening() { qv::frame::Notice::setTellAlways(false); }
    } listening;
    frmquorvane main(NumberLocale::fullStop());
    main.show();
    Form* w = &main.panel();
    const char* calculate = "cmdcal";
    if (form == "frmquorvane") {
        QTest::mouseClick(w->control("chk1"), Qt::LeftButton);
    } else {
        qvtest::choose(&main, qvtest::expectedWindow(form).item);
        w = qvtest::findWindow(qPrintable(form));
        calculate = qvtest::expectedWindow(form).calculate.name;
    }
    QVERIFY(w);
    for (const QString& input : inputs)
        qvtest::type(*w, qPrintable(input.section(u'=', 0, 0)), input.section(u'=', 1));
    auto* button = w->control<QAbstractButton>(calculate);
    QApplication::setActiveWindow(w->window());
    button->setFocus();
    const auto notice = [w]() -> QString {
        auto* n = w->findChild<QWidget*>("notice");
        QAccessibleInterface* a = n ? QAccessible::queryAccessibleInterface(n) : nullptr;
        if (!a || a->state().invisible)
            return {};
        return a->role() == QAccessible::Notification ? a->text(QAccessible::Name) : QStringLiteral("(not a notification)");
    };
    for (int press = 0; press < 2; ++press) {
        QAccessible::Role boxRole = QAccessible::NoRole;
        const QString message = qvtest::messageFrom([&] { QTest::keyClick(button, Qt::Key_Space); }, nullptr, [&] {
            boxRole = QAccessible::queryAccessibleInterface(QApplication::activeModalWidget())->role();
        });
        QVERIFY2(failure.isEmpty() ? message.isEmpty() : message.startsWith(failure), qPrintable(message));
        if (!failure.isEmpty())
            QCOMPARE(boxRole, QAccessible::AlertMessage);
        QCOMPARE(notice(), told);
        if (failure.isEmpty())
            QCOMPARE(QApplication::focusWidget(), button);
    }
    if (form == "frmquorvane")
        qvtest::choose(&main, "mnures");
    else
        QTest::mouseClick(w->control(qvtest::expectedWindow(form).reset.name), Qt::LeftButton);
    QCOMPARE(notice(), QString());
}

QTEST_MAIN(Accessibility)
#include "tst_accessibility.moc"
