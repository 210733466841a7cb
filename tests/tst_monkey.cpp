// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A monkey: seeded random user actions over the main window and every window its menus
// open. After each: any failure came as one of the four messages, no message box stayed
// open, no window was lost or opened twice, each field is locked as designed, and a field
// changed by anything but the user's own edit holds the empty text or a number display text.
// A hang ends at ctest's timeout; QUORVANE_MONKEY_SEED and QUORVANE_MONKEY_STEPS replay or lengthen a run.
#include "guitest.h"

#include <QCheckBox>
#include <QRegularExpression>

#include <fstream>
#include <map>
#include <random>
#include <set>
#include <tuple>

#include <unistd.h>

using namespace qvtest;

class Monkey : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void randomActions_data();
    void randomActions();
    void openCloseCyclesKeepMemoryFlat();
};

void Monkey::randomActions_data()
{
    QTest::addColumn<Loc>("locale");
    QTest::addColumn<int>("steps");
    const int steps = qEnvironmentVariableIsSet("QUORVANE_MONKEY_STEPS") ? qEnvironmentVariableIntValue("QUORVANE_MONKEY_STEPS") : 20000;
    QTest::newRow("full stop") << FullStop << steps;
    QTest::newRow("comma") << Comma << steps / 4;
    QTest::newRow("narrow no-break space") << French << steps / 4;
}

