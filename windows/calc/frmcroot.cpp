// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cube-root window: a power with the exponent 1.0 / 3.0, the double
// nearest a third, not a cube-root function. A negative number fails.
#include "windows.h"

namespace qv::windows {
namespace {

// The text fields, by the words the formula texts call them.
constexpr Field txt1{"txt1", QT_TRANSLATE_NOOP("Formula", "number")},
    txt2{"txt2", QT_TRANSLATE_NOOP("Formula", "cube root")};

constexpr Control controls[] = {
    // name       kind       caption               left  top   width height tab font     frame    names
    {"Command2", Button,    "Reset",               1080, 1680, 1455, 495, 4},
    {"Command1", Button,    "Calculate",           3120, 1680, 1455, 495, 3},
    {txt2,       TextField, "",                    3120, 2640, 1695, 390, 0},
    {txt1,       TextField, "",                    3120, 840,  1695, 390, 2},
    {"Label2",   Label,     "The cube root is:",   840,  2715, 1695, 375, 5, nullptr, nullptr, txt2},
    {"Label1",   Label,     "Enter the number",    840,  900,  1815, 375, 1, nullptr, nullptr, txt1},
};

// Command1_Click, Calculate: the steps in the order they are evaluated.
constexpr auto x = lenient(txt1);
constexpr auto root = write(txt2, power(x, real(1.0) / real(3.0)));
constexpr auto Command1_Click = steps(x, root);

// Command2_Click, Reset: the fields it empties, in order.
constexpr auto Command2_Click = clear(txt1, txt2);

} // namespace

extern constinit const CalculatorWindow frmcroot = checked({
    .design = {"frmcroot", "Cube root", 6930, 4800, &ComicSans, controls},
    .item = {&Calculation, "mnucroot", "Cube root"},
    .calculate = {"Command1", Command1_Click},
    .reset = {"Command2", Command2_Click},
});
} // namespace qv::windows
