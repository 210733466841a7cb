// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The hemisphere's area window: total, then curved surface area, from the
// radius (read leniently), with 22/7 for pi folded into 66, 44 and 7.
#include "windows.h"

namespace qv::windows {
namespace {

// The text fields, by the words the formula texts call them.
constexpr Field txt1{"txt1", QT_TRANSLATE_NOOP("Formula", "radius")},
    txt2{"txt2", QT_TRANSLATE_NOOP("Formula", "total surface area")},
    txt3{"txt3", QT_TRANSLATE_NOOP("Formula", "lateral surface area")};

constexpr Control controls[] = {
    // name       kind       caption                            left  top   width height tab font     frame    names
    {"Command3", Button,    "Calculate",                         3720, 1560, 1455, 495, 4},
    {"Command1", Button,    "Reset",                             1800, 1560, 1455, 495, 5},
    {txt2,       TextField, "",                                  2640, 2760, 1695, 390, 1},
    {txt3,       TextField, "",                                  2640, 3360, 1695, 390, 0},
    {txt1,       TextField, "",                                  2280, 675,  1695, 390, 3},
    {"Label3",   Label,     "The lateral surface area is ",      0,    3360, 2655, 375, 7, nullptr, nullptr, txt3},
    {"Label2",   Label,     "The Total surface area is :",       120,  2760, 2535, 375, 6, nullptr, nullptr, txt2},
    {"Label1",   Label,     "Give the radius:",                  360,  720,  1455, 255, 2, nullptr, nullptr, txt1},
};

// Command3_Click, Calculate: the steps in the order they are evaluated.
constexpr auto r = lenient(txt1);
constexpr auto total = write(txt2, ((66_pi * r) * r) / 7);
constexpr auto lateral = write(txt3, ((44_pi * r) * r) / 7);
constexpr auto Command3_Click = steps(r, total, lateral);

// Command1_Click, Reset: the fields it empties, in order.
constexpr auto Command1_Click = clear(txt1, txt2, txt3);

} // namespace

extern constinit const CalculatorWindow frmhemi = checked({
    .design = {"frmhemi", "Area of hemi-sphere", 7140, 5280, &ComicSans, controls},
    .item = {&Area, "mnuhemi", "Hemi-sphere"},
    .calculate = {"Command3", Command3_Click},
    .reset = {"Command1", Command1_Click},
});
} // namespace qv::windows
