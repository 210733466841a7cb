// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sphere's volume window: 4/3 pi r^3 with pi as 22/7, written as
// (((88 * r) * r) * r) / 21 and evaluated in exactly that order.
#include "windows.h"

namespace qv::windows {
namespace {
constexpr CalculatorWindow declaration{
    .design = {"frmvsph", "Volume of a sphere", 6075, 3660, &ComicSans, {
        // name       kind       caption                          left  top   width height tab
        {"Command2", Button,    "Calculate",                     2640, 1560, 1455, 495, 2},
        {"Command1", Button,    "Reset",                         600,  1560, 1455, 495, 3},
        {"txt2",     TextField, "",                              3600, 2520, 1695, 390, 0},
        {"txt1",     TextField, "",                              2880, 720,  1695, 390, 1},
        {"Label2",   Label,     "The volume of the sphere is ",  480,  2520, 2655, 495, 5, nullptr, nullptr, "txt2"},
        {"Label1",   Label,     "Give the radius",               480,  720,  1695, 375, 4, nullptr, nullptr, "txt1"},
    }},
    .item = {&Volume, "mnusph1", "Sphere"},
    .results = {"txt2"},
    // The product is formed before the division, so it can overflow even
    // where the volume itself would fit; the last digit depends on this order.
    .calculate = {"Command2", [](Form& w) {
        const FieldValue r = w.lenient("txt1");
        const FieldValue volume = (((FieldValue(88) * r) * r) * r) / FieldValue(21);
        w.write("txt2", volume);
    }},
    .formulas = {
        {"txt2", "volume = 88 × radius × radius × radius ÷ 21"},
    },
    .pi = "22/7",
    .reset = {"Command1", {"txt1", "txt2"}},
};
} // namespace

extern constinit const CalculatorWindow frmvsph = checked(declaration);
} // namespace qv::windows
