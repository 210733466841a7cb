// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Screen readers and keyboard users: each window names its fields, buttons and check boxes through
// QAccessible, and Tab walks them in their tab order; what Enter presses; what a press tells.
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

using namespace qvtest;
using qv::app::frmquorvane;

namespace {

// How a key held down repeats after its first press.
enum class Held { No, ReleasedAndPressedAtOnce, PressedWithoutRelease };

struct EnterCase {
    const char* focus;   // in the division window with 1 and 2, or in the main window's multiplication row with 6 and 7
    bool inMain = false;
    Qt::Key key = Qt::Key_Return;
    Qt::KeyboardModifiers modifiers = {};
    Held held = Held::No;
    const char* result = nullptr; // after the key, or after its repeats; nullptr: nothing ran
};

// A key event as the window system sends it, at a time long after any a test sends through a window.
void sendKey(QWidget* target, QEvent::Type type, quint64 time, bool marked = false)
{
    QKeyEvent event(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), marked);
    event.setTimestamp(1'000'000'000 + time);
    QApplication::sendEvent(target, &event);
}

struct Telling {
    const char* form;
    std::vector<Step> inputs;
    const char* told; // "": nothing
    bool fails = false;
};

} // namespace

Q_DECLARE_METATYPE(EnterCase)
Q_DECLARE_METATYPE(Telling)

class Accessibility : public QObject {
    Q_OBJECT

private slots:
    void namesAndTabOrder_data();
    void namesAndTabOrder();
    void menusOpenFromTheKeyboard();
    void enterPresses_data();
    void enterPresses();
    void aHeldEnterLeavesItsMessageOpen();
    void leavingAFieldShowsItsStart();
    void aPressTellsItsResults_data();
    void aPressTellsItsResults();
};

void Accessibility::namesAndTabOrder_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("order");
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
    for (const auto& [form, order] : orders)
        QTest::newRow(form) << QString(form) << QString(order).split(' ');
}

// Each window, field, button and check box is named, no two fields alike; Tab walks the tab order round.
void Accessibility::namesAndTabOrder()
{
    QFETCH(QString, form);
    QFETCH(QStringList, order);
    Shown shown(form, FullStop);
    for (QCheckBox* box : shown->findChildren<QCheckBox*>())
        QTest::mouseClick(box, Qt::LeftButton);
    QWidget* window = shown->window();
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    QVERIFY(root && root->role() == QAccessible::Window);
    QVERIFY2(!root->text(QAccessible::Name).trimmed().isEmpty(), "the window has no name to announce");
    QStringList unnamed, fieldNames;
    const QList<QAccessible::Role> named{QAccessible::EditableText, QAccessible::PushButton, QAccessible::CheckBox};
    const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface* child = node->child(i);
            const QString name = child->text(QAccessible::Name).simplified();
            if (name.isEmpty() && named.contains(child->role()))
                unnamed << child->object()->objectName();
            else if (child->role() == QAccessible::EditableText)
                fieldNames << name;
            walk(child);
        }
    };
    walk(root);
    QVERIFY2(unnamed.isEmpty(), qPrintable("not named: " + unnamed.join(", ")));
    // Every field was reached, each by a name of its own.
    QVERIFY2(QSet<QString>(fieldNames.begin(), fieldNames.end()).size() == window->findChildren<QLineEdit*>().size(),
             qPrintable(fieldNames.join(" | ")));

    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    if (shown.main) // the ticks moved the focus; start again where the window starts
        shown->field("txt17")->setFocus(Qt::OtherFocusReason);
    const auto focused = [] {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QStringLiteral("(none)");
    };
    order << order.front();
    for (const bool back : {false, true}) {
        QStringList chain{focused()};
        while (chain.size() < order.size()) {
            QTest::keyClick(window->windowHandle(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                            back ? Qt::ShiftModifier : Qt::NoModifier);
            chain << focused();
        }
        QCOMPARE(chain, order);
        std::reverse(order.begin(), order.end());
    }
}

// The menus have no access keys of their own; Alt alone, then the arrow keys, reaches every item.
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

    QTest::keyClick(main.focusWidget(), Qt::Key_Alt, Qt::NoModifier);
    QTRY_VERIFY(bar->activeAction());
    QVERIFY(highlighted("File"));
    QTest::keyClick(bar, Qt::Key_Right);
    QTest::keyClick(bar, Qt::Key_Down); // drops the Calculation menu down
    QMenu* menu = bar->activeAction()->menu();
    QTRY_VERIFY(menu->isVisible() && menu->activeAction());
    QCOMPARE(menu->activeAction()->objectName(), QString("mnudiv"));
    QTest::keyClick(menu, Qt::Key_Return);
    QTRY_VERIFY(findWindow("frmdiv"));
}

