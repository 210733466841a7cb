// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panel.h"

namespace qv::windows {
namespace {

using namespace qv::formula;

// The title's label holds two lines of 18 pt in 57 px; URW Bookman's lines
// stand 36 px apart at that size, so they are set 78 % of that apart, 28 px.
constexpr Font Bookman{"Bookman Old Style", 18, 300, true, {"URW Bookman", 100, 78}};

// The text fields, by the words the formula texts call them.
constexpr Field txt1{"txt1", QT_TRANSLATE_NOOP("Formula", "first number")},
    txt2{"txt2", QT_TRANSLATE_NOOP("Formula", "second number")},
    txt3{"txt3", QT_TRANSLATE_NOOP("Formula", "sum")},
    txt4{"txt4", QT_TRANSLATE_NOOP("Formula", "first number")},
    txt5{"txt5", QT_TRANSLATE_NOOP("Formula", "second number")},
    txt6{"txt6", QT_TRANSLATE_NOOP("Formula", "difference")},
    txt7{"txt7", QT_TRANSLATE_NOOP("Formula", "first number")},
    txt8{"txt8", QT_TRANSLATE_NOOP("Formula", "second number")},
    txt9{"txt9", QT_TRANSLATE_NOOP("Formula", "product")},
    txt13{"txt13", QT_TRANSLATE_NOOP("Formula", "exponent")},
    txt14{"txt14", QT_TRANSLATE_NOOP("Formula", "base")},
    txt15{"txt15", QT_TRANSLATE_NOOP("Formula", "power")},
    txt16{"txt16", QT_TRANSLATE_NOOP("Formula", "number")},
    txt17{"txt17", QT_TRANSLATE_NOOP("Formula", "factorial")};

constexpr Control controls[] = {
    // name     kind       caption                    left  top   width height tab font [container names accessible name]
    // The panel's fields have no labels: the row's check box says what they
    // are, so each field carries its name for screen readers.
    {"chk6",    CheckBox,  "Factorial of",            600,  5160, 1935, 735, 18, &ComicSans},
    {txt14,     TextField, "Power of",                5280, 4200, 1695, 375, 17, &ComicSans, nullptr, nullptr, QT_TRANSLATE_NOOP("Accessible name", "Power: base")},
    {txt15,     TextField, "Answer",                  7560, 4200, 1695, 375, 1,  &ComicSans, nullptr, nullptr, QT_TRANSLATE_NOOP("Accessible name", "Power: answer")},
    {txt16,     TextField, "Factorial",               3960, 5400, 1695, 375, 19, &ComicSans, nullptr, nullptr, QT_TRANSLATE_NOOP("Accessible name", "Factorial: number")},
    {txt17,     TextField, "Answer",                  7320, 5400, 1695, 375, 0,  &ComicSans, nullptr, nullptr, QT_TRANSLATE_NOOP("Accessible name", "Factorial: answer")},
    {"cmdcal",  Button,    "&Calculate",              3120, 6240, 1935, 615, 20, &ComicSans},
    {txt2,      TextField, "Addition",                5280, 1080, 1695, 375, 8,  &ComicSans, nullptr, nullptr, QT_TRANSLATE_NOOP("Accessible name", "Addition: second number")},
    {txt4,      TextField, "Subtraction",             2760, 2040, 1695, 375, 10, &ComicSans, nullptr, nullptr, QT_TRANSLATE_NOOP("Accessible name", "Subtraction: number to subtract from")},
    {txt3,      TextField, "Answer",                  7560, 1080, 1695, 375, 4,  &ComicSans, nullptr, nullptr, QT_TRANSLATE_NOOP("Accessible name", "Addition: answer")},
    {txt5,      TextField, "Subtraction",             5280, 2040, 1695, 375, 11, &ComicSans, nullptr, nullptr, QT_TRANSLATE_NOOP("Accessible name", "Subtraction: number to subtract")},
    {txt6,      TextField, "Answer",                  7560, 2040, 1695, 375, 3,  &ComicSans, nullptr, nullptr, QT_TRANSLATE_NOOP("Accessible name", "Subtraction: answer")},
    {txt13,     TextField, "Power of",                2760, 4200, 1695, 375, 16, &ComicSans, nullptr, nullptr, QT_TRANSLATE_NOOP("Accessible name", "Power: exponent")},
    {txt7,      TextField, "Multiplication",          2760, 3120, 1695, 375, 13, &ComicSans, nullptr, nullptr, QT_TRANSLATE_NOOP("Accessible name", "Multiplication: first number")},
    {txt8,      TextField, "Multiplication",          5280, 3120, 1695, 375, 14, &ComicSans, nullptr, nullptr, QT_TRANSLATE_NOOP("Accessible name", "Multiplication: second number")},
    {txt9,      TextField, "Answer",                  7560, 3120, 1695, 375, 2,  &ComicSans, nullptr, nullptr, QT_TRANSLATE_NOOP("Accessible name", "Multiplication: answer")},
    {txt1,      TextField, "Addition",                2760, 1080, 1695, 375, 7,  &ComicSans, nullptr, nullptr, QT_TRANSLATE_NOOP("Accessible name", "Addition: first number")},
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
                                                      1560, 0,    6135, 855, 5,  &Bookman, nullptr, nullptr, QT_TRANSLATE_NOOP("Accessible name", "The Quorvane Calculator")},
};

// The row formulas, each reading its inputs leniently, in order, and writing its result.
constexpr auto a1 = lenient(txt1);
constexpr auto b1 = lenient(txt2);
constexpr auto sum = write(txt3, a1 + b1);
constexpr auto a2 = lenient(txt4);
constexpr auto b2 = lenient(txt5);
constexpr auto difference = write(txt6, a2 - b2);
constexpr auto a3 = lenient(txt7);
constexpr auto b3 = lenient(txt8);
constexpr auto product = write(txt9, a3 * b3);
// The row reads as a sentence: exponent (txt13) "th power of" base (txt14).
constexpr auto e = lenient(txt13);
constexpr auto base = lenient(txt14);
constexpr auto raised = write(txt15, power(base, e));
// 1.0 multiplied in turn by every integer from 1 up to n: a fractional n
// counts as the integer below it, n below 1 gives 1, and 171! overflows.
constexpr auto n = lenient(txt16);
constexpr auto fact = write(txt17, factorial(n));

// A click on a row's result field computes that one row.
constexpr auto txt3_Click = steps(a1, b1, sum);
constexpr auto txt6_Click = steps(a2, b2, difference);
constexpr auto txt9_Click = steps(a3, b3, product);
constexpr auto txt15_Click = steps(e, base, raised);
constexpr auto txt17_Click = steps(n, fact);
// Calculate computes all five rows, shown or hidden, in order; each row
// writes its result before the next reads its inputs.
constexpr auto cmdcal_Click =
    steps(a1, b1, sum, a2, b2, difference, a3, b3, product, e, base, raised, n, fact);
// File, Reset empties all fourteen fields, hidden ones too.
constexpr auto mnures_Click =
    clear(txt1, txt2, txt3, txt4, txt5, txt6, txt7, txt8, txt9, txt13, txt14, txt15, txt16, txt17);

constexpr const char* additionLabels[] = {"lbl1", "lbl2"};
constexpr const char* subtractionLabels[] = {"lbl3", "lbl4"};
constexpr const char* multiplicationLabels[] = {"lbl5", "lbl6"};
constexpr const char* powerLabels[] = {"lbl9", "lbl10"};
constexpr const char* factorialLabels[] = {"lbl11"};

constexpr PanelRow rows[] = {
    // box     labels                  formula
    {"chk1", additionLabels,       txt3_Click},
    {"chk2", subtractionLabels,    txt6_Click},
    {"chk3", multiplicationLabels, txt9_Click},
    {"chk5", powerLabels,          txt15_Click},
    {"chk6", factorialLabels,      txt17_Click},
};

} // namespace

extern constinit const Panel mainPanel = checked(Panel{
    .design = {"frmquorvane", "Quorvane Calculator", 9330, 7995, nullptr, controls},
    .rows = rows,
    .calculate = {"cmdcal", cmdcal_Click},
    .reset = mnures_Click,
    .title = "Label13",
});

} // namespace qv::windows
