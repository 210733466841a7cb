// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sphere's volume window: 4/3 pi r^3 with pi as 22/7, written as
// (((88 * r) * r) * r) / 21 and evaluated in exactly that order.
#include "windows.h"

namespace qv::windows {
namespace {

// The text fields, by the words the formula texts call them.
constexpr Field txt1{"txt1", QT_TRANSLATE_NOOP("Formula", "radius")},
    txt2{"txt2", QT_TRANSLATE_NOOP("Formula", "volume")};

constexpr Control controls[] = {
    // name       kind       caption                          left  top   width height tab
    {"Command2", Button,    "Calculate",                     2640, 1560, 1455, 495, 2},
    {"Command1", Button,    "Reset",                         600,  1560, 1455, 495, 3},
    {txt2,       TextField, "",                              3600, 2520, 1695, 390, 0},
    {txt1,       TextField, "",                              2880, 720,  1695, 390, 1},
    {"Label2",   Label,     "The volume of the sphere is ",  480,  2520, 2655, 495, 5, nullptr, nullptr, txt2},
    {"Label1",   Label,     "Give the radius",               480,  720,  1695, 375, 4, nullptr, nullptr, txt1},
};

// Command2_Click, Calculate: the steps in the order they are evaluated.
constexpr auto r = lenient(txt1);
constexpr auto volume = write(txt2, (((88_pi * r) * r) * r) / 21);
constexpr auto Command2_Click = steps(r, volume);

// Command1_Click, Reset: the fields it empties, in order.
constexpr auto Command1_Click = clear(txt1, txt2);

} // namespace

extern constinit const CalculatorWindow frmvsph = checked({
    .design = {"frmvsph", "Volume of a sphere", 6075, 3660, &ComicSans, controls},
    .item = {&Volume, "mnusph1", "Sphere"},
    .calculate = {"Command2", Command2_Click},
    .reset = {"Command1", Command1_Click},
});
} // namespace qv::windows
