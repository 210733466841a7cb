// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves a picture of each of the calculator's twenty windows: the main window
// with every row ticked and calculated, and each calculator window opened from
// its menu item with example numbers calculated. Run on a real display (an X
// server, or Xvfb through tools/screenshots.sh); QT_SCALE_FACTOR scales them,
// and --palette takes them in a dark or a high-contrast palette, as desktops
// set it.
//
//   quorvane_screenshots [--palette dark|high-contrast] [output directory]   (default: docs/screenshots)
#include "frmquorvane.h"
#include "palettes.h"
#include "panel.h"
#include "windows.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>
#include <QToolTip>

#include <cstdio>
#include <iterator>

namespace {

// Typed into a window's input fields in turn: every formula gives a result
// worth seeing with them (a triangle of sides 7, 5 and 4, a room 7 by 5 by 4).
const char* const examples[] = {"7", "5", "4"};

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

// The window with the tooltip of one of its fields, as the pointer resting
// on the field shows it, on the window's background colour where the
// tooltip reaches beyond the window.
void saveTooltip(QWidget* window, const char* field, const QDir& dir, const char* name)
{
    auto* f = window->findChild<QLineEdit*>(QLatin1String(field));
    const QPoint at(f->width() / 2, f->height() / 2);
    QHelpEvent asked(QEvent::ToolTip, at, f->mapToGlobal(at));
    QApplication::sendEvent(f, &asked);
    settle();
    QWidget* tip = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits("QTipLabel"))
            tip = w;
    if (!tip) {
        complain(QStringLiteral("no tooltip on %1's %2").arg(window->objectName(), QLatin1String(field)));
        return;
    }
    const QRect area = window->geometry() | tip->geometry();
    QPixmap shot(area.size());
    shot.fill(window->palette().color(QPalette::Window));
    {
        QPainter painter(&shot);
        painter.drawPixmap(window->geometry().topLeft() - area.topLeft(), window->grab());
        painter.drawPixmap(tip->geometry().topLeft() - area.topLeft(), tip->grab());
    }
    const QString path = dir.filePath(QStringLiteral("%1.png").arg(QLatin1String(name)));
    if (!shot.save(path))
        complain(QStringLiteral("could not write %1").arg(path));
    else
        std::printf("%s\n", qPrintable(path));
    QToolTip::hideText();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvane"));
    QStringList args = QApplication::arguments().mid(1);
    if (args.size() >= 2 && args.front() == QLatin1String("--palette")) {
        if (args[1] != QLatin1String("dark") && args[1] != QLatin1String("high-contrast")) {
            std::fprintf(stderr, "screenshots: --palette is dark or high-contrast\n");
            return 2;
        }
        QApplication::setPalette(qvtest::desktopPalette(args[1]));
        args.remove(0, 2);
    }
    const QString out = args.isEmpty() ? QStringLiteral("docs/screenshots") : args.front();
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
    for (const qv::windows::PanelRow& row : qv::windows::mainPanel.rows)
        panel.control<QCheckBox>(row.box)->setChecked(true);
    const std::pair<const char*, const char*> panelInputs[] = {
        {"txt1", "12"}, {"txt2", "30"},  {"txt4", "100"}, {"txt5", "58"}, {"txt7", "6"},
        {"txt8", "7"},  {"txt13", "10"}, {"txt14", "2"},  {"txt16", "10"},
    };
    for (const auto& [field, text] : panelInputs)
        panel.field(field)->setText(QString::fromLatin1(text));
    press(panel.control<QAbstractButton>("cmdcal"));
    save(&main, dir, "frmquorvane");

    for (const qv::windows::CalculatorWindow* described : qv::windows::all()) {
        const char* form = described->design.name;
        main.findChild<QAction*>(QLatin1String(described->item.name))->trigger();
        qv::frame::Form* window = main.windows().openWindow(*described);
        if (!window) {
            complain(QStringLiteral("%1 did not open %2").arg(QLatin1String(described->item.name), QLatin1String(form)));
            continue;
        }
        const char* const* example = std::begin(examples);
        for (const qv::formula::Field* field : qv::formula::inputs(described->calculate.Click))
            window->field(field->name)->setText(QString::fromLatin1(*example++));
        press(window->control<QAbstractButton>(described->calculate.button));
        save(window, dir, form);
        // A result with its formula in its tooltip.
        if (QLatin1String(form) == QLatin1String("frmcone"))
            saveTooltip(window, "txt4", dir, "frmcone-tooltip");
        window->close();
    }
    return problems == 0 ? 0 : 1;
}
