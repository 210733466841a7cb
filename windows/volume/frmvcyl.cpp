// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cylinder's volume window: pi r^2 h with pi as 22/7, written as
// (((22 * r) * r) * h) / 7 and evaluated in exactly that order.
#include "windows.h"

namespace qv::windows {
namespace {
constexpr CalculatorWindow declaration{
    .design = {"frmvcyl", "Volume of a cylinder", 6795, 4875, &ComicSans, {
        // name       kind       caption                            left  top   width height tab
        {"txt3",     TextField, "",                                3600, 3720, 1695, 390, 0},
        {"txt2",     TextField, "",                                2640, 1800, 1695, 390, 3},
        {"txt1",     TextField, "",                                2640, 960,  1695, 390, 2},
        {"Command2", Button,    "Calculate",                       2640, 2760, 1455, 495, 4},
        {"Command1", Button,    "Reset",                           480,  2760, 1455, 495, 5},
        {"Label3",   Label,     "The volume of the cylinder is ",  480,  3720, 2775, 495, 7, nullptr, nullptr, "txt3"},
        {"Label2",   Label,     "Enter the height",                480,  1800, 1695, 495, 6, nullptr, nullptr, "txt2"},
        {"Label1",   Label,     "Enter the radius",                480,  960,  1575, 375, 1, nullptr, nullptr, "txt1"},
    }},
    .item = {&Volume, "mnucyl1", "Cylinder"},
    .results = {"txt3"},
    // Both inputs are read first; the product is complete before the division.
    .calculate = {"Command2", [](Form& w) {
        const FieldValue r = w.lenient("txt1");
        const FieldValue h = w.lenient("txt2");
        const FieldValue volume = (((FieldValue(22) * r) * r) * h) / FieldValue(7);
        w.write("txt3", volume);
    }},
    .formulas = {
        {"txt3", "volume = 22 × radius × radius × height ÷ 7"},
    },
    .pi = "22/7",
    .reset = {"Command1", {"txt1", "txt2", "txt3"}},
};
} // namespace

extern constinit const CalculatorWindow frmvcyl = checked(declaration);
} // namespace qv::windows
