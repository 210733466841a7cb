// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A monkey: a seeded random run of user actions over the main window and
// every calculator window its menus open (choose menu items, type and paste
// random and hostile texts, press buttons, tick boxes, click fields, press
// keys, close and reopen windows). Windows and their controls are found at
// run time, so every window the menus open takes part. After each action:
//  - the program runs on, and any failure was reported in the message box
//    with one of the four failure texts;
//  - no message box is left open and no window was lost: every window open
//    before the action is still open (only a close action closes one);
//  - each field is locked exactly when a freshly loaded window locks it;
//  - a field a handler changed holds the empty text or a number in the
//    window's locale, with at most 15 significant digits;
//  - at most one instance of each form exists.
// A hang ends at ctest's timeout. QUORVANE_MONKEY_SEED and QUORVANE_MONKEY_STEPS
// replay or lengthen a run.
#include "failure.h"
#include "frmquorvane.h"
#include "guitest.h"
#include "hostile.h"
#include "numbertext.h"

#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <fstream>
#include <map>
#include <random>
#include <set>

#include <unistd.h>

using qv::FailureKind;
using qv::NumberLocale;
using qv::frame::Form;

namespace {

// Whether a message is one of the four failures, by its first words.
bool isFailureMessage(const QString& message)
{
    for (const char* heading : {"Conversion failure:", "Division by zero:", "Overflow:", "Invalid argument:"})
        if (message.startsWith(QLatin1String(heading)))
            return true;
    return false;
}

// Texts no number rule was made for, pasted whole, and some that make the
// arithmetic fail.
QStringList pastedTexts()
{
    QStringList texts{"1E308", "-1E308", "171", "-8", "0.5", "-0", "1,000", "1.000,5", "12abc", " 5 ", ""};
    for (const qvtest::Reading& h : qvtest::hostileReadings())
        texts << h.text;
    return texts;
}

// A random short text, as typed: digits most of the time, and the characters
// the number rules give meaning to.
QString randomText(std::mt19937& rng, const NumberLocale& locale)
{
    const QString alphabet = "0123456789012345678901234567890123456789.,-+ EeDd&HhOoxabc"
                             + QString::fromStdString(locale.decimal + locale.thousands);
    const int length = std::uniform_int_distribution<int>(0, 12)(rng);
    QString text;
    for (int i = 0; i < length; ++i)
        text += alphabet[std::uniform_int_distribution<int>(0, int(alphabet.size()) - 1)(rng)];
    return text;
}

// Types text key by key; a character beyond Latin-1 (a narrow no-break
// space) comes as the text of a key press, as an input method sends it.
void typeKeys(QWidget* target, const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x100) {
            QTest::keyClick(target, char(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Press, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

// A window as the monkey sees it: a calculator window, or the main window's panel.
struct Window {
    QString name;
    Form* form;
};

struct Snapshot {
    std::map<QString, std::map<QString, QString>> texts; // window -> field -> text
    std::set<QString> open;
};

} // namespace

class Monkey : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void randomActions_data();
    void randomActions();
    void openCloseCyclesKeepMemoryFlat();

private:
    // Menu items that open a window, by the window's name, and the others.
    struct Item {
        QAction* action;
        QString form; // empty: the item opens no window
    };
    void discover(qv::app::frmquorvane& main);
    std::vector<Window> openWindows(qv::app::frmquorvane& main) const;
    Snapshot snapshot(qv::app::frmquorvane& main) const;
        // handlerRan: the action may have run a handler; keysTyped: keys were
    // also typed, so unlocked fields may hold anything.
    void checkAfter(qv::app::frmquorvane& main, const Snapshot& before, const QString& message, bool handlerRan,
                    bool keysTyped, const QString& closed);

    std::vector<Item> items_;
    std::map<QString, std::map<QString, bool>> locked_; // window -> field -> locked when fresh
    NumberLocale locale_;
    QString failure_; // the first broken check of the current action
};

void Monkey::initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

// Chooses every menu item once on a fresh main window: the window each item
// opens, and each window's locked fields right after it loaded.
void Monkey::discover(qv::app::frmquorvane& main)
{
    items_.clear();
    locked_.clear();
    for (QLineEdit* f : main.panel().findChildren<QLineEdit*>())
        if (!f->objectName().isEmpty())
            locked_["frmquorvane"][f->objectName()] = f->isReadOnly();
    for (QAction* action : main.findChildren<QAction*>()) {
        const QString name = action->objectName();
        if (!name.startsWith("mnu") || action->menu() || name == "mnuexit")
            continue; // File, Exit ends the run: its own test covers it
        std::set<QWidget*> before;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                before.insert(w);
        action->trigger();
        Item item{action, {}};
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* form = qobject_cast<Form*>(w);
            if (form && form->isVisible() && !before.count(w)) {
                item.form = form->objectName();
                for (QLineEdit* f : form->findChildren<QLineEdit*>())
                    if (!f->objectName().isEmpty())
                        locked_[item.form][f->objectName()] = f->isReadOnly();
                form->close();
            }
        }
        items_.push_back(item);
    }
}

std::vector<Window> Monkey::openWindows(qv::app::frmquorvane& main) const
{
    std::vector<Window> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<Form*>(w); form && form->isVisible())
            out.push_back({form->objectName(), form});
    // By name, so that a seed replays the same run.
    std::sort(out.begin(), out.end(), [](const Window& a, const Window& b) { return a.name < b.name; });
    out.insert(out.begin(), {"frmquorvane", &main.panel()});
    return out;
}

