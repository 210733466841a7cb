// Saves a picture of each of the calculator's twenty windows: the main window
// with every row ticked and calculated, and each calculator window opened from
// its menu item with example numbers calculated. Run on a real display (an X
// server, or Xvfb through tools/screenshots.sh); QT_SCALE_FACTOR scales them.
//
//   quorvane_screenshots [output directory]      (default: docs/screenshots)
#include "frmquorvane.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <initializer_list>

namespace {

struct Example {
    const char* menuItem;
    const char* form;
    std::initializer_list<const char*> inputs; // typed into the input fields, in tab order
};

const Example examples[] = {
    {"mnudiv", "frmdiv", {"22", "7"}},
    {"mnusqroot", "frmsqroot", {"2"}},
    {"mnucroot", "frmcroot", {"27"}},
    {"mnusq", "frmsquare", {"5"}},
    {"mnurect", "frmrect", {"6", "4"}},
    {"mnutri", "frmtri", {"3", "4", "5"}},
    {"mnucir", "frmcir", {"7"}},
    {"mnudia", "frmdia", {"3", "4"}},
    {"mnucube", "frmcube", {"3"}},
    {"mnucyl", "frmcyl", {"10", "7"}},
    {"mnusph", "frmsph", {"7"}},
    {"mnuhemi", "frmhemi", {"7"}},
    {"mnucone", "frmcone", {"3", "4"}},
    {"mnucube1", "frmvcube", {"3"}},
    {"mnuroom1", "frmvroom", {"5", "4", "3"}},
    {"mnucone1", "frmvcone", {"7", "12"}},
    {"mnucyl1", "frmvcyl", {"7", "10"}},
    {"mnusph1", "frmvsph", {"7"}},
    {"mnuhemi1", "frmvhemi", {"7"}},
};

int problems = 0;

void complain(const QString& text)
{
    std::fprintf(stderr, "screenshots: %s\n", qPrintable(text));
    ++problems;
}

// Presses a button; a failure message it raises is printed and dismissed.
void press(QAbstractButton* button)
{
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            complain(QStringLiteral("%1 reported: %2").arg(button->window()->objectName(), box->text()));
            box->done(QMessageBox::Ok);
        }
    });
    poll.start();
    button->click();
}

// The window's fields the user types into, in the order Tab visits them.
QList<QLineEdit*> inputsInTabOrder(QWidget* window)
{
    QList<QLineEdit*> inputs;
    QWidget* first = window->nextInFocusChain();
    for (QWidget* w = first;; w = w->nextInFocusChain()) {
        if (auto* field = qobject_cast<QLineEdit*>(w); field && !field->isReadOnly() && field->window() == window)
            if (!inputs.contains(field))
                inputs << field;
        if (w->nextInFocusChain() == first)
            break;
    }
    return inputs;
}

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTimer wait;
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void save(QWidget* window, const QDir& dir, const char* name)
{
    settle();
    const QString path = dir.filePath(QStringLiteral("%1.png").arg(QLatin1String(name)));
    if (!window->grab().save(path))
        complain(QStringLiteral("could not write %1").arg(path));
    else
        std::printf("%s\n", qPrintable(path));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvane"));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QDir dir;
    if (!dir.mkpath(out)) {
        std::fprintf(stderr, "screenshots: cannot create %s\n", qPrintable(out));
        return 1;
    }
    dir.setPath(out);

    qv::app::frmquorvane main(qv::NumberLocale::fullStop());
    main.move(0, 0);
    main.show();
    qv::frame::Form& panel = main.panel();
    for (const char* box : {"chk1", "chk2", "chk3", "chk5", "chk6"})
        static_cast<QCheckBox*>(panel.control(box))->setChecked(true);
    const std::pair<const char*, const char*> panelInputs[] = {
        {"txt1", "12"}, {"txt2", "30"},  {"txt4", "100"}, {"txt5", "58"}, {"txt7", "6"},
        {"txt8", "7"},  {"txt13", "10"}, {"txt14", "2"},  {"txt16", "10"},
    };
    for (const auto& [field, text] : panelInputs)
        panel.field(field)->setText(QString::fromLatin1(text));
    press(panel.button("cmdcal"));
    save(&main, dir, "frmquorvane");

    for (const Example& e : examples) {
        auto* item = main.findChild<QAction*>(QLatin1String(e.menuItem));
        if (!item) {
            complain(QStringLiteral("no menu item %1").arg(QLatin1String(e.menuItem)));
            continue;
        }
        item->trigger();
        QWidget* window = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->objectName() == QLatin1String(e.form))
                window = w;
        if (!window) {
            complain(QStringLiteral("%1 did not open %2").arg(QLatin1String(e.menuItem), QLatin1String(e.form)));
            continue;
        }
        const QList<QLineEdit*> inputs = inputsInTabOrder(window);
        auto text = e.inputs.begin();
        for (QLineEdit* field : inputs)
            if (text != e.inputs.end())
                field->setText(QString::fromLatin1(*text++));
        QAbstractButton* calculate = nullptr;
        for (auto* b : window->findChildren<QAbstractButton*>())
            if (b->text().remove(u'&').startsWith(QLatin1String("Calc")))
                calculate = b;
        if (calculate)
            press(calculate);
        else
            complain(QStringLiteral("%1 has no Calculate button").arg(QLatin1String(e.form)));
        save(window, dir, e.form);
        window->close();
    }
    return problems == 0 ? 0 : 1;
}
