// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sphere's surface-area window: 4 pi r squared with 22/7 for pi, folded
// into 88 and 7, the division last. The radius is read leniently.
#include "windows.h"

namespace qv::windows {
namespace {

// The text fields, by the words the formula texts call them.
constexpr Field txt1{"txt1", QT_TRANSLATE_NOOP("Formula", "radius")},
    txt2{"txt2", QT_TRANSLATE_NOOP("Formula", "surface area")};

constexpr Control controls[] = {
    // name       kind       caption                                       left  top   width height tab font     frame    names
    {txt2,       TextField, "",                                             3840, 2160, 1695, 390, 0},
    {txt1,       TextField, "",                                             3840, 480,  1695, 390, 2},
    {"Command2", Button,    "Calculate",                                    3120, 1200, 1455, 495, 3},
    {"Command1", Button,    "Reset",                                        960,  1200, 1455, 495, 4},
    {"Label2",   Label,     "The total surface area of the sphere is ",     120,  2160, 3615, 375, 5, nullptr, nullptr, txt2},
    {"Label1",   Label,     "Give the radius of the sphere",                480,  480,  2775, 255, 1, nullptr, nullptr, txt1},
};

// Command2_Click, Calculate: the steps in the order they are evaluated.
constexpr auto r = lenient(txt1);
constexpr auto area = write(txt2, ((88_pi * r) * r) / 7);
constexpr auto Command2_Click = steps(r, area);

// Command1_Click, Reset: the fields it empties, in order.
constexpr auto Command1_Click = clear(txt1, txt2);

} // namespace

extern constinit const CalculatorWindow frmsph = checked({
    .design = {"frmsph", "Area os sphere", 6390, 3285, &ComicSans, controls},
    .item = {&Area, "mnusph", "Sphere"},
    .calculate = {"Command2", Command2_Click},
    .reset = {"Command1", Command1_Click},
});
} // namespace qv::windows
