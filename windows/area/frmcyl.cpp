// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cylinder's area window: total, then lateral surface area, from the
// length and the radius (read leniently), with 22/7 for pi.
#include "windows.h"

namespace qv::windows {
namespace {
constexpr CalculatorWindow declaration{
    .design = {"frmcyl", "Area of cylinder", 6660, 4845, nullptr, {
        // name       kind       caption                            left  top   width height tab font
        // The lateral-area field alone has no font of its own: it shows the toolkit's default.
        {"txt4",     TextField, "",                                  3840, 4080, 1695, 375, 0},
        {"txt1",     TextField, "",                                  3840, 720,  1695, 375, 3, &ComicSans},
        {"txt2",     TextField, "",                                  3840, 1560, 1695, 375, 4, &ComicSans},
        {"txt3",     TextField, "",                                  3840, 3480, 1695, 375, 1, &ComicSans},
        {"Command2", Button,    "Calculate",                         3480, 2520, 1455, 495, 5, &ComicSans},
        {"Command1", Button,    "Reset",                             1080, 2520, 1455, 495, 6, &ComicSans},
        {"Label4",   Label,     "The lateral surface area is",       720,  4080, 2895, 255, 9, &ComicSans, nullptr, "txt4"},
        {"Label3",   Label,     "The area of the cylinder is ",      1080, 3480, 2535, 375, 8, &ComicSans, nullptr, "txt3"},
        {"Label2",   Label,     "Give the radius",                   1800, 1560, 1575, 375, 7, &ComicSans, nullptr, "txt2"},
        {"Label1",   Label,     "Give the length",                   1800, 720,  1575, 375, 2, &ComicSans, nullptr, "txt1"},
    }},
    .item = {&Area, "mnucyl", "Cylinder"},
    .results = {"txt3", "txt4"},
    .calculate = {"Command2", [](Form& w) {
        const FieldValue L = w.lenient("txt1");
        const FieldValue R = w.lenient("txt2");
        const FieldValue fortyFourR = FieldValue(44) * R;
        const FieldValue lPlusR = L + R;
        const FieldValue total = (fortyFourR * lPlusR) / FieldValue(7);
        w.write("txt3", total);
        const FieldValue lateral = ((FieldValue(44) * L) * R) / FieldValue(7);
        w.write("txt4", lateral);
    }},
    .formulas = {
        {"txt3", "total surface area = 44 × radius × (length + radius) ÷ 7"},
        {"txt4", "lateral surface area = 44 × length × radius ÷ 7"},
    },
    .pi = "22/7",
    .reset = {"Command1", {"txt1", "txt2", "txt3", "txt4"}},
};
} // namespace

extern constinit const CalculatorWindow frmcyl = checked(declaration);
} // namespace qv::windows
