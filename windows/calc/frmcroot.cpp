// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cube-root window: a power with the exponent 1.0 / 3.0, the double
// nearest a third, not a cube-root function. A negative number fails.
#include "windows.h"

namespace qv::windows {
namespace {
constexpr CalculatorWindow declaration{
    .design = {"frmcroot", "Cube root", 6930, 4800, &ComicSans, {
        // name       kind       caption               left  top   width height tab font     frame    names
        {"Command2", Button,    "Reset",               1080, 1680, 1455, 495, 4},
        {"Command1", Button,    "Calculate",           3120, 1680, 1455, 495, 3},
        {"txt2",     TextField, "",                    3120, 2640, 1695, 390, 0},
        {"txt1",     TextField, "",                    3120, 840,  1695, 390, 2},
        {"Label2",   Label,     "The cube root is:",   840,  2715, 1695, 375, 5, nullptr, nullptr, "txt2"},
        {"Label1",   Label,     "Enter the number",    840,  900,  1815, 375, 1, nullptr, nullptr, "txt1"},
    }},
    .item = {&Calculation, "mnucroot", "Cube root"},
    .results = {"txt2"},
    .calculate = {"Command1", [](Form& w) {
        const FieldValue x = w.lenient("txt1");
        const FieldValue e = FieldValue(1.0) / FieldValue(3.0);
        w.write("txt2", power(x, e));
    }},
    .formulas = {
        {"txt2", "cube root = number ^ (1 ÷ 3)"},
    },
    .reset = {"Command2", {"txt1", "txt2"}},
};
} // namespace

extern constinit const CalculatorWindow frmcroot = checked(declaration);
} // namespace qv::windows