void Accessibility::enterPresses_data()
{
    QTest::addColumn<EnterCase>("row");
    const auto row = [](const char* tag, const EnterCase& e) { QTest::newRow(tag) << e; };
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    row("Enter on Calculate", {.focus = "Command2", .result = "0.5"});
    row("keypad Enter on Reset", {.focus = "Command1", .key = Qt::Key_Enter, .modifiers = keypad, .result = ""});
    row("Enter in a field presses Calculate", {.focus = "txt2", .result = "0.5"});
    row("keypad Enter in the result field", {.focus = "txt3", .key = Qt::Key_Enter, .modifiers = keypad, .result = "0.5"});
    row("Alt+Enter on Calculate: nothing", {.focus = "Command2", .modifiers = Qt::AltModifier});
    row("Enter held down: released and pressed at one time, as an X server repeats",
        {.focus = "txt2", .held = Held::ReleasedAndPressedAtOnce});
    row("Enter held down: pressed again without a release", {.focus = "txt2", .held = Held::PressedWithoutRelease});
    row("main: Enter in a panel field", {.focus = "txt8", .inMain = true, .result = "42"});
    row("main: Ctrl+keypad Enter: nothing",
        {.focus = "txt7", .inMain = true, .key = Qt::Key_Enter, .modifiers = Qt::ControlModifier | Qt::KeypadModifier});
}

// Enter presses a focused button, in a field the window's Calculate; not with Ctrl or Alt, nor held down.
void Accessibility::enterPresses()
{
    QFETCH(EnterCase, row);
    Shown shown(row.inMain ? "frmquorvane" : "frmdiv", FullStop);
    const char* result = row.inMain ? "txt9" : "txt3";
    if (row.inMain)
        QTest::mouseClick(shown->control("chk3"), Qt::LeftButton);
    type(*shown, row.inMain ? "txt7" : "txt1", row.inMain ? "6" : "1");
    type(*shown, row.inMain ? "txt8" : "txt2", row.inMain ? "7" : "2");
    shown->field(result)->setText("old");
    QWidget* target = shown->control(row.focus);
    const auto send = [&](QEvent::Type type, quint64 time) {
        QCOMPARE(messageFrom([&] { sendKey(target, type, time); }), QString());
    };
    send(QEvent::KeyRelease, 0); // the key let go long before: the press below is no repeat
    if (row.held == Held::No) { // as the window system sends it: to the window, which hands it on
        QApplication::setActiveWindow(target->window());
        QVERIFY(QTest::qWaitForWindowActive(target->window()));
        target->setFocus();
        QCOMPARE(messageFrom([&] { QTest::keyClick(target->window()->windowHandle(), row.key, row.modifiers); }),
                 QString());
        QCOMPARE(textOf(*shown, result), row.result ? QString(row.result) : QStringLiteral("old"));
        return;
    }
    target->setFocus();
    send(QEvent::KeyPress, 1000);
    shown->field(result)->setText("old");
    if (row.held == Held::ReleasedAndPressedAtOnce)
        send(QEvent::KeyRelease, 1500);
    send(QEvent::KeyPress, 1500);
    QCOMPARE(textOf(*shown, result), QString("old"));
    send(QEvent::KeyRelease, 2000); // let go and pressed anew, it counts again
    send(QEvent::KeyPress, 2500);
    send(QEvent::KeyRelease, 2600);
    QCOMPARE(textOf(*shown, result), QString("0.5"));
}

// Enter held on a failing Calculate: one message, which the key's repeats leave open until it is pressed anew.
void Accessibility::aHeldEnterLeavesItsMessageOpen()
{
    Shown w("frmdiv", FullStop);
    type(*w, "txt2", "0");
    QLineEdit* field = w->field("txt2");
    int boxes = 0;
    bool openAfterRepeats = false;
    quint64 time = 100; // after the times enterPresses sends
    const auto hold = [&](QWidget* target) {
        for (int repeat = 0; repeat < 3; ++repeat) {
            sendKey(target, QEvent::KeyPress, time += 40, true);
            sendKey(target, QEvent::KeyRelease, time += 40);
            sendKey(target, QEvent::KeyPress, time);
        }
    };
    messageFrom([&] { sendKey(field, QEvent::KeyPress, time); hold(field); }, nullptr, [&] {
        auto* box = QApplication::activeModalWidget();
        ++boxes;
        // The key goes where the focus is, or to the box before its button has it.
        QWidget* focus = QApplication::focusWidget();
        QWidget* target = focus && focus->window() == box ? focus : box;
        hold(target);
        openAfterRepeats = box->isVisible();
        sendKey(target, QEvent::KeyRelease, time += 200); // let go, then pressed anew through the window
        QTest::keyClick(box->windowHandle(), Qt::Key_Return);
        QVERIFY(!box->isVisible());
    });
    QCOMPARE(boxes, 1);
    QVERIFY(openAfterRepeats);

    // Pressed and let go at once: the release comes to the window the box now blocks, where Qt drops it
    // unseen; the next press closes the box all the same.
    sendKey(field, QEvent::KeyRelease, time += 1000);
    bool closedByKey = false;
    messageFrom([&] { sendKey(field, QEvent::KeyPress, time += 1000); }, nullptr, [&] {
        auto* box = QApplication::activeModalWidget();
        sendKey(box->focusWidget() ? box->focusWidget() : box, QEvent::KeyPress, time += 1000);
        closedByKey = !box->isVisible();
    });
    QVERIFY(closedByKey);
}