Snapshot Monkey::snapshot(qv::app::frmquorvane& main) const
{
    Snapshot s;
    for (const Window& w : openWindows(main)) {
        s.open.insert(w.name);
        for (QLineEdit* f : w.form->findChildren<QLineEdit*>())
            if (!f->objectName().isEmpty())
                s.texts[w.name][f->objectName()] = f->text();
    }
    return s;
}

void Monkey::checkAfter(qv::app::frmquorvane& main, const Snapshot& before, const QString& message, bool handlerRan,
                        bool keysTyped, const QString& closed)
{
    auto broken = [this](const QString& what) {
        if (failure_.isEmpty())
            failure_ = what;
    };
    if (!message.isEmpty() && !isFailureMessage(message))
        broken("unexpected message: " + message);
    if (QApplication::activeModalWidget())
        broken("a message box stayed open");
    if (!main.isVisible())
        broken("the main window was lost");

    const Snapshot after = snapshot(main);
    for (const QString& name : before.open)
        if (!after.open.count(name) && name != closed)
            broken(name + " was lost");

    std::map<QString, int> instances;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<Form*>(w))
            ++instances[w->objectName()];
    for (const auto& [name, count] : instances)
        if (count > 1)
            broken(QString("%1 instances of %2").arg(count).arg(name));

    for (const Window& w : openWindows(main)) {
        for (QLineEdit* f : w.form->findChildren<QLineEdit*>()) {
            const QString field = f->objectName();
            if (field.isEmpty())
                continue;
            if (f->isReadOnly() != locked_[w.name][field])
                broken(QString("%1.%2 is %3").arg(w.name, field, f->isReadOnly() ? "locked" : "unlocked"));
            const auto old = before.texts.find(w.name);
            if (!handlerRan || (keysTyped && !f->isReadOnly()) || old == before.texts.end()
                || old->second.at(field) == f->text())
                continue;
            // What a handler writes: the empty text or a number display text.
            const QString text = f->text();
            if (text.isEmpty())
                continue;
            try {
                const double value = qv::readStrict(text.toStdString(), w.form->numberLocale());
                const std::string shown = qv::displayText(value, w.form->numberLocale());
                if (QString::fromStdString(shown) != text)
                    broken(QString("%1.%2 shows %3, not a number display text").arg(w.name, field, text));
            } catch (const qv::Failure&) {
                // The doubles nearest the top of the range round, at 15 digits,
                // to a number just beyond it: shown, but not read back.
                QString largest = "1.79769313486232E+308";
                largest.replace('.', QString::fromStdString(w.form->numberLocale().decimal));
                if (text != largest && text != "-" + largest)
                    broken(QString("%1.%2 shows %3, not a number").arg(w.name, field, text.left(60)));
            }
        }
    }
}

