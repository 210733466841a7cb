// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cone window: slant height, curved and total surface area from the radius
// and the height (read leniently), each written before the next is computed.
#include "windows.h"

namespace qv::windows {
namespace {
constexpr CalculatorWindow declaration{
    .design = {"frmcone", " ", 5970, 5670, &ComicSans, {
        // name       kind       caption                            left  top   width height tab font     frame    names
        {"cmdcal",   Button,    "Calculate",                         3000, 2400, 1335, 495, 6},
        {"cmdre",    Button,    "Reset",                             960,  2400, 1335, 495, 7},
        {"txt5",     TextField, "",                                  3360, 4920, 1695, 390, 0},
        {"txt4",     TextField, "",                                  3360, 4080, 1695, 390, 1},
        {"txt3",     TextField, "",                                  2280, 3240, 1695, 390, 2},
        {"txt2",     TextField, "",                                  2160, 1560, 1695, 390, 5},
        {"txt1",     TextField, "",                                  2160, 720,  1695, 390, 4},
        {"Label5",   Label,     "The total surface area is ",        360,  4920, 2655, 375, 11, nullptr, nullptr, "txt5"},
        {"Label4",   Label,     "The curved surface area is ",       360,  4080, 2535, 495, 10, nullptr, nullptr, "txt4"},
        {"Label3",   Label,     "The slant height is",               360,  3240, 1695, 375, 9,  nullptr, nullptr, "txt3"},
        {"Label2",   Label,     "Give the height",                   360,  1560, 1575, 495, 8,  nullptr, nullptr, "txt2"},
        {"Label1",   Label,     "Give the radius",                   360,  720,  1455, 255, 3,  nullptr, nullptr, "txt1"},
    }},
    .item = {&Area, "mnucone", "Cone"},
    .results = {"txt3", "txt4", "txt5"},
    .calculate = {"cmdcal", [](Form& w) {
        const FieldValue r = w.lenient("txt1");
        const FieldValue h = w.lenient("txt2");
        const FieldValue rSquared = r * r;
        const FieldValue hSquared = h * h;
        const FieldValue s = rSquared + hSquared;
        const FieldValue l = power(s, FieldValue(1.0) / FieldValue(2.0));
        w.write("txt3", l);
        const FieldValue curved = ((FieldValue(22) * r) * l) / FieldValue(7);
        w.write("txt4", curved);
        const FieldValue twentyTwoR = FieldValue(22) * r;
        const FieldValue lPlusR = l + r;
        const FieldValue total = (twentyTwoR * lPlusR) / FieldValue(7);
        w.write("txt5", total);
    }},
    .formulas = {
        {"txt3", "slant height = (radius × radius + height × height) ^ (1 ÷ 2)"},
        {"txt4", "curved surface area = 22 × radius × slant height ÷ 7"},
        {"txt5", "total surface area = 22 × radius × (slant height + radius) ÷ 7"},
    },
    .pi = "22/7",
    .reset = {"cmdre", {"txt1", "txt5", "txt4", "txt3", "txt2"}},
};
} // namespace

extern constinit const CalculatorWindow frmcone = checked(declaration);
} // namespace qv::windows
