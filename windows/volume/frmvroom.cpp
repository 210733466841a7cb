// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The room's volume window: (l * b) * h, all three read leniently first.
#include "windows.h"

namespace qv::windows {
namespace {

// The text fields, by the words the formula texts call them.
constexpr Field txt1{"txt1", QT_TRANSLATE_NOOP("Formula", "length")},
    txt2{"txt2", QT_TRANSLATE_NOOP("Formula", "breadth")},
    txt3{"txt3", QT_TRANSLATE_NOOP("Formula", "height")},
    txt4{"txt4", QT_TRANSLATE_NOOP("Formula", "volume")};

constexpr Control controls[] = {
    // name       kind       caption                        left  top   width height tab
    {"Command2", Button,    "Reset",                       840,  3120, 1455, 495, 6},
    {"Command1", Button,    "Calculate",                   2880, 3120, 1455, 495, 5},
    {txt2,       TextField, "",                            2760, 1440, 1695, 390, 3},
    {txt3,       TextField, "",                            2760, 2280, 1695, 390, 4},
    {txt4,       TextField, "",                            3120, 4080, 1695, 390, 0},
    {txt1,       TextField, "",                            2760, 600,  1695, 390, 2},
    {"Label4",   Label,     "The volume of the room is ",  480,  4080, 2535, 375, 9, nullptr, nullptr, txt4},
    {"Label3",   Label,     "Enter the height",            480,  2400, 1935, 255, 8, nullptr, nullptr, txt3},
    {"Label2",   Label,     "Enter the breadth",           480,  1440, 1815, 375, 7, nullptr, nullptr, txt2},
    {"Label1",   Label,     "Enter the length",            480,  600,  1575, 375, 1, nullptr, nullptr, txt1},
};

// Command1_Click, Calculate: the steps in the order they are evaluated.
constexpr auto l = lenient(txt1);
constexpr auto b = lenient(txt2);
constexpr auto h = lenient(txt3);
constexpr auto volume = write(txt4, (l * b) * h);
constexpr auto Command1_Click = steps(l, b, h, volume);

// Command2_Click, Reset: the fields it empties, in order.
constexpr auto Command2_Click = clear(txt1, txt2, txt3, txt4);

} // namespace

extern constinit const CalculatorWindow frmvroom = checked({
    .design = {"frmvroom", "", 6930, 4800, &ComicSans, controls},
    .item = {&Volume, "mnuroom1", "Room"},
    .calculate = {"Command1", Command1_Click},
    .reset = {"Command2", Command2_Click},
});
} // namespace qv::windows