void Monkey::randomActions_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("steps");
    const int steps = qEnvironmentVariableIsSet("QUORVANE_MONKEY_STEPS") ? qEnvironmentVariableIntValue("QUORVANE_MONKEY_STEPS") : 20000;
    QTest::newRow("full stop") << "stop" << steps;
    QTest::newRow("comma") << "comma" << steps / 4;
    QTest::newRow("narrow no-break space") << "french" << steps / 4;
}

void Monkey::randomActions()
{
    QFETCH(QString, locale);
    QFETCH(int, steps);
    // French groups digits with a narrow no-break space: three bytes in UTF-8.
    locale_ = locale == "comma"    ? NumberLocale::comma()
              : locale == "french" ? NumberLocale{",", "\u202F"}
                                   : NumberLocale::fullStop();
    const unsigned seed = qEnvironmentVariableIsSet("QUORVANE_MONKEY_SEED")
                              ? unsigned(qEnvironmentVariableIntValue("QUORVANE_MONKEY_SEED"))
                              : 20261207u + (locale == "comma" ? 1u : locale == "french" ? 2u : 0u);
    std::mt19937 rng(seed);
    auto pick = [&rng](auto n) { return std::uniform_int_distribution<long long>(0, (long long)n - 1)(rng); };
    const QStringList hostile = pastedTexts();

    qv::app::frmquorvane main(locale_);
    main.show();
    discover(main);
    QVERIFY(!items_.empty());

    std::deque<QString> recent; // the last actions, for the report
    std::map<QString, int> counts;
    std::set<QString> pressedIn; // the windows whose buttons were pressed
    int failures = 0;
    QElapsedTimer clock;
    clock.start();

    for (int step = 0; step < steps; ++step) {
        const std::vector<Window> windows = openWindows(main);
        // The main window's panel has the most controls: it gets a quarter of the actions.
        const Window& w = pick(4) == 0 ? windows.front() : windows[pick(windows.size())];
        auto visible = [&](auto* c) { return c->isVisibleTo(w.form) && c->isEnabled(); };
        std::vector<QLineEdit*> fields;
        std::vector<QAbstractButton*> buttons, boxes;
        for (QLineEdit* f : w.form->findChildren<QLineEdit*>())
            if (!f->objectName().isEmpty() && visible(f))
                fields.push_back(f);
        for (QAbstractButton* b : w.form->findChildren<QAbstractButton*>())
            if (visible(b))
                (qobject_cast<QCheckBox*>(b) ? boxes : buttons).push_back(b);

        const Snapshot before = snapshot(main);
        QString action, message, closed;
        bool handlerRan = false, keysTyped = false;
        const int roll = int(pick(100));
        if (roll < 12) {
            const Item& item = items_[pick(items_.size())];
            action = "choose " + item.action->objectName();
            message = qvtest::messageFrom([&] { item.action->trigger(); });
            handlerRan = true;
            if (!item.form.isEmpty() && !qvtest::findWindow(item.form.toLatin1().constData()))
                failure_ = item.form + " did not open";
        } else if (roll < 36 && !fields.empty()) {
            QLineEdit* f = fields[pick(fields.size())];
            const QString text = randomText(rng, locale_);
            action = QString("type \"%1\" into %2.%3").arg(text, w.name, f->objectName());
            const QString old = f->text();
            f->setFocus();
            if (pick(2))
                f->selectAll();
            typeKeys(f, text);
            if (f->isReadOnly() && f->text() != old)
                failure_ = "typing changed locked field " + f->objectName();
        } else if (roll < 44 && !fields.empty()) {
            QLineEdit* f = fields[pick(fields.size())];
            const QString text = hostile[pick(hostile.size())];
            action = QString("paste \"%1\" (%2 characters) into %3.%4")
                         .arg(text.left(24).toHtmlEscaped(), QString::number(text.size()), w.name, f->objectName());
            const QString old = f->text();
            QGuiApplication::clipboard()->setText(text);
            f->setFocus();
            f->selectAll();
            QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
            // A paste enters the first cell of what it pastes, without the
            // blanks around it; a field read leniently takes a number in the
            // locale's form in the form it reads.
            const qv::PastedText cell = qv::firstCell(text.toStdString());
            const QString first = QString::fromStdString(cell.text).left(f->maxLength());
            const std::optional<std::string> form = qv::lenientForm(cell.text, locale_);
            const bool entered = f->text() == first || (form && f->text() == QString::fromStdString(*form));
            if (f->isReadOnly() ? f->text() != old : !entered)
                failure_ = "the paste into " + f->objectName() + " gave " + f->text().left(40);
        } else if (roll < 66 && !buttons.empty()) {
            QAbstractButton* b = buttons[pick(buttons.size())];
            action = QString("press %1.%2").arg(w.name, b->objectName());
            message = qvtest::messageFrom([&] { QTest::mouseClick(b, Qt::LeftButton); });
            handlerRan = true;
            pressedIn.insert(w.name);
        } else if (roll < 74 && !boxes.empty()) {
            auto* box = static_cast<QCheckBox*>(boxes[pick(boxes.size())]);
            action = QString("tick %1.%2").arg(w.name, box->objectName());
            QStyleOptionButton option;
            option.initFrom(box);
            const QPoint at = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
            const bool was = box->isChecked();
            message = qvtest::messageFrom([&] { QTest::mouseClick(box, Qt::LeftButton, {}, at); });
            handlerRan = true;
            if (box->isChecked() == was)
                failure_ = "the click did not toggle " + box->objectName();
        } else if (roll < 84 && !fields.empty()) {
            QLineEdit* f = fields[pick(fields.size())];
            action = QString("click %1.%2").arg(w.name, f->objectName());
            message = qvtest::messageFrom([&] { QTest::mouseClick(f, Qt::LeftButton); });
            handlerRan = true;
        } else if (roll < 89 && w.form != &main.panel()) {
            action = "close " + w.name;
            closed = w.name;
            w.form->close();
            if (w.form->isVisible())
                failure_ = w.name + " refused to close";
        } else {
            static const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
                {Qt::Key_Tab, {}},           {Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_Space, {}},
                {Qt::Key_Return, {}},        {Qt::Key_Enter, {}},                  {Qt::Key_Escape, {}},
                {Qt::Key_Backspace, {}},     {Qt::Key_Delete, {}},                 {Qt::Key_Z, Qt::ControlModifier},
                {Qt::Key_Y, Qt::ControlModifier}, {Qt::Key_A, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier},
                {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_C, Qt::AltModifier},    {Qt::Key_Up, {}},
                {Qt::Key_Home, Qt::ShiftModifier},
            };
            const auto& [key, modifiers] = keys[pick(std::size(keys))];
            QWidget* target = w.form->focusWidget() ? w.form->focusWidget() : w.form;
            action = QString("key %1 (modifiers %2) on %3.%4")
                         .arg(int(key), 0, 16)
                         .arg(int(modifiers), 0, 16)
                         .arg(w.name, target->objectName());
            auto* f = qobject_cast<QLineEdit*>(target);
            const QString old = f ? f->text() : QString();
            message = qvtest::messageFrom([&] { QTest::keyClick(target, key, modifiers); });
            handlerRan = keysTyped = true;
            // Enter in a field presses Calculate, which writes the results;
            // Ctrl+Z right after a Reset gives the window's fields back.
            const bool calculates = key == Qt::Key_Return || key == Qt::Key_Enter;
            const bool undoesReset = key == Qt::Key_Z && modifiers == Qt::ControlModifier && old.isEmpty();
            if (f && f->isReadOnly() && f->text() != old && !f->objectName().isEmpty() && !calculates && !undoesReset)
                failure_ = "a key changed locked field " + f->objectName();
        }
        if (action.isEmpty())
            continue;
        ++counts[action.section(' ', 0, 0)];
        if (!message.isEmpty())
            ++failures;
        recent.push_back(QString("%1: %2%3").arg(step).arg(action, message.isEmpty() ? "" : " -> " + message));
        if (recent.size() > 25)
            recent.pop_front();
        checkAfter(main, before, message, handlerRan, keysTyped, closed);
        if (!failure_.isEmpty()) {
            const QString report = QString("seed %1, step %2: %3\nlast actions:\n%4")
                                       .arg(seed)
                                       .arg(step)
                                       .arg(failure_, QStringList(recent.begin(), recent.end()).join('\n'));
            failure_.clear();
            QFAIL(qPrintable(report));
        }
    }
    // Leave no window behind for the next run.
    for (const Window& w : openWindows(main))
        if (w.form != &main.panel())
            w.form->close();
    QStringList mix;
    int total = 0;
    for (const auto& [kind, n] : counts) {
        mix << QString("%1 %2").arg(n).arg(kind);
        total += n;
    }
    qInfo("%d actions in %lld ms (seed %u): %s; %d failures reported", total, clock.elapsed(), seed,
          qPrintable(mix.join(", ")), failures);
    QVERIFY(total >= steps * 9 / 10);
    // Every window the menus open, and the main window, had its buttons pressed.
    std::set<QString> windows{"frmquorvane"};
    for (const Item& item : items_)
        if (!item.form.isEmpty())
            windows.insert(item.form);
    qInfo("buttons pressed in %d of %d windows", int(pressedIn.size()), int(windows.size()));
    if (steps >= 5000)
        QCOMPARE(pressedIn, windows);
}

