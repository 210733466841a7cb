// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The square-root window: a power with the exponent 1.0 / 2.0 of a lenient
// reading, so any text is a number and only a negative one fails.
#include "windows.h"

namespace qv::windows {
namespace {
constexpr CalculatorWindow declaration{
    .design = {"frmsqroot", "Square root", 6990, 4635, &ComicSans, {
        // name       kind       caption               left  top   width height tab font     frame    names
        {"txt2",     TextField, "",                    3360, 2640, 1695, 390, 4},
        {"Command2", Button,    "Calculate",           3360, 1680, 1335, 495, 2},
        {"Command1", Button,    "Reset",               1320, 1680, 1335, 495, 3},
        {"txt1",     TextField, "",                    3240, 480,  1695, 390, 1},
        {"Label2",   Label,     "The square root is",  840,  2690, 1935, 375, 5, nullptr, nullptr, "txt2"},
        {"Label1",   Label,     "Enter the number",    600,  480,  1935, 375, 0, nullptr, nullptr, "txt1"},
    }},
    .item = {&Calculation, "mnusqroot", "Square root"},
    .results = {"txt2"},
    .calculate = {"Command2", [](Form& w) {
        const FieldValue x = w.lenient("txt1");
        const FieldValue e = FieldValue(1.0) / FieldValue(2.0);
        w.write("txt2", power(x, e));
    }},
    .formulas = {
        {"txt2", "square root = number ^ (1 ÷ 2)"},
    },
    .reset = {"Command1", {"txt1", "txt2"}},
};
} // namespace

extern constinit const CalculatorWindow frmsqroot = checked(declaration);
} // namespace qv::windows
