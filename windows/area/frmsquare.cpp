// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The square's area window: the side's text times itself, read strictly in
// the user's locale (an empty or non-numeric side is a conversion failure).
#include "windows.h"

namespace qv::windows {
namespace {

// The text fields, by the words the formula texts call them.
constexpr Field txt1{"txt1", QT_TRANSLATE_NOOP("Formula", "side")},
    txt2{"txt2", QT_TRANSLATE_NOOP("Formula", "area")};

constexpr Control controls[] = {
    // name       kind       caption                                               left  top   width height tab font        frame     names
    {"Frame1",   Frame,     "Area of square",                                       0,    0,    7215, 3975, 0},
    {"Command2", Button,    "Reset",                                                960,  1800, 1455, 495,  3, nullptr,     "Frame1"},
    {"Command1", Button,    "Calculate",                                            3480, 1800, 1455, 495,  2, nullptr,     "Frame1"},
    {txt2,       TextField, "",                                                     3720, 2880, 1695, 375,  4, nullptr,     "Frame1"},
    {txt1,       TextField, "",                                                     3720, 1080, 1695, 375,  1, nullptr,     "Frame1"},
    {"Label2",   Label,     "The area of the square in sq cm is :",                 120,  2880, 3255, 255,  6, &ComicSans, "Frame1", txt2},
    {"Label1",   Label,     "Give the length of each side of the square in cm:",    240,  600,  4455, 255,  5, &ComicSans, "Frame1", txt1},
};

// Command1_Click, Calculate: the steps in the order they are evaluated.
constexpr auto s = text(txt1);
constexpr auto area = write(txt2, s * s);
constexpr auto Command1_Click = steps(s, area);

// Command2_Click, Reset: the fields it empties, in order.
constexpr auto Command2_Click = clear(txt1, txt2);

} // namespace

extern constinit const CalculatorWindow frmsquare = checked({
    .design = {"frmsquare", "Area of a square", 7215, 4005, nullptr, controls},
    .item = {&Area, "mnusq", "Square"},
    .calculate = {"Command1", Command1_Click},
    .reset = {"Command2", Command2_Click},
});
} // namespace qv::windows
