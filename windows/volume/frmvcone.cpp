// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cone's volume window: 1/3 pi r^2 h with pi as 22/7, written as
// (((22 * r) * r) * h) / 21 and evaluated in exactly that order.
#include "windows.h"

namespace qv::windows {
namespace {

// The text fields, by the words the formula texts call them.
constexpr Field txt1{"txt1", QT_TRANSLATE_NOOP("Formula", "radius")},
    txt2{"txt2", QT_TRANSLATE_NOOP("Formula", "height")},
    txt3{"txt3", QT_TRANSLATE_NOOP("Formula", "volume")};

constexpr Control controls[] = {
    // name       kind       caption                        left  top   width height tab
    {"Command2", Button,    "Calculate",                   2640, 2160, 1455, 495, 4},
    {"Command1", Button,    "Reset",                       480,  2160, 1455, 495, 5},
    {txt2,       TextField, "",                            2520, 1440, 1695, 390, 3},
    {txt3,       TextField, "",                            3000, 3120, 1695, 390, 0},
    {txt1,       TextField, "",                            2520, 720,  1695, 390, 2},
    {"Label3",   Label,     "The volume of the cone is",   240,  3120, 2535, 375, 7, nullptr, nullptr, txt3},
    {"Label2",   Label,     "Enter the height",            360,  1440, 1695, 375, 6, nullptr, nullptr, txt2},
    {"Label1",   Label,     "Enter the radius",            360,  720,  1695, 375, 1, nullptr, nullptr, txt1},
};

// Command2_Click, Calculate: the steps in the order they are evaluated.
constexpr auto r = lenient(txt1);
constexpr auto h = lenient(txt2);
constexpr auto volume = write(txt3, (((22_pi * r) * r) * h) / 21);
constexpr auto Command2_Click = steps(r, h, volume);

// Command1_Click, Reset: the fields it empties, in order.
constexpr auto Command1_Click = clear(txt1, txt2, txt3);

} // namespace

extern constinit const CalculatorWindow frmvcone = checked({
    .design = {"frmvcone", "Volume of a cone", 5490, 4065, &ComicSans, controls},
    .item = {&Volume, "mnucone1", "Cone"},
    .calculate = {"Command2", Command2_Click},
    .reset = {"Command1", Command1_Click},
});
} // namespace qv::windows
