// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The room's volume window: (l * b) * h, all three read leniently first.
#include "windows.h"

namespace qv::windows {

// The room window has no title.
namespace {
constexpr CalculatorWindow declaration{
    .design = {"frmvroom", "", 6930, 4800, &ComicSans, {
        // name       kind       caption                        left  top   width height tab
        {"Command2", Button,    "Reset",                       840,  3120, 1455, 495, 6},
        {"Command1", Button,    "Calculate",                   2880, 3120, 1455, 495, 5},
        {"txt2",     TextField, "",                            2760, 1440, 1695, 390, 3},
        {"txt3",     TextField, "",                            2760, 2280, 1695, 390, 4},
        {"txt4",     TextField, "",                            3120, 4080, 1695, 390, 0},
        {"txt1",     TextField, "",                            2760, 600,  1695, 390, 2},
        {"Label4",   Label,     "The volume of the room is ",  480,  4080, 2535, 375, 9, nullptr, nullptr, "txt4"},
        {"Label3",   Label,     "Enter the height",            480,  2400, 1935, 255, 8, nullptr, nullptr, "txt3"},
        {"Label2",   Label,     "Enter the breadth",           480,  1440, 1815, 375, 7, nullptr, nullptr, "txt2"},
        {"Label1",   Label,     "Enter the length",            480,  600,  1575, 375, 1, nullptr, nullptr, "txt1"},
    }},
    .item = {&Volume, "mnuroom1", "Room"},
    .results = {"txt4"},
    .calculate = {"Command1", [](Form& w) {
        const FieldValue l = w.lenient("txt1");
        const FieldValue b = w.lenient("txt2");
        const FieldValue h = w.lenient("txt3");
        const FieldValue volume = (l * b) * h;
        w.write("txt4", volume);
    }},
    .formulas = {
        {"txt4", "volume = length × breadth × height"},
    },
    .reset = {"Command2", {"txt1", "txt2", "txt3", "txt4"}},
};
} // namespace

extern constinit const CalculatorWindow frmvroom = checked(declaration);
} // namespace qv::windows
