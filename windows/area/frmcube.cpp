// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cube's surface-area window: six faces of side a, read leniently.
#include "windows.h"

namespace qv::windows {
namespace {

// The text fields, by the words the formula texts call them.
constexpr Field txt1{"txt1", QT_TRANSLATE_NOOP("Formula", "side")},
    txt2{"txt2", QT_TRANSLATE_NOOP("Formula", "area")};

constexpr Control controls[] = {
    // name       kind       caption                           left  top   width height tab font
    // The result field alone has no font of its own: it shows the toolkit's default.
    {txt2,       TextField, "",                                 3240, 2400, 1695, 375, 0},
    {"Command2", Button,    "Calculate",                        3480, 1560, 1455, 495, 3, &ComicSans},
    {"Command1", Button,    "Reset",                            1320, 1560, 1455, 495, 4, &ComicSans},
    {txt1,       TextField, "",                                 2880, 720,  1695, 375, 2, &ComicSans},
    {"Label2",   Label,     "The area of the cube is : ",       480,  2400, 2415, 495, 5, &ComicSans, nullptr, txt2},
    {"Label1",   Label,     "Give the length of the side:",     240,  720,  2655, 495, 1, &ComicSans, nullptr, txt1},
};

// Command2_Click, Calculate: the steps in the order they are evaluated.
constexpr auto a = lenient(txt1);
constexpr auto area = write(txt2, (6 * a) * a);
constexpr auto Command2_Click = steps(a, area);

// Command1_Click, Reset: the fields it empties, in order.
constexpr auto Command1_Click = clear(txt1, txt2);

} // namespace

extern constinit const CalculatorWindow frmcube = checked({
    .design = {"frmcube", "Area of cube", 5955, 3375, nullptr, controls},
    .item = {&Area, "mnucube", "Cube"},
    .calculate = {"Command2", Command2_Click},
    .reset = {"Command1", Command1_Click},
});
} // namespace qv::windows
