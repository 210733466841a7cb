#include "frmquorvane.h"

#include "forms.h"
#include "report.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>

#include <span>

using namespace qv::frame;

namespace qv::app {
namespace {

inline constexpr Font Bookman{"Bookman Old Style", 18, 300, true, "URW Bookman"};

const Control controls[] = {
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
};

const FormDesign design{"frmquorvane", "Quorvane Calculator", 9330, 7995, nullptr, controls};

struct MenuItem {
    const char* name;
    const char* caption;
    FormFactory form;
};

struct Menu {
    const char* name;
    const char* caption;
    std::span<const MenuItem> items;
};

using namespace qv::windows;

const MenuItem calculationItems[] = {
    {"mnudiv", "Division", make_frmdiv},
    {"mnusqroot", "Square root", make_frmsqroot},
    {"mnucroot", "Cube root", make_frmcroot},
};

const MenuItem areaItems[] = {
    {"mnusq", "Square", make_frmsquare},
    {"mnurect", "Rectangle", make_frmrect},
    {"mnutri", "Triangle", make_frmtri},
    {"mnucir", "Circle", make_frmcir},
    {"mnudia", "Length of diagnol", make_frmdia},
    {"mnucube", "Cube", make_frmcube},
    {"mnucyl", "Cylinder", make_frmcyl},
    {"mnusph", "Sphere", make_frmsph},
    {"mnuhemi", "Hemi-sphere", make_frmhemi},
    {"mnucone", "Cone", make_frmcone},
};

const MenuItem volumeItems[] = {
    {"mnucube1", "Cube", make_frmvcube},
    {"mnuroom1", "Room", make_frmvroom},
    {"mnucone1", "Cone", make_frmvcone},
    {"mnucyl1", "Cylinder", make_frmvcyl},
    {"mnusph1", "Sphere", make_frmvsph},
    {"mnuhemi1", "Hemi-sphere", make_frmvhemi},
};

const Menu windowMenus[] = {
    {"mnucal", "Calculation", calculationItems},
    {"mnuarea", "Area", areaItems},
    {"mnuvol", "Volume", volumeItems},
};

// A caption with no access key: a literal '&' would otherwise mark one.
QString plain(const char* caption) { return QString::fromUtf8(caption).replace(u'&', QStringLiteral("&&")); }

} // namespace

frmquorvane::frmquorvane(const NumberLocale& locale)
    : panel_(new Form(design, locale)), windows_(locale, this)
{
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(QString::fromUtf8(design.caption));
    setCentralWidget(panel_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    auto* title = static_cast<QLabel*>(panel_->control("Label13"));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette colours = title->palette();
    colours.setColor(QPalette::WindowText, QColor(255, 0, 255));
    colours.setColor(QPalette::Window, QColor(0, 0, 0));
    title->setPalette(colours);
    title->setAutoFillBackground(true);

    buildMenus();
    connectPanel();
    Form_Load();
    panel_->load();
}

void frmquorvane::buildMenus()
{
    QMenu* file = menuBar()->addMenu(plain("File"));
    file->setObjectName(QStringLiteral("mnufile"));
    QAction* reset = file->addAction(plain("Reset"), this, [this] { mnures_Click(); });
    reset->setObjectName(QStringLiteral("mnures"));
    QAction* exit = file->addAction(plain("Exit"), this, [this] { mnuexit_Click(); });
    exit->setObjectName(QStringLiteral("mnuexit"));

    for (const Menu& m : windowMenus) {
        QMenu* menu = menuBar()->addMenu(plain(m.caption));
        menu->setObjectName(QString::fromLatin1(m.name));
        for (const MenuItem& item : m.items) {
            // Each item's handler (mnudiv_Click, ...) opens its window.
            QAction* action = menu->addAction(plain(item.caption), this, [this, item, menuCaption = m.caption] {
                runReported(this, [this, item, menuCaption] {
                    Form* w = windows_.open(item.form);
                    // A window with a blank title is named after its menu and
                    // item ("Area: Cone"), so that a screen reader can announce it.
                    if (w->windowTitle().trimmed().isEmpty())
                        w->setAccessibleName(QStringLiteral("%1: %2").arg(QString::fromUtf8(menuCaption),
                                                                           QString::fromUtf8(item.caption)));
                });
            });
            action->setObjectName(QString::fromLatin1(item.name));
        }
    }
}

void frmquorvane::Form_Load()
{
    Form& p = *panel_;
    p.setControlsVisible({"txt1", "txt2", "txt3", "txt4", "txt5", "txt6", "txt7", "txt8", "txt9", "txt13", "txt14",
                          "txt15", "txt16", "txt17"},
                         false);
    p.lock({"txt3", "txt6", "txt9", "txt15", "txt17"});
    p.setControlsVisible({"cmdcal"}, false);
    p.setControlsVisible({"lbl1", "lbl2", "lbl3", "lbl4", "lbl5", "lbl6", "lbl9", "lbl10", "lbl11"}, false);
}

void frmquorvane::connectPanel()
{
    Form& p = *panel_;
    // A box's handler follows its state, however it was changed (mouse,
    // space bar or assistive technology).
    p.onToggle("chk1", [this] { chk1_Click(); });
    p.onToggle("chk2", [this] { chk2_Click(); });
    p.onToggle("chk3", [this] { chk3_Click(); });
    p.onToggle("chk5", [this] { chk5_Click(); });
    p.onToggle("chk6", [this] { chk6_Click(); });
    p.onClick("cmdcal", [this] { cmdcal_Click(); });
    p.onFieldClick("txt3", [this] { txt3_Click(); });
    p.onFieldClick("txt6", [this] { txt6_Click(); });
    p.onFieldClick("txt9", [this] { txt9_Click(); });
    p.onFieldClick("txt15", [this] { txt15_Click(); });
    p.onFieldClick("txt17", [this] { txt17_Click(); });
}

// Empties all fourteen fields, hidden ones too; boxes, visibility and locks stay.
void frmquorvane::mnures_Click()
{
    panel_->clear({"txt1", "txt2", "txt3", "txt4", "txt5", "txt6", "txt7", "txt8", "txt9", "txt13", "txt14", "txt15",
                   "txt16", "txt17"});
}

void frmquorvane::showRow(const char* box, std::initializer_list<const char*> row)
{
    Form& p = *panel_;
    switch (static_cast<QCheckBox*>(p.control(box))->checkState()) {
    case Qt::Checked:
        p.setControlsVisible(row, true);
        p.setControlsVisible({"cmdcal"}, true);
        break;
    case Qt::Unchecked:
        p.setControlsVisible(row, false);
        break;
    case Qt::PartiallyChecked: // a plain two-state box never gets here
        break;
    }
}

void frmquorvane::chk1_Click() { showRow("chk1", {"txt1", "txt2", "txt3", "lbl1", "lbl2"}); }
void frmquorvane::chk2_Click() { showRow("chk2", {"txt4", "txt5", "txt6", "lbl3", "lbl4"}); }
void frmquorvane::chk3_Click() { showRow("chk3", {"txt7", "txt8", "txt9", "lbl5", "lbl6"}); }
void frmquorvane::chk5_Click() { showRow("chk5", {"txt13", "txt14", "txt15", "lbl9", "lbl10"}); }
void frmquorvane::chk6_Click() { showRow("chk6", {"txt16", "txt17", "lbl11"}); }

// Each row writes its result before the next row reads its inputs; a failure
// stops the press at its row, with the rows before it already written.
void frmquorvane::cmdcal_Click()
{
    sum();
    difference();
    product();
    powerRow();
    factorial();
}

void frmquorvane::sum()
{
    const FieldValue a = panel_->lenient("txt1");
    const FieldValue b = panel_->lenient("txt2");
    panel_->write("txt3", a + b);
}

void frmquorvane::difference()
{
    const FieldValue a = panel_->lenient("txt4");
    const FieldValue b = panel_->lenient("txt5");
    panel_->write("txt6", a - b);
}

void frmquorvane::product()
{
    const FieldValue a = panel_->lenient("txt7");
    const FieldValue b = panel_->lenient("txt8");
    panel_->write("txt9", a * b);
}

// The row reads as a sentence: exponent (txt13) "th power of" base (txt14).
void frmquorvane::powerRow()
{
    const FieldValue exponent = panel_->lenient("txt13");
    const FieldValue base = panel_->lenient("txt14");
    panel_->write("txt15", power(base, exponent));
}

// 1.0 multiplied in turn by every integer from 1 up to n: a fractional n
// counts as the integer below it, n below 1 gives 1, and 171! overflows.
void frmquorvane::factorial()
{
    const FieldValue n = panel_->lenient("txt16");
    FieldValue f = 1.0;
    countedLoop(FieldValue(1), n, [&f](const FieldValue& k) { f = (f * k).toDouble(); });
    panel_->write("txt17", f);
}

// Ends the run at once, whatever windows are open.
void frmquorvane::mnuexit_Click() { QApplication::quit(); }

} // namespace qv::app
