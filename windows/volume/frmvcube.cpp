// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cube's volume window: (v * v) * v, two products rather than a power.
#include "windows.h"

namespace qv::windows {
namespace {
constexpr CalculatorWindow declaration{
    .design = {"frmvcube", "Volume of a cube", 5925, 3705, &ComicSans, {
        // name       kind       caption                         left  top   width height tab
        {"txt1",     TextField, "",                             3360, 600,  1695, 390, 2},
        {"txt4",     TextField, "",                             3600, 2520, 1695, 390, 0},
        {"Command2", Button,    "Calcuate",                     3120, 1560, 1215, 495, 3},
        {"Command1", Button,    "Reset",                        960,  1560, 1215, 495, 4},
        {"Label4",   Label,     "The volume of the cube is ",   600,  2520, 2535, 375, 5, nullptr, nullptr, "txt4"},
        {"Label1",   Label,     "Enter the length of the cube", 360,  600,  2655, 495, 1, nullptr, nullptr, "txt1"},
    }},
    .item = {&Volume, "mnucube1", "Cube"},
    .results = {"txt4"},
    .calculate = {"Command2", [](Form& w) {
        const FieldValue v = w.lenient("txt1");
        const FieldValue volume = (v * v) * v;
        w.write("txt4", volume);
    }},
    .formulas = {
        {"txt4", "volume = length × length × length"},
    },
    .reset = {"Command1", {"txt1", "txt4"}},
};
} // namespace

extern constinit const CalculatorWindow frmvcube = checked(declaration);
} // namespace qv::windows
