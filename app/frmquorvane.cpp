// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmquorvane.h"

#include "copyall.h"
#include "panel.h"
#include "placement.h"
#include "report.h"
#include "windows.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QScreen>
#include <QStyle>

#include <map>

using namespace qv::frame;

namespace qv::app {
namespace {

using windows::mainPanel;
using windows::PanelRow;

// The row's text fields: its inputs in the order its formula reads them, the result last.
std::vector<const char*> fieldsOf(const PanelRow& row)
{
    std::vector<const char*> names;
    for (const formula::Field* f : formula::inputs(row.formula))
        names.push_back(f->name);
    for (const formula::Field* f : formula::results(row.formula))
        names.push_back(f->name);
    return names;
}

// What a tick shows and an untick hides, in order: the row's fields, then its labels.
std::vector<const char*> shownBy(const PanelRow& row)
{
    std::vector<const char*> names = fieldsOf(row);
    names.insert(names.end(), row.labels.begin(), row.labels.end());
    return names;
}

// A caption with no access key: a literal '&' would otherwise mark one.
QString plain(const char* caption) { return QString::fromUtf8(caption).replace(u'&', QStringLiteral("&&")); }

} // namespace

QString frmquorvane::copyAllText() const
{
    QString text;
    for (const PanelRow& row : mainPanel.rows)
        if (panel_->control<QCheckBox>(row.box)->isChecked())
            if (const QString line = panel_->computed(*formula::results(row.formula).front()); !line.isEmpty())
                text += oneLine(line) + u'\n';
    return text;
}

frmquorvane::frmquorvane(const NumberLocale& locale)
    : panel_(new Form(mainPanel.design, locale)), windows_(locale, *this)
{
    setObjectName(QString::fromLatin1(mainPanel.design.name));
    setWindowTitle(QString::fromUtf8(mainPanel.design.caption));
    setCentralWidget(panel_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    offerNoMaximise(*this);

    auto* title = panel_->control<QLabel>(mainPanel.title);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette colours = title->palette();
    colours.setColor(QPalette::WindowText, QColor(255, 0, 255));
    colours.setColor(QPalette::Window, QColor(0, 0, 0));
    title->setPalette(colours);
    title->setAutoFillBackground(true);

    buildMenus();
    Form& p = *panel_;
    for (const PanelRow& row : mainPanel.rows) {
        // A tick shows the row and the Calculate button, an untick hides the
        // row (the button stays), however the box was changed.
        p.onToggle(row.box, [&p, &row] {
            const bool ticked = p.control<QCheckBox>(row.box)->isChecked();
            p.setControlsVisible(shownBy(row), ticked);
            if (ticked)
                p.setControlsVisible({mainPanel.calculate.button}, true);
        });
        // A click on a result field computes that one row.
        p.onFieldClick(formula::results(row.formula).front()->name, row.formula);
    }
    p.onClick(mainPanel.calculate.button, mainPanel.calculate.Click);
    // Enter in any field of the panel presses Calculate.
    p.setDefaultButton(mainPanel.calculate.button);
    p.useFormulas(mainPanel.calculate.Click);
    offerCopyAll(p, [this] { return copyAllText(); });
    Form_Load();
    p.focusFirstTabStop();
    keepTitleBarOnScreen();
}

void frmquorvane::buildMenus()
{
    QMenu* file = menuBar()->addMenu(plain("File"));
    file->setObjectName(QStringLiteral("mnufile"));
    // Reset empties all fourteen fields, hidden ones too; boxes, visibility and locks stay.
    QAction* reset = file->addAction(plain("Reset"), this, [this] { panel_->run(mainPanel.reset); });
    reset->setObjectName(QStringLiteral("mnures"));
    // Exit ends the run at once, whatever windows are open.
    QAction* exit = file->addAction(plain("Exit"), this, [] { QApplication::quit(); });
    exit->setObjectName(QStringLiteral("mnuexit"));

    std::map<const windows::Menu*, QMenu*> menus;
    for (const CalculatorWindow* window : windows::all()) {
        QMenu*& menu = menus[window->item.menu];
        if (!menu) {
            menu = menuBar()->addMenu(plain(window->item.menu->caption));
            menu->setObjectName(QString::fromLatin1(window->item.menu->name));
        }
        // Each item's handler (mnudiv_Click, ...) opens its window.
        QAction* item = menu->addAction(plain(window->item.caption), this,
                                        [this, window] { guarded(this, [&] { windows_.open(*window); }); });
        item->setObjectName(QString::fromLatin1(window->item.name));
    }
}

// A window larger than the screen (a large scale on a small screen) opens
// at the screen's top-left corner, its title bar on the screen; one that
// fits goes where the window manager puts it. Its frame is not known yet:
// the style's title bar stands in for it.
void frmquorvane::keepTitleBarOnScreen()
{
    if (const QScreen* s = screen())
        if (const std::optional<QPoint> at = placeMain(
                sizeHint(), style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this), s->availableGeometry()))
            move(*at);
}

// Hides the rows and the Calculate button and locks the result fields; no text changes.
void frmquorvane::Form_Load()
{
    Form& p = *panel_;
    for (const PanelRow& row : mainPanel.rows)
        p.setControlsVisible(fieldsOf(row), false);
    for (const PanelRow& row : mainPanel.rows)
        p.lock(formula::results(row.formula));
    p.setControlsVisible({mainPanel.calculate.button}, false);
    for (const PanelRow& row : mainPanel.rows)
        p.setControlsVisible({row.labels.begin(), row.labels.end()}, false);
}

} // namespace qv::app