void Monkey::randomActions()
{
    QFETCH(Loc, locale);
    QFETCH(int, steps);
    const unsigned seed = qEnvironmentVariableIsSet("QUORVANE_MONKEY_SEED")
        ? unsigned(qEnvironmentVariableIntValue("QUORVANE_MONKEY_SEED")) : 20261207u + unsigned(locale); // each locale its own
    std::mt19937 rng(seed);
    auto pick = [&rng](auto n) { return std::size_t(std::uniform_int_distribution<long long>(0, (long long)n - 1)(rng)); };
    const NumberLocale numberLocale = numbers(locale);
    // Each window's menu item, and File, Reset (Exit ends the run); the locked fields.
    std::vector<std::pair<const char*, const char*>> items{{"mnures", nullptr}};
    std::map<QString, std::set<QString>> locked{{"frmquorvane", {"txt3", "txt6", "txt9", "txt15", "txt17"}}};
    for (const ExpectedWindow& w : expectedWindows) {
        items.push_back({w.item, w.form});
        locked[w.form].insert(w.results.begin(), w.results.end());
    }
    // Texts no number rule was made for, pasted whole, and some that make the arithmetic fail.
    QStringList pasted{"1E308", "-1E308", "171", "-8", "0.5", "-0", "1,000", "1.000,5", "12abc", " 5 ", ""};
    for (const Reading& h : hostileReadings())
        pasted << h.text;
    // Typed: digits most of the time, and the characters the number rules give meaning to.
    const QString typed = "0123456789012345678901234567890123456789.,-+ EeDd&HhOoxabc"
                          + QString::fromStdString(numberLocale.decimal + numberLocale.thousands);
    // A number display text: 0, or up to 15 significant digits, positional where the power of
    // ten is from -4 to 14, else with a capital E, a sign and two or more exponent digits.
    const QString d = "(?:" + QRegularExpression::escape(QString::fromStdString(numberLocale.decimal)) + ")";
    const QRegularExpression display(
        QString("^0$|^-?(?=0*(?:D0*)?[1-9](?:D?\\d){0,14}(?:E|$))(?:[1-9]\\d*(?:D\\d*[1-9])?|0D0{0,3}[1-9]\\d*|"
                "[1-9](?:D\\d*[1-9])?E(?:\\+(?:1[5-9]|[2-9]\\d|[1-9]\\d\\d)|-(?:0[5-9]|[1-9]\\d|[1-9]\\d\\d)))$").replace('D', d));
    // The keys pressed in the focused control, and whether one may run a handler.
    static const std::tuple<Qt::Key, Qt::KeyboardModifiers, bool> keys[] = {
        {Qt::Key_Tab, {}, false}, {Qt::Key_Backtab, Qt::ShiftModifier, false}, {Qt::Key_Space, {}, true},
        {Qt::Key_Return, {}, true}, {Qt::Key_Enter, {}, true}, {Qt::Key_Escape, {}, false}, {Qt::Key_Backspace, {}, false},
        {Qt::Key_Delete, {}, false}, {Qt::Key_Z, Qt::ControlModifier, true}, {Qt::Key_Y, Qt::ControlModifier, false},
        {Qt::Key_A, Qt::ControlModifier, false}, {Qt::Key_X, Qt::ControlModifier, false}, {Qt::Key_V, Qt::ControlModifier, false},
        {Qt::Key_C, Qt::AltModifier, true}, {Qt::Key_Up, {}, false}, {Qt::Key_Home, Qt::ShiftModifier, false}};

    qv::app::frmquorvane main(numberLocale);
    main.show();
    auto openWindows = [&main] { // by name (the main window's is its panel), so that a seed replays the same run
        std::map<QString, Form*> open{{"frmquorvane", &main.panel()}};
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<Form*>(w); form && form->isVisible())
                open[form->objectName()] = form;
        return open;
    };
    struct Done { // what an action did, for the checks after it
        QString what, message, broken;
        QLineEdit* edited = nullptr; // the user's own edit: it may hold anything
        bool handler = false;        // a handler may have run and written fields
        bool keys = false;           // a key was pressed: Ctrl+Z gives back what a Reset emptied
    };
    QString name; // the window acted in, and its controls
    Form* form = nullptr;
    std::vector<QWidget*> fields, buttons, boxes, closable;
    QStringList recent;          // the actions so far, for the report
    std::set<QString> pressedIn; // the windows whose buttons were pressed
    auto in = [&](QWidget* control) { return name + '.' + control->objectName(); };
    // The actions: each one's share of a hundred, the controls it acts on, what it does.
    // One that has nothing to act on passes to the next; a key always can act.
    const std::vector<std::tuple<int, const std::vector<QWidget*>*, std::function<void(Done&, QWidget*)>>> actions = {
        {12, nullptr, [&](Done& a, QWidget*) {
             const auto& [item, opens] = items[pick(items.size())];
             a.what = QString("choose ") + item;
             a.message = messageFrom([&] { choose(&main, item); });
             if (opens && !findWindow(opens))
                 a.broken = QString(opens) + " did not open";
             a.handler = true;
         }},
        {24, &fields, [&](Done& a, QWidget* c) {
             auto* f = a.edited = static_cast<QLineEdit*>(c);
             QString text;
             for (auto n = pick(13); n > 0; --n)
                 text += typed[qsizetype(pick(typed.size()))];
             a.what = QString("type \"%1\" into %2").arg(text, in(f));
             f->setFocus();
             if (pick(2))
                 f->selectAll();
             for (QChar c : text) // a character beyond Latin-1 comes as an input method sends it
                 c.unicode() < 0x100 ? QTest::keyClick(f, char(c.unicode()))
                                     : QTest::sendKeyEvent(QTest::Click, f, Qt::Key_unknown, QString(c), {});
         }},
        {8, &fields, [&](Done& a, QWidget* c) {
             auto* f = a.edited = static_cast<QLineEdit*>(c);
             const QString text = pasted[qsizetype(pick(pasted.size()))];
             a.what = QString("paste \"%1\" (%2 characters) into %3")
                          .arg(text.left(24).toHtmlEscaped()).arg(text.size()).arg(in(f));
             QGuiApplication::clipboard()->setText(text);
             f->setFocus();
             f->selectAll();
             QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
             // The first cell without its blanks, or a number in the locale's form in
             // the form a lenient field reads; a locked field refuses it (checked below).
             const qv::PastedText cell = qv::firstCell(text.toStdString());
             const std::optional<std::string> lenient = qv::lenientForm(cell.text, numberLocale);
             if (!f->isReadOnly() && f->text() != QString::fromStdString(cell.text).left(f->maxLength())
                 && !(lenient && f->text() == QString::fromStdString(*lenient)))
                 a.broken = "the paste gave " + f->text().left(40);
         }},
        {22, &buttons, [&](Done& a, QWidget* b) {
             a.what = "press " + in(b);
             a.message = messageFrom([&] { QTest::mouseClick(b, Qt::LeftButton); });
             pressedIn.insert(name);
             a.handler = true;
         }},
        {8, &boxes, [&](Done& a, QWidget* box) { // on its box, at the left
             a.what = "tick " + in(box);
             a.message = messageFrom([&] { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2)); });
             a.handler = true;
         }},
        {10, &fields, [&](Done& a, QWidget* f) {
             a.what = "click " + in(f);
             a.message = messageFrom([&] { QTest::mouseClick(f, Qt::LeftButton); });
             a.handler = true;
         }},
        {5, &closable, [&](Done& a, QWidget* w) {
             a.what = "close " + name;
             w->close();
         }},
        {11, nullptr, [&](Done& a, QWidget*) {
             const auto& [key, modifiers, handler] = keys[pick(std::size(keys))];
             QWidget* target = form->focusWidget() ? form->focusWidget() : form;
             a.what = QString("key %1 (modifiers %2) on %3").arg(int(key), 0, 16).arg(int(modifiers), 0, 16).arg(in(target));
             a.message = messageFrom([&] { QTest::keyClick(target, key, modifiers); });
             a.handler = handler;
             a.keys = true;
         }},
    };

    static const QRegularExpression failure("^(Conversion failure|Division by zero|Overflow|Invalid argument):");
    for (int step = 0; step < steps; ++step) {
        const std::map<QString, Form*> windows = openWindows();
        // The main window's panel has the most controls: it gets a quarter of the actions.
        std::tie(name, form) = pick(4) == 0 ? *windows.find("frmquorvane") : *std::next(windows.begin(), pick(windows.size()));
        fields.clear(), buttons.clear(), boxes.clear(), closable.assign(form != &main.panel(), form);
        std::map<QString, QString> before; // window.field -> text
        for (const auto& [n, w] : windows)
            for (QLineEdit* f : w->findChildren<QLineEdit*>())
                before[n + '.' + f->objectName()] = f->text();
        for (QWidget* c : form->findChildren<QWidget*>())
            if (!c->objectName().isEmpty() && c->isVisibleTo(form) && c->isEnabled()
                && (qobject_cast<QLineEdit*>(c) || qobject_cast<QAbstractButton*>(c)))
                (qobject_cast<QLineEdit*>(c) ? fields : qobject_cast<QCheckBox*>(c) ? boxes : buttons).push_back(c);

        Done a;
        auto action = actions.begin();
        for (int roll = int(pick(100)); roll >= std::get<0>(*action); ++action)
            roll -= std::get<0>(*action);
        while (std::get<1>(*action) && std::get<1>(*action)->empty())
            ++action;
        const auto& [share, from, act] = *action;
        act(a, from ? (*from)[pick(from->size())] : nullptr);
        recent << QString("%1: %2%3").arg(step).arg(a.what, a.message.isEmpty() ? "" : " -> " + a.message);

        // The checks after every action; the first broken one is reported.
        auto broken = [&a](const QString& what) { a.broken = a.broken.isEmpty() ? what : a.broken; };
        if (!a.message.isEmpty() && !failure.match(a.message).hasMatch())
            broken("unexpected message: " + a.message);
        if (QApplication::activeModalWidget())
            broken("a message box stayed open");
        if (!main.isVisible())
            broken("the main window was lost");
        const std::map<QString, Form*> after = openWindows();
        for (const auto& [n, w] : windows)
            if (!after.count(n) && a.what != "close " + n)
                broken(n + " was lost");
        std::map<QString, int> instances;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<Form*>(top) && ++instances[top->objectName()] > 1)
                broken(top->objectName() + " is open twice");
        for (const auto& [n, w] : after) {
            for (QLineEdit* f : w->findChildren<QLineEdit*>()) {
                const QString field = n + '.' + f->objectName(), text = f->text();
                if (f->objectName().isEmpty())
                    continue;
                if (f->isReadOnly() != bool(locked[n].count(f->objectName())))
                    broken(field + (f->isReadOnly() ? " is locked" : " is unlocked"));
                const auto old = before.find(field);
                if (old == before.end() || old->second == text || (!f->isReadOnly() && (f == a.edited || a.keys)))
                    continue;
                if (!a.handler || (!text.isEmpty() && !display.match(text).hasMatch()))
                    broken(QString("%1 changed to %2").arg(field, text.left(60)));
            }
        }
        if (!a.broken.isEmpty())
            QFAIL(qPrintable(QString("seed %1, step %2: %3\nlast actions:\n%4")
                                 .arg(seed)
                                 .arg(step)
                                 .arg(a.broken, recent.last(std::min<qsizetype>(recent.size(), 25)).join('\n'))));
    }
    for (const auto& [n, w] : openWindows()) // leave no window behind for the next run
        if (w != &main.panel())
            w->close();
    if (steps >= 5000) // in every window the menus open, and the main window
        QCOMPARE(pressedIn.size(), std::size(expectedWindows) + 1);
}

