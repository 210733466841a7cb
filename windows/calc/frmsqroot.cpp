// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The square-root window: a power with the exponent 1.0 / 2.0 of a lenient
// reading, so any text is a number and only a negative one fails.
#include "windows.h"

namespace qv::windows {
namespace {

// The text fields, by the words the formula texts call them.
constexpr Field txt1{"txt1", QT_TRANSLATE_NOOP("Formula", "number")},
    txt2{"txt2", QT_TRANSLATE_NOOP("Formula", "square root")};

constexpr Control controls[] = {
    // name       kind       caption               left  top   width height tab font     frame    names
    {txt2,       TextField, "",                    3360, 2640, 1695, 390, 4},
    {"Command2", Button,    "Calculate",           3360, 1680, 1335, 495, 2},
    {"Command1", Button,    "Reset",               1320, 1680, 1335, 495, 3},
    {txt1,       TextField, "",                    3240, 480,  1695, 390, 1},
    {"Label2",   Label,     "The square root is",  840,  2690, 1935, 375, 5, nullptr, nullptr, txt2},
    {"Label1",   Label,     "Enter the number",    600,  480,  1935, 375, 0, nullptr, nullptr, txt1},
};

// Command2_Click, Calculate: the steps in the order they are evaluated.
constexpr auto x = lenient(txt1);
constexpr auto root = write(txt2, power(x, real(1.0) / real(2.0)));
constexpr auto Command2_Click = steps(x, root);

// Command1_Click, Reset: the fields it empties, in order.
constexpr auto Command1_Click = clear(txt1, txt2);

} // namespace

extern constinit const CalculatorWindow frmsqroot = checked({
    .design = {"frmsqroot", "Square root", 6990, 4635, &ComicSans, controls},
    .item = {&Calculation, "mnusqroot", "Square root"},
    .calculate = {"Command2", Command2_Click},
    .reset = {"Command1", Command1_Click},
});
} // namespace qv::windows
