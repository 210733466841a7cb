// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cube's volume window: (v * v) * v, two products rather than a power.
#include "windows.h"

namespace qv::windows {
namespace {

// The text fields, by the words the formula texts call them.
constexpr Field txt1{"txt1", QT_TRANSLATE_NOOP("Formula", "length")},
    txt4{"txt4", QT_TRANSLATE_NOOP("Formula", "volume")};

constexpr Control controls[] = {
    // name       kind       caption                         left  top   width height tab
    {txt1,       TextField, "",                             3360, 600,  1695, 390, 2},
    {txt4,       TextField, "",                             3600, 2520, 1695, 390, 0},
    {"Command2", Button,    "Calcuate",                     3120, 1560, 1215, 495, 3},
    {"Command1", Button,    "Reset",                        960,  1560, 1215, 495, 4},
    {"Label4",   Label,     "The volume of the cube is ",   600,  2520, 2535, 375, 5, nullptr, nullptr, txt4},
    {"Label1",   Label,     "Enter the length of the cube", 360,  600,  2655, 495, 1, nullptr, nullptr, txt1},
};

// Command2_Click, Calculate: the steps in the order they are evaluated.
constexpr auto v = lenient(txt1);
constexpr auto volume = write(txt4, (v * v) * v);
constexpr auto Command2_Click = steps(v, volume);

// Command1_Click, Reset: the fields it empties, in order.
constexpr auto Command1_Click = clear(txt1, txt4);

} // namespace

extern constinit const CalculatorWindow frmvcube = checked({
    .design = {"frmvcube", "Volume of a cube", 5925, 3705, &ComicSans, controls},
    .item = {&Volume, "mnucube1", "Cube"},
    .calculate = {"Command2", Command2_Click},
    .reset = {"Command1", Command1_Click},
});
} // namespace qv::windows
