// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmquorvane.h"

#include "field.h"
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

// The title's label holds two lines of 18 pt in 57 px; URW Bookman's lines
// stand 36 px apart at that size, so they are set 78 % of that apart, 28 px.
constexpr Font Bookman{"Bookman Old Style", 18, 300, true, {"URW Bookman", 100, 78}};

constexpr FormDesign design{"frmquorvane", "Quorvane Calculator", 9330, 7995, nullptr, {
    // name     kind       caption                    left  top   width height tab font [container names accessible name]
    // The panel's fields have no labels: the row's check box says what they
    // are, so each field carries its name for screen readers.
    {"chk6",    CheckBox,  "Factorial of",            600,  5160, 1935, 735, 18, &ComicSans},
    {"txt14",   TextField, "Power of",                5280, 4200, 1695, 375, 17, &ComicSans, nullptr, nullptr, "Power: base"},
    {"txt15",   TextField, "Answer",                  7560, 4200, 1695, 375, 1,  &ComicSans, nullptr, nullptr, "Power: answer"},
    {"txt16",   TextField, "Factorial",               3960, 5400, 1695, 375, 19, &ComicSans, nullptr, nullptr, "Factorial: number"},
    {"txt17",   TextField, "Answer",                  7320, 5400, 1695, 375, 0,  &ComicSans, nullptr, nullptr, "Factorial: answer"},
    {"cmdcal",  Button,    "&Calculate",              3120, 6240, 1935, 615, 20, &ComicSans},
    {"txt2",    TextField, "Addition",                5280, 1080, 1695, 375, 8,  &ComicSans, nullptr, nullptr, "Addition: second number"},
    {"txt4",    TextField, "Subtraction",             2760, 2040, 1695, 375, 10, &ComicSans, nullptr, nullptr, "Subtraction: number to subtract from"},
    {"txt3",    TextField, "Answer",                  7560, 1080, 1695, 375, 4,  &ComicSans, nullptr, nullptr, "Addition: answer"},
    {"txt5",    TextField, "Subtraction",             5280, 2040, 1695, 375, 11, &ComicSans, nullptr, nullptr, "Subtraction: number to subtract"},
    {"txt6",    TextField, "Answer",                  7560, 2040, 1695, 375, 3,  &ComicSans, nullptr, nullptr, "Subtraction: answer"},
    {"txt13",   TextField, "Power of",                2760, 4200, 1695, 375, 16, &ComicSans, nullptr, nullptr, "Power: exponent"},
    {"txt7",    TextField, "Multiplication",          2760, 3120, 1695, 375, 13, &ComicSans, nullptr, nullptr, "Multiplication: first number"},
    {"txt8",    TextField, "Multiplication",          5280, 3120, 1695, 375, 14, &ComicSans, nullptr, nullptr, "Multiplication: second number"},
    {"txt9",    TextField, "Answer",                  7560, 3120, 1695, 375, 2,  &ComicSans, nullptr, nullptr, "Multiplication: answer"},
    {"txt1",    TextField, "Addition",                2760, 1080, 1695, 375, 7,  &ComicSans, nullptr, nullptr, "Addition: first number"},
    {"chk2",    CheckBox,  "Subtraction",             600,  1920, 1815, 735, 9,  &ComicSans},
    {"chk3",    CheckBox,  "Multiplication",          600,  3000, 1815, 735, 12, &ComicSans},
    {"chk5",    CheckBox,  "Power of ",               600,  4080, 1815, 735, 15, &ComicSans},
    {"chk1",    CheckBox,  "Addition",                600,  960,  1815, 735, 6,  &ComicSans},
    {"Label1",  Label,     "Tick an operation, type its numbers and press Calculate.",
                                                      720,  6960, 6255, 495, 30},
    {"lbl9",    Label,     "th power         of ",    4440, 4155, 975,  495, 29, &ComicSans},
    {"lbl5",    Label,     "X",                       4780, 3200, 135,  255, 28, &ComicSans},
    {"lbl10",   Label,     "=",                       7200, 4245, 135,  255, 27, &ComicSans},
    {"lbl11",   Label,     "=",                       6480, 5430, 135,  255, 26, &ComicSans},
    {"lbl3",    Label,     "-",                       4800, 2160, 135,  255, 25, &ComicSans},
    {"lbl4",    Label,     "=",                       7200, 2120, 135,  255, 24, &ComicSans},
    {"lbl6",    Label,     "=",                       7200, 3200, 135,  255, 23, &ComicSans},
    {"lbl2",    Label,     "=",                       7200, 1160, 135,  255, 22, &ComicSans},
    {"lbl1",    Label,     "+",                       4800, 1080, 135,  255, 21, &ComicSans},
    {"Label13", Label,     "                       THE                           QUORVANE CALCULATOR",
                                                      1560, 0,    6135, 855, 5,  &Bookman, nullptr, nullptr, "The Quorvane Calculator"},
}};