// A number wider than its field, typed, shows from its sign once Tab moves the focus on: whole, smaller.
void Accessibility::leavingAFieldShowsItsStart()
{
    Shown w("frmdiv", FullStop);
    QApplication::setActiveWindow(&*w);
    QLineEdit* f = w->field("txt2");
    f->setFocus(Qt::OtherFocusReason);
    type(*w, "txt2", "-1.11111111111111e-100");
    QTest::keyClick(f, Qt::Key_Tab);
    QVERIFY(!f->hasFocus());
    f->grab(); // lays the text out as it is drawn
    QCOMPARE(f->cursorPosition(), 0);
    QVERIFY(f->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < 10);
    QCOMPARE(f->text(), QString("-1.11111111111111e-100"));
    QVERIFY(f->fontMetrics().horizontalAdvance(f->text()) <= qv::frame::textRoom(*f, f->font()));
}

void Accessibility::aPressTellsItsResults_data()
{
    QTest::addColumn<Telling>("row");
    const auto row = [](const char* tag, const Telling& t) { QTest::newRow(tag) << t; };
    row("circle: both results, in their order",
        {"frmcir", {{"txt1", "7"}}, "The area of the circle is 154. The circumference of the circle is 44."});
    row("main window: the rows seen, not the hidden ones",
        {"frmquorvane", {{"chk1"}, {"txt1", "2"}, {"txt2", "3"}}, "Addition: answer is 5."});
    row("a field read as another number: said after the results",
        {"frmcir", {{"txt1", "1E-400"}},
         "The area of the circle is 0. The circumference of the circle is 0. \u201cEnter the radius of the circle in "
         "m\u201d holds 1E-400, too small for the calculator, and was read as 0."});
    row("an overflow: an alert, no results told", {"frmcyl", {{"txt1", "1E307"}, {"txt2", "1E-300"}}, "", true});
}

// After each press, the results it wrote that can be seen are told in a notification, the focus staying on
// the button; a failure's message box is an alert, and tells no results; Reset takes back what was told.
void Accessibility::aPressTellsItsResults()
{
    QFETCH(Telling, row);
    // As when a screen reader listens: the offscreen platform has no bridge to one (atspi_results has).
    qv::frame::Notice::setTellAlways(true);
    const auto listening = qScopeGuard([] { qv::frame::Notice::setTellAlways(false); });
    Shown shown(row.form, FullStop);
    take(*shown, row.inputs);
    auto* button = shown->control<QAbstractButton>(shown.main ? "cmdcal" : expectedWindow(row.form).calculate.name);
    QApplication::setActiveWindow(shown->window());
    button->setFocus();
    const auto notice = [&shown] {
        auto* n = shown->findChild<QWidget*>("notice");
        QAccessibleInterface* a = n ? QAccessible::queryAccessibleInterface(n) : nullptr;
        return a && !a->state().invisible && a->role() == QAccessible::Notification ? a->text(QAccessible::Name)
                                                                                     : QString();
    };
    for (int press = 0; press < 2; ++press) {
        QAccessible::Role boxRole = QAccessible::NoRole;
        const QString message = messageFrom([&] { QTest::keyClick(button, Qt::Key_Space); }, nullptr, [&] {
            boxRole = QAccessible::queryAccessibleInterface(QApplication::activeModalWidget())->role();
        });
        QCOMPARE(!message.isEmpty(), row.fails);
        QCOMPARE(boxRole, row.fails ? QAccessible::AlertMessage : QAccessible::NoRole);
        QCOMPARE(notice(), QString(row.told));
        if (!row.fails)
            QCOMPARE(QApplication::focusWidget(), button);
    }
    if (shown.main)
        choose(shown.main.get(), "mnures");
    else
        QTest::mouseClick(shown->control(expectedWindow(row.form).reset.name), Qt::LeftButton);
    QCOMPARE(notice(), QString());
}

QTEST_MAIN(Accessibility)
#include "tst_accessibility.moc"