namespace {

// Resident memory in kilobytes.
long residentKb()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

int livingObjects()
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += 1 + int(w->findChildren<QObject*>().size());
    return n;
}

} // namespace

// A thousand times: open a window, use it, close it. The objects alive stay
// the same in number, and resident memory stays flat (LeakSanitizer checks
// the rest in the sanitizer build).
void Monkey::openCloseCyclesKeepMemoryFlat()
{
    locale_ = NumberLocale::fullStop();
    qv::app::frmquorvane main(locale_);
    main.show();
    discover(main);
    std::vector<const Item*> opening;
    for (const Item& item : items_)
        if (!item.form.isEmpty())
            opening.push_back(&item);
    QVERIFY(!opening.empty());

    auto cycle = [&](int i) {
        const Item& item = *opening[std::size_t(i) % opening.size()];
        item.action->trigger();
        Form* w = qvtest::findWindow(item.form.toLatin1().constData());
        QVERIFY(w);
        for (QLineEdit* f : w->findChildren<QLineEdit*>())
            if (!f->isReadOnly() && !f->objectName().isEmpty())
                f->setText(QString::number(i % 97 + 1));
        for (QPushButton* b : w->findChildren<QPushButton*>())
            qvtest::messageFrom([&] { QTest::mouseClick(b, Qt::LeftButton); });
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    int i = 0;
    for (; i < 100; ++i)
        cycle(i);
    const int objects = livingObjects();
    const long memory = residentKb();
    for (; i < 1100; ++i)
        cycle(i);
    QCOMPARE(livingObjects(), objects);
    const long growth = residentKb() - memory;
    qInfo("1000 open/close cycles: %d objects before and after, resident memory grew by %ld kB", objects, growth);
#if !defined(__SANITIZE_ADDRESS__)
    // The sanitizer's quarantine holds freed memory back on purpose; elsewhere
    // a thousand cycles may not cost more than a few pages of caches.
    QVERIFY2(growth < 2048, qPrintable(QString("grew by %1 kB").arg(growth)));
#endif
}

QTEST_MAIN(Monkey)
#include "tst_monkey.moc"