// The row formulas: each reads its inputs, in order, and writes its result.
void sum(Form& p)
{
    const FieldValue a = p.lenient("txt1");
    const FieldValue b = p.lenient("txt2");
    p.write("txt3", a + b);
}

void difference(Form& p)
{
    const FieldValue a = p.lenient("txt4");
    const FieldValue b = p.lenient("txt5");
    p.write("txt6", a - b);
}

void product(Form& p)
{
    const FieldValue a = p.lenient("txt7");
    const FieldValue b = p.lenient("txt8");
    p.write("txt9", a * b);
}

// The row reads as a sentence: exponent (txt13) "th power of" base (txt14).
void powerOf(Form& p)
{
    const FieldValue exponent = p.lenient("txt13");
    const FieldValue base = p.lenient("txt14");
    p.write("txt15", power(base, exponent));
}

// 1.0 multiplied in turn by every integer from 1 up to n: a fractional n
// counts as the integer below it, n below 1 gives 1, and 171! overflows.
void factorial(Form& p)
{
    const FieldValue n = p.lenient("txt16");
    FieldValue f = 1.0;
    countedLoop(FieldValue(1), n, [&f](const FieldValue& k) { f = (f * k).toDouble(); });
    p.write("txt17", f);
}

static_assert(wellFormed(design));

constexpr PanelRow panelRows[] = {
    // box     fields                      labels              formula     formula text, line
    {"chk1", {"txt1", "txt2", "txt3"},    {"lbl1", "lbl2"},   sum,        "sum = first number + second number", "%1 + %2 = %3"},
    {"chk2", {"txt4", "txt5", "txt6"},    {"lbl3", "lbl4"},   difference, "difference = first number − second number", "%1 - %2 = %3"},
    {"chk3", {"txt7", "txt8", "txt9"},    {"lbl5", "lbl6"},   product,    "product = first number × second number", "%1 × %2 = %3"},
    {"chk5", {"txt13", "txt14", "txt15"}, {"lbl9", "lbl10"},  powerOf,    "power = base ^ exponent", "%2 ^ %1 = %3"},
    {"chk6", {"txt16", "txt17"},          {"lbl11"},          factorial,  "factorial = 1 × 2 × … × number", "%1! = %2"},
};

// Each row names a check box, text fields and labels of the panel.
consteval bool rowsWellFormed()
{
    for (const PanelRow& row : panelRows) {
        allOfKind(design, {row.box}, CheckBox);
        allOfKind(design, row.fields, TextField);
        allOfKind(design, row.labels, Label);
    }
    return true;
}
static_assert(rowsWellFormed());

// A caption with no access key: a literal '&' would otherwise mark one.
QString plain(const char* caption) { return QString::fromUtf8(caption).replace(u'&', QStringLiteral("&&")); }

} // namespace

std::span<const PanelRow> frmquorvane::rows() { return panelRows; }