// A thousand times: open a window, use it, close it. The objects alive stay the same in
// number, and resident memory stays flat (LeakSanitizer checks the rest under the sanitizers).
void Monkey::openCloseCyclesKeepMemoryFlat()
{
    qv::app::frmquorvane main(NumberLocale::fullStop());
    main.show();
    auto cycle = [&](int i) {
        const ExpectedWindow& e = expectedWindows[std::size_t(i) % std::size(expectedWindows)];
        choose(&main, e.item);
        Form* w = findWindow(e.form);
        QVERIFY(w);
        for (const char* input : e.inputs)
            w->field(input)->setText(QString::number(i % 97 + 1));
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
            messageFrom([&] { QTest::mouseClick(b, Qt::LeftButton); });
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    auto living = [] { // the objects, and the resident memory in kB
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += 1 + int(w->findChildren<QObject*>().size());
        long pages = 0, resident = 0;
        std::ifstream("/proc/self/statm") >> pages >> resident;
        return std::pair{n, resident * (sysconf(_SC_PAGESIZE) / 1024)};
    };
    int i = 0;
    for (; i < 100; ++i)
        cycle(i);
    const auto [objects, memory] = living();
    for (; i < 1100; ++i)
        cycle(i);
    QCOMPARE(living().first, objects);
    const long growth = living().second - memory;
    qInfo("1000 open/close cycles: %d objects before and after, resident memory grew by %ld kB", objects, growth);
#if !defined(__SANITIZE_ADDRESS__)
    // The sanitizer's quarantine holds freed memory back on purpose; elsewhere
    // a thousand cycles may not cost more than a few pages of caches.
    QVERIFY2(growth < 2048, qPrintable(QString("grew by %1 kB").arg(growth)));
#endif
}

QTEST_MAIN(Monkey)
#include "tst_monkey.moc"
