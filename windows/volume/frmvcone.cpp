// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cone's volume window: 1/3 pi r^2 h with pi as 22/7, written as
// (((22 * r) * r) * h) / 21 and evaluated in exactly that order.
#include "windows.h"

namespace qv::windows {
namespace {
constexpr CalculatorWindow declaration{
    .design = {"frmvcone", "Volume of a cone", 5490, 4065, &ComicSans, {
        // name       kind       caption                        left  top   width height tab
        {"Command2", Button,    "Calculate",                   2640, 2160, 1455, 495, 4},
        {"Command1", Button,    "Reset",                       480,  2160, 1455, 495, 5},
        {"txt2",     TextField, "",                            2520, 1440, 1695, 390, 3},
        {"txt3",     TextField, "",                            3000, 3120, 1695, 390, 0},
        {"txt1",     TextField, "",                            2520, 720,  1695, 390, 2},
        {"Label3",   Label,     "The volume of the cone is",   240,  3120, 2535, 375, 7, nullptr, nullptr, "txt3"},
        {"Label2",   Label,     "Enter the height",            360,  1440, 1695, 375, 6, nullptr, nullptr, "txt2"},
        {"Label1",   Label,     "Enter the radius",            360,  720,  1695, 375, 1, nullptr, nullptr, "txt1"},
    }},
    .item = {&Volume, "mnucone1", "Cone"},
    .results = {"txt3"},
    // Both inputs are read first; the product is complete before the division.
    .calculate = {"Command2", [](Form& w) {
        const FieldValue r = w.lenient("txt1");
        const FieldValue h = w.lenient("txt2");
        const FieldValue volume = (((FieldValue(22) * r) * r) * h) / FieldValue(21);
        w.write("txt3", volume);
    }},
    .formulas = {
        {"txt3", "volume = 22 × radius × radius × height ÷ 21"},
    },
    .pi = "22/7",
    .reset = {"Command1", {"txt1", "txt2", "txt3"}},
};
} // namespace

extern constinit const CalculatorWindow frmvcone = checked(declaration);
} // namespace qv::windows
