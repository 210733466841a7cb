// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cube's surface-area window: six faces of side a, read leniently.
#include "windows.h"

namespace qv::windows {
namespace {
constexpr CalculatorWindow declaration{
    .design = {"frmcube", "Area of cube", 5955, 3375, nullptr, {
        // name       kind       caption                           left  top   width height tab font
        // The result field alone has no font of its own: it shows the toolkit's default.
        {"txt2",     TextField, "",                                 3240, 2400, 1695, 375, 0},
        {"Command2", Button,    "Calculate",                        3480, 1560, 1455, 495, 3, &ComicSans},
        {"Command1", Button,    "Reset",                            1320, 1560, 1455, 495, 4, &ComicSans},
        {"txt1",     TextField, "",                                 2880, 720,  1695, 375, 2, &ComicSans},
        {"Label2",   Label,     "The area of the cube is : ",       480,  2400, 2415, 495, 5, &ComicSans, nullptr, "txt2"},
        {"Label1",   Label,     "Give the length of the side:",     240,  720,  2655, 495, 1, &ComicSans, nullptr, "txt1"},
    }},
    .item = {&Area, "mnucube", "Cube"},
    .results = {"txt2"},
    .calculate = {"Command2", [](Form& w) {
        const FieldValue a = w.lenient("txt1");
        w.write("txt2", (FieldValue(6) * a) * a);
    }},
    .formulas = {
        {"txt2", "area = 6 × side × side"},
    },
    .reset = {"Command1", {"txt1", "txt2"}},
};
} // namespace

extern constinit const CalculatorWindow frmcube = checked(declaration);
} // namespace qv::windows
