// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The triangle's area window: Heron's formula on three leniently read sides;
// sides that make no triangle give a negative product, an invalid argument.
#include "windows.h"

namespace qv::windows {
namespace {
constexpr CalculatorWindow declaration{
    .design = {"frmtri", "Area of a triangle", 5670, 3870, nullptr, {
        // name       kind       caption                                          left  top   width height tab font     frame     names   accessible name
        {"Frame1",   Frame,     "Area of a triangle",                              0,    0,    5655, 3855, 1},
        {"txt4",     TextField, "",                                                3000, 3000, 1695, 375,  0, nullptr, "Frame1"},
        {"Command2", Button,    "Reset",                                           600,  2160, 1455, 495,  6, nullptr, "Frame1"},
        {"Command1", Button,    "Calculate",                                       600,  1200, 1455, 495,  5, nullptr, "Frame1"},
        {"txt3",     TextField, "",                                                3000, 2280, 1695, 375,  4, nullptr, "Frame1", nullptr, "Third side of the triangle in m"},
        {"txt2",     TextField, "",                                                3000, 1560, 1695, 375,  3, nullptr, "Frame1", nullptr, "Second side of the triangle in m"},
        {"txt1",     TextField, "",                                                3000, 840,  1695, 375,  2, nullptr, "Frame1", nullptr, "First side of the triangle in m"},
        {"Label2",   Label,     "The area of the triangle is : ",                  480,  3000, 1935, 255,  8, nullptr, "Frame1", "txt4"},
        // Stands above all three side fields: its buddy is the first, and each side field
        // carries its own name for a screen reader.
        {"Label1",   Label,     "Give the three sides of the triangle in m : ",    240,  480,  2895, 255,  7, nullptr, "Frame1", "txt1"},
    }},
    .item = {&Area, "mnutri", "Triangle"},
    // The area is a result like any other window's: locked.
    .results = {"txt4"},
    .calculate = {"Command1", [](Form& w) {
        const FieldValue a = w.lenient("txt1");
        const FieldValue b = w.lenient("txt2");
        const FieldValue c = w.lenient("txt3");
        const FieldValue s = ((a + b) + c) / FieldValue(2);
        const FieldValue sa = s - a;
        const FieldValue sb = s - b;
        const FieldValue sasb = sa * sb;
        const FieldValue sc = s - c;
        const FieldValue p = s * (sasb * sc);
        const FieldValue e = FieldValue(1.0) / FieldValue(2.0);
        w.write("txt4", power(p, e));
    }},
    .formulas = {
        {"txt4", "area = (s × ((s − a) × (s − b) × (s − c))) ^ (1 ÷ 2), where s = (a + b + c) ÷ 2"},
    },
    .reset = {"Command2", {"txt1", "txt2", "txt3", "txt4"}},
    // The only power of a negative number here is the root of a negative
    // product, which sides that make no triangle give.
    .explains = {Cause::NegativeToFractionalPower,
                 "these three sides make no triangle, as one is longer than the other two together"},
};
} // namespace

extern constinit const CalculatorWindow frmtri = checked(declaration);
} // namespace qv::windows