QString frmquorvane::copyAllText() const
{
    QString text;
    for (const PanelRow& row : panelRows) {
        if (!panel_->control<QCheckBox>(row.box)->isChecked())
            continue;
        QStringList shown;
        for (const char* field : row.fields)
            shown << oneLine(panel_->field(field)->text());
        const QString line = QString::fromUtf8(row.line);
        text += (shown.size() == 3 ? line.arg(shown[0], shown[1], shown[2]) : line.arg(shown[0], shown[1])) + u'\n';
    }
    return text;
}

frmquorvane::frmquorvane(const NumberLocale& locale)
    : panel_(new Form(design, locale)), windows_(locale, *this)
{
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(QString::fromUtf8(design.caption));
    setCentralWidget(panel_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    offerNoMaximise(*this);

    auto* title = panel_->control<QLabel>("Label13");
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette colours = title->palette();
    colours.setColor(QPalette::WindowText, QColor(255, 0, 255));
    colours.setColor(QPalette::Window, QColor(0, 0, 0));
    title->setPalette(colours);
    title->setAutoFillBackground(true);

    buildMenus();
    Form& p = *panel_;
    for (const PanelRow& row : panelRows) {
        // A tick shows the row and the Calculate button, an untick hides the
        // row (the button stays), however the box was changed.
        p.onToggle(row.box, [&p, &row] {
            const bool ticked = p.control<QCheckBox>(row.box)->isChecked();
            p.setControlsVisible(row.fields, ticked);
            p.setControlsVisible(row.labels, ticked);
            if (ticked)
                p.setControlsVisible({"cmdcal"}, true);
        });
        // A click on a result field computes that one row.
        p.onFieldClick(row.result(), [&p, &row] { row.formula(p); }, {row.result()});
    }
    // Calculate computes all five rows, shown or hidden, in order; each row
    // writes its result before the next reads its inputs.
    std::vector<const char*> results;
    for (const PanelRow& row : panelRows)
        results.push_back(row.result());
    p.onClick("cmdcal", [&p] {
        for (const PanelRow& row : panelRows)
            row.formula(p);
    }, results);
    // Enter in any field of the panel presses Calculate.
    p.setDefaultButton("cmdcal");
    for (const PanelRow& row : panelRows)
        p.setFormula(row.result(), row.formulaText);
    p.offerCopyAll([this] { return copyAllText(); });
    Form_Load();
    p.focusFirstTabStop();
    keepTitleBarOnScreen();
}

void frmquorvane::buildMenus()
{
    QMenu* file = menuBar()->addMenu(plain("File"));
    file->setObjectName(QStringLiteral("mnufile"));
    // Reset empties all fourteen fields, hidden ones too; boxes, visibility and locks stay.
    QAction* reset = file->addAction(plain("Reset"), this, [this] {
        for (const PanelRow& row : panelRows)
            panel_->clear(row.fields);
    });
    reset->setObjectName(QStringLiteral("mnures"));
    // Exit ends the run at once, whatever windows are open.
    QAction* exit = file->addAction(plain("Exit"), this, [] { QApplication::quit(); });
    exit->setObjectName(QStringLiteral("mnuexit"));

    std::map<const Menu*, QMenu*> menus;
    for (const CalculatorWindow* window : windows::all()) {
        QMenu*& menu = menus[window->item.menu];
        if (!menu) {
            menu = menuBar()->addMenu(plain(window->item.menu->caption));
            menu->setObjectName(QString::fromLatin1(window->item.menu->name));
        }
        // Each item's handler (mnudiv_Click, ...) opens its window.
        QAction* item = menu->addAction(plain(window->item.caption), this,
                                        [this, window] { runReported(this, [&] { windows_.open(*window); }); });
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
    for (const PanelRow& row : panelRows)
        p.setControlsVisible(row.fields, false);
    for (const PanelRow& row : panelRows)
        p.lock({row.result()});
    p.setControlsVisible({"cmdcal"}, false);
    for (const PanelRow& row : panelRows)
        p.setControlsVisible(row.labels, false);
}

} // namespace qv::app
