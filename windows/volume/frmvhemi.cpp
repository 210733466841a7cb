// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The hemisphere's volume window: 2/3 pi r^3 with pi as 22/7, written as
// (((44 * r) * r) * r) / 21 and evaluated in exactly that order.
#include "windows.h"

namespace qv::windows {
namespace {

// The text fields, by the words the formula texts call them.
constexpr Field txt1{"txt1", QT_TRANSLATE_NOOP("Formula", "radius")},
    txt2{"txt2", QT_TRANSLATE_NOOP("Formula", "volume")};

constexpr Control controls[] = {
    // name       kind       caption                               left  top   width height tab
    {txt2,       TextField, "",                                   3960, 2760, 1695, 390, 0},
    {"Command2", Button,    "Calculate",                          2880, 1680, 1455, 495, 3},
    {"Command1", Button,    "Reset",                              720,  1680, 1455, 495, 4},
    {txt1,       TextField, "",                                   2880, 720,  1695, 390, 2},
    {"Label2",   Label,     "The volume of the hemi-sphere is",   480,  2760, 3015, 495, 5, nullptr, nullptr, txt2},
    {"Label1",   Label,     "Give the radius",                    480,  720,  1695, 375, 1, nullptr, nullptr, txt1},
};

// Command2_Click, Calculate: the steps in the order they are evaluated.
constexpr auto r = lenient(txt1);
constexpr auto volume = write(txt2, (((44_pi * r) * r) * r) / 21);
constexpr auto Command2_Click = steps(r, volume);

// Command1_Click, Reset: the fields it empties, in order.
constexpr auto Command1_Click = clear(txt1, txt2);

} // namespace

extern constinit const CalculatorWindow frmvhemi = checked({
    .design = {"frmvhemi", "Volume of a hemi-sphere", 6900, 4935, &ComicSans, controls},
    .item = {&Volume, "mnuhemi1", "Hemi-sphere"},
    .calculate = {"Command2", Command2_Click},
    .reset = {"Command1", Command1_Click},
});
} // namespace qv::windows
