// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The hemisphere's area window: total, then curved surface area, from the
// radius (read leniently), with 22/7 for pi folded into 66, 44 and 7.
#include "windows.h"

namespace qv::windows {
namespace {
constexpr CalculatorWindow declaration{
    .design = {"frmhemi", "Area of hemi-sphere", 7140, 5280, &ComicSans, {
        // name       kind       caption                            left  top   width height tab font     frame    names
        {"Command3", Button,    "Calculate",                         3720, 1560, 1455, 495, 4},
        {"Command1", Button,    "Reset",                             1800, 1560, 1455, 495, 5},
        {"txt2",     TextField, "",                                  2640, 2760, 1695, 390, 1},
        {"txt3",     TextField, "",                                  2640, 3360, 1695, 390, 0},
        {"txt1",     TextField, "",                                  2280, 675,  1695, 390, 3},
        {"Label3",   Label,     "The lateral surface area is ",      0,    3360, 2655, 375, 7, nullptr, nullptr, "txt3"},
        {"Label2",   Label,     "The Total surface area is :",       120,  2760, 2535, 375, 6, nullptr, nullptr, "txt2"},
        {"Label1",   Label,     "Give the radius:",                  360,  720,  1455, 255, 2, nullptr, nullptr, "txt1"},
    }},
    .item = {&Area, "mnuhemi", "Hemi-sphere"},
    .results = {"txt3", "txt2"},
    .calculate = {"Command3", [](Form& w) {
        const FieldValue r = w.lenient("txt1");
        const FieldValue total = ((FieldValue(66) * r) * r) / FieldValue(7);
        w.write("txt2", total);
        const FieldValue lateral = ((FieldValue(44) * r) * r) / FieldValue(7);
        w.write("txt3", lateral);
    }, {"txt2", "txt3"}},
    .formulas = {
        {"txt2", "total surface area = 66 × radius × radius ÷ 7"},
        {"txt3", "lateral surface area = 44 × radius × radius ÷ 7"},
    },
    .pi = "22/7",
    .reset = {"Command1", {"txt1", "txt2", "txt3"}},
};
} // namespace

extern constinit const CalculatorWindow frmhemi = checked(declaration);
} // namespace qv::windows
