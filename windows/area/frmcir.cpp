// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The circle window: area and circumference with 22/7 for pi, the division last.
// The radius text takes part in every product, read strictly each time.
#include "windows.h"

namespace qv::windows {
namespace {

// The text fields, by the words the formula texts call them.
constexpr Field txt1{"txt1", QT_TRANSLATE_NOOP("Formula", "radius")},
    txt2{"txt2", QT_TRANSLATE_NOOP("Formula", "area")},
    txt3{"txt3", QT_TRANSLATE_NOOP("Formula", "circumference")};

constexpr Control controls[] = {
    // name       kind       caption                                    left  top   width height tab font     frame     names
    {"Frame1",   Frame,     "Area of a circle",                          0,    0,    6735, 4335, 5},
    {txt3,       TextField, "",                                          3120, 1920, 1695, 375,  0, nullptr, "Frame1"},
    {txt1,       TextField, "",                                          3120, 600,  1695, 375,  1, nullptr, "Frame1"},
    {txt2,       TextField, "",                                          3120, 1320, 1695, 375,  2, nullptr, "Frame1"},
    {"Command1", Button,    "Calculate",                                 3360, 3000, 1455, 495,  3, nullptr, "Frame1"},
    {"Command2", Button,    "Reset",                                     1080, 3000, 1455, 495,  4, nullptr, "Frame1"},
    {"Label3",   Label,     "The circumference of the circle is ",       360,  2040, 2415, 375,  8, nullptr, "Frame1", txt3},
    {"Label1",   Label,     "Enter the radius of the circle in m : ",    360,  720,  2415, 255,  7, nullptr, "Frame1", txt1},
    {"Label2",   Label,     "The area of the circle is : ",              360,  1320, 1815, 255,  6, nullptr, "Frame1", txt2},
};

// Command1_Click, Calculate: the steps in the order they are evaluated.
constexpr auto r = text(txt1);
constexpr auto area = write(txt2, ((22_pi * r) * r) / 7);
constexpr auto circumference = write(txt3, (44_pi * r) / 7);
constexpr auto Command1_Click = steps(r, area, circumference);

// Command2_Click, Reset: the fields it empties, in order.
constexpr auto Command2_Click = clear(txt1, txt2, txt3);

} // namespace

extern constinit const CalculatorWindow frmcir = checked({
    .design = {"frmcir", "Area of a circle", 6735, 4335, nullptr, controls},
    .item = {&Area, "mnucir", "Circle"},
    .calculate = {"Command1", Command1_Click},
    .reset = {"Command2", Command2_Click},
});
} // namespace qv::windows
